#include "analysis.h"

#include <algorithm>
#include <stdexcept>

#include "branch_impedance.h"
#include "loop_matrix.h"
#include "signed_sum.h"
#include "solver.h"

namespace {

// Formed in a local value: see the element sums of the loop matrix.
Complex BranchCurrent(const Circuit& c, int b)
{
    Complex sum = SignedSum(c.CurDef[b].data(), c.LoopCur.data(), 1, c.LoopCnt, true);
    cpx_detail::Store(sum, sum);
    return sum;
}

}  // namespace

void SetCurDef(Circuit& c, int b, const Marks& marks)
{
    if (b < 1 || b > Circuit::MaxBranches) return;
    Marks& def = c.CurDef[b];
    const int last = std::min<int>(c.LoopCnt, static_cast<int>(def.size()) - 1);
    for (int k = 1; k <= last; ++k) def[k] = k < static_cast<int>(marks.size()) ? marks[k] : 0;
}

AnalysisOutcome calciz(Circuit& c)
{
    // Arrays of other bounds are a programming error, not a circuit.
    if (!ArraysMatchCounts(c)) throw std::logic_error("calciz: circuit arrays do not match BrCnt and LoopCnt");
    const int nb = c.BrCnt;
    const int nl = c.LoopCnt;
    for (int b = 1; b <= nb; ++b) BrZCalc(c.BrImp[b], c.BrR[b], c.BrL[b], c.BrC[b], c.Frq);
    AsmLoopMat(c);
    // Going on after a failed solve could only turn the singular matrix into
    // an arithmetic error (E ÷ 0 in the last step) and hide the outcome.
    if (!TryInvLoopMat(c)) return AnalysisOutcome::Singular;
    for (int k = 1; k <= nl; ++k) CpxMul(c.LoopCur[k], c.LoopMat(k, nl + 1), c.EmfCpx);
    for (int b = 1; b <= nb; ++b) {
        const Complex cur = BranchCurrent(c, b);
        c.BrCur[b] = cur;
        c.BrCurAbs[b] = CpxAbs(cur);
    }
    for (int b = 1; b <= nb; ++b) {
        Complex vol;
        CpxMul(vol, c.BrCur[b], c.BrImp[b]);
        c.BrVol[b] = vol;
        c.BrVolAbs[b] = CpxAbs(vol);
    }
    CpxDiv(c.ZReg, c.EmfCpx, c.LoopCur[1]);
    return AnalysisOutcome::Solved;
}
