#pragma once
// The unit vocabulary of the entry fields and the result displays. A unit is
// its text and the power of ten of its multiplier: entry multipliers turn a
// typed number into base units, display multipliers turn a base-unit value
// into the shown number.

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "texts.h"

struct Unit {
    const char* text;
    int exponent;
};

using UnitList = std::span<const Unit>;

namespace units {

inline constexpr std::array<Unit, 3> kEmf = {{{texts::kMilliVolt, -3}, {texts::kVolt, 0}, {texts::kKiloVolt, 3}}};
inline constexpr std::array<Unit, 3> kFrequency = {
    {{texts::kHertz, 0}, {texts::kKiloHertz, 3}, {texts::kMegaHertz, 6}}};
inline constexpr std::array<Unit, 3> kResistance = {
    {{texts::kOhm, 0}, {texts::kKiloOhm, 3}, {texts::kMegaOhm, 6}}};
inline constexpr std::array<Unit, 3> kInductance = {
    {{texts::kHenry, 0}, {texts::kMilliHenry, -3}, {texts::kMicroHenry, -6}}};
inline constexpr std::array<Unit, 3> kCapacitance = {
    {{texts::kFarad, 0}, {texts::kMicroFarad, -6}, {texts::kPicoFarad, -12}}};
inline constexpr std::array<Unit, 3> kImpedanceDisplay = {
    {{texts::kOhm, 0}, {texts::kKiloOhm, -3}, {texts::kMegaOhm, -6}}};
inline constexpr std::array<Unit, 3> kCurrentDisplay = {
    {{texts::kMicroAmpere, 6}, {texts::kMilliAmpere, 3}, {texts::kAmpere, 0}}};
inline constexpr std::array<Unit, 4> kVoltageDisplay = {
    {{texts::kMicroVolt, 6}, {texts::kMilliVolt, 3}, {texts::kVolt, 0}, {texts::kKiloVolt, -3}}};

}  // namespace units

// 1 for exponent 0, otherwise 10 raised to the exponent by the floating-point
// power operation.
double Multiplier(int exponent);

// The multiplier of the unit whose text equals text exactly; nothing when
// no unit of the list has that text.
std::optional<double> MultiplierOf(UnitList list, std::string_view text);
