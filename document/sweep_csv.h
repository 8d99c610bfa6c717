#pragma once
// The sweep of the graph page as CSV: a header line with the units, then one
// row per swept frequency — the frequency in Hz, then magnitude and plotted
// phase of the input impedance or of every branch's current or voltage.
// Empty value cells where the graph leaves the point out.

#include <QString>
#include <optional>

#include "document/circuit_document.h"
#include "sweep/graph_state.h"
#include "sweep/plotted_sweep.h"

struct SweepRange {
    double from = 100;  // the left edge, one of the graph's steps
    int decades = 4;    // 2 or 4
};

// The graph page's sweep of the document's circuit with the branches of
// `plotted` ticked, as after 計算実行 and 周波数特性, and the circuit as that
// calculation left it; or why there is none.
struct DocumentSweep {
    Circuit circuit;
    std::optional<PlottedSweep> sweep;
    std::optional<QString> failure;
};
// With `element`, the circuit has the element at that value instead of the
// one entered.
DocumentSweep SweepOfDocument(const CircuitDocument& document, PlottedQuantity quantity, const SweepRange& range,
                              const BranchChecks& plotted, const std::optional<ElementValue>& element = {});

struct SweepCsv {
    QString text;
    std::optional<QString> failure;  // why there is no sweep
};

// As after 計算実行 and 周波数特性: a circuit the page cannot calculate has no
// sweep, nor have the currents and voltages while a branch has no current.
SweepCsv SweepCsvOf(const CircuitDocument& document, PlottedQuantity quantity, const SweepRange& range);

// The same for each value of the element in turn: the frequency column, then
// per value the value columns of its sweep, named after the value ("Z3.C=1u
// |V01|[V]"). A value whose circuit has no sweep leaves its cells empty and
// is named in `failure`, one line each ("Z3.C=0: 計算出来ません"); when no
// value has a sweep there is no table.
SweepCsv SteppedSweepCsvOf(const CircuitDocument& document, PlottedQuantity quantity, const SweepRange& range,
                           const ElementSlot& element, const std::vector<double>& values);
