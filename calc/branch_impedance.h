#pragma once
#include "complex.h"

// Impedance of a series R-L-C branch at frequency Frq (Hz), with
// ω = Frq × 6.283184. C = 0 means no capacitor (the term is left out);
// Frq = 0 with C ≠ 0 raises error 11.
void BrZCalc(Complex& result, double R, double L, double C, double Frq);
