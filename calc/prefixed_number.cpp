#include "prefixed_number.h"

#include <array>
#include <charconv>
#include <cmath>

#include "number_text.h"

namespace {

struct Prefix {
    std::string_view letter;
    int exponent;
};

// μ is the Greek letter, µ the micro sign; keyboards give either.
constexpr std::array<Prefix, 11> kPrefixes = {{{"p", -12},
                                               {"n", -9},
                                               {"u", -6},
                                               {"μ", -6},
                                               {"µ", -6},
                                               {"m", -3},
                                               {"k", 3},
                                               {"K", 3},
                                               {"M", 6},
                                               {"G", 9},
                                               {"T", 12}}};

constexpr int kSmallestPrefix = -12;
constexpr int kLargestPrefix = 12;

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }
bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Moves the digits at the front of text to the end of digits; how many.
int TakeDigits(std::string_view& text, std::string& digits)
{
    int count = 0;
    while (!text.empty() && IsDigit(text.front())) {
        digits += text.front();
        text.remove_prefix(1);
        ++count;
    }
    return count;
}

const Prefix* TakePrefix(std::string_view& text)
{
    for (const Prefix& p : kPrefixes) {
        if (text.starts_with(p.letter)) {
            text.remove_prefix(p.letter.size());
            return &p;
        }
    }
    return nullptr;
}

// No leading zeros, no trailing zeros (they go into the exponent), and
// zero as "0" with exponent 0.
void Normalise(ExactDecimal& n)
{
    const size_t first = n.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        n.digits = "0";
        n.exponent = 0;
        return;
    }
    n.digits.erase(0, first);
    while (n.digits.back() == '0') {
        n.digits.pop_back();
        ++n.exponent;
    }
}

}  // namespace

std::optional<ExactDecimal> ReadPrefixedNumber(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    ExactDecimal n;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        n.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    TakeDigits(text, n.digits);
    int fractionDigits = 0;
    const bool point = !text.empty() && text.front() == '.';
    if (point) {
        text.remove_prefix(1);
        fractionDigits = TakeDigits(text, n.digits);
    }
    if (n.digits.empty()) return std::nullopt;
    const Prefix* prefix = TakePrefix(text);
    if (prefix == nullptr) return std::nullopt;
    if (!point) fractionDigits = TakeDigits(text, n.digits);
    if (!text.empty()) return std::nullopt;
    n.exponent = prefix->exponent - fractionDigits;
    Normalise(n);
    return n;
}

std::optional<std::string> PlainTextInUnit(const ExactDecimal& number, int unitExponent, size_t maxChars)
{
    const std::string& digits = number.digits;
    const int count = static_cast<int>(digits.size());
    const int shift = number.exponent - unitExponent;
    // Beyond this the text cannot fit; it also keeps the padding small.
    const int longest = static_cast<int>(maxChars);
    if (shift > longest || -shift > longest + count) return std::nullopt;
    std::string text;
    if (digits == "0")
        text = "0";
    else if (shift >= 0)
        text = digits + std::string(static_cast<size_t>(shift), '0');
    else if (count > -shift)
        text = digits.substr(0, static_cast<size_t>(count + shift)) + "." +
               digits.substr(static_cast<size_t>(count + shift));
    else
        text = "0." + std::string(static_cast<size_t>(-shift - count), '0') + digits;
    if (number.negative && digits != "0") text.insert(0, "-");
    if (text.size() > maxChars) return std::nullopt;
    return text;
}

std::optional<double> DecimalValue(const ExactDecimal& number)
{
    std::string text = number.digits;
    text += 'e';
    text += std::to_string(number.exponent);
    double v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) return std::nullopt;
    return number.negative ? -v : v;
}

ExactDecimal ShortestDecimal(double v)
{
    char text[40];
    const std::string_view shortest(text, std::to_chars(text, text + sizeof text, v).ptr);
    std::string_view rest = shortest;
    ExactDecimal n;
    if (rest.front() == '-') {
        n.negative = true;
        rest.remove_prefix(1);
    }
    TakeDigits(rest, n.digits);
    if (!rest.empty() && rest.front() == '.') {
        rest.remove_prefix(1);
        n.exponent = -TakeDigits(rest, n.digits);
    }
    if (!rest.empty() && rest.front() == 'e') {
        int power = 0;
        rest.remove_prefix(rest[1] == '+' ? 2 : 1);
        std::from_chars(rest.data(), rest.data() + rest.size(), power);
        n.exponent += power;
    }
    Normalise(n);
    return n;
}

PrefixedForm PrefixedFormOf(double v)
{
    const ExactDecimal n = ShortestDecimal(v);
    if (n.digits == "0") return {"0", 0};
    // The power of ten of the leading digit.
    const int lead = n.exponent + static_cast<int>(n.digits.size()) - 1;
    if (lead < kSmallestPrefix || lead > kLargestPrefix + 2) return {ShortestText(v), 0};
    const int exponent = 3 * static_cast<int>(std::floor(lead / 3.0));
    constexpr size_t kRoom = 32;
    return {*PlainTextInUnit(n, exponent, kRoom), exponent};
}

double Rounded(double v, int digits)
{
    const std::string text = ExponentText(v, digits);
    double rounded = v;
    std::from_chars(text.data(), text.data() + text.size(), rounded);
    return rounded;
}

std::string_view PrefixOf(int exponent, bool greekMicro)
{
    if (exponent == 0) return "";
    if (exponent == -6) return greekMicro ? "μ" : "u";
    for (const Prefix& p : kPrefixes)
        if (p.exponent == exponent) return p.letter;
    return "";
}
