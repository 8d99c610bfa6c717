#pragma once
// The magnitude and phase positions that bring the plotted curves inside the
// graphs, chosen among the position steps. The magnitude graph shows the
// decade holding the curves' largest value at its top, so that no empty
// decades stand above them. The phase graph holds the whole of the curves
// where they fit, placed where they lie nearest the middle; where they do
// not, it shows as many of their points as it can, so that a curve that
// spends most of the span far from its start is seen there. Past the ends
// of a step list the end step is taken.

#include <cstdint>
#include <span>

#include "sweep/graph_state.h"
#include "sweep/plotted_sweep.h"

// The step, 1 … bottoms.size(), of the lowest window [bottom, bottom +
// height] that reaches `highest`; `bottoms` increasing.
int16_t TopStep(double highest, std::span<const double> bottoms, double height);

// The step of a window holding all of `values`, else of the one holding the
// most of them clear of its edges; among equals, the one whose middle lies
// nearest the middle of the values. `values` is not empty.
int16_t FullestStep(std::span<const double> values, std::span<const double> bottoms, double height);

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
