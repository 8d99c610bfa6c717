#pragma once
// Numbers written as engineers write component values, with an SI prefix in
// place of an exponent: "4.7k", "4k7" (the prefix standing for the point),
// "47n", "2.2u", "2.2μ". They are read as decimal digits, so that moving a
// value into another unit is exact.

#include <optional>
#include <string>
#include <string_view>

// ±digits × 10^exponent; digits holds no leading zeros ("0" for zero).
struct ExactDecimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// The number of a prefixed text (UTF-8): apart from surrounding blanks, an
// optional sign, digits with at most one point and one prefix letter after
// them, or digits, the prefix and digits ("4k7"). The prefixes are p, n, u,
// μ or µ, m, k or K, M, G, T. Nothing for any other text, a plain number
// among them.
std::optional<ExactDecimal> ReadPrefixedNumber(std::string_view text);

// The number in the unit of 10^unitExponent as plain decimals, without
// exponent: "0.047", "4700"; nothing when that takes more than maxChars
// characters.
std::optional<std::string> PlainTextInUnit(const ExactDecimal& number, int unitExponent, size_t maxChars);

// The double nearest to the number; nothing beyond the 64-bit range.
std::optional<double> DecimalValue(const ExactDecimal& number);

// The shortest decimal that reads back as v, which must be finite.
ExactDecimal ShortestDecimal(double v);

// v with the SI prefix (p … T) that puts its number between 1 and 1000, the
// number in the shortest digits that read back as v: {"2.2", -6} for 2.2e-6,
// {"4.7", 3} for 4700, {"0", 0} for 0; beyond the prefixes, the shortest
// text without one: {"1e+306", 0}.
struct PrefixedForm {
    std::string number;
    int exponent = 0;
};
PrefixedForm PrefixedFormOf(double v);

// v to `digits` significant digits (1 … 17), the double nearest to them.
double Rounded(double v, int digits);

// The prefix of a power of ten that is a multiple of 3 from −12 to 12: "p",
// "n", "u" or, with greekMicro, "μ", "m", "", "k", "M", "G", "T".
std::string_view PrefixOf(int exponent, bool greekMicro);
