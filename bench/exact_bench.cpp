// Time per SolveExact on three groups of boards, with the median and the
// slowest of each group as counters. Targets:
// - the 170 published puzzles of the shared corpus (6 x 6 to 14 x 14):
//   each under 20 ms, median under 2 ms; each has one solution and it must be
//   the published answer. Read at run time from $VANDOR_JANKO_DIR, or else
//   from shared/corpus/janko beside the project (never copied into it);
// - large unique puzzles of 20 x 20 to 30 x 30 from `vandor-cli generate
//   --level any` in bench/puzzles/unique_*.txt: each under 200 ms, one
//   solution; one benchmark per file besides the group;
// - sparse and special boards, each under 50 ms: the empty 15 x 15 (2+),
//   bench/puzzles/none_*.txt (a unique puzzle with one more given of the
//   colour opposite to its solution: no solution) and sparse_*.txt (the
//   generated puzzles with the fewest givens over many seeds: one solution).
// A board that takes more than 30 s is cancelled: its own benchmark reports
// the error, and its group counts it in cancelled (and its 30 s in the times)
// so that the others are still reported. A wrong result is an error anywhere.
// Measure a Release build.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "exact/ExactSolver.h"
#include "io/Notation.h"

namespace {

namespace fs = std::filesystem;

constexpr auto kTimeLimit = std::chrono::seconds(30);

// A board to solve and what it must give: solutions 0, 1 or 2 (two or more),
// and with one solution, when answer is not empty, that solution.
struct Case {
    std::string name;
    Grid puzzle;
    int solutions = 1;
    Grid answer;
};

// What went wrong with a case, or empty; the time is set either way.
struct Outcome {
    double ms = 0;
    bool cancelled = false;
    std::string error;
};

bool ReadText(const fs::path& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

bool ReadGrid(const fs::path& path, Grid& grid, std::string& error)
{
    std::string text;
    if (!ReadText(path, text)) {
        error = "cannot read " + path.string();
        return false;
    }
    ReadError why;
    if (!ParseGridNotation(text, grid, why)) {
        error = path.string() + ": " + ReadErrorText(why);
        return false;
    }
    return true;
}

// Sets a cancel flag when a solve runs longer than kTimeLimit: one thread for
// all boards, so that no board pays for starting and joining one.
class Watchdog {
public:
    Watchdog() : thread_([this] { Watch(); }) {}
    ~Watchdog()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }

    const std::atomic<bool>* Arm()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            cancel_ = false;
            armed_ = true;
            deadline_ = std::chrono::steady_clock::now() + kTimeLimit;
        }
        wake_.notify_one();
        return &cancel_;
    }

    void Disarm()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        armed_ = false;
    }

private:
    void Watch()
    {
        std::unique_lock<std::mutex> lock(mutex_);
        while (!stop_) {
            if (!armed_)
                wake_.wait(lock);
            else if (wake_.wait_until(lock, deadline_) == std::cv_status::timeout && armed_ &&
                     std::chrono::steady_clock::now() >= deadline_) {
                cancel_ = true;
                armed_ = false;
            }
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::atomic<bool> cancel_{false};
    bool armed_ = false;
    bool stop_ = false;
    std::chrono::steady_clock::time_point deadline_;
    std::thread thread_;  // last: starts once everything above is set up
};

Outcome Run(const Case& c, Watchdog& watchdog)
{
    ExactOptions options;
    options.cancel = watchdog.Arm();
    const auto start = std::chrono::steady_clock::now();
    const ExactResult r = SolveExact(c.puzzle, options);
    Outcome out;
    out.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    watchdog.Disarm();

    static const char* const kCounts[] = {"0", "1", "2+"};
    out.cancelled = r.cancelled;
    if (r.cancelled)
        out.error = c.name + ": cancelled after 30 s";
    else if (r.solutions != c.solutions)
        out.error = c.name + ": solutions " + kCounts[r.solutions] + ", expected " + kCounts[c.solutions];
    else if (c.solutions == 1 && !c.answer.cells.empty() && r.first != c.answer)
        out.error = c.name + ": the solution is not the published answer";
    return out;
}

// Solves every case once and sets median_ms, slowest_ms, boards,
// over_target (how many took longer than targetMs) and cancelled; the label
// names the slowest board.
void RunGroup(benchmark::State& state, const std::vector<Case>& cases, const std::string& loadError,
              double targetMs)
{
    if (!loadError.empty()) {
        state.SkipWithError(loadError.c_str());
        return;
    }
    if (cases.empty()) {
        state.SkipWithError("no boards in this group");
        return;
    }
    Watchdog watchdog;
    std::vector<double> ms;
    std::string slowest;
    double slowestMs = -1;
    int cancelled = 0;
    for (auto _ : state) {
        ms.clear();
        for (const Case& c : cases) {
            const Outcome out = Run(c, watchdog);
            if (!out.error.empty() && !out.cancelled) {
                state.SkipWithError(out.error.c_str());
                return;
            }
            cancelled += out.cancelled;
            ms.push_back(out.ms);
            if (out.ms > slowestMs) {
                slowestMs = out.ms;
                slowest = c.name + (out.cancelled ? " (cancelled after 30 s)" : "");
            }
        }
    }
    std::sort(ms.begin(), ms.end());
    const std::size_t n = ms.size();
    state.counters["boards"] = static_cast<double>(n);
    state.counters["median_ms"] = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    state.counters["slowest_ms"] = ms.back();
    state.counters["over_target"] =
        static_cast<double>(std::count_if(ms.begin(), ms.end(), [&](double v) { return v > targetMs; }));
    state.counters["cancelled"] = cancelled;
    state.SetLabel("slowest " + slowest);
}

// The published puzzles with their answers, or why they cannot be read.
const std::vector<Case>& JankoCases(std::string& error)
{
    static std::string loadError;
    static const std::vector<Case> cases = [] {
        std::vector<Case> out;
        const char* env = std::getenv("VANDOR_JANKO_DIR");
        const fs::path dir = env && *env ? fs::path(env) : fs::path(VANDOR_JANKO_DIR);
        std::error_code ec;
        if (!fs::is_directory(dir, ec)) {
            loadError = "no puzzle folder " + dir.string() + " (set VANDOR_JANKO_DIR to the janko corpus)";
            return out;
        }
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(dir, ec))
            if (entry.path().extension() == ".txt")
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            Case c;
            c.name = file.stem().string();
            fs::path sol = file;
            sol.replace_extension(".sol");
            std::string why;
            if (!ReadGrid(file, c.puzzle, why) || !ReadGrid(sol, c.answer, why)) {
                loadError = why;
                return std::vector<Case>();
            }
            out.push_back(std::move(c));
        }
        if (out.empty())
            loadError = "no puzzles (*.txt) in " + dir.string();
        return out;
    }();
    error = loadError;
    return cases;
}

// The files of bench/puzzles whose names start with prefix, each expected to
// have the given number of solutions.
std::vector<Case> PuzzleFiles(const std::string& prefix, int solutions, std::string& error)
{
    std::vector<Case> out;
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fs::path(VANDOR_BENCH_PUZZLES), ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) == 0 && entry.path().extension() == ".txt")
            files.push_back(entry.path());
    }
    if (ec) {
        error = "cannot list " + std::string(VANDOR_BENCH_PUZZLES) + ": " + ec.message();
        return out;
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        Case c;
        c.name = file.stem().string();
        c.solutions = solutions;
        if (!ReadGrid(file, c.puzzle, error))
            return {};
        out.push_back(std::move(c));
    }
    return out;
}

const std::vector<Case>& LargeCases(std::string& error)
{
    static std::string loadError;
    static const std::vector<Case> cases = PuzzleFiles("unique_", 1, loadError);
    error = loadError;
    return cases;
}

const std::vector<Case>& SpecialCases(std::string& error)
{
    static std::string loadError;
    static const std::vector<Case> cases = [] {
        std::vector<Case> out;
        Case empty;
        empty.name = "empty_15x15";
        empty.puzzle = Grid(15, 15);
        empty.solutions = 2;
        out.push_back(empty);
        for (const auto& [prefix, solutions] : {std::pair<const char*, int>{"none_", 0}, {"sparse_", 1}}) {
            std::vector<Case> files = PuzzleFiles(prefix, solutions, loadError);
            out.insert(out.end(), files.begin(), files.end());
        }
        return out;
    }();
    error = loadError;
    return cases;
}

void Janko(benchmark::State& state)
{
    std::string error;
    const std::vector<Case>& cases = JankoCases(error);
    RunGroup(state, cases, error, 20);
}

void Large(benchmark::State& state)
{
    std::string error;
    const std::vector<Case>& cases = LargeCases(error);
    RunGroup(state, cases, error, 200);
}

void Special(benchmark::State& state)
{
    std::string error;
    const std::vector<Case>& cases = SpecialCases(error);
    RunGroup(state, cases, error, 50);
}

// One board: its time as ms (the benchmark's own time says the same).
void OneBoard(benchmark::State& state, const Case* c)
{
    Watchdog watchdog;
    Outcome out;
    for (auto _ : state) {
        out = Run(*c, watchdog);
        if (!out.error.empty()) {
            state.SkipWithError(out.error.c_str());
            return;
        }
    }
    state.counters["ms"] = out.ms;
    state.counters["cells"] = static_cast<double>(c->puzzle.cells.size());
    state.counters["givens"] = static_cast<double>(
        std::count_if(c->puzzle.cells.begin(), c->puzzle.cells.end(),
                      [](std::uint8_t v) { return v == GivenWhite || v == GivenBlack; }));
}

}  // namespace

BENCHMARK(Janko)->Name("janko/170_published")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Large)->Name("large/unique")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Special)->Name("special/empty_none_sparse")->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // One benchmark per file of the large and the special groups, after the
    // groups themselves.
    std::string error;
    for (const std::vector<Case>* cases : {&LargeCases(error), &SpecialCases(error)})
        for (const Case& c : *cases)
            benchmark::RegisterBenchmark(("board/" + c.name).c_str(),
                                         [&c](benchmark::State& state) { OneBoard(state, &c); })
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
