#include "tests/print/page_fixture.h"

#include "graph/branch_colour.h"

namespace {

Marks MarksOf(std::initializer_list<int16_t> m) { return Marks(m); }

}  // namespace

Circuit SampleCircuit(const SampleValues& v)
{
    Circuit c;
    c.BrCnt = 3;
    c.LoopCnt = 2;
    InitCircuitData(c);
    c.BrR = {0, v.r1, v.r2, v.r3};
    c.BrL = {0, v.l1, v.l2, v.l3};
    c.BrC = {0, v.c1, v.c2, v.c3};
    c.ZDef11 = MarksOf({0, 1, 1, 0});
    c.ZDef12 = MarksOf({0, 0, -1, 0});
    c.ZDef22 = MarksOf({0, 0, 1, 1});
    c.CurDef[1] = MarksOf({0, 1, 0});
    c.CurDef[2] = MarksOf({0, 1, -1});
    c.CurDef[3] = MarksOf({0, 0, 1});
    c.EmfCpx = {1, 0};
    return c;
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
    Circuit c;
    c.BrCnt = 15;
    c.LoopCnt = 5;
    InitCircuitData(c);
    for (int b = 1; b <= 15; ++b) {
        c.BrR[b] = 5.0 * b;
        c.BrL[b] = b % 3 == 0 ? 0 : 1e-3 * b;
        c.BrC[b] = b % 4 == 0 ? 0 : 1e-6 * (16 - b);
    }
    for (int k = 1; k <= 5; ++k) {
        Marks& diag = *c.ZDef(11 * k);
        diag.assign(16, 0);
        diag[3 * k - 2] = diag[3 * k - 1] = diag[3 * k] = 1;
        if (k > 1) diag[3 * (k - 1)] = 1;
        if (k < 5) {
            Marks& mut = *c.ZDef(10 * k + k + 1);
            mut.assign(16, 0);
            mut[3 * k] = -1;
        }
    }
    for (int k = 1; k <= 5; ++k) {
        c.CurDef[3 * k - 2].assign(6, 0);
        c.CurDef[3 * k - 2][k] = 1;
        c.CurDef[3 * k - 1].assign(6, 0);
        c.CurDef[3 * k - 1][k] = 1;
        c.CurDef[3 * k].assign(6, 0);
        c.CurDef[3 * k][k] = 1;
        if (k < 5) c.CurDef[3 * k][k + 1] = -1;
    }
    c.EmfCpx = {1, 0};
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
