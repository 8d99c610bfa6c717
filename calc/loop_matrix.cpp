#include "loop_matrix.h"

#include <algorithm>

#include "signed_sum.h"

namespace {

// ZDef[j][k] of the code jk, 1 ≤ j ≤ k ≤ 5; nullptr for any other code.
Marks* DefinitionOf(Circuit& c, int code)
{
    const int j = code / 10, k = code % 10;
    if (j < 1 || j > k || k > Circuit::MaxLoops) return nullptr;
    return &c.ZDef[j][k];
}

// Copies marks[first … BrCnt] into the definition of the code; nothing is
// written beyond the end of the definition.
void CopyDef(Circuit& c, int code, const Marks& marks, int first)
{
    Marks* def = DefinitionOf(c, code);
    if (def == nullptr) return;
    const int last = std::min<int>(c.BrCnt, static_cast<int>(def->size()) - 1);
    for (int b = first; b <= last; ++b) (*def)[b] = b < static_cast<int>(marks.size()) ? marks[b] : 0;
}

// The element sums are formed in local values and handed back by value:
// reading a sum back out of ZReg right after writing it costs more than
// forming it. Each sum is tested once, when it is complete: an infinity or
// NaN met on the way stays in the sum to its end, and any of them is the
// same error 6. A missing definition (an unknown code) sums to 0.
inline Complex ElementSum(const Circuit& c, const Marks* def, bool diagonal)
{
    Complex sum;
    // −1 marks do not count on the diagonal.
    if (def != nullptr) sum = SignedSum(def->data(), c.BrImp.data(), 1, c.BrCnt, !diagonal);
    cpx_detail::Store(sum, sum);
    return sum;
}

}  // namespace

void SetZDiagDef(Circuit& c, int code, const Marks& marks) { CopyDef(c, code, marks, 1); }

void SetZMutDef(Circuit& c, int code, const Marks& marks) { CopyDef(c, code, marks, 0); }

void CalcZDiag(Circuit& c, int code) { c.ZReg = ElementSum(c, DefinitionOf(c, code), true); }

void CalcZMut(Circuit& c, int code) { c.ZReg = ElementSum(c, DefinitionOf(c, code), false); }

// Row j of the upper triangle is evaluated before row j + 1 is mirrored from
// the columns above it; only the order in which errors are met depends on it.
// ZReg ends as the last element evaluated, as after CalcZDiag / CalcZMut.
void AsmLoopMat(Circuit& c)
{
    const int n = c.LoopCnt;
    Complex z;
    for (int j = 1; j <= n; ++j) {
        z = ElementSum(c, &c.ZDef[j][j], true);
        c.LoopMat(j, j) = z;
    }
    for (int j = 1; j < n; ++j) {
        for (int k = j + 1; k <= n; ++k) {
            z = ElementSum(c, &c.ZDef[j][k], false);
            c.LoopMat(j, k) = z;
        }
        for (int m = 1; m <= j; ++m) c.LoopMat(j + 1, m) = c.LoopMat(m, j + 1);
    }
    c.ZReg = z;
}

void MirrorLoopMat(Circuit& c)
{
    const int n = c.LoopCnt;
    for (int j = 1; j < n; ++j)
        for (int k = j + 1; k <= n; ++k) c.LoopMat(k, j) = c.LoopMat(j, k);
}
