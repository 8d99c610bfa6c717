#pragma once
// A sweep as it was drawn: its frequencies, its numbers, the quantity and the
// branches plotted, and the circuit it was drawn from. The graph page keeps
// the last one, so that the marker, the searches, the position chosen to fit
// and the data export read the curves on the screen without sweeping again,
// and analyse that circuit, whatever the circuit on screen has become.

#include <optional>
#include <vector>

#include "sweep/plotted_curve.h"
#include "sweep/sweep_data.h"

struct PlottedSweep {
    PlottedQuantity quantity = PlottedQuantity::InputImpedance;
    BranchChecks plotted{};  // the ticked branches, for a branch quantity
    SweepFrequencies frequencies;
    SweepData data;
    Circuit circuit;
};

// The plotted curves in the order they are drawn: the input impedance alone,
// or the ticked branches that have numbers, by branch.
std::vector<PlottedCurve> CurvesOf(const PlottedSweep& sweep);

// The numbers of one plotted curve.
const SweepCurve& NumbersOf(const PlottedSweep& sweep, const PlottedCurve& curve);

// The plotted value at point k, nothing where the point is left out or lies
// beyond where the curve ended.
std::optional<SweepValue> ValueAt(const PlottedSweep& sweep, const PlottedCurve& curve, size_t k);

// The sweep the graph page draws for the state, computed without drawing:
// for the data the printed page exports. Nothing when the sweep does not
// complete; `outcome` then tells why.
std::optional<PlottedSweep> SweepAsPlotted(const Circuit& c, const GraphState& g, const BranchChecks& checked,
                                           bool calculationValid, SweepResult& outcome);
