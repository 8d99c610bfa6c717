#pragma once
// Number-to-text and text-to-number rules shared by every display.

#include <string>
#include <string_view>

// Round4(x) = floor(10^4 × x + 0.5) / 10^4.
double Round4(double x);

// General text form: 15 significant digits, no trailing zeros, "." as the
// point, exponent form (1.5E+16) from 10^15 up and below 10^-4 (1E-05); zero
// is "0".
std::string GeneralText(double v);

// Exponent form of v rounded to `significant` digits (1 … 17), trailing
// zeros kept, so that the text tells its precision: 9999999000000 is
// "9.999999E+12" with 7 digits and "1.00000E+13" with 6; zero is "0".
std::string ExponentText(double v, int significant);

// The text of a shown magnitude: GeneralText(Round4(mul × v)).
std::string DisplayValue(double v, double mul);

// Graph and page number form: a leading space for v ≥ 0 (a minus sign
// otherwise), shortest digits (15 significant for 64-bit, 7 for 32-bit
// values), no zero before the point (" .5", " 100", "-2.5"). Exponent form
// from 10^15 (64-bit) or 10^7 (32-bit) up and below 10^-4 (" 1.5E+16").
std::string FmtNum(double v);
std::string FmtNum(float v);

// The shortest text that reads back to the same value, "." as the point
// whatever the locale: "0.1", "1e-07", "12345678901234567168". 32-bit
// values read back as 32-bit.
std::string ShortestText(double v);
std::string ShortestText(float v);

// Dec1(v) = floor(v × 10 + 0.5) / 10 as a 32-bit float.
float Dec1(double v);

// True when the whole text, apart from surrounding blanks, is one number:
// optional sign, digits with at most one point, optional exponent. A number
// beyond the 64-bit range is not numeric.
bool IsNumeric(std::string_view text);

// True when the text, apart from leading blanks, is the beginning of a number
// that typing on can finish: nothing yet, a sign or a point without digits
// ("", "-", ".", "-."), or a mantissa followed by E and perhaps a sign ("1E",
// ".5e-"). Such a text is never numeric itself.
bool IsUnfinishedNumber(std::string_view text);

// The leading number of the text (blanks skipped; reading stops at the first
// character that does not fit); 0 when there is none. A number beyond the
// 64-bit range raises error 6.
double NumericValue(std::string_view text);
