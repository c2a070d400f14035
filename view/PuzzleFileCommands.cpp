#include <QDir>
#include <QFile>
#include <QMessageBox>

#include <string>

#include "dialogs/ReasonTexts.h"
#include "io/PuzzleFile.h"
#include "model/GameState.h"
#include "view/CVandorView.h"
#include "view/FileDialogs.h"

void CVandorView::OnPuzzleLoad()
{
    const QString path = ChoosePuzzleToLoad(window());
    if (path.isEmpty())
        return;

    // On success GameState holds the file and the next paint fits the window
    // to it; on failure the puzzle stays as it was and only the status line
    // changes, to say the file could not be read.
    ReadError error;
    LoadPuzzleFile(QFile::encodeName(path).toStdString(), error);
    update();
}

void CVandorView::OnPuzzleSave()
{
    const QString path = ChoosePuzzleToSave(window());
    if (path.isEmpty())
        return;

    // A name ending in .pzprv3 asks for that format: .vdr bytes under it
    // could not be read back as one.
    if (path.endsWith(QStringLiteral(".pzprv3"), Qt::CaseInsensitive)) {
        SavePzprv3To(path);
        update();
        return;
    }
    std::string error;
    WriteError failure;
    if (!SavePuzzleFile(QFile::encodeName(path).toStdString(), error, &failure)) {
        QMessageBox::warning(window(), QStringLiteral("vandor"),
                             QStringLiteral("ファイル %1 に保存できませんでした。\n%2")
                                 .arg(QDir::toNativeSeparators(path), WriteErrorMessage(failure)));
    } else {
        NoteBoardSaved();
    }
    update();
}
