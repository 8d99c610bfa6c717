#include <QApplication>
#include <gtest/gtest.h>

#include "platform/fonts.h"

// The main of every test program that needs widgets.
int main(int argc, char** argv)
{
    // Listing the tests at build time needs no display either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
