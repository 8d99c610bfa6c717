#pragma once
// 計算実行 as one analysis: the refusals in their order, then calciz at the
// entered frequency and the phases the calculation page shows. The window
// and the command line both calculate through it.

#include <optional>
#include <string>

#include "calc/circuit.h"

struct PageCalculation {
    // The message that stopped the calculation; nothing is calculated then.
    std::optional<std::string> failure;
    // The failure was a singular loop matrix, found after the branch
    // impedances were formed.
    bool singular = false;
};

// Every branch gets its phases; one without a branch-current definition has
// none of its own to show. Arithmetic errors propagate as CalcError.
PageCalculation CalculatePage(Circuit& c);
