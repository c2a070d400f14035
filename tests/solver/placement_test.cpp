#include <random>

#include "NaiveRules.h"
#include "SolverFixture.h"

namespace {

using PlacementTest = SolverTest;

TEST_F(PlacementTest, ThreeWhitesAndAnotherWhiteCompleteAOneColourBlock)
{
    Board(". . . . .\n. W w . .\n. w . . .\n. . . . .\n. . . . .\n");
    PlaceCell(GameState, 3, 3, PlacedWhite);
    EXPECT_EQ(GameState.status, StatusContradiction);

    // Three whites and a black break no rule.
    Board(". . . . .\n. B w . .\n. W . . .\n. . . . .\n. . . . .\n");
    PlaceCell(GameState, 3, 3, PlacedWhite);
    EXPECT_EQ(GameState.status, StatusNone);
}

TEST_F(PlacementTest, CheckerboardBlockNeedsAllFourStones)
{
    Board(". . . . .\n. W B . .\n. B . . .\n. . . . .\n. . . . .\n");
    PlaceCell(GameState, 3, 3, PlacedWhite);
    EXPECT_EQ(GameState.status, StatusContradiction);

    Board(". . . . .\n. . B . .\n. B . . .\n. . . . .\n. . . . .\n");
    PlaceCell(GameState, 3, 3, PlacedWhite);
    EXPECT_EQ(GameState.status, StatusNone);
}

TEST_F(PlacementTest, StoneShutInByOtherColourAndEdgeIsContradiction)
{
    Board(". B . . .\nB . . . .\n. . . . .\n. . . . .\n. . . . .\n");
    PlaceCell(GameState, 1, 1, PlacedWhite);
    EXPECT_EQ(GameState.status, StatusContradiction);

    Board(". B . . .\n. . . . .\n. . . . .\n. . . . .\n. . . . .\n");
    PlaceCell(GameState, 1, 1, PlacedWhite);
    EXPECT_EQ(GameState.status, StatusNone);
}

TEST_F(PlacementTest, PlaceCellKeepsCountersAndLeavesEarlierContradiction)
{
    Board(". . . . .\n. . . . .\n. . . . .\n. . . . .\n. . . . .\n");
    GameState.status = StatusContradiction;
    PlaceCell(GameState, 1, 1, GivenWhite);
    PlaceCell(GameState, 3, 3, PlacedWhite);
    PlaceCell(GameState, 5, 5, GivenBlack);
    PlaceCell(GameState, 5, 1, PlacedBlack);
    EXPECT_EQ(GameState.status, StatusContradiction);
    EXPECT_EQ(GameState.whiteCount, 2);
    EXPECT_EQ(GameState.blackCount, 2);
    EXPECT_EQ(GameState.emptyCount, 21);
    EXPECT_EQ(GameState.progressFlag, 1);
    EXPECT_EQ(Code(3, 3), PlacedWhite);
}

TEST_F(PlacementTest, CloseCellCountsStonesAndRejectsEmptyCell)
{
    Board("W . . . .\n. . . . .\n. . . . .\n. . . . .\n. . . . b\n");
    CloseCell(GameState, 1, 1);
    CloseCell(GameState, 5, 5);
    EXPECT_EQ(GameState.whiteClosedCount, 1);
    EXPECT_EQ(GameState.blackClosedCount, 1);
    EXPECT_EQ(GameState.status, StatusNone);

    GameState.progressFlag = 0;
    CloseCell(GameState, 3, 3);
    EXPECT_EQ(GameState.status, StatusContradiction);
    EXPECT_EQ(GameState.board[3][3].closed, 1);
    EXPECT_EQ(GameState.progressFlag, 1);
}

// Random neighbourhoods, every position including edges and corners: the
// 2 x 2 and shut-in test agrees with a plain reading of the rules.
TEST_F(PlacementTest, CheckBlocksAgreesWithNaiveRulesOnRandomBoards)
{
    const unsigned seed = 20240611;
    std::mt19937 rng(seed);
    int rejected = 0;
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        ResetGameState();
        GameState.width = 5 + rng() % 2;
        GameState.height = 5 + rng() % 2;
        ResetBoard();
        const int codes[] = {Empty, Empty, GivenWhite, GivenBlack, PlacedWhite, PlacedBlack};
        for (int x = 1; x <= GameState.width; ++x)
            for (int y = 1; y <= GameState.height; ++y)
                GameState.board[x][y].code = static_cast<std::uint8_t>(codes[rng() % 6]);
        const int x = 1 + rng() % GameState.width;
        const int y = 1 + rng() % GameState.height;
        GameState.board[x][y].code = Empty;
        const int code = codes[2 + rng() % 4];
        const NaiveBoard naive = FromGameState();
        CountStones();

        PlaceCell(GameState, x, y, code);
        const bool expected = naive.Rejects(x, y, code % 3);
        ASSERT_EQ(GameState.status == StatusContradiction, expected)
            << "seed " << seed << " round " << round << " stone " << code << " at " << x << ","
            << y << "\n" << FormatBoard();
        (expected ? rejected : accepted) += 1;
    }
    EXPECT_GT(rejected, 1000);
    EXPECT_GT(accepted, 1000);
}

}  // namespace
