#include "core/circuits/equivalent_circuits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace voltaris;
using namespace voltaris::equivalent;

namespace {

// The running sum as the window keeps it: each "Topla" types `value` and presses the button.
struct Window {
    double sum = 0;
    SumTexts texts;

    // The equivalent shown after adding `value`; "?" when the step failed.
    std::string add(Connection connection, const std::string& value) {
        texts.value = value;
        const Outcome<SumTexts> outcome = Add(sum, connection, texts);
        texts = outcome.texts;
        return outcome.failed ? "?" : texts.equivalent;
    }
};

TransformTexts previous() {
    return {"old6", "old7", "old8"};
}

std::vector<std::string> fields(const TransformTexts& t) {
    return {t.first, t.second, t.third};
}

using Fields = std::vector<std::string>;

} // namespace

TEST(EquivalentCircuits, ValuesAndReciprocalsAddUp) {
    Window series;
    EXPECT_EQ(series.add(Connection::Values, "100"), "100");
    EXPECT_EQ(series.texts.value, ""); // the value field is emptied for the next one
    EXPECT_EQ(series.add(Connection::Values, "220"), "320");
    EXPECT_EQ(series.add(Connection::Values, "330"), "650");

    Window parallel;
    EXPECT_EQ(parallel.add(Connection::Reciprocals, "100"), "100");
    EXPECT_EQ(parallel.add(Connection::Reciprocals, "100"), "50");
    EXPECT_EQ(parallel.add(Connection::Reciprocals, "50"), "25");
}

TEST(EquivalentCircuits, TheEquivalentIsRoundedToTwelveDecimals) {
    Window w;
    EXPECT_EQ(w.add(Connection::Values, "1.23456789012345"), "1.234567890123");
    Window tiny;
    EXPECT_EQ(tiny.add(Connection::Values, "0.0000000000004"), "0");
    Window p;
    EXPECT_EQ(p.add(Connection::Reciprocals, "3"), "3");
    EXPECT_EQ(p.add(Connection::Reciprocals, "7"), "2.1"); // 1 / (1/3 + 1/7)
}

TEST(EquivalentCircuits, BothConnectionsShareOneSum) {
    // 100 added directly, then 100 as a reciprocal: 1 / (100 + 0.01).
    Window w;
    EXPECT_EQ(w.add(Connection::Values, "100"), "100");
    EXPECT_EQ(w.add(Connection::Reciprocals, "100"), "0.0099990001");
    EXPECT_DOUBLE_EQ(w.sum, 100.01);
}

TEST(EquivalentCircuits, AFailedStepLeavesTheSumAndTheFields) {
    Window w;
    w.add(Connection::Values, "100");
    for (const char* bad : {"", ".", "1.2.3"}) {
        EXPECT_EQ(w.add(Connection::Values, bad), "?") << bad;
        EXPECT_EQ(w.texts.value, bad);
        EXPECT_EQ(w.texts.equivalent, "100");
    }
    EXPECT_EQ(w.add(Connection::Reciprocals, "0"), "?"); // the reciprocal of 0
    EXPECT_EQ(w.texts.value, "0");
    EXPECT_EQ(w.sum, 100);
    EXPECT_EQ(w.add(Connection::Values, "50"), "150");

    Window huge;
    EXPECT_EQ(huge.add(Connection::Values, "1e308"), "1E+308");
    EXPECT_EQ(huge.add(Connection::Values, "1e308"), "?"); // overflow
    EXPECT_EQ(huge.sum, 1e308);

    // A sum brought to exactly 0 has no reciprocal: the step fails before the sum moves.
    Window zero;
    zero.add(Connection::Values, "-0.01");
    EXPECT_EQ(zero.add(Connection::Reciprocals, "100"), "?");
    EXPECT_EQ(zero.sum, -0.01);
}

TEST(EquivalentCircuits, CapacitorsSwapTheConnectionCaptions) {
    EXPECT_EQ(Captions(Kind::Resistor).valuesOption, "Seri");
    EXPECT_EQ(Captions(Kind::Coil).reciprocalsOption, "Parelel");
    const KindCaptions capacitor = Captions(Kind::Capacitor);
    EXPECT_EQ(capacitor.valuesOption, "Parelel");
    EXPECT_EQ(capacitor.reciprocalsOption, "Seri");
    EXPECT_EQ(capacitor.valueLabel, "Kondansatör Değerlerini Giriniz");
    EXPECT_EQ(capacitor.equivalentLabel, "Eş Değer Kondansatör Değeri");
    EXPECT_EQ(Captions(Kind::Coil).equivalentLabel, "Eş Değer Bobin Değeri");

    // Capacitors in series go through the reciprocals: 10 and 10 give 5.
    Window w;
    w.add(Connection::Reciprocals, "10");
    EXPECT_EQ(w.add(Connection::Reciprocals, "10"), "5");
}

TEST(EquivalentCircuits, StarToDeltaMapsEachArm) {
    EXPECT_EQ(fields(StarToDelta("30", "30", "30", previous()).texts), (Fields{"90", "90", "90"}));
    // a = 1, b = 2, c = 3: N = 11; Text6 = N/b, Text7 = N/c, Text8 = N/a, unrounded.
    const auto delta = StarToDelta("1", "2", "3", previous());
    EXPECT_FALSE(delta.failed);
    EXPECT_EQ(fields(delta.texts), (Fields{"5.5", "3.66666666666667", "11"}));
}

TEST(EquivalentCircuits, DeltaToStarMapsEachArm) {
    EXPECT_EQ(fields(DeltaToStar("90", "90", "90", previous()).texts), (Fields{"30", "30", "30"}));
    // p = 1, q = 2, r = 3: S = 6; Text12 = qp/S, Text13 = rp/S, Text14 = qr/S, unrounded.
    EXPECT_EQ(fields(DeltaToStar("1", "2", "3", previous()).texts),
              (Fields{"0.333333333333333", "0.5", "1"}));
}

TEST(EquivalentCircuits, ATransformStopsAtTheFailingStep) {
    // Text6 (N/b), then Text8 (N/a), then Text7 (N/c).
    auto zeroA = StarToDelta("0", "2", "3", previous());
    EXPECT_TRUE(zeroA.failed);
    EXPECT_EQ(fields(zeroA.texts), (Fields{"3", "old7", "old8"}));
    auto zeroC = StarToDelta("1", "2", "0", previous());
    EXPECT_TRUE(zeroC.failed);
    EXPECT_EQ(fields(zeroC.texts), (Fields{"1", "old7", "2"}));
    auto missing = StarToDelta("1", "", "3", previous());
    EXPECT_TRUE(missing.failed);
    EXPECT_EQ(fields(missing.texts), (Fields{"old6", "old7", "old8"}));

    auto zeros = DeltaToStar("0", "0", "0", previous());
    EXPECT_TRUE(zeros.failed);
    EXPECT_EQ(fields(zeros.texts), (Fields{"old6", "old7", "old8"}));
    EXPECT_TRUE(DeltaToStar("1e200", "1e200", "1e200", previous()).failed); // overflow
}
