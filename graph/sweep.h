#pragma once
// The frequency sweeps drawn: a sweep's magnitude curves in log10
// coordinates on the magnitude graph and its phase curves in degrees on the
// phase graph, over the grid, never clearing the boxes. A point left out is
// neither drawn nor recorded.

#include "platform/draw_surface.h"
#include "sweep/graph_state.h"
#include "sweep/plotted_sweep.h"

// Draws the sweep PlotSweep made of the state as far as its outcome, which is
// given, and returns that outcome, or the failure of the coordinates. A sweep that started sets the curve
// coordinates of both graphs and the step first. The input impedance is
// red: while no curve is kept every drawn point is recorded in the kept
// curve from index 1, and a completed curve sets its count to the number of
// points recorded or, with a curve kept, that would have been. The branches
// are drawn one after the other in their colours, each only when ticked, as
// if each ran its own pass of analyses: an end met by the analyses comes
// after the first branch's curves up to it. A stepped family's curves are
// drawn each as far as it goes, in the colours of its members, unrecorded.
SweepResult DrawSweep(const PlottedSweep& sweep, const SweepResult& outcome, GraphState& g, DrawSurface& magnitudeGraph,
                      DrawSurface& phaseGraph);
