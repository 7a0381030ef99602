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

// The report follows the choice it is given, with the fields as they stand and the kept tangents
// rounded; the full lines are checked by the window's scenarios.
TEST(InstallationCompensation, ReportFollowsTheTransformerChoice) {
    const Inputs in = {"400", "0.70", "0.99"};
    const Results shown = Compute(Installation::OwnTransformer, in, {}).texts;
    const std::vector<std::string> own = ReportLines(Installation::OwnTransformer, in, shown);
    ASSERT_EQ(own.size(), 28u);
    EXPECT_EQ(own[2], "Trafonun Görünür Gücü: 400 kVA");
    EXPECT_EQ(own[4], "Tesisin Mevcut Güç Katsayısı: 1.02 Tanjant fi");
    EXPECT_EQ(own[10], "Qc = 400 x Cosinüs fi x (1.02 - 0.14)");
    EXPECT_EQ(own[15], "I Tesis = 400 x 0.70 x 1000 / 1.73 x 380 x 0.99");
    EXPECT_EQ(own[23], "TTrafoda Oluşacak Kayıpları Önlemek için Sabit Olarak Bağlanacak "
                       "Kondansatör Gücü:");
    EXPECT_EQ(own[26], "Qc Trafo = 20 kVAr");

    const std::vector<std::string> none = ReportLines(Installation::NoTransformer, in, shown);
    ASSERT_EQ(none.size(), 18u);
    EXPECT_EQ(none[2], "Tesisteki Tüm Alıcıların Toplam Gücü: 400 kW");
    EXPECT_EQ(none[10], "Qc = 400 x (1.02 - 0.14)");
    EXPECT_EQ(none[16], "I Tesis = 429.71 Amper");
}
