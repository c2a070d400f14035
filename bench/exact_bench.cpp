// Time per SolveExact, once as a plain check and once with findUndecided, for
// every board of bench/puzzles and the published puzzles, grouped by kind (the
// file name up to its first '_': random, empty, checker, ringwbwb, none,
// unique, sparse; janko for the published ones) and by size class (the longer
// side: 1-15, 16-30, 31-40, 41-64). Each group reports boards, median, worst
// and misses (boards over their own target or stopped) and whether the median
// met its target; a table of all groups is printed at the end. Targets, per board unless said otherwise:
// - up to 30 x 30: check under 1 s, median of each group under 30 ms;
//   unique_30x30_seed5 under 200 ms; undecided under 2 s;
// - 31 x 31 .. 40 x 40: check under 1 s; 41 x 41 .. 64 x 64 under 5 s;
//   undecided at most twice the check target;
// - checker_* (a planted 2 x 2 with one colour on each diagonal) and
//   ringwbwb_* (white, black, white, black round the border): 0 solutions in
//   under 50 ms at any size, undecided too;
// - none_* (no solution), sparse_* (one) and the empty 15 x 15: under 50 ms;
// - the 170 published puzzles (6 x 6 to 14 x 14): each under 20 ms, median
//   under 2 ms, and the one solution must be the published answer. Read at run
//   time from $VANDOR_JANKO_DIR, or else from shared/corpus/janko beside the
//   project (never copied into it).
// Results are checked: 1 solution obeys the rules and the givens; 2+ gives two
// different grids that both obey; checker, ringwbwb and none give 0; unique,
// sparse and janko 1; empty 2+; random 1 or 2+. With undecided, every cell
// where the two grids differ is undecided and no given is. A wrong result
// counts in "wrong" and is named on standard error.
// Each board stops at twice its target (at least 500 ms, or
// $VANDOR_EXACT_LIMIT_S seconds): a stopped board is a miss at that time.
// Benchmarks are named MODE/KIND/CLASS (check/random/31-40), so
// --benchmark_filter='check/.*/(1-15|16-30)' makes a quick run.
// Measure a Release build.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench/BoardFiles.h"
#include "exact/ExactSolver.h"
#include "io/Notation.h"

namespace {

namespace fs = std::filesystem;

constexpr int kAnyCount = -1;  // random boards: one solution or more

struct Case {
    std::string name;
    Grid puzzle;
    int solutions = 1;  // 0, 1, 2 (two or more) or kAnyCount
    Grid answer;        // when not empty, the one solution
    double checkMs = 0; // the board's target as a plain check
};

struct Group {
    std::string kind;
    std::string sizeClass;
    double medianTargetMs = 0;  // 0: none
    std::vector<Case> cases;
};

// One printed row per group and mode.
struct Row {
    std::string name;
    std::size_t boards = 0;
    double medianMs = 0;
    double worstMs = 0;
    std::string target;
    int misses = 0;
    std::string medianOk = "-";  // yes, NO, or - without a median target
    int wrong = 0;
};

std::vector<Row>& Table()
{
    static std::vector<Row> rows;
    return rows;
}

using boardfiles::ReadGridFile;
using boardfiles::TextFiles;

const char* SizeClass(const Grid& g)
{
    const int side = std::max(g.width, g.height);
    return side <= 15 ? "1-15" : side <= 30 ? "16-30" : side <= 40 ? "31-40" : "41-64";
}

bool Planted(const std::string& kind) { return kind == "checker" || kind == "ringwbwb"; }

// The board's check target by its kind, name and size.
double CheckTarget(const std::string& kind, const std::string& name, const Grid& g)
{
    const int side = std::max(g.width, g.height);
    if (kind == "janko")
        return 20;
    if (Planted(kind) || kind == "none" || kind == "sparse" || name == "empty_15x15")
        return 50;
    if (name == "unique_30x30_seed5")
        return 200;
    return side <= 40 ? 1000 : 5000;
}

double UndecidedTarget(const Case& c)
{
    if (c.checkMs <= 50)
        return c.checkMs;  // planted and small special boards: as fast either way
    return std::max(c.puzzle.width, c.puzzle.height) <= 30 ? 2000 : 2 * c.checkMs;
}

int ExpectedSolutions(const std::string& kind)
{
    if (Planted(kind) || kind == "none")
        return 0;
    if (kind == "empty")
        return 2;
    if (kind == "random")
        return kAnyCount;
    return 1;
}

// Every board, grouped by kind and size class.
std::map<std::string, Group> LoadGroups()
{
    std::map<std::string, Group> groups;
    auto add = [&](const std::string& kind, Case c) {
        c.checkMs = CheckTarget(kind, c.name, c.puzzle);
        Group& g = groups[kind + "/" + SizeClass(c.puzzle)];
        g.kind = kind;
        g.sizeClass = SizeClass(c.puzzle);
        g.medianTargetMs = kind == "janko" ? 2 : std::max(c.puzzle.width, c.puzzle.height) <= 30 ? 30 : 0;
        g.cases.push_back(std::move(c));
    };
    const fs::path janko = boardfiles::PublishedDir(VANDOR_JANKO_DIR);
    const std::vector<fs::path> published = TextFiles(janko);
    if (published.empty())
        std::fprintf(stderr, "exact_bench: no published puzzles in %s (set VANDOR_JANKO_DIR)\n",
                     janko.string().c_str());
    for (const fs::path& file : published) {
        Case c;
        c.name = file.stem().string();
        if (ReadGridFile(file, c.puzzle) && ReadGridFile(boardfiles::AnswerFile(file), c.answer))
            add("janko", std::move(c));
        else
            std::fprintf(stderr, "exact_bench: cannot read %s or its .sol\n", file.string().c_str());
    }
    Case empty;
    empty.name = "empty_15x15";
    empty.puzzle = Grid(15, 15);
    empty.solutions = 2;
    add("empty", std::move(empty));
    for (const fs::path& file : TextFiles(fs::path(VANDOR_BENCH_PUZZLES))) {
        Case c;
        c.name = file.stem().string();
        const std::string kind = c.name.substr(0, c.name.find('_'));
        c.solutions = ExpectedSolutions(kind);
        if (ReadGridFile(file, c.puzzle))
            add(kind, std::move(c));
        else
            std::fprintf(stderr, "exact_bench: cannot read %s\n", file.string().c_str());
    }
    return groups;
}

// Whether g is a finished board (every cell a stone, no 2 x 2 of one colour,
// each colour one orthogonally connected group) keeping every given of puzzle.
bool Obeys(const Grid& g, const Grid& puzzle)
{
    if (g.width != puzzle.width || g.height != puzzle.height || g.cells.size() != puzzle.cells.size())
        return false;
    const int w = g.width, h = g.height;
    for (std::size_t i = 0; i < g.cells.size(); ++i) {
        const int c = colour(g.cells[i]);
        if (c == NoColour || (colour(puzzle.cells[i]) != NoColour && colour(puzzle.cells[i]) != c))
            return false;
    }
    for (int y = 0; y + 1 < h; ++y)
        for (int x = 0; x + 1 < w; ++x) {
            const int c = colour(g.at(x, y));
            if (colour(g.at(x + 1, y)) == c && colour(g.at(x, y + 1)) == c && colour(g.at(x + 1, y + 1)) == c)
                return false;
        }
    for (int c = WhiteColour; c <= BlackColour; ++c) {
        std::vector<bool> seen(g.cells.size(), false);
        std::vector<int> stack;
        int total = 0, reached = 0;
        for (std::size_t i = 0; i < g.cells.size(); ++i) {
            if (colour(g.cells[i]) != c)
                continue;
            if (total++ == 0) {
                stack.push_back(static_cast<int>(i));
                seen[i] = true;
            }
        }
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            ++reached;
            const int x = i % w, y = i / w;
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& n : next) {
                const int j = n[1] * w + n[0];
                if (n[0] >= 0 && n[0] < w && n[1] >= 0 && n[1] < h && !seen[j] && colour(g.cells[j]) == c) {
                    seen[j] = true;
                    stack.push_back(j);
                }
            }
        }
        if (reached != total)
            return false;
    }
    return true;
}

// What is wrong with r as the result for c, or empty.
std::string Verdict(const Case& c, const ExactResult& r, bool undecided)
{
    if (c.solutions != kAnyCount && r.solutions != c.solutions)
        return "solutions " + std::to_string(r.solutions) + ", expected " + std::to_string(c.solutions);
    if (r.solutions >= 1 && !Obeys(r.first, c.puzzle))
        return "the first solution breaks a rule or a given";
    if (r.solutions == 1 && !c.answer.cells.empty() && r.first != c.answer)
        return "the solution is not the published answer";
    if (r.solutions == 2 && (!Obeys(r.second, c.puzzle) || r.first == r.second))
        return "the second solution breaks a rule or a given, or equals the first";
    if (undecided && r.solutions == 2) {
        if (r.undecided.size() != c.puzzle.cells.size())
            return "undecided has the wrong size";
        for (std::size_t i = 0; i < r.undecided.size(); ++i)
            if ((r.first.cells[i] != r.second.cells[i] && !r.undecided[i]) ||
                (colour(c.puzzle.cells[i]) != NoColour && r.undecided[i]))
                return "undecided misses a differing cell or marks a given";
    }
    if (undecided && r.solutions < 2 && !r.undecided.empty())
        return "undecided set with fewer than two solutions";
    return {};
}

double LimitMs(double targetMs)
{
    const char* env = std::getenv("VANDOR_EXACT_LIMIT_S");
    if (env && *env && std::atof(env) > 0)
        return std::atof(env) * 1000;
    return std::max(2 * targetMs, 500.0);
}

std::string Ms(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, v < 10 ? "%.2f" : v < 1000 ? "%.1f" : "%.0f", v);
    return buf;
}

// Solves every board of the group once in the given mode and adds its row.
void RunGroup(benchmark::State& state, const Group* group, bool undecided)
{
    Row row;
    row.name = std::string(undecided ? "undecided/" : "check/") + group->kind + "/" + group->sizeClass;
    std::vector<double> ms;
    double lowTarget = 1e300, highTarget = 0;
    std::string worst;
    for (auto _ : state) {
        for (const Case& c : group->cases) {
            const double target = undecided ? UndecidedTarget(c) : c.checkMs;
            lowTarget = std::min(lowTarget, target);
            highTarget = std::max(highTarget, target);
            ExactOptions options;
            options.findUndecided = undecided;
            options.timeLimitMs = static_cast<long long>(LimitMs(target));
            const auto start = std::chrono::steady_clock::now();
            const ExactResult r = SolveExact(c.puzzle, options);
            double t = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            std::string error;
            if (r.cancelled)
                t = std::max(t, static_cast<double>(options.timeLimitMs));
            else
                error = Verdict(c, r, undecided);
            if (!error.empty()) {
                ++row.wrong;
                std::fprintf(stderr, "exact_bench: WRONG %s %s: %s\n", row.name.c_str(), c.name.c_str(), error.c_str());
            }
            row.misses += r.cancelled || t > target;
            if (ms.empty() || t > *std::max_element(ms.begin(), ms.end()))
                worst = c.name + (r.cancelled ? " (stopped)" : "");
            ms.push_back(t);
        }
    }
    std::sort(ms.begin(), ms.end());
    const std::size_t n = ms.size();
    row.boards = n;
    row.medianMs = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    row.worstMs = ms.back();
    row.target = "<" + Ms(lowTarget) + (highTarget > lowTarget ? ".." + Ms(highTarget) : "");
    if (group->medianTargetMs > 0) {
        row.target += " med<" + Ms(group->medianTargetMs);
        row.medianOk = row.medianMs > group->medianTargetMs ? "NO" : "yes";
    }
    state.counters["boards"] = static_cast<double>(n);
    state.counters["median_ms"] = row.medianMs;
    state.counters["worst_ms"] = row.worstMs;
    state.counters["misses"] = row.misses;
    state.counters["wrong"] = row.wrong;
    state.SetLabel("worst " + worst);
    if (row.wrong)
        state.SkipWithError((std::to_string(row.wrong) + " wrong result(s), see standard error").c_str());
    Table().push_back(row);
}

void PrintTable()
{
    if (Table().empty())
        return;
    std::printf("\n%-26s %6s %10s %10s  %-22s %6s %6s %6s\n", "mode/kind/size", "boards", "median ms",
                "worst ms", "target ms", "misses", "median", "wrong");
    for (const Row& r : Table())
        std::printf("%-26s %6zu %10s %10s  %-22s %6d %6s %6d\n", r.name.c_str(), r.boards, Ms(r.medianMs).c_str(),
                    Ms(r.worstMs).c_str(), r.target.c_str(), r.misses, r.medianOk.c_str(), r.wrong);
    std::printf("misses: boards over their own target or stopped; median: whether the median met its target\n");
}

}  // namespace

int main(int argc, char** argv)
{
    static const std::map<std::string, Group> groups = LoadGroups();
    for (bool undecided : {false, true})
        for (const auto& [name, group] : groups)
            benchmark::RegisterBenchmark((std::string(undecided ? "undecided/" : "check/") + name).c_str(),
                                         [g = &group, undecided](benchmark::State& s) { RunGroup(s, g, undecided); })
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::fflush(stdout);
    PrintTable();
    return 0;
}
