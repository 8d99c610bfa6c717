#pragma once
#include "checked.h"
#include "complex.h"

// 2π as the analysis takes it.
inline constexpr double TwoPi = 6.283184;

// Impedance of a series R-L-C branch at frequency Frq (Hz), with
// ω = Frq × 6.283184. C = 0 means no capacitor (the term is left out);
// Frq = 0 with C ≠ 0 raises error 11.
// Inline: the analysis evaluates every branch at every frequency point.
inline void BrZCalc(Complex& result, double R, double L, double C, double Frq)
{
    using checked::Chk;
    const double omega = Chk(Frq * TwoPi);
    double x = Chk(omega * L);
    if (C != 0.0) x = Chk(x - checked::Div(1.0, Chk(omega * C)));
    result.re = R;
    result.im = x;
}
