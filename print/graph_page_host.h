#pragma once
// The printed page's view of the main window, through the graph page: its
// branch check boxes, its return button and the sign of a valid calculation
// of the circuit the page draws, the one the graph page's curves are drawn
// from.

#include "graph/graph_host.h"
#include "graph/graph_page.h"
#include "print/page_host.h"

class GraphPageHost : public PageHost {
public:
    GraphPageHost(GraphPage& page, GraphHost& host) : page_(page), host_(host) {}

    bool BranchChecked(int b) const override { return b >= 1 && b <= 15 && page_.CheckedBranches()[b]; }
    bool FrequencyCommandEnabled() const override { return host_.FrequencyCommandEnabled() || page_.HasDrawnCircuit(); }
    void PressReturn() override { page_.OnReturn(); }
    QString CircuitFile() const override { return host_.CircuitFile(); }

private:
    GraphPage& page_;
    GraphHost& host_;
};
