#include "numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace voltaris {

namespace {

constexpr char32_t kBackspace = 8;

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// A finite double as its decimal digits (no leading or trailing zeros) and the power of ten of
// the first digit: 1234.5 is {"12345", 3}, 0.05 is {"5", -2}.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// `significant` > 0 rounds to that many significant digits (ties to even on the exact value);
// 0 takes the shortest digits that read back as the same double. A value that is not finite has
// no digits: it is an overflow.
Decimal toDecimal(double value, int significant) {
    checked::Finite(value);
    std::array<char, 64> buf{};
    auto [end, ec] = significant > 0 ? std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                                     std::chars_format::scientific, significant - 1)
                                     : std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                                     std::chars_format::scientific);
    (void)ec;
    std::string_view text(buf.data(), static_cast<std::size_t>(end - buf.data()));
    Decimal d;
    if (!text.empty() && text.front() == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    const auto ePos = text.find('e');
    for (char c : text.substr(0, ePos))
        if (c != '.')
            d.digits.push_back(c);
    std::from_chars(text.data() + ePos + 2, text.data() + text.size(), d.exponent);
    if (text[ePos + 1] == '-')
        d.exponent = -d.exponent;
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    // The largest doubles round up past the largest double, to digits that read as no number:
    // they take their last digit one lower, so that every number text reads back.
    double back = 0;
    if (std::from_chars(buf.data(), end, back).ec == std::errc::result_out_of_range &&
        d.exponent > 0)
        --d.digits.back();
    return d;
}

std::string plainDecimal(const Decimal& d) {
    std::string out = d.negative ? "-" : "";
    if (d.exponent < 0) {
        out.append("0.").append(static_cast<std::size_t>(-d.exponent - 1), '0').append(d.digits);
        return out;
    }
    const auto intDigits = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= intDigits)
        return out.append(d.digits).append(intDigits - d.digits.size(), '0');
    return out.append(d.digits, 0, intDigits).append(".").append(d.digits, intDigits);
}

// Plain decimals for magnitudes from 1E-15 up to below 1E+15, "1.5E+15" / "2E-16" outside.
std::string displayText(const Decimal& d) {
    if (d.digits == "0")
        return "0";
    if (d.exponent >= -15 && d.exponent <= 14)
        return plainDecimal(d);
    std::string out = d.negative ? "-" : "";
    out.append(d.digits, 0, 1);
    if (d.digits.size() > 1)
        out.append(".").append(d.digits, 1);
    const int e = std::abs(d.exponent);
    out.append(d.exponent < 0 ? "E-" : "E+").append(e < 10 ? "0" : "").append(std::to_string(e));
    return out;
}

std::string groupThousands(const std::string& integerDigits) {
    std::string out;
    const auto n = integerDigits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += ',';
        out += integerDigits[i];
    }
    return out;
}

// The value times 10^places as a whole number (digit text), a half rounded away from zero, taken
// from the value's 15-significant-digit decimal text as the display patterns do.
std::string scaledWholeDigits(const Decimal& d, int places) {
    const int pointAt = d.exponent + 1 + places; // digits before the decimal point
    std::string whole;
    char firstDropped = '0';
    if (pointAt <= 0) {
        whole = "0";
        if (pointAt == 0)
            firstDropped = d.digits[0];
    } else {
        for (int i = 0; i < pointAt; ++i)
            whole +=
                i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(i)] : '0';
        if (pointAt < static_cast<int>(d.digits.size()))
            firstDropped = d.digits[static_cast<std::size_t>(pointAt)];
    }
    if (firstDropped >= '5') {
        int i = static_cast<int>(whole.size()) - 1;
        for (; i >= 0 && whole[static_cast<std::size_t>(i)] == '9'; --i)
            whole[static_cast<std::size_t>(i)] = '0';
        if (i < 0)
            whole.insert(whole.begin(), '1');
        else
            ++whole[static_cast<std::size_t>(i)];
    }
    const auto nonZero = whole.find_first_not_of('0');
    return nonZero == std::string::npos ? "0" : whole.substr(nonZero);
}

// Whether an unsigned number text of the accepted form ("0.00012e-400") is below 1: its first
// non-zero digit stands after the point, once the exponent has moved it. Only a value below 1 can
// be too small for a double, only one above 1 too large.
bool isUnderflow(std::string_view number) {
    const std::size_t ePos = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, ePos);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return true; // zero itself
    // The power of ten of the first non-zero digit, in the mantissa alone.
    long long power = first < point ? static_cast<long long>(point - first) - 1
                                    : -static_cast<long long>(first - point);
    if (ePos != std::string_view::npos) {
        std::string_view exponent = number.substr(ePos + 1);
        const bool negative = exponent.front() == '-';
        if (exponent.front() == '+' || negative)
            exponent.remove_prefix(1);
        // Saturated: an exponent of many digits is huge either way.
        long long e = 0;
        for (const char c : exponent)
            e = std::min(e * 10 + (c - '0'), 1'000'000'000LL);
        power += negative ? -e : e;
    }
    return power < 0;
}

} // namespace

char32_t NumericKeyFilter(char32_t key, std::string_view text) {
    if (key == kBackspace)
        return key;
    const char32_t c = isDigit(key) ? key : U'.';
    if (c == U'.' && text.find('.') != std::string_view::npos)
        return 0;
    return c;
}

char32_t DigitKeyFilter(char32_t key) {
    return key == kBackspace || isDigit(key) ? key : 0;
}

std::optional<double> TryReadNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t mantissaStart = i;
    int digits = 0;
    int points = 0;
    for (; i < text.size() && (isDigit(static_cast<unsigned char>(text[i])) || text[i] == '.'); ++i)
        text[i] == '.' ? ++points : ++digits;
    if (digits == 0 || points > 1)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t expStart = i;
        while (i < text.size() && isDigit(static_cast<unsigned char>(text[i])))
            ++i;
        if (i == expStart)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    // from_chars takes neither a '+' nor a leading '.', so hand it a normalised copy.
    std::string normal;
    if (text.front() == '-')
        normal = "-";
    if (text[mantissaStart] == '.')
        normal += '0';
    normal += text.substr(mantissaStart);
    double value = 0;
    const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (end != normal.data() + normal.size())
        return std::nullopt;
    if (ec == std::errc::result_out_of_range && isUnderflow(text.substr(mantissaStart)))
        return text.front() == '-' ? -0.0 : 0.0; // too small for a double: the nearest, zero
    if (ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double ReadNumber(std::string_view text) {
    if (auto value = TryReadNumber(text))
        return *value;
    throw ComputeFailure("not a number");
}

double ReadPromptNumber(std::string_view answer) {
    std::string text(answer);
    for (char& c : text)
        if (c == ',')
            c = '.';
    return ReadNumber(text);
}

double RoundHalfEven(double value, int decimals) {
    if (!std::isfinite(value))
        return value;
    // Fixed notation with `decimals` places rounds the exact binary value, ties to even.
    std::array<char, 400> buf{};
    const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                         std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return value;
    double rounded = 0;
    std::from_chars(buf.data(), end, rounded);
    return rounded;
}

std::string NumberText(double value) {
    return displayText(toDecimal(value, 15));
}

std::string RoundTripText(double value) {
    return displayText(toDecimal(value, 0));
}

std::string ResultText(double value, int decimals) {
    return NumberText(RoundHalfEven(value, decimals));
}

std::string FormatNumber(double value, NumberPattern pattern) {
    const Decimal d = toDecimal(pattern == NumberPattern::PercentGrouped ? value * 100 : value, 15);
    const int places = pattern == NumberPattern::PercentGrouped ? 0 : 2;
    std::string whole = scaledWholeDigits(d, places);
    const bool negative = d.negative && whole != "0";
    if (whole.size() < static_cast<std::size_t>(places) + 1)
        whole.insert(0, static_cast<std::size_t>(places) + 1 - whole.size(), '0');
    const std::string integerPart =
        whole.substr(0, whole.size() - static_cast<std::size_t>(places));
    const std::string fraction = whole.substr(integerPart.size());
    std::string out = negative ? "-" : "";
    switch (pattern) {
    case NumberPattern::Grouped2:
        return out + groupThousands(integerPart) + "." + fraction;
    case NumberPattern::Plain2:
        return out + integerPart + "." + fraction;
    case NumberPattern::PercentGrouped:
        return out + "%" + groupThousands(integerPart);
    }
    return out;
}

namespace checked {

double Finite(double value) {
    if (!std::isfinite(value))
        throw ComputeFailure("overflow or invalid value");
    return value;
}

double Div(double a, double b) {
    if (b == 0)
        throw ComputeFailure("division by zero");
    return Finite(a / b);
}

double Sqrt(double value) {
    if (value < 0)
        throw ComputeFailure("square root of a negative value");
    return Finite(std::sqrt(value));
}

double Log(double value) {
    if (value <= 0)
        throw ComputeFailure("logarithm of a value not above zero");
    return Finite(std::log(value));
}

double Pow(double base, double exponent) {
    return Finite(std::pow(base, exponent));
}

} // namespace checked

} // namespace voltaris
