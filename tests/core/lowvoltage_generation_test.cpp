#include "core/lowvoltage/generation.h"

#include <gtest/gtest.h>

namespace voltaris::generation {
namespace {

TEST(Generation, EfficiencyEntries) {
    const auto entries = EfficiencyEntries();
    ASSERT_EQ(entries.size(), 100u);
    EXPECT_EQ(entries.front(), "%1");
    EXPECT_EQ(entries[kWindEfficiency - 1], "%66");
    EXPECT_EQ(entries.back(), "%100");
    EXPECT_DOUBLE_EQ(EfficiencyOf("%41"), 41);
}

TEST(Generation, WindBothDirectionsAndReports) {
    const WindInputs power{Direction::PowerFromDiameter, "2", "10", "%40"};
    const auto w = Wind(power, {});
    ASSERT_FALSE(w.failed);
    EXPECT_EQ(w.texts.result, "0.7854");
    const auto lines = WindReportLines(power, w.texts);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[4], "Türbin Verimi: %40");
    EXPECT_EQ(lines[9], "A = 3.14159265358979");
    EXPECT_EQ(lines[13], "W = (0.625 x 3.14159265358979 x 10 ^ 3) x (40 / 100) / 1000");
    EXPECT_EQ(lines[14], "W = 0.7854 Kilowatt");

    const WindInputs diameter{Direction::DiameterFromPower, "1000", "10", "%50"};
    const auto d = Wind(diameter, {});
    ASSERT_FALSE(d.failed);
    EXPECT_EQ(d.texts.result, "2.0185");
    const auto dLines = WindReportLines(diameter, d.texts);
    EXPECT_EQ(dLines[8], "%W = (1000 x 100 ) / 50");
    EXPECT_EQ(dLines[9], "%W = 2000");
    EXPECT_EQ(dLines[13], "R = Karekök ((( 2000 / ( 0.625 x (10 ^ 3 )) x 4) / 3.14))");
    EXPECT_EQ(dLines[14], "R = 2.0185 Metre");

    WindResult shown;
    shown.result = "old";
    const auto empty = Wind({Direction::PowerFromDiameter, "", "10", "%40"}, shown);
    EXPECT_TRUE(empty.failed);
    EXPECT_EQ(empty.texts.result, "old");
}

TEST(Generation, HydroAndReport) {
    const HydroInputs in{"10", "2", "%80"};
    const auto pe = Hydro(in, {});
    ASSERT_FALSE(pe.failed);
    EXPECT_EQ(pe.texts, "156.96");
    const auto lines = HydroReportLines(in, pe.texts);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[9], "Pe = (80 / 100) x 10 x 2 x 9.81");
    EXPECT_EQ(lines[10], "Pe = 156.96 Kilowatt");
    EXPECT_TRUE(Hydro({"10", "", "%80"}, "old").failed);
}

TEST(Generation, PromptTransfers) {
    EXPECT_EQ(RotorDiameter(3.14159).field, "2");
    EXPECT_EQ(RotorDiameter(3.14159).message,
              "Rotorun Çapı 2 metredir.\nHesapladığınız Debi Aktarılmıştır...");
    const Transfer q = Flow(2.5, 1.2);
    EXPECT_EQ(q.field, "3");
    EXPECT_EQ(q.message, "Akarsuyun Ortalama Debisi 3 Metreküp/Saniye'dir.\nHesapladığınız Debi "
                         "Aktarılmıştır...");
}

} // namespace
} // namespace voltaris::generation
