#include "solver.h"

#include <stdexcept>

namespace {

using cpx_detail::Finite;
using cpx_detail::Minus;
using cpx_detail::Over;
using cpx_detail::Plus;
using cpx_detail::Quotient;
using cpx_detail::Taint;
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
// Only the identity's first column is carried along: the analysis reads
// nothing but the first column of the inverse, the other columns of the
// identity never enter it, and each element of the eliminated columns and of
// the first one is formed by exactly the same operations as in the full
// inversion.
//
// Every arithmetic error of the checked operations is found, but not one
// operation at a time: any failure fails the whole inversion, so it does not
// matter which step failed first. An overflow or invalid operation leaves an
// infinity or NaN in the value it forms, and such a value never becomes
// finite again by subtraction, by multiplication with anything, or by
// division through a finite denominator. A failed quotient of the
// elimination therefore spoils its row's first column, which ends in a
// normalised quotient; a pivot whose squared magnitude is zero or infinite
// is, unchanged, the denominator of its own row's normalisation; every other
// element ends in a later quotient, a pivot or, through the pivot row's
// update, the other rows. Only two kinds of value are formed that nothing
// else is formed from: the normalised quotients with their denominators,
// and the elements of a pivot's column once the pivot has eliminated them.
// Those alone are tested, all at once at the end.
//
// The quotient of the pivot row by its own pivot is left out: it is exactly
// 1 when the pivot's squared magnitude is finite and non-zero and fails
// otherwise, and the normalisation of the pivot row divides by that same
// squared magnitude, so it fails in exactly the same cases.
template <int N>
bool Invert(LoopMatrix& m) {
    Complex* rows[N];
    for (int r = 0; r < N; ++r) {
        rows[r] = m.Row(r + 1);
        rows[r][N] = r == 0 ? Complex{1.0, 0.0} : Complex{};
    }

    Complex taint;
    for (int k = 0; k < N; ++k) {
        const Complex* pivot = rows[k];
        for (int r = 0; r < N; ++r) {
            if (r == k) continue;
            Complex* row = rows[r];
            const Quotient t = Over(row[k], pivot[k]);
            for (int c = k; c <= N; ++c) row[c] = Minus(row[c], Times(pivot[c], t.value));
            taint = Plus(taint, Taint(row[k]));
        }
    }
    for (int r = 0; r < N; ++r) {
        Complex* row = rows[r];
        const Quotient q = Over(row[N], row[r]);
        taint = Plus(taint, Taint(q));
        row[N] = q.value;
    }
    return Finite(taint);
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
