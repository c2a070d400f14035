// The solver's verdicts checked against the naive rules on many boards.
#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "NaiveRules.h"
#include "SolverFixture.h"
#include "solver/PassTracking.h"

namespace {

using BruteForceTest = SolverTest;

void LoadGivens(const NaiveBoard& b)
{
    std::string error;
    ASSERT_TRUE(LoadNotation(GivenNotation(b), &error)) << error;
}

// Full boards from random walks that flip one cell at a time. Every board
// the walk tries is given to AutoSolve as a puzzle without empty cells, which
// must accept exactly the boards the rules accept and leave them as given.
// Half of the walks stay on valid boards, so they try boards that break a
// rule in one cell only; the others stay on boards without a block of one
// colour on which one colour is joined and the other in at most two groups,
// so they meet many groups cut off inside a loop of the other colour, which
// the passes alone may leave unnoticed.
TEST_F(BruteForceTest, FullyGivenBoardIsSolvedExactlyWhenTheRulesAcceptIt)
{
    const unsigned seed = 4242;
    std::mt19937 rng(seed);
    struct Walk {
        int w;
        int h;
        bool keepValid;
    };
    const Walk walks[] = {{5, 5, true},   {6, 5, true},   {5, 7, true},  {6, 6, true}, {8, 8, true},
                          {7, 7, false},  {8, 8, false},  {9, 7, false}, {10, 10, false}};
    int accepted = 0;
    int split = 0;
    int total = 0;
    for (const Walk& walk : walks) {
        NaiveBoard board = CombBoard(walk.w, walk.h);
        for (int step = 0; step < 3000; ++step) {
            NaiveBoard next = board;
            const int x = 1 + rng() % next.w;
            const int y = 1 + rng() % next.h;
            next.Set(x, y, 3 - next.At(x, y));

            ResetGameState();
            LoadGivens(next);
            AutoSolve(GameState);
            const bool valid = next.Solved();
            ASSERT_EQ(GameState.status, valid ? StatusNone : StatusContradiction)
                << "seed " << seed << " step " << step << "\n" << GivenNotation(next);
            ASSERT_EQ(GivenNotation(FromGameState()), GivenNotation(next));

            ++total;
            const int white = next.Groups(1);
            const int black = next.Groups(2);
            const bool noBlock = !next.HasOneColourBlock();
            accepted += valid;
            split += noBlock && !valid;
            if (walk.keepValid ? valid : noBlock && std::min(white, black) <= 1 && std::max(white, black) <= 2)
                board = next;
        }
    }
    EXPECT_GT(accepted, total / 50);
    EXPECT_GT(split, total / 50);
}

TEST_F(BruteForceTest, RandomFullBoardsAreJudgedLikeTheRules)
{
    const unsigned seed = 777;
    std::mt19937 rng(seed);
    for (int round = 0; round < 3000; ++round) {
        NaiveBoard b(5 + rng() % 3, 5 + rng() % 3);
        // No block of one colour by construction (the fourth cell of a block
        // takes the other colour), so most boards fail on connectivity,
        // checkerboards or shut-in stones.
        for (int x = 1; x <= b.w; ++x)
            for (int y = 1; y <= b.h; ++y) {
                int c = 1 + rng() % 2;
                if (x > 1 && y > 1 && b.At(x - 1, y) == c && b.At(x, y - 1) == c && b.At(x - 1, y - 1) == c)
                    c = 3 - c;
                b.Set(x, y, c);
            }
        ResetGameState();
        LoadGivens(b);
        AutoSolve(GameState);
        ASSERT_EQ(GameState.status, b.Solved() ? StatusNone : StatusContradiction)
            << "seed " << seed << " round " << round << "\n" << GivenNotation(b);
    }
}

TEST_F(BruteForceTest, ColoursConnectedAgreesWithNaiveGroupCount)
{
    const unsigned seed = 31337;
    std::mt19937 rng(seed);
    int split = 0;
    int joined = 0;
    for (int round = 0; round < 4000; ++round) {
        ResetGameState();
        GameState.width = 5 + rng() % 11;
        GameState.height = 5 + rng() % 11;
        ResetBoard();
        if (round % 3 == 0) {
            // A valid board with a few cells emptied or flipped: often still
            // joined, sometimes cut just once.
            const NaiveBoard comb = CombBoard(GameState.width, GameState.height);
            for (int x = 1; x <= comb.w; ++x)
                for (int y = 1; y <= comb.h; ++y)
                    GameState.board[x][y].code = static_cast<std::uint8_t>(comb.At(x, y));
            for (int change = rng() % 4; change > 0; --change) {
                Cell& cell = GameState.board[1 + rng() % comb.w][1 + rng() % comb.h];
                cell.code = rng() % 2 ? std::uint8_t{Empty} : static_cast<std::uint8_t>(3 - colour(cell.code));
            }
        } else {
            // Sparse or dense random stones.
            const int emptyPercent = round % 3 == 1 ? 90 : static_cast<int>(rng() % 40);
            const std::uint8_t codes[] = {GivenWhite, GivenBlack, PlacedWhite, PlacedBlack};
            for (int x = 1; x <= GameState.width; ++x)
                for (int y = 1; y <= GameState.height; ++y) {
                    const bool empty = static_cast<int>(rng() % 100) < emptyPercent;
                    GameState.board[x][y].code = empty ? std::uint8_t{Empty} : codes[rng() % 4];
                }
        }
        const bool expected = FromGameState().Connected();
        ASSERT_EQ(ColoursConnected(GameState), expected) << "seed " << seed << " round " << round << "\n"
                                                << FormatBoard();
        (expected ? joined : split) += 1;
    }
    EXPECT_GT(joined, 200);
    EXPECT_GT(split, 200);
}

// Small puzzles whose solutions a plain search can count: part of a valid
// board, or a few random givens. The solver's outcome must match the count:
// solved only with exactly one solution (the board it shows), a second
// solution only when there are two (and it shows one of them), a
// contradiction only when there is none. It may give up on any puzzle, but
// never changes a given.
TEST_F(BruteForceTest, OutcomesAgreeWithANaiveCountOfSolutions)
{
    const unsigned seed = 1234;
    std::mt19937 rng(seed);
    int outcomes[6] = {};
    NaiveBoard walk[2] = {CombBoard(5, 5), CombBoard(6, 6)};
    for (int round = 0; round < 1500; ++round) {
        // Random givens only on 5 x 5: searching a 6 x 6 board that has no
        // solution takes too long.
        const bool fromValid = round % 3 != 2;
        const int size = fromValid ? 5 + round % 2 : 5;
        NaiveBoard puzzle(size, size);
        if (fromValid) {
            // A few steps of a random walk over valid boards, then keep a
            // random part of the board.
            NaiveBoard& board = walk[size - 5];
            for (int step = 0; step < 20; ++step) {
                NaiveBoard next = board;
                const int x = 1 + rng() % size;
                const int y = 1 + rng() % size;
                next.Set(x, y, 3 - next.At(x, y));
                if (next.Solved())
                    board = next;
            }
            const int keepPercent = 45 + static_cast<int>(rng() % 50);
            for (int x = 1; x <= size; ++x)
                for (int y = 1; y <= size; ++y)
                    if (static_cast<int>(rng() % 100) < keepPercent)
                        puzzle.Set(x, y, board.At(x, y));
        } else {
            const int givenPercent = 25 + static_cast<int>(rng() % 30);
            for (int x = 1; x <= size; ++x)
                for (int y = 1; y <= size; ++y)
                    if (static_cast<int>(rng() % 100) < givenPercent)
                        puzzle.Set(x, y, 1 + rng() % 2);
        }
        NaiveBoard search = puzzle;
        const int solutions = CountSolutions(search, 2);

        ResetGameState();
        LoadGivens(puzzle);
        AutoSolve(GameState);
        const NaiveBoard result = FromGameState();
        const auto where = ::testing::Message() << "seed " << seed << " round " << round
                                                << " solutions " << solutions << "\n"
                                                << GivenNotation(puzzle) << "result\n"
                                                << FormatBoard();
        for (int x = 1; x <= size; ++x) {
            for (int y = 1; y <= size; ++y) {
                if (puzzle.At(x, y) != 0) {
                    ASSERT_EQ(Code(x, y), puzzle.At(x, y)) << where;
                }
            }
        }
        switch (GameState.status) {
        case StatusNone:
            ASSERT_EQ(solutions, 1) << where;
            ASSERT_TRUE(result.Solved()) << where;
            break;
        case StatusMultipleSolutions:
            ASSERT_EQ(solutions, 2) << where;
            ASSERT_TRUE(result.Solved()) << where;
            ASSERT_EQ(Code(GameState.altCell.x, GameState.altCell.y), PlacedBlack) << where;
            break;
        case StatusContradiction:
            ASSERT_EQ(solutions, 0) << where;
            break;
        default:
            ASSERT_EQ(GameState.status, StatusUnsolvable) << where;
            ASSERT_FALSE(result.Full()) << where;
            break;
        }
        ++outcomes[GameState.status];
    }
    // Every outcome must have come up often enough to mean something.
    EXPECT_GT(outcomes[StatusNone], 100);
    EXPECT_GT(outcomes[StatusContradiction], 100);
    EXPECT_GT(outcomes[StatusUnsolvable], 100);
    EXPECT_GT(outcomes[StatusMultipleSolutions], 100);
}

// What one cycle of passes leaves: every byte of the board, the counters
// and the status.
constexpr int kCounters = 8;
struct CycleState {
    Board board;
    std::int32_t counters[kCounters];
};
static_assert(sizeof(CycleState) == sizeof(Board) + sizeof(std::int32_t) * kCounters, "compared with memcmp");

CycleState CurrentCycleState(const GameStateRecord& solving)
{
    CycleState state;
    std::memcpy(state.board, solving.board, sizeof(Board));
    const std::int32_t counters[kCounters] = {solving.emptyCount,       solving.whiteCount,
                                              solving.blackCount,       solving.whiteClosedCount,
                                              solving.blackClosedCount, solving.progressFlag,
                                              solving.status,           solving.fillCount};
    std::memcpy(state.counters, counters, sizeof counters);
    return state;
}

std::string DescribeDifference(const CycleState& got, const CycleState& want)
{
    static const char* const kNames[kCounters] = {"emptyCount",       "whiteCount",   "blackCount",
                                                  "whiteClosedCount", "blackClosedCount", "progressFlag",
                                                  "status",           "fillCount"};
    auto values = [](int a, int b) { return ": " + std::to_string(a) + " instead of " + std::to_string(b); };
    for (int x = 0; x < kBoardCells; ++x) {
        for (int y = 0; y < kBoardCells; ++y) {
            const Cell& g = got.board[x][y];
            const Cell& w = want.board[x][y];
            const std::string cell = " byte of cell " + std::to_string(x) + "," + std::to_string(y);
            if (g.code != w.code)
                return "code" + cell + values(g.code, w.code);
            if (g.closed != w.closed)
                return "closed" + cell + values(g.closed, w.closed);
            if (g.visited != w.visited)
                return "visited" + cell + values(g.visited, w.visited);
        }
    }
    for (int i = 0; i < kCounters; ++i)
        if (got.counters[i] != want.counters[i])
            return kNames[i] + values(got.counters[i], want.counters[i]);
    return "";
}

// The cycles of one solve: the full scans record theirs, the tracked passes
// compare each of theirs with it as they go.
struct CycleTrace {
    std::vector<CycleState> states;
    std::size_t compared = 0;
    std::string firstDifference;
};
CycleTrace* trace = nullptr;

void RecordCycle(const GameStateRecord& solving) { trace->states.push_back(CurrentCycleState(solving)); }

void CompareCycle(const GameStateRecord& solving)
{
    const std::size_t cycle = trace->compared++;
    if (!trace->firstDifference.empty())
        return;
    if (cycle >= trace->states.size()) {
        trace->firstDifference = "cycle " + std::to_string(cycle) + " is one more than the full scans ran";
        return;
    }
    const CycleState now = CurrentCycleState(solving);
    if (std::memcmp(&now, &trace->states[cycle], sizeof now) != 0)
        trace->firstDifference = "after cycle " + std::to_string(cycle) + ", " +
                                 DescribeDifference(now, trace->states[cycle]);
}

// Puts the solver back to its normal passes whatever a test does.
class DriverSwitch {
public:
    DriverSwitch(bool fullScans, void (*afterCycle)(const GameStateRecord&)) { SolverDriver = {fullScans, afterCycle}; }
    ~DriverSwitch() { SolverDriver = {}; }
};

// AutoSolve lets each pass skip the cells whose neighbourhood has not changed
// since it last found nothing there; with full scans every pass looks at
// every cell. Both must leave the same board, to the last solver byte, and
// the same counters after every single cycle.
TEST_F(BruteForceTest, TrackedPassesMatchFullScansAfterEveryCycle)
{
    const unsigned seed = 8086;
    std::mt19937 rng(seed);
    std::size_t cycles = 0;
    int trialSolves = 0;
    for (int round = 0; round < 150; ++round) {
        const int w = 5 + rng() % 11;
        const int h = 5 + rng() % 11;
        NaiveBoard board = CombBoard(w, h);
        for (int step = 0; step < 4 * w * h; ++step) {
            NaiveBoard next = board;
            const int x = 1 + rng() % w;
            const int y = 1 + rng() % h;
            next.Set(x, y, 3 - next.At(x, y));
            if (next.Solved())
                board = next;
        }
        NaiveBoard puzzle(w, h);
        const bool randomGivens = round % 3 == 2;
        const int percent = randomGivens ? 5 + rng() % 20 : 20 + rng() % 70;
        for (int x = 1; x <= w; ++x)
            for (int y = 1; y <= h; ++y)
                if (static_cast<int>(rng() % 100) < percent)
                    puzzle.Set(x, y, randomGivens ? 1 + rng() % 2 : board.At(x, y));

        CycleTrace cycleTrace;
        trace = &cycleTrace;
        {
            DriverSwitch fullScans(true, RecordCycle);
            ResetGameState();
            LoadGivens(puzzle);
            AutoSolve(GameState);
        }
        const CycleState fullEnd = CurrentCycleState(GameState);
        const CellPos fullAlt = GameState.altCell;
        {
            DriverSwitch tracked(false, CompareCycle);
            ResetGameState();
            LoadGivens(puzzle);
            AutoSolve(GameState);
        }
        trace = nullptr;

        const auto where = ::testing::Message() << "seed " << seed << " round " << round << "\n"
                                                << GivenNotation(puzzle);
        ASSERT_EQ(cycleTrace.firstDifference, "") << where;
        ASSERT_EQ(cycleTrace.compared, cycleTrace.states.size()) << where;
        ASSERT_EQ(DescribeDifference(CurrentCycleState(GameState), fullEnd), "") << where;
        ASSERT_EQ(GameState.altCell.x, fullAlt.x) << where;
        ASSERT_EQ(GameState.altCell.y, fullAlt.y) << where;
        cycles += cycleTrace.compared;
        trialSolves += cycleTrace.compared > 50;
    }
    // Most of the comparison must come from rounds with many trials.
    EXPECT_GT(cycles, 20000u);
    EXPECT_GT(trialSolves, 30);
}

}  // namespace
