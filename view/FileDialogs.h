// The file dialogs of the load and save commands and of the pzprv3 load
// (filter "pzprv3 (*.pzprv3 *.txt)"). Each returns the chosen
// path, or an empty string when the user cancels. Tests put their own
// choosers in place so that no real dialog opens.
#pragma once

#include <QString>

#include <functional>

#include "view/WindowSettings.h"

class QWidget;

QString ChoosePuzzleToLoad(QWidget* owner);
QString ChoosePuzzleToSave(QWidget* owner);
QString ChoosePzprv3ToLoad(QWidget* owner);
QString ChoosePzprv3ToSave(QWidget* owner);  // tests replace it with SetPzprv3PathChooser too

// A file dialog for files of kind, opening in the folder such a file was last
// chosen in (between runs too) and remembering the folder of the file chosen.
// save: a save dialog (an existing file is confirmed before it is replaced);
// suffix, if any, is added to a name typed without an extension.
QString ChooseFile(QWidget* owner, FileKind kind, bool save, const QString& filter,
                   const QString& suffix = QString());

using PuzzlePathChooser = std::function<QString(QWidget* owner)>;

// Replaces a dialog; an empty chooser puts the real dialog back.
void SetLoadPathChooser(PuzzlePathChooser chooser);
void SetSavePathChooser(PuzzlePathChooser chooser);
void SetPzprv3PathChooser(PuzzlePathChooser chooser);
