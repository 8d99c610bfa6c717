#pragma once
// The searches of the graphs' menu on one plotted curve: its largest and
// smallest magnitude within the swept span, the frequencies where the
// magnitude is 3 dB off its peak or dip, and where the phase passes through
// 0°. Each starts from the points of the plotted sweep and refines with the
// analysis itself, so every frequency found is exact to far more than six
// significant digits and every value is the analysis' at that frequency.

#include <optional>
#include <vector>

#include "calc/circuit.h"
#include "sweep/plotted_curve.h"
#include "sweep/plotted_sweep.h"

enum class CurveSearch { Maximum, Minimum, HalfPower, PhaseZero };

// The −3 dB points of a peak lie at 1/√2 of the largest magnitude, those of a
// dip at √2 of the smallest.
enum class HalfPowerOf { Peak, Dip };

struct SearchFinding {
    // In order of frequency; empty when the curve has no such point in the span.
    std::vector<CurvePoint> points;
    // The extreme found lies at an end of the span (the largest and smallest
    // magnitude only).
    bool atSpanEnd = false;
    HalfPowerOf reference = HalfPowerOf::Peak;  // the −3 dB points only
};

// Of the phase zeros, the one nearest to `nearFrequency` is found; without
// it, every one in the span.
SearchFinding SearchCurve(const Circuit& c, const PlottedSweep& sweep, const PlottedCurve& curve, CurveSearch search,
                          std::optional<double> nearFrequency);

// "最大値", "最小値", "－3ｄＢ点", "位相0度点".
const char* SearchName(CurveSearch search);
