#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <array>
#include <cstdio>
#include <string_view>

#include "calc/matrix_from_currents.h"
#include "circuit_file.h"
#include "graph/position_steps.h"
#include "incomplete_branches.h"
#include "matrix_check_text.h"
#include "platform/qstring_utf8.h"
#include "results_text.h"
#include "sweep_csv.h"
#include "texts.h"

namespace {

enum Exit { kDone = 0, kNotCalculable = 1, kRefused = 2, kDisagrees = 3 };

constexpr std::array<std::string_view, 12> kModeArguments = {"--results",  "--full", "--sweep",   "--check",
                                                             "--quantity", "--from", "--decades", "--help",
                                                             "--version",  "-h",     "-?",        "-v"};

constexpr std::array<std::pair<const char*, PlottedQuantity>, 3> kQuantities = {{
    {"impedance", PlottedQuantity::InputImpedance},
    {"current", PlottedQuantity::BranchCurrent},
    {"voltage", PlottedQuantity::BranchVoltage},
}};

struct Options {
    QCommandLineOption results{QStringLiteral("results"), U8(texts::kHelpResults), QStringLiteral("FILE")};
    QCommandLineOption full{QStringLiteral("full"), U8(texts::kHelpFull)};
    QCommandLineOption sweep{QStringLiteral("sweep"), U8(texts::kHelpSweep), QStringLiteral("FILE")};
    QCommandLineOption check{QStringLiteral("check"), U8(texts::kHelpCheck), QStringLiteral("FILE")};
    QCommandLineOption quantity{QStringLiteral("quantity"), U8(texts::kHelpQuantity), QStringLiteral("QUANTITY")};
    QCommandLineOption from{QStringLiteral("from"), U8(texts::kHelpFrom), QStringLiteral("HZ")};
    QCommandLineOption decades{QStringLiteral("decades"), U8(texts::kHelpDecades), QStringLiteral("2|4")};
};

void Print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

int Fail(int status, const QString& message)
{
    Print(stderr, message + '\n');
    return status;
}

int UsageError(const QString& detail) { return Fail(kRefused, U8(texts::kUsageError) + detail); }

int Succeed(const QString& text)
{
    Print(stdout, text);
    return kDone;
}

std::optional<PlottedQuantity> QuantityOf(const QString& name)
{
    for (const auto& [key, quantity] : kQuantities)
        if (name == QLatin1String(key)) return quantity;
    return std::nullopt;
}

// Any number form of one of the graph's left edges.
std::optional<double> LeftEdgeOf(const QString& text)
{
    bool numeric = false;
    const double hz = text.toDouble(&numeric);
    for (double step : kSweepStartSteps)
        if (numeric && hz == step) return step;
    return std::nullopt;
}

// The circuit of a file to calculate. A branch never entered is calculated
// as 0 Ω, which is said on standard error, as 計算実行 asks about it.
CircuitFileRead ReadToCalculate(const QString& path)
{
    CircuitFileRead read = ReadCircuitFile(path);
    if (read.document) {
        const std::vector<int> unentered = UnenteredBranches(*read.document);
        if (!unentered.empty()) Print(stderr, UnenteredNotice(unentered) + '\n');
    }
    return read;
}

int RunResults(const QString& path, ResultsForm form)
{
    const CircuitFileRead read = ReadToCalculate(path);
    if (!read.document) return Fail(kRefused, read.error.Message());
    const ResultsText results = ResultsOf(*read.document, form);
    if (results.failure) return Fail(kNotCalculable, *results.failure);
    return Succeed(results.lines);
}

int RunSweep(const QCommandLineParser& parser, const Options& o)
{
    const auto quantity = QuantityOf(parser.isSet(o.quantity) ? parser.value(o.quantity) : "impedance");
    if (!quantity) return UsageError("--quantity " + parser.value(o.quantity));
    const auto from = LeftEdgeOf(parser.isSet(o.from) ? parser.value(o.from) : "100");
    if (!from) return UsageError("--from " + parser.value(o.from));
    const QString decades = parser.isSet(o.decades) ? parser.value(o.decades) : "4";
    if (decades != "2" && decades != "4") return UsageError("--decades " + decades);

    const CircuitFileRead read = ReadToCalculate(parser.value(o.sweep));
    if (!read.document) return Fail(kRefused, read.error.Message());
    const SweepCsv csv = SweepCsvOf(*read.document, *quantity, {*from, decades.toInt()});
    if (csv.failure) return Fail(kNotCalculable, *csv.failure);
    return Succeed(csv.text);
}

// The disagreeing elements on standard output, which a disagreement alone
// writes to.
int RunCheck(const QString& path)
{
    const CircuitFileRead read = ReadCircuitFile(path);
    if (!read.document) return Fail(kRefused, read.error.Message());
    const LoopDefinitions definitions = DefinitionsOf(*read.document);
    const MatrixDerivation derivation = DeriveMatrix(definitions);
    if (const auto failure = DerivationFailure(derivation)) return Fail(kRefused, *failure);
    const std::vector<ElementDisagreement> disagreements = Disagreements(definitions, *derivation.matrix);
    if (disagreements.empty()) return kDone;
    Print(stdout, DisagreementLines(disagreements).join('\n') + '\n');
    return kDisagrees;
}

// The one mode the options ask for, or the usage error.
int RunMode(const QCommandLineParser& parser, const Options& o)
{
    if (!parser.positionalArguments().isEmpty()) return UsageError(parser.positionalArguments().join(' '));
    const bool results = parser.isSet(o.results), sweep = parser.isSet(o.sweep), check = parser.isSet(o.check);
    if (results + sweep + check != 1) return UsageError("--results FILE | --sweep FILE | --check FILE");
    const QString mode = results ? "--results" : sweep ? "--sweep" : "--check";
    if (!sweep && (parser.isSet(o.quantity) || parser.isSet(o.from) || parser.isSet(o.decades)))
        return UsageError(mode + ": --quantity, --from, --decades");
    if (!results && parser.isSet(o.full)) return UsageError(mode + ": --full");
    if (results)
        return RunResults(parser.value(o.results), parser.isSet(o.full) ? ResultsForm::Full : ResultsForm::Shown);
    if (check) return RunCheck(parser.value(o.check));
    return RunSweep(parser, o);
}

}  // namespace

bool IsCommandLineMode(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        const std::string_view name = argument.substr(0, argument.find('='));
        for (std::string_view mode : kModeArguments)
            if (name == mode) return true;
    }
    return false;
}

int RunCommandLine(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brivel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRIVEL_VERSION));
    QCommandLineParser parser;
    const Options o;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions({o.results, o.full, o.sweep, o.check, o.quantity, o.from, o.decades});
    if (!parser.parse(QCoreApplication::arguments())) return UsageError(parser.errorText());
    if (parser.isSet(help)) return Succeed(parser.helpText());
    if (parser.isSet(version)) return Succeed(QStringLiteral("brivel %1\n").arg(QStringLiteral(BRIVEL_VERSION)));
    return RunMode(parser, o);
}
