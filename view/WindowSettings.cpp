#include "view/WindowSettings.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const char* const kNotifyKey = "window/notifyWhenSolved";

QString FolderKey(FileKind kind)
{
    switch (kind) {
    case FileKind::Puzzle: return QStringLiteral("folders/puzzle");
    case FileKind::Pzprv3: return QStringLiteral("folders/pzprv3");
    default: return QStringLiteral("folders/pdf");
    }
}

}  // namespace

bool NotifyWhenSolved()
{
    return QSettings().value(QLatin1String(kNotifyKey), true).toBool();
}

void SetNotifyWhenSolved(bool on)
{
    QSettings().setValue(QLatin1String(kNotifyKey), on);
}

QString LastFolder(FileKind kind)
{
    return QSettings().value(FolderKey(kind)).toString();
}

void RememberFolder(FileKind kind, const QString& path)
{
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    QSettings().setValue(FolderKey(kind), info.isDir() ? info.absoluteFilePath() : info.absolutePath());
}
