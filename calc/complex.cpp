#include "complex.h"

#include <cmath>

#include "checked.h"

using checked::Chk;
using checked::Div;

namespace cpx_detail {

void DivFailed(Complex a, Complex b)
{
    const double d = Chk(b.re * b.re + b.im * b.im);
    Div(Chk(a.im * b.im + a.re * b.re), d);
    Div(Chk(a.im * b.re - a.re * b.im), d);
    checked::Raise(CalcError::Overflow);
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

double Lg10(double x)
{
    const double ln10 = std::log(10.0);
    return Chk(Chk(std::log(x)) / ln10);
}
