#include "core/circuits/conductor_materials.h"
#include "core/circuits/conductor_resistance.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

namespace voltaris::conductor_resistance {
namespace {

constexpr int kNone = -1;
constexpr int kAluminium = 3;
constexpr int kIron = 9;
constexpr int kPlatinum = 11;
constexpr int kChromeNickel = 17;

State given(const char* length, const char* section, double resistivity = 0) {
    return {length, section, "", resistivity};
}

std::string resistance(const char* length, const char* section, int material) {
    const auto outcome = Compute(given(length, section), material);
    EXPECT_FALSE(outcome.failed);
    return outcome.texts.resistance;
}

TEST(ConductorMaterials, ListOrderAndTheKnownOddities) {
    const auto materials = conductor_materials::Materials();
    ASSERT_EQ(materials.size(), 18u);
    EXPECT_EQ(materials[0].name, "Gümüş");
    EXPECT_EQ(materials[conductor_materials::kCopper].name, "Bakır");
    EXPECT_EQ(materials[15].name, "Konstantan(%54 Cu,%45 Nl,%1 Mn)");
    EXPECT_EQ(materials[17].name, "Krom-Nikel(%79 Ni,%20 Cr,%1 Mn)");
    // Iron is listed with platinum's resistivity, not 0.125.
    EXPECT_EQ(materials[kIron].resistivity, 0.0125);
    EXPECT_EQ(materials[kPlatinum].resistivity, 0.0125);
    // Brass and the four alloys have no quadratic coefficient; mercury has one.
    for (int index : {7, 13, 14, 15, 17})
        EXPECT_FALSE(materials[static_cast<std::size_t>(index)].beta) << index;
    EXPECT_EQ(materials[16].beta, -1.2e-6);

    EXPECT_EQ(conductor_materials::MaterialAt(kNone), nullptr);
    EXPECT_EQ(conductor_materials::MaterialAt(18), nullptr);
    EXPECT_EQ(conductor_materials::MaterialAt(kChromeNickel)->resistivity, 1.1);
}

TEST(ConductorResistance, ResistanceOfTheChosenMaterial) {
    EXPECT_EQ(resistance("100", "2.5", conductor_materials::kCopper), "0.712");
    EXPECT_EQ(resistance("1000", "16", kAluminium), "1.78125");
    EXPECT_EQ(resistance("12", "0.7", kIron), resistance("12", "0.7", kPlatinum));
    // Twelve decimals, halves to even.
    EXPECT_EQ(resistance("1", "3", conductor_materials::kCopper), "0.005933333333");
    EXPECT_EQ(resistance("10", "0.19625", kChromeNickel), "56.050955414013");
}

TEST(ConductorResistance, KeepsTheResistivityOfTheLastCompute) {
    const auto copper = Compute(given("100", "2.5"), conductor_materials::kCopper);
    EXPECT_EQ(copper.texts.resistivity, 0.0178);

    // With no entry chosen the kept resistivity is used again.
    const auto none = Compute(given("1000", "16", 0.0285), kNone);
    EXPECT_FALSE(none.failed);
    EXPECT_EQ(none.texts.resistance, "1.78125");
    EXPECT_EQ(none.texts.resistivity, 0.0285);

    // Before any compute the kept resistivity is 0.
    EXPECT_EQ(Compute(given("5", "1"), kNone).texts.resistance, "0");
}

TEST(ConductorResistance, FailuresKeepTheTakenResistivityAndTheOldResult) {
    State before = given("100", "0", 0.0178);
    before.resistance = "0.712";
    const auto zeroSection = Compute(before, kAluminium);
    EXPECT_TRUE(zeroSection.failed);
    EXPECT_EQ(zeroSection.texts.resistance, "0.712");
    EXPECT_EQ(zeroSection.texts.resistivity, 0.0285);

    EXPECT_TRUE(Compute(given("", "2.5"), conductor_materials::kCopper).failed);
    EXPECT_TRUE(Compute(given("100", "."), conductor_materials::kCopper).failed);
    EXPECT_TRUE(Compute(given("0", "0"), conductor_materials::kCopper).failed);
}

TEST(ConductorResistance, ReportLines) {
    const auto outcome = Compute(given("100", "2.5"), conductor_materials::kCopper);
    EXPECT_EQ(ReportLines(outcome.texts, "Bakır"),
              (std::vector<std::string>{
                  "Bir İletkenin Direncini Hesaplama:", "İletkenin Uzunluğu: 100 metre",
                  "İletkenin Kesiti: 2.5 mm²", "İletkenin Cinsi: Bakır",
                  "Bakır İletkeninin Özdirenci 0.0178 mm²/m", "",
                  "İletkenin Direnci:", "R = (Uzunluk / Kesit) x Özdirenç",
                  "R = (100 / 2.5) x 0.0178", "R = 0.712 Ohm"}));
}

TEST(ConductorResistance, ReportFollowsTheListAndFieldsButKeepsTheResistivity) {
    // Computed with copper; then silver is chosen and the length edited, without a new compute.
    State state = Compute(given("100", "2.5"), conductor_materials::kCopper).texts;
    state.length = "200";
    const auto lines = ReportLines(state, "Gümüş");
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[1], "İletkenin Uzunluğu: 200 metre");
    EXPECT_EQ(lines[3], "İletkenin Cinsi: Gümüş");
    EXPECT_EQ(lines[4], "Gümüş İletkeninin Özdirenci 0.0178 mm²/m");
    EXPECT_EQ(lines[8], "R = (200 / 2.5) x 0.0178");
    EXPECT_EQ(lines[9], "R = 0.712 Ohm");
}

TEST(ConductorResistance, SectionFromDiameterTakesPiAsThreePointOneFour) {
    const auto two = SectionFromDiameter(2);
    EXPECT_EQ(two.section, "3.14");
    EXPECT_EQ(two.message, ResultMessage("İletkenin Kesiti 3.14 mm²'dir.\n"
                                         "Hesapladığınız İletkenin Kesiti Aktarılmıştır..."));
    // Unrounded: 1.13² × 3.14 / 4.
    EXPECT_EQ(SectionFromDiameter(1.13).section, "1.0023665");
    EXPECT_THROW(SectionFromDiameter(1e200), ComputeFailure);
}

} // namespace
} // namespace voltaris::conductor_resistance
