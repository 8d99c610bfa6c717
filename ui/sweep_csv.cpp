#include "sweep_csv.h"

#include <cmath>

#include "calc/calc_error.h"
#include "circuit_of_document.h"
#include "graph/sweep_data.h"
#include "graph/sweep_table.h"
#include "incomplete_branches.h"
#include "page_calculation.h"
#include "platform/qstring_utf8.h"

namespace {

SweepCsv Swept(Circuit& c, PlottedQuantity quantity, const SweepRange& range)
{
    const double end = range.from * std::pow(10.0, range.decades);
    const SweepFrequencies sweep = SweptFrequencies(range.from, end, SweepStep(range.from, end));
    SetSweepSource(c);
    const SweepData data = AnalyseSweep(c, sweep, quantity, true);
    const SweepResult outcome = SweepOutcome(data, quantity, EveryBranch());
    if (outcome.kind != SweepResult::Completed) return {{}, U8(outcome.description)};
    return {SweepTableText({quantity, EveryBranch(), sweep, data, c}, nullptr, kCsvSeparator), std::nullopt};
}

}  // namespace

SweepCsv SweepCsvOf(const CircuitDocument& document, PlottedQuantity quantity, const SweepRange& range)
{
    try {
        Circuit c = CircuitOf(document);
        const PageCalculation page = CalculatePage(c);
        if (page.failure) return {{}, U8(*page.failure)};
        // A branch without a current has no column of its own to print.
        const std::vector<int> withoutCurrent = BranchesWithoutCurrent(document);
        if (quantity != PlottedQuantity::InputImpedance && !withoutCurrent.empty())
            return {{}, NoBranchCurrentMessage(withoutCurrent)};
        return Swept(c, quantity, range);
    } catch (const CalcError& e) {
        return {{}, U8(e.description())};
    }
}
