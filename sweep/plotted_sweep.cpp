#include "sweep/plotted_sweep.h"

#include "calc/calc_error.h"

std::vector<PlottedCurve> CurvesOf(const PlottedSweep& sweep)
{
    if (sweep.data.curves.empty()) return {};
    if (sweep.quantity == PlottedQuantity::InputImpedance) return {{PlottedQuantity::InputImpedance, 0}};
    std::vector<PlottedCurve> curves;
    const auto branches = static_cast<int>(sweep.data.curves.size());
    for (int b = 1; b <= branches && b < static_cast<int>(sweep.plotted.size()); ++b)
        if (sweep.plotted[b]) curves.push_back({sweep.quantity, b});
    return curves;
}

const SweepCurve& NumbersOf(const PlottedSweep& sweep, const PlottedCurve& curve)
{
    return sweep.data.curves[curve.quantity == PlottedQuantity::InputImpedance ? 0 : curve.branch - 1];
}

std::optional<SweepValue> ValueAt(const PlottedSweep& sweep, const PlottedCurve& curve, size_t k)
{
    const SweepCurve& numbers = NumbersOf(sweep, curve);
    return k < numbers.values.size() ? numbers.values[k] : std::nullopt;
}

std::optional<PlottedSweep> SweepAsPlotted(const Circuit& c, const GraphState& g, const BranchChecks& checked,
                                           bool calculationValid, SweepResult& outcome)
{
    try {
        PlottedSweep sweep{g.quantity, checked, {}, {}, c};
        if (const std::optional<SweepResult> failure = SourceFailure(c)) {
            outcome = *failure;
            return std::nullopt;
        }
        sweep.frequencies = SweptFrequencies(g.sweepStart, g.sweepEnd, SweepStep(g.sweepStart, g.sweepEnd));
        SetSweepSource(sweep.circuit);
        sweep.data = AnalyseSweep(sweep.circuit, sweep.frequencies, g.quantity, calculationValid);
        outcome = SweepOutcome(sweep.data, g.quantity, checked);
        if (outcome.kind != SweepResult::Completed) return std::nullopt;
        return sweep;
    } catch (const CalcError& e) {
        outcome = {SweepResult::Failed, e.description()};
        return std::nullopt;
    }
}
