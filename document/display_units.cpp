#include "document/display_units.h"

#include "document/qstring_utf8.h"
#include "document/document_texts.h"
#include "document/units.h"

namespace {

double MultiplierOfText(UnitList list, const QString& text) { return MultiplierOf(list, Std(text)).value(); }

size_t Place(int b) { return static_cast<size_t>(b - 1); }

}  // namespace

DisplayUnits StartDisplayUnits(int branches)
{
    const auto n = static_cast<size_t>(branches);
    return {U8(texts::kOhm), std::vector(n, U8(texts::kOhm)), std::vector(n, U8(texts::kMilliAmpere)),
            std::vector(n, U8(texts::kVolt))};
}

double InputImpedanceMultiplier(const DisplayUnits& units)
{
    return MultiplierOfText(units::kImpedanceDisplay, units.inputImpedance);
}

double ImpedanceMultiplier(const DisplayUnits& units, int b)
{
    return MultiplierOfText(units::kImpedanceDisplay, units.impedance[Place(b)]);
}

double CurrentMultiplier(const DisplayUnits& units, int b)
{
    return MultiplierOfText(units::kCurrentDisplay, units.current[Place(b)]);
}

double VoltageMultiplier(const DisplayUnits& units, int b)
{
    return MultiplierOfText(units::kVoltageDisplay, units.voltage[Place(b)]);
}
