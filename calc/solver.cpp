#include "solver.h"

#include "checked.h"

namespace {

bool HasZeroDiagonal(const LoopMatrix& m, int n) {
    for (int k = 1; k <= n; ++k)
        if (IsZero(m(k, k))) return true;
    return false;
}

void Augment(LoopMatrix& m, int n) {
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) m(i, n + j) = i == j ? Complex{1.0, 0.0} : Complex{};
}

// Gauss–Jordan without row exchanges; the pivot row is left unscaled until
// the final normalisation.
void Eliminate(LoopMatrix& m, int n) {
    Complex t;
    Complex product;
    for (int k = 1; k <= n; ++k) {
        for (int r = 1; r <= n; ++r) {
            CpxDiv(t, m(r, k), m(k, k));
            if (r == k) continue;
            for (int col = k; col <= 2 * n; ++col) {
                CpxMul(product, m(k, col), t);
                CpxSub(m(r, col), m(r, col), product);
            }
        }
    }
}

void Normalise(LoopMatrix& m, int n) {
    for (int r = 1; r <= n; ++r)
        for (int col = n + 1; col <= 2 * n; ++col) CpxDiv(m(r, col), m(r, col), m(r, r));
}

}  // namespace

bool TryInvLoopMat(Circuit& c) {
    const int n = c.LoopCnt;
    LoopMatrix& m = c.LoopMat;
    try {
        if (HasZeroDiagonal(m, n)) {
            c.CalcErr = 1;
            return false;
        }
        Augment(m, n);
        Eliminate(m, n);
        Normalise(m, n);
        return true;
    } catch (const CalcError&) {
        c.CalcErr = 1;
        return false;
    }
}

void InvLoopMat(Circuit& c) { TryInvLoopMat(c); }
