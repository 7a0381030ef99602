#include "core/lowvoltage/installation_compensation.h"
#include "core/lowvoltage/power_common.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

using namespace voltaris;
using namespace voltaris::installation_compensation;

namespace {

const Results kEarlier = {"old2", "old3", "old4", "old5", {9, 8}};

Outcome<Results> ComputeFor(Installation installation, const char* power,
                            const char* presentCos = "0.70", const char* wantedCos = "0.99") {
    return Compute(installation, {power, presentCos, wantedCos}, kEarlier);
}

} // namespace

TEST(InstallationCompensation, ListsOpenOnSevenTenthsAndNinetyNineHundredths) {
    EXPECT_EQ(power::PowerFactorList().at(kPresentCosDefault), "0.70");
    EXPECT_EQ(power::PowerFactorList().at(compensation::kWantedCosDefault), "0.99");
}

// 100 kW from 0.70 to 0.99: t1 − t2 = 0.8777117785975193.
TEST(InstallationCompensation, WithoutATransformerFromTheLoadsPower) {
    const auto out = ComputeFor(Installation::NoTransformer, "100");
    ASSERT_FALSE(out.failed);
    EXPECT_EQ(out.texts.tangents.present - out.texts.tangents.wanted, 0.8777117785975193);
    EXPECT_EQ(out.texts.capacitorPower, "87.77");
    EXPECT_EQ(out.texts.current, "153.47"); // 100000 / (0.99 × √3 × 380), √3 not 1.73
    EXPECT_EQ(out.texts.drawnPower, "old4");
    EXPECT_EQ(out.texts.lossesCapacitor, "old5");
}

TEST(InstallationCompensation, WithATransformerFromItsApparentPower) {
    const auto out = ComputeFor(Installation::OwnTransformer, "400");
    ASSERT_FALSE(out.failed);
    EXPECT_EQ(out.texts.capacitorPower, "245.76");
    EXPECT_EQ(out.texts.current, "429.71");
    EXPECT_EQ(out.texts.drawnPower, "280");
    EXPECT_EQ(out.texts.lossesCapacitor, "20");
}

TEST(InstallationCompensation, AFailingStepKeepsWhatWasWritten) {
    // A power factor of 0 (the lists' last entry) is a division by zero before any result.
    const auto zeroCos = ComputeFor(Installation::OwnTransformer, "400", "0.00");
    EXPECT_TRUE(zeroCos.failed);
    EXPECT_EQ(zeroCos.texts, kEarlier);
    EXPECT_TRUE(ComputeFor(Installation::NoTransformer, "100", "0.70", "0.00").failed);
    // An empty power fails after the tangents were taken.
    const auto empty = ComputeFor(Installation::NoTransformer, "");
    EXPECT_TRUE(empty.failed);
    EXPECT_EQ(empty.texts.capacitorPower, "old2");
    EXPECT_EQ(empty.texts.tangents, ComputeFor(Installation::NoTransformer, "100").texts.tangents);
    // A cos θ of 1 leaves nothing to divide by zero: tan θ = 0.
    const auto full = ComputeFor(Installation::NoTransformer, "100", "0.70", "1.00");
    EXPECT_FALSE(full.failed);
    EXPECT_EQ(full.texts.capacitorPower, "102.02");
}

TEST(InstallationCompensation, MeterReadingsGiveTheUnroundedPower) {
    // (1000 / 1000 − tan θ) × (1000 / 10).
    EXPECT_EQ(MeterCompensation(1000, 1000, 10, "0.99"), "85.75077173771122");
    EXPECT_EQ(MeterCompensation(1000, 500, 10, "1.00"), "50");
    EXPECT_THROW(MeterCompensation(0, 1000, 10, "0.99"), ComputeFailure);
    EXPECT_THROW(MeterCompensation(1000, 1000, 0, "0.99"), ComputeFailure);
    EXPECT_THROW(MeterCompensation(1000, 1000, 10, "0.00"), ComputeFailure);
}

TEST(InstallationCompensation, ReportWithoutATransformer) {
    const Inputs in = {"100", "0.70", "0.99"};
    const Results shown = Compute(Installation::NoTransformer, in, {}).texts;
    const std::vector<std::string> expected = {
        "Komple Tesis Kompanzasyon Hesabı:",
        "Tesisin Trafo Durumu: Trafo Yok",
        "Tesisteki Tüm Alıcıların Toplam Gücü: 100 kW",
        "Tesisin Mevcut Güç Katsayısı: 0.70 Cosinüs fi",
        "Tesisin Mevcut Güç Katsayısı: 1.02 Tanjant fi",
        "Tesisin Olması İstenen Güç Katsayısı: 0.99 Cosinüs teta",
        "Tesisin Olması İstenen Güç Katsayısı: 0.14 Tanjant teta",
        "",
        "Tesise Yapılacak Kompanzasyon Sistemine Bağlanacak Toplam Kondansatör Gücü:",
        "Qc = Tesisteki Alıcıların Toplam Gücü x (Tanjant fi - Tanjant teta)",
        "Qc = 100 x (1.02 - 0.14)",
        "Qc = 87.77 kVAr",
        "",
        "Tesisin Çektiği Toplam Akım:",
        "I Tesis = Tesisteki Alıcıların Toplam Gücü x 1000 / Kök(3) x 380 x Cosinüs teta",
        "I Tesis = 100 x 1000 / 1.73 x 380 x 0.99",
        "I Tesis = 153.47 Amper",
        "",
    };
    EXPECT_EQ(ReportLines(Installation::NoTransformer, in, shown), expected);
}

TEST(InstallationCompensation, ReportWithATransformer) {
    const Inputs in = {"400", "0.70", "0.99"};
    const Results shown = Compute(Installation::OwnTransformer, in, {}).texts;
    const std::vector<std::string> expected = {
        "Komple Tesis Kompanzasyon Hesabı:",
        "Tesisin Trafo Durumu: Trafo Var",
        "Trafonun Görünür Gücü: 400 kVA",
        "Tesisin Mevcut Güç Katsayısı: 0.70 Cosinüs fi",
        "Tesisin Mevcut Güç Katsayısı: 1.02 Tanjant fi",
        "Tesisin Olması İstenen Güç Katsayısı: 0.99 Cosinüs teta",
        "Tesisin Olması İstenen Güç Katsayısı: 0.14 Tanjant teta",
        "",
        "Tesise Yapılacak Kompanzasyon Sistemine Bağlanacak Toplam Kondansatör Gücü:",
        "Qc = Trafonun Görünür Gücü x (Tanjant fi - Tanjant teta)",
        "Qc = 400 x Cosinüs fi x (1.02 - 0.14)",
        "Qc = 245.76 kVAr",
        "",
        "Tesisin Çektiği Toplam Akım:",
        "I Tesis = Trafonun Görünür Gücü x Cosinüs fi x 1000 / Kök(3) x 380 x Cosinüs teta",
        "I Tesis = 400 x 0.70 x 1000 / 1.73 x 380 x 0.99",
        "I Tesis = 429.71 Amper",
        "",
        "Tesisin Trafodan Çektiği Güç:",
        "kW Tesis = Trafonun Görünür Gücü x Cosinüs fi ",
        "kW Tesis = 400 x 0.70",
        "kW Tesis = 280 kW",
        "",
        "TTrafoda Oluşacak Kayıpları Önlemek için Sabit Olarak Bağlanacak Kondansatör Gücü:",
        "Qc Trafo = Trafonun Görünür Gücü x Yüzde 5 ",
        "Qc Trafo = 400 x 0.05",
        "Qc Trafo = 20 kVAr",
        "",
    };
    EXPECT_EQ(ReportLines(Installation::OwnTransformer, in, shown), expected);
}
