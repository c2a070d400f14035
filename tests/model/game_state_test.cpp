#include <gtest/gtest.h>

#include <string>

#include "io/Notation.h"
#include "model/GameState.h"
#include "model/StatusText.h"

namespace {

class GameStateTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
};

// Width in half-width cells: ASCII takes one, everything else two.
int CellWidth(const std::string& utf8)
{
    int cells = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int len = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        cells += b < 0x80 ? 1 : 2;
        i += len;
    }
    return cells;
}

TEST_F(GameStateTest, StartValuesBeforeFirstPaint)
{
    EXPECT_EQ(GameState.mode, CreateMode);
    EXPECT_EQ(GameState.status, StatusNone);
    EXPECT_EQ(GameState.width, 9);
    EXPECT_EQ(GameState.height, 9);
    EXPECT_EQ(GameState.layoutState, 0);
    EXPECT_EQ(GameState.refitPending, 0);
    EXPECT_EQ(GameState.boardFlag, 1);
    EXPECT_EQ(GameState.undo.undoCount, 0);
    // No ring yet: every board byte is 0, so the ring reads Empty.
    EXPECT_EQ(GameState.board[0][0].code, Empty);
    EXPECT_EQ(GameState.board[10][10].code, Empty);
    EXPECT_EQ(GameState.altCell.x, 0);
    EXPECT_EQ(GameState.snapshot.emptyCount, 0);
}

TEST_F(GameStateTest, ResetBoardBuildsWallRingAroundEmptyGrid)
{
    ResetBoard();
    EXPECT_EQ(GameState.board[0][0].code, Wall);
    EXPECT_EQ(GameState.board[10][10].code, Wall);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            EXPECT_EQ(GameState.board[x][y].code, Empty) << x << "," << y;
    EXPECT_EQ(GameState.layoutState, 1);
}

TEST_F(GameStateTest, ResetBoardForFifteenByFive)
{
    GameState.width = 15;
    GameState.height = 5;
    ResetBoard();
    for (int x = 1; x <= 15; ++x)
        for (int y = 1; y <= 5; ++y)
            EXPECT_EQ(GameState.board[x][y].code, Empty);
    for (auto [x, y] : {std::pair{16, 3}, {3, 6}, {0, 3}, {3, 0}, {21, 21}})
        EXPECT_EQ(GameState.board[x][y].code, Wall) << x << "," << y;
}

TEST_F(GameStateTest, ResetBoardKeepsSolverStateAndUndoCount)
{
    GameState.board[3][3].closed = 1;
    GameState.board[4][4].visited = 1;
    GameState.emptyCount = 17;
    GameState.whiteClosedCount = 4;
    GameState.altCell = {3, 4};
    GameState.undo.undoCount = 42;
    GameState.undo.undoX[199] = 7;
    GameState.undo.undoPrev[0] = 5;
    GameState.mode = SolveFinished;
    GameState.status = StatusMultipleSolutions;
    GameState.boardFlag = 7;
    ResetBoard();
    EXPECT_EQ(GameState.board[3][3].closed, 1);
    EXPECT_EQ(GameState.board[4][4].visited, 1);
    EXPECT_EQ(GameState.emptyCount, 17);
    EXPECT_EQ(GameState.whiteClosedCount, 4);
    EXPECT_EQ(GameState.altCell.x, 3);
    EXPECT_EQ(GameState.undo.undoCount, 42);
    for (int i = 0; i < kUndoEntries; ++i) {
        EXPECT_EQ(GameState.undo.undoX[i], 0);
        EXPECT_EQ(GameState.undo.undoY[i], 0);
        EXPECT_EQ(GameState.undo.undoPrev[i], 0);
    }
    EXPECT_EQ(GameState.mode, CreateMode);
    EXPECT_EQ(GameState.status, StatusNone);
    EXPECT_EQ(GameState.boardFlag, 1);
}

TEST_F(GameStateTest, ColourAndPlacedStoneTests)
{
    EXPECT_EQ(colour(PlacedBlack), 2);
    EXPECT_EQ(colour(GivenBlack), 2);
    EXPECT_EQ(colour(PlacedWhite), 1);
    EXPECT_EQ(colour(Wall), 0);
    EXPECT_EQ(colour(Empty), 0);
    EXPECT_FALSE(IsPlacedStone(GivenWhite));
    EXPECT_FALSE(IsPlacedStone(Wall));
    EXPECT_TRUE(IsPlacedStone(PlacedWhite));
}

TEST(StatusTextTest, EveryLineIsFortyFourCellsWide)
{
    for (int s = 0; s < kStatusTextCount; ++s)
        EXPECT_EQ(CellWidth(StatusText(s)), kStatusTextCells) << "status " << s;
    EXPECT_EQ(StatusText(-1), nullptr);
    EXPECT_EQ(StatusText(6), nullptr);
}

TEST(StatusTextTest, LinesHoldTheExactCharactersAndPadding)
{
    const std::string ideo = "　";
    auto rep = [](const std::string& s, int n) { std::string r; while (n--) r += s; return r; };
    EXPECT_EQ(StatusText(StatusNone), rep(ideo, 22));
    EXPECT_EQ(StatusText(StatusContradiction),
              "この問題は成立していません" + rep(" ", 3) + rep(ideo, 2) + " " + rep(ideo, 4) + "  ");
    EXPECT_EQ(StatusText(StatusUnsolvable),
              "このプログラムでは解けません " + rep(ideo, 2) + " " + rep(ideo, 4) + "  ");
    EXPECT_EQ(StatusText(StatusLoadFailed),
              "問題が正常に読み込めません" + rep(" ", 4) + rep(ideo, 2) + " " + rep(ideo, 4) + " ");
    EXPECT_EQ(StatusText(StatusAnalyzing), "自動解析中！" + ideo + "しばらくお待ちください" + rep(ideo, 4));
    EXPECT_EQ(StatusText(StatusMultipleSolutions), "この問題は別解があります（○がしろまる）" + rep(ideo, 2));
}

TEST(NotationTest, ParsesSpacedAndUnspacedRowsIntoABoardWithRing)
{
    PuzzleRecord r;
    ReadError error;
    ASSERT_TRUE(ParseNotation("W . . . b\n\n.B...\n.....\n..w..\n.....\n", r, error)) << error;
    EXPECT_EQ(r.width, 5);
    EXPECT_EQ(r.height, 5);
    EXPECT_EQ(r.codes[1][1], GivenWhite);
    EXPECT_EQ(r.codes[5][1], PlacedBlack);
    EXPECT_EQ(r.codes[2][2], GivenBlack);
    EXPECT_EQ(r.codes[3][4], PlacedWhite);
    EXPECT_EQ(r.codes[0][3], Wall);
    EXPECT_EQ(r.codes[6][1], Wall);
    EXPECT_EQ(r.codes[1][6], Wall);
    EXPECT_EQ(r.emptyCount, 21);
    EXPECT_EQ(r.mode, SolveInProgress);
    EXPECT_EQ(FormatNotation(r), "W . . . b\n. B . . .\n. . . . .\n. . w . .\n. . . . .\n");
}

TEST(NotationTest, RejectsBadInputWithWhereAndWhat)
{
    PuzzleRecord r;
    ReadError error;
    EXPECT_FALSE(ParseNotation("", r, error));
    EXPECT_FALSE(ParseNotation(".....\n.....\n.....\n.....\n", r, error));
    EXPECT_NE(ReadErrorText(error).find("4 rows"), std::string::npos) << error;
    EXPECT_FALSE(ParseNotation("....\n....\n....\n....\n....\n", r, error));
    EXPECT_NE(ReadErrorText(error).find("bad size"), std::string::npos) << error;
    EXPECT_FALSE(ParseNotation(".....\n.....\n..x..\n.....\n.....\n", r, error));
    EXPECT_EQ(ReadErrorText(error), "line 3 column 3: bad character 'x' (expected W B w b or .)");
    EXPECT_FALSE(ParseNotation(".....\n......\n.....\n.....\n.....\n", r, error));
    EXPECT_NE(ReadErrorText(error).find("line 2"), std::string::npos) << error;
    std::string sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen += ".....\n";
    EXPECT_FALSE(ParseNotation(sixteen, r, error));
}
}  // namespace
