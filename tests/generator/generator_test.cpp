// Every generated puzzle is checked for what it promises: one solution (by
// plain enumeration on small boards, by the exact engine on larger ones),
// no given that could go, the level's promise, and the same puzzle for the
// same seed.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "exact/Enumerate.h"
#include "exact/ExactSolver.h"
#include "generator/Generator.h"
#include "generator/SolutionBoard.h"
#include "io/Notation.h"
#include "model/GameState.h"
#include "reason/Reasoner.h"
#include "solver/Solver.h"

namespace {

NaiveBoard ToNaive(const Grid& g)
{
    NaiveBoard b(g.width, g.height);
    for (std::size_t i = 0; i < g.cells.size(); ++i)
        b.cells[i] = colour(g.cells[i]);
    return b;
}

GenerateResult Generate(int w, int h, GenerateLevel level, std::uint64_t seed)
{
    GenerateOptions o;
    o.width = w;
    o.height = h;
    o.level = level;
    o.seed = seed;
    return GeneratePuzzle(o);
}

// Every finished board of a small size, once per size.
const std::vector<std::uint64_t>& AllBoards(int w, int h)
{
    static std::map<std::pair<int, int>, std::vector<std::uint64_t>> cache;
    auto it = cache.find({w, h});
    if (it == cache.end())
        it = cache.emplace(std::make_pair(w, h), BoardEnumerator(w, h).All()).first;
    return it->second;
}

// Finished boards that agree with every given, counting no further than 2.
int BruteForceCount(const Grid& givens)
{
    int count = 0;
    for (std::uint64_t black : AllBoards(givens.width, givens.height)) {
        bool fits = true;
        for (std::size_t i = 0; i < givens.cells.size() && fits; ++i) {
            const int c = colour(givens.cells[i]);
            fits = c == 0 || c == ((black >> i & 1) ? 2 : 1);
        }
        if (fits && ++count == 2)
            break;
    }
    return count;
}

int EngineCount(const Grid& givens)
{
    return SolveExact(givens).solutions;
}

struct Case {
    int w, h;
    GenerateLevel level;
    std::uint64_t seed;
};

void ExpectMinimalUnique(const Case& c, bool bruteForce)
{
    SCOPED_TRACE(::testing::Message() << c.w << " x " << c.h << " level " << LevelName(c.level) << " seed "
                                      << c.seed);
    const GenerateResult r = Generate(c.w, c.h, c.level, c.seed);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(ToNaive(r.solution).Solved());
    const auto count = bruteForce ? BruteForceCount : EngineCount;

    int givens = 0;
    for (std::size_t i = 0; i < r.puzzle.cells.size(); ++i) {
        const std::uint8_t code = r.puzzle.cells[i];
        if (code == Empty)
            continue;
        ++givens;
        EXPECT_EQ(code, r.solution.cells[i]) << "given " << i << " differs from the solution";
        Grid without = r.puzzle;
        without.cells[i] = Empty;
        const int solutions = count(without);
        if (LevelGrade(c.level) != 0 && solutions == 1) {
            // A graded puzzle keeps a stone it could do without only where
            // it would be harder without it.
            EXPECT_GT(reason::Explain(without).grade, LevelGrade(c.level)) << "given " << i << " can go";
        } else {
            EXPECT_EQ(solutions, 2) << "given " << i << " can go";
        }
    }
    EXPECT_EQ(givens, r.givens);
    ASSERT_EQ(count(r.puzzle), 1) << FormatGridNotation(r.puzzle);
    const ExactResult exact = SolveExact(r.puzzle);
    ASSERT_EQ(exact.solutions, 1);
    EXPECT_EQ(exact.first, r.solution);
    if (c.level == GenerateLevel::Program) {
        EXPECT_TRUE(SolvedByAutoSolve(r.puzzle)) << FormatGridNotation(r.puzzle);
    }
    if (LevelGrade(c.level) != 0) {
        const reason::Explanation e = reason::Explain(r.puzzle);
        EXPECT_EQ(e.outcome, reason::Outcome::Solved);
        EXPECT_EQ(e.grade, LevelGrade(c.level)) << FormatGridNotation(r.puzzle);
        EXPECT_EQ(r.grade, e.grade);
    }
}

TEST(GeneratorTest, GradedPuzzlesHaveExactlyTheirGradeOneSolutionAndNoGivenThatCouldGoAtTheirGrade)
{
    const Case cases[] = {
        {5, 5, GenerateLevel::Grade1, 1}, {7, 6, GenerateLevel::Grade1, 2}, {8, 7, GenerateLevel::Grade2, 3},
        {5, 5, GenerateLevel::Grade2, 1}, {6, 5, GenerateLevel::Grade3, 2}, {7, 7, GenerateLevel::Grade4, 3},
        {6, 6, GenerateLevel::Grade5, 6}, {9, 9, GenerateLevel::Grade3, 5},
    };
    for (const Case& c : cases)
        ExpectMinimalUnique(c, c.w * c.h <= 25);
}

TEST(GeneratorTest, GradedLevelsKeepToTheirSeedAndTakeOnlyTheWindowsSizes)
{
    const GenerateResult a = Generate(7, 6, GenerateLevel::Grade3, 8);
    const GenerateResult b = Generate(7, 6, GenerateLevel::Grade3, 8);
    ASSERT_TRUE(a.ok && b.ok);
    EXPECT_EQ(a.puzzle, b.puzzle);
    EXPECT_FALSE(Generate(4, 9, GenerateLevel::Grade3, 1).ok);
    EXPECT_FALSE(Generate(9, 16, GenerateLevel::Grade3, 1).ok);
    GenerateLevel level = GenerateLevel::Any;
    EXPECT_FALSE(ParseLevel("grade3", level)) << "the graded levels are chosen by number";
    EXPECT_FALSE(GradeLevel(0, level));
    EXPECT_FALSE(GradeLevel(6, level));
    ASSERT_TRUE(GradeLevel(4, level));
    EXPECT_EQ(LevelGrade(level), 4);
    EXPECT_EQ(LevelGrade(GenerateLevel::Any), 0);
}

TEST(GeneratorTest, SmallPuzzlesHaveOneSolutionByEnumerationAndNoSpareGiven)
{
    const Case cases[] = {
        {2, 2, GenerateLevel::Any, 1}, {3, 3, GenerateLevel::Any, 2}, {4, 4, GenerateLevel::Any, 3},
        {5, 3, GenerateLevel::Any, 4}, {5, 5, GenerateLevel::Any, 5}, {5, 5, GenerateLevel::Any, 6},
        {5, 5, GenerateLevel::Program, 7}, {5, 5, GenerateLevel::Program, 8},
    };
    for (const Case& c : cases)
        ExpectMinimalUnique(c, true);
}

TEST(GeneratorTest, LargerPuzzlesHaveOneSolutionByTheEngineAndKeepTheLevelsPromise)
{
    const Case cases[] = {
        {7, 7, GenerateLevel::Any, 11}, {9, 9, GenerateLevel::Any, 12}, {12, 6, GenerateLevel::Any, 13},
        {7, 7, GenerateLevel::Program, 14}, {9, 9, GenerateLevel::Program, 15}, {6, 11, GenerateLevel::Program, 16},
    };
    for (const Case& c : cases)
        ExpectMinimalUnique(c, false);
}

TEST(GeneratorTest, TheSameSeedMakesTheSamePuzzleAndAnotherSeedAnother)
{
    const GenerateResult a = Generate(8, 7, GenerateLevel::Program, 99);
    const GenerateResult b = Generate(8, 7, GenerateLevel::Program, 99);
    const GenerateResult c = Generate(8, 7, GenerateLevel::Program, 100);
    ASSERT_TRUE(a.ok && b.ok && c.ok);
    EXPECT_EQ(a.puzzle, b.puzzle);
    EXPECT_NE(a.puzzle, c.puzzle);

    // The seed fixes the puzzle on every machine and in every later version
    // of the program: a change here makes old seeds give other puzzles.
    EXPECT_EQ(FormatGridNotation(Generate(6, 6, GenerateLevel::Program, 7).puzzle),
              ". . . . . B\n"
              ". . . . B B\n"
              ". . . . . .\n"
              ". . B . . .\n"
              ". . . W . .\n"
              ". . . . . W\n");
}

// Level any tries several removal orders on each board and keeps the fewest
// givens, so it leaves fewer stones than level program, which takes one, and
// still makes the same puzzle from the same seed.
TEST(GeneratorTest, LevelAnyLeavesFewerGivensThanLevelProgramAndKeepsToItsSeed)
{
    int any = 0;
    int program = 0;
    int samePuzzle = 0;
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        const GenerateResult a = Generate(9, 9, GenerateLevel::Any, seed);
        const GenerateResult p = Generate(9, 9, GenerateLevel::Program, seed);
        ASSERT_TRUE(a.ok && p.ok);
        any += a.givens;
        program += p.givens;
        samePuzzle += a.puzzle == p.puzzle;
        EXPECT_EQ(Generate(9, 9, GenerateLevel::Any, seed).puzzle, a.puzzle) << "seed " << seed;
    }
    EXPECT_LT(any, program);
    EXPECT_LT(samePuzzle, 4);
}

TEST(GeneratorTest, RandomBoardsObeyTheRulesWithoutLongStripes)
{
    for (const auto& size : {std::make_pair(2, 2), std::make_pair(1, 6), std::make_pair(6, 2),
                             std::make_pair(9, 9), std::make_pair(13, 10)}) {
        for (std::uint64_t seed = 1; seed <= 4; ++seed) {
            Rng rng(seed);
            const Grid board = RandomSolution(size.first, size.second, rng);
            SCOPED_TRACE(::testing::Message() << size.first << " x " << size.second << " seed " << seed << "\n"
                                              << FormatGridNotation(board));
            ASSERT_EQ(board.width, size.first);
            ASSERT_EQ(board.height, size.second);
            EXPECT_TRUE(ToNaive(board).Solved());
            if (size.first >= 9) {
                EXPECT_FALSE(HasLongStripe(board));
            }
        }
    }
}

TEST(GeneratorTest, RandomNumbersStayInRangeAndShuffleKeepsEveryItem)
{
    Rng rng(5);
    std::vector<int> seen(7, 0);
    for (int i = 0; i < 7000; ++i) {
        const std::uint64_t v = rng.Below(7);
        ASSERT_LT(v, 7u);
        ++seen[v];
    }
    for (int s : seen)
        EXPECT_GT(s, 800);
    EXPECT_EQ(rng.Below(1), 0u);

    std::vector<int> items{1, 2, 3, 4, 5, 6, 7, 8};
    rng.Shuffle(items);
    std::vector<int> sorted = items;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(GeneratorTest, CancelStopsWithNoPuzzle)
{
    std::atomic<bool> cancel{true};
    GenerateOptions o;
    o.width = 9;
    o.height = 9;
    o.cancel = &cancel;
    const GenerateResult r = GeneratePuzzle(o);
    EXPECT_TRUE(r.cancelled);
    EXPECT_FALSE(r.ok);
}

TEST(GeneratorTest, TimeLimitEndsAGradedSearchSoonAndLeavesAPuzzleFoundInTimeAlone)
{
    // Seed 2 takes more than a second at 15 x 15, grade 5.
    GenerateOptions o;
    o.width = o.height = 15;
    o.level = GenerateLevel::Grade5;
    o.seed = 2;
    o.timeLimitMs = 50;
    const auto start = std::chrono::steady_clock::now();
    const GenerateResult late = GeneratePuzzle(o);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_TRUE(late.timedOut);
    EXPECT_FALSE(late.ok);
    EXPECT_FALSE(late.cancelled);
    EXPECT_GE(late.boards, 1);

    // A cancel is a cancel even when the time has run out as well.
    std::atomic<bool> cancel{true};
    o.cancel = &cancel;
    o.timeLimitMs = 1;
    const GenerateResult both = GeneratePuzzle(o);
    EXPECT_TRUE(both.cancelled);
    EXPECT_FALSE(both.timedOut);

    GenerateOptions in;
    in.width = 7;
    in.height = 6;
    in.level = GenerateLevel::Grade3;
    in.seed = 8;
    in.timeLimitMs = 60000;
    const GenerateResult timed = GeneratePuzzle(in);
    const GenerateResult plain = Generate(7, 6, GenerateLevel::Grade3, 8);
    ASSERT_TRUE(timed.ok && plain.ok);
    EXPECT_FALSE(timed.timedOut);
    EXPECT_EQ(timed.puzzle, plain.puzzle);
    EXPECT_EQ(timed.boards, plain.boards);
}

TEST(GeneratorTest, SizesTheLevelCannotTakeAreRefused)
{
    EXPECT_FALSE(Generate(4, 9, GenerateLevel::Program, 1).ok);
    EXPECT_FALSE(Generate(16, 9, GenerateLevel::Program, 1).ok);
    EXPECT_FALSE(Generate(0, 3, GenerateLevel::Any, 1).ok);
    EXPECT_FALSE(Generate(65, 3, GenerateLevel::Any, 1).ok);
}

// The level program check solves records of its own: two threads making
// puzzles at once, while this thread keeps solving GameState, get exactly the
// puzzles that are made one after another, and GameState is only ever what
// this thread's own solves leave.
TEST(GeneratorTest, ProgramLevelPuzzlesCanBeMadeOnSeveralThreadsAtOnce)
{
    const GenerateResult alone1 = Generate(7, 7, GenerateLevel::Program, 31);
    const GenerateResult alone2 = Generate(9, 8, GenerateLevel::Program, 32);
    ASSERT_TRUE(alone1.ok && alone2.ok);

    const std::string puzzle = ". . . . .\n. . . . B\nB . . . B\n. . . B W\nW W W . .\n";
    ResetGameState();
    ASSERT_TRUE(LoadNotation(puzzle));
    AutoSolve(GameState);
    const GameStateRecord solvedHere = GameState;

    GenerateResult made1, made2;
    std::thread first([&made1] { made1 = Generate(7, 7, GenerateLevel::Program, 31); });
    std::thread second([&made2] { made2 = Generate(9, 8, GenerateLevel::Program, 32); });
    int differing = 0;
    for (int round = 0; round < 200; ++round) {
        ResetGameState();
        LoadNotation(puzzle);
        AutoSolve(GameState);
        differing += std::memcmp(&solvedHere, &GameState, sizeof GameState) != 0;
    }
    first.join();
    second.join();
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(made1.puzzle, alone1.puzzle);
    EXPECT_EQ(made2.puzzle, alone2.puzzle);
}

TEST(GeneratorTest, AutoSolveCheckLeavesGameStateAsItWas)
{
    ResetGameState();
    ASSERT_TRUE(LoadNotation("B . . . W\n. w . . .\n. . W . .\n. . . b .\nW . . . B\n"));
    GameState.mode = SolveInProgress;
    GameState.undo.undoCount = 3;
    const GameStateRecord before = GameState;

    Grid solvable;
    ReadError error;
    ASSERT_TRUE(ParseGridNotation(". . . . . B\n. . . . B B\n. . . . . .\n. . B . . .\n. . . W . .\n. . . . . W\n",
                                  solvable, error));
    EXPECT_TRUE(SolvedByAutoSolve(solvable));
    EXPECT_FALSE(SolvedByAutoSolve(Grid(6, 6)));  // the empty board has many solutions
    EXPECT_FALSE(SolvedByAutoSolve(Grid(4, 4)));  // not a size the solver takes
    EXPECT_EQ(std::memcmp(&before, &GameState, sizeof before), 0);
}

}  // namespace
