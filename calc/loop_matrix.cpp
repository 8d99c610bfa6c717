#include "loop_matrix.h"

namespace {

// Copies work[first … BrCnt] into the definition of the code; a work array
// shorter than that counts as zeros beyond its end.
void CopyDef(Circuit& c, int code, int first) {
    Marks* def = c.ZDef(code);
    if (def == nullptr) return;
    for (int b = first; b <= c.BrCnt; ++b)
        (*def)[b] = b < static_cast<int>(c.ZDefWork.size()) ? c.ZDefWork[b] : 0;
}

}  // namespace

void SetZDiagDef(Circuit& c, int code) { CopyDef(c, code, 1); }

void SetZMutDef(Circuit& c, int code) { CopyDef(c, code, 0); }

void CalcZDiag(Circuit& c, int code) {
    c.ZReg = Complex{};
    const Marks* def = c.ZDef(code);
    if (def == nullptr) return;
    for (int b = 1; b <= c.BrCnt; ++b)
        if ((*def)[b] == 1) CpxAdd(c.ZReg, c.ZReg, c.BrImp[b]);
}

void CalcZMut(Circuit& c, int code) {
    c.ZReg = Complex{};
    const Marks* def = c.ZDef(code);
    if (def == nullptr) return;
    for (int b = 1; b <= c.BrCnt; ++b) {
        if ((*def)[b] == 1)
            CpxAdd(c.ZReg, c.ZReg, c.BrImp[b]);
        else if ((*def)[b] == -1)
            CpxSub(c.ZReg, c.ZReg, c.BrImp[b]);
    }
}

// Row j of the upper triangle is evaluated before row j + 1 is mirrored from
// the columns above it; only the order in which errors are met depends on it.
void AsmLoopMat(Circuit& c) {
    const int n = c.LoopCnt;
    for (int j = 1; j <= n; ++j) {
        CalcZDiag(c, 11 * j);
        c.LoopMat(j, j) = c.ZReg;
    }
    for (int j = 1; j < n; ++j) {
        for (int k = j + 1; k <= n; ++k) {
            CalcZMut(c, 10 * j + k);
            c.LoopMat(j, k) = c.ZReg;
        }
        for (int m = 1; m <= j; ++m) c.LoopMat(j + 1, m) = c.LoopMat(m, j + 1);
    }
}

void MirrorLoopMat(Circuit& c) {
    const int n = c.LoopCnt;
    for (int j = 1; j < n; ++j)
        for (int k = j + 1; k <= n; ++k) c.LoopMat(k, j) = c.LoopMat(j, k);
}
