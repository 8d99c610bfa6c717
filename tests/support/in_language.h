#pragma once
// The program and the toolkit speak the language while this lives, and are
// untranslated again after it, as the other tests expect them.

#include <QCoreApplication>
#include <QTranslator>

#include "document/language.h"

class InLanguage {
public:
    explicit InLanguage(Language language) { UseLanguage(language); }
    ~InLanguage()
    {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) delete translator;
    }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;
};
