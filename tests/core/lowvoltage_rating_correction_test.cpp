#include "core/lowvoltage/rating_correction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace voltaris::rating_correction {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Choice InAir(Insulation insulation, const std::string& celsius, int arrangement,
             const std::string& circuits) {
    Choice c;
    c.insulation = insulation;
    c.temperature = static_cast<int>(
        std::find(TemperatureEntries().begin(), TemperatureEntries().end(), celsius) -
        TemperatureEntries().begin());
    c.arrangement = arrangement;
    const auto& counts = CircuitEntries(Laying::Air);
    c.circuits =
        static_cast<int>(std::find(counts.begin(), counts.end(), circuits) - counts.begin());
    return c;
}

Choice InGround(Insulation insulation, int temperature, Buried buried, int clearance, int circuits,
                int resistivity) {
    Choice c;
    c.laying = Laying::Ground;
    c.insulation = insulation;
    c.temperature = temperature;
    c.arrangement = static_cast<int>(buried);
    c.clearance = clearance;
    c.circuits = circuits;
    c.resistivity = resistivity;
    return c;
}

Fields Rated(std::string rating) {
    Fields f;
    f.rating = std::move(rating);
    return f;
}

// The published factor at `temperature` from the law the temperature tables are drawn from:
// the square root of the conductor's remaining temperature rise over the reference one.
double SquareRootLaw(double maximum, double reference, double temperature) {
    return std::sqrt((maximum - temperature) / (maximum - reference));
}

// Each temperature table row by row as published, and every value within rounding of the law
// behind it; PVC stops at 60 °C.
TEST(RatingCorrectionTables, TemperatureTablesAsPublished) {
    const Rows air = {{"1.22", "1.15"}, {"1.17", "1.12"}, {"1.12", "1.08"}, {"1.06", "1.04"},
                      {"1.00", "1.00"}, {"0.94", "0.96"}, {"0.87", "0.91"}, {"0.79", "0.87"},
                      {"0.71", "0.82"}, {"0.61", "0.76"}, {"0.50", "0.71"}, {"–", "0.65"},
                      {"–", "0.58"},    {"–", "0.50"},    {"–", "0.41"}};
    const Rows ground = {{"1.10", "1.07"}, {"1.05", "1.04"}, {"1.00", "1.00"}, {"0.95", "0.96"},
                         {"0.89", "0.93"}, {"0.84", "0.89"}, {"0.77", "0.85"}, {"0.71", "0.80"},
                         {"0.63", "0.76"}, {"0.55", "0.71"}, {"0.45", "0.65"}, {"–", "0.60"},
                         {"–", "0.53"},    {"–", "0.46"},    {"–", "0.38"}};
    EXPECT_EQ(Table(TableId::AirTemperature).cells, air);
    EXPECT_EQ(Table(TableId::GroundTemperature).cells, ground);
    EXPECT_EQ(Table(TableId::AirTemperature).rows.at(4), "30 (referans)");
    EXPECT_EQ(Table(TableId::GroundTemperature).rows.at(2), "20 (referans)");

    for (Laying laying : {Laying::Air, Laying::Ground}) {
        const double reference = laying == Laying::Air ? 30 : 20;
        for (Insulation insulation : {Insulation::Pvc, Insulation::Xlpe}) {
            const double maximum = insulation == Insulation::Pvc ? 70 : 90;
            for (std::size_t i = 0; i < TemperatureEntries().size(); ++i) {
                Choice c;
                c.laying = laying;
                c.insulation = insulation;
                c.temperature = static_cast<int>(i);
                const double celsius = std::stod(TemperatureEntries()[i]);
                const auto factor = TemperatureFactor(c);
                SCOPED_TRACE(TemperatureEntries()[i]);
                ASSERT_EQ(factor.has_value(), celsius < maximum - 5);
                if (factor) {
                    EXPECT_NEAR(*factor, SquareRootLaw(maximum, reference, celsius), 0.0051);
                }
            }
        }
    }
}

TEST(RatingCorrectionTables, SoilResistivityAsPublished) {
    const ReferenceTable& soil = Table(TableId::SoilResistivity);
    const Rows published = {{"1.28", "1.88"}, {"1.20", "1.62"}, {"1.18", "1.50"}, {"1.10", "1.28"},
                            {"1.05", "1.12"}, {"1.00", "1.00"}, {"0.96", "0.90"}};
    EXPECT_EQ(soil.cells, published);
    EXPECT_EQ(soil.rows, ResistivityEntries());
    EXPECT_EQ(ResistivityEntries().at(kReferenceResistivityIndex), "2.5");
    // Direct burial gains more from a good soil and loses more in a poor one than ducts.
    Choice ducts = InGround(Insulation::Pvc, 2, Buried::MultiCoreInDucts, 0, 0, 0);
    Choice direct = InGround(Insulation::Pvc, 2, Buried::Direct, 0, 0, 0);
    EXPECT_EQ(ResistivityFactor(ducts), 1.28);
    EXPECT_EQ(ResistivityFactor(direct), 1.88);
    ducts.resistivity = direct.resistivity = 6;
    EXPECT_EQ(ResistivityFactor(ducts), 0.96);
    EXPECT_EQ(ResistivityFactor(direct), 0.90);
    EXPECT_FALSE(ResistivityFactor(Choice{}).has_value());
}

// Items 1 to 5 of the standard are the columns; items 2 to 5 keep their nine-circuit value
// beyond nine, marked.
TEST(RatingCorrectionTables, GroupingInAirAsPublished) {
    const Rows published = {
        {"1.00", "1.00", "0.95", "1.00", "1.00"},     {"0.80", "0.85", "0.81", "0.88", "0.87"},
        {"0.70", "0.79", "0.72", "0.82", "0.82"},     {"0.65", "0.75", "0.68", "0.77", "0.80"},
        {"0.60", "0.73", "0.66", "0.75", "0.80"},     {"0.57", "0.72", "0.64", "0.73", "0.79"},
        {"0.54", "0.72", "0.63", "0.73", "0.79"},     {"0.52", "0.71", "0.62", "0.72", "0.78"},
        {"0.50", "0.70", "0.61", "0.72", "0.78"},     {"0.45", "0.70*", "0.61*", "0.72*", "0.78*"},
        {"0.41", "0.70*", "0.61*", "0.72*", "0.78*"}, {"0.38", "0.70*", "0.61*", "0.72*", "0.78*"},
    };
    const ReferenceTable& table = Table(TableId::GroupingInAir);
    EXPECT_EQ(table.cells, published);
    EXPECT_EQ(table.rows, CircuitEntries(Laying::Air));
    EXPECT_EQ(table.columnTips, ArrangementEntries(Laying::Air));

    EXPECT_EQ(GroupingFactor(InAir(Insulation::Pvc, "30", 0, "20")), 0.38);
    EXPECT_EQ(GroupingFactor(InAir(Insulation::Pvc, "30", 1, "20")), 0.70);
    EXPECT_EQ(GroupingFactor(InAir(Insulation::Pvc, "30", 2, "1")), 0.95);
    EXPECT_EQ(GroupingFactor(InAir(Insulation::Pvc, "30", 4, "12")), 0.78);
}

TEST(RatingCorrectionTables, BuriedGroupsAsPublished) {
    const Rows direct = {{"0.75", "0.80", "0.85", "0.90", "0.90"},
                         {"0.65", "0.70", "0.75", "0.80", "0.85"},
                         {"0.60", "0.60", "0.70", "0.75", "0.80"},
                         {"0.55", "0.55", "0.65", "0.70", "0.80"},
                         {"0.50", "0.55", "0.60", "0.70", "0.80"}};
    const Rows multiCore = {{"0.85", "0.90", "0.95", "0.95"},
                            {"0.75", "0.85", "0.90", "0.95"},
                            {"0.70", "0.80", "0.85", "0.90"},
                            {"0.65", "0.80", "0.85", "0.90"},
                            {"0.60", "0.80", "0.80", "0.90"}};
    const Rows singleCore = {{"0.80", "0.90", "0.90", "0.95"},
                             {"0.70", "0.80", "0.85", "0.90"},
                             {"0.65", "0.75", "0.80", "0.90"},
                             {"0.60", "0.70", "0.80", "0.90"},
                             {"0.60", "0.70", "0.80", "0.90"}};
    EXPECT_EQ(Table(TableId::BuriedDirect).cells, direct);
    EXPECT_EQ(Table(TableId::MultiCoreInDucts).cells, multiCore);
    EXPECT_EQ(Table(TableId::SingleCoreInDucts).cells, singleCore);
    for (TableId id :
         {TableId::BuriedDirect, TableId::MultiCoreInDucts, TableId::SingleCoreInDucts})
        EXPECT_EQ(Table(id).rows, (std::vector<std::string>{"2", "3", "4", "5", "6"}));

    // The clearances are the columns, the list follows the arrangement.
    Choice c = InGround(Insulation::Pvc, 2, Buried::Direct, 0, 0, 5);
    EXPECT_EQ(ClearanceEntries(c), Table(TableId::BuriedDirect).columns);
    EXPECT_EQ(ClearanceEntries(c).size(), 5U);
    c.arrangement = static_cast<int>(Buried::SingleCoreInDucts);
    EXPECT_EQ(ClearanceEntries(c), Table(TableId::SingleCoreInDucts).columns);
    EXPECT_EQ(ClearanceEntries(c).back(), "1.0 m");
    EXPECT_TRUE(ClearanceEntries(Choice{}).empty());

    // One circuit is the rating itself; then the table's cell.
    EXPECT_EQ(GroupingFactor(c), 1.0);
    c.circuits = 5;
    c.clearance = 3;
    EXPECT_EQ(GroupingFactor(c), 0.90);
    EXPECT_EQ(GroupingFactor(InGround(Insulation::Pvc, 2, Buried::Direct, 1, 3, 5)), 0.60);
}

TEST(RatingCorrection, ListsAndTheirStartingEntries) {
    EXPECT_EQ(TemperatureEntries().front(), "10");
    EXPECT_EQ(TemperatureEntries().back(), "80");
    EXPECT_EQ(TemperatureEntries().size(), 15U);
    const Choice initial;
    EXPECT_EQ(TemperatureEntries().at(initial.temperature), "30");
    EXPECT_EQ(initial.temperature, ReferenceTemperatureIndex(Laying::Air));
    EXPECT_EQ(TemperatureEntries().at(ReferenceTemperatureIndex(Laying::Ground)), "20");
    EXPECT_EQ(initial.resistivity, kReferenceResistivityIndex);
    EXPECT_EQ(CircuitEntries(initial.laying).at(initial.circuits), "1");
    // The starting choice is the rating tables' own condition.
    EXPECT_EQ(TemperatureFactor(initial), 1.0);
    EXPECT_EQ(GroupingFactor(initial), 1.0);
    EXPECT_EQ(ArrangementEntries(Laying::Ground).size(), 3U);
    EXPECT_EQ(CircuitEntries(Laying::Ground).back(), "6");
}

TEST(RatingCorrection, ProductOfTheFactorsTimesTheRating) {
    // In air: 40 °C PVC 0.87, three bunched circuits 0.70.
    Fields f = Compute(InAir(Insulation::Pvc, "40", 0, "3"), Rated("100")).texts;
    EXPECT_EQ(f.temperatureFactor, "0.87");
    EXPECT_EQ(f.groupingFactor, "0.70");
    EXPECT_EQ(f.resistivityFactor, "");
    EXPECT_EQ(f.totalFactor, "0.609");
    EXPECT_EQ(f.corrected, "60.9");
    // Directly buried XLPE: 30 °C 0.93, three circuits 0.25 m apart 0.80, 1.5 K·m/W 1.28.
    f = Compute(InGround(Insulation::Xlpe, 4, Buried::Direct, 3, 2, 3), Rated("150")).texts;
    EXPECT_EQ(f.temperatureFactor, "0.93");
    EXPECT_EQ(f.groupingFactor, "0.80");
    EXPECT_EQ(f.resistivityFactor, "1.28");
    EXPECT_EQ(f.totalFactor, "0.95232");
    EXPECT_EQ(f.corrected, "142.85");
    // Four multi-core cables in touching ducts, PVC at 25 °C, 1 K·m/W: the ducts' soil factor.
    f = Compute(InGround(Insulation::Pvc, 3, Buried::MultiCoreInDucts, 0, 3, 2), Rated("60")).texts;
    EXPECT_EQ(f.totalFactor, "0.7847"); // 0.95 × 0.70 × 1.18
    EXPECT_EQ(f.corrected, "47.08");
    // Back in air the soil factor empties; the table conditions leave the rating as it is.
    f = Compute(Choice{}, f).texts;
    EXPECT_EQ(f.resistivityFactor, "");
    EXPECT_EQ(f.temperatureFactor, "1.00");
    EXPECT_EQ(f.totalFactor, "1");
    EXPECT_EQ(f.corrected, "60");
}

TEST(RatingCorrection, AFailingStepKeepsWhatWasWritten) {
    Fields earlier{"100", "old2", "old3", "old4", "old5", "old6"};
    // PVC has no factor at 65 °C: nothing is written.
    auto out = Compute(InAir(Insulation::Pvc, "65", 0, "1"), earlier);
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts, earlier);
    // XLPE has one.
    EXPECT_FALSE(Compute(InAir(Insulation::Xlpe, "65", 0, "1"), earlier).failed);
    // No rating: the factors and their product are shown, the corrected rating stays.
    earlier.rating = "";
    out = Compute(InAir(Insulation::Xlpe, "65", 0, "2"), earlier);
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.temperatureFactor, "0.65");
    EXPECT_EQ(out.texts.groupingFactor, "0.80");
    EXPECT_EQ(out.texts.totalFactor, "0.52");
    EXPECT_EQ(out.texts.corrected, "old6");
    // A rating too large for a number.
    EXPECT_TRUE(Compute(InAir(Insulation::Pvc, "10", 0, "1"), Rated("1.7e308")).failed);
}

TEST(RatingCorrection, ChosenCellsFollowTheChoice) {
    const Choice air = InAir(Insulation::Xlpe, "45", 3, "16");
    EXPECT_EQ(TablesOf(air),
              (std::vector<TableId>{TableId::AirTemperature, TableId::GroupingInAir}));
    EXPECT_EQ(ChosenCell(TableId::AirTemperature, air), (Cell{7, 1}));
    EXPECT_EQ(ChosenCell(TableId::GroupingInAir, air), (Cell{10, 3}));
    EXPECT_EQ(Table(TableId::GroupingInAir).cells[10][3], "0.72*");
    EXPECT_FALSE(ChosenCell(TableId::GroundTemperature, air));
    EXPECT_FALSE(ChosenCell(TableId::SoilResistivity, air));
    EXPECT_FALSE(ChosenCell(TableId::BuriedDirect, air));

    Choice ground = InGround(Insulation::Pvc, 5, Buried::SingleCoreInDucts, 2, 4, 1);
    EXPECT_EQ(TablesOf(ground),
              (std::vector<TableId>{TableId::GroundTemperature, TableId::SingleCoreInDucts,
                                    TableId::SoilResistivity}));
    EXPECT_EQ(ChosenCell(TableId::GroundTemperature, ground), (Cell{5, 0}));
    EXPECT_EQ(ChosenCell(TableId::SingleCoreInDucts, ground), (Cell{3, 2}));
    EXPECT_EQ(ChosenCell(TableId::SoilResistivity, ground), (Cell{1, 0}));
    EXPECT_FALSE(ChosenCell(TableId::BuriedDirect, ground));
    EXPECT_FALSE(ChosenCell(TableId::AirTemperature, ground));
    ground.arrangement = static_cast<int>(Buried::Direct);
    EXPECT_EQ(ChosenCell(TableId::SoilResistivity, ground), (Cell{1, 1}));
    // One circuit picks no grouping cell.
    ground.circuits = 0;
    EXPECT_FALSE(ChosenCell(TableId::BuriedDirect, ground));
}

TEST(RatingCorrectionReport, InAir) {
    const Choice c = InAir(Insulation::Pvc, "40", 0, "3");
    const Fields f = Compute(c, Rated("100")).texts;
    const std::vector<std::string> expected = {
        "Kablo Akım Taşıma Düzeltme:",
        "Kablonun Döşendiği Yer: Havada",
        "Yalıtım Malzemesi: PVC (70 °C)",
        "Kablonun Tablodaki Akım Taşıma Kapasitesi (It): 100 A",
        "",
        "Ortam Havası Sıcaklığı: 40 °C",
        "Sıcaklık Düzeltme Faktörü (k1) = 0.87",
        "",
        "Döşeme Şekli: Demet halinde: havada, yüzeyde, gömülü veya kapalı",
        "Devre veya Çok Damarlı Kablo Sayısı: 3",
        "Gruplama Düzeltme Faktörü (k2) = 0.70",
        "",
        "Toplam Düzeltme Faktörü:",
        "k = k1 x k2",
        "k = 0.87 x 0.70",
        "k = 0.609",
        "",
        "Düzeltilmiş Akım Taşıma Kapasitesi:",
        "Iz = It x k",
        "Iz = 100 x 0.609",
        "Iz = 60.9 A",
        "",
        "Faktörler: IEC 60364-5-52:2009 Ek B, Çizelge B.52.14, B.52.17",
    };
    EXPECT_EQ(ReportLines(c, f), expected);
}

TEST(RatingCorrectionReport, InTheGroundWithTheFieldsAsTheyStand) {
    const Choice c = InGround(Insulation::Xlpe, 4, Buried::Direct, 3, 2, 3);
    Fields f = Compute(c, Rated("150")).texts;
    f.rating = "151"; // edited after the compute: the report writes what the field holds
    const std::vector<std::string> expected = {
        "Kablo Akım Taşıma Düzeltme:",
        "Kablonun Döşendiği Yer: Toprakta",
        "Yalıtım Malzemesi: XLPE veya EPR (90 °C)",
        "Kablonun Tablodaki Akım Taşıma Kapasitesi (It): 151 A",
        "",
        "Toprak Sıcaklığı: 30 °C",
        "Sıcaklık Düzeltme Faktörü (k1) = 0.93",
        "",
        "Döşeme Şekli: Doğrudan toprağa gömülü kablolar",
        "Kablolar Arası Açıklık: 0.25 m",
        "Devre veya Çok Damarlı Kablo Sayısı: 3",
        "Gruplama Düzeltme Faktörü (k2) = 0.80",
        "",
        "Toprağın Isıl Özdirenci: 1.5 K·m/W",
        "Isıl Özdirenç Düzeltme Faktörü (k3) = 1.28",
        "",
        "Toplam Düzeltme Faktörü:",
        "k = k1 x k2 x k3",
        "k = 0.93 x 0.80 x 1.28",
        "k = 0.95232",
        "",
        "Düzeltilmiş Akım Taşıma Kapasitesi:",
        "Iz = It x k",
        "Iz = 151 x 0.95232",
        "Iz = 142.85 A",
        "",
        "Faktörler: IEC 60364-5-52:2009 Ek B, Çizelge B.52.15, B.52.18, B.52.16",
    };
    EXPECT_EQ(ReportLines(c, f), expected);
}

} // namespace
} // namespace voltaris::rating_correction
