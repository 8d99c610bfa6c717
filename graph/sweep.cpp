#include "graph/sweep.h"

#include <cmath>
#include <optional>
#include <vector>

#include "calc/analysis.h"
#include "calc/calc_error.h"
#include "calc/checked.h"
#include "calc/complex.h"
#include "graph/branch_colour.h"
#include "graph/phase_tracking.h"

namespace {

// The frequencies of one pass, sweepStart × sweepStep^k while they stay at or
// below sweepEnd, and their x coordinates.
struct SweepPoints {
    std::vector<double> frq;
    std::vector<float> x;
};

// Sets the step, the curve coordinates of both graphs and the source; returns
// the points and log10 of the bottom value, where a zero magnitude lies.
float StartSweep(Circuit& c, GraphState& g, double bottom, double top, DrawSurface& mag, DrawSurface& ph,
                 SweepPoints& points)
{
    g.sweepStep = SweepStep(g.sweepStart, g.sweepEnd);
    for (double f = g.sweepStart; f <= g.sweepEnd; f = f * g.sweepStep) {
        points.frq.push_back(f);
        points.x.push_back(static_cast<float>(Lg10(f)));
    }
    const auto xL = static_cast<float>(Lg10(g.sweepStart));
    const auto xR = static_cast<float>(Lg10(g.sweepEnd));
    const auto yB = static_cast<float>(Lg10(bottom));
    const auto yT = static_cast<float>(Lg10(top));
    const auto pB = static_cast<float>(g.phaseAxisMin);
    const auto pT = static_cast<float>(g.phaseAxisMax);
    mag.SetScale(xL, yT, xR, yB);
    ph.SetScale(xL, pT, xR, pB);
    c.Emf = checked::Chk(c.EmfVal * c.EmfMul);
    c.EmfCpx = {c.Emf, 0};
    return yB;
}

// One curve of one sweep: its first drawn point is set, every later one is
// joined to the last drawn one.
class Curve {
public:
    explicit Curve(DrawSurface& box) : box_(box) {}
    void To(float x, float y, const QColor& colour)
    {
        if (started_) {
            box_.LineTo(x, y, colour);
        } else {
            box_.PSet(x, y, colour);
            started_ = true;
        }
    }

private:
    DrawSurface& box_;
    bool started_ = false;
};

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
std::optional<SweepResult> RunPoint(Circuit& c, bool calculationValid, Work work)
{
    const std::optional<CalcError> error = Caught(work);
    if (c.CalcErr == 1) {
        c.CalcErr = 0;
        if (!calculationValid) return SweepResult{SweepResult::NoCalculation, {}};
        return std::nullopt;
    }
    return EndOfFailure(error);
}

// The plotted quantity of one branch at one frequency.
struct BranchValue {
    Complex value;
    double abs;
};

// What the analysis at each frequency left for branches 1 … BrCnt (index 0
// for branch 1), nothing where the point is left out; and the result that
// ended the analyses early, if one did.
struct BranchAnalyses {
    std::vector<std::optional<std::vector<BranchValue>>> points;
    std::optional<SweepResult> end;
};

// One analysis per frequency serves every branch: the analysis does not
// depend on the branch, so its results are kept for all of them.
BranchAnalyses AnalyseBranches(Circuit& c, const SweepPoints& sweep, bool calculationValid, bool voltage)
{
    BranchAnalyses analyses;
    for (double frq : sweep.frq) {
        c.Frq = frq;
        std::optional<std::vector<BranchValue>> values;
        analyses.end = RunPoint(c, calculationValid, [&] {
            calciz(c);
            if (c.CalcErr == 1) return;
            values.emplace();
            for (int b = 1; b <= c.BrCnt; ++b)
                values->push_back(voltage ? BranchValue{c.BrVol[b], c.BrVolAbs[b]}
                                          : BranchValue{c.BrCur[b], c.BrCurAbs[b]});
        });
        if (analyses.end) break;
        analyses.points.push_back(std::move(values));
    }
    return analyses;
}

// The curves of one branch through the points analysed; the result that ends
// the sweep, or nothing to go on with the next branch.
std::optional<SweepResult> DrawBranch(const BranchAnalyses& analyses, const SweepPoints& sweep, int b,
                                      const QColor& colour, float yB, DrawSurface& mag, DrawSurface& ph)
{
    PhaseTracking phase;
    Curve magCurve(mag), phCurve(ph);
    for (size_t k = 0; k < analyses.points.size(); ++k) {
        if (!analyses.points[k]) continue;
        const BranchValue& v = (*analyses.points[k])[b - 1];
        const float x = sweep.x[k];
        const auto end = EndOfFailure(Caught([&] {
            const bool nonZero = !IsZero(v.value);
            const float magY = nonZero ? static_cast<float>(Lg10(v.abs)) : yB;
            const float phY = phase.Next(v.value);
            if (nonZero) magCurve.To(x, magY, colour);
            phCurve.To(x, phY, colour);
        }));
        if (end) return end;
    }
    return std::nullopt;
}

// The branches are drawn one after the other as if each ran its own pass of
// analyses: an end met by the analyses comes after the first branch's curves
// up to it.
SweepResult SweepBranches(Circuit& c, GraphState& g, DrawSurface& mag, DrawSurface& ph,
                          const BranchChecks& checked, bool calculationValid, bool voltage)
{
    float yB = 0;
    SweepPoints points;
    try {
        yB = voltage ? StartSweep(c, g, g.voltageAxisMin, g.voltageAxisMax, mag, ph, points)
                     : StartSweep(c, g, g.currentAxisMin, g.currentAxisMax, mag, ph, points);
    } catch (const CalcError& e) {
        return {SweepResult::Failed, e.description()};
    }
    const BranchAnalyses analyses = AnalyseBranches(c, points, calculationValid, voltage);
    for (int b = 1; b <= c.BrCnt; ++b) {
        if (checked[b]) {
            const auto end = DrawBranch(analyses, points, b, BranchColour(g.branchColours[b]), yB, mag, ph);
            if (end) return *end;
        }
        if (analyses.end) return *analyses.end;
    }
    return {};
}

}  // namespace

double SweepStep(double start, double end)
{
    return checked::Chk(std::pow(10.0, Lg10(checked::Div(end, start)) / kSweepIntervals));
}

SweepResult SweepInputImpedance(Circuit& c, GraphState& g, DrawSurface& magnitudeGraph, DrawSurface& phaseGraph,
                    bool calculationValid)
{
    float yB = 0;
    SweepPoints points;
    try {
        yB = StartSweep(c, g, g.impedanceAxisMin, g.impedanceAxisMax, magnitudeGraph, phaseGraph, points);
    } catch (const CalcError& e) {
        return {SweepResult::Failed, e.description()};
    }
    PhaseTracking phase;
    Curve magCurve(magnitudeGraph), phCurve(phaseGraph);
    int16_t i = 1;
    for (size_t k = 0; k < points.frq.size(); ++k) {
        c.Frq = points.frq[k];
        const float x = points.x[k];
        const auto end = RunPoint(c, calculationValid, [&] {
            calciz(c);
            if (c.CalcErr == 1) return;
            const Complex value = c.ZReg;
            const bool nonZero = !IsZero(value);
            const float y = nonZero ? static_cast<float>(Lg10(CpxAbs(value))) : yB;
            const float phi = phase.Next(value);
            if (nonZero) magCurve.To(x, y, kLiveCurveColour);
            phCurve.To(x, phi, kLiveCurveColour);
            if (!g.keptCurve.on && i < KeptCurve::kSize) {
                g.keptCurve.logFrequency[i] = x;
                g.keptCurve.logMagnitude[i] = y;
                g.keptCurve.phase[i] = phi;
            }
            ++i;
        });
        if (end) return *end;
    }
    g.keptCurve.count = static_cast<int16_t>(i - 1);
    return {};
}

SweepResult SweepBranchCurrents(Circuit& c, GraphState& g, DrawSurface& magnitudeGraph, DrawSurface& phaseGraph,
                       const BranchChecks& checked, bool calculationValid)
{
    return SweepBranches(c, g, magnitudeGraph, phaseGraph, checked, calculationValid, false);
}

SweepResult SweepBranchVoltages(Circuit& c, GraphState& g, DrawSurface& magnitudeGraph, DrawSurface& phaseGraph,
                       const BranchChecks& checked, bool calculationValid)
{
    return SweepBranches(c, g, magnitudeGraph, phaseGraph, checked, calculationValid, true);
}
