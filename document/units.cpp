#include "document/units.h"

#include <cmath>

double Multiplier(int exponent) { return exponent == 0 ? 1.0 : std::pow(10.0, exponent); }

std::optional<double> MultiplierOf(UnitList list, std::string_view text)
{
    const Unit* unit = UnitWithText(list, text);
    return unit != nullptr ? std::optional(Multiplier(unit->exponent)) : std::nullopt;
}

const Unit* UnitWithText(UnitList list, std::string_view text)
{
    for (const Unit& u : list)
        if (text == u.text) return &u;
    return nullptr;
}

const Unit* UnitWithFileKey(UnitList list, std::string_view key)
{
    for (const Unit& u : list)
        if (key == u.fileKey) return &u;
    return nullptr;
}
