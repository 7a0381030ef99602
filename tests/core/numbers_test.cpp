#include "core/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace voltaris;

namespace {

std::string typeKeys(const std::u32string& keys) {
    std::string text;
    for (char32_t key : keys) {
        const char32_t passed = NumericKeyFilter(key, text);
        if (passed == 8) {
            if (!text.empty())
                text.pop_back();
        } else if (passed != 0) {
            text.push_back(static_cast<char>(passed));
        }
    }
    return text;
}

} // namespace

TEST(NumericKeyFilter, TurnsEveryNonDigitIntoOnePoint) {
    EXPECT_EQ(typeKeys(U"1,5"), "1.5");
    EXPECT_EQ(typeKeys(U"1.2.3"), "1.23");
    EXPECT_EQ(typeKeys(U"-5"), ".5");
    EXPECT_EQ(typeKeys(U"\r"), ".");
    EXPECT_EQ(typeKeys(U"a+ 7"), ".7");
    EXPECT_EQ(typeKeys(U"12\b3"), "13");
    EXPECT_EQ(typeKeys(U"1.\b.5"), "1.5"); // the point may come back once it is erased
    EXPECT_EQ(NumericKeyFilter(U'ş', "2"), U'.');
}

TEST(DigitKeyFilter, PassesDigitsAndBackspaceOnly) {
    EXPECT_EQ(DigitKeyFilter(U'7'), U'7');
    EXPECT_EQ(DigitKeyFilter(8), 8u);
    EXPECT_EQ(DigitKeyFilter(U'.'), 0u);
    EXPECT_EQ(DigitKeyFilter(U','), 0u);
}

TEST(ReadNumber, AcceptsPlainDecimalsOnly) {
    EXPECT_DOUBLE_EQ(ReadNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(ReadNumber("5."), 5);
    EXPECT_DOUBLE_EQ(ReadNumber(" 12.25 "), 12.25);
    EXPECT_DOUBLE_EQ(ReadNumber("-3"), -3);
    EXPECT_DOUBLE_EQ(ReadNumber("+3"), 3);
    EXPECT_DOUBLE_EQ(ReadNumber("1.5E3"), 1500);
    EXPECT_DOUBLE_EQ(ReadNumber("2e-2"), 0.02);
    for (const char* bad : {"", " ", ".", "abc", "1.2.3", "1,5", "1e", "e5", "--1", "1 2", "0x10",
                            "1e999", "inf", "nan", "5-"})
        EXPECT_THROW(ReadNumber(bad), ComputeFailure) << '"' << bad << '"';
}

// Found by fuzzing: a number too small for a double was refused like one too large.
TEST(ReadNumber, TooSmallForADoubleReadsAsZeroTooLargeIsNoNumber) {
    EXPECT_EQ(ReadNumber("1e-400"), 0);
    EXPECT_TRUE(std::signbit(ReadNumber("-1e-400")));
    EXPECT_EQ(ReadNumber("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(ReadNumber("123e-99999999999999999999"), 0);
    EXPECT_EQ(ReadNumber("4.9e-324"), std::numeric_limits<double>::denorm_min());
    EXPECT_FALSE(TryReadNumber("1e99999999999999999999"));
    EXPECT_FALSE(TryReadNumber("0.01e311"));
    EXPECT_FALSE(TryReadNumber(std::string(400, '9')));
    EXPECT_EQ(ReadNumber("0.001e310"), 1e307);
}

TEST(ReadNumber, PromptAnswersTakeACommaForThePoint) {
    EXPECT_DOUBLE_EQ(ReadPromptNumber("0,5"), 0.5);
    EXPECT_THROW(ReadPromptNumber(""), ComputeFailure);
    EXPECT_THROW(ReadPromptNumber("1,2,3"), ComputeFailure);
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbourOnTheExactValue) {
    EXPECT_EQ(RoundHalfEven(2.5, 0), 2);
    EXPECT_EQ(RoundHalfEven(3.5, 0), 4);
    EXPECT_EQ(RoundHalfEven(-2.5, 0), -2);
    EXPECT_EQ(RoundHalfEven(0.125, 2), 0.12);
    EXPECT_EQ(RoundHalfEven(0.375, 2), 0.38);
    // 2.675 is stored as 2.67499999..., so it is no tie and rounds down.
    EXPECT_EQ(RoundHalfEven(2.675, 2), 2.67);
    EXPECT_EQ(RoundHalfEven(1.0 / 3, 6), 0.333333);
    EXPECT_EQ(RoundHalfEven(1e20, 2), 1e20);
}

TEST(NumberText, FifteenSignificantDigitsPlainOrExponent) {
    EXPECT_EQ(NumberText(0.5), "0.5");
    EXPECT_EQ(NumberText(-0.5), "-0.5");
    EXPECT_EQ(NumberText(20), "20");
    EXPECT_EQ(NumberText(0), "0");
    EXPECT_EQ(NumberText(-0.0), "0");
    EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(NumberText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(NumberText(123456789.123456789), "123456789.123457");
    EXPECT_EQ(NumberText(1234567.891), "1234567.891");
    // The switch to the exponent form: from 1E+15 up, and below 1E-15.
    EXPECT_EQ(NumberText(999999999999999), "999999999999999");
    EXPECT_EQ(NumberText(1e15), "1E+15");
    EXPECT_EQ(NumberText(1.5e15), "1.5E+15");
    EXPECT_EQ(NumberText(-2.25e20), "-2.25E+20");
    EXPECT_EQ(NumberText(1e-15), "0.000000000000001");
    EXPECT_EQ(NumberText(2e-16), "2E-16");
    EXPECT_EQ(NumberText(1e300), "1E+300");
    EXPECT_EQ(NumberText(1.5e-300), "1.5E-300");
    // Rounding to 15 digits can carry into the next power of ten.
    EXPECT_EQ(NumberText(999999999999999.9), "1E+15");
}

// Found by fuzzing: the largest doubles rounded to 15 digits past the largest double, to a text
// that read back as no number.
TEST(NumberText, TheLargestDoublesReadBack) {
    constexpr double kLargest = std::numeric_limits<double>::max();
    EXPECT_EQ(NumberText(kLargest), "1.79769313486231E+308");
    EXPECT_EQ(NumberText(-kLargest), "-1.79769313486231E+308");
    EXPECT_EQ(NumberText(1.7976931348623e308), "1.7976931348623E+308");
    EXPECT_EQ(ReadNumber(RoundTripText(kLargest)), kLargest);
    EXPECT_TRUE(TryReadNumber(FormatNumber(kLargest, NumberPattern::Plain2)));
    EXPECT_TRUE(
        FormatNumber(-kLargest, NumberPattern::Grouped2).starts_with("-179,769,313,486,231,000"));
}

// Found by fuzzing: an infinite or NaN value was written as "i.nf" or "n.an". It is an overflow.
TEST(NumberText, AValueThatIsNotFiniteIsAnOverflow) {
    for (const double value : {std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(), std::nan("")}) {
        EXPECT_THROW(NumberText(value), ComputeFailure);
        EXPECT_THROW(RoundTripText(value), ComputeFailure);
        EXPECT_THROW(ResultText(value, 2), ComputeFailure);
        EXPECT_THROW(FormatNumber(value, NumberPattern::Grouped2), ComputeFailure);
        EXPECT_THROW(FormatNumber(value, NumberPattern::Plain2), ComputeFailure);
    }
    // The percent of a value near the largest double overflows too.
    EXPECT_THROW(FormatNumber(1e307, NumberPattern::PercentGrouped), ComputeFailure);
}

TEST(RoundTripText, ShortestTextThatReadsBack) {
    EXPECT_EQ(RoundTripText(600 - 1e-13), "599.9999999999999");
    EXPECT_EQ(RoundTripText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(RoundTripText(0.5), "0.5");
    EXPECT_EQ(RoundTripText(1.5e15), "1.5E+15");
    for (double value : {1.0 / 3, 2.0 / 3e-9, 123456.789e3, 7e-14})
        EXPECT_EQ(ReadNumber(RoundTripText(value)), value);
}

TEST(ResultText, RoundsThenWritesGeneralText) {
    EXPECT_EQ(ResultText(2.5, 0), "2");
    EXPECT_EQ(ResultText(3.5, 0), "4");
    EXPECT_EQ(ResultText(0.125, 2), "0.12");
    EXPECT_EQ(ResultText(1234567.891, 2), "1234567.89");
    EXPECT_EQ(ResultText(10.0 / 3, 6), "3.333333");
    EXPECT_EQ(ResultText(-0.0001, 2), "0");
    EXPECT_EQ(ResultText(2.0, 2), "2");
}

TEST(FormatNumber, FixedPatterns) {
    EXPECT_EQ(FormatNumber(1234567.891, NumberPattern::Grouped2), "1,234,567.89");
    EXPECT_EQ(FormatNumber(1234567.891, NumberPattern::Plain2), "1234567.89");
    EXPECT_EQ(FormatNumber(0.5, NumberPattern::Grouped2), "0.50");
    EXPECT_EQ(FormatNumber(999.999, NumberPattern::Grouped2), "1,000.00");
    EXPECT_EQ(FormatNumber(0, NumberPattern::Plain2), "0.00");
    EXPECT_EQ(FormatNumber(-1234.5, NumberPattern::Grouped2), "-1,234.50");
    EXPECT_EQ(FormatNumber(0.866, NumberPattern::Plain2), "0.87");
    // Halves away from zero, on the 15-digit decimal value, as the display patterns do.
    EXPECT_EQ(FormatNumber(0.125, NumberPattern::Plain2), "0.13");
    EXPECT_EQ(FormatNumber(2.675, NumberPattern::Plain2), "2.68");
    EXPECT_EQ(FormatNumber(0.1234, NumberPattern::PercentGrouped), "%12");
    EXPECT_EQ(FormatNumber(12.345, NumberPattern::PercentGrouped), "%1,235");
    EXPECT_EQ(FormatNumber(0.004, NumberPattern::PercentGrouped), "%0");
}

TEST(CheckedArithmetic, FailsWhereTheOriginalRaisedAnError) {
    EXPECT_EQ(checked::Div(10, 4), 2.5);
    EXPECT_THROW(checked::Div(1, 0), ComputeFailure);
    EXPECT_THROW(checked::Div(0, 0), ComputeFailure);
    EXPECT_THROW(checked::Div(1e308, 1e-308), ComputeFailure);
    EXPECT_EQ(checked::Sqrt(0), 0);
    EXPECT_THROW(checked::Sqrt(-1), ComputeFailure);
    EXPECT_THROW(checked::Log(0), ComputeFailure);
    EXPECT_THROW(checked::Log(-2), ComputeFailure);
    EXPECT_THROW(checked::Pow(-8, 1.0 / 3), ComputeFailure);
    EXPECT_THROW(checked::Finite(std::numeric_limits<double>::infinity()), ComputeFailure);
}
