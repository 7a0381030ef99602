#include "core/circuits/resistance_calculations.h"

#include <gtest/gtest.h>

#include <string>

using namespace voltaris;
using namespace voltaris::resistance;

namespace {

// `Text6` after "Hesapla", or "?" when the compute failed (the field then keeps "old").
std::string bridge(BridgeCase bridgeCase, const BridgeInputs& inputs) {
    const Outcome<std::string> outcome = Bridge(bridgeCase, inputs, "old");
    if (outcome.failed) {
        EXPECT_EQ(outcome.texts, "old");
        return "?";
    }
    return outcome.texts;
}

std::string divider(const char* v1, const char* r1, const char* r2) {
    const Outcome<std::string> outcome = Divider(v1, r1, r2, "old");
    return outcome.failed ? "?" + outcome.texts : outcome.texts;
}

constexpr auto R4 = BridgeCase::FourthResistor;
constexpr auto V = BridgeCase::PotentialDifference;

} // namespace

TEST(ResistanceCalculations, BalancedBridgeNeedsOnlyThreeResistors) {
    EXPECT_EQ(bridge(R4, {"100", "200", "50", "", ""}), "100");
    EXPECT_EQ(bridge(R4, {"300", "200", "100", "", ""}), "66.6666666666667"); // unrounded
    EXPECT_EQ(bridge(R4, {"0", "200", "100", "", ""}), "?");
    EXPECT_EQ(bridge(R4, {"100", "", "100", "1", "1"}), "?");
}

TEST(ResistanceCalculations, UnbalancedBridgeGivesASignedDifference) {
    EXPECT_EQ(bridge(V, {"100", "100", "100", "300", "10"}), "2.5");
    EXPECT_EQ(bridge(V, {"100", "300", "100", "100", "10"}), "-2.5");
    EXPECT_EQ(bridge(V, {"100", "200", "50", "100", "12"}), "0"); // balanced
    EXPECT_EQ(bridge(V, {"100", "100", "100", "300", ""}), "?");  // the voltage is needed
    EXPECT_EQ(bridge(V, {"100", "100", "100", "", "10"}), "?");
    EXPECT_EQ(bridge(V, {"100", "100", "0", "0", "10"}), "?"); // R3 + R4 = 0
}

TEST(ResistanceCalculations, Divider) {
    EXPECT_EQ(divider("12", "1000", "2000"), "8");
    EXPECT_EQ(divider("10", "2000", "1000"), "3.33333333333333");
    EXPECT_EQ(divider("12", "0", "0"), "?old");
    EXPECT_EQ(divider("", "1000", "2000"), "?old");
}

TEST(ResistanceCalculations, TheCaseNamesTheResult) {
    EXPECT_EQ(Captions(R4).resultLabel, "R4 Nolu Direncin Değeri");
    EXPECT_EQ(Captions(R4).resultToolTip, "Sonuç = Ohm");
    EXPECT_EQ(Captions(V).resultLabel, "Gerilim Yazan Noktadaki Potansiyel Farkı");
    EXPECT_EQ(Captions(V).resultToolTip, "Sonuç = Volt");
}
