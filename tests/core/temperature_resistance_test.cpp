#include "core/circuits/conductor_materials.h"
#include "core/circuits/temperature_resistance.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

namespace voltaris::temperature_resistance {
namespace {

using conductor_materials::kCopper;
using conductor_materials::Materials;

constexpr int kBrass = 7;
constexpr int kNickel = 8;
constexpr int kManganin = 13;

std::string at(const char* r20, const char* t, int material) {
    const auto outcome = Compute({r20, t, ""}, material);
    EXPECT_FALSE(outcome.failed);
    return outcome.texts.result;
}

TEST(TemperatureResistance, LinearBelowTwoHundredDegrees) {
    EXPECT_EQ(at("10", "70", kCopper), "11.965");
    EXPECT_EQ(at("10", "199", kCopper), "17.0347");
    EXPECT_EQ(at("10", "0", kCopper), "9.214"); // below 20 °C the resistance drops
}

TEST(TemperatureResistance, QuadraticTermFromTwoHundredDegreesInclusive) {
    EXPECT_EQ(at("10", "220", kCopper), "18.1");
    // 10 × (1 + 0.00393 × 180 + 6e-7 × 180²): exactly at the threshold the β term counts,
    // just below it not (17.07007 rather than 17.26425406).
    EXPECT_EQ(at("10", "200", kCopper), "17.2684");
    EXPECT_EQ(at("10", "199.9", kCopper), "17.07007");
    // A negative β lowers the result: 10 × (1 + 0.0037 × 280 − 9e-6 × 280²).
    EXPECT_EQ(at("10", "300", kNickel), "13.304");
}

TEST(TemperatureResistance, MaterialsWithoutBetaStayLinear) {
    EXPECT_EQ(at("10", "300", kBrass), "14.2");
    EXPECT_EQ(at("10", "520", kManganin), "10.2");
}

TEST(TemperatureResistance, TwentyDegreesGivesTheResistanceBack) {
    for (const auto& material : Materials())
        EXPECT_EQ(ResistanceAt(47.5, 20, material), 47.5) << material.name;
}

TEST(TemperatureResistance, ResultIsUnrounded) {
    // General number text with fifteen significant digits, no rounding to decimals.
    EXPECT_EQ(at("1.234567", "21.234567", kCopper), "1.24055693181253");
    EXPECT_EQ(at("1", "20.001", kCopper), "1.00000393");
}

TEST(TemperatureResistance, FailuresAndNoMaterial) {
    EXPECT_TRUE(Compute({"", "70", "old"}, kCopper).failed);
    const auto noTemperature = Compute({"10", "", "old"}, kCopper);
    EXPECT_TRUE(noTemperature.failed);
    EXPECT_EQ(noTemperature.texts.result, "old");
    // The inputs are read even when no material is chosen; then nothing is written.
    EXPECT_TRUE(Compute({"10", "", "old"}, -1).failed);
    const auto none = Compute({"10", "70", "old"}, -1);
    EXPECT_FALSE(none.failed);
    EXPECT_EQ(none.texts.result, "old");
    // Too large for a number.
    EXPECT_TRUE(Compute({"1e300", "1e200", ""}, kCopper).failed);
}

} // namespace
} // namespace voltaris::temperature_resistance
