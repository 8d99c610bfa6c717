#pragma once
// Complex arithmetic of the analysis. Every operation checks its floating-point
// results and throws CalcError (see calc_error.h); the order of operations is
// part of the result and must not be rearranged.
//
// The four operations and the magnitude are inline: the solver and the sweep
// spend most of their time in them. Each computes its parts first and then
// tests them all at once; only when that test fails is the error found (for
// the magnitude by repeating it step by step).

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "checked.h"

struct Complex {
    double re = 0.0;
    double im = 0.0;
};

inline bool IsZero(const Complex& a) { return a.re == 0.0 && a.im == 0.0; }

// The formulas themselves, unchecked, for the operations below and for the
// solver, which tests whole rows of results at once.
namespace cpx_detail {

// False for infinities and NaN.
inline bool Finite(double v) { return std::fabs(v) <= std::numeric_limits<double>::max(); }
inline bool Finite(const Complex& z) { return Finite(z.re) & Finite(z.im); }

inline Complex Plus(const Complex& a, const Complex& b) { return {a.re + b.re, a.im + b.im}; }
inline Complex Minus(const Complex& a, const Complex& b) { return {a.re - b.re, a.im - b.im}; }
inline Complex Times(const Complex& a, const Complex& b)
{
    return {a.re * b.re - b.im * a.im, a.im * b.re + b.im * a.re};
}

// No special case for b = 0. A zero d makes the quotient infinite or NaN;
// an infinite d would make it a silent zero, so d is part of the result to
// be tested.
struct Quotient {
    Complex value;
    double d;
};

// 0, or at least 2^-511 and below 2^511: a product of two such parts
// neither underflows nor overflows, nor does a sum of two products. Tested
// on the bits, the sign shifted out: the exponent field lies in 512 … 1533.
inline bool Moderate(double v)
{
    const uint64_t magnitude = std::bit_cast<uint64_t>(v) << 1;
    return magnitude - (uint64_t{512} << 53) < (uint64_t{1022} << 53) || magnitude == 0;
}

// The formula below with every product and sum kept as a fraction and a
// power of two, so that none of them under- or overflows: each step rounds
// as the formula's own would with an unbounded exponent, and the quotient is
// rounded once. Where the formula itself neither under- nor overflows, the
// bits are the same. d is left as its fraction.
[[gnu::cold]] Quotient ScaledOver(const Complex& a, const Complex& b);

inline Quotient Over(const Complex& a, const Complex& b)
{
    if (!(Moderate(a.re) & Moderate(a.im) & Moderate(b.re) & Moderate(b.im))) [[unlikely]]
        return ScaledOver(a, b);
    const double d = b.re * b.re + b.im * b.im;
    return {{(a.im * b.im + a.re * b.re) / d, (a.im * b.re - a.re * b.im) / d}, d};
}
inline bool Finite(const Quotient& q) { return Finite(q.d) & Finite(q.value); }

// z − z: 0 + j0 while z is finite, NaN in a part that is infinite or NaN.
// Summed over many values and tested once, it tells whether all of them
// were finite, at two operations a value.
inline Complex Taint(const Complex& z) { return Minus(z, z); }
inline Complex Taint(const Quotient& q)
{
    const Complex t = Taint(q.value);
    return {t.re + (q.d - q.d), t.im};
}

// Repeat a failed magnitude step by step and raise its error. The operand
// comes by value: taken by reference it would keep the caller's local
// results in memory on the fast path as well.
[[noreturn]] void AbsFailed(Complex a);

// An overflow inside a sum, a difference or a product stays infinite (or
// turns NaN) up to the result, so the result alone is tested.
inline void Store(Complex& result, const Complex& value)
{
    if (!Finite(value)) [[unlikely]]
        checked::Raise(CalcError::Overflow);
    result = value;
}

}  // namespace cpx_detail

// The result may be the same object as an operand: both parts are computed
// from the operands as they were on entry.
inline void CpxAdd(Complex& result, const Complex& a, const Complex& b)
{
    cpx_detail::Store(result, cpx_detail::Plus(a, b));
}

inline void CpxSub(Complex& result, const Complex& a, const Complex& b)
{
    cpx_detail::Store(result, cpx_detail::Minus(a, b));
}

// re = a.re·b.re − b.im·a.im, im = a.im·b.re + b.im·a.re.
inline void CpxMul(Complex& result, const Complex& a, const Complex& b)
{
    cpx_detail::Store(result, cpx_detail::Times(a, b));
}

// d = b.re·b.re + b.im·b.im; re = (a.im·b.im + a.re·b.re) ÷ d;
// im = (a.im·b.re − a.re·b.im) ÷ d; scaled where a product would under- or
// overflow. Only b = 0 (then 0 ÷ 0) and a quotient beyond the range fail,
// both as an overflow.
inline void CpxDiv(Complex& result, const Complex& a, const Complex& b)
{
    const cpx_detail::Quotient q = cpx_detail::Over(a, b);
    if (!cpx_detail::Finite(q)) [[unlikely]]
        checked::Raise(CalcError::Overflow);
    result = q.value;
}

// sqrt(im^2 + re^2), squares formed by the general power function.
inline double CpxAbs(const Complex& a)
{
    const double sum = std::pow(a.im, 2.0) + std::pow(a.re, 2.0);
    if (!cpx_detail::Finite(sum)) [[unlikely]]
        cpx_detail::AbsFailed(a);
    return std::sqrt(sum);
}

// Phase in degrees, rounded to 4 decimals (floor of 10^4 * angle + 0.5),
// written into the phase result register AngRes.
void CpxPh(const Complex& a, double& AngRes);

// The phase in degrees within (−180, 180], from atan2 with π to full
// precision, for what reports the analysis itself rather than the page's
// phase: the graphs' readouts, the searches and the full-precision results.
// Never −0.
double ExactPhase(const Complex& a);

// Common logarithm, ln x / ln 10; x <= 0 raises error 6.
double Lg10(double x);
