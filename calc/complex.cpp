#include "complex.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "checked.h"

using checked::Chk;

namespace cpx_detail {

namespace {

// m · 2^e with m in [0.5, 1), or m zero or not finite.
struct Scaled {
    double m;
    int e;
};

Scaled Normalised(double m, int e)
{
    int k = 0;
    const double fraction = std::frexp(m, &k);
    return {fraction, e + k};
}

Scaled Product(double x, double y)
{
    int ex = 0, ey = 0;
    const double mx = std::frexp(x, &ex), my = std::frexp(y, &ey);
    return Normalised(mx * my, ex + ey);
}

Scaled Negated(Scaled s) { return {-s.m, s.e}; }

// The smaller term, moved to the larger one's exponent, may fall below the
// range only where it lies far below half a unit of the larger one's last
// place, so the sum rounds as it would unscaled. Zeros add by their own rule.
Scaled Sum(Scaled p, Scaled q)
{
    if (p.m == 0 && q.m == 0) return {p.m + q.m, 0};
    if (p.m == 0) return q;
    if (q.m == 0) return p;
    const int e = std::max(p.e, q.e);
    return Normalised(std::ldexp(p.m, p.e - e) + std::ldexp(q.m, q.e - e), e);
}

// n ÷ d rounded once: the power of two goes where it keeps the operands
// exact, so that only the division rounds, also to a subnormal or zero result.
double Divided(Scaled n, Scaled d)
{
    constexpr int kExact = 1020;
    const int e = n.e - d.e;
    if (n.m == 0 || !Finite(n.m) || !Finite(d.m)) return n.m / d.m;
    if (e > kExact) return std::ldexp(n.m / d.m, e);
    if (e >= -kExact) return std::ldexp(n.m, e) / d.m;
    return std::ldexp(n.m, -kExact) / std::ldexp(d.m, -kExact - e);
}

}  // namespace

Quotient ScaledOver(const Complex& a, const Complex& b)
{
    const Scaled d = Sum(Product(b.re, b.re), Product(b.im, b.im));
    const Scaled re = Sum(Product(a.im, b.im), Product(a.re, b.re));
    const Scaled im = Sum(Product(a.im, b.re), Negated(Product(a.re, b.im)));
    return {{Divided(re, d), Divided(im, d)}, d.m};
}

void AbsFailed(Complex a)
{
    Chk(Chk(std::pow(a.im, 2.0)) + Chk(std::pow(a.re, 2.0)));
    checked::Raise(CalcError::Overflow);
}

}  // namespace cpx_detail

namespace {

constexpr double Pi = 3.1415926;

// The arctangent in degrees, kept to single precision. A quotient beyond the
// double range still has the right arctangent (±90°), so it is not treated
// as an overflow: the phase of a value with a non-zero real part never fails.
double SingleAngle(double re, double im)
{
    const double degrees = std::atan(im / re) * 180.0 / Pi;
    return static_cast<double>(static_cast<float>(degrees));
}

}  // namespace

void CpxPh(const Complex& a, double& AngRes)
{
    double angle;
    if (a.re == 0.0) {
        angle = a.im > 0.0 ? 90.0 : a.im < 0.0 ? -90.0 : 0.0;
    } else if (a.re > 0.0) {
        angle = SingleAngle(a.re, a.im);
    } else if (a.im < 0.0) {
        angle = SingleAngle(a.re, a.im) - 180.0;
    } else {
        // A negative real axis (im = 0) counts as +180°, which keeps every
        // angle inside (−180, 180].
        angle = SingleAngle(a.re, a.im) + 180.0;
    }
    static const double scale = std::pow(10.0, 4.0);
    AngRes = std::floor(scale * angle + 0.5) / scale;
}

double ExactPhase(const Complex& a)
{
    const double degrees = std::atan2(a.im, a.re) * 180 / std::numbers::pi;
    if (degrees == -180) return 180;
    return degrees == 0 ? 0 : degrees;
}

double Lg10(double x)
{
    const double ln10 = std::log(10.0);
    return Chk(Chk(std::log(x)) / ln10);
}
