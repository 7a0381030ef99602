#include "core/mediumvoltage/cable_channel.h"

#include <gtest/gtest.h>

namespace voltaris::cable_channel {
namespace {

TEST(CableChannel, DefaultsGiveFourTenthsOfACubicMetre) {
    const Outcome<Fields> outcome =
        Compute({std::string(kDefaultBottom), std::string(kDefaultTop), std::string(kDefaultDepth),
                 std::string(kDefaultLength), "", ""});
    ASSERT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.texts.perMetre, "0.4");
    EXPECT_EQ(outcome.texts.total, "0.4");
}

TEST(CableChannel, RoadAddsTwentyCentimetresToTheDepthOnly) {
    EXPECT_EQ(TypeDimensions(19, Ground::Road), (Dimensions{"100", "125", "160"}));
    EXPECT_EQ(TypeDimensions(19, Ground::Pavement), (Dimensions{"100", "125", "140"}));
    EXPECT_EQ(TypeDimensions(0, Ground::Road), (Dimensions{"40", "60", "100"}));
    EXPECT_EQ(TypeDimensions(9, Ground::Pavement), (Dimensions{"70", "96", "110"}));
    ASSERT_EQ(Types().size(), 20u);
    EXPECT_EQ(Types()[19].name, "Tip 8-D (6 YG)");
    EXPECT_EQ(Types()[8].name, "Tip 3-A (2 YG + 1 AG)");
}

TEST(CableChannel, TypeUnderARoadOverALength) {
    const Dimensions d = TypeDimensions(19, Ground::Road);
    const Fields f = Compute({d.bottom, d.top, d.depth, "12.5", "", ""}).texts;
    EXPECT_EQ(f.perMetre, "1.8");
    EXPECT_EQ(f.total, "22.5");
}

TEST(CableChannel, ResultsAreUnrounded) {
    const Fields f = Compute({"33", "47", "71", "3", "", ""}).texts;
    EXPECT_EQ(f.perMetre, "0.284");
    const Fields g = Compute({"10", "11", "7", "3", "", ""}).texts;
    EXPECT_EQ(g.perMetre, "0.00735");
    EXPECT_EQ(g.total, "0.02205");
}

TEST(CableChannel, EmptyLengthKeepsThePerMetreVolume) {
    const Outcome<Fields> outcome = Compute({"40", "60", "80", "", "", "old"});
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.texts.perMetre, "0.4");
    EXPECT_EQ(outcome.texts.total, "old");
    EXPECT_TRUE(Compute({"40", ".", "80", "1", "", ""}).failed);
}

} // namespace
} // namespace voltaris::cable_channel
