#include <random>

#include "NaiveRules.h"
#include "SolverFixture.h"

namespace {

using DeadEndTest = SolverTest;

bool Closed(int x, int y)
{
    return GameState.board[x][y].closed != 0;
}

TEST_F(DeadEndTest, StoneWithFourBlockedSidesIsContradictionAndStaysOpen)
{
    Board("W B . . .\nB . . . .\n. . . . .\n. . . . .\n. . . . .\n");
    DeadEndPass(GameState);
    EXPECT_EQ(GameState.status, StatusContradiction);
    EXPECT_FALSE(Closed(1, 1));
}

TEST_F(DeadEndTest, StoneWithOneWayOutExtendsIntoIt)
{
    Board(". B W B .\n. . . . .\n. . . . .\n. . . . .\n. . . . .\n");
    DeadEndPass(GameState);
    EXPECT_TRUE(Closed(3, 1));
    EXPECT_EQ(Code(3, 2), PlacedWhite);
    EXPECT_EQ(GameState.whiteCount, 2);
    EXPECT_EQ(GameState.emptyCount, 21);
    EXPECT_EQ(GameState.progressFlag, 1);
    EXPECT_EQ(GameState.status, StatusNone);
}

TEST_F(DeadEndTest, StoneBehindClosedNeighbourExtendsOnlyWhileItsColourHasOpenStones)
{
    // (3, 2) is a closed white stone; (3, 3) has one exit, (3, 4).
    const std::string rows = ". . . . .\n. . W . .\n. B W B .\n. . . . .\n. . . . W\n";
    Board(rows);
    GameState.board[3][2].closed = 1;
    GameState.whiteClosedCount = 1;
    DeadEndPass(GameState);
    EXPECT_TRUE(Closed(3, 3));
    EXPECT_EQ(Code(3, 4), PlacedWhite);  // (5, 5) is still open

    Board(". . . . .\n. . W . .\n. B W B .\n. . . . .\n. . . . .\n");
    GameState.board[3][2].closed = 1;
    GameState.whiteClosedCount = 1;
    DeadEndPass(GameState);
    EXPECT_TRUE(Closed(3, 3));
    EXPECT_EQ(Code(3, 4), Empty);  // every white stone is closed now
}

TEST_F(DeadEndTest, DeadEndWithOneOpenLinkIsClosedWithoutPlacing)
{
    Board(". . . . .\n. . W . .\n. B W B .\n. . B . .\n. . . . .\n");
    DeadEndPass(GameState);
    EXPECT_TRUE(Closed(3, 3));
    EXPECT_EQ(GameState.emptyCount, 20);
}

TEST_F(DeadEndTest, SealedGroupShortOfItsColourIsContradiction)
{
    const std::string sealed = ". B . . .\nB W B . .\nB W B . .\n. B . . .\n. . . . W\n";
    Board(sealed);
    DeadEndPass(GameState);
    EXPECT_TRUE(Closed(2, 2));
    EXPECT_TRUE(Closed(2, 3));
    EXPECT_EQ(GameState.fillCount, 2);
    EXPECT_EQ(GameState.status, StatusContradiction);

    // The same group holding every white stone is fine.
    Board(". B . . .\nB W B . .\nB W B . .\n. B . . .\n. . . . .\n");
    DeadEndPass(GameState);
    EXPECT_TRUE(Closed(2, 2));
    EXPECT_TRUE(Closed(2, 3));
    EXPECT_EQ(GameState.status, StatusNone);
}

TEST_F(DeadEndTest, CorridorIsFollowedInOnePassWhileItsColourHasOpenStones)
{
    Board(". . . . .\nB B B B .\nW . . . .\nB B B B .\n. . . . W\n");
    DeadEndPass(GameState);
    for (int x = 1; x <= 4; ++x) {
        EXPECT_TRUE(Closed(x, 3)) << x;
        if (x > 1) {
            EXPECT_EQ(Code(x, 3), PlacedWhite) << x;
        }
    }
    EXPECT_EQ(Code(5, 3), PlacedWhite);
    EXPECT_FALSE(Closed(5, 3));
    EXPECT_EQ(GameState.whiteClosedCount, 4);

    // Without the far white stone the corridor stops once all white is closed.
    Board(". . . . .\nB B B B .\nW . . . .\nB B B B .\n. . . . .\n");
    DeadEndPass(GameState);
    EXPECT_TRUE(Closed(1, 3));
    EXPECT_TRUE(Closed(2, 3));
    EXPECT_EQ(Code(2, 3), PlacedWhite);
    EXPECT_EQ(Code(3, 3), Empty);
}

TEST_F(DeadEndTest, StonesWithSeveralWaysOnAreLeftAlone)
{
    Board(". . . . .\n. B . . .\n. W . W .\n. B B W .\n. . . . .\n");
    DeadEndPass(GameState);
    EXPECT_FALSE(Closed(2, 3));  // two empty sides
    EXPECT_FALSE(Closed(4, 3));  // one empty side and an open white link
    EXPECT_EQ(GameState.progressFlag, 0);
}

// Random boards up to 15 x 15, mostly one colour so that groups are large
// and branch a lot: the fill marks exactly the group and counts it.
TEST_F(DeadEndTest, FloodFillMarksExactlyTheGroupOfItsStart)
{
    const unsigned seed = 99173;
    std::mt19937 rng(seed);
    for (int round = 0; round < 500; ++round) {
        ResetGameState();
        GameState.width = 5 + rng() % 11;
        GameState.height = 5 + rng() % 11;
        ResetBoard();
        const int blackPercent = static_cast<int>(rng() % 60);
        for (int x = 1; x <= GameState.width; ++x)
            for (int y = 1; y <= GameState.height; ++y)
                GameState.board[x][y].code = static_cast<int>(rng() % 100) < blackPercent ? GivenBlack : GivenWhite;
        const int sx = 1 + rng() % GameState.width;
        const int sy = 1 + rng() % GameState.height;
        const int c = colour(Code(sx, sy));
        // The naive group: the start's group is the one whose fill reaches it.
        NaiveBoard alone = FromGameState();
        const int groupsBefore = alone.Groups(c);
        alone.Set(sx, sy, 0);

        FloodFill(GameState, sx, sy, c);
        int marked = 0;
        for (int x = 1; x <= GameState.width; ++x)
            for (int y = 1; y <= GameState.height; ++y)
                if (GameState.board[x][y].visited) {
                    ++marked;
                    ASSERT_EQ(colour(Code(x, y)), c) << "seed " << seed << " round " << round;
                    alone.Set(x, y, 0);
                }
        // Removing the marked cells removes one whole group and nothing else.
        ASSERT_EQ(alone.Groups(c), groupsBefore - 1) << "seed " << seed << " round " << round;
        ASSERT_EQ(GameState.fillCount, marked) << "seed " << seed << " round " << round;
    }
}

}  // namespace
