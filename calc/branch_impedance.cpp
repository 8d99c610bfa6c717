#include "branch_impedance.h"

#include "checked.h"

using checked::Chk;
using checked::Div;

void BrZCalc(Complex& result, double R, double L, double C, double Frq) {
    constexpr double TwoPi = 6.283184;
    const double omega = Chk(Frq * TwoPi);
    double x = Chk(omega * L);
    if (C != 0.0) x = Chk(x - Div(1.0, Chk(omega * C)));
    result.re = R;
    result.im = x;
}
