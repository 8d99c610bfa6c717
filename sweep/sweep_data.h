#pragma once
// The numbers of a frequency sweep without the drawing: the swept
// frequencies and, per curve, each point's magnitude and plotted phase, or
// nothing where the point is left out. The graph page draws them; the
// command line prints them.
//
// A point whose analysis divides by zero or meets a singular loop matrix is
// left out. A singular matrix while no valid calculation exists ends the
// sweep; so does any other arithmetic failure.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/analysis_lanes.h"
#include "calc/circuit.h"
#include "sweep/graph_state.h"

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

// Element b tells whether branch b is plotted; element 0 is unused.
using BranchChecks = std::array<bool, 16>;

inline BranchChecks EveryBranch()
{
    BranchChecks every;
    every.fill(true);
    return every;
}

// The frequency ratio of neighbouring points: 10^(log10(end / start) / 500).
double SweepStep(double start, double end);

// How far, relatively, rounding may carry the last frequency past the end
// for it to count as the end.
inline constexpr double kEdgeTolerance = 1e-9;

// start × step^k while it stays at or below end, and log10 of each; a
// frequency that rounding carries past the end by at most kEdgeTolerance is
// the end itself.
struct SweepFrequencies {
    double step = 0;
    std::vector<double> frequency;
    std::vector<float> logFrequency;
};
SweepFrequencies SweptFrequencies(double start, double end, double step);

// An E of zero drives no current: there is nothing to sweep, which is said as
// 計算実行 says it. Nothing for any other E.
std::optional<SweepResult> SourceFailure(const Circuit& c);

// One curve's value at one frequency.
struct SweepValue {
    double magnitude;                   // of the analysis, in base units
    std::optional<float> logMagnitude;  // nothing for a zero value, which has no magnitude point
    float phase;                        // in degrees, continued through −180°
};

// Values by frequency up to where the curve ended; nothing for a point left
// out.
struct SweepCurve {
    std::vector<std::optional<SweepValue>> values;
    std::optional<SweepResult> end;  // the failure met in forming this curve
};

struct SweepData {
    // The input impedance alone, or every branch from branch 1 on.
    std::vector<SweepCurve> curves;
    // The failure that ended the analyses, before any curve's own.
    std::optional<SweepResult> analysesEnd;
};

// One analysis per frequency, each curve formed from them, on a copy of the
// circuit; the analyses by the route given. The curves of branches not
// plotted have no values.
SweepData AnalyseSweep(const Circuit& c, const SweepFrequencies& sweep, PlottedQuantity quantity,
                       const BranchChecks& plotted, bool calculationValid, SweepRoute route = ChosenSweepRoute());

// The result of drawing the curves of the plotted branches (the input
// impedance is always plotted): the first
// failure of a plotted curve, one branch after the other, and the end of the
// analyses after the first branch.
SweepResult SweepOutcome(const SweepData& data, PlottedQuantity quantity, const BranchChecks& plotted);
