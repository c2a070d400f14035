// ヒント: in the solve modes it first looks for placed stones unlike the
// puzzle's one solution, and otherwise shows the next step of the reasoner on
// the board, with blue marks and a sentence saying what and why. In create
// mode it grades the puzzle of the givens. The work runs on a worker thread
// like the other checks; the marks go with the next edit.
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>

#include <cstddef>
#include <vector>

#include "dialogs/ReasonTexts.h"
#include "exact/AnswerCheck.h"
#include "exact/ExactSolver.h"
#include "io/PuzzleRecord.h"
#include "model/GameState.h"
#include "reason/Reasoner.h"
#include "view/BackgroundTask.h"
#include "view/CVandorView.h"
#include "view/CheckCommands.h"
#include "view/CheckMarks.h"
#include "view/HintWords.h"
#include "view/Geometry.h"
#include "view/UndoMoves.h"
#include "view/WindowSettings.h"

namespace {

const QString kAppName = QStringLiteral("vandor");

// One sentence per technique. %1: the decided cells, %2: the cells of the
// reason, %3: the colour decided, %4: the other colour, %5: the depth, %6
// and %7: the cells of the reason that hold the colour decided and the
// other colour.
struct StepWords {
    reason::Technique technique;
    const char* sentence;
};

const StepWords kStepWords[] = {
    {reason::Technique::Block, "%1 は%3です。%2 が%4なので、%4にすると 2×2 が%4だけになります。"},
    {reason::Technique::Checker, "%1 は%3です。%4にすると %2 と合わせて 2×2 が市松模様になります。"},
    {reason::Technique::Ring,
     "%1 は%3です。外周で%3の %6 の間にあり、外周の反対側に%4の %7 があるので、%4にすると外周の%3と%4が"
     "交互に並び、どちらかがつながれなくなります。"},
    {reason::Technique::Escape, "%1 は%3です。%2 の%3がほかの%3とつながるための出口は、ここしか残っていません。"},
    {reason::Technique::Reach, "%1 は%3です。%3の %2 に囲まれていて、%4にするとほかの%4とつながれません。"},
    {reason::Technique::Cut, "%1 は%3です。%4にすると %2 の%3が分断され、つながれなくなります。"},
    {reason::Technique::Trial, "%1 は%3です。%4と仮定して手筋を進めると、%5 巡目で %2 に矛盾が起きます。"},
    {reason::Technique::Either, "%1 は%3です。%2 を白と仮定しても黒と仮定しても、手筋を進めるとそうなります。"},
    {reason::Technique::Parity,
     "%1 は%3です。白と黒の境目の線は盤の内側の格子点をすべて一度ずつ通るので、外周で色が変わる所（線の端）は"
     "格子点の偶奇で限られます。%4にすると %2 のそばの、色が変われない所で変わってしまいます。"},
    {reason::Technique::Search, "%1 は%3です。手筋では決まりませんが、すべての解を調べるとどの解でも%3です。"},
};


bool IsSolveMode(int mode)
{
    return mode == SolveStart || mode == SolveInProgress || mode == SolveFinished;
}

QString ColourName(int colour)
{
    return colour == reason::kWhite ? QStringLiteral("白") : QStringLiteral("黒");
}

// "(4,3)(5,3)": cells as (column,row), 1-based, from row-by-row indices.
QString CellNames(const std::vector<int>& cells, int width)
{
    QString text;
    for (int i : cells)
        text += QStringLiteral("(%1,%2)").arg(i % width + 1).arg(i / width + 1);
    return text;
}

}  // namespace

QString StepSentence(const reason::Finding& f, const reason::Board& board)
{
    const int width = board.width;
    std::vector<int> same, other;
    for (int cell : f.because)
        (board.colours[cell] == f.colour ? same : other).push_back(cell);
    for (const StepWords& w : kStepWords) {
        if (w.technique != f.technique)
            continue;
        return QString::fromUtf8(w.sentence)
            .replace(QStringLiteral("%1"), CellNames(f.cells, width))
            .replace(QStringLiteral("%2"), CellNames(f.because, width))
            .replace(QStringLiteral("%6"), CellNames(same, width))
            .replace(QStringLiteral("%7"), CellNames(other, width))
            .replace(QStringLiteral("%3"), ColourName(f.colour))
            .replace(QStringLiteral("%4"), ColourName(f.colour == reason::kWhite ? reason::kBlack : reason::kWhite))
            .replace(QStringLiteral("%5"), QString::number(f.depth));
    }
    return QString();
}

namespace {

// Adds the mark kind to the cells, row-by-row indices of a board width wide.
void MarkCells(const std::vector<int>& cells, int width, MarkKind kind)
{
    for (int i : cells) {
        GameState.checkMarks[i % width + 1][i / width + 1] |= kind;
        ++GameState.checkMarkCount;
    }
}

struct HintResult {
    ExactResult exact;
    reason::Explanation step;
};

// Runs work in the background; false (after saying so) when cancelled.
bool RunHintWork(QWidget* parent, const std::function<void(const std::atomic<bool>&)>& work, bool& cancelled)
{
    cancelled = false;
    const bool finished = RunInBackground(parent, QStringLiteral("問題を調べています…"), work);
    if (!finished || cancelled) {
        QMessageBox::information(parent, kAppName, QStringLiteral("調査を中止しました"));
        return false;
    }
    return true;
}

int CountWrongStones(const Grid& board, const Grid& solution)
{
    AnswerReport report;
    MarkWrongStones(board, solution, report);
    return report.wrongStones;
}

// The grade and the techniques the reasoner needed for the puzzle.
QString GradeMessage(const reason::Explanation& e)
{
    if (e.outcome == reason::Outcome::NoSolution)
        return QStringLiteral("この問題は成立していません");
    if (e.outcome == reason::Outcome::Several)
        return QStringLiteral("この問題は別解があります");
    QStringList used;
    for (int t = 0; t < reason::kTechniqueCount; ++t)
        if (e.counts[t] > 0)
            used << QStringLiteral("%1 %2 回")
                        .arg(QString::fromUtf8(reason::InfoOf(static_cast<reason::Technique>(t)).name))
                        .arg(e.counts[t]);
    QString text = QStringLiteral("この問題の難易度は %1 %2 です。").arg(e.grade).arg(GradeName(e.grade));
    if (!used.isEmpty())
        text += QStringLiteral("\n使う手筋: ") + used.join(QStringLiteral("、"));
    return text;
}

}  // namespace

void CVandorView::OnHint()
{
    const Grid board = GridFromRecord(CapturePuzzle());
    if (board.width < 1 || board.height < 1 || (!IsSolveMode(GameState.mode) && GameState.mode != CreateMode))
        return;
    const bool create = GameState.mode == CreateMode;
    const Grid start = create ? GivensOf(board) : board;
    auto result = std::make_shared<HintResult>();
    bool cancelled = false;
    const QPointer<CVandorView> self(this);
    const bool done = RunHintWork(
        window(),
        [result, start, create, engine = CheckEngine(), &cancelled](const std::atomic<bool>& cancel) {
            if (!create) {
                ExactOptions options;
                options.cancel = &cancel;
                result->exact = engine(GivensOf(start), options);
                if (result->exact.cancelled) {
                    cancelled = true;
                    return;
                }
            }
            result->step = reason::Explain(start, {&cancel, create ? 0 : 1});
            cancelled = result->step.cancelled;
        },
        cancelled);
    if (!done || !self)
        return;
    if (create) {
        QMessageBox::information(window(), kAppName, GradeMessage(result->step));
        return;
    }
    const int wrong = result->exact.solutions == 1 ? CountWrongStones(board, result->exact.first) : 0;
    if (wrong > 0)
        HintWrongStones(board, result->exact.first, wrong);
    else
        HintStep(result->step);
}

void CVandorView::HintWrongStones(const Grid& board, const Grid& solution, int wrong)
{
    QMessageBox box(QMessageBox::Information, kAppName, QStringLiteral("間違っている石が %1 個あります").arg(wrong),
                    QMessageBox::NoButton, window());
    QPushButton* show = box.addButton(QStringLiteral("表示(&S)"), QMessageBox::ActionRole);
    QPushButton* back = box.addButton(QStringLiteral("戻す(&B)"), QMessageBox::ActionRole);
    box.addButton(QStringLiteral("閉じる"), QMessageBox::RejectRole);
    box.exec();
    if (box.clickedButton() == show) {
        AnswerReport report;
        MarkWrongStones(board, solution, report);
        ClearCheckMarks();
        m_liveMarksShown = false;
        std::vector<int> cells;
        for (std::size_t i = 0; i < report.marks.size(); ++i)
            if (report.marks[i])
                cells.push_back(static_cast<int>(i));
        MarkCells(cells, board.width, kCrossMark);
    } else if (box.clickedButton() == back) {
        // Ordinary undo steps, back to the newest board without a wrong stone;
        // when the history holds none, the board stays as it was.
        const GameStateRecord before = GameState;
        while (CountWrongStones(GridFromRecord(CapturePuzzle()), solution) > 0) {
            if (!TakeBackMove()) {
                GameState = before;
                QMessageBox::information(window(), kAppName,
                                         QStringLiteral("戻せる手をすべて戻しても間違っている石が残ります"));
                return;
            }
        }
        ClearCheckMarks();
    }
    update();
    RefreshUndecided();
}

void CVandorView::HintStep(const reason::Explanation& e)
{
    const int width = GameState.width;
    if (e.steps.empty()) {
        QString text;
        if (e.outcome == reason::Outcome::Solved)
            text = QStringLiteral("この盤面は完成しています");
        else if (e.outcome == reason::Outcome::Several)
            text = QStringLiteral("これ以上決まるマスはありません。決まらないマス: %1").arg(CellNames(e.undecided, width));
        else
            text = QStringLiteral("この盤面には解がありません");
        QMessageBox::information(window(), kAppName, text);
        return;
    }
    const reason::Finding& f = e.steps.front();
    ClearCheckMarks();
    m_liveMarksShown = false;
    MarkCells(f.cells, width, kHintMark);
    MarkCells(f.because, width, kHintReasonMark);
    update();
    QMessageBox box(QMessageBox::Information, kAppName, StepSentence(f, e.board), QMessageBox::NoButton, window());
    QPushButton* place = box.addButton(QStringLiteral("置く(&P)"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("閉じる"), QMessageBox::RejectRole);
    box.exec();
    if (box.clickedButton() == place)
        PlaceHintStones(f.cells, f.colour);
}

void CVandorView::PlaceHintStones(const std::vector<int>& cells, int colour)
{
    // Each stone is one move, recorded as a press on the board records it.
    const int width = GameState.width;
    for (int i : cells) {
        std::uint8_t& code = GameState.board[i % width + 1][i / width + 1].code;
        if (code != Empty)
            continue;
        code = colour == reason::kWhite ? PlacedWhite : PlacedBlack;
        AppendUndoRecord(i % width + 1, i / width + 1, Empty);
    }
    if (GameState.mode == SolveStart)
        GameState.mode = SolveInProgress;
    ClearCheckMarks();
    update();
    RefreshUndecided();
    if (NotifyWhenSolved() && CheckAnswerRules(GridFromRecord(CapturePuzzle())).Correct())
        AnnounceSolved();
}
