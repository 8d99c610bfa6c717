#include "sweep/sweep_data.h"

#include <algorithm>
#include <cmath>
#include <span>

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

// Appends the magnitude in log10 coordinates and the continued phase of a
// value to the curve; nothing when forming them fails.
void AppendValue(SweepCurve& curve, const Complex& value, double magnitude, PhaseTracking& phase)
{
    const bool zero = IsZero(value);
    const float logMagnitude = zero ? 0.0f : static_cast<float>(CommonLogarithm(magnitude));
    const float plotted = phase.Next(value);
    // Filled in place, member by member: building the value aside and copying
    // it in costs more than forming it.
    SweepValue& v = *curve.values.emplace_back(std::in_place);
    v.magnitude = magnitude;
    v.phase = plotted;
    if (!zero) v.logMagnitude = logMagnitude;
}

// A sweep's analyses, in chunks of frequencies from the first on, each four
// times the one before up to a size whose results stay small: a sweep that
// ends at one of its first points analyses few frequencies beyond it, a whole
// sweep takes a handful of calls.
constexpr size_t kFirstChunk = 4;
constexpr size_t kChunkGrowth = 4;
constexpr size_t kLargestChunk = 128;

// Hands the analysis of each frequency in turn to visit(analyses, i), until
// it returns false.
template <class Visit>
void AnalyseInChunks(const Circuit& c, const std::vector<double>& frequencies, SweepRoute route, Visit visit)
{
    const std::span<const double> all(frequencies);
    size_t chunk = kFirstChunk;
    for (size_t first = 0; first < all.size(); first += chunk, chunk = std::min(chunk * kChunkGrowth, kLargestChunk)) {
        const size_t count = std::min(chunk, all.size() - first);
        const FrequencyAnalyses analyses = AnalyseFrequencies(c, all.subspan(first, count), route);
        for (size_t i = 0; i < count; ++i)
            if (!visit(analyses, i)) return;
    }
}

// Whether the analysis solved point i; its arithmetic failure is raised again.
bool Solved(const FrequencyAnalyses& analyses, size_t i) { return analyses.Outcome(i) == AnalysisOutcome::Solved; }

SweepCurve InputImpedanceCurve(const Circuit& c, const SweepFrequencies& sweep, bool calculationValid, SweepRoute route)
{
    SweepCurve curve;
    curve.values.reserve(sweep.frequency.size());
    PhaseTracking phase;
    AnalyseInChunks(c, sweep.frequency, route, [&](const FrequencyAnalyses& analyses, size_t i) {
        bool solved = false;
        curve.end = RunPoint(calculationValid, [&] {
            if (!Solved(analyses, i)) return false;
            const Complex zi = analyses.InputImpedance(i);
            AppendValue(curve, zi, Magnitude(zi), phase);
            return solved = true;
        });
        if (curve.end) return false;
        if (!solved) curve.values.emplace_back();
        return true;
    });
    return curve;
}

// The curves of the plotted branches, formed point after point as the
// analyses come: one analysis per frequency serves every branch. A branch's
// own failure ends its curve alone; a branch not plotted gets no values.
std::vector<SweepCurve> BranchCurves(const Circuit& c, const SweepFrequencies& sweep, const BranchChecks& plotted,
                                     bool calculationValid, bool voltage, SweepRoute route,
                                     std::optional<SweepResult>& end)
{
    const int branches = BranchCount(c);
    std::vector<SweepCurve> curves(static_cast<size_t>(branches));
    std::vector<PhaseTracking> phases(curves.size());
    for (int b = 1; b <= branches; ++b)
        if (plotted[b]) curves[b - 1].values.reserve(sweep.frequency.size());
    AnalyseInChunks(c, sweep.frequency, route, [&](const FrequencyAnalyses& analyses, size_t i) {
        bool solved = false;
        end = RunPoint(calculationValid, [&] { return solved = Solved(analyses, i); });
        if (end) return false;
        for (int b = 1; b <= branches; ++b) {
            SweepCurve& curve = curves[b - 1];
            if (!plotted[b] || curve.end) continue;
            if (!solved) {
                curve.values.emplace_back();
                continue;
            }
            const Complex v = voltage ? analyses.BranchVoltage(i, b) : analyses.BranchCurrent(i, b);
            const double abs = voltage ? analyses.BranchVoltageMagnitude(i, b) : analyses.BranchCurrentMagnitude(i, b);
            curve.end = EndOfFailure(Caught([&] { AppendValue(curve, v, abs, phases[b - 1]); }));
        }
        return true;
    });
    return curves;
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
                       const BranchChecks& plotted, bool calculationValid, SweepRoute route)
{
    SweepData data;
    if (quantity == PlottedQuantity::InputImpedance) {
        data.curves.push_back(InputImpedanceCurve(circuit, sweep, calculationValid, route));
        return data;
    }
    const bool voltage = quantity == PlottedQuantity::BranchVoltage;
    data.curves = BranchCurves(circuit, sweep, plotted, calculationValid, voltage, route, data.analysesEnd);
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
