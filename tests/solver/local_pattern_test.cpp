#include <random>

#include "NaiveRules.h"
#include "SolverFixture.h"

namespace {

using LocalPatternTest = SolverTest;

TEST_F(LocalPatternTest, CornerCellPatternsTakeTableOrderBeforeShutIn)
{
    // Three whites around (1, 1): the block rule gives black, which is then
    // shut in by white and the edge.
    Board(". W . . .\nW W . . .\n. . . . .\n. . . . .\n. . . . .\n");
    LocalPatternPass(GameState);
    EXPECT_EQ(Code(1, 1), PlacedBlack);
    EXPECT_EQ(GameState.status, StatusContradiction);

    // White right and down, nothing diagonal: white, since black would be shut in.
    Board(". W . . .\nW . . . .\n. . . . .\n. . . . .\n. . . . .\n");
    LocalPatternPass(GameState);
    EXPECT_EQ(Code(1, 1), PlacedWhite);
    EXPECT_EQ(GameState.status, StatusNone);

    // White right and down, black diagonal: white against the checkerboard.
    Board(". W . . .\nW B . . .\n. . . . .\n. . . . .\n. . . . .\n");
    LocalPatternPass(GameState);
    EXPECT_EQ(Code(1, 1), PlacedWhite);
    EXPECT_EQ(GameState.status, StatusNone);
}

TEST_F(LocalPatternTest, CellForcedBothWaysGetsFirstRuleAndContradiction)
{
    Board("W W . . .\nW . B . .\n. B B . .\n. . . . .\n. . . . .\n");
    LocalPatternPass(GameState);
    EXPECT_EQ(Code(2, 2), PlacedBlack);
    EXPECT_EQ(GameState.status, StatusContradiction);
}

TEST_F(LocalPatternTest, NewStoneDecidesCellsLaterInScanAtOnceEarlierOnesNextPass)
{
    // Black forced at (2, 2) makes (2, 3) black (two black sides, white corner).
    Board("W W . . .\nW . . . .\nB . . . .\n. . . . .\n. . . . .\n");
    LocalPatternPass(GameState);
    EXPECT_EQ(Code(2, 2), PlacedBlack);
    EXPECT_EQ(Code(2, 3), PlacedBlack);

    // Black forced at (2, 3) would decide (2, 2), which the scan has passed.
    Board(". . . . .\nB . . . .\nW . . . .\nW W . . .\n. . . . .\n");
    LocalPatternPass(GameState);
    EXPECT_EQ(Code(2, 3), PlacedBlack);
    EXPECT_EQ(Code(2, 2), Empty);
    LocalPatternPass(GameState);
    EXPECT_EQ(Code(2, 2), PlacedBlack);
}

TEST_F(LocalPatternTest, FullBoardPassPlacesNothing)
{
    Board("B B B B B\nB W W W B\nB B W B B\nW B W W B\nW W W B B\n");
    LocalPatternPass(GameState);
    EXPECT_EQ(GameState.progressFlag, 0);
    EXPECT_EQ(GameState.emptyCount, 0);
}

// The pass is replayed cell by cell in scan order against the naive rules:
// a cell is forced exactly when one colour would break a rule, and takes the
// other colour; a cell that neither colour can take gives a contradiction.
TEST_F(LocalPatternTest, PassForcesExactlyWhatTheRulesForbid)
{
    const unsigned seed = 7031;
    std::mt19937 rng(seed);
    int forced = 0;
    for (int round = 0; round < 3000; ++round) {
        ResetGameState();
        GameState.width = 5 + rng() % 3;
        GameState.height = 5 + rng() % 3;
        ResetBoard();
        const int codes[] = {Empty, Empty, Empty, GivenWhite, GivenBlack, PlacedWhite, PlacedBlack};
        for (int x = 1; x <= GameState.width; ++x)
            for (int y = 1; y <= GameState.height; ++y)
                GameState.board[x][y].code = static_cast<std::uint8_t>(codes[rng() % 7]);
        NaiveBoard replay = FromGameState();
        CountStones();
        const std::string before = FormatBoard();

        LocalPatternPass(GameState);
        bool deadCell = false;
        for (int x = 1; x <= replay.w; ++x) {
            for (int y = 1; y <= replay.h; ++y) {
                if (replay.At(x, y) != 0)
                    continue;
                const bool noWhite = replay.Rejects(x, y, 1);
                const bool noBlack = replay.Rejects(x, y, 2);
                const int got = Code(x, y);
                const auto where = ::testing::Message() << "seed " << seed << " round " << round
                                                        << " cell " << x << "," << y << "\n"
                                                        << before;
                if (noWhite && noBlack) {
                    deadCell = true;
                    ASSERT_TRUE(got == PlacedWhite || got == PlacedBlack) << where;
                } else if (noWhite) {
                    ASSERT_EQ(got, PlacedBlack) << where;
                } else if (noBlack) {
                    ASSERT_EQ(got, PlacedWhite) << where;
                } else {
                    ASSERT_EQ(got, Empty) << where;
                }
                forced += got != Empty;
                replay.Set(x, y, colour(got));
            }
        }
        // Placing the one allowed colour never breaks a rule, so a
        // contradiction arises exactly from a cell that takes neither.
        ASSERT_EQ(GameState.status == StatusContradiction, deadCell)
            << "seed " << seed << " round " << round << "\n" << before;
    }
    EXPECT_GT(forced, 1000);
}

}  // namespace
