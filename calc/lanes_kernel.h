#pragma once
// The one-frequency analysis (calciz) written once for kWidth frequencies
// side by side, over a lane type V that each kernel source defines for its
// processor. Every lane performs exactly the operations of calciz on its own
// frequency, in the same order and with the same operands; the lanes where
// calciz would have left that plain path are reported, to be redone by it.
//
// Included only by the kernel sources, and nothing here may be a function
// that does not depend on V: the sources are compiled for different
// processors, and a function both emit could reach the linker in the wrong
// one's instructions. V is declared in each source's anonymous namespace, so
// every instantiation stays inside its source.
//
// V holds kWidth doubles and offers
//   V::All(x), V::Load(p), v.Store(p), + − × ÷, V::Sqrt, V::Squared (each
//   lane by the library's pow(x, 2)), V::Size(re, im) = max(|re|, |im|);
//   V::Mask, an OR of lane flags: V::NoLanes(), |, V::Lanes(mask) (bit l
//   for lane l), V::NotFinite(v), V::Less(a, b), V::Immoderate(v) (a lane
//   that is neither 0 nor at least 2^-511 and below 2^511, the test of the
//   complex division's plain formula).

#include <cstddef>
#include <cstdint>

#include "lanes_problem.h"

namespace lanes {

template <class V>
struct Cpx {
    V re, im;
};

// The formulas of cpx_detail, operand for operand.
template <class V>
inline Cpx<V> Plus(const Cpx<V>& a, const Cpx<V>& b)
{
    return {a.re + b.re, a.im + b.im};
}

template <class V>
inline Cpx<V> Minus(const Cpx<V>& a, const Cpx<V>& b)
{
    return {a.re - b.re, a.im - b.im};
}

template <class V>
inline Cpx<V> Times(const Cpx<V>& a, const Cpx<V>& b)
{
    return {a.re * b.re - b.im * a.im, a.im * b.re + b.im * a.re};
}

template <class V>
struct Quotient {
    Cpx<V> value;
    V d;
};

template <class V>
inline Quotient<V> Over(const Cpx<V>& a, const Cpx<V>& b)
{
    const V d = b.re * b.re + b.im * b.im;
    return {{(a.im * b.im + a.re * b.re) / d, (a.im * b.re - a.re * b.im) / d}, d};
}

// The lanes where calciz would not take the plain path: a value it tests
// is not finite (it would raise an error or find the matrix singular), an
// operand of a complex division lies outside the plain formula's range (it
// would scale), or a pivot is tiny (it would exchange rows).
template <class V>
struct Departures {
    typename V::Mask lanes = V::NoLanes();

    void Test(const V& v) { lanes = lanes | V::NotFinite(v); }
    void Test(const Cpx<V>& z)
    {
        Test(z.re);
        Test(z.im);
    }
    void Test(const Quotient<V>& q)
    {
        Test(q.value);
        Test(q.d);
    }
    void DivisionOperand(const Cpx<V>& z) { lanes = lanes | V::Immoderate(z.re) | V::Immoderate(z.im); }
};

template <class V>
Cpx<V> SignedSum(const Problem& p, Sum s, const Cpx<V>* value, Departures<V>& departures)
{
    Cpx<V> sum{V::All(0.0), V::All(0.0)};
    for (int t = s.begin; t < s.end; ++t) {
        const Term term = p.terms[t];
        sum = term.minus ? Minus(sum, value[term.place]) : Plus(sum, value[term.place]);
    }
    departures.Test(sum);
    return sum;
}

// BrZCalc of every branch; imp[b] for b = 1 … branches.
template <class V>
void BranchImpedances(const Problem& p, const V& frequency, Cpx<V>* imp, Departures<V>& departures)
{
    const V omega = frequency * V::All(p.twoPi);
    departures.Test(omega);
    for (int b = 1; b <= p.branches; ++b) {
        V x = omega * V::All(p.L[b]);
        departures.Test(x);
        if (p.C[b] != 0.0) {
            const V capacitive = omega * V::All(p.C[b]);
            const V reciprocal = V::All(1.0) / capacitive;
            departures.Test(capacitive);
            departures.Test(reciprocal);
            x = x - reciprocal;
            departures.Test(x);
        }
        imp[b] = {V::All(p.R[b]), x};
    }
}

// The loop matrix, with the identity's first column in column N.
template <class V, int N>
void AssembleLoopMatrix(const Problem& p, const Cpx<V>* imp, Cpx<V> (&m)[N][N + 1], Departures<V>& departures)
{
    for (int j = 0; j < N; ++j) {
        for (int k = j; k < N; ++k) m[j][k] = m[k][j] = SignedSum(p, p.element[j][k], imp, departures);
        m[j][N] = {V::All(j == 0 ? 1.0 : 0.0), V::All(0.0)};
    }
}

// The solver's elimination in the written row order, leaving the first
// column of the inverse in column N. A lane whose pivot the solver would
// find tiny against an entry below it is one where it exchanges rows: that
// entry makes the largest candidate at least as large.
template <class V, int N>
void InvertInWrittenOrder(const Problem& p, Cpx<V> (&m)[N][N + 1], Departures<V>& departures)
{
    const V tinyRatio = V::All(p.tinyPivotRatio);
    for (int k = 0; k < N; ++k) {
        const Cpx<V>* pivot = m[k];
        const V pivotSize = V::Size(pivot[k].re, pivot[k].im);
        for (int r = k + 1; r < N; ++r)
            departures.lanes = departures.lanes | V::Less(pivotSize, tinyRatio * V::Size(m[r][k].re, m[r][k].im));
        departures.DivisionOperand(pivot[k]);
        for (int r = 0; r < N; ++r) {
            if (r == k) continue;
            Cpx<V>* row = m[r];
            departures.DivisionOperand(row[k]);
            const Quotient<V> t = Over(row[k], pivot[k]);
            for (int c = k; c <= N; ++c) row[c] = Minus(row[c], Times(pivot[c], t.value));
            departures.Test(row[k]);
        }
    }
    // Each diagonal entry is the pivot of its row, already tested as a
    // divisor.
    for (int r = 0; r < N; ++r) {
        departures.DivisionOperand(m[r][N]);
        const Quotient<V> q = Over(m[r][N], m[r][r]);
        departures.Test(q);
        m[r][N] = q.value;
    }
}

template <class V>
V Magnitude(const Cpx<V>& z, Departures<V>& departures)
{
    const V sum = V::Squared(z.im) + V::Squared(z.re);
    departures.Test(sum);
    return V::Sqrt(sum);
}

template <class V>
void StoreRow(double* block, int row, const V& v)
{
    v.Store(block + static_cast<ptrdiff_t>(row) * kWidth);
}

template <class V>
void StoreRows(double* block, int row, const Cpx<V>& z)
{
    StoreRow(block, row, z.re);
    StoreRow(block, row + 1, z.im);
}

// calciz on kWidth frequencies; the lanes that departed from its plain path.
template <class V, int N>
unsigned AnalyseBlock(const Problem& p, const double* frequency, double* block)
{
    Departures<V> departures;
    Cpx<V> imp[Problem::kMaxBranches + 1];
    BranchImpedances(p, V::Load(frequency), imp, departures);
    Cpx<V> m[N][N + 1];
    AssembleLoopMatrix<V, N>(p, imp, m, departures);
    InvertInWrittenOrder<V, N>(p, m, departures);

    const Cpx<V> emf{V::All(p.emfRe), V::All(p.emfIm)};
    Cpx<V> loopCur[N + 1];
    for (int k = 1; k <= N; ++k) {
        loopCur[k] = Times(m[k - 1][N], emf);
        departures.Test(loopCur[k]);
    }
    for (int b = 1; b <= p.branches; ++b) {
        const Cpx<V> cur = SignedSum(p, p.current[b], loopCur, departures);
        StoreRows(block, p.brCur + 2 * (b - 1), cur);
        StoreRow(block, p.brCurAbs + b - 1, Magnitude(cur, departures));
        const Cpx<V> vol = Times(cur, imp[b]);
        departures.Test(vol);
        StoreRows(block, p.brVol + 2 * (b - 1), vol);
        StoreRow(block, p.brVolAbs + b - 1, Magnitude(vol, departures));
    }
    departures.DivisionOperand(emf);
    departures.DivisionOperand(loopCur[1]);
    const Quotient<V> zReg = Over(emf, loopCur[1]);
    departures.Test(zReg);
    StoreRows(block, p.zReg, zReg.value);
    return V::Lanes(departures.lanes);
}

template <class V, int N>
void AnalyseBlocksOf(const Problem& p, const double* frequencies, size_t blocks, double* results, uint8_t* redo)
{
    const size_t blockSize = static_cast<size_t>(p.blockRows) * kWidth;
    for (size_t i = 0; i < blocks; ++i)
        redo[i] = static_cast<uint8_t>(AnalyseBlock<V, N>(p, frequencies + i * kWidth, results + i * blockSize));
}

// The loop count as a template argument, so that the solver's loops unroll.
template <class V>
void AnalyseBlocks(const Problem& p, const double* frequencies, size_t blocks, double* results, uint8_t* redo)
{
    switch (p.loops) {
    case 2:
        return AnalyseBlocksOf<V, 2>(p, frequencies, blocks, results, redo);
    case 3:
        return AnalyseBlocksOf<V, 3>(p, frequencies, blocks, results, redo);
    case 4:
        return AnalyseBlocksOf<V, 4>(p, frequencies, blocks, results, redo);
    case 5:
        return AnalyseBlocksOf<V, 5>(p, frequencies, blocks, results, redo);
    default:
        for (size_t i = 0; i < blocks; ++i) redo[i] = (1u << kWidth) - 1;
    }
}

}  // namespace lanes
