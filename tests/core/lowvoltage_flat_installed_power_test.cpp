#include "core/lowvoltage/flat_installed_power.h"

#include <gtest/gtest.h>

namespace voltaris::flat_installed_power {
namespace {

TEST(FlatInstalledPower, PointsAndSocketsAtFixedWattsPlusTheAppliances) {
    // 10 × 100 + 12 × 300 + 6000 = 10600 W; demand 8 × 0.6 + 2.6 × 0.4 = 5.84 kW.
    Outcome<Texts> out = Compute("10", "12", "6000", {});
    EXPECT_FALSE(out.failed);
    EXPECT_EQ(out.texts.lighting, "1000");
    EXPECT_EQ(out.texts.sockets, "3600");
    EXPECT_EQ(out.texts.installed, "10600");
    EXPECT_EQ(out.texts.installedKw, "10.6");
    EXPECT_EQ(out.texts.demand, "5.84");
    EXPECT_EQ(out.texts.formula, "8 x 0.6 + 2.6 x 0.4");

    // A small flat stays in the first slice; the kilowatts keep every watt.
    out = Compute("1", "0", "45", {});
    EXPECT_EQ(out.texts.installed, "145");
    EXPECT_EQ(out.texts.installedKw, "0.145");
    EXPECT_EQ(out.texts.demand, "0.09"); // 0.087
    EXPECT_EQ(out.texts.formula, "0.145 x 0.6");
}

TEST(FlatInstalledPower, AFieldThatIsNoNumberWritesNothing) {
    Texts shown;
    shown.installed = "10600";
    shown.formula = "8 x 0.6 + 2.6 x 0.4";
    for (const auto& [points, sockets, appliances] :
         {std::tuple{"", "12", "6000"}, {"10", "", "6000"}, {"10", "12", ""}}) {
        const Outcome<Texts> out = Compute(points, sockets, appliances, shown);
        EXPECT_TRUE(out.failed);
        EXPECT_EQ(out.texts, shown);
    }
}

TEST(FlatInstalledPower, ReportShowsTheFieldsAndTheSlicesOfTheLastCompute) {
    const std::vector<std::string> expected = {
        "Daire Kurulu Gücü Hesaplama:",
        "Aydınlatma Noktası (Lamba) Sayısı: 10",
        "Priz Sayısı: 12",
        "Sabit Cihazların Toplam Gücü: 6000 W",
        "",
        "Aydınlatma Gücü = Aydınlatma Noktası Sayısı x 100 W",
        "Aydınlatma Gücü = 10 x 100",
        "Aydınlatma Gücü = 1000 W",
        "",
        "Priz Gücü = Priz Sayısı x 300 W",
        "Priz Gücü = 12 x 300",
        "Priz Gücü = 3600 W",
        "",
        "Daire Kurulu Gücü = Aydınlatma Gücü + Priz Gücü + Sabit Cihazların Gücü",
        "Daire Kurulu Gücü = 1000 + 3600 + 6000",
        "Daire Kurulu Gücü = 10600 W (10.6 kW)",
        "",
        "Dairenin Talep Gücü = Kurulu Gücün Dilimleri x Eşzamanlılık Katsayıları",
        "Dairenin Talep Gücü = 8 x 0.6 + 2.6 x 0.4",
        "Dairenin Talep Gücü = 5.84 kW",
        "",
        std::string(kSource),
    };
    EXPECT_EQ(ReportLines({"10", "12", "6000", "1000", "3600", "10600", "10.6", "5.84",
                           "8 x 0.6 + 2.6 x 0.4"}),
              expected);
}

TEST(FlatInstalledPower, TransferMessageNamesTheKilowatts) {
    EXPECT_EQ(TransferMessage("10.6"),
              InfoMessage("Daire Kurulu Gücü 10.6 kW Olarak Kurulu Güç ve Talep Güç Hesaplama "
                          "Bölümüne Aktarılmıştır..."));
}

} // namespace
} // namespace voltaris::flat_installed_power
