#pragma once
// The printed page's view of the main window, through the graph page: its
// return button and the file the circuit belongs to.

#include "graph/graph_host.h"
#include "graph/graph_page.h"
#include "print/page_host.h"

class GraphPageHost : public PageHost {
public:
    GraphPageHost(GraphPage& page, GraphHost& host) : page_(page), host_(host) {}

    void PressReturn() override { page_.OnReturn(); }
    QString CircuitFile() const override { return host_.CircuitFile(); }

private:
    GraphPage& page_;
    GraphHost& host_;
};
