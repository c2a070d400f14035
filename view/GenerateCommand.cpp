// "問題を自動作成": a new puzzle of the board's size, made on a worker thread
// behind a progress dialog that can cancel it. The generator solves records
// of its own, so the worker never touches GameState; the board is replaced
// only once the puzzle is ready, and a cancel changes nothing.
#include "view/CVandorView.h"

#include <QMessageBox>
#include <QPointer>

#include <string>

#include "dialogs/GenerateDlg.h"
#include "generator/Generator.h"
#include "io/PuzzleRecord.h"
#include "model/GameState.h"
#include "view/BackgroundTask.h"

namespace {

const QString kAppName = QStringLiteral("vandor");

}  // namespace

void CVandorView::OnGeneratePuzzle()
{
    CGenerateDlg dlg(window());
    if (dlg.DoModal() != QDialog::Accepted || !ConfirmDiscardBoard())
        return;

    GenerateOptions options;
    options.width = GameState.width;
    options.height = GameState.height;
    options.level = dlg.m_level;
    options.seed = dlg.m_hasSeed ? dlg.m_seed : RandomSeed();
    // A graded level may search for a very long time before it gives up.
    if (LevelGrade(options.level) != 0)
        options.timeLimitMs = kGradeTimeLimitSeconds * 1000LL;

    GenerateResult result;
    // The window keeps handling events while the worker runs, so it may be
    // closed and gone by the time the puzzle is ready.
    const QPointer<CVandorView> self(this);
    const bool finished = RunInBackground(window(), QStringLiteral("問題を作成しています…"),
                                          [&options, &result](const std::atomic<bool>& cancel) {
                                              GenerateOptions o = options;
                                              o.cancel = &cancel;
                                              result = GeneratePuzzle(o);
                                          });
    if (!self || !finished || result.cancelled)
        return;

    if (result.timedOut) {
        QMessageBox::warning(window(), kAppName,
                             QStringLiteral("%1秒以内に問題を作成できませんでした。\n"
                                            "別のｼｰﾄﾞか大きさでお試しください。")
                                 .arg(kGradeTimeLimitSeconds));
        return;
    }
    PuzzleRecord record;
    ReadError error;
    if (!result.ok || !RecordFromGrid(result.puzzle, record, error)) {
        QMessageBox::warning(window(), kAppName, QStringLiteral("問題を作成できませんでした。"));
        return;
    }
    ApplyPuzzle(record);
    // Paint now: the paint fits the window to the new board, and a fit
    // while the message box is opening would leave the box unpainted.
    repaint();
    QMessageBox::information(window(), kAppName,
                             QStringLiteral("問題を作成しました。\nｼｰﾄﾞ: %1\nﾋﾝﾄの数: %2")
                                 .arg(QString::number(options.seed))
                                 .arg(result.givens));
}
