#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QApplication>

#include "app/CVandorApp.h"
#include "app/QtJapanese.h"

namespace {

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

// Without any display Qt aborts with a stack trace; say plainly what is wrong
// instead. A platform chosen explicitly (variable or -platform) is trusted.
bool DisplayAvailable(int argc, char** argv)
{
    if (IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!DisplayAvailable(argc, argv)) {
        std::fprintf(stderr,
                     "vandor: there is no display to open the window on "
                     "(DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are all unset).\n"
                     "To run it on a virtual display, start it under Xvfb:\n"
                     "  xvfb-run -a %s\n",
                     argv[0]);
        return 1;
    }

    QApplication qtApp(argc, argv);
    // Without the translation the standard dialogs stay in English; the
    // program works all the same.
    if (!LoadQtJapanese())
        std::fprintf(stderr, "vandor: Qt's Japanese translation (qtbase_ja) was not found; "
                             "standard dialogs stay in English.\n");
    CVandorApp app;
    if (!app.InitInstance(QApplication::arguments()))
        return 1;
    return qtApp.exec();
}
