#include "core/mediumvoltage/conductor_weight.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace voltaris::conductor_weight {
namespace {

int IndexOf(const std::string& name) {
    const std::vector<std::string> entries = ConductorEntries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].starts_with(name + " "))
            return static_cast<int>(i);
    ADD_FAILURE() << name;
    return 0;
}

TEST(ConductorWeight, ListAndTableCarryEveryBareConductor) {
    const std::vector<std::string> entries = ConductorEntries();
    ASSERT_EQ(entries.size(), 17u);
    EXPECT_EQ(entries.front(), "ROSE (AAC, 4 AWG)");
    EXPECT_EQ(entries.at(IndexOf("HAWK")), "HAWK (ACSR, 477 kcmil)");
    const auto rows = TableRows();
    ASSERT_EQ(rows.size(), entries.size());
    EXPECT_EQ(rows.front(), (std::vector<std::string>{"ROSE", "AAC", "4 AWG", "21.14", "7", "5.88",
                                                      "57.8", "1.3560"}));
    // RAVEN: 105.6 kcmil and one 0.1327 in steel wire, 0.398 in, 145.2 lb/1000 ft.
    EXPECT_EQ(rows.at(IndexOf("RAVEN")),
              (std::vector<std::string>{"RAVEN", "ACSR", "1/0 AWG", "53.51 + 8.92", "6/1", "10.11",
                                        "216.1", "0.5361"}));
    EXPECT_EQ(rows.at(IndexOf("OXLIP"))[6], "294.0");
    EXPECT_EQ(TableHeaders().size(), rows.front().size());
}

TEST(ConductorWeight, WeightFromLength) {
    const auto out = WeightOf(IndexOf("ROSE"), "1000", "3", {});
    ASSERT_FALSE(out.failed);
    EXPECT_EQ(out.texts.each, "57.8");
    EXPECT_EQ(out.texts.total, "173.4");

    // An empty count fails before anything is written.
    const auto failed = WeightOf(IndexOf("ROSE"), "1000", "", {"old", "old"});
    EXPECT_TRUE(failed.failed);
    EXPECT_EQ(failed.texts.each, "old");
}

TEST(ConductorWeight, LengthFromWeightUsesTheTabledMass) {
    // RAVEN's 216.0576 kg/km shows, and counts, as 216.1.
    const auto out = LengthOf(IndexOf("RAVEN"), "500", "3", {});
    ASSERT_FALSE(out.failed);
    EXPECT_EQ(out.texts.total, "2313.74");
    EXPECT_EQ(out.texts.line, "771.25");

    // No conductors: the total stays written, the line length fails.
    const auto failed = LengthOf(IndexOf("RAVEN"), "500", "0", {});
    EXPECT_TRUE(failed.failed);
    EXPECT_EQ(failed.texts.total, "2313.74");
    EXPECT_EQ(failed.texts.line, "");
}

TEST(ConductorWeight, ReportOfBothComputes) {
    const WeightReport weight{IndexOf("ROSE"), "1000", "3", {"57.8", "173.4"}};
    const LengthReport length{IndexOf("RAVEN"), "500", "3", {"2313.74", "771.25"}};
    const std::vector<std::string> expected{
        "Alüminyum İletkenlerin Kilogram Karşılıkları:",
        "",
        "Uzunluğa Göre Ağırlık Hesabı:",
        "İletken: ROSE (AAC, 4 AWG)",
        "İletkenin Birim Ağırlığı: 57.8 kg/km",
        "Hat Uzunluğu: 1000 Metre",
        "İletken Sayısı: 3",
        "Bir İletkenin Ağırlığı = Birim Ağırlık x Uzunluk / 1000",
        "Bir İletkenin Ağırlığı = 57.8 x 1000 / 1000",
        "Bir İletkenin Ağırlığı = 57.8 kg",
        "Toplam Ağırlık = Bir İletkenin Ağırlığı x İletken Sayısı",
        "Toplam Ağırlık = 57.8 x 3",
        "Toplam Ağırlık = 173.4 kg",
        "",
        "Ağırlığa Göre Uzunluk Hesabı:",
        "İletken: RAVEN (ACSR, 1/0 AWG)",
        "İletkenin Birim Ağırlığı: 216.1 kg/km",
        "İletkenlerin Ağırlığı: 500 kg",
        "İletken Sayısı: 3",
        "Toplam İletken Uzunluğu = Ağırlık x 1000 / Birim Ağırlık",
        "Toplam İletken Uzunluğu = 500 x 1000 / 216.1",
        "Toplam İletken Uzunluğu = 2313.74 Metre",
        "Hat Uzunluğu = Toplam İletken Uzunluğu / İletken Sayısı",
        "Hat Uzunluğu = 2313.74 / 3",
        "Hat Uzunluğu = 771.25 Metre",
    };
    EXPECT_EQ(ReportLines(&weight, &length), expected);
    EXPECT_EQ(ReportLines(nullptr, &length).size(), 13u);
}

} // namespace
} // namespace voltaris::conductor_weight
