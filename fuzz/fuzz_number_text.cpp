// Number writing: every double (the input's first eight bytes, any bit pattern) and a number of
// decimals through RoundHalfEven, ResultText, NumberText, RoundTripText and FormatNumber.
//
// The contract: a finite value's texts are number texts that read back (within 15 significant
// digits, exactly for the round-trip text); rounding moves a value by at most half its last
// decimal; the fixed patterns have their shape; a value that is not finite is an overflow, which
// throws ComputeFailure rather than writing "inf" or "nan".
#include "fuzz_support.h"

#include <cstring>

using namespace voltaris;

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits grouped by thousands with ',' ("1", "12,345"), as a whole.
bool isGrouped(std::string_view digits) {
    if (digits.empty())
        return false;
    const std::size_t head = digits.size() % 4 == 0 ? 0 : digits.size() % 4;
    for (std::size_t at = 0; at < digits.size(); ++at) {
        const bool comma = at >= head && (at - head) % 4 == 0;
        if (comma ? digits[at] != ',' : !isDigit(digits[at]))
            return false;
    }
    return head != 0 && digits.back() != ',';
}

bool isDigits(std::string_view digits) {
    return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
}

// "#,0.00", "#0.00" and "%#,0" shapes, with their sign in front.
void checkPatterns(double value, std::string_view input) {
    for (const NumberPattern pattern :
         {NumberPattern::Grouped2, NumberPattern::Plain2, NumberPattern::PercentGrouped}) {
        std::string text;
        try {
            text = FormatNumber(value, pattern);
        } catch (const ComputeFailure&) {
            // Only the percent of a value near the largest double overflows.
            VOLTARIS_REQUIRE(
                pattern == NumberPattern::PercentGrouped && !std::isfinite(value * 100), input);
            continue;
        }
        std::string_view shape = text;
        if (shape.starts_with('-'))
            shape.remove_prefix(1);
        if (pattern == NumberPattern::PercentGrouped) {
            VOLTARIS_REQUIRE(shape.starts_with('%') && isGrouped(shape.substr(1)), input);
            continue;
        }
        const std::size_t point = shape.find('.');
        VOLTARIS_REQUIRE(point != std::string_view::npos && shape.size() == point + 3 &&
                             isDigits(shape.substr(point + 1)),
                         input);
        const std::string_view whole = shape.substr(0, point);
        VOLTARIS_REQUIRE(pattern == NumberPattern::Grouped2 ? isGrouped(whole) : isDigits(whole),
                         input);
        if (pattern == NumberPattern::Plain2) {
            // Two decimals of the 15-digit text: within half a cent of it, which is within half
            // a unit of its 15th digit (at most 5E-15 of the value) of the value.
            const std::optional<double> back = TryReadNumber(text);
            const double allowed = 0.005 * (1 + 1e-9) + std::abs(value) * 6e-15;
            VOLTARIS_REQUIRE(back && std::abs(*back - value) <= allowed, input);
        }
    }
}

void checkRounding(double value, int decimals, std::string_view input) {
    const double rounded = RoundHalfEven(value, decimals);
    VOLTARIS_REQUIRE(std::isfinite(rounded), input);
    // Half the last decimal, give or take the rounded double's own last place.
    const double halfStep = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::abs(value) * 1e-15;
    VOLTARIS_REQUIRE(std::abs(rounded - value) <= halfStep || fuzz::SameTo15Digits(value, rounded),
                     input);
    const std::string result = ResultText(value, decimals);
    VOLTARIS_REQUIRE(result == NumberText(rounded), input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9)
        return 0;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    const int decimals = data[8] % 16; // the program rounds to 0 to 12 decimals
    if (!std::isfinite(value)) {
        int overflows = 0;
        const auto fails = [&](auto write) {
            try {
                write();
            } catch (const ComputeFailure&) {
                ++overflows;
            }
        };
        fails([&] { NumberText(value); });
        fails([&] { RoundTripText(value); });
        fails([&] { ResultText(value, decimals); });
        fails([&] { FormatNumber(value, NumberPattern::Grouped2); });
        VOLTARIS_REQUIRE(overflows == 4, input);
        return 0;
    }
    fuzz::RequireNumberTextsReadBack(value, input);
    const std::string text = NumberText(value);
    const double magnitude = std::abs(value);
    const bool plain = magnitude == 0 || (magnitude >= 1e-15 && magnitude < 1e15);
    // Exponent form only outside the plain range (a value just below 1E+15 may round up to it).
    VOLTARIS_REQUIRE(plain ? (text.find('E') == std::string::npos || magnitude >= 9.999999e14)
                           : text.find('E') != std::string::npos || magnitude < 1e-15,
                     input);
    checkRounding(value, decimals, input);
    checkPatterns(value, input);
    return 0;
}
