#include "core/lowvoltage/installed_power.h"

#include <gtest/gtest.h>

namespace voltaris::installed_power {
namespace {

constexpr int kHospital = 1;
constexpr int kHotel = 2;
constexpr int kStore = 3;
constexpr int kOther = 4;

std::span<const Band> BandsOf(int type) {
    return BuildingTypes()[static_cast<std::size_t>(type)].bands;
}

TEST(InstalledPower, EachSliceOfTheInstalledPowerTakesItsOwnFactor) {
    // A flat: 60 % of the first 8 kW, 40 % of the rest; exactly 8 kW has no second slice.
    EXPECT_DOUBLE_EQ(BandedDemand(13, BandsOf(kDwelling)), 6.8);
    EXPECT_EQ(BandedFormula(13, BandsOf(kDwelling)), "8 x 0.6 + 5 x 0.4");
    EXPECT_DOUBLE_EQ(BandedDemand(8, BandsOf(kDwelling)), 4.8);
    EXPECT_EQ(BandedFormula(8, BandsOf(kDwelling)), "8 x 0.6");
    EXPECT_EQ(BandedFormula(5, BandsOf(kDwelling)), "5 x 0.6");
    // Three slices: 20 × 0.5 + 80 × 0.4 + 50 × 0.3.
    EXPECT_DOUBLE_EQ(BandedDemand(150, BandsOf(kHotel)), 57);
    EXPECT_EQ(BandedFormula(150, BandsOf(kHotel)), "20 x 0.5 + 80 x 0.4 + 50 x 0.3");
    EXPECT_EQ(BandedFormula(60, BandsOf(kHotel)), "20 x 0.5 + 40 x 0.4");
    EXPECT_DOUBLE_EQ(BandedDemand(120, BandsOf(kHospital)), 34);
    EXPECT_DOUBLE_EQ(BandedDemand(12.5, BandsOf(kStore)), 12.5);
    EXPECT_DOUBLE_EQ(BandedDemand(20.5, BandsOf(kStore)), 16.5);
    EXPECT_DOUBLE_EQ(BandedDemand(1000, BandsOf(kOther)), 1000);
    EXPECT_EQ(BandedFormula(0, BandsOf(kDwelling)), "0 x 0.6");
}

TEST(InstalledPower, BuildingFactorFollowsTheNumberOfFlats) {
    EXPECT_DOUBLE_EQ(BuildingFactor(1), 1);
    EXPECT_DOUBLE_EQ(BuildingFactor(2), 1);
    EXPECT_DOUBLE_EQ(BuildingFactor(3), 0.45);
    EXPECT_DOUBLE_EQ(BuildingFactor(5), 0.45);
    EXPECT_DOUBLE_EQ(BuildingFactor(6), 0.43);
    EXPECT_DOUBLE_EQ(BuildingFactor(10), 0.43);
    EXPECT_DOUBLE_EQ(BuildingFactor(11), 0.41);
    EXPECT_DOUBLE_EQ(BuildingFactor(25), 0.36);
    EXPECT_DOUBLE_EQ(BuildingFactor(26), 0.34);
    EXPECT_DOUBLE_EQ(BuildingFactor(40), 0.31);
    EXPECT_DOUBLE_EQ(BuildingFactor(41), 0.26);
    EXPECT_DOUBLE_EQ(BuildingFactor(500), 0.26);
    EXPECT_EQ(FlatCountBandOf(5.5), 1); // "3 - 5": a count takes the band it falls in
    EXPECT_EQ(FlatCountBandOf(1e9), 8);
}

TEST(InstalledPower, FlatsTakeTheFlatFactorsThenTheBuildingFactor) {
    const Outcome<Texts> out = Compute(kDwelling, "13", "8", {});
    EXPECT_FALSE(out.failed);
    EXPECT_EQ(out.texts.total, "104");
    EXPECT_EQ(out.texts.unitDemand, "6.8");
    EXPECT_EQ(out.texts.buildingFactor, "0.43");
    EXPECT_EQ(out.texts.demand, "23.39");         // 6.8 × 8 × 0.43 = 23.392
    EXPECT_EQ(out.texts.overallFactor, "0.2249"); // 23.392 / 104
    EXPECT_EQ(out.texts.formula, "8 x 0.6 + 5 x 0.4");
    EXPECT_EQ(out.texts.flatBand, 2);
}

TEST(InstalledPower, OtherBuildingsTakeTheBandsOnTheWholeInstalledPower) {
    Texts shown;
    shown.unitDemand = "6.8";
    shown.buildingFactor = "0.43";
    shown.flatBand = 2;
    const Outcome<Texts> out = Compute(kHospital, "60", "2", shown);
    EXPECT_FALSE(out.failed);
    EXPECT_EQ(out.texts.total, "120");
    EXPECT_EQ(out.texts.unitDemand, "");
    EXPECT_EQ(out.texts.buildingFactor, "");
    EXPECT_EQ(out.texts.demand, "34");
    EXPECT_EQ(out.texts.overallFactor, "0.2833");
    EXPECT_EQ(out.texts.formula, "50 x 0.4 + 70 x 0.2");
    EXPECT_EQ(out.texts.flatBand, -1);
}

TEST(InstalledPower, AFieldThatIsNoNumberWritesNothing) {
    Texts shown;
    shown.total = "104";
    shown.demand = "23.39";
    for (const auto& [power, count] : {std::pair{"", "8"}, {"13", ""}, {".", "8"}}) {
        const Outcome<Texts> out = Compute(kDwelling, power, count, shown);
        EXPECT_TRUE(out.failed);
        EXPECT_EQ(out.texts, shown);
    }
}

TEST(InstalledPower, NothingInstalledStopsAtTheOverallFactor) {
    Texts shown;
    shown.overallFactor = "0.2249";
    const Outcome<Texts> out = Compute(kHotel, "25", "0", shown);
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.total, "0");
    EXPECT_EQ(out.texts.demand, "0");
    EXPECT_EQ(out.texts.overallFactor, "0.2249");
}

TEST(InstalledPower, ReportShowsTheFieldsAndTheSlicesOfTheLastCompute) {
    const std::vector<std::string> flats = ReportLines(
        {kDwelling, "13", "8", "104", "6.8", "0.43", "23.39", "0.2249", "8 x 0.6 + 5 x 0.4"});
    const std::vector<std::string> expected = {
        "Kurulu Güç ve Talep Güç Hesaplama:",
        "Binanın Cinsi: Konut (Apartman Daireleri)",
        "Bir Bölümün (Dairenin) Kurulu Gücü: 13 kW",
        "Bölüm (Daire) Sayısı: 8",
        "",
        "Toplam Kurulu Güç = Bir Bölümün Kurulu Gücü x Bölüm Sayısı",
        "Toplam Kurulu Güç = 13 x 8",
        "Toplam Kurulu Güç = 104 kW",
        "",
        "Bir Dairenin Talep Gücü = Kurulu Gücün Dilimleri x Eşzamanlılık Katsayıları",
        "Bir Dairenin Talep Gücü = 8 x 0.6 + 5 x 0.4",
        "Bir Dairenin Talep Gücü = 6.8 kW",
        "",
        "Bina Eşzamanlılık Katsayısı (8 Daire): 0.43",
        "Toplam Talep Gücü = Bir Dairenin Talep Gücü x Daire Sayısı x Bina Eşzamanlılık "
        "Katsayısı",
        "Toplam Talep Gücü = 6.8 x 8 x 0.43",
        "Toplam Talep Gücü = 23.39 kW",
        "",
        "Eşzamanlılık Katsayısı = Toplam Talep Gücü / Toplam Kurulu Güç",
        "Eşzamanlılık Katsayısı = 23.39 / 104",
        "Eşzamanlılık Katsayısı = 0.2249",
        "",
        std::string(kSource),
    };
    EXPECT_EQ(flats, expected);

    const std::vector<std::string> hospital =
        ReportLines({kHospital, "60", "2", "120", "", "", "34", "0.2833", "50 x 0.4 + 70 x 0.2"});
    ASSERT_EQ(hospital.size(), 18u);
    EXPECT_EQ(hospital[1], "Binanın Cinsi: Hastane");
    EXPECT_EQ(hospital[9], "Toplam Talep Gücü = Kurulu Gücün Dilimleri x Eşzamanlılık Katsayıları");
    EXPECT_EQ(hospital[10], "Toplam Talep Gücü = 50 x 0.4 + 70 x 0.2");
    EXPECT_EQ(hospital[11], "Toplam Talep Gücü = 34 kW");
}

} // namespace
} // namespace voltaris::installed_power
