#include "sweep_csv.h"

#include <cmath>

#include "calc/calc_error.h"
#include "circuit_of_document.h"
#include "graph/sweep_data.h"
#include "graph/sweep_table.h"
#include "page_calculation.h"
#include "platform/qstring_utf8.h"

namespace {

SweepCsv Swept(Circuit& c, PlottedQuantity quantity, const SweepRange& range)
{
    const double end = range.from * std::pow(10.0, range.decades);
    const SweepFrequencies sweep = SweptFrequencies(range.from, end, SweepStep(range.from, end));
    SetSweepSource(c);
    const SweepData data = AnalyseSweep(c, sweep, quantity, true);
    BranchChecks every;
    every.fill(true);
    const SweepResult outcome = SweepOutcome(data, quantity, every);
    if (outcome.kind != SweepResult::Completed) return {{}, U8(outcome.description)};
    return {SweepTableText({quantity, every, sweep, data}, nullptr, kCsvSeparator), std::nullopt};
}

}  // namespace

SweepCsv SweepCsvOf(const CircuitDocument& document, PlottedQuantity quantity, const SweepRange& range)
{
    try {
        Circuit c = CircuitOf(document);
        const PageCalculation page = CalculatePage(c, LeadingDefinedCurrents(document));
        if (page.failure) return {{}, U8(*page.failure)};
        return Swept(c, quantity, range);
    } catch (const CalcError& e) {
        return {{}, U8(e.description())};
    }
}
