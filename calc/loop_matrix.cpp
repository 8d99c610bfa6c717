#include "loop_matrix.h"

#include <algorithm>

namespace {

// Copies work[first … BrCnt] into the definition of the code; a work array
// shorter than that counts as zeros beyond its end, and nothing is written
// beyond the end of the definition.
void CopyDef(Circuit& c, int code, int first) {
    Marks* def = c.ZDef(code);
    if (def == nullptr) return;
    const int last = std::min<int>(c.BrCnt, static_cast<int>(def->size()) - 1);
    for (int b = first; b <= last; ++b)
        (*def)[b] = b < static_cast<int>(c.ZDefWork.size()) ? c.ZDefWork[b] : 0;
}

// The element sums are formed in local values and handed back by value:
// reading a sum back out of ZReg right after writing it costs more than
// forming it.
inline Complex DiagSum(const Circuit& c, int code) {
    Complex sum;
    if (const Marks* def = c.ZDef(code)) {
        const int16_t* mark = def->data();
        const Complex* imp = c.BrImp.data();
        for (int b = 1; b <= c.BrCnt; ++b)
            if (mark[b] == 1) CpxAdd(sum, sum, imp[b]);
    }
    return sum;
}

inline Complex MutSum(const Circuit& c, int code) {
    Complex sum;
    if (const Marks* def = c.ZDef(code)) {
        const int16_t* mark = def->data();
        const Complex* imp = c.BrImp.data();
        for (int b = 1; b <= c.BrCnt; ++b) {
            if (mark[b] == 1)
                CpxAdd(sum, sum, imp[b]);
            else if (mark[b] == -1)
                CpxSub(sum, sum, imp[b]);
        }
    }
    return sum;
}

}  // namespace

void SetZDiagDef(Circuit& c, int code) { CopyDef(c, code, 1); }

void SetZMutDef(Circuit& c, int code) { CopyDef(c, code, 0); }

void CalcZDiag(Circuit& c, int code) { c.ZReg = DiagSum(c, code); }

void CalcZMut(Circuit& c, int code) { c.ZReg = MutSum(c, code); }

// Row j of the upper triangle is evaluated before row j + 1 is mirrored from
// the columns above it; only the order in which errors are met depends on it.
// ZReg ends as the last element evaluated, as after CalcZDiag / CalcZMut.
void AsmLoopMat(Circuit& c) {
    const int n = c.LoopCnt;
    Complex z;
    for (int j = 1; j <= n; ++j) {
        z = DiagSum(c, 11 * j);
        c.LoopMat(j, j) = z;
    }
    for (int j = 1; j < n; ++j) {
        for (int k = j + 1; k <= n; ++k) {
            z = MutSum(c, 10 * j + k);
            c.LoopMat(j, k) = z;
        }
        for (int m = 1; m <= j; ++m) c.LoopMat(j + 1, m) = c.LoopMat(m, j + 1);
    }
    c.ZReg = z;
}

void MirrorLoopMat(Circuit& c) {
    const int n = c.LoopCnt;
    for (int j = 1; j < n; ++j)
        for (int k = j + 1; k <= n; ++k) c.LoopMat(k, j) = c.LoopMat(j, k);
}
