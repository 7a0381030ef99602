#include "core/lowvoltage/cable_withstand.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

namespace voltaris::cable_withstand {
namespace {

Inputs given(const char* current, const char* section, const char* duration) {
    return {current, section, duration};
}

std::string resultOf(Quantity quantity, Insulation insulation, Conductor conductor,
                     const Inputs& inputs) {
    const auto out = Compute(quantity, insulation, conductor, inputs, {});
    EXPECT_FALSE(out.failed);
    return out.texts.result;
}

TEST(CableWithstand, MaterialFactors) {
    EXPECT_EQ(MaterialFactor(Insulation::Pvc, Conductor::Copper), 96.4);
    EXPECT_EQ(MaterialFactor(Insulation::Pvc, Conductor::Aluminium), 62);
    EXPECT_EQ(MaterialFactor(Insulation::Xlpe, Conductor::Copper), 136);
    EXPECT_EQ(MaterialFactor(Insulation::Xlpe, Conductor::Aluminium), 87);
}

TEST(CableWithstand, SmallestSection) {
    const auto out =
        Compute(Quantity::Section, Insulation::Pvc, Conductor::Copper, given("10", "", "1"), {});
    ASSERT_FALSE(out.failed);
    EXPECT_EQ(out.texts.result, "103.73"); // 10000 / 96.4
    EXPECT_EQ(out.texts.kept, (Kept{Quantity::Section, 96.4, 10000, 1}));
    // Ties at two decimals go to the even neighbour: 17 / 136 = 0.125, 51 / 136 = 0.375.
    EXPECT_EQ(
        resultOf(Quantity::Section, Insulation::Xlpe, Conductor::Copper, given("0.017", "", "1")),
        "0.12");
    EXPECT_EQ(
        resultOf(Quantity::Section, Insulation::Xlpe, Conductor::Copper, given("0.051", "", "1")),
        "0.38");
}

TEST(CableWithstand, LargestCurrentKeepsTheDigitsOfTheDivision) {
    // 136 × 95 / √0.5 = 18271.6398... rounded to 18271.64, then / 1000.
    EXPECT_EQ(
        resultOf(Quantity::Current, Insulation::Xlpe, Conductor::Copper, given("", "95", "0.5")),
        "18.271639999999998");
    // 87 × 1.5 / √16 = 32.625 exactly: the tie rounds to 32.62 before the division.
    EXPECT_EQ(
        resultOf(Quantity::Current, Insulation::Xlpe, Conductor::Aluminium, given("", "1.5", "16")),
        "0.032619999999999996");
}

TEST(CableWithstand, WithstandTimeFigure) {
    // 1 / √(13056 / (136 × 1.5)) = 1 / 8, a tie at two decimals.
    EXPECT_EQ(
        resultOf(Quantity::Time, Insulation::Xlpe, Conductor::Copper, given("13.056", "1.5", "")),
        "0.12");
    EXPECT_EQ(resultOf(Quantity::Time, Insulation::Pvc, Conductor::Copper, given("10", "95", "")),
              "0.96"); // 1 / √(10000 / 9158)
}

TEST(CableWithstand, EachChoiceReadsOnlyItsOwnFields) {
    Results shown;
    shown.result = "old";
    // The current choice reads no fault current, the time choice no duration.
    EXPECT_FALSE(
        Compute(Quantity::Current, Insulation::Pvc, Conductor::Copper, given("", "95", "1"), shown)
            .failed);
    EXPECT_FALSE(
        Compute(Quantity::Time, Insulation::Pvc, Conductor::Copper, given("10", "95", ""), shown)
            .failed);

    for (const auto& [quantity, inputs] :
         {std::pair{Quantity::Section, given("", "95", "1")},
          std::pair{Quantity::Section, given("10", "95", "")},
          std::pair{Quantity::Current, given("10", "95", "0")}, // a zero duration
          std::pair{Quantity::Time, given("0", "95", "1")}}) {  // a zero current
        const auto out = Compute(quantity, Insulation::Pvc, Conductor::Copper, inputs, shown);
        EXPECT_TRUE(out.failed);
        EXPECT_EQ(out.texts, shown);
    }
}

TEST(CableWithstandReport, SectionLines) {
    const Inputs in = given("10", "95", "1");
    const Results out =
        Compute(Quantity::Section, Insulation::Pvc, Conductor::Copper, in, {}).texts;
    EXPECT_EQ(ReportName(out.kept.quantity), "Kısa Devre Akımına Göre Kablonun Kesit Hesabı");
    const std::vector<std::string> expected = {
        "Kısa Devre Akımına Göre Kablonun Minimum Kesit Hesabı:",
        "İzalasyon Seçeneği: PVC",
        "Kablo İletken Çeşidi: Bakır",
        "Kablonun Bağlantı Noktasındaki Oluşabilecek Kısa Devre Akımı: 10 kA",
        "Kablonun Kısa Devreye Maruz Kalma Zamanını Giriniz: 1 Saniye",
        "",
        "Amper = kA x 1000",
        "Amper = 10 x 1000",
        "Amper = 10000",
        "",
        "S = Karekök(Isc^2 x t) / k",
        "S = Karekök(10000^2 x 1 ) / 96.4",
        "S = 103.73 mm²",
    };
    EXPECT_EQ(ReportLines(out.kept, Insulation::Pvc, Conductor::Copper, in, out.result), expected);
}

TEST(CableWithstandReport, CurrentLines) {
    const Inputs in = given("", "95", "0.5");
    const Results out =
        Compute(Quantity::Current, Insulation::Xlpe, Conductor::Aluminium, in, {}).texts;
    EXPECT_EQ(ReportName(out.kept.quantity),
              "Kablonun Maksimum Dayanacağı Kısa Devre Akımı Değeri");
    const std::vector<std::string> expected = {
        "Kablonun Maksimum Dayanacağı Kısa Devre Akımı Değeri Hesabı:",
        "İzalasyon Seçeneği: XLPE",
        "Kablo İletken Çeşidi: Alüminyum",
        "Kablonun Kesiti: 95 mm²",
        "Kablonun Kısa Devreye Maruz Kalma Zamanını Giriniz: 0.5 Saniye",
        "",
        "Isc = k x S / Karekök(t)",
        "Isc = 87 x 95 / Karekök(0.5)",
        "Isc = 11.68848 kA",
    };
    EXPECT_EQ(ReportLines(out.kept, Insulation::Xlpe, Conductor::Aluminium, in, out.result),
              expected);
}

TEST(CableWithstandReport, TimeLinesFollowTheCaseComputedWithTheChoicesAsTheyStand) {
    const Inputs in = given("10", "95", "");
    const Results out = Compute(Quantity::Time, Insulation::Pvc, Conductor::Copper, in, {}).texts;
    EXPECT_EQ(ReportName(out.kept.quantity), "Kablonun Maksimum Dayanacağı Kısa Devre Zamanı");
    // Insulation and conductor changed after the compute: their names follow the options, the
    // factor is the compute's.
    const std::vector<std::string> expected = {
        "Kablonun Maksimum Dayanacağı Kısa Devre Zamanı:",
        "İzalasyon Seçeneği: XLPE",
        "Kablo İletken Çeşidi: Alüminyum",
        "Kablonun Bağlantı Noktasındaki Oluşabilecek Kısa Devre Akımı: 10 kA",
        "Kablonun Kesiti: 95 mm²",
        "",
        "Amper = kA x 1000",
        "Amper = 10 x 1000",
        "Amper = 10000",
        "",
        "Karekök(t) = Isc / k x s",
        "Karekök(t) = 10000 / 96.4 x 95",
        "Karekök(t) = 0.96 Saniye",
    };
    EXPECT_EQ(ReportLines(out.kept, Insulation::Xlpe, Conductor::Aluminium, in, out.result),
              expected);
}

BreakerInputs breaker() {
    BreakerInputs in;
    in.voltage = std::string(kDefaultVoltage);
    in.length = "100";
    in.section = "95";
    in.breakerCurrent = "250";
    in.setting = "10";
    return in;
}

TEST(CableWithstandMinimum, ConventionalMethodAgainstTheBreaker) {
    // 0.8 × 400 / (1.5 × 0.018 × 200 / 95) = 5629.6 A, to whole amperes; 2.5 kA of breaker.
    const auto out = ComputeMinimum(breaker(), {});
    ASSERT_FALSE(out.failed);
    EXPECT_EQ(out.texts.minimumCurrent, "5.63");
    EXPECT_EQ(out.texts.protection, Protection::Protected);

    BreakerInputs in = breaker();
    in.breakerCurrent = "600"; // 6 kA
    EXPECT_EQ(ComputeMinimum(in, {}).texts.protection, Protection::Unprotected);
    in.breakerCurrent = "563"; // 5.63 kA, the current itself
    EXPECT_EQ(ComputeMinimum(in, {}).texts.protection, std::nullopt);
}

TEST(CableWithstandMinimum, ParallelCablesAndLargeSections) {
    BreakerInputs in = breaker();
    in.section = "240";
    in.parallel = 2; // three cables: 2.7
    in.conductor = Conductor::Aluminium;
    const auto out = ComputeMinimum(in, {});
    EXPECT_EQ(out.texts.sectionFactor, 0.75);
    EXPECT_EQ(out.texts.parallelFactor, 2.7);
    EXPECT_EQ(out.texts.resistivity, 0.027);
    // 0.8 × 400 × 0.75 × 2.7 / (1.5 × 0.027 × 200 / 240) = 19200 A.
    EXPECT_EQ(out.texts.minimumCurrent, "19.2");
    // Whole amperes, then / 1000: 4 m of copper 1.5 mm² gives 2222.2 A, kept as 2222.
    in = breaker();
    in.length = "4";
    in.section = "1.5";
    EXPECT_EQ(ComputeMinimum(in, {}).texts.minimumCurrent, "2.222");
}

TEST(CableWithstandMinimum, FourHundredKeepsTheFactorOfTheComputeBefore) {
    BreakerInputs in = breaker();
    in.section = "400";
    // Before any other compute there is no factor: no current, and no protection.
    auto out = ComputeMinimum(in, {});
    EXPECT_EQ(out.texts.sectionFactor, 0);
    EXPECT_EQ(out.texts.minimumCurrent, "0");
    EXPECT_EQ(out.texts.protection, Protection::Unprotected);

    in.section = "300";
    out = ComputeMinimum(in, out.texts);
    EXPECT_EQ(out.texts.sectionFactor, 0.72);
    in.section = "400";
    out = ComputeMinimum(in, out.texts);
    EXPECT_EQ(out.texts.sectionFactor, 0.72);
    EXPECT_EQ(out.texts.minimumCurrent, "17.067"); // 0.8 × 400 × 0.72 / (0.027 × 200 / 400)
}

TEST(CableWithstandMinimum, FailuresKeepWhatWasWritten) {
    BreakerResults shown;
    shown.minimumCurrent = "old";
    shown.protection = Protection::Protected;
    for (std::string BreakerInputs::*field : {&BreakerInputs::voltage, &BreakerInputs::length}) {
        BreakerInputs in = breaker();
        in.*field = "";
        const auto out = ComputeMinimum(in, shown);
        EXPECT_TRUE(out.failed);
        EXPECT_EQ(out.texts.minimumCurrent, "old");
        EXPECT_EQ(out.texts.protection, std::nullopt);
    }
    BreakerInputs in = breaker();
    in.length = "0";
    EXPECT_TRUE(ComputeMinimum(in, shown).failed);
    // The breaker's current is read after the minimum current is written.
    in = breaker();
    in.breakerCurrent = "";
    const auto out = ComputeMinimum(in, shown);
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.minimumCurrent, "5.63");
    EXPECT_EQ(out.texts.protection, std::nullopt);
}

TEST(CableWithstandMinimum, ReportLines) {
    BreakerInputs in = breaker();
    in.parallel = 1;
    const BreakerResults out = ComputeMinimum(in, {}).texts;
    const std::vector<std::string> expected = {
        "Minimum Kısa Devre Akımı Hesabı:",
        "Şebeke Gerilimi: 400 Volt",
        "Kablo İletken Çeşidi: Bakır",
        "Kablo İletken Özdirenci: 0.018 Ohm mm²/m",
        "Kablo Uzunluğu: 100 metre",
        "Kablo Kesiti: 95 mm²",
        "Parelel Kablo Sayısı: 2 Adet",
        "Kompak Şalter Akımı: 250 Amper",
        "Şalter Kesme Kapasitesi Ayarı: 10",
        "Minimum Kısa Devre Akımı = (0,8 x Şebeke Gerilimi x 95 mm² Büyük Kablolar için Düzeltme "
        "Katsayısı x Parelel Kablolar İçin Düzeltme Katsayısı) / (1,5 x Özdirenç x (2 x Kablo "
        "Uzunluğu / Kablo Kesiti))",
        "Ikmin = (0,8 x Ur x Ksec x Kpar) / (1,5 x p x (2 x L / S)",
        "Ikmin = (0,8 x 400 x 1 x 2) / (1,5 x 0.018 x (2 x 100 / 95)",
        "Ikmin = 11.259 kA",
        "Şalter Kesme Kapasitesi = Kompak Şalter Akımı x Şalter Kesme Kapasitesi Ayarı",
        "Şalter Kesme Kapasitesi = 250 x 10",
        std::string(ProtectionText(Protection::Protected)),
    };
    EXPECT_EQ(MinimumReportLines(in, out, ProtectionText(*out.protection)), expected);
}

} // namespace
} // namespace voltaris::cable_withstand
