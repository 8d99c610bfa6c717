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

namespace {

// The curves of one circuit of `branches` branches, of the family's member
// `member` or none.
void AddCurves(std::vector<PlottedCurve>& curves, const PlottedSweep& sweep, int branches, int member)
{
    if (sweep.quantity == PlottedQuantity::InputImpedance) {
        curves.push_back({PlottedQuantity::InputImpedance, 0, member});
        return;
    }
    for (int b = 1; b <= branches && b < static_cast<int>(sweep.plotted.size()); ++b)
        if (sweep.plotted[b]) curves.push_back({sweep.quantity, b, member});
}

}  // namespace

std::vector<PlottedCurve> CurvesOf(const PlottedSweep& sweep)
{
    std::vector<PlottedCurve> curves;
    if (!sweep.family.empty()) {
        for (size_t m = 0; m < sweep.family.size(); ++m)
            AddCurves(curves, sweep, BranchCount(sweep.family[m].circuit), static_cast<int>(m));
    } else if (!sweep.data.curves.empty()) {
        AddCurves(curves, sweep, static_cast<int>(sweep.data.curves.size()), -1);
    }
    return curves;
}

const SweepCurve& NumbersOf(const PlottedSweep& sweep, const PlottedCurve& curve)
{
    static const SweepCurve kNone;
    const SweepData& data = curve.member < 0 ? sweep.data : sweep.family[curve.member].data;
    const size_t i = curve.quantity == PlottedQuantity::InputImpedance ? 0 : curve.branch - 1;
    return i < data.curves.size() ? data.curves[i] : kNone;
}

const Circuit& AnalysedCircuit(const PlottedSweep& sweep, const PlottedCurve& curve)
{
    return curve.member < 0 ? sweep.circuit : sweep.family[curve.member].circuit;
}

std::optional<ElementValue> ElementValueOf(const PlottedSweep& sweep, const PlottedCurve& curve)
{
    if (!sweep.varied) return std::nullopt;
    return ElementValue{*sweep.varied, ElementValueIn(AnalysedCircuit(sweep, curve), *sweep.varied)};
}

std::optional<SweepValue> ValueAt(const PlottedSweep& sweep, const PlottedCurve& curve, size_t k)
{
    const SweepCurve& numbers = NumbersOf(sweep, curve);
    return k < numbers.values.size() ? numbers.values[k] : std::nullopt;
}

PlottedSweep PlotSweep(const Circuit* circuit, const GraphState& g, const BranchChecks& checked, bool calculationValid,
                       SweepResult& outcome)
{
    PlottedSweep sweep{g.quantity, checked, {}, {}, circuit ? *circuit : Circuit{}, {}, {}};
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

PlottedSweep PlotVariedSweep(const Circuit& circuit, const GraphState& g, const BranchChecks& checked,
                             bool calculationValid, const ElementVariation& variation, SweepResult& outcome)
{
    const auto varied = [&](double value) { return WithElementValue(circuit, {variation.slot, value}); };
    if (!variation.stepped) {
        const Circuit tuned = varied(variation.values.front());
        PlottedSweep sweep = PlotSweep(&tuned, g, checked, calculationValid, outcome);
        sweep.varied = variation.slot;
        return sweep;
    }
    PlottedSweep family{g.quantity, checked, {}, {}, circuit, variation.slot, {}};
    outcome = {};
    for (double value : variation.values) {
        const Circuit stepped = varied(value);
        SweepResult swept;
        PlottedSweep member = PlotSweep(&stepped, g, checked, calculationValid, swept);
        if (member.frequencies.frequency.empty()) {
            outcome = swept;
            family.family.clear();
            return family;
        }
        family.frequencies = std::move(member.frequencies);
        std::optional<SweepResult> failure;
        if (swept.kind != SweepResult::Completed) failure = swept;
        family.family.push_back({value, std::move(member.circuit), std::move(member.data), failure});
    }
    return family;
}
