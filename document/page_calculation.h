#pragma once
// 計算実行 as one analysis: the refusals in their order, then the analysis at
// the entered frequency and the phases the calculation page shows. The window
// and the command line both calculate through it.

#include <optional>
#include <string>
#include <vector>

#include "calc/circuit.h"
#include "calc/loop_analysis.h"

// What the calculation page shows of one calculation, in base units.
struct CalculatedPage {
    Circuit circuit;  // the circuit calculated, for the graphs to sweep
    LoopResults values;
    // The phases as the page shows them; b at [b], [0] unused.
    std::vector<double> currentPhase, voltagePhase;
    double inputImpedanceMagnitude = 0, inputImpedancePhase = 0;
};

struct PageCalculation {
    // The message that stopped the calculation; nothing is calculated then.
    std::optional<std::string> failure;
    // The failure was a singular loop matrix, found after the branch
    // impedances were formed.
    bool singular = false;
    std::optional<CalculatedPage> page;  // when there is no failure
};

// Every branch gets its phases; one without a branch-current definition has
// none of its own to show. Arithmetic errors propagate as CalcError.
PageCalculation CalculatePage(const Circuit& c);
