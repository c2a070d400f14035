#include "app/CMainFrame.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>

#include "app/CVandorApp.h"
#include "app/CommandIds.h"
#include "res/Resources.h"
#include "view/CVandorView.h"
#include "view/WindowSettings.h"

namespace {

const char* const kWindowTitle = "解答ﾂｰﾙ";

// Commands the view carries out. Ctrl+S runs the puzzle save as well: a save
// of the empty document would only ever write an empty file.
struct ViewRoute {
    int id;
    void (CVandorView::*handler)();
};
const ViewRoute kViewRoutes[] = {
    {ID_FILE_OPEN, &CVandorView::OnPuzzleLoad},
    {ID_FILE_SAVE_AS, &CVandorView::OnPuzzleSave},
    {ID_FILE_SAVE, &CVandorView::OnPuzzleSave},
    {ID_FILE_PRINT, &CVandorView::OnFilePrint},
    {ID_FILE_PRINT_DIRECT, &CVandorView::OnFilePrint},
    {ID_FILE_PRINT_PREVIEW, &CVandorView::OnFilePrintPreview},
    {ID_BOARD_SIZE, &CVandorView::OnBoardSize},
    {ID_HELP_RULES, &CVandorView::OnHelpRules},
    {ID_HELP_CREATE, &CVandorView::OnHelpCreate},
    {ID_HELP_SOLVE, &CVandorView::OnHelpSolve},
    {ID_HELP_TOOLS, &CVandorView::OnHelpTools},
    {ID_TOOLS_CHECK_UNIQUE, &CVandorView::OnCheckUnique},
    {ID_TOOLS_CHECK_ANSWER, &CVandorView::OnCheckAnswer},
    {ID_TOOLS_HINT, &CVandorView::OnHint},
    {ID_TOOLS_URL_LOAD, &CVandorView::OnUrlLoad},
    {ID_TOOLS_URL_COPY, &CVandorView::OnUrlCopy},
    {ID_TOOLS_PZPRV3_LOAD, &CVandorView::OnPzprv3Load},
    {ID_TOOLS_PZPRV3_SAVE, &CVandorView::OnPzprv3Save},
    {ID_TOOLS_GENERATE, &CVandorView::OnGeneratePuzzle},
};

// Checkable items: the view gets the state the item has been switched to.
struct ToggleRoute {
    int id;
    void (CVandorView::*handler)(bool on);
};
const ToggleRoute kToggleRoutes[] = {
    {ID_TOOLS_NOTIFY_SOLVED, &CVandorView::OnNotifySolved},
    {ID_TOOLS_SHOW_UNDECIDED, &CVandorView::OnShowUndecided},
};

// Commands the application carries out when the view has none.
struct AppRoute {
    int id;
    void (CVandorApp::*handler)();
};
const AppRoute kAppRoutes[] = {
    {ID_APP_ABOUT, &CVandorApp::OnShowVersion},
    {ID_FILE_NEW, &CVandorApp::OnFileNew},
    {ID_FILE_PRINT_SETUP, &CVandorApp::OnFilePrintSetup},
};

}  // namespace

CMainFrame::CMainFrame(CVandorApp* app, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_view(new CVandorView(this))
{
    setCentralWidget(m_view);
    // The keys of keyboard play go to the board.
    m_view->setFocus();
    setWindowIcon(QIcon(QPixmap(res::kIcon)));
    BuildMenus();
    BuildAccelerators();
}

QAction* CMainFrame::NewCommand(const QString& text, int id)
{
    auto* action = new QAction(text, this);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    return action;
}

QAction* CMainFrame::NewToggle(const QString& text, int id, bool checked)
{
    auto* action = new QAction(text, this);
    action->setData(id);
    action->setCheckable(true);
    action->setChecked(checked);
    for (const ToggleRoute& route : kToggleRoutes) {
        if (route.id == id)
            connect(action, &QAction::toggled, m_view, route.handler);
    }
    return action;
}

void CMainFrame::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    QAction* open = NewCommand(QStringLiteral("問題を読み込む(&O)"), ID_FILE_OPEN);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addAction(open);
    file->addAction(NewCommand(QStringLiteral("問題を保存する(&S)"), ID_FILE_SAVE_AS));
    file->addSeparator();
    QAction* print = NewCommand(QStringLiteral("印刷(&P)"), ID_FILE_PRINT);
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addAction(print);
    file->addAction(NewCommand(QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰ(&V)"), ID_FILE_PRINT_PREVIEW));
    file->addAction(NewCommand(QStringLiteral("ﾌﾟﾘﾝﾀの設定(&R)"), ID_FILE_PRINT_SETUP));
    file->addSeparator();
    file->addAction(NewCommand(QStringLiteral("終了(&X)"), ID_APP_EXIT));

    // A command directly on the menu bar, between the two menus.
    menuBar()->addAction(NewCommand(QStringLiteral("ｻｲｽﾞ変更(&S)"), ID_BOARD_SIZE));

    QMenu* tools = menuBar()->addMenu(QStringLiteral("ﾂｰﾙ(&T)"));
    tools->addAction(NewCommand(QStringLiteral("解の一意性を調べる(&U)"), ID_TOOLS_CHECK_UNIQUE));
    tools->addAction(NewCommand(QStringLiteral("答え合わせ(&K)"), ID_TOOLS_CHECK_ANSWER));
    tools->addAction(NewCommand(QStringLiteral("ヒント(&H)"), ID_TOOLS_HINT));
    tools->addSeparator();
    tools->addAction(NewCommand(QStringLiteral("URLから読み込む(&L)..."), ID_TOOLS_URL_LOAD));
    tools->addAction(NewCommand(QStringLiteral("URLをコピー(&C)"), ID_TOOLS_URL_COPY));
    tools->addAction(NewCommand(QStringLiteral("pzprv3ファイルを読み込む(&P)..."), ID_TOOLS_PZPRV3_LOAD));
    tools->addAction(NewCommand(QStringLiteral("pzprv3ファイルに保存(&V)..."), ID_TOOLS_PZPRV3_SAVE));
    tools->addSeparator();
    tools->addAction(NewCommand(QStringLiteral("問題を自動作成(&G)..."), ID_TOOLS_GENERATE));
    tools->addSeparator();
    // Off at every start: a check on every edit is for authors who ask for it.
    tools->addAction(NewToggle(QStringLiteral("未確定のマスを常に表示(&A)"), ID_TOOLS_SHOW_UNDECIDED, false));
    tools->addAction(NewToggle(QStringLiteral("完成したら知らせる(&N)"), ID_TOOLS_NOTIFY_SOLVED, NotifyWhenSolved()));

    QMenu* help = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->addAction(NewCommand(QStringLiteral("ﾙｰﾙ説明(&R)"), ID_HELP_RULES));
    help->addSeparator();
    help->addAction(NewCommand(QStringLiteral("操作説明(作成時)(&M)"), ID_HELP_CREATE));
    help->addAction(NewCommand(QStringLiteral("操作説明(解答時)(&A)"), ID_HELP_SOLVE));
    help->addAction(NewCommand(QStringLiteral("ﾂｰﾙの説明(&T)"), ID_HELP_TOOLS));
    help->addSeparator();
    help->addAction(NewCommand(QStringLiteral("ﾊﾞｰｼﾞｮﾝ(&V)"), ID_APP_ABOUT));
}

void CMainFrame::BuildAccelerators()
{
    // Keys without a menu item. The edit and pane keys lead to commands that
    // do nothing; binding them keeps them from reaching anything else.
    const struct {
        int id;
        QList<QKeySequence> keys;
    } accelerators[] = {
        {ID_FILE_NEW, {QKeySequence(Qt::CTRL | Qt::Key_N)}},
        {ID_FILE_SAVE, {QKeySequence(Qt::CTRL | Qt::Key_S)}},
        {ID_EDIT_UNDO, {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}},
        {ID_EDIT_CUT, {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)}},
        {ID_EDIT_COPY, {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}},
        {ID_EDIT_PASTE, {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}},
        {ID_NEXT_PANE, {QKeySequence(Qt::Key_F6)}},
        {ID_PREV_PANE, {QKeySequence(Qt::SHIFT | Qt::Key_F6)}},
    };
    for (const auto& accelerator : accelerators) {
        QAction* action = NewCommand(QString(), accelerator.id);
        action->setShortcuts(accelerator.keys);
        addAction(action);
    }
}

QAction* CMainFrame::FindCommand(int id) const
{
    for (QAction* action : findChildren<QAction*>()) {
        if (action->data().toInt() == id)
            return action;
    }
    return nullptr;
}

void CMainFrame::UpdateCaption()
{
    const QString docTitle = m_app ? m_app->GetDocument().GetTitle() : QString();
    setWindowTitle(docTitle.isEmpty() ? QString::fromUtf8(kWindowTitle)
                                      : docTitle + QStringLiteral(" - ") + QString::fromUtf8(kWindowTitle));
}

void CMainFrame::OnCommand(int id)
{
    for (const ToggleRoute& route : kToggleRoutes) {
        if (route.id == id) {
            // As the menu item does: switch it over, which tells the view.
            if (QAction* action = FindCommand(id))
                action->toggle();
            return;
        }
    }
    for (const ViewRoute& route : kViewRoutes) {
        if (route.id == id) {
            (m_view->*route.handler)();
            // A load, a new puzzle or a new size may have changed the givens.
            m_view->RefreshUndecided();
            return;
        }
    }
    if (id == ID_APP_EXIT) {
        // The document is never modified, so there is nothing to ask.
        close();
        return;
    }
    if (m_app) {
        for (const AppRoute& route : kAppRoutes) {
            if (route.id == id) {
                (m_app->*route.handler)();
                return;
            }
        }
    }
    // Edit and pane commands: no handler, nothing happens.
}
