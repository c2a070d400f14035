#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>

#include <string>

#include "dialogs/ReasonTexts.h"
#include "dialogs/UrlDlg.h"
#include "exchange/PuzzLink.h"
#include "exchange/PuzzleInput.h"
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

    // The givens replace the whole puzzle in create mode; the paint fits
    // the window to the new size before a note about the URL opens.
    ApplyPuzzle(dlg.m_record);
    repaint();
    if (dlg.m_warning != ReadWarning::None)
        QMessageBox::information(window(), kAppName, ReadWarningMessage(dlg.m_warning));
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
    PuzzleInput input;
    PuzzleRecord record;
    ReadError error;
    if (!ReadPuzzleInput(QFile::encodeName(path).toStdString(), input, error, InputFormat::Pzprv3) ||
        !RecordOfInput(input, record, error)) {
        QMessageBox::warning(window(), kAppName,
                             QStringLiteral("ファイル %1 を読み込めませんでした。\n%2")
                                 .arg(QDir::toNativeSeparators(path), ReadErrorMessage(error)));
        return;
    }

    if (!ConfirmDiscardBoard())
        return;
    // Answer stones come in as placed stones in solve mode with no moves to
    // take back; a file without them opens in create mode.
    ApplyPuzzle(record);
    update();
}

void CVandorView::OnPzprv3Save()
{
    const QString path = ChoosePzprv3ToSave(window());
    if (!path.isEmpty())
        SavePzprv3To(path);
}

bool CVandorView::SavePzprv3To(const QString& path)
{
    // The givens and the placed stones, as vandor-cli convert writes them;
    // the board, the mode and the history stay as they are.
    std::string error;
    WriteError failure;
    if (WritePzprv3File(QFile::encodeName(path).toStdString(), GridFromRecord(CapturePuzzle()), error, &failure)) {
        NoteBoardSaved();
        return true;
    }
    QMessageBox::warning(window(), kAppName,
                         QStringLiteral("ファイル %1 に保存できませんでした。\n%2")
                             .arg(QDir::toNativeSeparators(path), WriteErrorMessage(failure)));
    return false;
}
