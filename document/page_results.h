#pragma once
// The calculation page's results as the window holds them: the last
// calculation that succeeded and whether it still belongs to the circuit on
// screen, the branch impedances formed as branches were entered, and which of
// the results the page still shows. What makes a result stale empties its
// labels one event at a time; a display unit chosen shows a result of the
// circuit on screen again.

#include <array>
#include <optional>

#include "calc/circuit.h"
#include "document/page_calculation.h"

struct PageResults {
    std::optional<CalculatedPage> calculation;
    // The calculation is that of the circuit on screen: only then are
    // results shown again, is 周波数特性 enabled and may the graphs sweep it.
    bool valid = false;

    // Branch b's impedance at [b] while its labels show it.
    std::array<std::optional<Complex>, Circuit::MaxBranches + 1> impedance{};
    // Which calculated results the labels show, by branch; the voltage
    // labels show voltageBranch's.
    std::array<bool, Circuit::MaxBranches + 1> currentMagnitude{}, currentPhase{};
    int voltageBranch = 1;
    bool voltageMagnitude = false, voltagePhase = false;
    bool inputImpedanceMagnitude = false, inputImpedancePhase = false;

    // The calculation while it is valid; nullptr otherwise.
    const CalculatedPage* Valid() const { return valid && calculation ? &*calculation : nullptr; }
};
