#pragma once
// The units in which the magnitude scale and the cursor readout write a value
// of the plotted quantity: four ranges per quantity, each with the power of
// ten the value is divided by and the unit text.

#include <array>
#include <limits>

#include "calc/unit_texts.h"
#include "sweep/graph_state.h"

struct UnitRange {
    double upper;      // the range holds values below this
    int power;         // number shown = value / 10^power
    double unitPoint;  // the scale labels its unit at this value
    const char* unit;
    bool spacedOnScale;  // the scale label puts a space before the unit
};

using UnitTable = std::array<UnitRange, 4>;

inline constexpr double kNoUpper = std::numeric_limits<double>::infinity();

inline constexpr UnitTable kImpedanceUnits{{
    {1000, 0, 10, unit_text::kOhm, true},
    {1e6, 3, 1000, unit_text::kKiloOhm, false},
    {1e9, 6, 1e6, unit_text::kMegaOhm, false},
    {kNoUpper, 9, 1e9, unit_text::kGigaOhm, false},
}};
inline constexpr UnitTable kCurrentUnits{{
    {0.001, -6, 1e-6, unit_text::kMicroAmpere, false},
    {1, -3, 0.001, unit_text::kMilliAmpere, false},
    {1000, 0, 1, unit_text::kAmpere, true},
    {kNoUpper, 3, 1000, unit_text::kKiloAmpere, false},
}};
inline constexpr UnitTable kVoltageUnits{{
    {0.001, -6, 1e-6, unit_text::kMicroVolt, false},
    {1, -3, 0.001, unit_text::kMilliVolt, false},
    {1000, 0, 1, unit_text::kVolt, true},
    {kNoUpper, 3, 1000, unit_text::kKiloVolt, false},
}};

// The table of the plotted quantity.
const UnitTable& UnitsOf(PlottedQuantity quantity);

// The range of v, comparing in 64 or in 32 bits.
const UnitRange& RangeOf(const UnitTable& table, double v);
const UnitRange& RangeOf(const UnitTable& table, float v);

// v / 10^power, or v × 10^−power for a negative power.
double InUnit(const UnitRange& range, double v);
