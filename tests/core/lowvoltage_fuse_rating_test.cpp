#include "core/lowvoltage/fuse_rating.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace voltaris::fuse_rating {
namespace {

constexpr int kAutomatic = 0;
constexpr int kNh = 1;

// The list entry of rating `amperes`.
int Entry(double amperes) {
    const auto ratings = Ratings();
    const auto found = std::find(ratings.begin(), ratings.end(), amperes);
    EXPECT_NE(found, ratings.end()) << amperes;
    return static_cast<int>(std::distance(ratings.begin(), found));
}

Choice Shown(int byLine, int byLoad, int byFactor) {
    return {byLine, byLoad, byFactor, std::nullopt};
}

TEST(FuseRating, ChoosesByLineLoadAndFactor) {
    // X = 20 / 1.4 = 14.29: the smallest rating above it is 16.
    Outcome<Choice> out = Compute("20", "32", kNh, {});
    EXPECT_FALSE(out.failed);
    EXPECT_EQ(out.texts, Shown(Entry(32), Entry(20), Entry(16)));
    // X = 21 / 1.1 = 19.09; the load's rating is the one at or below it.
    out = Compute("21", "32", kAutomatic, {});
    EXPECT_EQ(out.texts, Shown(Entry(32), Entry(20), Entry(20)));
}

TEST(FuseRating, LineAndLoadTakeARatingEqualToThem) {
    EXPECT_EQ(LargestNotAbove(32, -1), Entry(32));
    EXPECT_EQ(LargestNotAbove(31.99, -1), Entry(25));
    EXPECT_EQ(LargestNotAbove(2000, -1), Entry(2000));
    EXPECT_EQ(LargestNotAbove(2499.9, -1), Entry(2000));
    // Below the second rating the first is taken, even below the first itself.
    EXPECT_EQ(LargestNotAbove(1.9, -1), 0);
    EXPECT_EQ(LargestNotAbove(0.5, -1), 0);
}

TEST(FuseRating, FactorTakesARatingStrictlyAbove) {
    EXPECT_EQ(SmallestAbove(20, -1), Entry(25));
    EXPECT_EQ(SmallestAbove(19.99, -1), Entry(20));
    EXPECT_EQ(SmallestAbove(0, -1), 0);
    EXPECT_EQ(SmallestAbove(2499.9, -1), Entry(2500));
    // 28 / 1.4 is 20 exactly: 25, not 20.
    EXPECT_EQ(Compute("28", "40", kNh, {}).texts.byFactor, Entry(25));
}

TEST(FuseRating, AListWithNoRatingToTakeKeepsItsEntry) {
    EXPECT_EQ(LargestNotAbove(2500, 7), 7);
    EXPECT_EQ(SmallestAbove(2500, 7), 7);
    // The line at 2500 and above keeps its list; the others still choose.
    Outcome<Choice> out = Compute("100", "2500", kNh, Shown(3, 4, 5));
    EXPECT_EQ(out.texts, Shown(3, Entry(100), Entry(80)));
    // All three above the list: nothing moves.
    out = Compute("3600", "4000", kNh, Shown(3, 4, 5));
    EXPECT_EQ(out.texts, Shown(3, 4, 5));
    // A load above the list whose share of the factor is not: 2600 / 1.1 = 2363.6.
    out = Compute("2600", "4000", kAutomatic, Shown(3, 4, 5));
    EXPECT_EQ(out.texts, Shown(3, 4, Entry(2500)));
}

TEST(FuseRating, CapacityIsRoundedHalfToEvenFirst) {
    // 32.5 is 32 and 33.5 is 34: the line's rating is 32 either way, the loads tell them apart.
    EXPECT_EQ(Compute("32", "32.5", kNh, {}).texts.notice, InfoMessage(kCapacityTooLow));
    EXPECT_FALSE(Compute("33", "33.5", kNh, {}).texts.notice);
    // 62.5 is 62 (rating 50), 63.5 is 64 (rating 63).
    EXPECT_EQ(Compute("10", "62.5", kNh, {}).texts.byLine, Entry(50));
    EXPECT_EQ(Compute("10", "63.5", kNh, {}).texts.byLine, Entry(63));
    EXPECT_EQ(Compute("62", "62.5", kNh, {}).texts.notice, InfoMessage(kCapacityTooLow));
    // The load is not rounded: 20.4 is above a capacity of 20.4, taken as 20.
    EXPECT_EQ(Compute("20.4", "20.4", kNh, {}).texts.notice, InfoMessage(kCapacityTooLow));
    EXPECT_FALSE(Compute("20.4", "20.6", kNh, {}).texts.notice);
}

TEST(FuseRating, CapacityNotAboveTheLoadOnlyInforms) {
    for (const char* capacity : {"20", "16"}) {
        const Outcome<Choice> out = Compute("20", capacity, kNh, Shown(3, 4, 5));
        EXPECT_FALSE(out.failed);
        EXPECT_EQ(out.texts.notice, InfoMessage(kCapacityTooLow));
        EXPECT_EQ(out.texts.notice->title, "BİLGİ");
        EXPECT_EQ(Shown(out.texts.byLine, out.texts.byLoad, out.texts.byFactor), Shown(3, 4, 5));
    }
}

TEST(FuseRating, ACurrentThatIsNoNumberFailsAndChangesNothing) {
    for (auto [load, capacity] : {std::pair{"", "32"}, {"20", ""}, {"20", "."}, {".", "32"}}) {
        const Outcome<Choice> out = Compute(load, capacity, kNh, Shown(3, 4, 5));
        EXPECT_TRUE(out.failed) << load << " / " << capacity;
        EXPECT_EQ(out.texts, Shown(3, 4, 5));
    }
    // A notice left from the compute before is not shown again.
    const Choice before{3, 4, 5, InfoMessage(kCapacityTooLow)};
    EXPECT_FALSE(Compute("", "32", kNh, before).texts.notice);
}

} // namespace
} // namespace voltaris::fuse_rating
