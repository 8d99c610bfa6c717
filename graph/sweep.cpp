#include "graph/sweep.h"

#include "calc/calc_error.h"
#include "calc/complex.h"
#include "graph/branch_colour.h"

namespace {

// Sets the step, the curve coordinates of both graphs and the source; returns
// the frequencies and log10 of the bottom value, where a zero magnitude lies.
float StartSweep(Circuit& c, GraphState& g, double bottom, double top, DrawSurface& mag, DrawSurface& ph,
                 SweepFrequencies& sweep)
{
    g.sweepStep = SweepStep(g.sweepStart, g.sweepEnd);
    sweep = SweptFrequencies(g.sweepStart, g.sweepEnd, g.sweepStep);
    const auto xL = static_cast<float>(Lg10(g.sweepStart));
    const auto xR = static_cast<float>(Lg10(g.sweepEnd));
    const auto yB = static_cast<float>(Lg10(bottom));
    const auto yT = static_cast<float>(Lg10(top));
    const auto pB = static_cast<float>(g.phaseAxisMin);
    const auto pT = static_cast<float>(g.phaseAxisMax);
    mag.SetScale(xL, yT, xR, yB);
    ph.SetScale(xL, pT, xR, pB);
    SetSweepSource(c);
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

// Draws the curve's values; calls recorded(x, y, phase) for each point drawn.
template <class Recorded>
void DrawCurve(const SweepCurve& curve, const SweepFrequencies& sweep, const QColor& colour, float yB, DrawSurface& mag,
               DrawSurface& ph, Recorded recorded)
{
    Curve magCurve(mag), phCurve(ph);
    for (size_t k = 0; k < curve.values.size(); ++k) {
        const std::optional<SweepValue>& v = curve.values[k];
        if (!v) continue;
        const float x = sweep.logFrequency[k];
        if (v->logMagnitude) magCurve.To(x, *v->logMagnitude, colour);
        phCurve.To(x, v->phase, colour);
        recorded(x, v->logMagnitude.value_or(yB), v->phase);
    }
}

// The branches are drawn one after the other as if each ran its own pass of
// analyses: an end met by the analyses comes after the first branch's curves
// up to it.
SweepResult SweepBranches(Circuit& c, GraphState& g, DrawSurface& mag, DrawSurface& ph, const BranchChecks& checked,
                          bool calculationValid, PlottedQuantity quantity, PlottedSweep* drawn)
{
    if (drawn) *drawn = {quantity, checked, {}, {}, {}};
    if (const std::optional<SweepResult> failure = SourceFailure(c)) return *failure;
    float yB = 0;
    SweepFrequencies sweep;
    try {
        yB = quantity == PlottedQuantity::BranchVoltage
                 ? StartSweep(c, g, g.voltageAxisMin, g.voltageAxisMax, mag, ph, sweep)
                 : StartSweep(c, g, g.currentAxisMin, g.currentAxisMax, mag, ph, sweep);
    } catch (const CalcError& e) {
        return {SweepResult::Failed, e.description()};
    }
    const SweepData data = AnalyseSweep(c, sweep, quantity, calculationValid);
    if (drawn) *drawn = {quantity, checked, sweep, data, c};
    for (int b = 1; b <= c.BrCnt; ++b) {
        if (checked[b]) {
            DrawCurve(data.curves[b - 1], sweep, BranchColour(g.branchColours[b]), yB, mag, ph,
                      [](float, float, float) {});
            if (data.curves[b - 1].end) return *data.curves[b - 1].end;
        }
        if (data.analysesEnd) return *data.analysesEnd;
    }
    return {};
}

}  // namespace

SweepResult SweepInputImpedance(Circuit& c, GraphState& g, DrawSurface& magnitudeGraph, DrawSurface& phaseGraph,
                                bool calculationValid, PlottedSweep* drawn)
{
    if (drawn) *drawn = {};
    if (const std::optional<SweepResult> failure = SourceFailure(c)) return *failure;
    float yB = 0;
    SweepFrequencies sweep;
    try {
        yB = StartSweep(c, g, g.impedanceAxisMin, g.impedanceAxisMax, magnitudeGraph, phaseGraph, sweep);
    } catch (const CalcError& e) {
        return {SweepResult::Failed, e.description()};
    }
    const SweepData data = AnalyseSweep(c, sweep, PlottedQuantity::InputImpedance, calculationValid);
    if (drawn) *drawn = {PlottedQuantity::InputImpedance, {}, sweep, data, c};
    int16_t i = 1;
    DrawCurve(data.curves[0], sweep, kLiveCurveColour, yB, magnitudeGraph, phaseGraph,
              [&](float x, float y, float phi) {
                  if (!g.keptCurve.on && i < KeptCurve::kSize) {
                      g.keptCurve.logFrequency[i] = x;
                      g.keptCurve.logMagnitude[i] = y;
                      g.keptCurve.phase[i] = phi;
                  }
                  ++i;
              });
    if (data.curves[0].end) return *data.curves[0].end;
    g.keptCurve.count = static_cast<int16_t>(i - 1);
    return {};
}

SweepResult SweepBranchCurrents(Circuit& c, GraphState& g, DrawSurface& magnitudeGraph, DrawSurface& phaseGraph,
                                const BranchChecks& checked, bool calculationValid, PlottedSweep* drawn)
{
    return SweepBranches(c, g, magnitudeGraph, phaseGraph, checked, calculationValid, PlottedQuantity::BranchCurrent,
                         drawn);
}

SweepResult SweepBranchVoltages(Circuit& c, GraphState& g, DrawSurface& magnitudeGraph, DrawSurface& phaseGraph,
                                const BranchChecks& checked, bool calculationValid, PlottedSweep* drawn)
{
    return SweepBranches(c, g, magnitudeGraph, phaseGraph, checked, calculationValid, PlottedQuantity::BranchVoltage,
                         drawn);
}
