#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

#include "document/language.h"
#include "ui/texts.h"

TEST(ToolkitLanguage, StandardButtonsSpeakTheLanguageInUse)
{
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    ASSERT_EQ(cancel(), QStringLiteral("Cancel"));

    UseLanguage(Language::Japanese);
    EXPECT_EQ(cancel(), QString::fromUtf8("キャンセル"));
    EXPECT_EQ(Tr(texts::kCancel), QString::fromUtf8("キャンセル"));
    UseLanguage(Language::English);
    EXPECT_EQ(LanguageInUse(), Language::English);
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
    EXPECT_EQ(Tr(texts::kCancel), QStringLiteral("Cancel"));

    // Leave the other tests with the untranslated toolkit.
    for (auto* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
}
