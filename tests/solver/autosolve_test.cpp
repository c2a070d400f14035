#include <cstring>

#include "SolverFixture.h"

namespace {

using AutoSolveTest = SolverTest;

TEST_F(AutoSolveTest, ExampleAIsSolvedByForcingBlackAfterAFailedWhiteTrial)
{
    const std::string board = Solve(
        ". . . . .\n"
        ". . . . B\n"
        "B . . . B\n"
        ". . . B W\n"
        "W W W . .\n");
    EXPECT_EQ(GameState.status, StatusNone);
    EXPECT_EQ(board,
              "b b b b b\n"
              "b w w w B\n"
              "B b w b B\n"
              "w b w B W\n"
              "W W W w w\n");
}

TEST_F(AutoSolveTest, ExampleBReportsSecondSolutionAtFirstCellWhereBothTrialsFill)
{
    const std::string board = Solve(
        ". . . . .\n"
        "B . . W B\n"
        "B . W . W\n"
        ". . . . .\n"
        ". B . . .\n");
    EXPECT_EQ(GameState.status, StatusMultipleSolutions);
    EXPECT_EQ(GameState.altCell.x, 4);
    EXPECT_EQ(GameState.altCell.y, 4);
    EXPECT_EQ(board,
              "b b b b b\n"
              "B w b W B\n"
              "B w W w W\n"
              "b w b b w\n"
              "b B b w w\n");
}

// A colour that lies in two groups on a full board is no solution, even when
// no pass ever looked at the cut-off group as a whole.
TEST_F(AutoSolveTest, FullBoardWithColourInTwoGroupsIsContradiction)
{
    const std::string ring =
        "B B B B B B\n"
        "B W W W W B\n"
        "B W B B W B\n"
        "B W B W W B\n"
        "B W W W B B\n"
        "B B B W W B\n";
    Solve(ring);
    EXPECT_EQ(GameState.status, StatusContradiction);

    // The same with the three enclosed black cells left to the solver.
    Solve("B B B B B B\n"
          "B W W W W B\n"
          "B W . . W B\n"
          "B W . W W B\n"
          "B W W W B B\n"
          "B B B W W B\n");
    EXPECT_EQ(GameState.status, StatusContradiction);
}

// The white trial at (4, 2) fills the board but cuts off the black stones at
// (5, 1) and (5, 2); it must count as a failed trial, not as a solution.
TEST_F(AutoSolveTest, TrialEndingInSplitFullBoardForcesTheOtherColour)
{
    const std::string board = Solve(
        ". . . W B\n"
        ". . . . .\n"
        ". . W W W\n"
        ". . . . .\n"
        ". . . . .\n");
    EXPECT_EQ(GameState.status, StatusNone);
    EXPECT_EQ(board,
              "w w w W B\n"
              "w b b b b\n"
              "w b W W W\n"
              "w b b b w\n"
              "w w w w w\n");
    EXPECT_TRUE(ColoursConnected(GameState));
}

TEST_F(AutoSolveTest, FullyGivenValidBoardIsSolvedAsItStands)
{
    const std::string solution =
        "B B B B B\n"
        "B W W W B\n"
        "B B W B B\n"
        "W B W W B\n"
        "W W W B B\n";
    EXPECT_EQ(Solve(solution), solution);
    EXPECT_EQ(GameState.status, StatusNone);
}

// Placed stones from a saved solve are removed before any given is checked,
// so a given is never judged against them.
TEST_F(AutoSolveTest, PlacedStonesNeverMakeAGivenContradict)
{
    // Example A with a black block of placed stones next to the given at (1, 3).
    const std::string board = Solve(
        ". . . . .\n"
        ". . . . B\n"
        "B b . . B\n"
        "b b . B W\n"
        "W W W . .\n");
    EXPECT_EQ(GameState.status, StatusNone);
    EXPECT_EQ(board,
              "b b b b b\n"
              "b w w w B\n"
              "B b w b B\n"
              "w b w B W\n"
              "W W W w w\n");
}

TEST_F(AutoSolveTest, GivensThatBreakARuleStopAtOnceWithGivensAlone)
{
    const char* boards[] = {
        // one-colour block
        "W W . . .\nW W . . .\n. . . . .\n. . . . .\n. . . . b\n",
        // checkerboard block
        ". . . . .\n. W B . .\n. B W . .\n. . . . .\nw . . . .\n",
        // white shut in by black and the edge
        "W B . . .\nB . . . .\n. . . . .\n. . . . .\n. . . b .\n",
    };
    for (const char* rows : boards) {
        SCOPED_TRACE(rows);
        std::string givens = rows;
        for (char& ch : givens)
            if (ch == 'w' || ch == 'b')
                ch = '.';
        EXPECT_EQ(Solve(rows), Solve(givens));
        EXPECT_EQ(GameState.status, StatusContradiction);
    }
}

TEST_F(AutoSolveTest, BoardsWithTooLittleToGoOnAreUnsolvableAndUnchanged)
{
    const std::string boards[] = {
        std::string(5, '.') + "\n" + std::string(5, '.') + "\n" + std::string(5, '.') + "\n" +
            std::string(5, '.') + "\n" + std::string(5, '.') + "\n",
        ". . . . . .\n. . . . . .\n. . . . . .\n. . . . . .\n. . . . . .\n. . . . . .\n",
        ". . . . .\n. . . . .\n. . . . .\n. . . . .\n. . . B .\n",
    };
    for (const std::string& rows : boards) {
        SCOPED_TRACE(rows);
        std::string error;
        ASSERT_TRUE(LoadNotation(rows, &error));
        const std::string before = FormatBoard();
        AutoSolve(GameState);
        EXPECT_EQ(GameState.status, StatusUnsolvable);
        EXPECT_EQ(FormatBoard(), before);
    }
}

// At (1, 5) only the black trial fills the board; that decides nothing, and
// the solver gives up on the board the passes had reached before the trials.
TEST_F(AutoSolveTest, CellWhereOnlyOneTrialFillsTheBoardDecidesNothing)
{
    const std::string board = Solve(
        "W W . . W\n"
        "B B . B W\n"
        ". W . W W\n"
        ". B . . .\n"
        ". W W W W\n");
    EXPECT_EQ(GameState.status, StatusUnsolvable);
    EXPECT_EQ(board,
              "W W w w W\n"
              "B B b B W\n"
              ". W . W W\n"
              ". B b b w\n"
              ". W W W W\n");
}

TEST_F(AutoSolveTest, EmptyNineByNineIsUnsolvableAndUnchanged)
{
    GameState.width = GameState.height = 9;
    ResetBoard();
    AutoSolve(GameState);
    EXPECT_EQ(GameState.status, StatusUnsolvable);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            EXPECT_EQ(Code(x, y), Empty);
}

// A solve changes only the record it is handed: Example B solved in a record
// of its own comes out exactly as on GameState, and GameState, holding
// Example A meanwhile, is not touched.
TEST_F(AutoSolveTest, SolvesTheRecordItIsGivenAndNoOther)
{
    const std::string exampleB =
        ". . . . .\n"
        "B . . W B\n"
        "B . W . W\n"
        ". . . . .\n"
        ". B . . .\n";
    Solve(exampleB);
    const GameStateRecord solvedOnGameState = GameState;

    ResetGameState();
    ASSERT_TRUE(LoadNotation(exampleB));
    GameStateRecord own = GameState;
    ResetGameState();
    ASSERT_TRUE(LoadNotation(". . . . .\n. . . . B\nB . . . B\n. . . B W\nW W W . .\n"));
    const GameStateRecord exampleA = GameState;

    AutoSolve(own);
    EXPECT_EQ(own.status, StatusMultipleSolutions);
    EXPECT_EQ(std::memcmp(own.board, solvedOnGameState.board, sizeof own.board), 0);
    EXPECT_EQ(own.altCell.x, 4);
    EXPECT_EQ(own.altCell.y, 4);
    EXPECT_EQ(std::memcmp(&exampleA, &GameState, sizeof GameState), 0);
}

}  // namespace
