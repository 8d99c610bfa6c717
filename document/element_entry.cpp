#include "document/element_entry.h"

#include "calc/checked.h"
#include "calc/number_text.h"
#include "document/qstring_utf8.h"

double EnteredNumber(const ValueEntry& value) { return NumericValue(Std(value.text)); }

double EnteredBaseValue(const ValueEntry& value, UnitList units)
{
    return checked::Chk(MultiplierOf(units, Std(value.unit)).value() * EnteredNumber(value));
}

namespace {

double BaseValue(const ElementEntry& entry, int quantity)
{
    return EnteredBaseValue(entry.values[quantity], kElementUnits[quantity]);
}

}  // namespace

BranchElements ElementsOf(const ElementEntry& entry)
{
    return {BaseValue(entry, kResistanceEntry), BaseValue(entry, kInductanceEntry),
            BaseValue(entry, kCapacitanceEntry)};
}
