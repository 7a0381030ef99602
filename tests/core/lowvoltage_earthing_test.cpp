#include "core/lowvoltage/earthing.h"

#include <gtest/gtest.h>

#include <string>

using namespace voltaris;
using namespace voltaris::earthing;

namespace {

BuriedConductor Buried(Conductor conductor, Diameter diameter, std::string entered = "") {
    return {"100", "10", "0.8", conductor, diameter, 0, std::move(entered)};
}

// A foundation whose total is `twice` / 2 within a millionth: the rods give ρ / (1 × 1) = ρ and
// the foundation itself ρ / (2 D) + ρ / 10⁹ with D = 2 √(A / π) = 0.5, so the two in parallel
// give half of ρ.
Foundation HalfOf(std::string twice, std::string current = "16", std::string multiple = "5") {
    return {std::move(twice),   "0.196349540849362", "1000000000", "1", "1",
            std::move(current), std::move(multiple)};
}

} // namespace

TEST(Earthing, ConductorListHoldsElevenSizesWithTheirDiameters) {
    const auto sizes = ConductorSizes();
    ASSERT_EQ(sizes.size(), 11u);
    EXPECT_EQ(sizes.front().text, "16 mm2 Dolu Kesit");
    EXPECT_EQ(sizes[4].text, "50 mm2 Örgülü İletken");
    EXPECT_EQ(sizes.back().text, "240 mm2 Örgülü İletken");
    EXPECT_EQ(sizes.back().strip, 0.0203);
    EXPECT_EQ(sizes.back().round, 0.0406);
    ASSERT_EQ(RatedCurrents().size(), 30u);
    EXPECT_EQ(RatedCurrents()[kRatedCurrentDefault], "16");
    EXPECT_EQ(RatedCurrents().back(), "2500");
}

// 16 mm² strip, L = 10, t = 0.8, ρ = 100: G = log10(200 / 0.0036) = 4.7447, R = 17.42. A round
// conductor takes twice the diameter, from the list or entered: log10(200 / 0.0072), R = 16.32.
TEST(Earthing, BuriedConductorTakesTheRoundDiameterTwice) {
    EXPECT_EQ(Compute(Buried(Conductor::Strip, Diameter::FromList), "").texts, "17.42");
    EXPECT_EQ(Compute(Buried(Conductor::Strip, Diameter::Entered, "0.45"), "").texts, "17.42");
    EXPECT_EQ(Compute(Buried(Conductor::Round, Diameter::FromList), "").texts, "16.32");
    EXPECT_EQ(Compute(Buried(Conductor::Round, Diameter::Entered, "0.45"), "").texts, "16.32");
    // The entered diameter is read only when it is chosen.
    EXPECT_FALSE(Compute(Buried(Conductor::Strip, Diameter::FromList, "x"), "").failed);
    const auto missing = Compute(Buried(Conductor::Strip, Diameter::Entered), "17.42");
    EXPECT_TRUE(missing.failed);
    EXPECT_EQ(missing.texts, "17.42");
}

// 4 × 2.5 / (1 / 100) = 1000, whose logarithm ln / ln 10 gives as 2.9999999999999996: with
// ρ = 31.25 and two rods 0.3672 × 31.25 × G / 5 lies just below 6.885 (6.88), where log10's 3
// would reach 6.89.
TEST(Earthing, RodsTakeTheLogarithmAsLnOverLnTen) {
    EXPECT_EQ(Compute(Rods{"31.25", "1", "2.5", "2"}, "").texts, "6.88");
    // Four 3 m rods of 2 cm: 0.3672 × 100 × log10(600) / 12 = 8.501.
    EXPECT_EQ(Compute(Rods{"100", "2", "3", "4"}, "").texts, "8.5");
    EXPECT_TRUE(Compute(Rods{"100", "0", "3", "4"}, "").failed);
    EXPECT_TRUE(Compute(Rods{"100", "2", "3", "0"}, "").failed);
}

TEST(Earthing, MeshAndPolygonalArea) {
    // r = √(100 / π) = 5.642, R = 100 (1 / 22.568 + 1 / 100) = 5.431.
    EXPECT_EQ(Compute(Mesh{"100", "10", "10", "100"}, "").texts, "5.43");
    EXPECT_TRUE(Compute(Mesh{"100", "0", "10", "100"}, "5.43").failed);
    // R = 100 (1.6 / 40 + 0.6 / 50) = 5.2.
    EXPECT_EQ(Compute(Polygon{"100", "40", "50"}, "").texts, "5.2");
    const auto noLength = Compute(Polygon{"100", "40", ""}, "5.2");
    EXPECT_TRUE(noLength.failed);
    EXPECT_EQ(noLength.texts, "5.2");
}

// 10 kA for 1 s: 10 × c / 1.974 for the three joints.
TEST(Earthing, SectionsOfTheThreeJoints) {
    const auto out = Compute(SectionInputs{"10", "1"}, {});
    ASSERT_FALSE(out.failed);
    EXPECT_EQ(out.texts, (Sections{"35.26", "46.2", "58.46"}));
    EXPECT_EQ(Compute(SectionInputs{"10", "0.25"}, {}).texts, (Sections{"17.63", "23.1", "29.23"}));
    const Sections earlier{"1", "2", "3"};
    EXPECT_EQ(Compute(SectionInputs{"10", ""}, earlier).texts, earlier);
}

TEST(Earthing, FoundationShowsItsLimitsAndJudgesThem) {
    // R = 0.5; TT 50 / 80 = 0.625, TN 230 / 80 = 2.875: every limit is above R.
    const auto out = Compute(HalfOf("1"), {});
    ASSERT_FALSE(out.failed);
    EXPECT_EQ(out.texts.total, "0.5");
    EXPECT_EQ(out.texts.limits,
              (std::array<std::string, kLimits>{"0.625", "2.875", "1666.667", "166.667"}));
    EXPECT_EQ(out.texts.verdicts,
              (std::array<Verdict, kLimits>{Verdict::Suitable, Verdict::Suitable, Verdict::Suitable,
                                            Verdict::Suitable}));
    // A 2500 A device tripping at 10×: TT 0.002 and TN 0.009 are below R.
    const auto large = Compute(HalfOf("1", "2500", "10"), {});
    EXPECT_EQ(large.texts.limits[0], "0.002");
    EXPECT_EQ(large.texts.verdicts[0], Verdict::Unsuitable);
    EXPECT_EQ(large.texts.verdicts[1], Verdict::Unsuitable);
}

TEST(Earthing, AVerdictAtExactlyTheLimitIsNone) {
    // R = 0.625 equals the TT limit as its field shows it.
    const auto tt = Compute(HalfOf("1.25"), {});
    EXPECT_EQ(tt.texts.total, "0.625");
    EXPECT_EQ(tt.texts.verdicts[0], Verdict::None);
    EXPECT_EQ(tt.texts.verdicts[1], Verdict::Suitable);
    // R = 1667 equals the 30 mA figure the verdict takes.
    const auto rcd = Compute(HalfOf("3334"), {});
    EXPECT_EQ(rcd.texts.total, "1667");
    EXPECT_EQ(rcd.texts.verdicts[2], Verdict::None);
    EXPECT_EQ(rcd.texts.verdicts[3], Verdict::Unsuitable);
    const auto rcd300 = Compute(HalfOf("334"), {});
    EXPECT_EQ(rcd300.texts.total, "167");
    EXPECT_EQ(rcd300.texts.verdicts[3], Verdict::None);
}

// Between the shown 1666.667 and the judged 1667 (and 166.667 / 167) the verdict is suitable.
TEST(Earthing, ResidualCurrentLimitsAreJudgedByTheirRoundFigures) {
    const auto rcd30 = Compute(HalfOf("3333.6"), {});
    EXPECT_EQ(rcd30.texts.total, "1666.8");
    EXPECT_EQ(rcd30.texts.limits[2], "1666.667");
    EXPECT_EQ(rcd30.texts.verdicts[2], Verdict::Suitable);
    const auto rcd300 = Compute(HalfOf("333.6"), {});
    EXPECT_EQ(rcd300.texts.total, "166.8");
    EXPECT_EQ(rcd300.texts.limits[3], "166.667");
    EXPECT_EQ(rcd300.texts.verdicts[3], Verdict::Suitable);
}

TEST(Earthing, FoundationFailingAfterItsTotalKeepsTheTotal) {
    FoundationResults earlier;
    earlier.total = "9";
    earlier.limits = {"1", "2", "3", "4"};
    const auto noMultiple = Compute(HalfOf("1", "16", ""), earlier);
    EXPECT_TRUE(noMultiple.failed);
    EXPECT_EQ(noMultiple.texts.total, "0.5");
    EXPECT_EQ(noMultiple.texts.limits, earlier.limits);
    EXPECT_EQ(noMultiple.texts.verdicts[0], Verdict::None);
    const auto zeroMultiple = Compute(HalfOf("1", "16", "0"), earlier);
    EXPECT_TRUE(zeroMultiple.failed);
    EXPECT_EQ(zeroMultiple.texts.limits, earlier.limits);

    Foundation noArea = HalfOf("1");
    noArea.area = "0";
    const auto zero = Compute(noArea, earlier);
    EXPECT_TRUE(zero.failed);
    EXPECT_EQ(zero.texts, earlier);
}

TEST(Earthing, DiameterAndSectionPrompts) {
    EXPECT_EQ(DiameterMessage(16), ResultMessage("İletkenin Çapı 4.51351666838205 mm'dir."));
    EXPECT_EQ(SectionMessage(2), ResultMessage("İletkenin Kesiti 3.14159265358979 mm²'dir."));
    EXPECT_THROW(DiameterMessage(-4), ComputeFailure);
    EXPECT_THROW(SectionMessage(1e300), ComputeFailure);
}
