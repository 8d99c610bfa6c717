#include "window_language.h"

#include <QSettings>

namespace {

const QString kKey = QStringLiteral("language");

}  // namespace

Language RememberedLanguage()
{
    return LanguageOfCode(QSettings().value(kKey).toString()).value_or(Language::Japanese);
}

void RememberLanguage(Language language) { QSettings().setValue(kKey, LanguageCode(language)); }
