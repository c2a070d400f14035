// Mouse input on the board view: hit geometry, grid edits, the two buttons in
// every mode, the undo history and what each press asks to repaint.
#include <functional>
#include "mouse_view_fixture.h"

namespace {

const std::string kEmpty5 = Rows({". . . . .", ". . . . .", ". . . . .", ". . . . .", ". . . . ."});

int StonesOnBoard()
{
    int n = 0;
    for (int x = 1; x <= GameState.width; ++x)
        for (int y = 1; y <= GameState.height; ++y)
            n += GameState.board[x][y].code != Empty;
    return n;
}

}  // namespace

class MouseInputTest : public MouseViewFixture {};

// --- Hit geometry -----------------------------------------------------------

struct SizeEdges {
    int w, h;
    int gridLeft, gridRight, gridTop, gridBottom;  // first and last pixel hitting the grid
    int buttonLeft, buttonRight;                   // first and last pixel of the button column
};

class HitEdgesTest : public MouseViewFixture, public ::testing::WithParamInterface<SizeEdges> {};

TEST_P(HitEdgesTest, GridIsHitOnlyStrictlyInsideItsFrame)
{
    const SizeEdges e = GetParam();
    StartEmpty(e.w, e.h);
    Show();
    const int midX = (e.gridLeft + e.gridRight) / 2;
    const int midY = (e.gridTop + e.gridBottom) / 2;

    for (const QPoint miss : {QPoint(e.gridLeft - 1, midY), QPoint(e.gridRight + 1, midY),
                              QPoint(midX, e.gridTop - 1), QPoint(midX, e.gridBottom + 1)}) {
        Left(miss.x(), miss.y());
        Right(miss.x(), miss.y());
        EXPECT_EQ(StonesOnBoard(), 0) << "press at " << miss.x() << "," << miss.y();
    }

    Left(e.gridLeft, e.gridTop);
    EXPECT_EQ(Code(1, 1), GivenWhite);
    Right(e.gridRight, e.gridBottom);
    EXPECT_EQ(Code(e.w, e.h), GivenBlack);
    Left(e.gridRight, e.gridTop);
    EXPECT_EQ(Code(e.w, 1), GivenWhite);
    Right(e.gridLeft, e.gridBottom);
    EXPECT_EQ(Code(1, e.h), GivenBlack);
    EXPECT_EQ(StonesOnBoard(), 4);
    EXPECT_EQ(GameState.mode, CreateMode);
}

TEST_P(HitEdgesTest, ButtonsAreHitOnlyStrictlyInsideTheirPictures)
{
    const SizeEdges e = GetParam();
    StartEmpty(e.w, e.h);
    Show();
    const int midX = (e.buttonLeft + e.buttonRight) / 2;

    // The lower button toggles between create mode and SolveStart.
    for (const QPoint miss : {QPoint(e.buttonLeft - 1, 178), QPoint(e.buttonRight + 1, 178),
                              QPoint(midX, 160), QPoint(midX, 196)}) {
        Left(miss.x(), miss.y());
        EXPECT_EQ(GameState.mode, CreateMode) << "press at " << miss.x() << "," << miss.y();
    }
    Left(e.buttonLeft, 161);
    EXPECT_EQ(GameState.mode, SolveStart);
    Left(e.buttonRight, 195);
    EXPECT_EQ(GameState.mode, CreateMode);
    Left(e.buttonRight, 161);
    EXPECT_EQ(GameState.mode, SolveStart);
    Left(e.buttonLeft, 195);
    EXPECT_EQ(GameState.mode, CreateMode);

    // The upper button clears the grid in create mode.
    LeftCell(1, 1);
    for (const QPoint miss : {QPoint(e.buttonLeft - 1, 118), QPoint(e.buttonRight + 1, 118),
                              QPoint(midX, 100), QPoint(midX, 136)}) {
        Left(miss.x(), miss.y());
        EXPECT_EQ(Code(1, 1), GivenWhite) << "press at " << miss.x() << "," << miss.y();
    }
    for (const QPoint hit : {QPoint(e.buttonLeft, 101), QPoint(e.buttonRight, 135)}) {
        if (Code(1, 1) == Empty)
            LeftCell(1, 1);
        ASSERT_EQ(Code(1, 1), GivenWhite);
        Left(hit.x(), hit.y());
        EXPECT_EQ(StonesOnBoard(), 0) << "press at " << hit.x() << "," << hit.y();
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, HitEdgesTest,
                         ::testing::Values(SizeEdges{9, 9, 26, 240, 51, 265, 283, 382},
                                           SizeEdges{15, 5, 26, 384, 51, 169, 427, 526}),
                         [](const auto& info) {
                             return std::to_string(info.param.w) + "x" + std::to_string(info.param.h);
                         });

TEST_F(MouseInputTest, DividingLinesBelongToTheRightColumnAndTheLowerRow)
{
    StartEmpty(9, 9);
    Show();
    struct Case { int px, py, c, r; };
    for (const Case k : {Case{48, 73, 1, 1}, Case{49, 73, 2, 1}, Case{48, 74, 1, 2}, Case{49, 74, 2, 2}}) {
        Left(k.px, k.py);
        EXPECT_EQ(Code(k.c, k.r), GivenWhite) << "press at " << k.px << "," << k.py;
        EXPECT_EQ(StonesOnBoard(), 1) << "press at " << k.px << "," << k.py;
        Left(k.px, k.py);
        EXPECT_EQ(StonesOnBoard(), 0);
    }
}

// --- Grid edits ---------------------------------------------------------------

TEST_F(MouseInputTest, QuickDoubleClickActsOnEachOfItsTwoPressesOnce)
{
    StartEmpty(9, 9);
    Show();
    // Through the window, so that the platform layer turns the second press
    // into a double click as it does for a real mouse.
    QTest::mouseDClick(view->windowHandle(), Qt::LeftButton, Qt::NoModifier, CellCentre(3, 3));
    Settle();
    EXPECT_EQ(Code(3, 3), Empty);
    QTest::mouseDClick(view->windowHandle(), Qt::RightButton, Qt::NoModifier, CellCentre(3, 3));
    Settle();
    EXPECT_EQ(Code(3, 3), Empty);
}

TEST_F(MouseInputTest, CreateModeTogglesGivenStonesAndRepaintsOnlyTheCell)
{
    StartWith(Rows({". B W w .", ". . . . .", ". . . . .", ". . . . .", ". . . . ."}), CreateMode);
    Show();

    LeftCell(1, 1);  // empty -> white
    EXPECT_EQ(Code(1, 1), GivenWhite);
    EXPECT_EQ(Painted(), CellArea(1, 1));
    LeftCell(2, 1);  // black -> empty, not white
    EXPECT_EQ(Code(2, 1), Empty);
    EXPECT_EQ(Painted(), CellArea(2, 1));
    RightCell(3, 1);  // white -> empty, not black
    EXPECT_EQ(Code(3, 1), Empty);
    RightCell(5, 1);  // empty -> black
    EXPECT_EQ(Code(5, 1), GivenBlack);
    LeftCell(4, 1);  // a placed stone is erased too
    EXPECT_EQ(Code(4, 1), Empty);

    EXPECT_EQ(FormatBoard(), Rows({"W . . . B", ". . . . .", ". . . . .", ". . . . .", ". . . . ."}));
    EXPECT_EQ(GameState.mode, CreateMode);
    EXPECT_EQ(GameState.undo.undoCount, 0);
}

TEST_F(MouseInputTest, SolveModePlacesAndErasesOwnStonesAndRecordsEachChange)
{
    StartWith(Rows({"W B . . .", ". . . . .", ". . . . .", ". . . . .", ". . . . ."}), SolveInProgress);
    Show();

    LeftCell(3, 1);
    EXPECT_EQ(Code(3, 1), PlacedWhite);
    EXPECT_EQ(Painted(), CellArea(3, 1));
    RightCell(3, 1);  // either button erases a placed stone of either colour
    EXPECT_EQ(Code(3, 1), Empty);
    RightCell(4, 1);
    EXPECT_EQ(Code(4, 1), PlacedBlack);
    LeftCell(4, 1);
    EXPECT_EQ(Code(4, 1), Empty);

    ASSERT_EQ(GameState.undo.undoCount, 4);
    const UndoHistory& u = GameState.undo;
    const int expected[4][3] = {{3, 1, Empty}, {3, 1, PlacedWhite}, {4, 1, Empty}, {4, 1, PlacedBlack}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(u.undoX[i], expected[i][0]) << "record " << i;
        EXPECT_EQ(u.undoY[i], expected[i][1]) << "record " << i;
        EXPECT_EQ(u.undoPrev[i], expected[i][2]) << "record " << i;
    }

    // Given stones stay under either button and nothing is recorded or painted.
    LeftCell(1, 1);
    RightCell(2, 1);
    EXPECT_EQ(Code(1, 1), GivenWhite);
    EXPECT_EQ(Code(2, 1), GivenBlack);
    EXPECT_EQ(GameState.undo.undoCount, 4);
    EXPECT_TRUE(Painted().isEmpty());
    EXPECT_EQ(GameState.mode, SolveInProgress);

    // After the solver ran, edits are still recorded and the mode stays.
    GameState.mode = SolveFinished;
    LeftCell(5, 5);
    EXPECT_EQ(GameState.undo.undoCount, 5);
    EXPECT_EQ(GameState.undo.undoPrev[4], Empty);
    EXPECT_EQ(GameState.mode, SolveFinished);
}

// --- Buttons and modes --------------------------------------------------------

TEST_F(MouseInputTest, LowerButtonClearsTheStatusLineOnlyWhenLeavingSolveStart)
{
    StartWith(Rows({"W w . . .", ". b . . .", ". . . . B", ". . . . .", ". . . . ."}), CreateMode);
    GameState.undo.undoCount = 7;
    Show();

    // Entering solve mode checks nothing and removes nothing.
    LeftLower();
    EXPECT_EQ(GameState.mode, SolveStart);
    EXPECT_EQ(GameState.undo.undoCount, 0);
    EXPECT_EQ(Code(2, 1), PlacedWhite);

    GameState.status = StatusUnsolvable;
    LeftLower();
    EXPECT_EQ(GameState.mode, CreateMode);
    EXPECT_EQ(GameState.status, StatusNone);

    GameState.mode = SolveInProgress;
    GameState.status = StatusContradiction;
    LeftLower();
    EXPECT_EQ(GameState.mode, SolveStart);
    EXPECT_EQ(FormatBoard(), Rows({"W . . . .", ". . . . .", ". . . . B", ". . . . .", ". . . . ."}));
    EXPECT_EQ(GameState.status, StatusContradiction);
}

TEST_F(MouseInputTest, RightPressesOnTheButtonsOnlyStoreThePositionAndCapture)
{
    StartWith(Rows({"W w . . .", ". b . . .", ". . . . B", ". . . . .", ". . . . ."}), CreateMode);
    GameState.undo.undoCount = 2;
    GameState.undo.undoX[0] = GameState.undo.undoX[1] = 2;
    GameState.undo.undoY[0] = GameState.undo.undoY[1] = 1;
    Show();
    for (const int mode : {CreateMode, SolveStart, SolveInProgress, SolveFinished}) {
        GameState.mode = mode;
        const StateSummary before = StateSummary::Take();
        for (const QPoint p : {UpperButton(), LowerButton()}) {
            recorder.paints.clear();
            QTest::mousePress(view.get(), Qt::RightButton, Qt::NoModifier, p);
            EXPECT_EQ(QWidget::mouseGrabber(), view.get());
            QTest::mouseRelease(view.get(), Qt::RightButton, Qt::NoModifier, QPoint(600, 470));
            EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
            Settle();
            EXPECT_EQ(StateSummary::Take(), before) << "mode " << mode;
            EXPECT_EQ(GameState.lastClickX, p.x());
            EXPECT_EQ(GameState.lastClickY, p.y());
            EXPECT_TRUE(Painted().isEmpty());
        }
    }
}

// --- Undo history ---------------------------------------------------------------

TEST_F(MouseInputTest, TwoHundredthRecordForgetsTheOldestHundred)
{
    StartEmpty(9, 9);
    GameState.mode = SolveInProgress;
    UndoHistory& u = GameState.undo;
    // 199 earlier moves, each distinguishable by its bytes.
    for (int i = 0; i < 199; ++i) {
        u.undoX[i] = static_cast<std::uint8_t>(1 + i % 9);
        u.undoY[i] = static_cast<std::uint8_t>(1 + (i / 9) % 9);
        u.undoPrev[i] = static_cast<std::uint8_t>(i % 2 ? PlacedBlack : PlacedWhite);
    }
    u.undoCount = 199;
    Show();

    LeftCell(5, 6);  // the 200th record
    ASSERT_EQ(u.undoCount, 100);
    for (int k = 0; k < 99; ++k) {
        const int old = k + 100;
        ASSERT_EQ(u.undoX[k], 1 + old % 9) << "entry " << k;
        ASSERT_EQ(u.undoY[k], 1 + (old / 9) % 9) << "entry " << k;
        ASSERT_EQ(u.undoPrev[k], old % 2 ? PlacedBlack : PlacedWhite) << "entry " << k;
    }
    EXPECT_EQ(u.undoX[99], 5);
    EXPECT_EQ(u.undoY[99], 6);
    EXPECT_EQ(u.undoPrev[99], Empty);

    // The newest move comes back first; after 100 the history is exhausted.
    LeftUpper();
    EXPECT_EQ(Code(5, 6), Empty);
    for (int i = 1; i < 100; ++i)
        LeftUpper();
    EXPECT_EQ(u.undoCount, 0);
    // entry 0 was the move of index 100: cell (2, 3), previously PlacedWhite
    EXPECT_EQ(Code(2, 3), PlacedWhite);
    const StateSummary exhausted = StateSummary::Take();
    LeftUpper();
    EXPECT_EQ(StateSummary::Take(), exhausted);
    EXPECT_EQ(GameState.mode, SolveInProgress);
    EXPECT_TRUE(Painted().isEmpty());
}

TEST_F(MouseInputTest, UndoRecordsOffTheBoardAreDroppedWithoutWriting)
{
    StartWith(Rows({". . . . .", ". w . . .", ". . . . .", ". . . . .", ". . . . ."}), SolveInProgress);
    UndoHistory& u = GameState.undo;
    const std::uint8_t records[][3] = {{2, 2, Empty}, {6, 3, PlacedBlack}, {0, 0, PlacedBlack},
                                       {3, 6, PlacedBlack}, {255, 255, PlacedWhite}};
    for (int i = 0; i < 5; ++i) {
        u.undoX[i] = records[i][0];
        u.undoY[i] = records[i][1];
        u.undoPrev[i] = records[i][2];
    }
    u.undoCount = 5;
    Show();

    LeftUpper();  // drops the four bad records, takes back the real move
    EXPECT_EQ(u.undoCount, 0);
    EXPECT_EQ(FormatBoard(), kEmpty5);
    EXPECT_EQ(Painted(), BoardArea());
    // The Wall ring around the 5 x 5 board is untouched.
    EXPECT_EQ(Code(6, 3), Wall);
    EXPECT_EQ(Code(0, 0), Wall);
    EXPECT_EQ(Code(3, 6), Wall);

    // Only bad records: the history empties, nothing changes or repaints.
    u.undoX[0] = 9;
    u.undoY[0] = 9;
    u.undoCount = 1;
    LeftUpper();
    EXPECT_EQ(u.undoCount, 0);
    EXPECT_TRUE(Painted().isEmpty());
}

TEST_F(MouseInputTest, UndoCountOutsideTheArraysIsBroughtBackIntoRange)
{
    StartEmpty(9, 9);
    GameState.mode = SolveInProgress;
    UndoHistory& u = GameState.undo;
    for (int i = 0; i < kUndoEntries; ++i) {
        u.undoX[i] = static_cast<std::uint8_t>(1 + i % 9);
        u.undoY[i] = 1;
        u.undoPrev[i] = Empty;
    }
    Show();

    // A full array or more: compacted as the 200th record would be, then appended.
    u.undoCount = 250;
    LeftCell(4, 4);
    EXPECT_EQ(u.undoCount, 101);
    EXPECT_EQ(u.undoX[0], 1 + 100 % 9);
    EXPECT_EQ(u.undoX[100], 4);
    EXPECT_EQ(u.undoY[100], 4);

    // Below zero: the history counts as empty.
    u.undoCount = -3;
    LeftCell(5, 5);
    EXPECT_EQ(u.undoCount, 1);
    EXPECT_EQ(u.undoX[0], 5);

    // Presses that record nothing still leave the count in range.
    for (const int bad : {200, 100000, -1}) {
        u.undoCount = bad;
        Right(5, 300);
        EXPECT_GE(u.undoCount, 0) << "count " << bad;
        EXPECT_LT(u.undoCount, kUndoEntries) << "count " << bad;
        u.undoCount = bad;
        LeftUpper();
        EXPECT_GE(u.undoCount, 0) << "count " << bad;
        EXPECT_LT(u.undoCount, kUndoEntries) << "count " << bad;
    }
}

// --- Together -----------------------------------------------------------------

TEST_F(MouseInputTest, ReturnToStartKeepsTheSolverMessageAndRedCircle)
{
    StartWith(Rows({"b b b b b", "B w b W B", "B w W w W", "b w b b w", "b B b w w"}), SolveFinished);
    GameState.status = StatusMultipleSolutions;
    GameState.altCell = {4, 4};
    Show();

    LeftLower();
    EXPECT_EQ(GameState.mode, SolveStart);
    EXPECT_EQ(FormatBoard(), Rows({". . . . .", "B . . W B", "B . W . W", ". . . . .", ". B . . ."}));
    EXPECT_EQ(GameState.status, StatusMultipleSolutions);
    EXPECT_EQ(GameState.altCell.x, 4);
    EXPECT_EQ(GameState.altCell.y, 4);

    // The circle is still painted over the now empty cell (4, 4).
    const QImage shot = view->grab().toImage();
    int red = 0;
    for (int y = 24 * 4 + 26; y < 24 * 4 + 50; ++y) {
        for (int x = 24 * 4 + 1; x < 24 * 4 + 25; ++x) {
            const QColor c = shot.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
        }
    }
    EXPECT_GT(red, 20);
}

TEST_F(MouseInputTest, ShortGamePlayedByMouse)
{
    StartEmpty(5, 5);
    Show();
    const QRegion whole = WholeView();
    const QRegion none;
    struct Step {
        const char* what;
        std::function<void()> act;
        int mode;
        std::string board;
        int undoCount;
        QRegion painted;
    };
    const std::vector<Step> steps = {
        {"given white", [&] { LeftCell(1, 1); }, CreateMode,
         Rows({"W . . . .", ". . . . .", ". . . . .", ". . . . .", ". . . . ."}), 0, CellArea(1, 1)},
        {"given black", [&] { RightCell(5, 5); }, CreateMode,
         Rows({"W . . . .", ". . . . .", ". . . . .", ". . . . .", ". . . . B"}), 0, CellArea(5, 5)},
        {"to solve mode", [&] { LeftLower(); }, SolveStart,
         Rows({"W . . . .", ". . . . .", ". . . . .", ". . . . .", ". . . . B"}), 0, whole},
        {"first press on a given stone", [&] { LeftCell(1, 1); }, SolveInProgress,
         Rows({"W . . . .", ". . . . .", ". . . . .", ". . . . .", ". . . . B"}), 0, whole},
        {"white move", [&] { LeftCell(2, 1); }, SolveInProgress,
         Rows({"W w . . .", ". . . . .", ". . . . .", ". . . . .", ". . . . B"}), 1, CellArea(2, 1)},
        {"black move", [&] { RightCell(4, 5); }, SolveInProgress,
         Rows({"W w . . .", ". . . . .", ". . . . .", ". . . . .", ". . . b B"}), 2, CellArea(4, 5)},
        {"erase", [&] { LeftCell(2, 1); }, SolveInProgress,
         Rows({"W . . . .", ". . . . .", ". . . . .", ". . . . .", ". . . b B"}), 3, CellArea(2, 1)},
        {"black instead", [&] { RightCell(2, 1); }, SolveInProgress,
         Rows({"W b . . .", ". . . . .", ". . . . .", ". . . . .", ". . . b B"}), 4, CellArea(2, 1)},
        {"given untouched", [&] { RightCell(1, 1); }, SolveInProgress,
         Rows({"W b . . .", ". . . . .", ". . . . .", ". . . . .", ". . . b B"}), 4, none},
        {"back one", [&] { LeftUpper(); }, SolveInProgress,
         Rows({"W . . . .", ". . . . .", ". . . . .", ". . . . .", ". . . b B"}), 3, BoardArea()},
        {"back two", [&] { LeftUpper(); }, SolveInProgress,
         Rows({"W w . . .", ". . . . .", ". . . . .", ". . . . .", ". . . b B"}), 2, BoardArea()},
        {"another move", [&] { LeftCell(3, 3); }, SolveInProgress,
         Rows({"W w . . .", ". . . . .", ". . w . .", ". . . . .", ". . . b B"}), 3, CellArea(3, 3)},
        {"back to the start", [&] { LeftLower(); }, SolveStart,
         Rows({"W . . . .", ". . . . .", ". . . . .", ". . . . .", ". . . . B"}), 0, whole},
        {"to create mode", [&] { LeftLower(); }, CreateMode,
         Rows({"W . . . .", ". . . . .", ". . . . .", ". . . . .", ". . . . B"}), 0, whole},
        {"clear all", [&] { LeftUpper(); }, CreateMode, kEmpty5, 0, whole},
    };
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(GameState.mode, s.mode) << s.what;
        EXPECT_EQ(FormatBoard(), s.board) << s.what;
        EXPECT_EQ(GameState.undo.undoCount, s.undoCount) << s.what;
        EXPECT_EQ(Painted(), s.painted) << s.what;
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr) << s.what;
    }
}
