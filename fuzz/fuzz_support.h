// What the fuzz targets share: a contract check that stops the run with the broken rule, and a
// reader that takes choices and texts off the front of a fuzzer's input.
#pragma once

#include "core/numbers.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace voltaris::fuzz {

// A broken contract: the rule and the input's text go to stderr, then abort() makes the fuzzer
// keep the input as a crash.
[[noreturn]] inline void Broken(const char* rule, std::string_view input) {
    std::fprintf(stderr, "contract broken: %s\ninput: \"", rule);
    for (const char c : input) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\')
            std::fputc(c, stderr);
        else
            std::fprintf(stderr, "\\x%02X", byte);
    }
    std::fprintf(stderr, "\"\n");
    std::abort();
}

#define VOLTARIS_REQUIRE(condition, input)                                                         \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::voltaris::fuzz::Broken(#condition, input);                                           \
    } while (false)

// Takes the fuzzer's bytes from the front: small choices, then texts up to a separator.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size), whole_(rest_) {}

    // One byte as a number below `count` (0 when the input is used up).
    int choice(int count) {
        if (rest_.empty())
            return 0;
        const auto byte = static_cast<unsigned char>(rest_.front());
        rest_.remove_prefix(1);
        return byte % count;
    }
    // The text up to the next NUL byte (taken out), or everything that is left.
    std::string_view text() {
        const std::size_t end = rest_.find('\0');
        const std::string_view piece = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return piece;
    }
    std::string_view whole() const { return whole_; }

private:
    std::string_view rest_;
    std::string_view whole_;
};

// The case most targets take: a choice byte, two texts, and the whole input to report a failure.
struct Case {
    int choice;
    std::string_view text;
    std::string_view second;
    std::string_view input;
};

inline Case ReadCase(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    const int choice = in.choice(256);
    const std::string_view text = in.text();
    const std::string_view second = in.text();
    return {choice, text, second, in.whole()};
}

// True when `text` is a number text that the program would write: no "inf", "nan" or a
// formatting accident such as "i.nf".
inline bool LooksLikeNumber(std::string_view text) {
    return text.find_first_not_of("0123456789.-+E,%") == std::string_view::npos;
}

// True when a shown message or text holds no word of a number gone wrong: "inf" or "nan" not
// inside a word ("Hesaplanan" and "Alınan" are fine), or a formatting accident such as "i.nf".
// Otherwise the text goes to stderr.
inline bool Clean(std::string_view text) {
    // A byte of a multi-byte character counts as a letter's ("Alınan").
    const auto letter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
               static_cast<unsigned char>(c) >= 0x80;
    };
    for (const std::string_view bad : {"inf", "nan", "i.nf", "n.an"})
        for (std::size_t at = text.find(bad); at != std::string_view::npos;
             at = text.find(bad, at + 1))
            if (at == 0 || !letter(text[at - 1])) {
                std::fprintf(stderr, "shown: %.*s\n", static_cast<int>(text.size()), text.data());
                return false;
            }
    return true;
}

// True when `back` agrees with `value` to 15 significant digits, as the general number text
// promises: within half a unit of the 15th digit, give or take the doubles' own last places.
inline bool SameTo15Digits(double value, double back) {
    if (value == 0)
        return back == 0;
    const double magnitude = std::abs(value);
    const double halfUnit = 0.5 * std::pow(10.0, std::floor(std::log10(magnitude)) - 14);
    const double lastPlace = std::nextafter(magnitude, HUGE_VAL) - magnitude;
    return std::abs(back - value) <= halfUnit * (1 + 1e-9) + 2 * lastPlace;
}

// NumberText of a finite value reads back as a number within 15 significant digits, and
// RoundTripText reads back as exactly the value.
inline void RequireNumberTextsReadBack(double value, std::string_view input) {
    const std::string text = NumberText(value);
    VOLTARIS_REQUIRE(LooksLikeNumber(text), input);
    const std::optional<double> back = TryReadNumber(text);
    // The largest doubles, whose 15 digits would round past the largest double, are written as
    // the largest 15 digits below it.
    constexpr double kLargestText = 1.79769313486231e308;
    VOLTARIS_REQUIRE(back && (SameTo15Digits(value, *back) ||
                              (std::abs(value) > kLargestText && std::abs(*back) == kLargestText)),
                     input);
    const std::optional<double> exact = TryReadNumber(RoundTripText(value));
    VOLTARIS_REQUIRE(exact && *exact == value, input);
}

} // namespace voltaris::fuzz
