// Time to make one puzzle, over the seeds 1..20 for each size and level: the
// median, the slowest, and the median number of givens, as counters. Targets:
// a 15 x 15 puzzle in under 1 s at level any and under 2 s at level program
// (median), a 9 x 9 puzzle in under 100 ms. Measure a Release build.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "generator/Generator.h"

namespace {

constexpr int kSeeds = 20;

void MakePuzzles(benchmark::State& state, int size, GenerateLevel level)
{
    std::vector<double> ms;
    std::vector<int> givens;
    for (auto _ : state) {
        ms.clear();
        givens.clear();
        for (int seed = 1; seed <= kSeeds; ++seed) {
            GenerateOptions o;
            o.width = o.height = size;
            o.level = level;
            o.seed = static_cast<std::uint64_t>(seed);
            const auto start = std::chrono::steady_clock::now();
            const GenerateResult r = GeneratePuzzle(o);
            ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            givens.push_back(r.givens);
            if (!r.ok)
                state.SkipWithError("no puzzle made");
        }
    }
    std::sort(ms.begin(), ms.end());
    std::sort(givens.begin(), givens.end());
    state.counters["median_ms"] = (ms[kSeeds / 2 - 1] + ms[kSeeds / 2]) / 2;
    state.counters["slowest_ms"] = ms.back();
    state.counters["median_givens"] = (givens[kSeeds / 2 - 1] + givens[kSeeds / 2]) / 2.0;
}

}  // namespace

BENCHMARK_CAPTURE(MakePuzzles, 9x9/any, 9, GenerateLevel::Any)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MakePuzzles, 9x9/program, 9, GenerateLevel::Program)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MakePuzzles, 15x15/any, 15, GenerateLevel::Any)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MakePuzzles, 15x15/program, 15, GenerateLevel::Program)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
