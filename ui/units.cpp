#include "units.h"

#include <cmath>

double Multiplier(int exponent) { return exponent == 0 ? 1.0 : std::pow(10.0, exponent); }

std::optional<double> MultiplierOf(UnitList list, std::string_view text)
{
    for (const Unit& u : list)
        if (text == u.text) return Multiplier(u.exponent);
    return std::nullopt;
}
