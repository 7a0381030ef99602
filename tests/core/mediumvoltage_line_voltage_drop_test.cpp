#include "core/mediumvoltage/line_voltage_drop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace voltaris::line_voltage_drop {
namespace {

constexpr int k6300 = 0;
constexpr int k15800 = 1;
constexpr int k31500 = 2;
constexpr int k33000 = 3;
constexpr int k34500 = 4;

Inputs Case(Line line, Coefficients kept, std::string demand, std::string length,
            std::string conductor = "3x HAWK (AWG 477)") {
    return {line, kept, std::move(demand), std::move(length), std::move(conductor)};
}

// 34.5 kV, "Mesnet İzolatörlü", HAWK.
const Coefficients kHawk = CoefficientsOf({Line::Overhead, k34500, 0, 4});

TEST(LineVoltageDrop, OverheadExample) {
    EXPECT_EQ(kHawk, (Coefficients{34.5, 0.202, 0.1, 670}));
    const auto out = Compute(Case(Line::Overhead, kHawk, "5000", "10"), {});
    ASSERT_FALSE(out.failed);
    const Texts& t = out.texts;
    EXPECT_EQ(t.drop, "1.01");
    EXPECT_EQ(t.loss, "20.25");
    EXPECT_EQ(t.lossPercent, "0.45");
    EXPECT_EQ(t.current, "83.67");
    EXPECT_EQ(t.dropVerdict,
              (VerdictText{Verdict::Suitable, "Yüzde 7'den Küçük Olduğundan Uygun"}));
    EXPECT_EQ(t.lossVerdict,
              (VerdictText{Verdict::Suitable, "Yüzde 5'den Küçük Olduğundan Uygun"}));
    EXPECT_EQ(t.capacity, "3x HAWK (AWG 477)  Çelik Özlü Alüminyum İletkenin Akım Taşıma "
                          "Kapasitesi 670 Amperdir.");
    EXPECT_EQ(
        t.capacityVerdict,
        (VerdictText{Verdict::Suitable, "Akım Taşıma Kapasitesinden Küçük Olduğundan Uygun"}));
    EXPECT_EQ(t.conductorReport, "Çelik Özlü Alüminyum Cinsi: 3x HAWK (AWG 477)");
}

TEST(LineVoltageDrop, OverheadTablesFollowVoltageArrangementAndConductor) {
    EXPECT_EQ(CoefficientsOf({Line::Overhead, k6300, 2, 3}), (Coefficients{6.3, 8.523, 5.39, 460}));
    EXPECT_EQ(CoefficientsOf({Line::Overhead, k15800, 1, 0}),
              (Coefficients{15.8, 4.614, 4.303, 160}));
    EXPECT_EQ(CoefficientsOf({Line::Overhead, k33000, 1, 1}),
              (Coefficients{33, 0.604, 0.492, 230}));
}

TEST(LineVoltageDrop, CableTablesFollowTheLaying) {
    EXPECT_EQ(CoefficientsOf({Line::Underground, k33000, kThreeCore, 0}),
              (Coefficients{33, 0.376, 0.355, 251}));
    EXPECT_EQ(CoefficientsOf({Line::Underground, k33000, kTrefoil, 0}).k, 0.381);
    EXPECT_EQ(CoefficientsOf({Line::Underground, k33000, kFlat, 0}).k, 0.414);
    EXPECT_EQ(CoefficientsOf({Line::Underground, k15800, kThreeCore, 6}),
              (Coefficients{15.8, 0.436, 0.302, 513}));
    EXPECT_EQ(CoefficientsOf({Line::Underground, k31500, kTrefoil, 2}),
              (Coefficients{31.5, 0.235, 0.194, 329}));
    EXPECT_EQ(CoefficientsOf({Line::Underground, k34500, kThreeCore, 5}).imax, 441);
}

// At 6.3 and 33 kV the three layings share one capacity row; at the other voltages each laying
// has its own.
TEST(LineVoltageDrop, SharedCapacityRows) {
    const std::vector<double> lower = {249, 303, 358, 404, 441, 493, 563};
    const std::vector<double> upper = {251, 306, 363, 410, 449, 503, 576};
    for (int laying : {kThreeCore, kTrefoil, kFlat})
        for (int size = 0; size < 7; ++size) {
            EXPECT_EQ(CoefficientsOf({Line::Underground, k6300, laying, size}).imax, lower[size]);
            EXPECT_EQ(CoefficientsOf({Line::Underground, k33000, laying, size}).imax, upper[size]);
        }
    EXPECT_EQ(CoefficientsOf({Line::Underground, k15800, kFlat, 0}).imax, 249);
    EXPECT_EQ(CoefficientsOf({Line::Underground, k15800, kTrefoil, 0}).imax, 220);
    EXPECT_EQ(CoefficientsOf({Line::Underground, k31500, kFlat, 0}).imax, 251);
    EXPECT_EQ(CoefficientsOf({Line::Underground, k31500, kThreeCore, 0}).imax, 214);
}

// The drop verdict reads e % as shown: exactly 7 (also when rounded to it) gives no verdict.
TEST(LineVoltageDrop, DropVerdictBoundary) {
    const Coefficients unit{34.5, 1, 1, 670};
    const auto verdictAt = [&](const char* demand) {
        return Compute(Case(Line::Overhead, unit, demand, "10"), {}).texts;
    };
    EXPECT_EQ(verdictAt("7000").drop, "7");
    EXPECT_EQ(verdictAt("7000").dropVerdict, std::nullopt);
    EXPECT_EQ(verdictAt("7000.04").drop, "7");
    EXPECT_EQ(verdictAt("7000.04").dropVerdict, std::nullopt);
    EXPECT_EQ(verdictAt("7000.1").dropVerdict,
              (VerdictText{Verdict::Unsuitable, "Yüzde 7'den Büyük Olduğundan Uygun Değil"}));
    EXPECT_EQ(verdictAt("6999.9").dropVerdict->verdict, Verdict::Suitable);
}

// ΔP % = ΔP / (0.9 S) × 100 to 2 decimals; 5 as shown gives no verdict.
TEST(LineVoltageDrop, LossVerdictBoundary) {
    const Coefficients unit{34.5, 1, 1, 670};
    const auto at = [&](const char* length) {
        return Compute(Case(Line::Overhead, unit, "1000", length), {}).texts;
    };
    EXPECT_EQ(at("55.4").loss, "44.874");
    EXPECT_EQ(at("55.4").lossPercent, "4.99");
    EXPECT_EQ(at("55.4").lossVerdict->verdict, Verdict::Suitable);
    EXPECT_EQ(at("55.6").lossPercent, "5");
    EXPECT_EQ(at("55.6").lossVerdict, std::nullopt);
    EXPECT_EQ(at("55.7").lossPercent, "5.01");
    EXPECT_EQ(at("55.7").lossVerdict,
              (VerdictText{Verdict::Unsuitable, "Yüzde 5'den Büyük Olduğundan Uygun Değil"}));
}

// The current as shown against the capacity: equal is already too much.
TEST(LineVoltageDrop, CapacityVerdictBoundary) {
    const auto at = [&](const char* demand) {
        return Compute(Case(Line::Overhead, CoefficientsOf({Line::Overhead, k34500, 0, 0}), demand,
                            "1", "3x SWALLOW (AWG 3)"),
                       {})
            .texts;
    };
    EXPECT_EQ(at("9560.5").current, "159.99");
    EXPECT_EQ(at("9560.5").capacityVerdict->verdict, Verdict::Suitable);
    EXPECT_EQ(at("9560.92").current, "160");
    EXPECT_EQ(at("9560.92").capacityVerdict,
              (VerdictText{Verdict::Unsuitable,
                           "Akım Taşıma Kapasitesinden Büyük Olduğundan Uygun Değil"}));
}

TEST(LineVoltageDrop, UndergroundTexts) {
    const Coefficients cable = CoefficientsOf({Line::Underground, k15800, kThreeCore, 0});
    const auto out = Compute(Case(Line::Underground, cable, "2000", "5", "3x50+16"), {});
    EXPECT_EQ(out.texts.drop, "1.603");
    EXPECT_EQ(out.texts.capacity,
              "3x50+16  Bakır İletkenli XLPE Kablonun Akım Taşıma Kapasitesi 210 Amperdir.");
    EXPECT_EQ(out.texts.conductorReport, "Bakır İletkenli XLPE Kablonun Cinsi: 3x50+16");
    EXPECT_EQ(ArrangementReportText(Line::Underground, kFlat),
              "Kablo Serim Şekli: Yan Yana Yatay Dizilim");
    EXPECT_EQ(ArrangementReportText(Line::Overhead, 1),
              "Hat Tertibatı Şekli: Zincir İzolatörlü Düz Tertip");
}

TEST(LineVoltageDrop, NonNumericInputStopsKeepingEarlierResults) {
    Texts before;
    before.drop = "1.5";
    before.current = "12";
    const auto empty = Compute(Case(Line::Overhead, kHawk, "", "10"), before);
    EXPECT_TRUE(empty.failed);
    EXPECT_EQ(empty.texts.drop, "1.5");
    EXPECT_EQ(empty.texts.current, "12");
    EXPECT_FALSE(empty.texts.dropVerdict);
    EXPECT_TRUE(Compute(Case(Line::Overhead, kHawk, "5000", "."), before).failed);
}

TEST(LineVoltageDrop, Report) {
    const Shown shown{"5000",
                      "10",
                      "1.01",
                      "20.25",
                      "0.45",
                      "83.67",
                      "Yüzde 7'den Küçük Olduğundan Uygun",
                      "Yüzde 5'den Küçük Olduğundan Uygun",
                      "capacity",
                      "Akım Taşıma Kapasitesinden Küçük Olduğundan Uygun",
                      ArrangementReportText(Line::Overhead, 0),
                      "Çelik Özlü Alüminyum Cinsi: 3x HAWK (AWG 477)"};
    const std::vector<std::string> expected = {"Orta Gerilimde Gerilim Düşümü Hesabı:",
                                               "Enerji Nakil Hattı Şekli: Havai",
                                               "Hat Tertibatı Şekli: Mesnet İzolatörlü",
                                               "Çelik Özlü Alüminyum Cinsi: 3x HAWK (AWG 477)",
                                               "İşletme Gerilimi: 34.5 kV",
                                               "Talep Gücü: 5000 kVA",
                                               "Enerji Nakil Hattı Uzunluğu: 10 km",
                                               "--------------------------------------------",
                                               "Bağıl Gerilim Düşümü Hesabı:",
                                               "e% = 0,0001 x K  x S x I",
                                               "e% = 0,0001 x 0.202 x 5000 x 10",
                                               "e% = 1.01",
                                               "Yüzde 7'den Küçük Olduğundan Uygun",
                                               "",
                                               "Güç Kaybı Hesabı:",
                                               "*P = 0,000001 x C x P^2 x I",
                                               "*P = 20.25 kW",
                                               "",
                                               "Güç Kaybı Hesabı (YÜZDE):",
                                               "*P% = 0.45",
                                               "Yüzde 5'den Küçük Olduğundan Uygun",
                                               "",
                                               "Akım Taşıma Kapasitesi Kontrolü:",
                                               "I = S / ( Kök3 x İşletme Gerilimi )",
                                               "I = 5000 / ( 1,73 x 34.5 )",
                                               "I = 83.67",
                                               "capacity",
                                               "Akım Taşıma Kapasitesinden Küçük Olduğundan Uygun"};
    EXPECT_EQ(ReportLines(Line::Overhead, kHawk, shown), expected);
    EXPECT_EQ(ReportLines(Line::Underground, kHawk, shown)[1], "Enerji Nakil Hattı Şekli: Yeraltı");
}

} // namespace
} // namespace voltaris::line_voltage_drop
