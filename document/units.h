#pragma once
// The unit vocabulary of the entry fields and the result displays. A unit is
// its text and the power of ten of its multiplier: entry multipliers turn a
// typed number into base units, display multipliers turn a base-unit value
// into the shown number.

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "document/document_texts.h"

// fileKey names the unit in circuit files: plain ASCII, so that a file reads
// the same whatever the program's language.
struct Unit {
    const char* text;
    int exponent;
    const char* fileKey;
};

using UnitList = std::span<const Unit>;

namespace units {

inline constexpr std::array<Unit, 3> kEmf = {
    {{texts::kMilliVolt, -3, "mV"}, {texts::kVolt, 0, "V"}, {texts::kKiloVolt, 3, "kV"}}};
inline constexpr std::array<Unit, 3> kFrequency = {
    {{texts::kHertz, 0, "Hz"}, {texts::kKiloHertz, 3, "kHz"}, {texts::kMegaHertz, 6, "MHz"}}};
inline constexpr std::array<Unit, 3> kResistance = {
    {{texts::kOhm, 0, "ohm"}, {texts::kKiloOhm, 3, "kohm"}, {texts::kMegaOhm, 6, "Mohm"}}};
inline constexpr std::array<Unit, 3> kInductance = {
    {{texts::kHenry, 0, "H"}, {texts::kMilliHenry, -3, "mH"}, {texts::kMicroHenry, -6, "uH"}}};
inline constexpr std::array<Unit, 3> kCapacitance = {
    {{texts::kFarad, 0, "F"}, {texts::kMicroFarad, -6, "uF"}, {texts::kPicoFarad, -12, "pF"}}};
inline constexpr std::array<Unit, 3> kImpedanceDisplay = {
    {{texts::kOhm, 0, "ohm"}, {texts::kKiloOhm, -3, "kohm"}, {texts::kMegaOhm, -6, "Mohm"}}};
inline constexpr std::array<Unit, 3> kCurrentDisplay = {
    {{texts::kMicroAmpere, 6, "uA"}, {texts::kMilliAmpere, 3, "mA"}, {texts::kAmpere, 0, "A"}}};
inline constexpr std::array<Unit, 4> kVoltageDisplay = {
    {{texts::kMicroVolt, 6, "uV"}, {texts::kMilliVolt, 3, "mV"}, {texts::kVolt, 0, "V"}, {texts::kKiloVolt, -3, "kV"}}};

}  // namespace units

// 1 for exponent 0, otherwise 10 raised to the exponent by the floating-point
// power operation.
double Multiplier(int exponent);

// The multiplier of the unit whose text equals text exactly; nothing when
// no unit of the list has that text.
std::optional<double> MultiplierOf(UnitList list, std::string_view text);

// The unit of the list whose text, or whose file key, equals the given one;
// nullptr when none does.
const Unit* UnitWithText(UnitList list, std::string_view text);
const Unit* UnitWithFileKey(UnitList list, std::string_view key);
