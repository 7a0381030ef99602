#include "core/lowvoltage/load_compensation.h"

#include <gtest/gtest.h>

using namespace voltaris;
using namespace voltaris::load_compensation;

namespace {

Inputs Given(const char* power, const char* current, const char* presentCos = "0.80",
             const char* wantedCos = "0.99", const char* frequency = "50") {
    return {power, current, presentCos, wantedCos, frequency};
}

// Fields holding an earlier compute's texts, to see which ones a compute replaces.
Results Earlier() {
    return {"old1", "old7", "old8", "old9", {9, 8}};
}

} // namespace

// 1000 W, 5.68 A from 0.80 to 0.99: tan φ = 0.7499999999999998, tan θ = 0.14249228262288782.
TEST(LoadCompensation, SinglePhaseTakesTheCapacitanceFromTheUnroundedCurrent) {
    const auto out = Compute(Supply::SinglePhase, Given("1000", "5.68"), Earlier());
    ASSERT_FALSE(out.failed);
    EXPECT_EQ(out.texts.tangents.present, 0.7499999999999998);
    EXPECT_EQ(out.texts.tangents.wanted, 0.14249228262288782);
    EXPECT_EQ(out.texts.capacitorCurrent, "2.76");
    // 10⁶ × 2.7605150677615966 / (50 × 2π × 220) = 39.9408...; from the shown 2.76 it would be
    // 39.93.
    EXPECT_EQ(out.texts.capacitance, "39.94");
    EXPECT_EQ(out.texts.capacitorPower, "0.61");
    EXPECT_EQ(out.texts.deltaCapacitance, "old9"); // no delta connection on one phase
}

TEST(LoadCompensation, ThreePhasesTakeBothCapacitancesFromTheRoundedPower) {
    const auto out = Compute(Supply::ThreePhase, Given("1000", "5.68"), Earlier());
    ASSERT_FALSE(out.failed);
    EXPECT_EQ(out.texts.capacitorCurrent, "2.76");
    // 1000 × √3 × 0.6075 / 1000 = 1.0522 shows as 1.05; 1.05 × 10⁹ / (50 × 2π × 380²) = 23.1458
    // (from 1.0522 it would be 23.19), and over 6π × 380² 7.7153.
    EXPECT_EQ(out.texts.capacitorPower, "1.05");
    EXPECT_EQ(out.texts.capacitance, "23.15");
    EXPECT_EQ(out.texts.deltaCapacitance, "7.72");

    // A power that rounds to 0 kVAr leaves no capacitance at all.
    const auto tiny = Compute(Supply::ThreePhase, Given("1", "5.68"), Earlier());
    EXPECT_EQ(tiny.texts.capacitorPower, "0");
    EXPECT_EQ(tiny.texts.capacitance, "0");
    EXPECT_EQ(tiny.texts.deltaCapacitance, "0");
}

TEST(LoadCompensation, ResultsFollowTheSignOfTheCorrection) {
    const auto same = Compute(Supply::ThreePhase, Given("1000", "5", "0.85", "0.85"), Earlier());
    EXPECT_EQ(same.texts, (Results{"0", "0", "0", "0", same.texts.tangents}));
    // Wanting less than the present power factor gives a negative capacitor, shown as computed.
    const auto lower = Compute(Supply::SinglePhase, Given("1000", "5.68", "0.99", "0.80"), {});
    EXPECT_EQ(lower.texts.capacitorCurrent, "-3.42");
    EXPECT_EQ(lower.texts.capacitorPower, "-0.61");
}

TEST(LoadCompensation, AFailingStepKeepsWhatWasWritten) {
    // The present power factor 0 (the list's last entry) fails before anything changes.
    const auto zeroCos = Compute(Supply::SinglePhase, Given("1000", "5", "0.00"), Earlier());
    EXPECT_TRUE(zeroCos.failed);
    EXPECT_EQ(zeroCos.texts, Earlier());
    // A wanted 0 fails after the present tangent was taken.
    const auto zeroWanted = Compute(Supply::SinglePhase, Given("1000", "5", "0.80", "0.00"), {});
    EXPECT_TRUE(zeroWanted.failed);
    EXPECT_EQ(zeroWanted.texts.tangents, (compensation::Tangents{0.7499999999999998, 0}));

    // One phase: the capacitance comes before the power, so a missing power keeps only that.
    const auto noPower = Compute(Supply::SinglePhase, Given("", "5.68"), Earlier());
    EXPECT_TRUE(noPower.failed);
    EXPECT_EQ(noPower.texts.capacitorCurrent, "2.76");
    EXPECT_EQ(noPower.texts.capacitance, "39.94");
    EXPECT_EQ(noPower.texts.capacitorPower, "old7");

    // Three phases: the power comes first, the capacitances fail on a frequency of 0.
    const auto zeroHertz =
        Compute(Supply::ThreePhase, Given("1000", "5.68", "0.80", "0.99", "0"), Earlier());
    EXPECT_TRUE(zeroHertz.failed);
    EXPECT_EQ(zeroHertz.texts.capacitorPower, "1.05");
    EXPECT_EQ(zeroHertz.texts.capacitance, "old8");
    EXPECT_EQ(zeroHertz.texts.deltaCapacitance, "old9");

    // Even a zero power over a zero frequency is a division by zero.
    EXPECT_TRUE(Compute(Supply::ThreePhase, Given("0", "5", "0.80", "0.99", "0"), {}).failed);
    EXPECT_TRUE(Compute(Supply::SinglePhase, Given("1000", "."), {}).failed);
}

// The report takes the fields as they stand (edited after the compute) and the tangents of the
// compute, rounded; the figures 3.14, 1.73 and 380^2 are printed text. The full lines are
// checked by the window's scenarios.
TEST(LoadCompensation, ReportTakesTheFieldsAsTheyStandAndTheKeptTangents) {
    Inputs in = Given("1000", "5.68", "0.70");
    const Results shown = Compute(Supply::ThreePhase, in, {}).texts;
    in.power = "1200";
    in.presentCos = "0.50";
    const std::vector<std::string> lines = ReportLines(Supply::ThreePhase, in, shown);
    ASSERT_EQ(lines.size(), 29u);
    EXPECT_EQ(lines[1], "Faz Durumu: Trifaze");
    EXPECT_EQ(lines[4], "Endüktif Alıcının Mevcut Güç Katsayısı: 0.50 Cosinüs fi");
    EXPECT_EQ(lines[5], "Endüktif Alıcının Mevcut Güç Katsayısı: 1.02 Tanjant fi");
    EXPECT_EQ(lines[11], "Ic = 5.68 x 0.50 x (1.02 - 0.14)");
    EXPECT_EQ(lines[16], "Qc = 1.73 x 1200 x (1.02 - 0.14)");
    EXPECT_EQ(lines[17], "Qc = 1.52 kVAr");
    EXPECT_EQ(lines[21], "C Yıldız = 1.52 x 1000000000  / 2 x 3.14 x 50 x 380^2");
    EXPECT_EQ(lines[27], "C Üçgen = 11.17 Mikro Farad");
    EXPECT_EQ(lines[28], "");

    const std::vector<std::string> single = ReportLines(Supply::SinglePhase, in, shown);
    ASSERT_EQ(single.size(), 24u);
    EXPECT_EQ(single[16], "C = 3.49 / 2 x 3.14 x 50 x 220");
    EXPECT_EQ(single[21], "Qc = 1200 x (1.02 - 0.14)");
}

// Two decimals as the shortest text of the rounded double, not cut to 15 digits.
TEST(LoadCompensation, ResultsShowEveryDigitOfTheRoundedValue) {
    EXPECT_EQ(compensation::Rounded2(12345678901234.567), "12345678901234.57");
    EXPECT_EQ(compensation::Rounded2(0.125), "0.12");
    EXPECT_EQ(compensation::Rounded2(-0.001), "0");
}
