#pragma once
// The frequency sweeps: 501 points spaced logarithmically from sweepStart while
// the frequency stays at or below sweepEnd, one analysis per point, drawn as a
// magnitude curve in log10 coordinates on the magnitude graph and a phase
// curve in degrees on the phase graph. A sweep draws over the grid and never
// clears the boxes.
//
// A point whose analysis divides by zero or meets a singular loop matrix is
// left out: nothing is drawn or recorded for it and the sweep goes on with the
// next frequency. A singular matrix while no valid calculation exists ends the
// sweep; so does any other arithmetic failure.

#include <array>
#include <string>

#include <QColor>

#include "calc/circuit.h"
#include "graph/graph_state.h"
#include "platform/draw_surface.h"

// Element b tells whether branch b is plotted; element 0 is unused.
using BranchChecks = std::array<bool, 16>;

struct SweepResult {
    enum Kind {
        Completed,
        NoCalculation,  // singular matrix while no valid calculation exists
        Failed,         // an arithmetic failure other than a division by zero
    };
    Kind kind = Completed;
    std::string description;  // of the failure
};

inline constexpr int kSweepIntervals = 500;
inline const QColor kLiveCurveColour{255, 0, 0};

// The frequency ratio of neighbouring points: 10^(log10(end / start) / 500).
double SweepStep(double start, double end);

// Input impedance in red. While no curve is kept every drawn point is recorded
// in the kept curve from index 1; a completed sweep sets its count to the
// number of points recorded or, with a curve kept, that would have been.
SweepResult SweepInputImpedance(Circuit& c, GraphState& g, DrawSurface& magnitudeGraph, DrawSurface& phaseGraph,
                    bool calculationValid);

// Currents or voltages of the checked branches, each in its branch colour,
// one branch after the other. One analysis per frequency serves them all; it
// runs, with its failure checks, whether any branch is checked or not.
SweepResult SweepBranchCurrents(Circuit& c, GraphState& g, DrawSurface& magnitudeGraph, DrawSurface& phaseGraph,
                       const BranchChecks& checked, bool calculationValid);
SweepResult SweepBranchVoltages(Circuit& c, GraphState& g, DrawSurface& magnitudeGraph, DrawSurface& phaseGraph,
                       const BranchChecks& checked, bool calculationValid);
