#pragma once
// 計算実行 without the window: the same refusals, in the same order, and the
// same results in the circuit, for the command line.

#include <optional>
#include <string>

#include "calc/circuit.h"
#include "circuit_document.h"

struct PageCalculation {
    // The message that stopped the calculation; nothing is shown then.
    std::optional<std::string> failure;
    // Branches 1 … this have their currents and voltages; the window stops
    // at the first branch without a branch-current definition.
    int branchesWithCurrents = 0;
};

// c is CircuitOf(document).
PageCalculation CalculatePage(Circuit& c, const CircuitDocument& document);
