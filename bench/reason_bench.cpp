// Time per explain (the reasoner's whole explanation, as `vandor-cli explain`
// and `grade` run it), grouped by board size, with the median and the
// slowest of each group as counters. Targets: every board up to 15 x 15
// under 100 ms, every board up to 30 x 30 under 3 s.
// - janko/WxH: the 170 published puzzles of the shared corpus (6 x 6 to
//   14 x 14), read at run time from $VANDOR_JANKO_DIR or else from
//   shared/corpus/janko beside the project (never copied into it); each must
//   end solved at its published answer;
// - puzzles/WxH: the boards of bench/puzzles up to 30 x 30; each must end
//   as its kind says: solved (unique_*, sparse_*), no solution (none_*,
//   checker_*, ringwbwb_*), several solutions (empty_*), either of the
//   first two (random_*).
// A step of search runs the exact engine once per board, so a board that
// engine finds hard is slow here too; the label names each group's slowest.
// Measure a Release build.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench/BoardFiles.h"
#include "io/Notation.h"
#include "reason/Reasoner.h"

namespace {

namespace fs = std::filesystem;

// Random boards may have one solution or several.
constexpr reason::Outcome kSolvedOrSeveral = reason::Outcome::Stopped;

struct Case {
    std::string name;
    Grid puzzle;
    reason::Outcome outcome = reason::Outcome::Solved;  // or kSolvedOrSeveral
    Grid answer;  // when not empty, the board explain must end at
};

// The outcome the kind of a bench board (its name up to the first '_') has.
reason::Outcome ExpectedOutcome(const std::string& kind)
{
    if (kind == "none" || kind == "checker" || kind == "ringwbwb")
        return reason::Outcome::NoSolution;
    if (kind == "empty")
        return reason::Outcome::Several;
    if (kind == "random")
        return kSolvedOrSeveral;
    return reason::Outcome::Solved;
}

bool AsExpected(const reason::Explanation& e, const Case& c)
{
    if (c.outcome == kSolvedOrSeveral)
        return e.outcome == reason::Outcome::Solved || e.outcome == reason::Outcome::Several;
    return e.outcome == c.outcome;
}

using boardfiles::ReadGridFile;
using boardfiles::TextFiles;

// Both sets of boards, grouped as "janko/WxH" and "puzzles/WxH".
std::map<std::string, std::vector<Case>> LoadGroups()
{
    std::map<std::string, std::vector<Case>> groups;
    auto add = [&](const std::string& set, Case c) {
        const std::string size = std::to_string(c.puzzle.width) + "x" + std::to_string(c.puzzle.height);
        groups[set + "/" + size].push_back(std::move(c));
    };
    for (const fs::path& file : TextFiles(boardfiles::PublishedDir(VANDOR_JANKO_DIR))) {
        Case c;
        c.name = file.stem().string();
        if (ReadGridFile(file, c.puzzle) && ReadGridFile(boardfiles::AnswerFile(file), c.answer))
            add("janko", std::move(c));
    }
    for (const fs::path& file : TextFiles(fs::path(VANDOR_BENCH_PUZZLES))) {
        Case c;
        c.name = file.stem().string();
        c.outcome = ExpectedOutcome(c.name.substr(0, c.name.find('_')));
        if (ReadGridFile(file, c.puzzle) && std::max(c.puzzle.width, c.puzzle.height) <= 30)
            add("puzzles", std::move(c));
    }
    return groups;
}

// Explains every board of the group once; an outcome other than expected
// is an error.
void RunGroup(benchmark::State& state, const std::vector<Case>* cases)
{
    std::vector<double> ms;
    std::string slowest;
    for (auto _ : state) {
        ms.clear();
        for (const Case& c : *cases) {
            const auto start = std::chrono::steady_clock::now();
            const reason::Explanation e = reason::Explain(c.puzzle);
            const double t = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            if (!AsExpected(e, c) || (!c.answer.cells.empty() && reason::GridOf(e.board) != c.answer)) {
                state.SkipWithError((c.name + ": not the expected outcome").c_str());
                return;
            }
            if (ms.empty() || t > *std::max_element(ms.begin(), ms.end()))
                slowest = c.name + " grade " + std::to_string(e.grade);
            ms.push_back(t);
        }
    }
    std::sort(ms.begin(), ms.end());
    const std::size_t n = ms.size();
    const double target = cases->front().puzzle.cells.size() <= 15 * 15 ? 100 : 3000;
    state.counters["boards"] = static_cast<double>(n);
    state.counters["median_ms"] = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    state.counters["slowest_ms"] = ms.back();
    state.counters["over_target"] =
        static_cast<double>(std::count_if(ms.begin(), ms.end(), [&](double v) { return v > target; }));
    state.SetLabel("slowest " + slowest);
}

}  // namespace

int main(int argc, char** argv)
{
    static const std::map<std::string, std::vector<Case>> groups = LoadGroups();
    if (groups.empty())
        std::fputs("reason_bench: no boards found\n", stderr);
    for (const auto& [name, cases] : groups)
        benchmark::RegisterBenchmark(name.c_str(), [c = &cases](benchmark::State& s) { RunGroup(s, c); })
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
