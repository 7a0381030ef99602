// Number services shared by every Voltaris window: key filters of numeric fields, reading numbers
// from field and prompt texts, rounding, the number texts written into fields, messages and
// reports, the fixed display patterns, and the checked arithmetic of compute buttons.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace voltaris {

// Thrown when a compute cannot go on: a field that does not hold a number, a division by zero,
// an overflow, or the square root or logarithm of an invalid value. The window catches it in
// its failure path (the warning box), keeping every result it had already written.
class ComputeFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Key filter of numeric fields. Given the typed character and the field's current text, returns
// the character to insert, or 0 to drop the key: Backspace (8) passes, any other non-digit
// becomes '.', and a '.' is dropped when the text already holds one.
char32_t NumericKeyFilter(char32_t key, std::string_view text);

// Key filter of whole-number fields: Backspace and digits pass, everything else is dropped.
char32_t DigitKeyFilter(char32_t key);

// Reads a field's text as a number. Accepted, and nothing else: optional spaces around, an
// optional sign, digits with at most one '.' and at least one digit ("12", "1.5", ".5", "5."),
// then an optional exponent ('e' or 'E', optional sign, digits). Empty text, ".", "abc",
// "1.2.3", "1,5" and numbers too large for a double are not numbers; a number too small for one
// ("1e-400") reads as the nearest double, zero. A number read is always finite.
std::optional<double> TryReadNumber(std::string_view text);
// The same, throwing ComputeFailure where TryReadNumber gives nothing.
double ReadNumber(std::string_view text);
// The answer of an input prompt: every ',' becomes '.', then ReadNumber. A cancelled prompt is
// an empty answer and fails like one.
double ReadPromptNumber(std::string_view answer);

// Rounds to `decimals` places, a tie (judged on the double's exact binary value) going to the
// even neighbour: 2.5 -> 2, 3.5 -> 4, 0.125 -> 0.12, while 2.675 (really 2.67499...) -> 2.67.
double RoundHalfEven(double value, int decimals);

// General number text: at most 15 significant digits, no grouping, no trailing zeros, "0.5"
// with its leading zero; plain decimals for magnitudes from 1E-15 up to below 1E+15, the
// exponent form outside ("1.5E+15", "2E-16").
// Every number text, here and below, is of a finite value: an infinite or NaN value is an
// overflow, which throws ComputeFailure (the failure path of the command that computed it), so
// that no field, message or report ever shows "inf" or "nan".
std::string NumberText(double value);
// Shortest text that reads back as the same double ("599.9999999999999"), with the same switch
// to the exponent form as NumberText.
std::string RoundTripText(double value);
// The text ShowResult writes into a result field: NumberText of the rounded value.
std::string ResultText(double value, int decimals);

// The fixed display patterns.
enum class NumberPattern {
    Grouped2,       // "#,0.00": 1,234,567.89
    Plain2,         // "#0.00":  1234567.89
    PercentGrouped, // "%#,0":   0.1234 -> %12
};
std::string FormatNumber(double value, NumberPattern pattern);

// Checked arithmetic: every operation whose result is not a finite number throws
// ComputeFailure, which the compute's failure path turns into its warning.
namespace checked {
double Finite(double value);    // value itself, when finite
double Div(double a, double b); // a / b; b == 0 fails even when a == 0
double Sqrt(double value);      // value < 0 fails
double Log(double value);       // natural logarithm; value <= 0 fails
double Pow(double base, double exponent);
} // namespace checked

} // namespace voltaris
