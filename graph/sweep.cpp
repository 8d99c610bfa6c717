#include "graph/sweep.h"

#include "calc/calc_error.h"
#include "graph/branch_colour.h"

namespace {

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
            box_.SetPixel(x, y, colour);
            started_ = true;
        }
    }

private:
    DrawSurface& box_;
    bool started_ = false;
};

// Draws the curve's values; calls recorded(x, y, phase) for each point drawn,
// y at the bottom of the magnitude graph where the magnitude is zero.
template <class Recorded>
void DrawCurve(const SweepCurve& curve, const SweepFrequencies& sweep, const QColor& colour, float bottom,
               DrawSurface& mag, DrawSurface& ph, Recorded recorded)
{
    Curve magCurve(mag), phCurve(ph);
    for (size_t k = 0; k < curve.values.size(); ++k) {
        const std::optional<SweepValue>& v = curve.values[k];
        if (!v) continue;
        const float x = sweep.logFrequency[k];
        if (v->logMagnitude) magCurve.To(x, *v->logMagnitude, colour);
        phCurve.To(x, v->phase, colour);
        recorded(x, v->logMagnitude.value_or(bottom), v->phase);
    }
}

void DrawImpedance(const PlottedSweep& sweep, float bottom, GraphState& g, DrawSurface& mag, DrawSurface& ph)
{
    if (sweep.data.curves.empty()) return;
    const SweepCurve& curve = sweep.data.curves[0];
    int16_t i = 1;
    DrawCurve(curve, sweep.frequencies, kLiveCurveColour, bottom, mag, ph, [&](float x, float y, float phi) {
        if (!g.keptCurve.on && i < KeptCurve::kSize) {
            g.keptCurve.logFrequency[i] = x;
            g.keptCurve.logMagnitude[i] = y;
            g.keptCurve.phase[i] = phi;
        }
        ++i;
    });
    if (!curve.end) g.keptCurve.count = static_cast<int16_t>(i - 1);
}

// Stops where the sweep's outcome was met (SweepOutcome).
void DrawBranches(const PlottedSweep& sweep, float bottom, const GraphState& g, DrawSurface& mag, DrawSurface& ph)
{
    for (size_t i = 0; i < sweep.data.curves.size(); ++i) {
        const int b = static_cast<int>(i) + 1;
        const SweepCurve& curve = sweep.data.curves[i];
        if (sweep.plotted[b]) {
            DrawCurve(curve, sweep.frequencies, BranchColour(g.branchColours[b]), bottom, mag, ph,
                      [](float, float, float) {});
            if (curve.end) return;
        }
        if (sweep.data.analysesEnd) return;
    }
}

// Every curve of every member in the member's colour; nothing is recorded,
// so the kept curve keeps the circuit's own.
void DrawFamily(const PlottedSweep& sweep, float bottom, DrawSurface& mag, DrawSurface& ph)
{
    for (const PlottedCurve& curve : CurvesOf(sweep))
        DrawCurve(NumbersOf(sweep, curve), sweep.frequencies, FamilyColour(curve.member), bottom, mag, ph,
                  [](float, float, float) {});
}

}  // namespace

SweepResult DrawSweep(const PlottedSweep& sweep, const SweepResult& outcome, GraphState& g, DrawSurface& magnitudeGraph,
                      DrawSurface& phaseGraph)
{
    if (sweep.frequencies.frequency.empty()) return outcome;
    PlotWindow w;
    try {
        w = PlotWindowOf(g);
    } catch (const CalcError& e) {
        return {SweepResult::Failed, e.description()};
    }
    g.sweepStep = sweep.frequencies.step;
    magnitudeGraph.SetScale(w.left, w.top, w.right, w.bottom);
    phaseGraph.SetScale(w.left, w.phaseTop, w.right, w.phaseBottom);
    if (!sweep.family.empty())
        DrawFamily(sweep, w.bottom, magnitudeGraph, phaseGraph);
    else if (sweep.quantity == PlottedQuantity::InputImpedance)
        DrawImpedance(sweep, w.bottom, g, magnitudeGraph, phaseGraph);
    else
        DrawBranches(sweep, w.bottom, g, magnitudeGraph, phaseGraph);
    return outcome;
}
