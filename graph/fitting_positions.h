#pragma once
// The magnitude and phase positions that bring the plotted curves inside the
// graphs, chosen among the position steps. A curve that fits is placed where
// it lies nearest the middle; one that spans more than a graph shows keeps
// its largest value inside and shows as much below it as the graph holds.
// Past the ends of a step list the end step is taken.

#include <cstdint>
#include <span>

#include "graph/graph_state.h"
#include "graph/plotted_sweep.h"

// The lowest and highest values of the curves in a graph's coordinates.
struct CurveExtent {
    double low = 0, high = 0;
};

// The step, 1 … bottoms.size(), whose window [bottom, bottom + height] shows
// the extent as described above; `bottoms` increasing.
int16_t FittingStep(const CurveExtent& extent, std::span<const double> bottoms, double height);

struct FittingPositions {
    int16_t magnitude = 0;  // the step of the plotted quantity's magnitude scale; 0 when nothing is plotted
    int16_t phase = 0;      // 0 when nothing is plotted
};

// For the curves of the sweep and, with the impedance plotted, the kept curve
// within the frequency span.
FittingPositions FitPositions(const PlottedSweep& sweep, const GraphState& g);

// Sets the magnitude step and bound of the plotted quantity and the phase
// step and bound, together, as the position buttons do.
void ApplyPositions(GraphState& g, const FittingPositions& positions);
