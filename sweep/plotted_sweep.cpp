#include "sweep/plotted_sweep.h"

#include "calc/calc_error.h"
#include "calc/loop_analysis.h"

namespace {

std::pair<double, double> MagnitudeBounds(const GraphState& g)
{
    switch (g.quantity) {
    case PlottedQuantity::BranchCurrent:
        return {g.currentAxisMin, g.currentAxisMax};
    case PlottedQuantity::BranchVoltage:
        return {g.voltageAxisMin, g.voltageAxisMax};
    default:
        return {g.impedanceAxisMin, g.impedanceAxisMax};
    }
}

}  // namespace

PlotWindow PlotWindowOf(const GraphState& g)
{
    const auto [bottom, top] = MagnitudeBounds(g);
    return {static_cast<float>(CommonLogarithm(g.sweepStart)),
            static_cast<float>(CommonLogarithm(g.sweepEnd)),
            static_cast<float>(CommonLogarithm(bottom)),
            static_cast<float>(CommonLogarithm(top)),
            static_cast<float>(g.phaseAxisMin),
            static_cast<float>(g.phaseAxisMax)};
}

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

PlottedSweep PlotSweep(const Circuit* circuit, const GraphState& g, const BranchChecks& checked, bool calculationValid,
                       SweepResult& outcome)
{
    PlottedSweep sweep{g.quantity, checked, {}, {}, circuit ? *circuit : Circuit{}};
    if (circuit) {
        if (const std::optional<SweepResult> failure = SourceFailure(*circuit)) {
            outcome = *failure;
            return sweep;
        }
    }
    try {
        sweep.frequencies = SweptFrequencies(g.sweepStart, g.sweepEnd, SweepStep(g.sweepStart, g.sweepEnd));
    } catch (const CalcError& e) {
        outcome = {SweepResult::Failed, e.description()};
        return sweep;
    }
    if (!circuit) {
        outcome = {SweepResult::NoCalculation, {}};
        return sweep;
    }
    sweep.data = AnalyseSweep(*circuit, sweep.frequencies, g.quantity, checked, calculationValid);
    outcome = SweepOutcome(sweep.data, g.quantity, checked);
    return sweep;
}
