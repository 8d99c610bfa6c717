#pragma once
// Complex arithmetic of the analysis. Every operation checks its floating-point
// results and throws CalcError (see calc_error.h); the order of operations is
// part of the result and must not be rearranged.

struct Complex {
    double re = 0.0;
    double im = 0.0;
};

inline bool IsZero(const Complex& a) { return a.re == 0.0 && a.im == 0.0; }

// The result may be the same object as an operand: both parts are computed
// from the operands as they were on entry.
void CpxAdd(Complex& result, const Complex& a, const Complex& b);
void CpxSub(Complex& result, const Complex& a, const Complex& b);
void CpxMul(Complex& result, const Complex& a, const Complex& b);
void CpxDiv(Complex& result, const Complex& a, const Complex& b);

// sqrt(im^2 + re^2), squares formed by the general power function.
double CpxAbs(const Complex& a);

// Phase in degrees, rounded to 4 decimals (floor of 10^4 * angle + 0.5),
// written into the phase result register AngRes.
void CpxPh(const Complex& a, double& AngRes);

// Common logarithm, ln x / ln 10; x <= 0 raises error 6.
double Lg10(double x);
