#include "solver.h"

#include <stdexcept>

namespace {

using cpx_detail::Finite;
using cpx_detail::Minus;
using cpx_detail::Over;
using cpx_detail::Quotient;
using cpx_detail::Times;

bool HasZeroDiagonal(const LoopMatrix& m, int n) {
    for (int k = 1; k <= n; ++k)
        if (IsZero(m(k, k))) return true;
    return false;
}

// Gauss–Jordan on the matrix augmented with the identity, without row
// exchanges; the pivot row is left unscaled until the final normalisation.
// Columns are counted from 0 here; the size is a template argument so that
// the loops unroll.
//
// Every arithmetic error of the checked operations is found, but not one
// operation at a time. Each quotient is tested where it is formed (an
// infinite denominator would make it a silent zero). The results of the
// updates need no test of their own: an infinity or NaN never becomes finite
// again by subtraction, by multiplication with a finite quotient, or by
// division through a tested denominator, so it is still in the matrix at the
// end, where one scan finds it. Any failure fails the whole inversion, so it
// does not matter which step failed first.
//
// The quotient of the pivot row by its own pivot is left out: it is exactly
// 1 when the pivot's squared magnitude is finite and non-zero and fails
// otherwise, and the quotients of the other rows divide by that same squared
// magnitude, so they fail in exactly the same cases.
template <int N>
bool Invert(LoopMatrix& m) {
    Complex* rows[N];
    for (int r = 0; r < N; ++r) rows[r] = m.Row(r + 1);
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j) rows[i][N + j] = i == j ? Complex{1.0, 0.0} : Complex{};

    bool ok = true;
    for (int k = 0; k < N; ++k) {
        const Complex* pivot = rows[k];
        for (int r = 0; r < N; ++r) {
            if (r == k) continue;
            const Quotient t = Over(rows[r][k], pivot[k]);
            ok &= Finite(t);
            Complex* row = rows[r];
            for (int c = k; c < 2 * N; ++c) row[c] = Minus(row[c], Times(pivot[c], t.value));
        }
    }
    for (int r = 0; r < N; ++r) {
        Complex* row = rows[r];
        for (int c = N; c < 2 * N; ++c) {
            const Quotient q = Over(row[c], row[r]);
            ok &= Finite(q);
            row[c] = q.value;
        }
    }
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < 2 * N; ++c) ok &= Finite(rows[r][c]);
    return ok;
}

bool Invert(LoopMatrix& m, int n) {
    switch (n) {
        case 2: return Invert<2>(m);
        case 3: return Invert<3>(m);
        case 4: return Invert<4>(m);
        case 5: return Invert<5>(m);
        default: return false;
    }
}

}  // namespace

bool TryInvLoopMat(Circuit& c) {
    const int n = c.LoopCnt;
    if (c.LoopMat.Rows() != n) throw std::logic_error("InvLoopMat: LoopMat does not match LoopCnt");
    const bool ok = !HasZeroDiagonal(c.LoopMat, n) && Invert(c.LoopMat, n);
    if (!ok) c.CalcErr = 1;
    return ok;
}

void InvLoopMat(Circuit& c) { TryInvLoopMat(c); }
