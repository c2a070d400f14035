#include "app/QtJapanese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

bool LoadQtJapanese()
{
    static QPointer<QTranslator> installed;
    if (installed)
        return true;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return false;

    // Parented to the application, so it goes when the application goes and
    // the next application gets a translator of its own.
    auto* translator = new QTranslator(app);
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    installed = translator;
    // Dates and sizes in the file dialog, units in the page set-up.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    return true;
}
