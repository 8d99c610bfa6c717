#include "tests/print/page_fixture.h"

#include "graph/branch_colour.h"
#include "tests/support/sample_circuits.h"

Circuit SampleCircuit(const SampleValues& v)
{
    return sample::TwoLoop({v.r1, v.l1, v.c1}, {v.r2, v.l2, v.c2}, {v.r3, v.l3, v.c3});
}

HandedSweep SweepFor(const Circuit& c, const GraphState& g, const std::set<int>& ticked, bool valid)
{
    BranchChecks checked{};
    for (int b : ticked) checked[b] = true;
    HandedSweep handed;
    handed.sweep = PlotSweep(&c, g, checked, valid, handed.outcome);
    return handed;
}

std::complex<double> SampleZi(const SampleValues& v, double f)
{
    return sample::TwoLoopZi({v.r1, v.l1, v.c1}, {v.r2, v.l2, v.c2}, {v.r3, v.l3, v.c3}, f);
}

PaperMetrics A4() { return MeasurePaper(210, 297, 202, 289); }

PrintState PageState(int16_t leftMargin, int16_t rightMargin, int16_t topMargin, int16_t bottomMargin)
{
    PrintState p;
    p.paper = A4();
    p.margins = {leftMargin, rightMargin, topMargin, bottomMargin};
    p.fontScale = 1;
    return p;
}

GraphState DefaultGraph()
{
    GraphState g;
    FillBranchColours(g);
    g.sweepEnd = g.sweepStart * 10000;
    g.impedanceAxisMax = g.impedanceAxisMin * 1e6;
    g.currentAxisMax = g.currentAxisMin * 1e6;
    g.voltageAxisMax = g.voltageAxisMin * 1e6;
    g.phaseAxisMax = g.phaseAxisMin + 180;
    return g;
}
