#include "sweep/phase_tracking.h"

#include <cmath>

#include "calc/checked.h"

float QuadrantPhase(const Complex& v, float previous)
{
    if (v.re == 0) {
        if (v.im > 0) return 90;
        if (v.im < 0) return -90;
        return 0;
    }
    if (v.re < 0 && v.im == 0) return previous;
    const double d = std::atan(checked::Div(v.im, v.re)) * 180 / 3.1415926;
    const float d32 = static_cast<float>(d);
    if (v.re > 0) return d32;
    return v.im < 0 ? d32 - 180.0f : d32 + 180.0f;
}

float PhaseTracking::Continue(float raw)
{
    diff = raw - prevRaw;
    prevRaw = raw;
    if (prevDiff <= 0 && diff > 300) wraps = wraps + 1;
    prevDiff = diff;
    return raw - 360 * wraps;
}
