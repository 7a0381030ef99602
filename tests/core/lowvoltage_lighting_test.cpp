#include "core/lowvoltage/lighting.h"

#include <gtest/gtest.h>

using namespace voltaris;
using namespace voltaris::lighting;

namespace {

// A 10 m × 8 m room, lamps 3.85 m high over a 0.85 m working plane (h = 3), 300 lux wanted from
// 3000 lm lamps, the lists at their defaults.
Inputs Room() {
    return {"10", "8", "3.85", "0.85", "1.25", "300", "3000", "%80", "%50", "%10"};
}

Inputs WithReflections(Inputs in, const char* ceiling, const char* wall, const char* floor) {
    in.ceiling = ceiling;
    in.wall = wall;
    in.floor = floor;
    return in;
}

} // namespace

TEST(Lighting, ListsHoldEveryPercentageDownFromAHundred) {
    const auto& list = ReflectionList();
    ASSERT_EQ(list.size(), 100u);
    EXPECT_EQ(list.front(), "%100");
    EXPECT_EQ(list.back(), "%1");
    EXPECT_EQ(list[kCeilingDefault], "%80");
    EXPECT_EQ(list[kWallDefault], "%50");
    EXPECT_EQ(list[kFloorDefault], "%10");
}

// The percentage / 100 rounds halves to even, the half judged on the double: 0.25 and 0.75 are
// exact halves, 0.35 and 0.15 lie just below theirs, 0.45 and 0.05 just above.
TEST(Lighting, CoefficientsRoundToOneDecimalHalvesToEven) {
    EXPECT_EQ(Coefficient("%80"), 0.8);
    EXPECT_EQ(Coefficient("%25"), 0.2);
    EXPECT_EQ(Coefficient("%75"), 0.8);
    EXPECT_EQ(Coefficient("%35"), 0.3);
    EXPECT_EQ(Coefficient("%15"), 0.1);
    EXPECT_EQ(Coefficient("%45"), 0.5);
    EXPECT_EQ(Coefficient("%5"), 0.1);
    EXPECT_EQ(Coefficient("%4"), 0.0);
    EXPECT_THROW(Coefficient("80"), ComputeFailure);
}

TEST(Lighting, ColumnsFollowTheThresholdsOfTheRoundedRoomIndex) {
    EXPECT_EQ(Column(0.1), 0);
    EXPECT_EQ(Column(0.6), 0);
    EXPECT_EQ(Column(0.65), std::nullopt); // a gap no rounded index falls in
    EXPECT_EQ(Column(0.7), 1);
    EXPECT_EQ(Column(0.8), 1);
    EXPECT_EQ(Column(0.9), 2);
    EXPECT_EQ(Column(1.0), 2);
    EXPECT_EQ(Column(1.3), 3);
    EXPECT_EQ(Column(1.4), 4);
    EXPECT_EQ(Column(2.1), 5);
    EXPECT_EQ(Column(2.2), 6);
    EXPECT_EQ(Column(3.4), 7);
    EXPECT_EQ(Column(4.4), 8);
    EXPECT_EQ(Column(4.5), 9);
    EXPECT_EQ(Column(5.3), 9);
}

TEST(Lighting, RowsFollowTheCoefficients) {
    // The defaults take row 2; the row bounds are taken as they are written.
    EXPECT_EQ(UtilisationFactor(0.8, 0.5, 0.1, 1.0), 0.33);
    EXPECT_EQ(UtilisationFactor(0.7, 0.5, 0.3, 0.6), 0.24); // row 1
    EXPECT_EQ(UtilisationFactor(0.7, 0.4, 0.2, 5.0), 0.54); // row 4
    EXPECT_EQ(UtilisationFactor(0.6, 0.5, 0.3, 1.4), 0.36); // row 5
    EXPECT_EQ(UtilisationFactor(0.4, 0.4, 0.2, 2.7), 0.40); // row 8
    EXPECT_EQ(UtilisationFactor(0.3, 0.1, 0.3, 0.7), 0.16); // row 9: C = 0.3 is not above 0.3
    EXPECT_EQ(UtilisationFactor(0.0, 0.9, 0.1, 3.5), 0.39); // row 10
    // No row: C at most 0.3 with another wall, or a wall of 0.1 over a darker floor.
    EXPECT_EQ(UtilisationFactor(0.2, 0.2, 0.2, 1.0), std::nullopt);
    EXPECT_EQ(UtilisationFactor(0.3, 0.1, 0.2, 1.0), std::nullopt);
    EXPECT_EQ(UtilisationFactor(0.8, 0.5, 0.1, 0.65), std::nullopt);
}

// h = 3, A = 80, k = 80 / 54 = 1.48 -> 1.5 (column 5), n = 0.41; T = 300 × 80 × 1.25 / 0.41
// = 73170.7 -> 73171; Z = 24.39 -> 24; E = 3000 × 24 × 0.41 / (1.25 × 80) = 295.2 -> 295.
TEST(Lighting, ComputesTheLampsAndTheIlluminanceTheyGive) {
    const auto out = Compute(Room(), {});
    ASSERT_FALSE(out.failed);
    EXPECT_EQ(out.texts.lamps, "24");
    EXPECT_EQ(out.texts.reached, "295");
    const Kept& kept = out.texts.kept;
    EXPECT_EQ(kept.h, 3);
    EXPECT_EQ(kept.area, 80);
    EXPECT_EQ(kept.sum, 18);
    EXPECT_EQ(kept.k, 1.5);
    EXPECT_EQ(kept.n, 0.41);
    EXPECT_EQ(kept.total, 73171);
}

// A 20 m square room 2.5 m above the plane (k = 4, column 9) with C 0.5, W 0.5, F 0.3: n = 0.5,
// T = 800 E d. 100 lux over 6400 lm lamps gives Z = 12.5 -> 12, 108 lux Z = 13.5 -> 14; the
// illuminance reached counts the rounded lamps.
TEST(Lighting, LampsRoundHalvesToEvenAndTheIlluminanceCountsThem) {
    Inputs in = {"20", "20", "3.35", "0.85", "1", "100", "6400", "%50", "%50", "%30"};
    const auto twelve = Compute(in, {});
    EXPECT_EQ(twelve.texts.kept.n, 0.5);
    EXPECT_EQ(twelve.texts.kept.total, 80000);
    EXPECT_EQ(twelve.texts.lamps, "12");
    EXPECT_EQ(twelve.texts.reached, "96");
    in.illuminance = "108";
    const auto fourteen = Compute(in, {});
    EXPECT_EQ(fourteen.texts.lamps, "14");
    EXPECT_EQ(fourteen.texts.reached, "112");
}

TEST(Lighting, WhereTheTableHasNoFactorTheLastOneStays) {
    const Inputs dark = WithReflections(Room(), "%20", "%20", "%20");
    // Never found: the division by n = 0 fails after k.
    const auto first = Compute(dark, {});
    EXPECT_TRUE(first.failed);
    EXPECT_EQ(first.texts.kept.k, 1.5);
    EXPECT_EQ(first.texts.lamps, "");

    const auto found = Compute(Room(), {});
    const auto kept = Compute(dark, found.texts);
    ASSERT_FALSE(kept.failed);
    EXPECT_EQ(kept.texts.kept.n, 0.41);
    EXPECT_EQ(kept.texts.kept.ceiling, 0.2);
    EXPECT_EQ(kept.texts.lamps, "24");
}

TEST(Lighting, AFailingStepKeepsWhatWasWrittenAndKept) {
    const auto earlier = Compute(Room(), {});
    Inputs in = Room();
    in.length = "20";
    in.illuminance = "";
    const auto out = Compute(in, earlier.texts);
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.kept.area, 160); // the steps before T ran
    EXPECT_EQ(out.texts.kept.total, 73171);
    EXPECT_EQ(out.texts.lamps, "24");
    EXPECT_EQ(out.texts.reached, "295");

    in = Room();
    in.lampHeight = "0.85"; // h = 0
    EXPECT_TRUE(Compute(in, {}).failed);
    in = Room();
    in.flux = "0";
    const auto noFlux = Compute(in, {});
    EXPECT_TRUE(noFlux.failed);
    EXPECT_EQ(noFlux.texts.kept.total, 73171);
    EXPECT_EQ(noFlux.texts.lamps, "");
}

TEST(Lighting, ReportKeepsItsWordingAndTakesFieldsAsTheyStand) {
    Inputs in = Room();
    const auto out = Compute(in, {});
    in.length = "10.0"; // edited after the compute
    const auto lines = ReportLines(in, out.texts);
    ASSERT_EQ(lines.size(), 49u);
    EXPECT_EQ(lines[5], "Çalışma Düzeleminin Zeminden Yüksekliği: 0.85 Metre");
    EXPECT_EQ(lines[9], "Tavan Yansıtma/Geçirme Kaysayısı: %80");
    EXPECT_EQ(lines[16], "h = 3 metre");
    EXPECT_EQ(lines[20], "k = (10.0 x 8) / (3 x (10.0 + 8 ))");
    EXPECT_EQ(lines[26], "Zemin Yansıtma/Geçirme Kaysayısı: %10");
    EXPECT_EQ(lines[29], "Seçilen Verim Değeri: n = 0.41");
    EXPECT_EQ(lines[37], "T = (300 x 80 x 1.25) / 0.41");
    EXPECT_EQ(lines[42], "Z = 73171 / 3000");
    EXPECT_EQ(lines[47], "E = (3000 x 24 x 0.41) / (1.25 x 80 )");
    EXPECT_EQ(lines[48], "E = 295 LUX");
}
