#include "solver.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

using cpx_detail::Finite;
using cpx_detail::Minus;
using cpx_detail::Over;
using cpx_detail::Plus;
using cpx_detail::Quotient;
using cpx_detail::Taint;
using cpx_detail::Times;

// max(|re|, |im|): within a factor √2 of the modulus, enough to rank pivots,
// and unlike the checked modulus it cannot overflow, so a huge but solvable
// matrix is never refused for its pivot test.
double Size(const Complex& z) { return std::max(std::fabs(z.re), std::fabs(z.im)); }

// The row, k or one below it, that serves as pivot row k. The written order
// stands while every pivot is sound; the first pivot that is zero or tiny
// against the largest candidate below it switches to partial pivoting for
// the rest of the elimination.
template <int N>
int PivotRow(Complex* const rows[], int k, bool& exchanging)
{
    const double pivotSize = Size(rows[k][k]);
    int largest = k;
    double largestSize = pivotSize;
    for (int r = k + 1; r < N; ++r) {
        const double size = Size(rows[r][k]);
        if (size > largestSize) largest = r, largestSize = size;
    }
    exchanging = exchanging || pivotSize < TinyPivotRatio * largestSize;
    return exchanging ? largest : k;
}

// Gauss–Jordan on the matrix augmented with the identity; the pivot row is
// left unscaled until the final normalisation. Columns are counted from 0
// here; the size is a template argument so that the loops unroll.
//
// Only the identity's first column is carried along: the analysis reads
// nothing but the first column of the inverse, the other columns of the
// identity never enter it, and each element of the eliminated columns and of
// the first one is formed by exactly the same operations as in the full
// inversion. An exchange swaps whole rows, the carried entry with them, as
// it would the rows of the full augmented matrix; the row operations then
// still turn the identity into the inverse, so no result is permuted back.
//
// Every arithmetic error of the checked operations is found, but not one
// operation at a time: any failure fails the whole inversion, so it does not
// matter which step failed first. An overflow or invalid operation leaves an
// infinity or NaN in the value it forms, and such a value never becomes
// finite again by subtraction, by multiplication with anything, or by
// division through a finite denominator. A failed quotient of the
// elimination therefore spoils its row's first column, which ends in a
// normalised quotient; a pivot that is zero is, unchanged, the denominator
// of its own row's normalisation; every other element ends in a later
// quotient, a pivot or, through the pivot row's update, the other rows. Only two kinds of value are formed that nothing
// else is formed from: the normalised quotients with their denominators,
// and the elements of a pivot's column once the pivot has eliminated them.
// Those alone are tested, all at once at the end.
//
// An exchange only moves rows no pivot has used yet, and the pivot test
// only reads, so the same holds for the rows as they stand after it. A NaN
// compares false, so it neither triggers an exchange nor displaces another
// entry, and stays where a tested value is formed from it; an infinity may
// become a pivot, whose normalisation then fails.
//
// The quotient of the pivot row by its own pivot is left out: it is exactly
// 1 when the pivot is finite and non-zero and fails otherwise, and the
// normalisation of the pivot row divides by that same pivot, so it fails in
// every one of those cases.
template <int N>
bool Invert(LoopMatrix& m)
{
    Complex* rows[N];
    for (int r = 0; r < N; ++r) {
        rows[r] = m.Row(r + 1);
        rows[r][N] = r == 0 ? Complex{1.0, 0.0} : Complex{};
    }

    Complex taint;
    bool exchanging = false;
    for (int k = 0; k < N; ++k) {
        const int from = PivotRow<N>(rows, k, exchanging);
        if (from != k) std::swap_ranges(rows[k], rows[k] + N + 1, rows[from]);
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

bool Invert(LoopMatrix& m, int n)
{
    switch (n) {
    case 2:
        return Invert<2>(m);
    case 3:
        return Invert<3>(m);
    case 4:
        return Invert<4>(m);
    case 5:
        return Invert<5>(m);
    default:
        return false;
    }
}

}  // namespace

bool TryInvLoopMat(Circuit& c)
{
    const int n = c.LoopCnt;
    if (c.LoopMat.Rows() != n) throw std::logic_error("TryInvLoopMat: LoopMat does not match LoopCnt");
    return Invert(c.LoopMat, n);
}
