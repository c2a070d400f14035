// 未確定のマスを常に表示: the undecided cells of the givens framed while the
// author edits, checked in the background, with no dialog and the status
// line left alone.
#include "mouse_view_fixture.h"

#include <QAction>

#include <atomic>
#include <chrono>
#include <set>
#include <thread>

#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "view/CheckCommands.h"

namespace {

using Cells = std::set<std::pair<int, int>>;

std::atomic<int> g_dropped{0};

// The real engine, except that a board with a given on (1, 1) keeps it busy
// until its check is dropped.
ExactResult BusyOnTopLeft(const Grid& puzzle, const ExactOptions& options)
{
    if (puzzle.at(0, 0) != Empty) {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!options.cancel->load() && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        g_dropped += options.cancel->load();
        ExactResult r;
        r.cancelled = true;
        return r;
    }
    return SolveExact(puzzle, options);
}

Cells Framed(const QImage& shot)
{
    Cells framed;
    for (int c = 1; c <= GameState.width; ++c)
        for (int r = 1; r <= GameState.height; ++r) {
            const QRgb p = shot.pixel(geom::CellLeft(c) + 12, geom::CellTop(r) + 1);
            if (qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80)
                framed.insert({c, r});
        }
    return framed;
}

// Two solutions, which differ in the lower right 2 x 2 only; a black given
// on (5, 5) leaves one.
const std::string kTwoSolutions = Rows({". . . . .", "B . . W B", "B . W . W", ". . . . .", ". B . . ."});
const Cells kTwoSolutionsUndecided{{4, 4}, {5, 4}, {4, 5}, {5, 5}};

}  // namespace

class LiveUndecidedTest : public MouseViewFixture {
protected:
    void SetUp() override
    {
        MouseViewFixture::SetUp();
        StartWith(kTwoSolutions, CreateMode);
        GameState.layoutState = 2;
        frame = std::make_unique<CMainFrame>(nullptr);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        Settle();
        SetCheckEngine(&BusyOnTopLeft);
    }
    void TearDown() override
    {
        frame.reset();
        SetCheckEngine(nullptr);
        MouseViewFixture::TearDown();
    }

    CVandorView* View() { return frame->GetView(); }
    Cells Shown() { return Framed(View()->grab().toImage()); }
    // Waits (handling events, without sleeping) until the frames are these.
    bool FramesBecome(const Cells& expected)
    {
        return QTest::qWaitFor([&] { return Shown() == expected; }, 5000);
    }
    void Press(Qt::MouseButton button, int c, int r)
    {
        QTest::mouseClick(View(), button, Qt::NoModifier, CellCentre(c, r));
    }

    std::unique_ptr<CMainFrame> frame;
};

TEST_F(LiveUndecidedTest, FramesFollowTheGivensWhileTheItemIsOn)
{
    const QAction* item = frame->FindCommand(ID_TOOLS_SHOW_UNDECIDED);
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->isChecked()) << "off at every start";
    GameState.status = StatusUnsolvable;  // must stay as it is

    frame->OnCommand(ID_TOOLS_SHOW_UNDECIDED);
    EXPECT_TRUE(FramesBecome(kTwoSolutionsUndecided)) << "checked at once";

    // A given by mouse, one by key: the frames follow each.
    Press(Qt::RightButton, 5, 5);
    EXPECT_TRUE(FramesBecome({}));
    QTest::keyClick(View(), Qt::Key_Down);  // the cursor on (1, 1)
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(View(), Qt::Key_Down);
        QTest::keyClick(View(), Qt::Key_Right);
    }
    QTest::keyClick(View(), Qt::Key_Space);  // (5, 5) empty again
    EXPECT_TRUE(FramesBecome(kTwoSolutionsUndecided));

    // A check still running is dropped when the board changes again.
    g_dropped = 0;
    Press(Qt::LeftButton, 1, 1);  // keeps the engine busy
    EXPECT_TRUE(Shown().empty());
    Press(Qt::LeftButton, 1, 1);  // taken off again
    EXPECT_TRUE(FramesBecome(kTwoSolutionsUndecided));
    EXPECT_TRUE(QTest::qWaitFor([] { return g_dropped == 1; }, 5000));

    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(GameState.status, StatusUnsolvable);

    frame->OnCommand(ID_TOOLS_SHOW_UNDECIDED);
    EXPECT_FALSE(item->isChecked());
    EXPECT_TRUE(Shown().empty());
    Press(Qt::RightButton, 5, 5);
    Press(Qt::RightButton, 5, 5);
    Settle();
    EXPECT_TRUE(Shown().empty()) << "no check while it is off";
}
