#include "core/circuits/auxiliary_calculations.h"

#include <gtest/gtest.h>

namespace voltaris::auxiliary {
namespace {

constexpr int kMicroFarad = 0, kNanoFarad = 1, kPicoFarad = 2;
constexpr int kHenry = 0, kMilliHenry = 1, kMicroHenry = 2;
constexpr int kVacuum = 0, kTeflon = 14;

std::string ok(const Outcome<std::string>& outcome) {
    EXPECT_FALSE(outcome.failed);
    return outcome.texts;
}

TEST(AuxiliaryRounding, FourSignificantDigitsAtEveryMagnitude) {
    EXPECT_EQ(Rounded(318.30988618), "318.3");
    EXPECT_EQ(Rounded(0.49103937), "0.491");
    EXPECT_EQ(Rounded(0.000012345678), "0.00001235");
    EXPECT_EQ(Rounded(15915494.3), "15920000");
    EXPECT_EQ(Rounded(1591.549), "1592");
    EXPECT_EQ(Rounded(0), "0");
}

TEST(AuxiliaryUnits, ThePrefixChosenScalesTheTypedValue) {
    EXPECT_DOUBLE_EQ(Capacitance("4.7", kMicroFarad), 4.7e-6);
    EXPECT_DOUBLE_EQ(Capacitance("4.7", kNanoFarad), 4.7e-9);
    EXPECT_DOUBLE_EQ(Capacitance("4.7", kPicoFarad), 4.7e-12);
    EXPECT_DOUBLE_EQ(Inductance("2", kHenry), 2);
    EXPECT_DOUBLE_EQ(Inductance("2", kMilliHenry), 2e-3);
    EXPECT_DOUBLE_EQ(Inductance("2", kMicroHenry), 2e-6);
    // The same component typed with any prefix gives the same reactance.
    EXPECT_EQ(ok(CapacitiveReactance("1000", "0.1", kMicroFarad, "")), "1592");
    EXPECT_EQ(ok(CapacitiveReactance("1000", "100", kNanoFarad, "")), "1592");
    EXPECT_EQ(ok(CapacitiveReactance("1000", "100000", kPicoFarad, "")), "1592");
    EXPECT_EQ(ok(InductiveReactance("50", "0.1", kHenry, "")), "31.42");
    EXPECT_EQ(ok(InductiveReactance("50", "100", kMilliHenry, "")), "31.42");
    EXPECT_EQ(ok(InductiveReactance("1000000", "10", kMicroHenry, "")), "62.83");
}

TEST(AuxiliaryFormulas, SingleResultPages) {
    EXPECT_EQ(ok(CurrentDensity("10", "2.5", "")), "4");
    EXPECT_EQ(ok(CapacitiveReactance("50", "10", kMicroFarad, "")), "318.3");
    EXPECT_EQ(ok(CapacitorCharge("100", kMicroFarad, "12", "")), "1200"); // µC
    EXPECT_EQ(ok(CapacitorCharge("10", kNanoFarad, "5", "")), "0.05");    // µC
    EXPECT_EQ(ok(CapacitorEnergy("1000", kMicroFarad, "400", "")), "80"); // J
    EXPECT_EQ(ok(Charge("2", "30", "")), "60");                           // C
    EXPECT_EQ(ok(ResonanceFrequency("10", kMilliHenry, "1", kMicroFarad, "")), "1592");
    EXPECT_EQ(ok(ResonanceFrequency("1", kMicroHenry, "100", kPicoFarad, "")), "15920000");
    EXPECT_EQ(ok(CoilEnergy("200", kMilliHenry, "3", "")), "0.9"); // J
    EXPECT_EQ(ok(StrandedSection("7", "1.13", "")), "7.02");       // mm²
}

TEST(AuxiliaryFormulas, PlateCapacitorInPicofarad) {
    // 100 cm², 1 mm: ε₀ × 0.01 m² / 0.001 m.
    EXPECT_EQ(ok(PlateCapacitor("100", "1", kVacuum, "")), "88.54");
    EXPECT_EQ(kDielectrics[kTeflon].name, "Teflon");
    EXPECT_EQ(ok(PlateCapacitor("100", "1", kTeflon, "")), "185.9");
    // No dielectric chosen fails like a missing value.
    const auto none = PlateCapacitor("100", "1", -1, "old");
    EXPECT_TRUE(none.failed);
    EXPECT_EQ(none.texts, "old");
}

TEST(AuxiliaryFormulas, AntennaLengthsFromMegahertz) {
    const auto outcome = AntennaLength("145", {});
    ASSERT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.texts, (AntennaTexts{"0.9821", "0.491"}));
    EXPECT_TRUE(AntennaLength("0", {"a", "b"}).failed);
}

TEST(AuxiliaryTransients, CoilAfterOneTimeConstant) {
    const auto outcome = CoilOnDirectCurrent("12", "6", "300", kMilliHenry, "0.05", {});
    ASSERT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.texts, (CoilTransientTexts{"0.05", "1.264", "4.415", "7.585"}));
}

TEST(AuxiliaryTransients, CapacitorAfterOneTimeConstant) {
    const auto outcome = CapacitorOnDirectCurrent("10", "10000", "100", kMicroFarad, "1", {});
    ASSERT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.texts, (CapacitorTransientTexts{"1", "6.321", "0.3679", "3.679", "5"}));
}

TEST(AuxiliaryFailures, AFailingStepKeepsWhatWasWritten) {
    // Empty fields and divisions by zero fail, results written before the failure stay.
    const auto empty = CurrentDensity("10", "", "old");
    EXPECT_TRUE(empty.failed);
    EXPECT_EQ(empty.texts, "old");
    EXPECT_TRUE(CurrentDensity("10", "0", "").failed);
    EXPECT_TRUE(CapacitiveReactance("0", "1", kMicroFarad, "").failed);
    EXPECT_TRUE(ResonanceFrequency("0", kHenry, "1", kMicroFarad, "").failed);

    const auto noTime =
        CoilOnDirectCurrent("12", "6", "300", kMilliHenry, "", {"a", "b", "c", "d"});
    EXPECT_TRUE(noTime.failed);
    EXPECT_EQ(noTime.texts, (CoilTransientTexts{"0.05", "b", "c", "d"}));
    const auto noResistance =
        CapacitorOnDirectCurrent("10", "0", "100", kMicroFarad, "1", {"a", "b", "c", "d", "e"});
    EXPECT_TRUE(noResistance.failed);
    EXPECT_EQ(noResistance.texts.timeConstant, "0");
    EXPECT_EQ(noResistance.texts.capacitorVoltage, "b");
}

} // namespace
} // namespace voltaris::auxiliary
