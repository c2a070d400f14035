// Keyboard play: the cursor the arrow keys move, drawn only once they are
// used, and the keys that press the cursor's cell like the mouse buttons.
#include "mouse_view_fixture.h"

#include <QKeyEvent>
#include <QTimer>

#include <chrono>
#include <set>
#include <thread>
#include <tuple>
#include <utility>

#include "view/CheckCommands.h"

namespace {

bool IsCursorColour(QRgb p) { return qRed(p) > 200 && qGreen(p) > 100 && qGreen(p) < 180 && qBlue(p) < 60; }

// Cells with cursor-coloured pixels, and how many pixels each has.
std::set<std::pair<int, int>> CursorCells(const QImage& shot, int* pixels = nullptr)
{
    std::set<std::pair<int, int>> cells;
    for (int c = 1; c <= GameState.width; ++c)
        for (int r = 1; r <= GameState.height; ++r) {
            int n = 0;
            for (int y = geom::CellTop(r); y < geom::CellTop(r) + 25; ++y)
                for (int x = geom::CellLeft(c); x < geom::CellLeft(c) + 25; ++x)
                    n += IsCursorColour(shot.pixel(x, y));
            if (n > 0) {
                cells.insert({c, r});
                if (pixels)
                    *pixels = n;
            }
        }
    return cells;
}

}  // namespace

class KeyboardInputTest : public MouseViewFixture {
protected:
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(view.get(), static_cast<Qt::Key>(key), modifiers);
        Settle();
    }
    std::set<std::pair<int, int>> Cursor() { return CursorCells(view->grab().toImage()); }
};

TEST_F(KeyboardInputTest, ArrowKeysShowAndMoveACursorThatStaysOnTheBoard)
{
    StartEmpty(5, 5);
    Show();
    EXPECT_TRUE(Cursor().empty()) << "no cursor before the first arrow key";

    Key(Qt::Key_Right);  // shows it on (1, 1)
    int pixels = 0;
    EXPECT_EQ(CursorCells(view->grab().toImage(), &pixels), (std::set<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(pixels, 4 * 2 * 19 - 4 * 4) << "a two pixel frame inside the cell";
    Key(Qt::Key_Left);  // already at the left edge
    Key(Qt::Key_Up);
    EXPECT_EQ(Cursor(), (std::set<std::pair<int, int>>{{1, 1}}));
    for (int i = 0; i < 7; ++i) {
        Key(Qt::Key_Right);
        Key(Qt::Key_Down);
    }
    EXPECT_EQ(Cursor(), (std::set<std::pair<int, int>>{{5, 5}}));
    Key(Qt::Key_Left);
    EXPECT_EQ(Cursor(), (std::set<std::pair<int, int>>{{4, 5}}));

    Key(Qt::Key_Escape);
    EXPECT_TRUE(Cursor().empty());
    Key(Qt::Key_Up);  // shows it where it was
    EXPECT_EQ(Cursor(), (std::set<std::pair<int, int>>{{4, 5}}));

    // A mouse press hides it until the next arrow key.
    RightCell(2, 2);
    EXPECT_TRUE(Cursor().empty());
    Key(Qt::Key_Space);
    EXPECT_EQ(Code(4, 5), Empty) << "Space does nothing while the cursor is hidden";
    EXPECT_EQ(GameState.board[2][2].code, GivenBlack);
}

TEST_F(KeyboardInputTest, SpaceAndShiftSpaceOrXPressTheCursorCellLikeTheMouseButtons)
{
    // Each key against the mouse button it stands for, in create and solve mode:
    // the board, mode, history and paints must come out the same.
    const std::string board = Rows({"W . . . .", ". . . . .", ". . B . .", ". . . . .", ". . . . ."});
    for (int mode : {CreateMode, SolveStart, SolveInProgress}) {
        for (const auto& [key, modifiers, left] :
             {std::tuple{Qt::Key_Space, Qt::NoModifier, true}, std::tuple{Qt::Key_Space, Qt::ShiftModifier, false},
              std::tuple{Qt::Key_X, Qt::NoModifier, false}}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " key " << key << " shift " << (modifiers != 0));
            // The cell (2, 1) empty, then (1, 1) given, pressed twice each.
            StartWith(board, mode);
            Show();
            for (int c : {2, 2, 1})
                left ? LeftCell(c, 1) : RightCell(c, 1);
            const StateSummary byMouse = StateSummary::Take();

            StartWith(board, mode);
            Show();
            Key(Qt::Key_Right);  // shows the cursor on (1, 1)
            Key(Qt::Key_Right);
            Key(key, modifiers);
            Key(key, modifiers);
            Key(Qt::Key_Left);
            Key(key, modifiers);
            EXPECT_EQ(StateSummary::Take(), byMouse);
        }
    }
}

namespace {

// An engine that works until the check is cancelled.
ExactResult WaitForCancel(const Grid&, const ExactOptions& options)
{
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!options.cancel->load() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ExactResult r;
    r.cancelled = true;
    return r;
}

}  // namespace

TEST_F(KeyboardInputTest, KeysDoNothingWhileACheckIsRunning)
{
    StartEmpty(5, 5);
    GameState.mode = SolveStart;
    Show();
    Key(Qt::Key_Down);  // the cursor on (1, 1)
    const StateSummary before = StateSummary::Take();
    const ExactEngine previous = SetCheckEngine(&WaitForCancel);

    // Once before the progress dialog shows, once while it does.
    QTimer::singleShot(20, view.get(), [this] {
        QTest::keyClick(view.get(), Qt::Key_Space);
        QTest::keyClick(view.get(), Qt::Key_Right);
    });
    guitest::WhenModalOpens([this](QWidget* progress) {
        QTest::keyClick(view.get(), Qt::Key_X);
        QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, CellCentre(2, 2));
        QTest::keyClick(progress, Qt::Key_Escape);
    });
    guitest::ModalWatchdog watch(true);
    view->OnCheckUnique();
    Settle();
    SetCheckEngine(previous);

    EXPECT_EQ(StateSummary::Take(), before);
    EXPECT_EQ(Cursor(), (std::set<std::pair<int, int>>{{1, 1}}));
}
