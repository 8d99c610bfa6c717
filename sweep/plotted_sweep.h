#pragma once
// A sweep as it is drawn: its frequencies, its numbers, the quantity and the
// branches plotted, the circuit it was computed from and the curve
// coordinates of the graphs. The graph page keeps the last one, so that the
// marker, the searches, the position chosen to fit and the data export read
// the curves on the screen without sweeping again, and analyse that circuit,
// whatever the circuit on screen has become; the printed page and its
// exports draw one computed the same way.

#include <optional>
#include <vector>

#include "sweep/element_value.h"
#include "sweep/plotted_curve.h"
#include "sweep/sweep_data.h"

// The curve coordinates of both graphs as 32-bit values: log10 of the first
// and last swept frequency across, log10 of the magnitude scale's bounds and
// the phase scale's bounds in degrees up.
struct PlotWindow {
    float left = 0, right = 0;
    float bottom = 0, top = 0;
    float phaseBottom = 0, phaseTop = 0;
};

// The coordinates of the state's span and the plotted quantity's scales; a
// bound that has no logarithm raises a CalcError.
PlotWindow PlotWindowOf(const GraphState& g);

// One value of a stepped element: the circuit with it, its sweep, and the
// failure that ended that sweep early, if one did.
struct FamilyMember {
    double value = 0;
    Circuit circuit;
    SweepData data;
    std::optional<SweepResult> failure;
};

struct PlottedSweep {
    PlottedQuantity quantity = PlottedQuantity::InputImpedance;
    BranchChecks plotted{};  // the ticked branches, for a branch quantity
    SweepFrequencies frequencies;
    SweepData data;
    Circuit circuit;
    // The element tuned or stepped when the curves are not the circuit's
    // own: tuned, `circuit` holds the value; stepped, the family has one
    // member per value and `data` holds nothing.
    std::optional<ElementSlot> varied;
    std::vector<FamilyMember> family;
};

// The plotted curves in the order they are drawn: the input impedance alone,
// or the ticked branches that have numbers, by branch; of a family, those of
// each member in turn, whether or not its sweep has numbers.
std::vector<PlottedCurve> CurvesOf(const PlottedSweep& sweep);

// The numbers of one plotted curve; none for a member whose sweep has none.
const SweepCurve& NumbersOf(const PlottedSweep& sweep, const PlottedCurve& curve);

// The circuit one plotted curve was computed from.
const Circuit& AnalysedCircuit(const PlottedSweep& sweep, const PlottedCurve& curve);

// The value of the varied element the curve was computed with; nothing for a
// curve of the circuit itself.
std::optional<ElementValue> ElementValueOf(const PlottedSweep& sweep, const PlottedCurve& curve);

// The plotted value at point k, nothing where the point is left out or lies
// beyond where the curve ended.
std::optional<SweepValue> ValueAt(const PlottedSweep& sweep, const PlottedCurve& curve, size_t k);

// The sweep of the state on a copy of the circuit, as far as it went: the
// one routine of the graph page, the printed page, its exports and the
// command line. `outcome` tells whether it is complete; a sweep that could
// not start has no frequencies. With no circuit there is nothing to analyse:
// the frequencies are set and the outcome is that no calculation exists.
PlottedSweep PlotSweep(const Circuit* circuit, const GraphState& g, const BranchChecks& checked, bool calculationValid,
                       SweepResult& outcome);

// The same with the element varied on copies of the circuit: tuned, as
// PlotSweep of the circuit with the value; stepped, one sweep per value, each
// as far as it went. A failure that keeps every sweep from starting is the
// outcome; a member's own failure is its `failure` and leaves the family
// complete.
PlottedSweep PlotVariedSweep(const Circuit& circuit, const GraphState& g, const BranchChecks& checked,
                             bool calculationValid, const ElementVariation& variation, SweepResult& outcome);
