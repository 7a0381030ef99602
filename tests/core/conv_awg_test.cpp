#include "core/conversions/awg_conversion.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace voltaris::awg {
namespace {

TEST(AwgDisplay, ListBoundariesAndFourAught) {
    const auto largest = Show("1272 MCM");
    ASSERT_TRUE(largest.has_value());
    EXPECT_EQ(largest->section, "645.08");
    EXPECT_EQ(largest->diameter, "28.66");
    EXPECT_EQ(largest->inches, "1.13");
    EXPECT_EQ(largest->steelNames, "PHEASANT, BITTERN, SKYLARK");
    EXPECT_EQ(largest->aluminiumNames, "NARICSSUS");

    const auto fourAught = Show("4/0 = 0000");
    ASSERT_TRUE(fourAught.has_value());
    EXPECT_EQ(fourAught->section, "107");
    EXPECT_EQ(fourAught->diameter, "11.67");
    EXPECT_EQ(fourAught->inches, "0.46");
    EXPECT_EQ(fourAught->steelNames, "PENGUIN");
    EXPECT_EQ(fourAught->aluminiumNames, "OXLlP");

    // The inches come from the rounded diameter (2.59 mm), not from the exact one.
    const auto smallest = Show("10");
    ASSERT_TRUE(smallest.has_value());
    EXPECT_EQ(smallest->section, "5.26");
    EXPECT_EQ(smallest->diameter, "2.59");
    EXPECT_EQ(smallest->inches, "0.1");
    EXPECT_EQ(smallest->steelNames, "");
    EXPECT_EQ(smallest->aluminiumNames, "");
}

TEST(AwgDisplay, TextOutsideTheListChangesNothing) {
    EXPECT_FALSE(Show("").has_value());
    EXPECT_FALSE(Show("11").has_value());
    EXPECT_FALSE(Show("397.5 MCM").has_value()); // the list writes "397,5 MCM"
}

// The gauge or MCM figure of a list entry: "1/0 = 0" to "4/0 = 0000" are gauges 0 to -3.
ConductorSize SizeByFormula(std::string_view size) {
    const std::string text(size);
    if (const auto mcm = text.find(" MCM"); mcm != std::string::npos)
        return McmSize(ReadPromptNumber(text.substr(0, mcm)));
    if (text.find("/0") != std::string::npos)
        return GaugeSize(1 - ReadNumber(text.substr(0, 1)));
    return GaugeSize(ReadNumber(text));
}

TEST(AwgTable, SectionsShrinkDownTheListAndMatchTheFormulas) {
    const auto entries = Entries();
    ASSERT_EQ(entries.size(), 27u);
    for (std::size_t i = 1; i < entries.size(); ++i)
        EXPECT_LT(entries[i].section, entries[i - 1].section) << entries[i].size;
    for (const Entry& entry : entries)
        EXPECT_NEAR(entry.section / SizeByFormula(entry.size).section, 1, 0.01) << entry.size;
}

TEST(AwgCommands, GaugeTenAndFourAught) {
    EXPECT_EQ(GaugeMessage(10), "İletkenin Kesiti 5.26 mm²'dir.\nİletkenin Çapı 2.59 mm'dir.\n"
                                "İletkenin Çapı 0.1 İnç'dir.");
    const ConductorSize fourAught = GaugeSize(-3);
    EXPECT_DOUBLE_EQ(fourAught.section, 107.22);
    EXPECT_DOUBLE_EQ(fourAught.diameter, 11.68);
    EXPECT_DOUBLE_EQ(fourAught.inches, 0.46);
    EXPECT_THROW(GaugeMessage(-5000), ComputeFailure);
}

TEST(AwgCommands, McmUsesTheRoundedSectionAndDiameter) {
    // 1000 MCM: 506.7 mm², 25.4 mm, and 25.4 mm is 0.99999698 in, shown as 1.
    EXPECT_EQ(McmMessage(1000), "İletkenin Kesiti 506.7 mm²'dir.\nİletkenin Çapı 25.4 mm'dir.\n"
                                "İletkenin Çapı 1 İnç'dir.");
    EXPECT_DOUBLE_EQ(McmSize(397.5).section, 201.41);
    EXPECT_THROW(McmMessage(-1), ComputeFailure);
}

TEST(AwgCommands, SectionAndDiameterUseShortPi) {
    // With 3.14: 100 mm² is 11.29 mm across (the full π would give 11.28), and 10 mm across is
    // 78.5 mm² (the full π would give 78.54).
    EXPECT_EQ(DiameterMessage(100), "İletkenin Çapı 11.29 mm'dir...");
    EXPECT_EQ(SectionMessage(10), "İletkenin Kesiti 78.5 mm²'dir...");
    EXPECT_EQ(SectionMessage(1.5), "İletkenin Kesiti 1.77 mm²'dir...");
    EXPECT_THROW(DiameterMessage(-4), ComputeFailure);
}

} // namespace
} // namespace voltaris::awg
