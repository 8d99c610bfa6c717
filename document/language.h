#pragma once
// The language the interface speaks. The texts are written in Japanese, the
// program's own language, and marked where they are defined; whatever shows
// one passes it through Tr, which gives it in the language in use. Japanese
// needs no translation; English is a translation built into the program.

#include <QString>
#include <optional>
#include <string>

// The context of every marked text.
inline constexpr const char* kTextContext = "Brivel";

// A marked text whose Japanese says something else elsewhere too, marked
// with QT_TRANSLATE_NOOP3: the comment tells the two translations apart.
struct MarkedText {
    constexpr MarkedText(const char* text) : source(text) {}
    constexpr MarkedText(const char* text, const char* what) : source(text), comment(what) {}
    const char* source;
    const char* comment = nullptr;
};

// A marked text, or a text kept by its Japanese form (a unit of the
// document), as the language in use writes it.
QString Tr(const char* source);
QString Tr(const MarkedText& text);
QString Tr(const QString& source);
QString Tr(const std::string& source);

enum class Language { Japanese, English };

// "ja" and "en", as --lang and the settings name them.
QString LanguageCode(Language language);
std::optional<Language> LanguageOfCode(const QString& code);

// From now on the program and the toolkit's own dialogs speak the language,
// and every window is told so (QEvent::LanguageChange). Needs the
// application object; the toolkit speaks Japanese only where its translation
// files are installed.
void UseLanguage(Language language);
Language LanguageInUse();
