#include "core/circuits/conductor_materials.h"
#include "core/circuits/heater.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

namespace voltaris::heater {
namespace {

constexpr int kChromeNickel = kDefaultMaterial;

Fields given(const char* length, const char* diameter, const char* voltage = "220") {
    Fields fields;
    fields.length = length;
    fields.diameter = diameter;
    fields.voltage = voltage;
    return fields;
}

TEST(HeaterMaterials, TheListOpensOnChromeNickel) {
    const auto& material = conductor_materials::Materials()[kDefaultMaterial];
    EXPECT_EQ(material.name, "Krom-Nikel(%79 Ni,%20 Cr,%1 Mn)");
    EXPECT_EQ(material.resistivity, 1.1);
}

TEST(HeaterCompute, ChromeNickelWire) {
    const auto outcome = Compute(kChromeNickel, given("10", "0.5"));
    ASSERT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.texts.section, "0.19625");
    EXPECT_EQ(outcome.texts.resistance, "56.050955414013");
    // The current and the power come from the resistance as written, rounded to 12 decimals
    // (the unrounded 56.0509554140127... would give 3.925 and 863.5).
    EXPECT_EQ(outcome.texts.current, "3.92499999999998");
    EXPECT_EQ(outcome.texts.power, "863.499999999996");
    EXPECT_EQ(outcome.texts.density, "19.9999999999999");
}

TEST(HeaterCompute, StepsReadTheTextsWrittenBefore) {
    // 0.2 mm: the section is 0.031400000000000004 but written as 0.0314, which the resistance
    // reads (the exact section would give 525.477707006369).
    const auto thin = Compute(kChromeNickel, given("15", "0.2"));
    EXPECT_EQ(thin.texts.section, "0.0314");
    EXPECT_EQ(thin.texts.resistance, "525.47770700637");

    // The density divides the current as written (1.413) by the section as written: 20, where
    // the current as computed would give 19.9999999999999.
    const auto density = Compute(kChromeNickel, given("10", "0.3"));
    EXPECT_EQ(density.texts.current, "1.413");
    EXPECT_EQ(density.texts.density, "20");
}

TEST(HeaterCompute, MaterialGivesTheResistivity) {
    const auto copper = Compute(1, given("100", "2", "10"));
    EXPECT_EQ(copper.texts.section, "3.14");
    EXPECT_EQ(copper.texts.resistance, "0.566878980892"); // 100 / 3.14 × 0.0178
    EXPECT_EQ(Compute(9, given("3", "1")).texts, Compute(11, given("3", "1")).texts);
}

TEST(HeaterCompute, AFailingStepKeepsWhatWasWritten) {
    Fields before = given("", "0.5");
    before.resistance = "old R";
    before.current = "old I";
    before.density = "old J";
    const auto noLength = Compute(kChromeNickel, before);
    EXPECT_TRUE(noLength.failed);
    EXPECT_EQ(noLength.texts.section, "0.19625");
    EXPECT_EQ(noLength.texts.resistance, "old R");
    EXPECT_EQ(noLength.texts.density, "old J");

    const auto noDiameter = Compute(kChromeNickel, given("10", ""));
    EXPECT_TRUE(noDiameter.failed);
    EXPECT_EQ(noDiameter.texts.section, "");

    const auto zeroDiameter = Compute(kChromeNickel, given("10", "0"));
    EXPECT_TRUE(zeroDiameter.failed);
    EXPECT_EQ(zeroDiameter.texts.section, "0");
    EXPECT_EQ(zeroDiameter.texts.resistance, "");

    // A zero length gives a zero resistance, and the current divides by it.
    const auto zeroLength = Compute(kChromeNickel, given("0", "0.5"));
    EXPECT_TRUE(zeroLength.failed);
    EXPECT_EQ(zeroLength.texts.resistance, "0");
    EXPECT_EQ(zeroLength.texts.current, "");

    const auto noVoltage = Compute(kChromeNickel, given("10", "0.5", "."));
    EXPECT_TRUE(noVoltage.failed);
    EXPECT_EQ(noVoltage.texts.resistance, "56.050955414013");
    EXPECT_EQ(noVoltage.texts.current, "");
}

TEST(HeaterMenus, DiameterFromSection) {
    EXPECT_EQ(DiameterText(3.14), "2");
    EXPECT_EQ(DiameterText(0.19625), "0.5");
    EXPECT_EQ(DiameterText(1), "1.1286652959662"); // unrounded: √(4 / 3.14)
    EXPECT_THROW(DiameterText(-1), ComputeFailure);
}

TEST(HeaterMenus, EnergyShowsWholeHoursButUsesTheHoursGiven) {
    EXPECT_EQ(EnergyMessage(1.5, "220", "4"), "2 Saat'te  1.32  KiloWattSaat Elektrik "
                                              "Harcamaktadır.\nVe Yaydığı Isı  0.3168 "
                                              "KiloKoloridir...");
    // Halves to even: 2.5 hours show as 2.
    EXPECT_EQ(EnergyMessage(2.5, "100", "10").substr(0, 27), "2 Saat'te  2.5  KiloWattSaa");
    EXPECT_EQ(EnergyMessage(-0.4, "100", "10").substr(0, 16), "0 Saat'te  -0.4 ");
    // The fields are read as they stand: a current that was never computed is no number.
    EXPECT_THROW(EnergyMessage(1, "220", ""), ComputeFailure);
}

TEST(HeaterMenus, WaterHeatAndPowerFromHeat) {
    EXPECT_EQ(WaterHeatMessage(10, 70),
              "Girdiğiniz Değerden Su'yu Isıtmak için Gerekli Isı 500 KiloKalori'dir.");
    EXPECT_EQ(WaterHeatMessage(10, 15),
              "Girdiğiniz Değerden Su'yu Isıtmak için Gerekli Isı -50 KiloKalori'dir.");
    EXPECT_EQ(PowerFromHeatMessage(86400, 100, 10),
              "Girdiğiniz Değerlere Göre Bu Cihazın Güç'ü 600 Watt'tır...");
    EXPECT_EQ(PowerFromHeatMessage(86400, 80, 10),
              "Girdiğiniz Değerlere Göre Bu Cihazın Güç'ü 750 Watt'tır...");
    EXPECT_THROW(PowerFromHeatMessage(86400, 0, 10), ComputeFailure);
    EXPECT_THROW(PowerFromHeatMessage(86400, 100, 0), ComputeFailure);
}

} // namespace
} // namespace voltaris::heater
