#include "core/lowvoltage/ac_power.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace voltaris::ac_power {
namespace {

Fields Given(std::string voltage, std::string current) {
    Fields f;
    f.voltage = std::move(voltage);
    f.current = std::move(current);
    return f;
}

TEST(AcPower, SinglePhaseWithReadBacksOfTheRoundedFields) {
    const auto out = Compute(Supply::Single220, "0.80", Given("220", "10"));
    ASSERT_FALSE(out.failed);
    const Fields& f = out.texts;
    // sin φ is 0.5999999999999999; the rounding to five decimals restores 1320.
    EXPECT_EQ(f.active, "1760");
    EXPECT_EQ(f.apparent, "2200");
    EXPECT_EQ(f.reactive, "1320");
    EXPECT_EQ(f.voltageRms, "220");
    EXPECT_EQ(f.voltagePeak, "311.17397");
    // From the field's 311.17397, not from 311.1739745...: 197.90664, not 197.90665.
    EXPECT_EQ(f.voltageAverage, "197.90664");
    EXPECT_EQ(f.voltageInstant, "186.70438");
    EXPECT_EQ(f.currentRms, "10");
    EXPECT_EQ(f.currentPeak, "14.14427");
    EXPECT_EQ(f.currentAverage, "8.99576");
    EXPECT_EQ(f.currentInstant, "8.48656");
}

TEST(AcPower, ThreePhasesUseTheRootOfThree) {
    for (Supply supply : {Supply::Three380, Supply::ThreeTyped}) {
        const auto out = Compute(supply, "0.80", Given("380", "10"));
        ASSERT_FALSE(out.failed);
        // Not the 5259.2 that 1.73 would give.
        EXPECT_EQ(out.texts.active, "5265.43446");
        EXPECT_EQ(out.texts.apparent, "6581.79307");
        EXPECT_EQ(out.texts.reactive, "3949.07584");
        // The voltage values do not depend on the phases.
        EXPECT_EQ(out.texts.voltagePeak, "537.48232");
    }
    EXPECT_EQ(Compute(Supply::SingleTyped, "0.80", Given("380", "10")).texts.active, "3040");
}

TEST(AcPower, UnityPowerFactorHasNoReactiveOrInstantaneousValues) {
    const Fields f = Compute(Supply::Single220, "1.00", Given("220", "10")).texts;
    EXPECT_EQ(f.active, "2200");
    EXPECT_EQ(f.reactive, "0");
    EXPECT_EQ(f.voltageInstant, "0");
    EXPECT_EQ(f.currentInstant, "0");
}

TEST(AcPower, LargeResultsKeepAllTheirDigits) {
    // Sixteen significant digits after rounding; a 15-digit text would drop the last one.
    const Fields f = Compute(Supply::SingleTyped, "0.80", Given("12345678901", "1")).texts;
    EXPECT_EQ(f.voltagePeak, "17462063509.19378");
    EXPECT_EQ(f.voltageAverage, "11105872391.84724");
}

TEST(AcPower, FailureKeepsWhatWasWrittenBefore) {
    Fields start = Given("", "10");
    start.active = "1760";
    start.voltagePeak = "311.17397";
    // No voltage: the first step fails and nothing changes.
    auto out = Compute(Supply::SingleTyped, "0.80", start);
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.active, "1760");
    EXPECT_EQ(out.texts.voltageRms, "");
    out = Compute(Supply::Single220, "0.80", Given("220", "."));
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.active, "");
    // A peak too large for a double: the powers and the copied RMS value stay written.
    start.voltage = "1.5E308";
    start.current = "0.5";
    out = Compute(Supply::SingleTyped, "0.80", start);
    EXPECT_TRUE(out.failed);
    EXPECT_NE(out.texts.active, "1760");
    EXPECT_FALSE(out.texts.reactive.empty());
    EXPECT_EQ(out.texts.voltageRms, "1.5E308");
    EXPECT_EQ(out.texts.voltagePeak, "311.17397");
    EXPECT_EQ(out.texts.currentRms, "");
}

TEST(AcPowerReport, SinglePhaseLines) {
    const Fields f = Compute(Supply::Single220, "0.80", Given("220", "10")).texts;
    const std::vector<std::string> expected = {
        "Alternatif Akımda Güç Hesabı:",
        "Faz Durumu: Monofaze",
        "Gerilim: 220",
        "Akım: 10",
        "Cosinüs: 0.80",
        "Sinüs: 0.5999999999999999",
        "",
        "Aktif Güç:",
        "P = Gerilim x Akım x Cosinüs",
        "P = 220 x 10 x 0.80",
        "P = 1760",
        "",
        "Reaktif Güç:",
        "Q = Gerilim x Akım x Sinüs",
        "Q = 220 x 10 x 0.5999999999999999",
        "Q = 1320",
        "",
        "Görünür Güç:",
        "S = Gerilim x Akım",
        "S = 220 x 10",
        "S = 2200",
        "",
        "Ek Hesaplamalar:",
        "",
        "Gerilimin Etkin Değeri: 220",
        "Gerilimin Maksimum Değeri: 220 / 0.707 = 311.17397",
        "Gerilimin Ortalama Değeri: 311.17397 x 0.636 = 197.90664",
        "Gerilimin Ani Değeri: 311.17397 x Sinüs = 186.70438",
        "",
        "Akımın Etkin Değeri: 10",
        "Akımın Maksimum Değeri: 10 / 0.707 = 14.14427",
        "Akımın Ortalama Değeri: 14.14427 x 0.636 = 8.99576",
        "Akımın Ani Değeri: 14.14427 x Sinüs = 8.48656",
    };
    EXPECT_EQ(ReportLines(Supply::Single220, "0.80", "0.80", f), expected);
}

TEST(AcPowerReport, ThreePhasesPrintOnePointSevenThree) {
    const Fields f = Compute(Supply::Three380, "0.80", Given("380", "10")).texts;
    // The list was changed after the compute: the cosine lines show the list, the sine is still
    // that of the stored 0.80.
    const auto lines = ReportLines(Supply::Three380, "0.80", "0.90", f);
    ASSERT_EQ(lines.size(), 33u);
    EXPECT_EQ(lines[1], "Faz Durumu: Trifaze");
    EXPECT_EQ(lines[4], "Cosinüs: 0.90");
    EXPECT_EQ(lines[5], "Sinüs: 0.5999999999999999");
    EXPECT_EQ(lines[8], "P = Kök(3) x Gerilim x Akım x Cosinüs");
    EXPECT_EQ(lines[9], "P = 1.73 x 380 x 10 x 0.90");
    EXPECT_EQ(lines[10], "P = 5265.43446");
    EXPECT_EQ(lines[13], "Q = Kök(3) x Gerilim x Akım x Sinüs");
    EXPECT_EQ(lines[14], "Q = 1.73 x 380 x 10 x 0.5999999999999999");
    EXPECT_EQ(lines[18], "S = Kök(3) x Gerilim x Akım");
    EXPECT_EQ(lines[19], "S = 1.73 x 380 x 10");
    EXPECT_EQ(lines[25], "Gerilimin Maksimum Değeri: 380 / 0.707 = 537.48232");
}

TEST(AcPowerWattToCurrent, CurrentAtFullPrecision) {
    EXPECT_EQ(CurrentFromPower(Supply::Single220, 1760, "220", "0.80"), 10);
    const double single = CurrentFromPower(Supply::SingleTyped, 1000, "220", "0.80");
    EXPECT_EQ(RoundTripText(single), "5.681818181818182");
    // 1000 / (380 × 0.8 × √3): seventeen significant digits.
    const double three = CurrentFromPower(Supply::Three380, 1000, "380", "0.80");
    EXPECT_EQ(CurrentMessage(three).text, "Hesaplanan Akım Değeri 1.8991785170711375 Amperdir.\n"
                                          "Hesapladığınız Değer Program Üzerine Aktarılmıştır.");
    EXPECT_EQ(CurrentMessage(three).title, "SONUÇ");
}

TEST(AcPowerWattToCurrent, Failures) {
    // The last list entry is a zero power factor.
    EXPECT_THROW(CurrentFromPower(Supply::Single220, 1000, "220", "0.00"), ComputeFailure);
    EXPECT_THROW(CurrentFromPower(Supply::SingleTyped, 1000, "", "0.80"), ComputeFailure);
    EXPECT_THROW(CurrentFromPower(Supply::ThreeTyped, 1000, "0", "0.80"), ComputeFailure);
}

TEST(AcPowerWattToCurrent, HintBox) {
    const Message hint = WattHintMessage();
    EXPECT_EQ(hint.title, "BİLGİ");
    EXPECT_EQ(hint.text, "Program Üzerinden:\nGerilim Seçeneği Kısmını Seçiniz veya Gerilimi "
                         "Giriniz.\nCosinüs Değerini Seçiniz.");
}

} // namespace
} // namespace voltaris::ac_power
