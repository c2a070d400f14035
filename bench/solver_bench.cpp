// Time per AutoSolve on a fixed set of puzzles from 9 x 9 to 15 x 15. The
// target is under 5 ms per solve for every 15 x 15 puzzle; measure a Release
// build. The hard cases are boards with few givens in long one-colour rows:
// the passes stall again and again, and each time TrialPlacement tries both
// colours on cell after cell, each trial spreading over much of the board.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "io/Notation.h"
#include "model/GameState.h"
#include "solver/Solver.h"

namespace {

struct BenchPuzzle {
    const char* name;
    std::string rows;
};

std::string EmptyBoard(int width, int height)
{
    std::string rows;
    for (int y = 0; y < height; ++y)
        rows += std::string(width, '.') + "\n";
    return rows;
}

const std::vector<BenchPuzzle>& Puzzles()
{
    static const std::vector<BenchPuzzle> puzzles = {
        {"9x9/empty", EmptyBoard(9, 9)},
        {"9x9/solved_after_25_trial_rounds",
         "B........\n"
         ".B.......\n"
         "...WWWWW.\n"
         ".B.......\n"
         "...WWWWW.\n"
         ".B.......\n"
         ".WWWWWWW.\n"
         ".........\n"
         "W........\n"},
        {"9x9/unsolvable_after_34_trial_rounds",
         "W........\n"
         ".........\n"
         ".WWWWWW..\n"
         ".B.......\n"
         "...WWWWW.\n"
         ".B.......\n"
         ".WWWWWWWW\n"
         ".........\n"
         ".W....W.W\n"},
        {"10x10/unsolvable_after_31_trial_rounds",
         "....W.....\n"
         "..........\n"
         "...WWWWWW.\n"
         ".B........\n"
         ".W.WWWWWW.\n"
         "..........\n"
         ".W..WWWWWW\n"
         ".B..B..B..\n"
         "....WW....\n"
         ".........W\n"},
        {"12x12/unsolvable_after_21_trial_rounds",
         "..W.........\n"
         "............\n"
         ".WWWWWWWWW..\n"
         ".BBBBBBBBB..\n"
         "............\n"
         ".BBBBBBBBBB.\n"
         "............\n"
         ".BBBBBBBBBB.\n"
         "B...W.......\n"
         ".BBB.BBBBBB.\n"
         "...W........\n"
         "B...B.....BB\n"},
        {"13x13/unsolvable_after_7_trial_rounds",
         ".......W.W.W.\n"
         "...B.........\n"
         "B..WWW......W\n"
         ".BBB..BBBBB..\n"
         ".............\n"
         ".BBBB..BBBB..\n"
         "....W.......W\n"
         ".BB...B..BB..\n"
         ".WWWWWWWWWW..\n"
         "......B.....W\n"
         "..WWWWWWWWWW.\n"
         "......B....B.\n"
         ".............\n"},
        {"15x15/empty", EmptyBoard(15, 15)},
        {"15x15/solved_by_passes",
         "B...W.WW.WW.W..\n"
         "BBBBBB..BBB.B.W\n"
         "....WWWWWWWWWWW\n"
         "BBB..BBBB..BB..\n"
         ".W.WWWWWWWWWWW.\n"
         "BBBBBBB...B.BBW\n"
         ".W...WWWWWWWWWW\n"
         ".BBBBBBB...B.B.\n"
         "..WWW.WWWWWWWW.\n"
         ".BBBBBB.B...B..\n"
         "..W..W.WWWWWWWW\n"
         ".BBBBBB.BB..B..\n"
         ".WWWWWWWWWWWWW.\n"
         "...BBBBBB.BB.B.\n"
         "B.WWWWWW.....WW\n"},
        {"15x15/second_solution_after_6_trial_rounds",
         "W.WWWW.W...WW.W\n"
         "BBBBBBBBBBBBBBW\n"
         ".WWWWWWWWWWWW.W\n"
         ".BBBBBBBBBBBBB.\n"
         ".W.....W..W...W\n"
         ".BBBBBBBBBBBB..\n"
         ".WWW..WW.WW....\n"
         ".BBBBBBBBBBBB..\n"
         ".WWW..........W\n"
         ".BBBBBBBBBBBB.W\n"
         ".WW..W...WW.W.W\n"
         ".BBBBBBBBBBBB..\n"
         ".WWWWWWWWWWWWW.\n"
         ".B...BB..B.BB..\n"
         "..W.WWW.....WW.\n"},
        {"15x15/solved_after_70_trial_rounds",
         "W.............W\n"
         ".............B.\n"
         ".WWWWWWWWWWWWW.\n"
         ".BB..........B.\n"
         "....WWWWWWWWWW.\n"
         ".BBBBBBBBBBBB.W\n"
         "...............\n"
         ".BBBBBBBBBBBB.W\n"
         "...............\n"
         ".BBBBBBBBBBBB.W\n"
         "....WWWWWWWWWW.\n"
         ".BB..........B.\n"
         ".WWWWWWWWWWWWW.\n"
         ".............B.\n"
         "W..............\n"},
        {"15x15/unsolvable_after_16_trial_rounds",
         "..W....WW.W.WWW\n"
         "............BB.\n"
         ".WWWWWWWWWW.WW.\n"
         ".BBBBBBBBBB...W\n"
         "...............\n"
         ".BBBBBBBBBBBB..\n"
         "...............\n"
         ".BBBBBBBBBBBB..\n"
         "B..............\n"
         ".BBBBBBBBBBBB.W\n"
         "..WWWWWWWWWWWW.\n"
         "..............W\n"
         ".WWWWWWWWWWWW..\n"
         "...............\n"
         "WWW..WWWWWWWWW.\n"},
        {"15x15/unsolvable_after_44_trial_rounds",
         "...............\n"
         "...B.B.........\n"
         "B.WW...WWWWWWW.\n"
         "B..............\n"
         "..WWWWWWWWWWWW.\n"
         ".............B.\n"
         ".WWWWWWWWWWWWW.\n"
         ".BBBBBBBB......\n"
         "..........WWWW.\n"
         ".BBBBBBBB.....W\n"
         "..........WWWW.\n"
         ".BBBBBBBB......\n"
         ".W.WWWWWWWWWWW.\n"
         "..B..........B.\n"
         "...............\n"},
        {"15x15/unsolvable_after_66_trial_rounds",
         ".W.............\n"
         "...............\n"
         ".WWWWWWWWW.WWWW\n"
         "...............\n"
         ".WWWWWWWWWWWWWW\n"
         "...............\n"
         ".WWWWWWWWWWW.WW\n"
         "...............\n"
         ".WWWWWWWWWWWWWW\n"
         "...............\n"
         ".WWWWWWWWW.WWW.\n"
         "............B..\n"
         ".WWWWWWWWWWWWW.\n"
         ".BB............\n"
         "...............\n"},
    };
    return puzzles;
}

const char* Outcome(int status)
{
    switch (status) {
    case StatusNone: return "solved";
    case StatusContradiction: return "contradiction";
    case StatusUnsolvable: return "unsolvable";
    case StatusMultipleSolutions: return "multiple";
    default: return "?";
    }
}

void SolvePuzzle(benchmark::State& state, const PuzzleRecord* record)
{
    for (auto _ : state) {
        ApplyPuzzle(*record);
        AutoSolve(GameState);
        benchmark::DoNotOptimize(GameState.status);
    }
    state.SetLabel(Outcome(GameState.status));
}

}  // namespace

int main(int argc, char** argv)
{
    static std::vector<PuzzleRecord> records;
    records.reserve(Puzzles().size());
    for (const BenchPuzzle& puzzle : Puzzles()) {
        ReadError error;
        records.emplace_back();
        if (!ParseNotation(puzzle.rows, records.back(), error)) {
            std::fprintf(stderr, "%s: %s\n", puzzle.name, ReadErrorText(error).c_str());
            return 1;
        }
    }
    for (std::size_t i = 0; i < records.size(); ++i)
        benchmark::RegisterBenchmark(Puzzles()[i].name, SolvePuzzle, &records[i])
            ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
