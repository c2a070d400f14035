#include "SolverFixture.h"

namespace {

using PerimeterTest = SolverTest;

TEST_F(PerimeterTest, RingWithoutBothColoursIsLeftAlone)
{
    const std::string rows[] = {
        ". . . . .\n. . . . .\n. . . . .\n. . . . .\n. . . . .\n",
        "W . W . .\n. . . . W\n. . . . .\n. . . . .\nW . . W .\n",
    };
    for (const std::string& r : rows) {
        Board(r);
        const std::string before = FormatBoard();
        PerimeterPass(GameState);
        EXPECT_EQ(FormatBoard(), before);
        EXPECT_EQ(GameState.progressFlag, 0);
    }
}

TEST_F(PerimeterTest, TwoRunsFillTheGapsInsideEachRunOnly)
{
    Board("W . W . .\n. . . . .\n. . . . B\n. . . . .\n. . . . .\n");
    PerimeterPass(GameState);
    EXPECT_EQ(FormatBoard(),
              "W w W . .\n"
              ". . . . .\n"
              ". . . . B\n"
              ". . . . .\n"
              ". . . . .\n");

    // Different colours with empty cells between them: nothing to fill.
    Board("W . B . .\n. . . . .\n. . . . .\n. . . . .\n. . . . .\n");
    PerimeterPass(GameState);
    EXPECT_EQ(Code(2, 1), Empty);
}

TEST_F(PerimeterTest, FourthRunIsContradictionAndPlacesNothing)
{
    // The white run's gap at (2, 1)..(3, 1) comes before the fourth run.
    Board("W . W B .\n. . . . .\n. . . . W\n. . . . .\n. . B . .\n");
    PerimeterPass(GameState);
    EXPECT_EQ(GameState.status, StatusContradiction);
    EXPECT_EQ(GameState.progressFlag, 0);
    EXPECT_EQ(Code(2, 1), Empty);
}

TEST_F(PerimeterTest, ThreeRunsJoinFirstAndThirdAcrossTheTopLeftCorner)
{
    Board(". B . . .\n. . . . W\n. . . . .\nB . . . W\n. . . . .\n");
    PerimeterPass(GameState);
    EXPECT_EQ(FormatBoard(),
              "b B . . .\n"
              "b . . . W\n"
              "b . . . w\n"
              "B . . . W\n"
              ". . . . .\n");

    // First colour white, its third run starting at (5, 4): everything from
    // there to the end of the ring turns white.
    Board("W B . B .\n. . . . .\n. . . . .\n. . . . W\n. . . . .\n");
    PerimeterPass(GameState);
    EXPECT_EQ(FormatBoard(),
              "W B b B .\n"
              "w . . . .\n"
              "w . . . .\n"
              "w . . . W\n"
              "w w w w w\n");
}

TEST_F(PerimeterTest, GapInsideThirdRunIsFilledByTheCornerArc)
{
    Board(". B . . .\n. . . . W\nB . . . .\n. . . . .\nB . . . .\n");
    PerimeterPass(GameState);
    EXPECT_EQ(FormatBoard(),
              "b B . . .\n"
              "b . . . W\n"
              "B . . . .\n"
              "b . . . .\n"
              "B . . . .\n");
}

TEST_F(PerimeterTest, ArcRunsDownTheRightColumnAndAlongTheBottomOfAWideBoard)
{
    Board(". W . . . . .\n"
          ". . . . . . B\n"
          ". . . . . . .\n"
          ". . . . . . .\n"
          ". . B . . . .\n");
    PerimeterPass(GameState);
    EXPECT_EQ(FormatBoard(),
              ". W . . . . .\n"
              ". . . . . . B\n"
              ". . . . . . b\n"
              ". . . . . . b\n"
              ". . B b b b b\n");
}

}  // namespace
