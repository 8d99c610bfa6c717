#include "graph/quantity_units.h"

#include <cmath>

const UnitTable& UnitsOf(PlottedQuantity quantity)
{
    switch (quantity) {
    case PlottedQuantity::BranchCurrent:
        return kCurrentUnits;
    case PlottedQuantity::BranchVoltage:
        return kVoltageUnits;
    default:
        return kImpedanceUnits;
    }
}

const UnitRange& RangeOf(const UnitTable& table, double v)
{
    for (const UnitRange& r : table)
        if (v < r.upper) return r;
    return table.back();
}

const UnitRange& RangeOf(const UnitTable& table, float v)
{
    for (const UnitRange& r : table)
        if (v < static_cast<float>(r.upper)) return r;
    return table.back();
}

double InUnit(const UnitRange& range, double v)
{
    if (range.power > 0) return v / std::pow(10.0, range.power);
    if (range.power < 0) return v * std::pow(10.0, -range.power);
    return v;
}
