#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>

#include <string>

#include "dialogs/UrlDlg.h"
#include "exchange/PuzzLink.h"
#include "exchange/Pzprv3.h"
#include "io/PuzzleRecord.h"
#include "model/GameState.h"
#include "model/Grid.h"
#include "view/CVandorView.h"
#include "view/FileDialogs.h"

namespace {

// Caption of the program's own message boxes.
const QString kAppName = QStringLiteral("vandor");

}  // namespace

void CVandorView::OnUrlLoad()
{
    CUrlDlg dlg(window());
    if (dlg.DoModal() != QDialog::Accepted || !ConfirmDiscardBoard())
        return;

    // The givens replace the whole puzzle in create mode; the next paint
    // fits the window to the new size.
    ApplyPuzzle(dlg.m_record);
    update();
}

void CVandorView::OnUrlCopy()
{
    const std::string url = FormatPuzzLinkUrl(GridFromRecord(CapturePuzzle()));
    const QString text = QString::fromStdString(url);
    QGuiApplication::clipboard()->setText(text);
    QMessageBox::information(window(), kAppName, QStringLiteral("URLをクリップボードにコピーしました。\n%1").arg(text));
}

void CVandorView::OnPzprv3Load()
{
    const QString path = ChoosePzprv3ToLoad(window());
    if (path.isEmpty())
        return;

    // Everything is checked before GameState is touched: a file that cannot
    // be opened here leaves the puzzle and the status line as they were.
    Grid grid;
    PuzzleRecord record;
    std::string error;
    QString why;
    if (!ReadPzprv3File(QFile::encodeName(path).toStdString(), grid, error))
        why = QString::fromLocal8Bit(error.c_str());
    else if (grid.width < kMinSize || grid.width > kMaxSize || grid.height < kMinSize || grid.height > kMaxSize)
        why = BoardSizeRefusal(grid.width, grid.height);
    else if (!RecordFromGrid(grid, record, error))
        why = QString::fromStdString(error);
    if (!why.isEmpty()) {
        QMessageBox::warning(window(), kAppName,
                             QStringLiteral("ファイル %1 を読み込めませんでした。\n%2")
                                 .arg(QDir::toNativeSeparators(path), why));
        return;
    }

    if (!ConfirmDiscardBoard())
        return;
    // Answer stones come in as placed stones in solve mode with no moves to
    // take back; a file without them opens in create mode.
    ApplyPuzzle(record);
    update();
}
