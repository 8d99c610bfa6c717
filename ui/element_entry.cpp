#include "element_entry.h"

#include "calc/checked.h"
#include "calc/number_text.h"
#include "platform/qstring_utf8.h"

double EnteredNumber(const ValueEntry& value) { return NumericValue(Std(value.text)); }

namespace {

double BaseValue(const ElementEntry& entry, int quantity)
{
    const ValueEntry& value = entry.values[quantity];
    return checked::Chk(MultiplierOf(kElementUnits[quantity], Std(value.unit)).value() * EnteredNumber(value));
}

}  // namespace

BranchElements ElementsOf(const ElementEntry& entry)
{
    return {BaseValue(entry, kResistanceEntry), BaseValue(entry, kInductanceEntry),
            BaseValue(entry, kCapacitanceEntry)};
}
