// The main window: menu bar, accelerators, caption, and where commands go.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <string>
#include <vector>

#include "app/CMainFrame.h"
#include "app/CVandorApp.h"
#include "app/CommandIds.h"
#include "dialogs/Dialogs.h"
#include "io/Notation.h"
#include "model/GameState.h"
#include "view/CVandorView.h"
#include "view/FileDialogs.h"

namespace {

// One menu row: a separator has no text.
struct Item {
    QString text;
    int id;
    QKeySequence shortcut;
};

std::vector<Item> ItemsOf(const QMenu* menu)
{
    std::vector<Item> items;
    for (const QAction* a : menu->actions())
        items.push_back({a->isSeparator() ? QString() : a->text(), a->data().toInt(), a->shortcut()});
    return items;
}

void ExpectItems(const std::vector<Item>& actual, const std::vector<Item>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i << " " << expected[i].text.toStdString());
        EXPECT_EQ(actual[i].text, expected[i].text);
        EXPECT_EQ(actual[i].id, expected[i].id);
        EXPECT_EQ(actual[i].shortcut, expected[i].shortcut);
    }
}

const Item kSeparator{QString(), 0, QKeySequence()};

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        ASSERT_TRUE(app.InitInstance({QStringLiteral("vandor"), QStringLiteral("puzzle.vdr"), QStringLiteral("--bogus")}));
        frame = app.GetMainFrame();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
        Settle();
    }
    void TearDown() override { ResetGameState(); }

    static void Settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }

    // Runs a command and returns the class name of the modal dialog it opened
    // (closed again at once), or an empty string if it opened none.
    std::string ModalOpenedBy(int id)
    {
        return ModalOpenedDuring([&] { frame->OnCommand(id); });
    }
    template <typename Action>
    std::string ModalOpenedDuring(Action action)
    {
        std::string opened;
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = modal->metaObject()->className();
                modal->close();
            }
        });
        action();
        Settle();
        return opened;
    }

    CVandorApp app;
    CMainFrame* frame = nullptr;
};

TEST_F(MainFrameTest, MenuBarHasFileSizeToolsAndHelpInThatOrder)
{
    const QList<QAction*> bar = frame->menuBar()->actions();
    ASSERT_EQ(bar.size(), 4);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("ﾌｧｲﾙ(&F)"));
    EXPECT_NE(bar[0]->menu(), nullptr);
    // The size command sits on the bar itself, not in a menu.
    EXPECT_EQ(bar[1]->text(), QStringLiteral("ｻｲｽﾞ変更(&S)"));
    EXPECT_EQ(bar[1]->menu(), nullptr);
    EXPECT_EQ(bar[1]->data().toInt(), ID_BOARD_SIZE);
    EXPECT_EQ(bar[2]->text(), QStringLiteral("ﾂｰﾙ(&T)"));
    EXPECT_NE(bar[2]->menu(), nullptr);
    EXPECT_EQ(bar[3]->text(), QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    EXPECT_NE(bar[3]->menu(), nullptr);
}

TEST_F(MainFrameTest, FileToolsAndHelpMenusListTheirItemsWithIdsAndShortcuts)
{
    const QList<QAction*> bar = frame->menuBar()->actions();
    ASSERT_EQ(bar.size(), 4);
    ExpectItems(ItemsOf(bar[0]->menu()),
                {
                    {QStringLiteral("問題を読み込む(&O)"), ID_FILE_OPEN, QKeySequence(Qt::CTRL | Qt::Key_O)},
                    {QStringLiteral("問題を保存する(&S)"), ID_FILE_SAVE_AS, QKeySequence()},
                    kSeparator,
                    {QStringLiteral("印刷(&P)"), ID_FILE_PRINT, QKeySequence(Qt::CTRL | Qt::Key_P)},
                    {QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰ(&V)"), ID_FILE_PRINT_PREVIEW, QKeySequence()},
                    {QStringLiteral("ﾌﾟﾘﾝﾀの設定(&R)"), ID_FILE_PRINT_SETUP, QKeySequence()},
                    kSeparator,
                    {QStringLiteral("終了(&X)"), ID_APP_EXIT, QKeySequence()},
                });
    ExpectItems(ItemsOf(bar[2]->menu()),
                {
                    {QStringLiteral("解の一意性を調べる(&U)"), ID_TOOLS_CHECK_UNIQUE, QKeySequence()},
                    {QStringLiteral("答え合わせ(&K)"), ID_TOOLS_CHECK_ANSWER, QKeySequence()},
                    {QStringLiteral("ヒント(&H)"), ID_TOOLS_HINT, QKeySequence()},
                    kSeparator,
                    {QStringLiteral("URLから読み込む(&L)..."), ID_TOOLS_URL_LOAD, QKeySequence()},
                    {QStringLiteral("URLをコピー(&C)"), ID_TOOLS_URL_COPY, QKeySequence()},
                    {QStringLiteral("pzprv3ファイルを読み込む(&P)..."), ID_TOOLS_PZPRV3_LOAD, QKeySequence()},
                    {QStringLiteral("pzprv3ファイルに保存(&V)..."), ID_TOOLS_PZPRV3_SAVE, QKeySequence()},
                    kSeparator,
                    {QStringLiteral("問題を自動作成(&G)..."), ID_TOOLS_GENERATE, QKeySequence()},
                    kSeparator,
                    {QStringLiteral("未確定のマスを常に表示(&A)"), ID_TOOLS_SHOW_UNDECIDED, QKeySequence()},
                    {QStringLiteral("完成したら知らせる(&N)"), ID_TOOLS_NOTIFY_SOLVED, QKeySequence()},
                });
    ExpectItems(ItemsOf(bar[3]->menu()),
                {
                    {QStringLiteral("ﾙｰﾙ説明(&R)"), ID_HELP_RULES, QKeySequence()},
                    kSeparator,
                    {QStringLiteral("操作説明(作成時)(&M)"), ID_HELP_CREATE, QKeySequence()},
                    {QStringLiteral("操作説明(解答時)(&A)"), ID_HELP_SOLVE, QKeySequence()},
                    {QStringLiteral("ﾂｰﾙの説明(&T)"), ID_HELP_TOOLS, QKeySequence()},
                    kSeparator,
                    {QStringLiteral("ﾊﾞｰｼﾞｮﾝ(&V)"), ID_APP_ABOUT, QKeySequence()},
                });
    for (const QMenu* menu : {bar[0]->menu(), bar[2]->menu(), bar[3]->menu()})
        for (const QAction* a : menu->actions()) {
            EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
            // Only the ﾂｰﾙ menu's switches have a check mark.
            const bool toggle =
                a->data().toInt() == ID_TOOLS_NOTIFY_SOLVED || a->data().toInt() == ID_TOOLS_SHOW_UNDECIDED;
            EXPECT_EQ(a->isCheckable(), toggle) << a->text().toStdString();
        }
}

TEST_F(MainFrameTest, AcceleratorsCarryTheirCommandIds)
{
    const std::vector<std::pair<int, QList<QKeySequence>>> expected = {
        {ID_FILE_NEW, {QKeySequence(Qt::CTRL | Qt::Key_N)}},
        {ID_FILE_SAVE, {QKeySequence(Qt::CTRL | Qt::Key_S)}},
        {ID_EDIT_UNDO, {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}},
        {ID_EDIT_CUT, {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)}},
        {ID_EDIT_COPY, {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}},
        {ID_EDIT_PASTE, {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}},
        {ID_NEXT_PANE, {QKeySequence(Qt::Key_F6)}},
        {ID_PREV_PANE, {QKeySequence(Qt::SHIFT | Qt::Key_F6)}},
    };
    for (const auto& [id, keys] : expected) {
        const QAction* action = frame->FindCommand(id);
        ASSERT_NE(action, nullptr) << id;
        EXPECT_EQ(action->shortcuts(), keys) << id;
    }
}

TEST_F(MainFrameTest, WindowIsTheBoardViewWithCaptionIconAndNoBars)
{
    EXPECT_NE(qobject_cast<CVandorView*>(frame->centralWidget()), nullptr);
    EXPECT_TRUE(frame->findChildren<QToolBar*>().isEmpty());
    EXPECT_EQ(frame->findChild<QStatusBar*>(), nullptr);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("しろまるくろまる - 解答ﾂｰﾙ"));
    EXPECT_FALSE(frame->windowIcon().isNull());
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("vandor"));
    EXPECT_EQ(QCoreApplication::applicationVersion(), QStringLiteral("1.0.0.1"));
}

TEST_F(MainFrameTest, StartsWithFittedEmptyBoardWhateverTheArguments)
{
    EXPECT_EQ(GameState.layoutState, 2);
    EXPECT_EQ(GameState.mode, CreateMode);
    EXPECT_EQ(GameState.board[9][9].code, Empty);
    EXPECT_EQ(GameState.board[10][9].code, Wall);
    EXPECT_EQ(frame->frameGeometry().size(), QSize(416, 366));
}

TEST_F(MainFrameTest, NewDocumentRepaintsButLeavesTheGameAlone)
{
    std::string error;
    ASSERT_TRUE(LoadNotation("W b . . .\n. . w . .\n. . . . .\n. . . . .\n. . . . B\n", &error)) << error;
    GameState.status = StatusUnsolvable;
    frame->GetView()->repaint();
    Settle();
    const std::string board = FormatBoard();
    const QString caption = frame->windowTitle();

    int paints = 0;
    struct Counter : QObject {
        int* count;
        explicit Counter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                ++*count;
            return false;
        }
    } counter(&paints);
    frame->GetView()->installEventFilter(&counter);

    QTest::keyClick(frame->GetView(), Qt::Key_N, Qt::ControlModifier);
    Settle();
    frame->GetView()->removeEventFilter(&counter);

    EXPECT_GT(paints, 0);
    EXPECT_EQ(FormatBoard(), board);
    EXPECT_EQ(GameState.mode, SolveInProgress);
    EXPECT_EQ(GameState.status, StatusUnsolvable);
    EXPECT_EQ(frame->windowTitle(), caption);
}

TEST_F(MainFrameTest, EditAndPaneKeysAreTakenAndDoNothing)
{
    std::string error;
    ASSERT_TRUE(LoadNotation("W w . . .\n. . b . .\n. . . . .\n. . . . .\n. . . . .\n", &error)) << error;
    frame->GetView()->repaint();
    Settle();
    GameState.undo.undoCount = 1;
    GameState.undo.undoX[0] = 3;
    GameState.undo.undoY[0] = 2;
    const std::string board = FormatBoard();

    const std::vector<std::pair<int, std::pair<Qt::Key, Qt::KeyboardModifiers>>> keys = {
        {ID_EDIT_UNDO, {Qt::Key_Z, Qt::ControlModifier}},   {ID_EDIT_UNDO, {Qt::Key_Backspace, Qt::AltModifier}},
        {ID_EDIT_CUT, {Qt::Key_X, Qt::ControlModifier}},    {ID_EDIT_COPY, {Qt::Key_C, Qt::ControlModifier}},
        {ID_EDIT_PASTE, {Qt::Key_V, Qt::ControlModifier}},  {ID_EDIT_PASTE, {Qt::Key_Insert, Qt::ShiftModifier}},
        {ID_NEXT_PANE, {Qt::Key_F6, Qt::NoModifier}},       {ID_PREV_PANE, {Qt::Key_F6, Qt::ShiftModifier}},
    };
    for (const auto& [id, key] : keys) {
        int fired = 0;
        QAction* action = frame->FindCommand(id);
        ASSERT_NE(action, nullptr);
        const auto connection = QObject::connect(action, &QAction::triggered, [&] { ++fired; });
        QTest::keyClick(frame->GetView(), key.first, key.second);
        Settle();
        QObject::disconnect(connection);
        EXPECT_EQ(fired, 1) << "command " << id;
    }
    EXPECT_EQ(FormatBoard(), board);
    EXPECT_EQ(GameState.undo.undoCount, 1);
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(MainFrameTest, CommandsReachTheirDialogs)
{
    EXPECT_EQ(ModalOpenedBy(ID_APP_ABOUT), "CAboutDlg");
    EXPECT_EQ(ModalOpenedBy(ID_HELP_RULES), "CRulesDlg");
    EXPECT_EQ(ModalOpenedBy(ID_HELP_CREATE), "CCreateHelpDlg");
    EXPECT_EQ(ModalOpenedBy(ID_HELP_SOLVE), "CSolveHelpDlg");
    EXPECT_EQ(ModalOpenedBy(ID_HELP_TOOLS), "CToolsHelpDlg");
    EXPECT_EQ(ModalOpenedBy(ID_BOARD_SIZE), "CSizeDlg");
}

TEST_F(MainFrameTest, FileKeysAndCommandsReachTheViewsHandlers)
{
    int loads = 0, saves = 0;
    SetLoadPathChooser([&](QWidget*) { ++loads; return QString(); });
    SetSavePathChooser([&](QWidget*) { ++saves; return QString(); });
    QTest::keyClick(frame->GetView(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(frame->GetView(), Qt::Key_S, Qt::ControlModifier);
    frame->OnCommand(ID_FILE_SAVE_AS);
    Settle();
    SetLoadPathChooser({});
    SetSavePathChooser({});
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(saves, 2);

    EXPECT_EQ(ModalOpenedDuring([&] { QTest::keyClick(frame->GetView(), Qt::Key_P, Qt::ControlModifier); }),
              "QPrintDialog");
    EXPECT_EQ(ModalOpenedBy(ID_FILE_PRINT_PREVIEW), "QPrintPreviewDialog");
    EXPECT_EQ(ModalOpenedBy(ID_FILE_PRINT_SETUP), "QPageSetupDialog");
}

TEST_F(MainFrameTest, ExitClosesTheWindowWithoutAsking)
{
    EXPECT_EQ(ModalOpenedBy(ID_APP_EXIT), "");
    EXPECT_FALSE(frame->isVisible());
}

}  // namespace

namespace {

// The help of the ﾂｰﾙ menu names every item of that menu, and the keys.
TEST_F(MainFrameTest, ToolsHelpNamesEveryToolsItemAndTheKeys)
{
    QStringList help;
    QTimer::singleShot(0, [&] {
        QWidget* dlg = QApplication::activeModalWidget();
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->windowTitle(), QStringLiteral("ﾂｰﾙの説明"));
        for (const QLabel* label : dlg->findChildren<QLabel*>()) {
            help << label->text();
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << "cut off";
            EXPECT_LE(label->geometry().right(), dlg->width()) << label->text().toStdString();
        }
        dlg->close();
    });
    frame->OnCommand(ID_HELP_TOOLS);
    Settle();
    const QString all = help.join(QLatin1Char('\n'));
    const QMenu* tools = frame->menuBar()->actions()[2]->menu();
    ASSERT_NE(tools, nullptr);
    for (const QAction* a : tools->actions()) {
        if (a->isSeparator())
            continue;
        // The item's name without its mnemonic and dots.
        QString name = a->text();
        name = name.left(name.indexOf(QLatin1String("(&")));
        EXPECT_TRUE(all.contains(QStringLiteral("「%1」").arg(name))) << name.toStdString();
    }
    for (const char* key : {"矢印キー", "スペース", "Shift+スペース", "X", "Esc", "赤い枠", "赤い×", "青い印"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(key))) << key;
}

}  // namespace
