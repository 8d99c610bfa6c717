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
    // Branches 1 … this have their phases; the page stops at the first
    // branch without a branch-current definition.
    int branchesWithCurrents = 0;
};

// definedBranches: how many branches from branch 1 on have a branch-current
// definition. Arithmetic errors propagate as CalcError.
PageCalculation CalculatePage(Circuit& c, int definedBranches);
