#include "sweep/sweep_data.h"

#include <cmath>

#include "calc/calc_error.h"
#include "calc/checked.h"
#include "calc/loop_analysis.h"
#include "sweep/sweep_texts.h"
#include "sweep/phase_tracking.h"

namespace {

// Runs one point's work; the arithmetic failure that cut it short, if any.
template <class Work>
std::optional<CalcError> Caught(Work work)
{
    try {
        work();
    } catch (const CalcError& e) {
        return e;
    }
    return std::nullopt;
}

// A division by zero leaves the point out; any other failure ends the sweep.
std::optional<SweepResult> EndOfFailure(const std::optional<CalcError>& error)
{
    if (error && error->number() != CalcError::DivisionByZero)
        return SweepResult{SweepResult::Failed, error->description()};
    return std::nullopt;
}

// Runs one point's work and the failure checks after it. Returns the result
// that ends the sweep, or nothing to go on with the next frequency.
template <class Work>
std::optional<SweepResult> RunPoint(bool calculationValid, Work work)
{
    bool singular = false;
    const std::optional<CalcError> error = Caught([&] { singular = !work(); });
    if (singular) {
        if (!calculationValid) return SweepResult{SweepResult::NoCalculation, {}};
        return std::nullopt;
    }
    return EndOfFailure(error);
}

// The magnitude in log10 coordinates and the continued phase of a value.
SweepValue ValueOf(const Complex& value, double magnitude, PhaseTracking& phase)
{
    std::optional<float> logMagnitude;
    if (!IsZero(value)) logMagnitude = static_cast<float>(CommonLogarithm(magnitude));
    return {magnitude, logMagnitude, phase.Next(value)};
}

SweepCurve InputImpedanceCurve(LoopAnalysis& analyses, const SweepFrequencies& sweep, bool calculationValid)
{
    SweepCurve curve;
    PhaseTracking phase;
    for (double frequency : sweep.frequency) {
        std::optional<SweepValue> value;
        curve.end = RunPoint(calculationValid, [&] {
            if (!analyses.At(frequency)) return false;
            const Complex& zi = analyses.InputImpedance();
            value = ValueOf(zi, Magnitude(zi), phase);
            return true;
        });
        if (curve.end) break;
        curve.values.push_back(value);
    }
    return curve;
}

// The plotted quantity of one branch at one frequency.
struct BranchValue {
    Complex value;
    double abs;
};

// What the analysis at each frequency left for the branches (index 0 for
// branch 1), nothing where the point is left out.
using BranchAnalyses = std::vector<std::optional<std::vector<BranchValue>>>;

// One analysis per frequency serves every branch: the analysis does not
// depend on the branch, so its results are kept for all of them.
BranchAnalyses AnalyseBranches(LoopAnalysis& at, const SweepFrequencies& sweep, bool calculationValid, bool voltage,
                               std::optional<SweepResult>& end)
{
    BranchAnalyses analyses;
    for (double frequency : sweep.frequency) {
        std::optional<std::vector<BranchValue>> values;
        end = RunPoint(calculationValid, [&] {
            if (!at.At(frequency)) return false;
            values.emplace();
            for (int b = 1; b <= at.Branches(); ++b)
                values->push_back(voltage ? BranchValue{at.BranchVoltage(b), at.BranchVoltageMagnitude(b)}
                                          : BranchValue{at.BranchCurrent(b), at.BranchCurrentMagnitude(b)});
            return true;
        });
        if (end) break;
        analyses.push_back(std::move(values));
    }
    return analyses;
}

SweepCurve BranchCurve(const BranchAnalyses& analyses, int b)
{
    SweepCurve curve;
    PhaseTracking phase;
    for (const auto& point : analyses) {
        std::optional<SweepValue> value;
        if (point) {
            const BranchValue& v = (*point)[b - 1];
            curve.end = EndOfFailure(Caught([&] { value = ValueOf(v.value, v.abs, phase); }));
            if (curve.end) break;
        }
        curve.values.push_back(value);
    }
    return curve;
}

}  // namespace

double SweepStep(double start, double end)
{
    return checked::Chk(std::pow(10.0, CommonLogarithm(checked::Div(end, start)) / kSweepIntervals));
}

SweepFrequencies SweptFrequencies(double start, double end, double step)
{
    SweepFrequencies sweep;
    sweep.step = step;
    for (double f = start; f <= end;) {
        sweep.frequency.push_back(f);
        sweep.logFrequency.push_back(static_cast<float>(CommonLogarithm(f)));
        f = f * step;
        // The rounding of the repeated product must not drop the right edge.
        if (f > end && f <= end * (1 + kEdgeTolerance)) f = end;
    }
    return sweep;
}

std::optional<SweepResult> SourceFailure(const Circuit& c)
{
    if (SourceVoltage(c) != 0) return std::nullopt;
    return SweepResult{SweepResult::Failed, graph_text::kEmfNotZero};
}

SweepData AnalyseSweep(const Circuit& circuit, const SweepFrequencies& sweep, PlottedQuantity quantity,
                       bool calculationValid)
{
    LoopAnalysis analyses(circuit);
    SweepData data;
    if (quantity == PlottedQuantity::InputImpedance) {
        data.curves.push_back(InputImpedanceCurve(analyses, sweep, calculationValid));
        return data;
    }
    const bool voltage = quantity == PlottedQuantity::BranchVoltage;
    const BranchAnalyses values = AnalyseBranches(analyses, sweep, calculationValid, voltage, data.analysesEnd);
    for (int b = 1; b <= BranchCount(circuit); ++b) data.curves.push_back(BranchCurve(values, b));
    return data;
}

SweepResult SweepOutcome(const SweepData& data, PlottedQuantity quantity, const BranchChecks& plotted)
{
    if (quantity == PlottedQuantity::InputImpedance) return data.curves[0].end.value_or(SweepResult{});
    for (size_t i = 0; i < data.curves.size(); ++i) {
        if (plotted[i + 1] && data.curves[i].end) return *data.curves[i].end;
        if (data.analysesEnd) return *data.analysesEnd;
    }
    return {};
}
