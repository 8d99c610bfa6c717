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

// The magnitude in log10 coordinates and the continued phase of a value.
SweepValue ValueOf(const Complex& value, double magnitude, PhaseTracking& phase)
{
    std::optional<float> logMagnitude;
    if (!IsZero(value)) logMagnitude = static_cast<float>(CommonLogarithm(magnitude));
    return {magnitude, logMagnitude, phase.Next(value)};
}

// A sweep's analyses, in chunks of frequencies from the first on, each four
// times the one before: a sweep that ends at one of its first points analyses
// few frequencies beyond it, a whole sweep takes a handful of calls.
constexpr size_t kFirstChunk = 4;
constexpr size_t kChunkGrowth = 4;

// Hands the analysis of each frequency in turn to visit(analyses, i), until
// it returns false.
template <class Visit>
void AnalyseInChunks(const Circuit& c, const std::vector<double>& frequencies, SweepRoute route, Visit visit)
{
    const std::span<const double> all(frequencies);
    size_t chunk = kFirstChunk;
    for (size_t first = 0; first < all.size(); first += chunk, chunk *= kChunkGrowth) {
        const size_t count = std::min(chunk, all.size() - first);
        const FrequencyAnalyses analyses = AnalyseFrequencies(c, all.subspan(first, count), route);
        for (size_t i = 0; i < count; ++i)
            if (!visit(analyses, i)) return;
    }
}

// Whether the analysis solved point i; its arithmetic failure is raised again.
bool Solved(const FrequencyAnalyses& analyses, size_t i)
{
    return analyses.Outcome(i) == AnalysisOutcome::Solved;
}

SweepCurve InputImpedanceCurve(const Circuit& c, const SweepFrequencies& sweep, bool calculationValid,
                               SweepRoute route)
{
    SweepCurve curve;
    PhaseTracking phase;
    AnalyseInChunks(c, sweep.frequency, route, [&](const FrequencyAnalyses& analyses, size_t i) {
        std::optional<SweepValue> value;
        curve.end = RunPoint(calculationValid, [&] {
            if (!Solved(analyses, i)) return false;
            const Complex zi = analyses.InputImpedance(i);
            value = ValueOf(zi, Magnitude(zi), phase);
            return true;
        });
        if (curve.end) return false;
        curve.values.push_back(value);
        return true;
    });
    return curve;
}

// The plotted quantity of one branch at one frequency.
struct BranchValue {
    Complex value;
    double abs;
};

// What the analysis at each frequency left for the branches, point after
// point: nothing where the point is left out.
struct BranchAnalyses {
    int branches = 0;
    std::vector<bool> solved;
    std::vector<BranchValue> values;  // point k's branch b at k × branches + b − 1

    const BranchValue& At(size_t k, int b) const { return values[k * static_cast<size_t>(branches) + (b - 1)]; }
};

// One analysis per frequency serves every branch: the analysis does not
// depend on the branch, so its results are kept for all of them.
BranchAnalyses AnalyseBranches(const Circuit& c, const SweepFrequencies& sweep, bool calculationValid, bool voltage,
                               SweepRoute route, std::optional<SweepResult>& end)
{
    BranchAnalyses kept{BranchCount(c), {}, {}};
    kept.values.reserve(sweep.frequency.size() * static_cast<size_t>(kept.branches));
    AnalyseInChunks(c, sweep.frequency, route, [&](const FrequencyAnalyses& analyses, size_t i) {
        bool solved = false;
        end = RunPoint(calculationValid, [&] { return solved = Solved(analyses, i); });
        if (end) return false;
        kept.solved.push_back(solved);
        for (int b = 1; b <= kept.branches; ++b)
            kept.values.push_back(
                !solved   ? BranchValue{}
                : voltage ? BranchValue{analyses.BranchVoltage(i, b), analyses.BranchVoltageMagnitude(i, b)}
                          : BranchValue{analyses.BranchCurrent(i, b), analyses.BranchCurrentMagnitude(i, b)});
        return true;
    });
    return kept;
}

SweepCurve BranchCurve(const BranchAnalyses& analyses, int b)
{
    SweepCurve curve;
    PhaseTracking phase;
    for (size_t k = 0; k < analyses.solved.size(); ++k) {
        std::optional<SweepValue> value;
        if (analyses.solved[k]) {
            const BranchValue& v = analyses.At(k, b);
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
                       bool calculationValid, SweepRoute route)
{
    SweepData data;
    if (quantity == PlottedQuantity::InputImpedance) {
        data.curves.push_back(InputImpedanceCurve(circuit, sweep, calculationValid, route));
        return data;
    }
    const bool voltage = quantity == PlottedQuantity::BranchVoltage;
    const BranchAnalyses values =
        AnalyseBranches(circuit, sweep, calculationValid, voltage, route, data.analysesEnd);
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
