#pragma once
// The phase of a plotted value and its continuation along a sweep.

#include "calc/complex.h"

// Phase in degrees by quadrant, from a 64-bit arctangent with π taken as
// 3.1415926 and the ±180 correction made in 32 bits. A value on the negative
// real axis has no entry in the quadrant rules; it keeps `previous`, so the
// curve stays level there instead of jumping by ±180°.
float QuadrantPhase(const Complex& v, float previous);

// Continuation of the phase along one sweep (or one branch of it): a jump of
// more than +300° that follows a falling or flat step is taken as the phase
// falling through −180°, and every later point is shifted down by 360°.
// A phase rising through +180° is not continued.
struct PhaseTracking {
    float prevRaw = 0;
    float diff = 0;
    float prevDiff = 0;
    float wraps = 0;

    // The continued phase of the next point, given its quadrant phase.
    float Continue(float raw);
    // Quadrant phase and continuation of the next point's value.
    float Next(const Complex& v) { return Continue(QuadrantPhase(v, prevRaw)); }
};
