#include "app/command_line_arguments.h"

#include <array>
#include <string_view>

#include "document/language.h"
#include "document/qstring_utf8.h"
#include "app/cli_texts.h"

namespace {

struct OptionEntry {
    Option option;
    const char* name;
    std::array<const char*, 2> aliases;
    bool takesValue;
    const char* shown;  // in the help's option column
    const char* help;
};

constexpr OptionEntry kOptions[] = {
    {Option::Results, "--results", {}, true, "--results FILE", texts::kHelpResults},
    {Option::Full, "--full", {}, false, "--full", texts::kHelpFull},
    {Option::Sweep, "--sweep", {}, true, "--sweep FILE", texts::kHelpSweep},
    {Option::Find, "--find", {}, true, "--find SEARCH FILE", texts::kHelpFind},
    {Option::Quantity, "--quantity", {}, true, "--quantity QUANTITY", texts::kHelpQuantity},
    {Option::Branch, "--branch", {}, true, "--branch N", texts::kHelpBranch},
    {Option::From, "--from", {}, true, "--from HZ", texts::kHelpFrom},
    {Option::Decades, "--decades", {}, true, "--decades 2|4", texts::kHelpDecades},
    {Option::Lang, "--lang", {}, true, "--lang en|ja", texts::kHelpLang},
    {Option::Step, "--step", {}, true, "--step Zn.X=VALUES", texts::kHelpStep},
    {Option::Check, "--check", {}, true, "--check FILE", texts::kHelpCheck},
    {Option::Loops, "--loops", {}, true, "--loops FILE", texts::kHelpLoops},
    {Option::Spice, "--spice", {}, true, "--spice FILE", texts::kHelpSpice},
    {Option::Help, "--help", {"-h", "-?"}, false, "-h, --help", texts::kHelpHelp},
    {Option::Version, "--version", {"-v"}, false, "-v, --version", texts::kHelpVersion},
};

constexpr int kOptionColumn = 20;

constexpr const char* kSynopsis[] = {
    "brivel [FILE]",
    "brivel --results FILE [--full]",
    "brivel --sweep FILE [--quantity impedance|current|voltage] [--from HZ] [--decades 2|4] [--step Zn.R|L|C=VALUES]",
    "brivel --find max|min|-3db|phase0 FILE [--quantity impedance|current|voltage] [--branch N] [--from HZ] "
    "[--decades 2|4]",
    "brivel --check FILE",
    "brivel --loops FILE",
    "brivel --spice FILE",
    "brivel --help",
    "brivel --version",
};

// The options the toolkit takes from the command line of any program with a
// window, with one or two dashes, a value after "=" or as the next argument.
struct ToolkitOption {
    std::string_view name;
    bool takesValue;
};

constexpr ToolkitOption kToolkitOptions[] = {
    {"platform", true},        {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},        {"qwindowtitle", true},  {"session", true},
    {"style", true},           {"stylesheet", true},         {"display", true},       {"reverse", false},
};

const ToolkitOption* ToolkitOptionOf(std::string_view argument)
{
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    const std::string_view name = argument.substr(0, argument.find('='));
    for (const ToolkitOption& option : kToolkitOptions)
        if (option.name == name) return &option;
    return nullptr;
}

const OptionEntry* EntryNamed(const QString& name)
{
    for (const OptionEntry& entry : kOptions) {
        if (name == QLatin1String(entry.name)) return &entry;
        for (const char* alias : entry.aliases)
            if (alias != nullptr && name == QLatin1String(alias)) return &entry;
    }
    return nullptr;
}

const OptionEntry& EntryOf(Option option)
{
    for (const OptionEntry& entry : kOptions)
        if (entry.option == option) return entry;
    return kOptions[0];
}

ArgumentsRead Refused(ArgumentsRead& read, const QString& why)
{
    read.error = why;
    return read;
}

}  // namespace

bool IsCommandLineMode(int argc, char* argv[])
{
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument.size() < 2 || argument[0] != '-') {
            ++files;
            continue;
        }
        if (argument == "--lang" || argument.starts_with("--lang=")) {
            const bool apart = argument == "--lang";
            if (apart && i + 1 == argc) return true;
            const QString code = QString::fromLocal8Bit(apart ? argv[++i] : argv[i] + 7);
            if (!LanguageOfCode(code)) return true;
            continue;
        }
        const ToolkitOption* option = ToolkitOptionOf(argument);
        if (option == nullptr) return true;
        if (option->takesValue && argument.find('=') == std::string_view::npos) ++i;
    }
    return files > 1;
}

QString Arguments::Value(Option option, const QString& byDefault) const
{
    const auto value = given.find(option);
    return value == given.end() ? byDefault : value->second;
}

ArgumentsRead ReadArguments(const QStringList& arguments)
{
    ArgumentsRead read;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.size() < 2 || !argument.startsWith('-')) {
            read.arguments.positional << argument;
            continue;
        }
        const qsizetype equals = argument.indexOf('=');
        const OptionEntry* entry = EntryNamed(equals < 0 ? argument : argument.left(equals));
        if (entry == nullptr || (!entry->takesValue && equals >= 0)) return Refused(read, argument);
        QString value;
        if (entry->takesValue && equals >= 0) {
            value = argument.mid(equals + 1);
        } else if (entry->takesValue) {
            if (i + 1 == arguments.size()) return Refused(read, argument);
            value = arguments[++i];
        }
        if (read.arguments.Has(entry->option)) return Refused(read, Tr(texts::kOptionTwice).arg(entry->name));
        read.arguments.given[entry->option] = value;
    }
    return read;
}

QString OptionName(Option option) { return QLatin1String(EntryOf(option).name); }

// Read apart from the other options, which may be the toolkit's.
std::optional<Language> LanguageArgument(const QStringList& arguments)
{
    const QString option = OptionName(Option::Lang);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == option && i + 1 < arguments.size()) return LanguageOfCode(arguments[i + 1]);
        if (arguments[i].startsWith(option + '=')) return LanguageOfCode(arguments[i].mid(option.size() + 1));
    }
    return std::nullopt;
}

QString HelpText()
{
    QString text = Tr(texts::kHelpUsage) + '\n';
    for (const char* line : kSynopsis) text += QStringLiteral("  ") + QLatin1String(line) + '\n';
    text += '\n' + Tr(texts::kHelpWindow) + "\n\n";
    for (const OptionEntry& entry : kOptions)
        text += QStringLiteral("  %1 %2\n").arg(QLatin1String(entry.shown), -kOptionColumn).arg(Tr(entry.help));
    return text + '\n' + Tr(texts::kHelpToolkit) + '\n' + Tr(texts::kHelpExitStatus) + '\n';
}
