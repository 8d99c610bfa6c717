#pragma once
// Circuits, a main-window stand-in and a ready page state for the page tests.

#include <complex>
#include <ostream>
#include <set>

#include <QString>

#include "calc/circuit.h"
#include "tests/support/qstring_printer.h"
#include "sweep/graph_state.h"
#include "sweep/plotted_sweep.h"
#include "print/page_host.h"
#include "print/print_state.h"

class FakeHost : public PageHost {
public:
    int returnPresses = 0;
    QString circuitFile;

    void PressReturn() override { ++returnPresses; }
    QString CircuitFile() const override { return circuitFile; }
};

// The sweep the main window hands the page: the graph page's own of the
// state, with the branches ticked, after a valid calculation or before any.
struct HandedSweep {
    PlottedSweep sweep;
    SweepResult outcome;
};
HandedSweep SweepFor(const Circuit& c, const GraphState& g, const std::set<int>& ticked = {}, bool valid = true);

// The two-loop sample: Z11 = Z1＋Z2, Z12 = －Z2, Z22 = Z2＋Z3, I01 = I1,
// I02 = I1－I2, I03 = I2, E = 1 V.
struct SampleValues {
    double r1 = 10, l1 = 0, c1 = 0;
    double r2 = 100, l2 = 0.01, c2 = 0;
    double r3 = 50, l3 = 0, c3 = 1e-6;
};
Circuit SampleCircuit(const SampleValues& v = {});

// Zi = Z1 + Z2 ∥ Z3 of the sample, computed independently.
std::complex<double> SampleZi(const SampleValues& v, double f);

// A4 paper as a printer with a 4 mm unprintable border reports it.
PaperMetrics A4();
PrintState PageState(int16_t leftMargin = 5, int16_t rightMargin = 5, int16_t topMargin = 5, int16_t bottomMargin = 5);
GraphState DefaultGraph();
