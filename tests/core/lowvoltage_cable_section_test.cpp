#include "core/lowvoltage/cable_section.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include <string>
#include <vector>

namespace voltaris::cable_section {
namespace {

using cable_line::Verdict;
using cable_tables::CablePages;
using cable_tables::Metal;

// 100 m of copper within 3 %, one cable, cos φ 0.80.
Inputs Given(Load load, Supply supply, std::string loadValue, std::string voltage) {
    Inputs in;
    in.load = load;
    in.supply = supply;
    in.length = "100";
    in.conductivity = "56";
    in.limit = "3";
    in.loadValue = std::move(loadValue);
    in.voltage = std::move(voltage);
    in.cosPhi = "0.80";
    in.parallel = "Yok";
    return in;
}

std::string SectionOf(const Inputs& in) {
    return Compute(in, {}).texts.section;
}

TEST(CableSection, EachLoadAndSupplyHasItsFormula) {
    EXPECT_EQ(SectionOf(Given(Load::Power, Supply::Three380, "10000", "380")), "4.12");
    EXPECT_EQ(SectionOf(Given(Load::Power, Supply::ThreeTyped, "10000", "380")), "4.12");
    EXPECT_EQ(SectionOf(Given(Load::Power, Supply::Single220, "1000", "220")), "2.46");
    EXPECT_EQ(SectionOf(Given(Load::Power, Supply::Dc, "1000", "220")), "2.46");
    EXPECT_EQ(SectionOf(Given(Load::Current, Supply::Dc, "10", "110")), "10.82");
    EXPECT_EQ(SectionOf(Given(Load::Current, Supply::SingleTyped, "10", "110")), "10.82");
    EXPECT_EQ(SectionOf(Given(Load::Current, Supply::Three380, "10", "380")), "2.17");
}

TEST(CableSection, CosPhiCountsOnlyForThreePhaseCurrent) {
    Inputs single = Given(Load::Current, Supply::Single220, "10", "220");
    Inputs three = Given(Load::Current, Supply::Three380, "10", "380");
    const std::string singleAt80 = SectionOf(single);
    const std::string threeAt80 = SectionOf(three);
    single.cosPhi = three.cosPhi = "0.50";
    EXPECT_EQ(SectionOf(single), singleAt80);
    EXPECT_NE(SectionOf(three), threeAt80);
}

TEST(CableSection, ParallelCablesDivideTheSection) {
    Inputs in = Given(Load::Power, Supply::Three380, "10000", "380");
    in.parallel = "2";
    EXPECT_EQ(SectionOf(in), "2.06");
}

TEST(CableSection, TheComputeKeepsTheLine) {
    const Texts t = Compute(Given(Load::Power, Supply::Three380, "10000", "380"), {}).texts;
    EXPECT_EQ(t.currentSentence, "Tesisin/Cihazın Kablo Üzerinden Çektiği Akım 18.99 Amperdir.");
    ASSERT_TRUE(t.line);
    EXPECT_EQ(t.line->current, (cable_line::LineCurrent{18.99, "18.99"}));
    EXPECT_EQ(t.line->voltage, 380);
    EXPECT_EQ(t.line->limit, "3");

    // cos φ 0 on a power-given AC line: the section is written, the current fails.
    Inputs in = Given(Load::Power, Supply::Single220, "1000", "220");
    in.cosPhi = "0.00";
    const auto out = Compute(in, {});
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.section, "2.46");
    EXPECT_FALSE(out.texts.line);
    // A zero limit divides by zero before anything is written.
    in = Given(Load::Power, Supply::Single220, "1000", "220");
    in.limit = "0";
    EXPECT_TRUE(Compute(in, {}).failed);
    EXPECT_EQ(Compute(in, {}).texts.section, "");
}

TEST(CableSection, CableTables) {
    struct Pages {
        Metal metal;
        std::vector<std::size_t> sizes;
        std::vector<const char*> captions;
    };
    for (const Pages& p : {Pages{Metal::Copper,
                                 {16, 17, 12, 17},
                                 {"2 Damarlı NYY Kablolar", "3 Damarlı NYY Kablolar",
                                  "3+1 Damarlı NYY Kablolar", "4 Damarlı NYY Kablolar"}},
                           Pages{Metal::Aluminium,
                                 {8, 11, 11, 11},
                                 {"2 Damarlı NAYY Kablolar", "3 Damarlı NAYY Kablolar",
                                  "3+1 Damarlı NAYY Kablolar", "4 Damarlı NAYY Kablolar"}}}) {
        const auto& pages = CablePages(p.metal);
        ASSERT_EQ(pages.size(), 4u);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(pages[i].caption, p.captions[i]);
            EXPECT_EQ(pages[i].cables.size(), p.sizes[i]) << pages[i].caption;
        }
    }
    const auto& copper = CablePages(Metal::Copper);
    const auto& two = copper[0].cables;
    EXPECT_EQ((std::tuple{two.front().name, two.front().earth, two.front().air}),
              (std::tuple{std::string("2x1.5"), 32.0, 20.0}));
    EXPECT_EQ(two.back().name, "2x300");
    // 3-core and 4-core differ only in the 1.5 mm² cable in air.
    EXPECT_EQ(copper[1].cables[0].air, 18.5);
    EXPECT_EQ(copper[3].cables[0].air, 18);
    EXPECT_EQ(copper[3].cables[0].name, "4x1.5");
    EXPECT_EQ(copper[3].cables[16].name, "4x400");
    for (std::size_t i = 1; i < 17; ++i)
        EXPECT_EQ(copper[1].cables[i].air, copper[3].cables[i].air);
    // A 3+1 cable is rated and resisted by its phase conductors.
    const cable_tables::Cable& reduced = copper[2].cables[0];
    EXPECT_EQ((std::tuple{reduced.name, reduced.size, reduced.earth, reduced.air}),
              (std::tuple{std::string("3x16+10"), 16.0, 98.0, 80.0}));
    EXPECT_EQ(reduced.resistance, 1.15);
    EXPECT_EQ(copper[0].cables[1].resistance, 7.41);
    EXPECT_EQ(copper[1].cables[3].resistance, 3.08);

    const auto& aluminium = CablePages(Metal::Aluminium);
    EXPECT_EQ(aluminium[2].cables.front().name, "3x25+16");
    EXPECT_EQ(aluminium[2].cables.back().name, "3x400+185");
    EXPECT_EQ(aluminium[3].cables.back().earth, 475);
    EXPECT_EQ(aluminium[1].cables.front().resistance, 1.2);
    // The 2-core NAYY cables have one rating, for earth and air alike.
    EXPECT_EQ((std::tuple{aluminium[0].cables.back().name, aluminium[0].cables.back().earth,
                          aluminium[0].cables.back().air}),
              (std::tuple{std::string("2x185"), 320.0, 320.0}));
}

Line ThreePhaseLine(double parallel = 1) {
    Inputs in = Given(Load::Power, Supply::Three380, "10000", "380");
    in.parallel = parallel == 1 ? "Yok" : "2";
    return *Compute(in, {}).texts.line;
}

TEST(CableSection, ChosenCableLabels) {
    const cable_tables::Cable& cable = CablePages(Metal::Copper)[3].cables[1]; // 4x2.5
    Selection s = CheckCable(cable, ThreePhaseLine());
    EXPECT_EQ(s.size, "Seçilen Kesit 4x2.5 mm²'dir.");
    EXPECT_EQ(s.earth, "Seçilen Kablo Toprakta 34 Amper Akım Taşımaktadır.");
    EXPECT_EQ(s.air, "Seçilen Kablo Havada 25 Amper Akım Taşımaktadır.");
    EXPECT_EQ(s.earthHeating->verdict, Verdict::Suitable);
    s = CheckCable(cable, ThreePhaseLine(2));
    EXPECT_EQ(s.size, "Seçilen Kesit 2(4x2.5) mm²'dir.");
    EXPECT_EQ(s.air, "Seçilen Kablo Havada 50 Amper Akım Taşımaktadır.");
}

TEST(CableSection, ChosenCableHeatingIsStrict) {
    Line line = ThreePhaseLine();
    const cable_tables::Cable& cable = CablePages(Metal::Copper)[1].cables[1]; // 3x2.5: 34 / 25
    line.current = {25, "25"};
    Selection s = CheckCable(cable, line);
    EXPECT_FALSE(s.airHeating);
    EXPECT_EQ(s.earthHeating->verdict, Verdict::Suitable);
    line.current = {34.01, "34.01"};
    s = CheckCable(cable, line);
    EXPECT_EQ(s.earthHeating->text, "Akım Taşıma Kapasitesinden Büyük Olduğundan Uygun Değil");
    EXPECT_EQ(s.airHeating->verdict, Verdict::Unsuitable);
}

TEST(CableSection, ChosenCableDropAgainstTheLimit) {
    // 10 kW at cos φ 0.80 over 100 m at 380 V: 100 × P × 0.1 km × (R + 0.08 × 0.75) / U².
    Line line = ThreePhaseLine();
    const auto& four = CablePages(Metal::Copper)[3].cables;
    Selection s = CheckCable(four[1], line); // 2.5 mm²: R 7.41
    EXPECT_EQ(s.drop, "5.1731");
    EXPECT_EQ(s.dropVerdict,
              (VerdictText{Verdict::Unsuitable, "3 V'dan Büyük Olduğundan Uygun Değil"}));
    s = CheckCable(four[3], line); // 6 mm²: R 3.08
    EXPECT_EQ(s.drop, "2.1745");
    EXPECT_EQ(s.dropVerdict, (VerdictText{Verdict::Suitable, "3 V'dan Küçük Olduğundan Uygun"}));
    // A drop equal to the limit does not suit.
    line.limit = "2.1745";
    EXPECT_EQ(CheckCable(four[3], line).dropVerdict->verdict, Verdict::Unsuitable);
    // Two cables halve it.
    EXPECT_EQ(CheckCable(four[3], ThreePhaseLine(2)).drop, "1.0873");
    // cos φ 0 has no tangent: no drop, no verdict.
    line.cosPhi = "0.00";
    s = CheckCable(four[3], line);
    EXPECT_EQ(s.drop, "");
    EXPECT_FALSE(s.dropVerdict);
}

TEST(CableSection, DropPercentByCase) {
    Line line = ThreePhaseLine();
    // DC: no reactance and no power factor: 200 × I × L × R / U.
    line.phases = Phases::Dc;
    line.load = Load::Current;
    line.loadValue = 10;
    line.voltage = 110;
    EXPECT_DOUBLE_EQ(DropPercent(3.08, 0.08, line), 200 * 10 * 0.1 * 3.08 / 110);
    // Single-phase current: 200 × I × cos φ × L × (R + X tan φ) / U.
    line.phases = Phases::Single;
    line.voltage = 220;
    EXPECT_DOUBLE_EQ(DropPercent(3.08, 0.08, line), 200 * 10 * 0.8 * 0.1 * 3.14 / 220);
    // Three-phase current equals the power form for P = √3 × U × I × cos φ.
    line.phases = Phases::Three;
    line.voltage = 380;
    Line power = line;
    power.load = Load::Power;
    power.loadValue = std::sqrt(3.0) * 380 * 10 * 0.8;
    EXPECT_DOUBLE_EQ(DropPercent(3.08, 0.08, line), DropPercent(3.08, 0.08, power));
}

TEST(CableSection, OverheadConductors) {
    using cable_tables::OverheadKind;
    Line line = ThreePhaseLine(2);
    const auto& bare = cable_tables::OverheadConductors(OverheadKind::Bare);
    ASSERT_EQ(bare.conductors.size(), 7u);
    Selection s = CheckOverhead(OverheadKind::Bare, bare.conductors[0], line);
    EXPECT_EQ(s.earth, "ROSE Alüminyum İletkenin Akım Taşıma Kapasitesi 280 Amperdir.");
    EXPECT_EQ(s.earthHeating->verdict, Verdict::Suitable);
    EXPECT_EQ(s.size, "");
    EXPECT_FALSE(s.dropVerdict);
    const auto& aerial = cable_tables::OverheadConductors(OverheadKind::ThreePhaseAerial);
    line.current = {250, "250"};
    line.parallel = 1;
    s = CheckOverhead(OverheadKind::ThreePhaseAerial, aerial.conductors.back(), line);
    EXPECT_EQ(s.earth, "3x120+95 mm² Alpek Kablonun Akım Taşıma Kapasitesi 250 Amperdir.");
    EXPECT_FALSE(s.earthHeating);
    EXPECT_EQ(
        cable_tables::OverheadConductors(OverheadKind::SinglePhaseAerial).conductors[2].rating,
        125);
}

TEST(CableSection, Fuse) {
    Inputs in = Given(Load::Power, Supply::Three380, "10000", "380");
    // 18.99 A: at least 20 A; above 18.99 / 1.4 = 13.56 A: 16 A, above 18.99 / 1.1: 20 A.
    EXPECT_EQ(FuseFor(in, 1).cableCurrent, "18.99");
    EXPECT_EQ(FuseFor(in, 1).byCurrent, "20");
    EXPECT_EQ(FuseFor(in, 1).byFactor, "16");
    EXPECT_EQ(FuseFor(in, 0).byFactor, "20");
    in.parallel = "3";
    const Fuse three = FuseFor(in, 1);
    EXPECT_EQ((std::tuple{three.lineCurrent, three.cableCurrent, three.byCurrent}),
              (std::tuple{std::string("18.99"), std::string("6.33"), std::string("10")}));
    // A current equal to a rating takes that rating; none above 2500 A.
    in = Given(Load::Current, Supply::Three380, "32", "380");
    EXPECT_EQ(FuseFor(in, 1).byCurrent, "32");
    in.loadValue = "2600";
    EXPECT_EQ(FuseFor(in, 1).byCurrent, "");
    EXPECT_EQ(FuseFor(in, 1).byFactor, "2000");
    in.voltage = "";
    in.load = Load::Power;
    EXPECT_THROW(FuseFor(in, 1), ComputeFailure);
}

TEST(CableSection, ThreePhasePowerReport) {
    const Inputs in = Given(Load::Power, Supply::Three380, "10000", "380");
    const std::vector<std::string> expected = {
        "Kesit Hesabı:",
        "Faz Durumu: Trifaze",
        "Gerilim: 380 Volt",
        "Hat Uzunluğu: 100 Metre",
        "Güç: 10000 Watt",
        "Cosinüs: 0.80",
        "Öziletkenlik Sabiti: 56 Sm/mm²",
        "Gerilim Düşümü Limiti: %3",
        "Parelel Hat Sayısı : Yok",
        "",
        "S = ((100 x Hat Uzunluğu x Güç) / (Öziletkenlik Sabiti x Gerilim Düşümü Limiti x "
        "Gerilim^2)) / Parelel Hat",
        "S = ((100 x 100 x 10000) / (56 x 3 x 380^2)) / 1",
        "S = 4.12",
        "Hesaplanan Kablo/İletken Kesit Değerinden her zaman 1 üst kesit değerini seçmeniz "
        "önerilir...",
        "",
        "Tesisin İhtiyaç Duyduğu Akım Hesabı:",
        "I = Güç / Karekök(3) x Gerilim x Cosinüs",
        "I = 10000 / 1.73 x 380 x 0.80",
        "I = 18.99",
        "Hesaplanan Akım Değerinden Büyük Akım Taşıma Kapasiteli Kablo/İletken Seçmeniz "
        "gerekmektedir...",
    };
    EXPECT_EQ(ReportLines(in, "4.12", "18.99"), expected);
}

TEST(CableSection, CurrentReportFormulas) {
    Inputs in = Given(Load::Current, Supply::Dc, "10", "110");
    in.parallel = "2";
    std::vector<std::string> lines = ReportLines(in, "5.41", "10");
    const std::vector<std::string> dc(lines.begin() + 1, lines.begin() + 3);
    EXPECT_EQ(dc, (std::vector<std::string>{"Gerilim: 110 Volt DC", "Hat Uzunluğu: 100 Metre"}));
    EXPECT_EQ(lines[8], "S = ((200 x Hat Uzunluğu x Amper) / (Öziletkenlik Sabiti x Gerilim "
                        "Düşümü Limiti x Gerilim)) / Parelel Hat");
    EXPECT_EQ(lines[9], "S = ((200 x 100 x 10) / (56 x 3 x 110)) / 2");
    EXPECT_EQ(lines.back(), "Tesisin İhtiyaç Duyduğu Akım Değerinden Büyük Akım Taşıma "
                            "Kapasiteli Kablo/İletken Seçmeniz gerekmektedir...");
    EXPECT_EQ(lines[lines.size() - 2], "Tesisin İhtiyaç Duyduğu Akım: 10");

    in.supply = Supply::Single220;
    lines = ReportLines(in, "", "");
    EXPECT_EQ(lines[10], "S = ((200 x Hat Uzunluğu x Akım) / (Öziletkenlik Sabiti x Gerilim "
                         "Düşümü Limiti x Gerilim)) / Parelel Hat");
    in.supply = Supply::Three380;
    lines = ReportLines(in, "", "");
    EXPECT_EQ(lines[10], "S = ((100 x Karekök(3) x Hat Uzunluğu x Akım x Cosinüs) / "
                         "(Öziletkenlik Sabiti x Gerilim Düşümü Limiti x Gerilim)) / Parelel Hat");
    EXPECT_EQ(lines[11], "S = ((100 x 1.73 x 100 x 10 x 0.80) / (56 x 3 x 110)) / 2");
}

} // namespace
} // namespace voltaris::cable_section
