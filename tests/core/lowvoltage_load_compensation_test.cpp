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

TEST(LoadCompensation, SinglePhaseReport) {
    const Inputs in = Given("1000", "5.68");
    const Results shown = Compute(Supply::SinglePhase, in, {}).texts;
    const std::vector<std::string> expected = {
        "Tek Tek Kompanzasyon Hesabı:",
        "Faz Durumu: Monofaze",
        "Endüktif Alıcının Gücü: 1000 Watt",
        "Endüktif Alıcının Çektiği Akım: 5.68 Amper",
        "Endüktif Alıcının Mevcut Güç Katsayısı: 0.80 Cosinüs fi",
        "Endüktif Alıcının Mevcut Güç Katsayısı: 0.75 Tanjant fi",
        "Endüktif Alıcının Olması İstenen Güç Katsayısı: 0.99 Cosinüs teta",
        "Endüktif Alıcının Olması İstenen Güç Katsayısı: 0.14 Tanjant teta",
        "",
        "Endüktif Alıcıya Bağlancak Kondansatörün Çekeceği Akım:",
        "Ic = Endüktif Alıcının Çektiği Akım x Cosinüs fi x (Tanjant fi - Tanjant teta)",
        "Ic = 5.68 x 0.80 x (0.75 - 0.14)",
        "Ic = 2.76 Amper",
        "",
        "Endüktif Alıcıya Bağlanacak Kondansatör'ün Kapasitesi:",
        "C = Ic / 2 x Pi x Frekans x Gerilim",
        "C = 2.76 / 2 x 3.14 x 50 x 220",
        "C = 39.94 Mikro Farad",
        "",
        "Endüktif Alıcıya Parelel Bağlanacak Kondansatörün Gücü:",
        "Qc = Endüktif Alıcının Gücü x (Tanjant fi - Tanjant teta)",
        "Qc = 1000 x (0.75 - 0.14)",
        "Qc = 0.61 kVAr",
        "",
    };
    EXPECT_EQ(ReportLines(Supply::SinglePhase, in, shown), expected);
}

// The report takes the fields as they stand (an edited power included) and the kept tangents.
TEST(LoadCompensation, ThreePhaseReport) {
    Inputs in = Given("1000", "5.68", "0.70");
    const Results shown = Compute(Supply::ThreePhase, in, {}).texts;
    in.power = "1200";
    in.presentCos = "0.50";
    const std::vector<std::string> expected = {
        "Tek Tek Kompanzasyon Hesabı:",
        "Faz Durumu: Trifaze",
        "Endüktif Alıcının Gücü: 1200 Watt",
        "Endüktif Alıcının Çektiği Akım: 5.68 Amper",
        "Endüktif Alıcının Mevcut Güç Katsayısı: 0.50 Cosinüs fi",
        "Endüktif Alıcının Mevcut Güç Katsayısı: 1.02 Tanjant fi",
        "Endüktif Alıcının Olması İstenen Güç Katsayısı: 0.99 Cosinüs teta",
        "Endüktif Alıcının Olması İstenen Güç Katsayısı: 0.14 Tanjant teta",
        "",
        "Endüktif Alıcıya Bağlancak Kondansatörün Çekeceği Akım:",
        "Ic = Endüktif Alıcının Çektiği Akım x Cosinüs fi x (Tanjant fi - Tanjant teta)",
        "Ic = 5.68 x 0.50 x (1.02 - 0.14)",
        "Ic = 3.49 Amper",
        "",
        "Endüktif Alıcıya Parelel Bağlanacak Kondansatörün Gücü:",
        "Qc = Kök(3) x Endüktif Alıcının Gücü x (Tanjant fi - Tanjant teta)",
        "Qc = 1.73 x 1200 x (1.02 - 0.14)",
        "Qc = 1.52 kVAr",
        "",
        "Endüktif Alıcıya YILDIZ Bağlantı Şeklinde Bağlanacak Kondansatörün Kapasitesi:",
        "C Yıldız = Qc x 1000000000 / 2 x Pi x Frekans x Gerilim^2",
        "C Yıldız = 1.52 x 1000000000  / 2 x 3.14 x 50 x 380^2",
        "C Yıldız = 33.51 Mikro Farad",
        "",
        "Endüktif Alıcıya ÜÇGEN Bağlantı Şeklinde Bağlanacak Kondansatörün Kapasitesi:",
        "C Üçgen = Qc x 1000000000 / 6 x Pi x Frekans x Gerilim^2",
        "C Üçgen = 1.52 x 1000000000  / 6 x 3.14 x 50 x 380^2",
        "C Üçgen = 11.17 Mikro Farad",
        "",
    };
    EXPECT_EQ(ReportLines(Supply::ThreePhase, in, shown), expected);
}

// Two decimals as the shortest text of the rounded double, not cut to 15 digits.
TEST(LoadCompensation, ResultsShowEveryDigitOfTheRoundedValue) {
    EXPECT_EQ(compensation::Rounded2(12345678901234.567), "12345678901234.57");
    EXPECT_EQ(compensation::Rounded2(0.125), "0.12");
    EXPECT_EQ(compensation::Rounded2(-0.001), "0");
}
