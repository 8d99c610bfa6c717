#include "document/sweep_csv.h"

#include <QStringList>
#include <cmath>

#include "document/language.h"
#include "calc/calc_error.h"
#include "document/circuit_of_document.h"
#include "sweep/sweep_table.h"
#include "document/incomplete_branches.h"
#include "document/page_calculation.h"
#include "document/qstring_utf8.h"

namespace {

// The sweep of the graph page showing the range.
std::optional<PlottedSweep> Swept(const Circuit& c, PlottedQuantity quantity, const SweepRange& range,
                                  const BranchChecks& plotted, std::optional<QString>& failure)
{
    GraphState g;
    g.quantity = quantity;
    g.sweepStart = range.from;
    g.sweepEnd = range.from * std::pow(10.0, range.decades);
    SweepResult outcome;
    PlottedSweep sweep = PlotSweep(&c, g, plotted, true, outcome);
    if (outcome.kind == SweepResult::Completed) return sweep;
    failure = Tr(outcome.description);
    return std::nullopt;
}

}  // namespace

DocumentSweep SweepOfDocument(const CircuitDocument& document, PlottedQuantity quantity, const SweepRange& range,
                              const BranchChecks& plotted, const std::optional<ElementValue>& element)
{
    DocumentSweep swept;
    try {
        swept.circuit = CircuitOf(document);
        if (element) swept.circuit = WithElementValue(swept.circuit, *element);
        const PageCalculation page = CalculatePage(swept.circuit);
        if (page.failure) {
            swept.failure = Tr(*page.failure);
            return swept;
        }
        // A branch without a current has no curve of its own.
        const std::vector<int> withoutCurrent = BranchesWithoutCurrent(document);
        if (quantity != PlottedQuantity::InputImpedance && !withoutCurrent.empty()) {
            swept.failure = NoBranchCurrentMessage(withoutCurrent);
            return swept;
        }
        swept.sweep = Swept(swept.circuit, quantity, range, plotted, swept.failure);
    } catch (const CalcError& e) {
        swept.failure = Tr(e.description());
    }
    return swept;
}

SweepCsv SweepCsvOf(const CircuitDocument& document, PlottedQuantity quantity, const SweepRange& range)
{
    const DocumentSweep swept = SweepOfDocument(document, quantity, range, EveryBranch());
    if (!swept.sweep) return {{}, swept.failure};
    return {SweepTableText(*swept.sweep, nullptr, kCsvSeparator), std::nullopt};
}

SweepCsv SteppedSweepCsvOf(const CircuitDocument& document, PlottedQuantity quantity, const SweepRange& range,
                           const ElementSlot& element, const std::vector<double>& values)
{
    PlottedSweep family{quantity, EveryBranch(), {}, {}, {}, element, {}};
    QStringList failures;
    for (double value : values) {
        DocumentSweep swept = SweepOfDocument(document, quantity, range, EveryBranch(), ElementValue{element, value});
        FamilyMember member{value, std::move(swept.circuit), {}, std::nullopt};
        if (swept.sweep) {
            family.frequencies = swept.sweep->frequencies;
            member.data = std::move(swept.sweep->data);
        } else {
            failures << StepColumnName({element, value}) + QStringLiteral(": ") + swept.failure.value_or(QString());
        }
        family.family.push_back(std::move(member));
    }
    const std::optional<QString> failure =
        failures.isEmpty() ? std::nullopt : std::optional<QString>(failures.join(QLatin1Char('\n')));
    if (family.frequencies.frequency.empty()) return {{}, failure};
    return {SweepTableText(family, nullptr, kCsvSeparator), failure};
}
