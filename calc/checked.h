#pragma once
#include <cmath>

#include "calc_error.h"

// Checked floating-point steps. A result that is not finite is an overflow
// or an invalid operation (error 6); a division by zero is error 11 when the
// dividend is finite and non-zero, error 6 otherwise (0 / 0).
namespace checked {

[[noreturn]] void Raise(int number);

inline double Chk(double v)
{
    if (!std::isfinite(v)) Raise(CalcError::Overflow);
    return v;
}

inline double Div(double a, double b)
{
    if (b == 0.0) Raise(std::isfinite(a) && a != 0.0 ? CalcError::DivisionByZero : CalcError::Overflow);
    return Chk(a / b);
}

}  // namespace checked
