#include "core/lowvoltage/cable_voltage_drop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace voltaris::cable_voltage_drop {
namespace {

using cable_line::Verdict;

// 100 m of one copper 2.5 mm² cable feeding `load` on `supply` at `voltage`, cos φ 0.80.
Inputs Line(Load load, Supply supply, std::string loadValue, std::string voltage) {
    Inputs in;
    in.load = load;
    in.supply = supply;
    in.length = "100";
    in.conductivity = "56";
    in.loadValue = std::move(loadValue);
    in.voltage = std::move(voltage);
    in.cosPhi = "0.80";
    in.section = "2.5";
    in.parallel = "Yok";
    return in;
}

TEST(CableVoltageDrop, ThreePhasePowerExample) {
    const auto out = Compute(Line(Load::Power, Supply::Three380, "10000", "380"), {});
    ASSERT_FALSE(out.failed);
    const Texts& t = out.texts;
    EXPECT_EQ(t.drop, "18.796992481203");
    EXPECT_EQ(t.percent, "4.946576968738");
    EXPECT_EQ(t.limit, (VerdictText{Verdict::Suitable, "5 V'dan Küçük Olduğundan Uygun"}));
    // 10000 / (0.8 × √3 × 380) = 18.9918 kept as 18.99.
    EXPECT_EQ(t.current, "18.99");
    EXPECT_EQ(t.kept.current, 18.99);
    EXPECT_EQ(t.currentSentence, "Tesisin/Cihazın Kablo Üzerinden Çektiği Akım 18.99 Amperdir.");
    EXPECT_EQ(t.earthCapacity, "Seçilen Kesit Toprakta 34 Amper Akım Taşımaktadır.");
    EXPECT_EQ(t.airCapacity, "Seçilen Kesit Havada 25 Amper Akım Taşımaktadır.");
    EXPECT_EQ(t.kept, (Kept{380, 1, 34, 25, 18.99}));
    const HeatingVerdicts heating = HeatingCheck(t.kept);
    ASSERT_TRUE(heating.earth && heating.air);
    EXPECT_EQ(heating.earth->verdict, Verdict::Suitable);
    EXPECT_EQ(heating.air->text, "Akım Taşıma Kapasitesinden Küçük Olduğundan Uygun");
}

TEST(CableVoltageDrop, EachLoadAndSupplyHasItsFormula) {
    struct Case {
        Load load;
        Supply supply;
        const char* loadValue;
        const char* voltage;
        const char* drop;
        const char* percent;
        const char* current;
    };
    const Case cases[] = {
        // Power-given DC and single-phase share 2·L·P / (k·S·n·U); no cos φ.
        {Load::Power, Supply::Dc, "1000", "110", "12.987012987013", "11.806375442739", "9.09"},
        {Load::Power, Supply::SingleTyped, "1000", "220", "6.493506493506", "2.951593860685",
         "5.68"},
        {Load::Power, Supply::Single220, "1000", "220", "6.493506493506", "2.951593860685", "5.68"},
        {Load::Power, Supply::ThreeTyped, "10000", "380", "18.796992481203", "4.946576968738",
         "18.99"},
        // Current-given: 2·L·I (DC), 2·L·I·c (single-phase), √3·L·I·c (three-phase).
        {Load::Current, Supply::Dc, "10", "110", "14.285714285714", "12.987012987013", "10"},
        {Load::Current, Supply::Single220, "10", "220", "11.428571428571", "5.194805194805", "10"},
        {Load::Current, Supply::Three380, "10", "380", "9.897433186108", "2.604587680555", "10"},
    };
    for (const Case& c : cases) {
        const Texts t = Compute(Line(c.load, c.supply, c.loadValue, c.voltage), {}).texts;
        EXPECT_EQ(t.drop, c.drop) << c.loadValue << " " << c.voltage;
        EXPECT_EQ(t.percent, c.percent) << c.loadValue << " " << c.voltage;
        EXPECT_EQ(t.current, c.current) << c.loadValue << " " << c.voltage;
    }
    // The power-given single-phase drop ignores the power factor; the current-given does not.
    Inputs in = Line(Load::Power, Supply::Single220, "1000", "220");
    in.cosPhi = "0.50";
    EXPECT_EQ(Compute(in, {}).texts.drop, "6.493506493506");
    in.load = Load::Current;
    in.loadValue = "10";
    EXPECT_EQ(Compute(in, {}).texts.drop, "7.142857142857");
}

TEST(CableVoltageDrop, FivePercentIsJudgedOnTheRoundedText) {
    // DC, 10 A, 56 × 2.5 mm², 100 V: ΔU % = 200 × L × 10 / 14000.
    const auto judged = [](const char* length) {
        Inputs in = Line(Load::Current, Supply::Dc, "10", "100");
        in.length = length;
        const Texts t = Compute(in, {}).texts;
        return std::pair{t.percent, t.limit->verdict};
    };
    EXPECT_EQ(judged("35"), (std::pair{std::string("5"), Verdict::Unsuitable}));
    EXPECT_EQ(judged("34.99999999999"),
              (std::pair{std::string("4.999999999999"), Verdict::Suitable}));
    // 4.99999999999999 rounds to 5 at 12 decimals, and the judgement reads the field.
    EXPECT_EQ(judged("34.9999999999999"), (std::pair{std::string("5"), Verdict::Unsuitable}));
    Inputs in = Line(Load::Current, Supply::Dc, "10", "100");
    in.length = "35";
    EXPECT_EQ(Compute(in, {}).texts.limit->text, "5 V'dan Büyük Olduğundan Uygun Değil");
}

TEST(CableVoltageDrop, ParallelCablesHalveTheDropAndMultiplyTheRatings) {
    Inputs in = Line(Load::Power, Supply::Three380, "10000", "380");
    in.parallel = "2";
    const Texts t = Compute(in, {}).texts;
    EXPECT_EQ(t.drop, "9.398496240602");
    EXPECT_EQ(t.earthCapacity, "Seçilen Kesit Toprakta 68 Amper Akım Taşımaktadır.");
    EXPECT_EQ(t.airCapacity, "Seçilen Kesit Havada 50 Amper Akım Taşımaktadır.");
    in.section = "1.5";
    in.parallel = "3";
    EXPECT_EQ(Compute(in, {}).texts.airCapacity,
              "Seçilen Kesit Havada 55.5 Amper Akım Taşımaktadır.");
}

TEST(CableVoltageDrop, HeatingVerdictsAreStrict) {
    // 68 A on two 2.5 mm² cables: exactly 2 × 34 in earth, above 2 × 25 in air.
    Inputs in = Line(Load::Current, Supply::Three380, "68", "380");
    in.parallel = "2";
    HeatingVerdicts heating = HeatingCheck(Compute(in, {}).texts.kept);
    EXPECT_FALSE(heating.earth);
    ASSERT_TRUE(heating.air);
    EXPECT_EQ(heating.air->verdict, Verdict::Unsuitable);
    EXPECT_EQ(heating.air->text, "Akım Taşıma Kapasitesinden Büyük Olduğundan Uygun Değil");

    // A power-given current is kept rounded: 2750.44 W / 110 V = 25.004 A is kept as 25, equal
    // to the 25 A in air; a typed 25.004 A is above it.
    heating = HeatingCheck(Compute(Line(Load::Power, Supply::Dc, "2750.44", "110"), {}).texts.kept);
    EXPECT_FALSE(heating.air);
    EXPECT_EQ(heating.earth->verdict, Verdict::Suitable);
    const Texts typed = Compute(Line(Load::Current, Supply::Dc, "25.004", "110"), {}).texts;
    EXPECT_EQ(typed.current, "25.004");
    EXPECT_EQ(HeatingCheck(typed.kept).air->verdict, Verdict::Unsuitable);
}

TEST(CableVoltageDrop, ConductorChoosesTheTable) {
    Inputs in = Line(Load::Power, Supply::Three380, "10000", "380");
    in.conductor = Conductor::Aluminium;
    in.conductivity = "35";
    in.section = "25";
    Texts t = Compute(in, {}).texts;
    EXPECT_EQ(t.earthCapacity, "Seçilen Kesit Toprakta 99 Amper Akım Taşımaktadır.");
    EXPECT_EQ((std::pair{t.kept.earth, t.kept.air}), (std::pair{99.0, 83.0}));
    // The user's own conductivity reads the copper table and writes no capacities.
    in.conductor = Conductor::Own;
    in.section = "2.5";
    Texts start;
    start.earthCapacity = "earlier";
    t = Compute(in, start).texts;
    EXPECT_EQ(t.earthCapacity, "earlier");
    EXPECT_EQ(t.airCapacity, "");
    EXPECT_EQ((std::pair{t.kept.earth, t.kept.air}), (std::pair{34.0, 25.0}));
    EXPECT_TRUE(t.limit);
}

TEST(CableVoltageDrop, AFailureKeepsWhatItsStepsWrote) {
    Texts start;
    start.drop = "1";
    start.kept = Kept{220, 2, 1, 1, 7};
    // No voltage: the first read fails, nothing changes.
    Inputs in = Line(Load::Power, Supply::SingleTyped, "1000", "");
    auto out = Compute(in, start);
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.drop, "1");
    EXPECT_EQ(out.texts.kept, start.kept);
    // No length: the voltage, the cables and the ratings are kept, no drop is written.
    in = Line(Load::Power, Supply::SingleTyped, "1000", "220");
    in.length = "";
    out = Compute(in, start);
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.drop, "1");
    EXPECT_EQ(out.texts.kept, (Kept{220, 1, 34, 25, 7}));
    // cos φ 0: the drops are written, the current divides by zero.
    in = Line(Load::Power, Supply::SingleTyped, "1000", "220");
    in.cosPhi = "0.00";
    out = Compute(in, start);
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.percent, "2.951593860685");
    EXPECT_EQ(out.texts.current, "");
    EXPECT_FALSE(out.texts.limit);
}

TEST(CableVoltageDrop, ThreePhasePowerReport) {
    const Inputs in = Line(Load::Power, Supply::Three380, "10000", "380");
    const Texts t = Compute(in, {}).texts;
    const std::vector<std::string> expected = {
        "Kablolu Hatlarda Gerilim Düşümü Hesabı:",
        "Faz Durumu: Trifaze",
        "Gerilim: 380 Volt AC",
        "Hat Uzunluğu: 100 Metre",
        "Güç: 10000 Watt",
        "Kablo Kesiti: 2.5 mm²",
        "Cosinüs: 0.80",
        "Öziletkenlik Sabiti: 56 Sm/mm²",
        "Parelel Hat Sayısı : Yok",
        "",
        "Gerilim Düşümü Hesabı:",
        "V = (Hat Uzunluğu x Güç) / (Öziletkenlik Sabiti x (Kablo Kesiti x Parelel Hat) x "
        "Gerilim)",
        "V = (100 x 10000) / (56 x (2.5 x 1) x 380)",
        "V = 18.796992481203",
        "",
        "Yüzde Olarak Gerilim Düşümü Hesabı:",
        "%V = (100 x Hat Uzunluğu x Güç) / (Öziletkenlik Sabiti x (Kablo Kesiti x Parelel Hat) x "
        "Gerilim^2)",
        "%V = (100 x 100 x 10000) / (56 x (2.5 x 1) x 380^2)",
        "%V = 4.946576968738",
        "5 V'dan Küçük Olduğundan Uygun",
        "",
        "Tesisin İhtiyaç Duyduğu Akım Hesabı:",
        "I = Güç / Karekök(3) x Gerilim x Cosinüs",
        "I = 10000 / 1.73 x 380 x 0.80",
        "I = 18.99",
        "Hesaplanan Akım Değerinden Büyük Akım Taşıma Kapasiteli Kablo Seçmeniz gerekmektedir...",
    };
    EXPECT_EQ(ReportLines(in, t.kept, t, "5 V'dan Küçük Olduğundan Uygun"), expected);
}

TEST(CableVoltageDrop, CurrentReportsPrintTheKeptVoltageAndCables) {
    // The voltage field reads "110.0" and the list "2" at the compute; the report prints the
    // kept numbers, and the lists' and fields' texts as they stand.
    Inputs in = Line(Load::Current, Supply::Dc, "10", "110.0");
    in.parallel = "2";
    const Texts t = Compute(in, {}).texts;
    const std::vector<std::string> lines = ReportLines(in, t.kept, t, "caption");
    const std::vector<std::string> expected = {
        "Kablolu Hatlarda Gerilim Düşümü Hesabı:",
        "Gerilim: 110 Volt DC",
        "Hat Uzunluğu: 100 Metre",
        "Akım: 10 Amper",
        "Kablo Kesiti: 2.5 mm²",
        "Öziletkenlik Sabiti: 56 Sm/mm²",
        "Parelel Hat Sayısı : 2",
        "",
        "Gerilim Düşümü Hesabı:",
        "V = (2 x Hat Uzunluğu x Akım) / (Öziletkenlik Sabiti x (Kablo Kesiti x Parelel Hat))",
        "V = (2 x 100 x 10) / (56 x (2.5 x 2))",
        "V = 7.142857142857",
        "",
        "Yüzde Olarak Gerilim Düşümü Hesabı:",
        "%V = (200 x Hat Uzunluğu x Akım) / (Öziletkenlik Sabiti x (Kablo Kesiti x Parelel Hat) "
        "x Gerilim)",
        "%V = (200 x 100 x 10) / (56 x (2.5 x 2) x 110)",
        "%V = 6.493506493506",
        "caption",
        "",
        "Tesisin İhtiyaç Duyduğu Akım: 10",
        "Tesisin İhtiyaç Duyduğu Akım Değerinden Büyük Akım Taşıma Kapasiteli Kablo Seçmeniz "
        "gerekmektedir...",
    };
    EXPECT_EQ(lines, expected);

    in = Line(Load::Current, Supply::Three380, "10", "380");
    std::vector<std::string> three = ReportLines(in, Compute(in, {}).texts.kept, {}, "");
    EXPECT_EQ(three[11], "V = (Kare kök(3) x Hat Uzunluğu x Akım x Cosinüs) / (Öziletkenlik "
                         "Sabiti x (Kablo Kesiti x Parelel Hat))");
    EXPECT_EQ(three[12], "V = (1.73 x 100 x 10 x 0.80) / (56 x (2.5 x 1))");
    EXPECT_EQ(three[16], "%V = (Kare Kök(3) x 100 x Hat Uzunluğu x Akım x Cosinüs) / "
                         "(Öziletkenlik Sabiti x (Kablo Kesiti x Parelel Hat) x Gerilim)");
    EXPECT_EQ(three[17], "%V = (1.73 x 100 x 100 x 10 x 0.80) / (56 x (2.5 x 1) x 380)");

    in = Line(Load::Current, Supply::SingleTyped, "10", "220");
    std::vector<std::string> single = ReportLines(in, Compute(in, {}).texts.kept, {}, "");
    EXPECT_EQ(single[1], "Faz Durumu: Monofaze");
    EXPECT_EQ(single[12], "V = (2 x 100 x 10 x 0.80) / (56 x (2.5 x 1))");
    EXPECT_EQ(single[17], "%V = (200 x 100 x 10 x 0.80) / (56 x (2.5 x 1) x 220)");

    in = Line(Load::Power, Supply::Single220, "1000", "220");
    single = ReportLines(in, Compute(in, {}).texts.kept, {}, "");
    EXPECT_EQ(single[11], "V = (2 x Hat Uzunluğu x Güç) / (Öziletkenlik Sabiti x (Kablo Kesiti x "
                          "Parelel Hat) x Gerilim)");
    EXPECT_EQ(single[17], "%V = (200 x 100 x 1000) / (56 x (2.5 x 1) x 220^2)");
    EXPECT_EQ(single[22], "I = Güç / Gerilim x Cosinüs");
    EXPECT_EQ(single[23], "I = 1000 / 220 x 0.80");
}

TEST(CableVoltageDrop, SectionFromDiameter) {
    EXPECT_EQ(SectionMessage(2),
              ResultMessage("Hesaplanan İletkenin Kesiti 3.14 MiliMetreKare(mm²)'dir..."));
}

} // namespace
} // namespace voltaris::cable_voltage_drop
