#include "sweep/fitting_positions.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "sweep/position_steps.h"

namespace {

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

// The plotted points: the largest magnitude and every phase.
struct Points {
    std::optional<double> highestMagnitude;
    std::vector<double> phases;

    void Add(std::optional<double> logMagnitude, double phase)
    {
        if (logMagnitude) highestMagnitude = std::max(highestMagnitude.value_or(*logMagnitude), *logMagnitude);
        phases.push_back(phase);
    }
};

void AddSweep(Points& points, const PlottedSweep& sweep)
{
    for (const PlottedCurve& curve : CurvesOf(sweep))
        for (const std::optional<SweepValue>& v : NumbersOf(sweep, curve).values)
            if (v) points.Add(v->logMagnitude, v->phase);
}

void AddKeptCurve(Points& points, const GraphState& g)
{
    const KeptCurve& kept = g.keptCurve;
    const auto xL = static_cast<float>(std::log10(g.sweepStart)), xR = static_cast<float>(std::log10(g.sweepEnd));
    const int count = std::min<int>(kept.count, KeptCurve::kSize - 1);
    for (int j = 1; j <= count; ++j)
        if (kept.logFrequency[j] >= xL && kept.logFrequency[j] <= xR) points.Add(kept.logMagnitude[j], kept.phase[j]);
}

}  // namespace

int16_t TopStep(double highest, std::span<const double> bottoms, double height)
{
    for (size_t k = 0; k < bottoms.size(); ++k)
        if (bottoms[k] + height >= highest) return static_cast<int16_t>(k + 1);
    return static_cast<int16_t>(bottoms.size());
}

int16_t FullestStep(std::span<const double> values, std::span<const double> bottoms, double height)
{
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const double middle = (*low + *high) / 2;
    // A window holding them all beats any other; short of that, values on an
    // edge count for none, as a curve along the edge is hard to see.
    const double clear = height / 60;
    const auto whole = static_cast<long>(values.size()) + 1;
    size_t best = 0;
    long bestCount = -1;
    for (size_t k = 0; k < bottoms.size(); ++k) {
        const double bottom = bottoms[k], top = bottoms[k] + height;
        const long count =
            bottom <= *low && top >= *high ? whole : std::count_if(values.begin(), values.end(), [&](double v) {
                return v > bottom + clear && v < top - clear;
            });
        const bool nearer = std::abs(bottoms[k] + height / 2 - middle) < std::abs(bottoms[best] + height / 2 - middle);
        if (count > bestCount || (count == bestCount && nearer)) {
            best = k;
            bestCount = count;
        }
    }
    return static_cast<int16_t>(best + 1);
}

FittingPositions FitPositions(const PlottedSweep& sweep, const GraphState& g)
{
    Points points;
    AddSweep(points, sweep);
    if (sweep.quantity == PlottedQuantity::InputImpedance && g.keptCurve.on) AddKeptCurve(points, g);
    FittingPositions positions;
    if (points.highestMagnitude)
        positions.magnitude = TopStep(*points.highestMagnitude, LogBottoms(sweep.quantity), g.magnitudeDecades);
    if (!points.phases.empty()) positions.phase = FullestStep(points.phases, PhaseBottoms(), 30.0 * g.phaseDivisions);
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
