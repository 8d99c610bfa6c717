#pragma once
// What the user entered for one branch in the element dialog: for R, L and C
// the text as typed and the unit chosen. The main window keeps one per
// branch; the dialog opens with it and hands a new one back on ＯＫ, and the
// branch's values are formed from it.

#include <QString>
#include <array>

#include "calc/loop_analysis.h"

#include "document/qstring_utf8.h"
#include "document/units.h"

struct ValueEntry {
    QString text;  // a number, or empty for 0 (for C: no capacitor)
    QString unit;  // an item of the quantity's unit list
    bool operator==(const ValueEntry&) const = default;
};

// The quantities of the entry in their order: R, L, C.
inline constexpr int kResistanceEntry = 0;
inline constexpr int kInductanceEntry = 1;
inline constexpr int kCapacitanceEntry = 2;

inline constexpr std::array<UnitList, 3> kElementUnits = {units::kResistance, units::kInductance, units::kCapacitance};

struct ElementEntry {
    // A branch never entered: R = 0 Ω, L = 0 ｍＨ, no capacitor in μＦ.
    std::array<ValueEntry, 3> values = {{{QStringLiteral("0"), U8(texts::kOhm)},
                                         {QStringLiteral("0"), U8(texts::kMilliHenry)},
                                         {QString(), U8(texts::kMicroFarad)}}};
    bool operator==(const ElementEntry&) const = default;
};

// The number of an entered text, 0 for the empty text.
double EnteredNumber(const ValueEntry& value);

// The entered number times the multiplier of its unit in the list; an
// overflow raises a CalcError.
double EnteredBaseValue(const ValueEntry& value, UnitList units);

// Each number times the multiplier of its unit; an overflow raises a
// CalcError.
BranchElements ElementsOf(const ElementEntry& entry);
