#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

#include "platform/toolkit_language.h"

TEST(ToolkitLanguage, StandardButtonsSpeakJapanese)
{
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    ASSERT_EQ(cancel(), QStringLiteral("Cancel"));

    InstallToolkitTranslation();
    EXPECT_EQ(cancel(), QString::fromUtf8("キャンセル"));

    // Leave the other tests with the untranslated toolkit.
    for (auto* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
}
