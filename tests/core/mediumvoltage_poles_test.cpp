#include "core/mediumvoltage/poles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace voltaris::poles {
namespace {

constexpr int k10m = 1;
constexpr int k12m = 3;

// A 10 m pole, 2 m in the ground, 20 cm thick all along, 100 daN/m² on it; three 10 mm
// conductors over a 40 m wind span at 50 daN/m², each pulling `tension` daN.
Fields Straight(std::string tension, std::string angle) {
    Fields f;
    f.embedment = "2";
    f.topDiameter = "20";
    f.groundDiameter = "20";
    f.poleWind = "100";
    f.conductors = "3";
    f.conductorDiameter = "10";
    f.windSpan = "40";
    f.conductorWind = "50";
    f.tension = std::move(tension);
    f.angle = std::move(angle);
    return f;
}

// Only the pull of one conductor at a 60° angle: the required top load equals the tension.
Fields PullOnly(std::string tension) {
    Fields f = Straight(std::move(tension), "60");
    f.poleWind = "0";
    f.conductorWind = "0";
    f.conductors = "1";
    return f;
}

TEST(Poles, ChartsAreOrderedSoTheFirstStrongEnoughIsTheLightest) {
    const auto loads = ConcreteTopLoads();
    EXPECT_TRUE(std::is_sorted(loads.begin(), loads.end()));
    EXPECT_EQ(ConcreteType(0, 1), "9.30I250");
    EXPECT_EQ(ConcreteType(k10m, 3), "10I350");
    EXPECT_EQ(ConcreteHeights().size(), 7u);
    EXPECT_EQ(LatticePoles().front().name, "T-10");
}

TEST(Poles, StraightLineCarriesOnlyTheWind) {
    const Result r = Compute(Straight("100", "0"), Duty::Line, k10m);
    ASSERT_FALSE(r.outcome.failed);
    // Pole: 100 × 0.2 m × 8 m at mid height = 80 daN at the top; conductors 3 × 50 × 0.01 × 40.
    EXPECT_EQ(r.outcome.texts.poleLoad, "80");
    EXPECT_EQ(r.outcome.texts.conductorLoad, "60");
    EXPECT_EQ(r.outcome.texts.pull, "0");
    EXPECT_EQ(r.outcome.texts.required, "140");
    EXPECT_EQ(r.outcome.texts.chosen, "10I200");
    EXPECT_FALSE(r.tooHeavy);
}

TEST(Poles, AngleAndDeadEndPulls) {
    // 60°: the wind on the conductors seen at cos 30°, the pull 2 · 3 · 100 · sin 30°.
    const Fields angle = Compute(Straight("100", "60"), Duty::Line, k10m).outcome.texts;
    EXPECT_EQ(angle.conductorLoad, "51.96");
    EXPECT_EQ(angle.pull, "300");
    EXPECT_EQ(angle.required, "431.96");
    EXPECT_EQ(angle.chosen, "10I500");
    // A dead end: the whole tension of three conductors, with the full wind across it; the
    // angle is not read.
    const Fields end = Compute(Straight("100", ""), Duty::DeadEnd, k10m).outcome.texts;
    EXPECT_EQ(end.conductorLoad, "60");
    EXPECT_EQ(end.pull, "300");
    EXPECT_EQ(end.required, "331.06");
    EXPECT_EQ(end.chosen, "10I350");
}

TEST(Poles, TaperedPoleWindActsAtTheTrapezoidsCentroid) {
    // 12 m, 2 m in the ground, 16 cm at the top, 31 cm at the ground, 70 daN/m²: area 2.35 m²
    // whose centroid stands 4.468 m high, so 70 × 2.35 × 4.468 / 10 at the top.
    Fields f = Straight("100", "0");
    f.topDiameter = "16";
    f.groundDiameter = "31";
    f.poleWind = "70";
    EXPECT_EQ(Compute(f, Duty::Line, k12m).outcome.texts.poleLoad, "73.5");
}

TEST(Poles, ChoiceAtTheTopLoadBoundary) {
    EXPECT_EQ(Compute(PullOnly("350"), Duty::Line, k10m).outcome.texts.chosen, "10I350");
    EXPECT_EQ(Compute(PullOnly("350.01"), Duty::Line, k10m).outcome.texts.chosen, "10I400");
    // The pole is chosen for the load as shown, rounded to two decimals.
    EXPECT_EQ(Compute(PullOnly("350.004"), Duty::Line, k10m).outcome.texts.chosen, "10I350");
    EXPECT_EQ(Compute(PullOnly("200"), Duty::Line, 0).outcome.texts.chosen, "9.30I200");
    const Result strongest = Compute(PullOnly("1000"), Duty::Line, k10m);
    EXPECT_EQ(strongest.outcome.texts.chosen, "10I1000");
    EXPECT_FALSE(strongest.tooHeavy);
    Fields old = PullOnly("1000.01");
    old.chosen = "10I200";
    const Result beyond = Compute(old, Duty::Line, k10m);
    EXPECT_FALSE(beyond.outcome.failed);
    EXPECT_TRUE(beyond.tooHeavy);
    EXPECT_EQ(beyond.outcome.texts.chosen, "");
}

TEST(Poles, FailuresKeepWhatWasWritten) {
    // The angle is read after the pole's wind: that stays, the rest keeps its old text.
    Fields f = Straight("100", "");
    f.pull = "old";
    const Result r = Compute(f, Duty::Line, k10m);
    EXPECT_TRUE(r.outcome.failed);
    EXPECT_EQ(r.outcome.texts.poleLoad, "80");
    EXPECT_EQ(r.outcome.texts.pull, "old");
    // A pole all in the ground fails before anything is written.
    Fields buried = Straight("100", "0");
    buried.embedment = "10";
    buried.poleLoad = "old";
    const Result b = Compute(buried, Duty::Line, k10m);
    EXPECT_TRUE(b.outcome.failed);
    EXPECT_EQ(b.outcome.texts.poleLoad, "old");
}

} // namespace
} // namespace voltaris::poles
