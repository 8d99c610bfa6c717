#include "document/page_calculation.h"

#include "calc/analysis.h"
#include "calc/checked.h"
#include "document/document_texts.h"

namespace {

bool HasCapacitor(const Circuit& c)
{
    for (int b = 1; b <= c.BrCnt; ++b)
        if (c.BrC[b] != 0) return true;
    return false;
}

void Phases(Circuit& c)
{
    for (int b = 1; b <= c.BrCnt; ++b) {
        CpxPh(c.BrCur[b], c.AngRes);
        c.BrCurPh[b] = c.AngRes;
        CpxPh(c.BrVol[b], c.AngRes);
        c.BrVolPh[b] = c.AngRes;
    }
    c.ZiAbs = CpxAbs(c.ZReg);
    CpxPh(c.ZReg, c.AngRes);
    c.ZiPh = c.AngRes;
}

}  // namespace

PageCalculation CalculatePage(Circuit& c)
{
    c.Frq = checked::Chk(c.FrqMul * c.FrqVal);
    // An E of zero drives no current, and a capacitor at zero frequency has
    // no finite impedance.
    if (c.EmfMul * c.EmfVal == 0) return {texts::kEmfNotZero};
    if (c.Frq == 0 && HasCapacitor(c)) return {texts::kCapacitorAtZero};
    c.Emf = checked::Chk(c.EmfMul * c.EmfVal);
    c.EmfCpx = Complex{c.Emf, 0};
    if (calciz(c) == AnalysisOutcome::Singular) return {texts::kCannotCalculate, true};
    Phases(c);
    return {};
}
