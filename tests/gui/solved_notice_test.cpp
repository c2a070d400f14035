// 「正解です」 when a move by hand fills the board correctly, and the ﾂｰﾙ
// menu's switch for it, kept between runs.
#include "mouse_view_fixture.h"

#include <QAction>
#include <QSettings>

#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "view/WindowSettings.h"

namespace {

const std::string kUnique = Rows({". . . . .", ". . . . B", "B . . . B", ". . . B W", "W W W . ."});
const std::string kUniqueSolution = Rows({"b b b b b", "b w w w B", "B b w b B", "w b w B W", "W W W w w"});

bool WhiteInSolution(int x, int y) { return kUniqueSolution[(y - 1) * 10 + (x - 1) * 2] == 'w'; }

}  // namespace

class SolvedNoticeTest : public MouseViewFixture {
protected:
    void SetUp() override
    {
        MouseViewFixture::SetUp();
        SetNotifyWhenSolved(true);
    }

    // Fills every empty cell but (5, 5) as the solution has it; no message
    // may come on the way.
    void FillAllButTheLast()
    {
        guitest::ModalWatchdog watch(true);
        for (int x = 1; x <= 5; ++x)
            for (int y = 1; y <= 5; ++y)
                if (Code(x, y) == Empty && !(x == 5 && y == 5))
                    WhiteInSolution(x, y) ? LeftCell(x, y) : RightCell(x, y);
        EXPECT_TRUE(watch.texts.isEmpty()) << watch.texts.join(QLatin1Char('|')).toStdString();
    }

    // The messages shown while action runs.
    template <typename Action>
    QStringList MessagesDuring(Action action)
    {
        guitest::ModalWatchdog watch(true);
        action();
        Settle();
        return watch.texts;
    }
};

TEST_F(SolvedNoticeTest, TheMoveThatFillsTheBoardCorrectlySaysCorrectOnce)
{
    StartWith(kUnique, SolveStart);
    Show();
    FillAllButTheLast();
    // The last cell by keyboard: the cursor from (1, 1) to (5, 5), then Space.
    const QStringList shown = MessagesDuring([this] {
        QTest::keyClick(view.get(), Qt::Key_Down);
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(view.get(), Qt::Key_Down);
            QTest::keyClick(view.get(), Qt::Key_Right);
        }
        QTest::keyClick(view.get(), Qt::Key_Space);
    });
    EXPECT_EQ(shown, QStringList{QStringLiteral("正解です")});
    EXPECT_EQ(FormatBoard(), kUniqueSolution);

    // Taking a stone off and putting it back by mouse says it again; the
    // press that takes it off says nothing.
    EXPECT_TRUE(MessagesDuring([this] { LeftCell(5, 5); }).isEmpty());
    EXPECT_EQ(MessagesDuring([this] { LeftCell(5, 5); }), QStringList{QStringLiteral("正解です")});
}

TEST_F(SolvedNoticeTest, AFullBoardThatBreaksARuleOrATurnedOffSwitchSaysNothing)
{
    StartWith(kUnique, SolveStart);
    Show();
    FillAllButTheLast();
    // Black on (5, 5), white in the one solution, cuts the white stone on
    // (4, 5) off from the other whites: full, but wrong.
    EXPECT_TRUE(MessagesDuring([this] { RightCell(5, 5); }).isEmpty());
    ASSERT_EQ(Code(5, 5), PlacedBlack);

    RightCell(5, 5);  // empty again
    SetNotifyWhenSolved(false);
    EXPECT_TRUE(MessagesDuring([this] { LeftCell(5, 5); }).isEmpty());
    EXPECT_EQ(FormatBoard(), kUniqueSolution);
}

TEST_F(SolvedNoticeTest, TheMenuSwitchIsOnAtFirstAndKeptForTheNextRun)
{
    QSettings().remove(QStringLiteral("window/notifyWhenSolved"));
    {
        CMainFrame frame(nullptr);
        QAction* item = frame.FindCommand(ID_TOOLS_NOTIFY_SOLVED);
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(item->isCheckable());
        EXPECT_TRUE(item->isChecked());
        frame.OnCommand(ID_TOOLS_NOTIFY_SOLVED);
        EXPECT_FALSE(item->isChecked());
        EXPECT_FALSE(NotifyWhenSolved());
    }
    CMainFrame next(nullptr);
    EXPECT_FALSE(next.FindCommand(ID_TOOLS_NOTIFY_SOLVED)->isChecked());
    next.FindCommand(ID_TOOLS_NOTIFY_SOLVED)->trigger();  // as the menu does
    EXPECT_TRUE(NotifyWhenSolved());
}
