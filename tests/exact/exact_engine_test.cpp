// The exact engine's verdicts against plain enumeration of every finished
// board, and its solutions against the solver's own full-board rule check.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "exact/ConflictSearch.h"
#include "exact/Enumerate.h"
#include "exact/ExactSolver.h"
#include "io/Notation.h"
#include "model/GameState.h"
#include "solver/Solver.h"

namespace {

Grid FromNotation(const std::string& rows)
{
    Grid g;
    ReadError error;
    EXPECT_TRUE(ParseGridNotation(rows, g, error)) << error;
    return g;
}

std::uint64_t MaskOf(const Grid& g)
{
    std::uint64_t mask = 0;
    for (std::size_t i = 0; i < g.cells.size(); ++i)
        if (g.cells[i] == GivenBlack)
            mask |= std::uint64_t{1} << i;
    return mask;
}

// A finished board as the automatic solver's own check sees it (boards that
// fit GameState) or as the plain rules see it (larger ones).
bool RulesAccept(const Grid& g)
{
    for (std::uint8_t c : g.cells)
        if (c != GivenWhite && c != GivenBlack)
            return false;
    NaiveBoard naive(g.width, g.height);
    for (std::size_t i = 0; i < g.cells.size(); ++i)
        naive.cells[i] = g.cells[i];
    if (naive.HasOneColourBlock())
        return false;
    if (g.width > kBoardCells - 2 || g.height > kBoardCells - 2)
        return naive.Connected();
    ResetGameState();
    GameState.width = g.width;
    GameState.height = g.height;
    ResetBoard();
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            GameState.board[x + 1][y + 1].code = g.at(x, y);
    const bool connected = ColoursConnected(GameState);
    ResetGameState();
    return connected;
}

bool AgreesWithGivens(const Grid& solution, const Grid& puzzle)
{
    for (std::size_t i = 0; i < puzzle.cells.size(); ++i)
        if ((puzzle.cells[i] == GivenWhite || puzzle.cells[i] == GivenBlack) && solution.cells[i] != puzzle.cells[i])
            return false;
    return true;
}

// Checks the engine's whole answer for `puzzle` against `all`, every
// finished board of its size.
void ExpectLikeEnumeration(const Grid& puzzle, const std::vector<std::uint64_t>& all, const std::string& where)
{
    std::uint64_t givenBlack = 0, givenWhite = 0;
    for (std::size_t i = 0; i < puzzle.cells.size(); ++i) {
        if (puzzle.cells[i] == GivenBlack)
            givenBlack |= std::uint64_t{1} << i;
        if (puzzle.cells[i] == GivenWhite)
            givenWhite |= std::uint64_t{1} << i;
    }
    int count = 0;
    std::uint64_t first = 0, differ = 0;
    for (std::uint64_t board : all) {
        if ((board & givenBlack) != givenBlack || (board & givenWhite) != 0)
            continue;
        if (count++ == 0)
            first = board;
        differ |= board ^ first;
    }

    ExactOptions options;
    options.findUndecided = true;
    const ExactResult r = SolveExact(puzzle, options);
    SCOPED_TRACE(where + "\n" + FormatGridNotation(puzzle));
    ASSERT_FALSE(r.cancelled);
    ASSERT_EQ(r.solutions, std::min(count, 2));
    if (count >= 1) {
        ASSERT_TRUE(RulesAccept(r.first)) << FormatGridNotation(r.first);
        EXPECT_TRUE(AgreesWithGivens(r.first, puzzle)) << FormatGridNotation(r.first);
    }
    if (count >= 2) {
        ASSERT_TRUE(RulesAccept(r.second)) << FormatGridNotation(r.second);
        EXPECT_TRUE(AgreesWithGivens(r.second, puzzle)) << FormatGridNotation(r.second);
        EXPECT_NE(MaskOf(r.first), MaskOf(r.second));
        ASSERT_EQ(r.undecided.size(), puzzle.cells.size());
        for (std::size_t i = 0; i < puzzle.cells.size(); ++i)
            EXPECT_EQ(r.undecided[i] != 0, (differ >> i & 1) != 0) << "undecided cell " << i;
    } else {
        EXPECT_TRUE(r.undecided.empty());
    }
}

const std::vector<std::uint64_t>& AllBoards(int w, int h)
{
    static std::vector<std::uint64_t> cache[8][8];
    static bool done[8][8] = {};
    if (!done[w][h]) {
        cache[w][h] = BoardEnumerator(w, h).All();
        done[w][h] = true;
    }
    return cache[w][h];
}

// Every puzzle there is (each cell empty, white or black) on every grid of
// up to nine cells.
TEST(ExactEngine, EveryPuzzleOnTinyGridsMatchesEnumeration)
{
    for (int w = 1; w <= 6; ++w)
        for (int h = 1; h <= 6; ++h) {
            const int n = w * h;
            if (n > 9)
                continue;
            const auto& all = AllBoards(w, h);
            int puzzles = 1;
            for (int i = 0; i < n; ++i)
                puzzles *= 3;
            for (int p = 0; p < puzzles; ++p) {
                Grid puzzle(w, h);
                for (int i = 0, v = p; i < n; ++i, v /= 3)
                    puzzle.cells[i] = static_cast<std::uint8_t>(v % 3);
                ExpectLikeEnumeration(puzzle, all, std::to_string(w) + "x" + std::to_string(h));
                if (HasFatalFailure())
                    return;
            }
        }
}

// Every full 4 x 4 board as a puzzle: one solution, itself, exactly when the
// rules accept it.
TEST(ExactEngine, EveryFullFourByFourBoardIsAcceptedExactlyWhenTheRulesAcceptIt)
{
    int accepted = 0;
    for (std::uint32_t mask = 0; mask < (1u << 16); ++mask) {
        Grid puzzle(4, 4);
        for (int i = 0; i < 16; ++i)
            puzzle.cells[i] = (mask >> i & 1) ? GivenBlack : GivenWhite;
        const bool valid = RulesAccept(puzzle);
        const ExactResult r = SolveExact(puzzle);
        ASSERT_EQ(r.solutions, valid ? 1 : 0) << FormatGridNotation(puzzle);
        if (valid) {
            EXPECT_EQ(r.first, puzzle);
            ++accepted;
        }
    }
    EXPECT_EQ(accepted, static_cast<int>(AllBoards(4, 4).size()));
}

// Random sparse puzzles: givens copied from a random finished board (so at
// least one solution), or random givens (often none).
TEST(ExactEngine, RandomSparsePuzzlesMatchEnumeration)
{
    struct Size {
        int w, h, rounds;
    };
    const Size sizes[] = {{4, 4, 300}, {5, 4, 300}, {4, 5, 300}, {5, 5, 300}, {6, 6, 150}};
    for (const Size& s : sizes) {
        const auto& all = AllBoards(s.w, s.h);
        ASSERT_FALSE(all.empty());
        const unsigned seed = 9000 + s.w * 10 + s.h;
        std::mt19937 rng(seed);
        const int n = s.w * s.h;
        for (int round = 0; round < s.rounds; ++round) {
            const std::uint64_t board = all[rng() % all.size()];
            const bool fromBoard = round % 3 != 0;
            const int givens = 1 + static_cast<int>(rng() % (n / 4));
            Grid puzzle(s.w, s.h);
            for (int k = 0; k < givens; ++k) {
                const int i = static_cast<int>(rng() % n);
                const bool black = fromBoard ? (board >> i & 1) != 0 : rng() % 2 == 0;
                puzzle.cells[i] = black ? GivenBlack : GivenWhite;
            }
            ExpectLikeEnumeration(puzzle, all,
                                  "seed " + std::to_string(seed) + " round " + std::to_string(round));
            if (HasFatalFailure())
                return;
        }
    }
}

// The same on the larger grids up to 7 x 6 (7 x 7 takes a minute to enumerate), where a search that learns
// wrong clauses or misses a solution behind a restart would show.
TEST(ExactEngine, RandomSparsePuzzlesUpToSevenBySevenMatchEnumeration)
{
    const std::pair<int, int> sizes[] = {{6, 5}, {5, 6}, {7, 5}, {5, 7}, {7, 6}};
    for (const auto& [w, h] : sizes) {
        const auto& all = AllBoards(w, h);
        ASSERT_FALSE(all.empty());
        const unsigned seed = 7000 + w * 10 + h;
        std::mt19937 rng(seed);
        const int n = w * h;
        for (int round = 0; round < 60; ++round) {
            const std::uint64_t board = all[rng() % all.size()];
            const int givens = 1 + static_cast<int>(rng() % (n / 5));
            Grid puzzle(w, h);
            for (int k = 0; k < givens; ++k) {
                const int i = static_cast<int>(rng() % n);
                const bool black = round % 4 != 0 ? (board >> i & 1) != 0 : rng() % 2 == 0;
                puzzle.cells[i] = black ? GivenBlack : GivenWhite;
            }
            ExpectLikeEnumeration(puzzle, all, "seed " + std::to_string(seed) + " round " + std::to_string(round));
            if (HasFatalFailure())
                return;
        }
    }
}

// A 2 x 2 block with one colour on each diagonal, or white, black, white,
// black round the border, cannot be part of any solution: said at once on
// the largest board, whatever else is given.
TEST(ExactEngine, PlantedCrossingsHaveNoSolutionOnTheLargestBoard)
{
    Grid checker(64, 64);
    checker.at(30, 40) = checker.at(31, 41) = GivenWhite;
    checker.at(31, 40) = checker.at(30, 41) = GivenBlack;
    Grid ring(64, 64);
    ring.at(3, 0) = ring.at(63, 50) = GivenWhite;
    ring.at(40, 0) = ring.at(0, 20) = GivenBlack;
    ExactOptions options;
    options.findUndecided = true;
    options.timeLimitMs = 2000;
    for (const Grid& g : {checker, ring}) {
        const ExactResult r = SolveExact(g, options);
        EXPECT_FALSE(r.cancelled);
        EXPECT_EQ(r.solutions, 0);
    }
}

// The line between the colours passes every inner corner point once, so
// where it may meet the border follows from the parity of those points.
// Search alone would need ages to learn that on a large sparse board.
TEST(ExactEngine, BorderColourChangesOnlyWhereTheDividingLineCanEnd)
{
    // 20 x 20: 19 x 19 points, odd in number: both ends of the line lie on
    // points of the corners' parity.
    Grid odd(20, 20);
    odd.at(12, 0) = GivenBlack;
    exact::ConflictSearch search(odd, nullptr);
    ASSERT_TRUE(search.Start());
    EXPECT_EQ(search.Fixed(11), exact::kBlack);
    EXPECT_EQ(search.Fixed(13), exact::kFree);

    Grid wrongEnd(20, 20);
    wrongEnd.at(1, 0) = GivenWhite;
    wrongEnd.at(2, 0) = GivenBlack;
    ExactOptions options;
    options.findUndecided = true;
    options.timeLimitMs = 2000;
    const ExactResult none = SolveExact(wrongEnd, options);
    EXPECT_FALSE(none.cancelled);
    EXPECT_EQ(none.solutions, 0);

    // 21 x 20: 20 x 19 points, even: the two ends differ in parity. The
    // change beside the top left corner ends on an odd point, so the other
    // one, somewhere above the white stone on the right, on an even one.
    Grid even(21, 20);
    even.at(1, 0) = GivenWhite;
    even.at(2, 0) = GivenBlack;
    even.at(20, 3) = GivenWhite;
    exact::ConflictSearch evenSearch(even, nullptr);
    ASSERT_TRUE(evenSearch.Start());
    EXPECT_EQ(evenSearch.Fixed(2 * 21 + 20), exact::kWhite);
    EXPECT_EQ(evenSearch.Fixed(1 * 21 + 20), exact::kFree);
    const ExactResult r = SolveExact(even, options);
    ASSERT_EQ(r.solutions, 2);
    EXPECT_TRUE(r.undecided[1 * 21 + 20]);
}

// Boards far larger than enumeration reaches: every answer obeys the rules
// and the givens, and two answers differ.
TEST(ExactEngine, AnswersOnLargeRandomBoardsObeyRulesAndGivens)
{
    std::mt19937 rng(4242);
    for (int round = 0; round < 6; ++round) {
        const int w = 12 + static_cast<int>(rng() % 20), h = 12 + static_cast<int>(rng() % 20);
        const ExactResult base = SolveExact(Grid(w, h));
        ASSERT_EQ(base.solutions, 2);
        Grid puzzle(w, h);
        for (std::size_t i = 0; i < puzzle.cells.size(); ++i)
            if (rng() % 100 < 8u + round * 6u)
                puzzle.cells[i] = base.first.cells[(i * 7 + round) % puzzle.cells.size()] == base.first.cells[i]
                                      ? base.first.cells[i]
                                      : base.second.cells[i];
        const ExactResult r = SolveExact(puzzle);
        SCOPED_TRACE("round " + std::to_string(round) + "\n" + FormatGridNotation(puzzle));
        ASSERT_FALSE(r.cancelled);
        if (r.solutions >= 1) {
            EXPECT_TRUE(RulesAccept(r.first));
            EXPECT_TRUE(AgreesWithGivens(r.first, puzzle));
        }
        if (r.solutions == 2) {
            EXPECT_TRUE(RulesAccept(r.second));
            EXPECT_TRUE(AgreesWithGivens(r.second, puzzle));
            EXPECT_NE(r.first, r.second);
        }
    }
}

TEST(ExactEngine, TimeLimitStopsTheSearchAndProvesNothing)
{
    ExactOptions options;
    options.timeLimitMs = 1;
    options.findUndecided = true;
    const ExactResult r = SolveExact(Grid(64, 64), options);
    EXPECT_TRUE(r.cancelled);
    EXPECT_TRUE(r.timedOut);
    EXPECT_EQ(r.solutions, 0);
    EXPECT_TRUE(r.first.cells.empty());
    EXPECT_TRUE(r.undecided.empty());
}

TEST(ExactEngine, EmptyBoardsHaveManySolutionsAndEveryCellUndecided)
{
    for (const auto& [w, h] : {std::pair{4, 4}, {5, 4}, {4, 5}, {5, 5}, {6, 6}})
        ExpectLikeEnumeration(Grid(w, h), AllBoards(w, h), "empty " + std::to_string(w) + "x" + std::to_string(h));

    for (const auto& [w, h] : {std::pair{15, 15}, {64, 64}, {64, 1}, {1, 64}, {2, 64}}) {
        const ExactResult r = SolveExact(Grid(w, h));
        ASSERT_EQ(r.solutions, 2) << w << "x" << h;
        EXPECT_TRUE(RulesAccept(r.first));
        EXPECT_TRUE(RulesAccept(r.second));
        EXPECT_NE(r.first, r.second);
    }
}

TEST(ExactEngine, SingleRowsAndColumnsFollowTheRules)
{
    // A line is solved by one run of each colour.
    EXPECT_EQ(SolveExact(FromNotation("W . . . W\n")).solutions, 1);
    EXPECT_EQ(SolveExact(FromNotation("W . B . W\n")).solutions, 0);
    const ExactResult r = SolveExact(FromNotation("W\n.\nB\n.\n"));
    EXPECT_EQ(r.solutions, 2);
    const ExactResult one = SolveExact(FromNotation("B\n"));
    ASSERT_EQ(one.solutions, 1);
    EXPECT_EQ(one.first.cells, std::vector<std::uint8_t>{GivenBlack});
}

TEST(ExactEngine, ConflictingGivensHaveNoSolution)
{
    const char* const puzzles[] = {
        // a block of one colour
        "W W . .\nW W . .\n. . . .\n. . . .\n",
        // a checkerboard block inside a larger board
        ". . . . .\n. W B . .\n. B W . .\n. . . . .\n",
        // a white stone shut in by black
        ". B . . .\nB W B . .\n. B . . .\n. . . W .\n",
        // four colour changes round the border
        "W . . . B\n. . . . .\n. . . . .\nB . . . W\n",
    };
    for (const char* p : puzzles) {
        const ExactResult r = SolveExact(FromNotation(p));
        EXPECT_EQ(r.solutions, 0) << p;
        EXPECT_TRUE(r.first.cells.empty());
    }
}

TEST(ExactEngine, PlacedStonesAreIgnoredLikeEmptyCells)
{
    const Grid placed = FromNotation("w b . .\nb w . .\n. . . .\n. . . .\n");
    ExactOptions options;
    options.findUndecided = true;
    const ExactResult r = SolveExact(placed, options);
    const ExactResult empty = SolveExact(Grid(4, 4), options);
    EXPECT_EQ(r.solutions, 2);
    EXPECT_EQ(r.undecided, empty.undecided);
}

TEST(ExactEngine, BoardsOfNoUsableSizeHaveNoSolution)
{
    EXPECT_EQ(SolveExact(Grid()).solutions, 0);
    EXPECT_EQ(SolveExact(Grid(65, 1)).solutions, 0);
    Grid broken(3, 3);
    broken.cells.pop_back();
    EXPECT_EQ(SolveExact(broken).solutions, 0);
}

TEST(ExactEngine, RaisedCancelFlagStopsTheSearch)
{
    std::atomic<bool> cancel{true};
    ExactOptions options;
    options.cancel = &cancel;
    options.findUndecided = true;
    const ExactResult r = SolveExact(Grid(30, 30), options);
    EXPECT_TRUE(r.cancelled);
    EXPECT_TRUE(r.undecided.empty());

    cancel = false;
    const ExactResult free = SolveExact(Grid(5, 5), options);
    EXPECT_FALSE(free.cancelled);
    EXPECT_EQ(free.solutions, 2);
}

}  // namespace
