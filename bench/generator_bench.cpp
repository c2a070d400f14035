// Time to make one puzzle, over the seeds 1..20 for each size and level: the
// median, the slowest, and the median number of givens, as counters. Targets:
// a 15 x 15 puzzle in under 1 s at level any and under 2 s at level program
// (median), a 9 x 9 puzzle in under 100 ms; 20 x 20 and 30 x 30 at level any
// show how the time grows past the window's sizes. The graded levels take five
// seeds each with the time limit vandor-cli gives them, and count the seeds
// that found no puzzle in it as `failed`.
// Measure a Release build.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "generator/Generator.h"

namespace {

constexpr int kSeeds = 20;

constexpr int kGradedSeeds = 5;

double Median(const std::vector<double>& sorted)
{
    const std::size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

void MakePuzzles(benchmark::State& state, int size, GenerateLevel level)
{
    const int seeds = LevelGrade(level) != 0 ? kGradedSeeds : kSeeds;
    std::vector<double> ms;
    std::vector<double> givens;
    int failed = 0;
    for (auto _ : state) {
        ms.clear();
        givens.clear();
        failed = 0;
        for (int seed = 1; seed <= seeds; ++seed) {
            GenerateOptions o;
            o.width = o.height = size;
            o.level = level;
            o.seed = static_cast<std::uint64_t>(seed);
            if (LevelGrade(level) != 0)
                o.timeLimitMs = kGradeTimeLimitSeconds * 1000LL;
            const auto start = std::chrono::steady_clock::now();
            const GenerateResult r = GeneratePuzzle(o);
            ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            if (r.ok)
                givens.push_back(r.givens);
            else if (LevelGrade(level) != 0)
                ++failed;
            else
                state.SkipWithError("no puzzle made");
        }
    }
    std::sort(ms.begin(), ms.end());
    std::sort(givens.begin(), givens.end());
    state.counters["median_ms"] = Median(ms);
    state.counters["slowest_ms"] = ms.back();
    state.counters["median_givens"] = givens.empty() ? 0 : Median(givens);
    state.counters["failed"] = failed;
}

}  // namespace

BENCHMARK_CAPTURE(MakePuzzles, 9x9/any, 9, GenerateLevel::Any)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MakePuzzles, 9x9/program, 9, GenerateLevel::Program)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MakePuzzles, 15x15/any, 15, GenerateLevel::Any)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MakePuzzles, 15x15/program, 15, GenerateLevel::Program)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MakePuzzles, 20x20/any, 20, GenerateLevel::Any)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MakePuzzles, 30x30/any, 30, GenerateLevel::Any)->Iterations(1)->Unit(benchmark::kMillisecond);

#define GRADED(size, g)                                                                              \
    BENCHMARK_CAPTURE(MakePuzzles, size##x##size/grade##g, size, GenerateLevel::Grade##g)     \
        ->Iterations(1)                                                                              \
        ->Unit(benchmark::kMillisecond)
GRADED(9, 1);
GRADED(9, 2);
GRADED(9, 3);
GRADED(9, 4);
GRADED(9, 5);
GRADED(15, 1);
GRADED(15, 2);
GRADED(15, 3);
GRADED(15, 4);
GRADED(15, 5);

BENCHMARK_MAIN();
