#pragma once
// The graph page's host in the benchmarks: the calculated 5-loop ladder, every
// branch with its current, no other window.

#include "graph/graph_host.h"
#include "graph/graph_page.h"
#include "tests/support/sample_circuits.h"

struct LadderGraphHost : GraphHost {
    GraphPage* page = nullptr;
    CalculatedPage results{sample::Ladder(5), {}, {}, {}};
    const CalculatedPage* Results() const override { return &results; }
    int CircuitBranches() const override { return BranchCount(results.circuit); }
    BranchChecks BranchesWithCurrents() const override { return EveryBranch(); }
    void PressFrequencyCommand() override { page->RedrawCurrentRange(); }
    void PressReturn() override {}
    void OpenPrintPreview() override {}
    void OpenElementTuning() override {}
};
