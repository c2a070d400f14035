#include <QDir>
#include <QFile>
#include <QMessageBox>

#include <string>

#include "io/PuzzleFile.h"
#include "model/GameState.h"
#include "view/CVandorView.h"
#include "view/FileDialogs.h"

namespace {

// The reason a save failed, in the window's language for the usual causes;
// anything rarer keeps the system's own words.
QString SaveFailureReason(WriteFailure failure, const std::string& error)
{
    switch (failure) {
    case WriteFailure::NoSuchFolder: return QStringLiteral("保存先のフォルダーが見つかりません。");
    case WriteFailure::PermissionDenied: return QStringLiteral("保存先に書き込む権限がありません。");
    case WriteFailure::ReadOnlyFileSystem: return QStringLiteral("保存先は読み取り専用です。");
    case WriteFailure::DiskFull: return QStringLiteral("ディスクの空き容量が足りません。");
    case WriteFailure::NameTooLong: return QStringLiteral("ファイル名が長すぎます。");
    case WriteFailure::NotRegularFile: return QStringLiteral("保存先は通常のファイルではありません。");
    default: return QString::fromLocal8Bit(error.c_str());
    }
}

}  // namespace

void CVandorView::OnPuzzleLoad()
{
    const QString path = ChoosePuzzleToLoad(window());
    if (path.isEmpty())
        return;

    // On success GameState holds the file and the next paint fits the window
    // to it; on failure the puzzle stays as it was and only the status line
    // changes, to say the file could not be read.
    std::string error;
    LoadPuzzleFile(QFile::encodeName(path).toStdString(), error);
    update();
}

void CVandorView::OnPuzzleSave()
{
    const QString path = ChoosePuzzleToSave(window());
    if (path.isEmpty())
        return;

    std::string error;
    WriteFailure failure = WriteFailure::None;
    if (!SavePuzzleFile(QFile::encodeName(path).toStdString(), error, &failure)) {
        QMessageBox::warning(window(), QStringLiteral("vandor"),
                             QStringLiteral("ファイル %1 に保存できませんでした。\n%2")
                                 .arg(QDir::toNativeSeparators(path), SaveFailureReason(failure, error)));
    } else {
        NoteBoardSaved();
    }
    update();
}
