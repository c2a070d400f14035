#include <QApplication>

#include <gtest/gtest.h>

#include "app/QtJapanese.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // As in the program, so the standard dialogs the tests drive are Japanese.
    LoadQtJapanese();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
