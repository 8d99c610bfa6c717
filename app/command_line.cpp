#include "app/command_line.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "document/language.h"
#include "app/command_line_arguments.h"
#include "calc/calc_error.h"
#include "document/circuit_file.h"
#include "document/circuit_of_document.h"
#include "document/drawing_check_text.h"
#include "document/drawn_page.h"
#include "document/spice_netlist.h"
#include "sweep/graph_state.h"
#include "sweep/position_steps.h"
#include "document/incomplete_branches.h"
#include "document/matrix_check_text.h"
#include "document/qstring_utf8.h"
#include "document/results_text.h"
#include "document/search_text.h"
#include "document/step_list.h"
#include "document/sweep_csv.h"
#include "app/cli_texts.h"

namespace {

enum Exit { kDone = 0, kNotCalculable = 1, kRefused = 2, kDisagrees = 3 };

constexpr std::array<std::pair<const char*, PlottedQuantity>, 3> kQuantities = {{
    {"impedance", PlottedQuantity::InputImpedance},
    {"current", PlottedQuantity::BranchCurrent},
    {"voltage", PlottedQuantity::BranchVoltage},
}};

constexpr std::array<std::pair<const char*, CurveSearch>, 4> kSearches = {{
    {"max", CurveSearch::Maximum},
    {"min", CurveSearch::Minimum},
    {"-3db", CurveSearch::HalfPower},
    {"phase0", CurveSearch::PhaseZero},
}};

constexpr std::array<Option, 6> kModes = {Option::Results, Option::Sweep, Option::Find,
                                          Option::Check,   Option::Loops, Option::Spice};

// Whether an option fits the mode: some mean something to some modes only.
bool Fits(Option option, Option mode)
{
    switch (option) {
    case Option::Full:
        return mode == Option::Results;
    case Option::Quantity:
    case Option::From:
    case Option::Decades:
        return mode == Option::Sweep || mode == Option::Find;
    case Option::Branch:
        return mode == Option::Find;
    case Option::Step:
        return mode == Option::Sweep;
    default:
        return true;
    }
}

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

int UsageError(const QString& detail) { return Fail(kRefused, Tr(texts::kUsageError) + detail); }

// Standard output takes the whole text or the run fails: output lost to a
// full disk or a closed stream is no success.
int Succeed(const QString& text, int status = kDone)
{
    const QByteArray bytes = text.toUtf8();
    const auto size = static_cast<size_t>(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0)
        return Fail(kNotCalculable, Tr(texts::kCannotWriteOutput));
    return status;
}

// The warning the window gives at 計算実行, which calculates all the same.
void WarnOfDisagreements(const CircuitDocument& document)
{
    const std::vector<ElementDisagreement> disagreements = DocumentDisagreements(document);
    if (!disagreements.empty()) Print(stderr, DisagreementLines(disagreements).join('\n') + '\n');
}

template <class Value, size_t N>
std::optional<Value> Named(const std::array<std::pair<const char*, Value>, N>& names, const QString& name)
{
    for (const auto& [key, value] : names)
        if (name == QLatin1String(key)) return value;
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

struct SweepOptions {
    PlottedQuantity quantity = PlottedQuantity::InputImpedance;
    SweepRange range;
};

// Nothing when the options are right; otherwise the one that is wrong.
std::optional<QString> ReadSweepOptions(const Arguments& a, SweepOptions& options)
{
    const QString quantity = a.Value(Option::Quantity, QStringLiteral("impedance"));
    const QString from = a.Value(Option::From, QStringLiteral("100"));
    const QString decades = a.Value(Option::Decades, QStringLiteral("4"));
    const auto plotted = Named(kQuantities, quantity);
    if (!plotted) return OptionName(Option::Quantity) + ' ' + quantity;
    const auto left = LeftEdgeOf(from);
    if (!left) return OptionName(Option::From) + ' ' + from;
    if (decades != "2" && decades != "4") return OptionName(Option::Decades) + ' ' + decades;
    options = {*plotted, {*left, decades.toInt()}};
    return std::nullopt;
}

int RunResults(const Arguments& a)
{
    const CircuitFileRead read = ReadToCalculate(a.Value(Option::Results));
    if (!read.document) return Fail(kRefused, read.error.Message());
    WarnOfDisagreements(*read.document);
    const ResultsText results = ResultsOf(*read.document, a.Has(Option::Full) ? ResultsForm::Full : ResultsForm::Shown);
    if (results.failure) return Fail(kNotCalculable, *results.failure);
    return Succeed(results.lines);
}

struct StepOption {
    ElementSlot element;
    std::vector<double> values;
};

// "Z3.C=1u,2.2u,4.7u", any branch's R, L or C: nothing when it reads, else
// what cannot be read and where, counted in the option's value.
std::optional<QString> ReadStepOption(const QString& text, int branches, StepOption& step)
{
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    const QString name = text.left(equals);
    static const QRegularExpression form(QStringLiteral("^Z([1-9][0-9]?)\\.([RLC])$"));
    const QRegularExpressionMatch element = form.match(name);
    const int branch = element.hasMatch() ? element.captured(1).toInt() : 0;
    if (equals < 0 || branch < 1 || branch > branches) return Tr(texts::kStepElementUnreadable).arg(name).arg(1);
    const QString list = text.mid(equals + 1);
    const StepList read = ReadStepList(list);
    if (read.unreadable) return StepListProblem(list, *read.unreadable, equals + 1);
    const auto kind = static_cast<size_t>(QStringLiteral("RLC").indexOf(element.captured(2)));
    step = {{branch, kElementKinds[kind]}, read.values};
    return std::nullopt;
}

// With --step, a table that some values could not fill is written, their
// failures said on standard error, and the run counts as failed.
int RunSweep(const Arguments& a)
{
    SweepOptions o;
    if (const auto wrong = ReadSweepOptions(a, o)) return UsageError(*wrong);
    StepOption step;
    const QString stepText = a.Value(Option::Step);
    const auto wrongStep = [&](int branches) -> std::optional<QString> {
        if (!a.Has(Option::Step)) return std::nullopt;
        const std::optional<QString> wrong = ReadStepOption(stepText, branches, step);
        if (!wrong) return std::nullopt;
        return OptionName(Option::Step) + ' ' + stepText + Tr(graph_text::kFailedFor) + *wrong;
    };
    if (const auto wrong = wrongStep(Circuit::MaxBranches)) return UsageError(*wrong);
    const CircuitFileRead read = ReadToCalculate(a.Value(Option::Sweep));
    if (!read.document) return Fail(kRefused, read.error.Message());
    if (const auto wrong = wrongStep(read.document->branches)) return UsageError(*wrong);
    WarnOfDisagreements(*read.document);
    const SweepCsv csv = a.Has(Option::Step)
                             ? SteppedSweepCsvOf(*read.document, o.quantity, o.range, step.element, step.values)
                             : SweepCsvOf(*read.document, o.quantity, o.range);
    if (csv.text.isEmpty()) return Fail(kNotCalculable, csv.failure.value_or(QString()));
    if (csv.failure) Print(stderr, *csv.failure + '\n');
    return Succeed(csv.text, csv.failure ? kNotCalculable : kDone);
}

// A branch quantity is searched on branch 1 unless --branch names another.
int RunFind(const Arguments& a)
{
    const QString searchName = a.Value(Option::Find);
    const auto search = Named(kSearches, searchName);
    if (!search) return UsageError(OptionName(Option::Find) + ' ' + searchName);
    if (a.positional.size() != 1)
        return UsageError(a.positional.isEmpty() ? OptionName(Option::Find) + ' ' + searchName + " FILE"
                                                 : a.positional.mid(1).join(' '));
    SweepOptions o;
    if (const auto wrong = ReadSweepOptions(a, o)) return UsageError(*wrong);
    const bool branchQuantity = o.quantity != PlottedQuantity::InputImpedance;
    const QString branchText = a.Value(Option::Branch, QStringLiteral("1"));
    bool numeric = false;
    const int branch = branchText.toInt(&numeric);
    const QString wrongBranch = OptionName(Option::Branch) + ' ' + branchText;
    if (a.Has(Option::Branch) && !branchQuantity) return UsageError(wrongBranch);
    if (!numeric || branch < 1 || branch > Circuit::MaxBranches) return UsageError(wrongBranch);

    const CircuitFileRead read = ReadToCalculate(a.positional.front());
    if (!read.document) return Fail(kRefused, read.error.Message());
    if (branch > read.document->branches) return UsageError(wrongBranch);
    WarnOfDisagreements(*read.document);
    const SearchText found =
        SearchTextOf(*read.document, {*search, {o.quantity, branchQuantity ? branch : 0}, o.range});
    if (found.failure) return Fail(kNotCalculable, *found.failure);
    if (found.note) Print(stderr, *found.note + '\n');
    return Succeed(found.lines);
}

// The loops of the file's drawing, or the exit status of a file that could
// not be read or has no drawing or a refused one, said on standard error.
struct DrawingRead {
    std::optional<CircuitDocument> document;
    std::optional<DiagramLoops> loops;
    int failed = kDone;
};

DrawingRead ReadDrawing(const CircuitFileRead& read)
{
    if (!read.document) return {std::nullopt, std::nullopt, Fail(kRefused, read.error.Message())};
    if (!read.document->drawing) return {std::nullopt, std::nullopt, Fail(kRefused, Tr(texts::kNoDrawing))};
    auto outcome = DeriveLoops(read.document->drawing->diagram);
    if (const auto* refusal = std::get_if<DiagramRefusal>(&outcome))
        return {std::nullopt, std::nullopt, Fail(kRefused, Tr(texts::kDrawingRefused) + U8(RefusalText(*refusal)))};
    return {read.document, std::get<DiagramLoops>(std::move(outcome))};
}

// The disagreeing elements on standard output, which a disagreement alone
// writes to: the matrix against the branch currents, then the page against
// its drawing. A missing branch current is said as a disagreement with the
// drawing where there is one.
int RunCheck(const QString& path)
{
    const CircuitFileRead read = ReadCircuitFile(path);
    if (!read.document) return Fail(kRefused, read.error.Message());
    QStringList drawingLines;
    if (read.document->drawing) {
        const DrawingRead drawn = ReadDrawing(read);
        if (!drawn.loops) return drawn.failed;
        drawingLines = DrawingDisagreementLines(*read.document, *drawn.loops);
    }
    const LoopDefinitions definitions = DefinitionsOf(*read.document);
    const MatrixDerivation derivation = DeriveMatrix(definitions);
    QStringList lines;
    if (const auto failure = DerivationFailure(derivation)) {
        if (drawingLines.isEmpty()) return Fail(kRefused, *failure);
    } else {
        lines = DisagreementLines(Disagreements(definitions, *derivation.matrix));
    }
    lines += drawingLines;
    if (lines.isEmpty()) return kDone;
    return Succeed(lines.join('\n') + '\n', kDisagrees);
}

int RunLoops(const QString& path)
{
    const DrawingRead drawn = ReadDrawing(ReadCircuitFile(path));
    if (!drawn.loops) return drawn.failed;
    QString text;
    for (const std::string& line : LoopEquationLines(*drawn.loops)) text += U8(line) + '\n';
    return Succeed(text);
}

// The circuit that 計算ページへ反映 would leave on the page.
int RunSpice(const QString& path)
{
    const DrawingRead drawn = ReadDrawing(ReadCircuitFile(path));
    if (!drawn.loops) return drawn.failed;
    const CircuitDocument page = DrawnPage(*drawn.document, *drawn.document->drawing, *drawn.loops);
    const std::vector<int> unentered = UnenteredBranches(page);
    if (!unentered.empty()) Print(stderr, UnenteredNotice(unentered) + '\n');
    try {
        return Succeed(U8(SpiceNetlist(*drawn.loops, CircuitOf(page), GraphState{}.sweepStart)));
    } catch (const CalcError& e) {
        return Fail(kNotCalculable, Tr(e.description()));
    }
}

// The one mode the options ask for, or the usage error.
int RunMode(const Arguments& a)
{
    QStringList modes;
    for (Option mode : kModes)
        if (a.Has(mode)) modes << OptionName(mode);
    if (modes.size() != 1)
        return UsageError(modes.isEmpty() && !a.positional.isEmpty()
                              ? a.positional.join(' ')
                              : QStringLiteral("--results FILE | --sweep FILE | --find SEARCH FILE | --check FILE | "
                                               "--loops FILE | --spice FILE"));
    const auto mode = *std::find_if(kModes.begin(), kModes.end(), [&](Option m) { return a.Has(m); });
    if (mode != Option::Find && !a.positional.isEmpty()) return UsageError(a.positional.join(' '));
    for (const auto& [option, value] : a.given)
        if (!Fits(option, mode)) return UsageError(OptionName(mode) + ": " + OptionName(option));
    switch (mode) {
    case Option::Results:
        return RunResults(a);
    case Option::Sweep:
        return RunSweep(a);
    case Option::Find:
        return RunFind(a);
    case Option::Loops:
        return RunLoops(a.Value(Option::Loops));
    case Option::Spice:
        return RunSpice(a.Value(Option::Spice));
    default:
        return RunCheck(a.Value(Option::Check));
    }
}

}  // namespace

int RunCommandLine(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (const std::optional<Language> language = LanguageArgument(arguments)) UseLanguage(*language);
    const ArgumentsRead read = ReadArguments(arguments);
    if (read.error) return UsageError(*read.error);
    const QString language = read.arguments.Value(Option::Lang, LanguageCode(Language::Japanese));
    if (!LanguageOfCode(language)) return UsageError(OptionName(Option::Lang) + ' ' + language);
    if (read.arguments.Has(Option::Help)) return Succeed(HelpText());
    if (read.arguments.Has(Option::Version))
        return Succeed(QStringLiteral("brivel %1\n").arg(QStringLiteral(BRIVEL_VERSION)));
    return RunMode(read.arguments);
}
