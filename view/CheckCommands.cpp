// The checks run the exact engine on the given stones on a worker thread, so
// the window stays live, then show their verdict in a message box and mark the
// cells concerned. They change neither the board, the mode, the undo history
// nor the status line; the marks go with the next edit (ClearCheckMarks).
#include "view/CheckCommands.h"

#include <QMessageBox>
#include <QPointer>
#include <QStringList>

#include <cstddef>
#include <memory>
#include <vector>

#include "exact/AnswerCheck.h"
#include "io/PuzzleRecord.h"
#include "model/GameState.h"
#include "view/BackgroundTask.h"
#include "view/CVandorView.h"
#include "view/CheckMarks.h"
#include "view/Geometry.h"

namespace {

const QString kAppName = QStringLiteral("vandor");

ExactEngine g_engine = &SolveExact;

bool IsSolveMode(int mode)
{
    return mode == SolveStart || mode == SolveInProgress || mode == SolveFinished;
}

// Runs the engine on its own copy of the givens; false when the user
// cancelled or the engine stopped before it had an answer.
bool RunEngine(QWidget* parent, const Grid& board, bool findUndecided, ExactResult& out)
{
    const Grid givens = GivensOf(board);
    const ExactEngine engine = g_engine;
    ExactResult result;
    const bool finished = RunInBackground(parent, QStringLiteral("問題を調べています…"),
                                          [&result, givens, engine, findUndecided](const std::atomic<bool>& cancel) {
                                              ExactOptions options;
                                              options.findUndecided = findUndecided;
                                              options.cancel = &cancel;
                                              result = engine(givens, options);
                                          });
    // A search that was cancelled or stopped early has proved nothing, so no
    // verdict is shown, only that the search stopped.
    if (!finished || result.cancelled) {
        QMessageBox::information(parent, kAppName, QStringLiteral("調査を中止しました"));
        return false;
    }
    out = std::move(result);
    return true;
}

// Gives every cell flagged in flags (row by row, 0-based) the mark kind;
// returns how many cells were flagged.
int AddMarks(const Grid& board, const std::vector<std::uint8_t>& flags, MarkKind kind)
{
    int count = 0;
    for (int y = 0; y < board.height; ++y) {
        for (int x = 0; x < board.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * board.width + x;
            if (i < flags.size() && flags[i]) {
                GameState.checkMarks[x + 1][y + 1] |= kind;
                ++count;
            }
        }
    }
    GameState.checkMarkCount += count;
    return count;
}

// Replaces the marks with frames on the cells flagged.
int SetMarks(const Grid& board, const std::vector<std::uint8_t>& flags)
{
    ClearCheckMarks();
    return AddMarks(board, flags, kFrameMark);
}

QString AnswerMessage(const AnswerReport& report, const ExactResult& exact)
{
    if (report.Correct())
        return QStringLiteral("正解です");

    QStringList lines;
    if (report.blocks > 0)
        lines << QStringLiteral("同じ色の 2×2 が %1 か所あります（赤い枠）").arg(report.blocks);
    if (report.whiteGroups > 1)
        lines << QStringLiteral("しろまるが %1 つに分かれています（小さい方に赤い枠）").arg(report.whiteGroups);
    if (report.blackGroups > 1)
        lines << QStringLiteral("くろまるが %1 つに分かれています（小さい方に赤い枠）").arg(report.blackGroups);
    if (exact.solutions == 0)
        lines << QStringLiteral("この問題は成立していません");
    else if (exact.solutions >= 2)
        lines << QStringLiteral("この問題は別解があるので、置いた石を答えと比べていません");
    if (report.wrongStones > 0)
        lines << QStringLiteral("答えと違う石が %1 個あります（赤い×）").arg(report.wrongStones);
    if (lines.isEmpty())
        lines << QStringLiteral("ここまでに間違いはありません");
    if (report.emptyCells > 0)
        lines << QStringLiteral("空いているマスが %1 個あります").arg(report.emptyCells);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

ExactEngine SetCheckEngine(ExactEngine engine)
{
    const ExactEngine previous = g_engine;
    g_engine = engine ? engine : &SolveExact;
    return previous;
}

ExactEngine CheckEngine()
{
    return g_engine;
}

void CVandorView::OnCheckUnique()
{
    const Grid board = GridFromRecord(CapturePuzzle());
    if (board.width < 1 || board.height < 1)
        return;
    ExactResult result;
    const QPointer<CVandorView> self(this);
    if (!RunEngine(window(), board, true, result) || !self)
        return;

    m_liveMarksShown = false;
    QString text;
    if (result.solutions == 0) {
        text = QStringLiteral("この問題は成立していません");
        SetMarks(board, {});
    } else if (result.solutions == 1) {
        text = QStringLiteral("この問題は唯一解です");
        SetMarks(board, {});
    } else {
        const int undecided = SetMarks(board, result.undecided);
        text = QStringLiteral("この問題は別解があります\n決まらないマス: %1 個（赤い枠）").arg(undecided);
    }
    update();
    QMessageBox::information(window(), kAppName, text);
}

void CVandorView::OnCheckAnswer()
{
    if (!IsSolveMode(GameState.mode)) {
        QMessageBox::information(window(), kAppName, QStringLiteral("答え合わせは解答モードで使えます"));
        return;
    }
    const Grid board = GridFromRecord(CapturePuzzle());
    if (board.width < 1 || board.height < 1)
        return;

    AnswerReport report = CheckAnswerRules(board);
    ExactResult exact;
    exact.solutions = 1;
    // A full board that obeys every rule is a solution; anything else is also
    // compared with the solution, when there is exactly one.
    if (!report.Correct()) {
        const QPointer<CVandorView> self(this);
        if (!RunEngine(window(), board, false, exact) || !self)
            return;
    }
    // The rules' cells get frames, the stones unlike the answer a cross of
    // their own, so a wrong stone inside a framed block is still told apart.
    m_liveMarksShown = false;
    SetMarks(board, report.marks);
    if (exact.solutions == 1) {
        AnswerReport wrong;
        MarkWrongStones(board, exact.first, wrong);
        report.wrongStones = wrong.wrongStones;
        AddMarks(board, wrong.marks, kCrossMark);
    }
    update();
    QMessageBox::information(window(), kAppName, AnswerMessage(report, exact));
}

void CVandorView::OnShowUndecided(bool on)
{
    m_showUndecided = on;
    if (on) {
        // A check of the board as it is, at once.
        m_liveGivens = Grid();
        RefreshUndecided();
        return;
    }
    m_liveJob->Stop();
    m_liveGivens = Grid();
    if (m_liveMarksShown && GameState.checkMarkCount > 0) {
        ClearCheckMarks();
        update(geom::ToQRect(geom::BoardRect(GameState.width, GameState.height)));
    }
    m_liveMarksShown = false;
}

void CVandorView::RefreshUndecided()
{
    if (!m_showUndecided)
        return;
    const Grid givens = GivensOf(GridFromRecord(CapturePuzzle()));
    if (givens.width < 1 || givens.height < 1)
        return;
    if (givens == m_liveGivens) {
        // An edit took the marks off, the givens are the same: put them back.
        if (m_liveReady && GameState.checkMarkCount == 0)
            ShowLiveMarks();
        return;
    }
    m_liveGivens = givens;
    m_liveReady = false;
    auto result = std::make_shared<ExactResult>();
    const ExactEngine engine = g_engine;
    m_liveJob->Start(
        [result, givens, engine](const std::atomic<bool>& cancel) {
            ExactOptions options;
            options.findUndecided = true;
            options.cancel = &cancel;
            *result = engine(givens, options);
        },
        [this, result] {
            // A search that stopped early proved nothing: no marks.
            m_liveUndecided = result->cancelled || result->solutions < 2 ? std::vector<std::uint8_t>()
                                                                           : result->undecided;
            m_liveReady = true;
            ShowLiveMarks();
        });
}

void CVandorView::ShowLiveMarks()
{
    // Marks of another check stay until an edit takes them off.
    if (GameState.checkMarkCount > 0 && !m_liveMarksShown)
        return;
    const Grid board = GridFromRecord(CapturePuzzle());
    if (GivensOf(board) != m_liveGivens)
        return;
    SetMarks(board, m_liveUndecided);
    m_liveMarksShown = true;
    update(geom::ToQRect(geom::BoardRect(GameState.width, GameState.height)));
}
