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
    const double w = f * 6.283184;
    const auto branch = [w](double r, double l, double c) {
        std::complex<double> z(r, w * l);
        if (c != 0) z += std::complex<double>(0, -1 / (w * c));
        return z;
    };
    const auto z1 = branch(v.r1, v.l1, v.c1);
    const auto z2 = branch(v.r2, v.l2, v.c2);
    const auto z3 = branch(v.r3, v.l3, v.c3);
    return z1 + z2 * z3 / (z2 + z3);
}

// Loops k = 1 … 5 in a row. Branch 3k − 2 is in loop k alone, branch 3k − 1
// is in loop k too, branch 3k is shared by loops k and k + 1 (the last one
// belongs to loop 5 alone).
Circuit LadderCircuit()
{
    Circuit c = sample::Empty(5, 15);
    for (int b = 1; b <= 15; ++b)
        sample::SetBranch(c, b, {5.0 * b, b % 3 == 0 ? 0 : 1e-3 * b, b % 4 == 0 ? 0 : 1e-6 * (16 - b)});
    for (int k = 1; k <= 5; ++k) {
        if (k == 1)
            sample::DefineZ(c, 11, {{1, 1}, {2, 1}, {3, 1}});
        else
            sample::DefineZ(c, 11 * k, {{3 * k - 2, 1}, {3 * k - 1, 1}, {3 * k, 1}, {3 * (k - 1), 1}});
        if (k < 5) sample::DefineZ(c, 10 * k + k + 1, {{3 * k, -1}});
        sample::DefineCurrent(c, 3 * k - 2, {{k, 1}});
        sample::DefineCurrent(c, 3 * k - 1, {{k, 1}});
        if (k < 5)
            sample::DefineCurrent(c, 3 * k, {{k, 1}, {k + 1, -1}});
        else
            sample::DefineCurrent(c, 3 * k, {{k, 1}});
    }
    return c;
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
