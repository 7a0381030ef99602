#include "core/lowvoltage/overhead_conductors.h"
#include "core/lowvoltage/overhead_line_drop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace voltaris::overhead_line_drop {
namespace {

using cable_line::Verdict;
using overhead_conductors::Conductors;

// Index of a conductor in its family's list.
int IndexOf(Family family, const std::string& name) {
    const auto& list = Conductors(family);
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].name == name)
            return static_cast<int>(i);
    ADD_FAILURE() << name;
    return 0;
}

Inputs EndLoad(Load load, Phases phases, Family family, const std::string& conductor) {
    Inputs in;
    in.load = load;
    in.phases = phases;
    in.family = family;
    in.conductor = IndexOf(family, conductor);
    in.voltage = std::string(VoltageOf(phases));
    in.cosPhi = "0.80";
    return in;
}

TEST(OverheadConductors, TablesFollowTheirSources) {
    EXPECT_EQ(Conductors(Family::Bare).size(), 8u);
    EXPECT_EQ(Conductors(Family::Acsr).size(), 9u);
    EXPECT_EQ(Conductors(Family::Aerial).size(), 9u);
    EXPECT_EQ(overhead_conductors::BareConductors().size(), 17u);

    // The maker's AAC row as printed.
    const auto& rose = Conductors(Family::Bare).front();
    EXPECT_EQ(rose.name, "ROSE");
    EXPECT_DOUBLE_EQ(rose.resistance, 1.356);
    EXPECT_DOUBLE_EQ(rose.mass, 57.8);
    EXPECT_DOUBLE_EQ(rose.reactance, 0.3);

    // ASTM rows converted with the table's factors: RAVEN 105.6 kcmil, 0.398 in, 145.2 lb/kft.
    const auto& raven = Conductors(Family::Acsr).at(IndexOf(Family::Acsr, "RAVEN"));
    EXPECT_NEAR(raven.aluminium, 53.5075, 1e-4);
    EXPECT_NEAR(raven.steel, raven.aluminium / 6, 0.01); // one steel wire as thick as each Al wire
    EXPECT_NEAR(raven.diameter, 10.109, 1e-3);
    EXPECT_NEAR(raven.mass, 216.058, 1e-3);
    EXPECT_NEAR(raven.resistance, 0.53615, 1e-5);
    const auto& hawk = Conductors(Family::Acsr).at(IndexOf(Family::Acsr, "HAWK"));
    EXPECT_EQ(hawk.strands, "26/7");
    EXPECT_NEAR(hawk.resistance, 0.11928, 1e-5); // two layers: 2 % for stranding
    EXPECT_NEAR(Conductors(Family::Acsr).front().mass, 107.69, 0.01); // SWALLOW

    // Aerial cables: the phase section read from the name, its IEC 60228 resistance.
    const auto& aerial = Conductors(Family::Aerial);
    EXPECT_EQ(aerial.front().name, "1x16+25");
    EXPECT_DOUBLE_EQ(aerial.front().resistance, 1.91);
    EXPECT_EQ(aerial.back().name, "3x120+95");
    EXPECT_DOUBLE_EQ(aerial.back().aluminium, 120);
    EXPECT_DOUBLE_EQ(aerial.back().resistance, 0.253);
    EXPECT_DOUBLE_EQ(aerial.back().mass, 0);
}

TEST(OverheadLineDrop, ThreePhasePowerAtTheEnd) {
    Inputs in = EndLoad(Load::Power, Phases::Three, Family::Bare, "ROSE");
    in.endLoad = "10000";
    in.endLength = "200";
    const auto out = Compute(in, {});
    ASSERT_FALSE(out.failed);
    // M = 2 000 000 W·m; ΔU = M (1.356 + 0.3 × 0.75) / (1000 × 380) = 8.3211 V.
    EXPECT_EQ(out.texts.moment, "2000000");
    EXPECT_EQ(out.texts.drop, "8.32");
    EXPECT_EQ(out.texts.percent, "2.19");
    EXPECT_EQ(out.texts.current, "18.99");
    EXPECT_EQ(out.texts.limit, (VerdictText{Verdict::Suitable, "%5 Sınırını Aşmadığından Uygun"}));
}

TEST(OverheadLineDrop, SinglePhaseCurrentsAlongTheLine) {
    Inputs in = EndLoad(Load::Current, Phases::Single, Family::Acsr, "RAVEN");
    in.layout = Layout::Distributed;
    in.loads = {"20", "", "30", "10", ""};
    in.distances = {"100", "", "250", "400", ""};
    const auto out = Compute(in, {});
    ASSERT_FALSE(out.failed);
    // M = 20×100 + 30×250 + 10×400 = 13 500 A·m; ΔU = 2 M (0.53615 × 0.8 + 0.3 × 0.6) / 1000.
    EXPECT_EQ(out.texts.moment, "13500");
    EXPECT_EQ(out.texts.drop, "16.44");
    EXPECT_EQ(out.texts.percent, "7.47");
    EXPECT_EQ(out.texts.current, "60");
    EXPECT_EQ(out.texts.limit,
              (VerdictText{Verdict::Unsuitable, "%5 Sınırını Aştığından Uygun Değil"}));
}

TEST(OverheadLineDrop, TheLimitItselfSuits) {
    // 3x16+25 (R 1.91, X 0.08) at cos φ 1: % = 100 M × 1.91 / (1000 U²).
    Inputs in = EndLoad(Load::Power, Phases::Three, Family::Aerial, "3x16+25");
    in.cosPhi = "1.00";
    in.voltage = "191";
    in.endLoad = "955";
    in.endLength = "1000";
    auto out = Compute(in, {});
    EXPECT_EQ(out.texts.percent, "5");
    EXPECT_EQ(out.texts.limit->verdict, Verdict::Suitable);
    in.endLength = "1002";
    out = Compute(in, {});
    EXPECT_EQ(out.texts.percent, "5.01");
    EXPECT_EQ(out.texts.limit->verdict, Verdict::Unsuitable);
}

TEST(OverheadLineDrop, FailuresKeepWhatWasWritten) {
    Inputs in = EndLoad(Load::Power, Phases::Three, Family::Bare, "ROSE");
    in.endLoad = "1000";
    in.endLength = "100";
    in.cosPhi = "0.00"; // tan φ has no value
    Texts start;
    start.drop = "old";
    auto out = Compute(in, start);
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.moment, "100000");
    EXPECT_EQ(out.texts.drop, "old");
    EXPECT_FALSE(out.texts.limit);

    // With currents cos φ 0 is a purely reactive drop.
    in.load = Load::Current;
    in.endLoad = "10";
    out = Compute(in, {});
    EXPECT_FALSE(out.failed);
    EXPECT_EQ(out.texts.drop, "0.52"); // √3 × 1000 × 0.3 / 1000

    // A row with only one of its values stops the compute before anything is written.
    in.layout = Layout::Distributed;
    in.loads = {"10", "5", "", "", ""};
    in.distances = {"100", "", "", "", ""};
    out = Compute(in, {});
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.moment, "");
}

TEST(OverheadLineDrop, TestedFieldsFollowTheCase) {
    Inputs in;
    EXPECT_EQ(TestedFields(in), (std::vector<std::string>{"Text1", "Text2", "Text3"}));
    in.layout = Layout::Distributed;
    EXPECT_EQ(TestedFields(in), (std::vector<std::string>{"Text1", "Text4", "Text9"}));
    in.loads = {"", "", "5", "7", ""};
    in.distances = {"", "", "", "30", "40"};
    EXPECT_EQ(TestedFields(in), (std::vector<std::string>{"Text1", "Text4", "Text9", "Text6",
                                                          "Text11", "Text8", "Text13"}));
}

TEST(OverheadLineDrop, ReportOfLoadsAlongTheLine) {
    Inputs in = EndLoad(Load::Power, Phases::Single, Family::Bare, "ROSE");
    in.layout = Layout::Distributed;
    in.cosPhi = "1.00";
    in.loads = {"1000", "", "2000", "", ""};
    in.distances = {"100", "", "200", "", ""};
    const auto out = Compute(in, {});
    ASSERT_FALSE(out.failed);
    const std::vector<std::string> expected{
        "Havai Hatlarda Gerilim Düşümü Hesabı:",
        "Faz Durumu: Monofaze",
        "Gerilim: 220 Volt AC",
        "İletken: ROSE (Çıplak Alüminyum İletkenler (AAC))",
        "İletkenin Direnci (20 °C): 1.356 Ohm/km",
        "İletkenin Reaktansı: 0.3 Ohm/km",
        "Cosinüs: 1.00",
        "1. Yük: 1000 Watt, Besleme Noktasına Uzaklığı: 100 Metre",
        "3. Yük: 2000 Watt, Besleme Noktasına Uzaklığı: 200 Metre",
        "",
        "Moment Toplamı:",
        "M = Toplam (Yük x Besleme Noktasına Uzaklığı)",
        "M = (1000 x 100) + (2000 x 200)",
        "M = 500000 W.m",
        "",
        "Gerilim Düşümü Hesabı:",
        "V = 2 x M x (R + X x Tanjant) / (1000 x Gerilim)",
        "V = 2 x 500000 x (1.356 + 0.3 x Tan(1.00)) / (1000 x 220)",
        "V = 6.16 Volt",
        "",
        "Yüzde Olarak Gerilim Düşümü Hesabı:",
        "%V = 100 x V / Gerilim",
        "%V = 100 x 6.16 / 220",
        "%V = 2.8",
        "%5 Sınırını Aşmadığından Uygun",
        "",
        "Hat Başındaki Akım:",
        "I = Toplam Güç / (Gerilim x Cosinüs)",
        "I = 13.64 Amper",
    };
    EXPECT_EQ(ReportLines(in, out.texts, "%5 Sınırını Aşmadığından Uygun"), expected);
}

} // namespace
} // namespace voltaris::overhead_line_drop
