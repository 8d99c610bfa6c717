#include "page_calculation.h"

#include "calc/analysis.h"
#include "calc/branch_impedance.h"
#include "calc/calc_error.h"
#include "calc/checked.h"
#include "calc/loop_matrix.h"
#include "calc/number_text.h"
#include "calc/solver.h"
#include "texts.h"

namespace {

bool HasCapacitor(const Circuit& c)
{
    for (int b = 1; b <= c.BrCnt; ++b)
        if (c.BrC[b] != 0) return true;
    return false;
}

// The branch impedances as the window shows them: showing one may overflow.
void BranchImpedances(Circuit& c)
{
    for (int b = 1; b <= c.BrCnt; ++b) {
        BrZCalc(c.BrImp[b], c.BrR[b], c.BrL[b], c.BrC[b], c.Frq);
        DisplayValue(c.BrImp[b].re, c.ImpDspMul[b]);
        DisplayValue(c.BrImp[b].im, c.ImpDspMul[b]);
    }
}

void BranchResults(Circuit& c, int b)
{
    CalcBrCur(c, b);
    c.BrCurAbs[b] = CpxAbs(c.BrCur[b]);
    DisplayValue(c.BrCurAbs[b], c.CurDspMul[b]);
    CpxPh(c.BrCur[b], c.AngRes);
    c.BrCurPh[b] = c.AngRes;
    CpxMul(c.BrVol[b], c.BrCur[b], c.BrImp[b]);
    c.BrVolAbs[b] = CpxAbs(c.BrVol[b]);
    CpxPh(c.BrVol[b], c.AngRes);
    c.BrVolPh[b] = c.AngRes;
    DisplayValue(c.BrVolAbs[b], c.VolDspMul[b]);
}

void InputImpedance(Circuit& c)
{
    CpxDiv(c.ZReg, c.EmfCpx, c.LoopCur[1]);
    c.ZiAbs = CpxAbs(c.ZReg);
    CpxPh(c.ZReg, c.AngRes);
    c.ZiPh = c.AngRes;
    DisplayValue(c.ZiAbs, c.ImpDspMul[0]);
}

PageCalculation Calculated(Circuit& c, const CircuitDocument& document)
{
    c.Frq = checked::Chk(c.FrqMul * c.FrqVal);
    if (c.EmfMul * c.EmfVal == 0) return {texts::kEmfNotZero};
    if (c.Frq == 0 && HasCapacitor(c)) return {texts::kCapacitorAtZero};
    BranchImpedances(c);
    AsmLoopMat(c);
    InvLoopMat(c);
    if (c.CalcErr == 1) {
        c.CalcErr = 0;
        return {texts::kCannotCalculate};
    }
    c.Emf = checked::Chk(c.EmfMul * c.EmfVal);
    c.EmfCpx = Complex{c.Emf, 0};
    for (int k = 1; k <= c.LoopCnt; ++k) CpxMul(c.LoopCur[k], c.LoopMat(k, c.LoopCnt + 1), c.EmfCpx);
    PageCalculation page;
    while (page.branchesWithCurrents < c.BrCnt && document.currents[page.branchesWithCurrents])
        BranchResults(c, ++page.branchesWithCurrents);
    InputImpedance(c);
    return page;
}

}  // namespace

PageCalculation CalculatePage(Circuit& c, const CircuitDocument& document)
{
    try {
        return Calculated(c, document);
    } catch (const CalcError& e) {
        return {e.description()};
    }
}
