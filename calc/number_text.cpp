#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "checked.h"

using checked::Chk;

namespace {

// A number as sign, significant digits without trailing zeros and the
// decimal exponent of the first digit: 1.5e16 is {false, "15", 16}.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

template <typename T>
Decimal ToDecimal(T v, int precision)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, precision - 1);
    Decimal d;
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p != res.ptr && *p != 'e'; ++p)
        if (*p != '.') d.digits += *p;
    std::from_chars(p + 1 + (p[1] == '+'), res.ptr, d.exponent);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

// The digits with an exponent of at least two digits: "1.5E+16", "2E-05".
std::string ExponentDigits(const Decimal& d)
{
    const std::string& s = d.digits;
    const int e = d.exponent;
    std::string out = s.substr(0, 1);
    if (s.size() > 1) out += "." + s.substr(1);
    const int mag = e < 0 ? -e : e;
    out += e < 0 ? "E-" : "E+";
    if (mag < 10) out += '0';
    out += std::to_string(mag);
    return out;
}

// Magnitudes from 10^precision up, or below 10^-4, are written with an
// exponent; the others in plain decimals, with or without the zero before
// the point (0.5 or .5).
std::string Digits(const Decimal& d, int precision, bool zeroBeforePoint)
{
    const std::string& s = d.digits;
    const int e = d.exponent;
    std::string out;
    if (e >= precision || e < -4) {
        out = ExponentDigits(d);
    } else if (e >= 0) {
        const size_t intLen = static_cast<size_t>(e) + 1;
        out = s.substr(0, intLen);
        if (out.size() < intLen) out.append(intLen - out.size(), '0');
        if (s.size() > intLen) out += "." + s.substr(intLen);
    } else {
        if (zeroBeforePoint) out = "0";
        out += "." + std::string(static_cast<size_t>(-e - 1), '0') + s;
    }
    return out;
}

std::string NonFinite(double v)
{
    if (std::isnan(v)) return "NaN";
    return v < 0 ? "-Inf" : "Inf";
}

template <typename T>
std::string NumberForm(T v, int precision)
{
    if (v == 0) return " 0";
    if (!std::isfinite(v)) return v < 0 ? NonFinite(v) : " " + NonFinite(v);
    const Decimal d = ToDecimal(v, precision);
    return (d.negative ? "-" : " ") + Digits(d, precision, false);
}

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }
bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// The number grammar, scanned once: optional sign, digits with at most one
// point (one digit at least), optional exponent with an optionally signed
// integer. `length` is that of the longest prefix that reads as a number, 0
// when there is none; `unfinished` tells whether the whole text is the
// beginning of one that typing on can finish.
struct NumberScan {
    size_t length = 0;
    bool unfinished = false;
};

NumberScan ScanNumber(std::string_view text)
{
    const auto sign = [&](size_t at) { return at < text.size() && (text[at] == '+' || text[at] == '-'); };
    size_t i = sign(0) ? 1 : 0;
    size_t mantissaDigits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++mantissaDigits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return {0, i == text.size()};
    if (i == text.size() || (text[i] != 'E' && text[i] != 'e')) return {i, false};
    size_t j = sign(i + 1) ? i + 2 : i + 1;
    const size_t expStart = j;
    while (j < text.size() && IsDigit(text[j])) ++j;
    if (j > expStart) return {j, false};
    return {i, j == text.size()};
}

// The decimal exponent of the first significant digit of an unsigned number
// text, enough to tell an overflow from an underflow. The exponent saturates
// instead of overflowing itself.
long long DecimalMagnitude(std::string_view number)
{
    const size_t ePos = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, ePos);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return 0;
    long long magnitude =
        first < point ? static_cast<long long>(point - first) - 1 : -static_cast<long long>(first - point);
    if (ePos != std::string_view::npos) {
        long long exponent = 0;
        for (char ch : number.substr(ePos + 1))
            if (IsDigit(ch) && exponent < 100000) exponent = exponent * 10 + (ch - '0');
        magnitude += number[ePos + 1] == '-' ? -exponent : exponent;
    }
    return magnitude;
}

enum class Range { InRange, Overflow };

// Reads a text that ScanNumber read in full. Values too small for a
// 64-bit float read as zero.
double ReadNumber(std::string_view number, Range& range)
{
    range = Range::InRange;
    const bool negative = number[0] == '-';
    const std::string_view body = number.substr(number[0] == '+' || number[0] == '-' ? 1 : 0);
    double value = 0;
    const auto res = std::from_chars(body.data(), body.data() + body.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        if (DecimalMagnitude(body) >= 0) range = Range::Overflow;
        value = 0;
    }
    return negative ? -value : value;
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

double Round4(double x)
{
    static const double scale = std::pow(10.0, 4.0);
    return std::floor(Chk(scale * x) + 0.5) / scale;
}

std::string GeneralText(double v)
{
    if (v == 0) return "0";
    if (!std::isfinite(v)) return NonFinite(v);
    const Decimal d = ToDecimal(v, 15);
    return (d.negative ? "-" : "") + Digits(d, 15, true);
}

std::string ExponentText(double v, int significant)
{
    if (v == 0) return "0";
    if (!std::isfinite(v)) return NonFinite(v);
    const int digits = std::clamp(significant, 1, 17);
    Decimal d = ToDecimal(v, digits);
    d.digits.resize(static_cast<size_t>(digits), '0');
    return (d.negative ? "-" : "") + ExponentDigits(d);
}

std::string DisplayValue(double v, double mul) { return GeneralText(Round4(Chk(mul * v))); }

std::string FmtNum(double v) { return NumberForm(v, 15); }

std::string FmtNum(float v) { return NumberForm(v, 7); }

namespace {

template <class T>
std::string Shortest(T v)
{
    char text[40];
    return {text, std::to_chars(text, text + sizeof text, v).ptr};
}

}  // namespace

std::string ShortestText(double v) { return Shortest(v); }

std::string ShortestText(float v) { return Shortest(v); }

float Dec1(double v)
{
    const double r = std::floor(Chk(v * 10) + 0.5) / 10;
    if (std::fabs(r) > std::numeric_limits<float>::max()) checked::Raise(CalcError::Overflow);
    return static_cast<float>(r);
}

bool IsNumeric(std::string_view text)
{
    const std::string_view t = Trim(text);
    if (t.empty() || ScanNumber(t).length != t.size()) return false;
    Range range;
    ReadNumber(t, range);
    return range == Range::InRange;
}

bool IsUnfinishedNumber(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return ScanNumber(text).unfinished;
}

double NumericValue(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    const size_t len = ScanNumber(text).length;
    if (len == 0) return 0;
    Range range;
    const double value = ReadNumber(text.substr(0, len), range);
    if (range == Range::Overflow) checked::Raise(CalcError::Overflow);
    return value;
}
