#include "view/FileDialogs.h"

#include <QDir>
#include <QFileDialog>

#include <utility>

namespace {

PuzzlePathChooser& LoadChooser()
{
    static PuzzlePathChooser chooser;
    return chooser;
}

PuzzlePathChooser& SaveChooser()
{
    static PuzzlePathChooser chooser;
    return chooser;
}

PuzzlePathChooser& Pzprv3Chooser()
{
    static PuzzlePathChooser chooser;
    return chooser;
}

QString RunPuzzleDialog(QWidget* owner, bool save)
{
    // Typed without an extension, a name gets ".vdr"; replacing an existing
    // file is confirmed first (QFileDialog asks unless told not to).
    return ChooseFile(owner, FileKind::Puzzle, save, QStringLiteral("Data Files (*.vdr)"), QStringLiteral("vdr"));
}

}  // namespace

QString ChoosePuzzleToLoad(QWidget* owner)
{
    if (LoadChooser())
        return LoadChooser()(owner);
    return RunPuzzleDialog(owner, false);
}

QString ChoosePuzzleToSave(QWidget* owner)
{
    if (SaveChooser())
        return SaveChooser()(owner);
    return RunPuzzleDialog(owner, true);
}

QString ChoosePzprv3ToLoad(QWidget* owner)
{
    if (Pzprv3Chooser())
        return Pzprv3Chooser()(owner);
    return ChooseFile(owner, FileKind::Pzprv3, false, QStringLiteral("pzprv3 (*.pzprv3 *.txt)"));
}

QString ChooseFile(QWidget* owner, FileKind kind, bool save, const QString& filter, const QString& suffix)
{
    QFileDialog dialog(owner);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    if (!suffix.isEmpty())
        dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    // Each kind of file opens where a file of that kind was chosen last time.
    const QString folder = LastFolder(kind);
    if (!folder.isEmpty() && QDir(folder).exists())
        dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return QString();
    RememberFolder(kind, files.first());
    return files.first();
}

QString ChoosePzprv3ToSave(QWidget* owner)
{
    if (Pzprv3Chooser())
        return Pzprv3Chooser()(owner);
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("pzprv3 (*.pzprv3)"));
    dialog.setDefaultSuffix(QStringLiteral("pzprv3"));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

void SetLoadPathChooser(PuzzlePathChooser chooser) { LoadChooser() = std::move(chooser); }
void SetSavePathChooser(PuzzlePathChooser chooser) { SaveChooser() = std::move(chooser); }
void SetPzprv3PathChooser(PuzzlePathChooser chooser) { Pzprv3Chooser() = std::move(chooser); }
