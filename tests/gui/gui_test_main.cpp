#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/QtJapanese.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Settings the window keeps go to a folder of this run, never into the
    // user's own.
    QTemporaryDir settingsDir;
    if (!settingsDir.isValid())
        return 1;
    QCoreApplication::setOrganizationName(QStringLiteral("vandor-tests"));
    QCoreApplication::setApplicationName(QStringLiteral("vandor-tests"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    // As in the program, so the standard dialogs the tests drive are Japanese.
    LoadQtJapanese();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
