#include "view/FileDialogs.h"

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

QString RunFileDialog(QWidget* owner, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(owner);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Data Files (*.vdr)"));
    // Typed without an extension, a name gets ".vdr"; replacing an existing
    // file is confirmed first (QFileDialog asks unless told not to).
    dialog.setDefaultSuffix(QStringLiteral("vdr"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

}  // namespace

QString ChoosePuzzleToLoad(QWidget* owner)
{
    if (LoadChooser())
        return LoadChooser()(owner);
    return RunFileDialog(owner, QFileDialog::AcceptOpen);
}

QString ChoosePuzzleToSave(QWidget* owner)
{
    if (SaveChooser())
        return SaveChooser()(owner);
    return RunFileDialog(owner, QFileDialog::AcceptSave);
}

QString ChoosePzprv3ToLoad(QWidget* owner)
{
    if (Pzprv3Chooser())
        return Pzprv3Chooser()(owner);
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("pzprv3 (*.pzprv3 *.txt)"));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
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
