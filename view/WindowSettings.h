// What the window keeps between runs, in the application's QSettings: the
// ﾂｰﾙ menu's 完成したら知らせる switch and the folder each kind of file
// dialog was last used in.
#pragma once

#include <QString>

// Whether a board filled correctly by hand is announced; on until turned off.
bool NotifyWhenSolved();
void SetNotifyWhenSolved(bool on);

enum class FileKind { Puzzle, Pzprv3, Pdf };

// The folder a dialog for files of this kind was last used in, or an empty
// string before the first use.
QString LastFolder(FileKind kind);
// Remembers the folder of path (a file or a folder).
void RememberFolder(FileKind kind, const QString& path);
