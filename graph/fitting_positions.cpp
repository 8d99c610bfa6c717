#include "graph/fitting_positions.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "graph/position_steps.h"

namespace {

// Grows an extent by one value.
void Include(std::optional<CurveExtent>& e, double v)
{
    if (!e)
        e = CurveExtent{v, v};
    else
        e = CurveExtent{std::min(e->low, v), std::max(e->high, v)};
}

std::vector<double> LogBottoms(PlottedQuantity quantity)
{
    std::vector<double> bottoms;
    const auto& steps = quantity == PlottedQuantity::InputImpedance ? kImpedanceMinSteps : kCurrentVoltageMinSteps;
    for (double bound : steps) bottoms.push_back(std::log10(bound));
    return bottoms;
}

std::vector<double> PhaseBottoms()
{
    std::vector<double> bottoms;
    for (int16_t step = 1; step <= kPhaseSteps; ++step) bottoms.push_back(PhaseMinOfStep(step));
    return bottoms;
}

struct Extents {
    std::optional<CurveExtent> magnitude, phase;
};

Extents SweepExtents(const PlottedSweep& sweep)
{
    Extents e;
    for (const PlottedCurve& curve : CurvesOf(sweep))
        for (const std::optional<SweepValue>& v : NumbersOf(sweep, curve).values) {
            if (!v) continue;
            if (v->logMagnitude) Include(e.magnitude, *v->logMagnitude);
            Include(e.phase, v->phase);
        }
    return e;
}

void IncludeKeptCurve(Extents& e, const GraphState& g)
{
    const KeptCurve& kept = g.keptCurve;
    const auto xL = static_cast<float>(std::log10(g.sweepStart)), xR = static_cast<float>(std::log10(g.sweepEnd));
    const int count = std::min<int>(kept.count, KeptCurve::kSize - 1);
    for (int j = 1; j <= count; ++j) {
        if (kept.logFrequency[j] < xL || kept.logFrequency[j] > xR) continue;
        Include(e.magnitude, kept.logMagnitude[j]);
        Include(e.phase, kept.phase[j]);
    }
}

}  // namespace

int16_t FittingStep(const CurveExtent& extent, std::span<const double> bottoms, double height)
{
    const double middle = (extent.low + extent.high) / 2;
    std::optional<size_t> best;
    for (size_t k = 0; k < bottoms.size(); ++k) {
        if (bottoms[k] > extent.low || bottoms[k] + height < extent.high) continue;
        if (!best || std::abs(bottoms[k] + height / 2 - middle) < std::abs(bottoms[*best] + height / 2 - middle))
            best = k;
    }
    // Too wide, or beyond the steps: the lowest window that still holds the
    // largest value, else the end step nearest to it.
    if (!best) {
        for (size_t k = 0; k < bottoms.size() && !best; ++k)
            if (bottoms[k] + height >= extent.high) best = k;
        if (!best) best = bottoms.size() - 1;
    }
    return static_cast<int16_t>(*best + 1);
}

FittingPositions FitPositions(const PlottedSweep& sweep, const GraphState& g)
{
    Extents e = SweepExtents(sweep);
    if (sweep.quantity == PlottedQuantity::InputImpedance && g.keptCurve.on) IncludeKeptCurve(e, g);
    FittingPositions positions;
    if (e.magnitude) positions.magnitude = FittingStep(*e.magnitude, LogBottoms(sweep.quantity), g.magnitudeDecades);
    if (e.phase) positions.phase = FittingStep(*e.phase, PhaseBottoms(), 30.0 * g.phaseDivisions);
    return positions;
}

void ApplyPositions(GraphState& g, const FittingPositions& p)
{
    if (p.magnitude > 0) {
        switch (g.quantity) {
        case PlottedQuantity::BranchCurrent:
            g.currentPosition = p.magnitude;
            g.currentAxisMin = CurrentVoltageMinOfStep(p.magnitude);
            break;
        case PlottedQuantity::BranchVoltage:
            g.voltagePosition = p.magnitude;
            g.voltageAxisMin = CurrentVoltageMinOfStep(p.magnitude);
            break;
        default:
            g.impedancePosition = p.magnitude;
            g.impedanceAxisMin = ImpedanceMinOfStep(p.magnitude);
            break;
        }
    }
    if (p.phase > 0) {
        g.phasePosition = p.phase;
        g.phaseAxisMin = PhaseMinOfStep(p.phase);
    }
}
