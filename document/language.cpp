#include "document/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The translators of the language in use are the application's children by
// these names, so that nothing else keeps them.
const QString kProgramEnglish = QStringLiteral("brivel_en");
const QString kToolkitJapanese = QStringLiteral("qtbase_ja");

void Install(const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(name);
    if (translator->load(name, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace

QString Tr(const char* source) { return QCoreApplication::translate(kTextContext, source); }

QString Tr(const MarkedText& text) { return QCoreApplication::translate(kTextContext, text.source, text.comment); }

QString Tr(const QString& source) { return Tr(source.toUtf8().constData()); }

QString Tr(const std::string& source) { return Tr(source.c_str()); }

QString LanguageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ja");
}

std::optional<Language> LanguageOfCode(const QString& code)
{
    for (Language language : {Language::Japanese, Language::English})
        if (code == LanguageCode(language)) return language;
    return std::nullopt;
}

void UseLanguage(Language language)
{
    for (auto* translator : QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    if (language == Language::English)
        Install(kProgramEnglish, QStringLiteral(":/i18n"));
    else
        Install(kToolkitJapanese, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Language LanguageInUse()
{
    const auto* english = QCoreApplication::instance()->findChild<QTranslator*>(kProgramEnglish);
    return english != nullptr ? Language::English : Language::Japanese;
}
