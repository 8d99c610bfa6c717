#pragma once
// The program's arguments: which of them open the window, the options of the
// command-line modes read into values, and the help text that lists them.

#include <QString>
#include <QStringList>
#include <map>
#include <optional>

#include "document/language.h"

// True unless the arguments are the window's: at most one FILE, besides the
// toolkit's own options and --lang with a language. Anything else, an unknown option or a second
// argument included, goes to the command line, which refuses it without
// touching a display.
bool IsCommandLineMode(int argc, char* argv[]);

enum class Option { Results, Full, Sweep, Find, Check, Loops, Spice, Quantity, Branch, From, Decades, Lang, Step, Help, Version };

struct Arguments {
    std::map<Option, QString> given;  // a flag's value is empty
    QStringList positional;

    bool Has(Option option) const { return given.contains(option); }
    QString Value(Option option, const QString& byDefault = {}) const;
};

struct ArgumentsRead {
    Arguments arguments;
    // What is wrong, for the usage error: an unknown option, a missing value,
    // an option given twice.
    std::optional<QString> error;
};

// The arguments after the program's name.
ArgumentsRead ReadArguments(const QStringList& arguments);

// "--from".
QString OptionName(Option option);

// The language --lang names among the arguments after the program's name:
// the only way the command line and a run of the window are told one.
std::optional<Language> LanguageArgument(const QStringList& arguments);

// Every way to call the program and every option, in the language in use.
QString HelpText();
