#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/fonts.h"

// The main of every test program that needs widgets.
int main(int argc, char** argv)
{
    // Listing the tests at build time needs no display either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Recovery files and recent-file settings stay out of the user's folders;
    // a test's child process shares its parent's.
    const QTemporaryDir home;
    if (qEnvironmentVariableIsEmpty("BRIVEL_TEST_HOME")) {
        qputenv("BRIVEL_TEST_HOME", home.path().toUtf8());
        qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    }
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
