// Builds a ladder of four loops and seven branches, analyses it at 1 kHz and
// checks Kirchhoff's voltage law around every loop. Exit status 0 on success.

#include <cmath>
#include <cstdio>

#include "calc/analysis.h"
#include "calc/calc_error.h"
#include "calc/circuit.h"
#include "calc/complex.h"
#include "calc/loop_matrix.h"
#include "calc/number_text.h"

namespace {

constexpr int Loops = 4;
constexpr int Branches = 7;  // 1 … 4 series branches, 5 … 7 the rungs between loops

void Describe(Circuit& c)
{
    c.LoopCnt = Loops;
    c.BrCnt = Branches;
    InitCircuitData(c);
    const double R[Branches + 1] = {0, 10, 22, 33, 47, 100, 150, 220};
    const double L[Branches + 1] = {0, 1e-3, 2.2e-3, 0, 4.7e-3, 10e-3, 0, 6.8e-3};
    const double C[Branches + 1] = {0, 0, 1e-6, 2.2e-6, 470e-9, 0, 3.3e-6, 1e-6};
    for (int b = 1; b <= Branches; ++b) {
        c.BrR[b] = R[b];
        c.BrL[b] = L[b];
        c.BrC[b] = C[b];
    }
    // Loop j holds series branch j and the rungs 4 + j − 1 and 4 + j.
    for (int j = 1; j <= Loops; ++j) {
        Marks diagonal(Branches + 1, 0);
        diagonal[j] = 1;
        if (j > 1) diagonal[3 + j] = 1;
        if (j < Loops) diagonal[4 + j] = 1;
        SetZDiagDef(c, 11 * j, diagonal);
        for (int k = j + 1; k <= Loops; ++k) {
            Marks mutual(Branches + 1, 0);
            if (k == j + 1)
                mutual[4 + j] = -1;
            else
                mutual[0] = 1;
            SetZMutDef(c, 10 * j + k, mutual);
        }
    }
    for (int b = 1; b <= Branches; ++b) {
        Marks loops(Loops + 1, 0);
        if (b <= Loops) {
            loops[b] = 1;
        } else {
            loops[b - 4] = 1;
            loops[b - 3] = -1;
        }
        SetCurDef(c, b, loops);
    }
    c.Frq = 1000;
    c.EmfCpx = {c.Emf, 0};
}

// Loop j: series branch j plus rung 4 + j (with the current) minus rung
// 3 + j (against it) equals E in loop 1 and 0 elsewhere.
bool KirchhoffHolds(const Circuit& c)
{
    for (int j = 1; j <= Loops; ++j) {
        Complex sum = c.BrVol[j];
        if (j < Loops) CpxAdd(sum, sum, c.BrVol[4 + j]);
        if (j > 1) CpxSub(sum, sum, c.BrVol[3 + j]);
        const double expected = j == 1 ? c.EmfCpx.re : 0;
        if (std::fabs(sum.re - expected) > 1e-12 || std::fabs(sum.im) > 1e-12) return false;
    }
    return true;
}

}  // namespace

int main()
{
    Circuit c;
    AnalysisOutcome outcome;
    try {
        Describe(c);
        outcome = calciz(c);
    } catch (const CalcError& e) {
        std::printf("error %d: %s\n", e.number(), e.description().c_str());
        return 1;
    }
    if (outcome == AnalysisOutcome::Singular) {
        std::printf("singular loop matrix\n");
        return 1;
    }
    for (int b = 1; b <= c.BrCnt; ++b)
        std::printf("branch %d: |I| = %s mA, |V| = %s V\n", b, DisplayValue(c.BrCurAbs[b], 1000).c_str(),
                    DisplayValue(c.BrVolAbs[b], 1).c_str());
    std::printf("Zi = %s%sj%s ohm\n", GeneralText(c.ZReg.re).c_str(), c.ZReg.im < 0 ? " - " : " + ",
                GeneralText(std::fabs(c.ZReg.im)).c_str());
    if (!KirchhoffHolds(c)) {
        std::printf("loop voltages do not balance\n");
        return 1;
    }
    std::printf("loop voltages balance\n");
    return 0;
}
