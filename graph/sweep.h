#pragma once
// The frequency sweeps drawn: 501 points spaced logarithmically from
// sweepStart while the frequency stays at or below sweepEnd (sweep_data.h),
// drawn as a magnitude curve in log10 coordinates on the magnitude graph and
// a phase curve in degrees on the phase graph. A sweep draws over the grid
// and never clears the boxes. A point left out is neither drawn nor
// recorded. Each sweep leaves what it drew in `drawn` when given; a sweep
// that could not start leaves it empty.

#include <QColor>

#include "calc/circuit.h"
#include "sweep/graph_state.h"
#include "sweep/plotted_sweep.h"
#include "sweep/sweep_data.h"
#include "platform/draw_surface.h"

// Input impedance in red. While no curve is kept every drawn point is recorded
// in the kept curve from index 1; a completed sweep sets its count to the
// number of points recorded or, with a curve kept, that would have been.
SweepResult SweepInputImpedance(Circuit& c, GraphState& g, DrawSurface& magnitudeGraph, DrawSurface& phaseGraph,
                                bool calculationValid, PlottedSweep* drawn = nullptr);

// Currents or voltages of the checked branches, each in its branch colour,
// one branch after the other. One analysis per frequency serves them all; it
// runs, with its failure checks, whether any branch is checked or not.
SweepResult SweepBranchCurrents(Circuit& c, GraphState& g, DrawSurface& magnitudeGraph, DrawSurface& phaseGraph,
                                const BranchChecks& checked, bool calculationValid, PlottedSweep* drawn = nullptr);
SweepResult SweepBranchVoltages(Circuit& c, GraphState& g, DrawSurface& magnitudeGraph, DrawSurface& phaseGraph,
                                const BranchChecks& checked, bool calculationValid, PlottedSweep* drawn = nullptr);
