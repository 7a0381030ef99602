#include "core/mediumvoltage/transformer.h"

#include <gtest/gtest.h>

namespace voltaris::transformer {
namespace {

// 100 W from 220 V to 12 V, the lamination defaults, 80 %, 2.5 A/mm², a = 3 cm.
Inputs Example() {
    Inputs in;
    in.power = "100";
    in.primaryVoltage = "220";
    in.secondaryVoltage = "12";
    in.fluxDensity = kDefaultFluxDensity;
    in.frequency = kDefaultFrequency;
    in.efficiency = "80";
    in.quality = kDefaultQuality;
    in.currentDensity = "2.5";
    in.centreLimb = kDefaultCentreLimb;
    return in;
}

TEST(Transformer, CoreTurnsAndCurrentsOfTheDefaultLamination) {
    const Outcome<Results> outcome = Compute(Example(), {});
    ASSERT_FALSE(outcome.failed);
    const Results& r = outcome.texts;
    // c = "1,5" reads as 1.5 (not 15, not a failure): A = 1.5·√100.
    EXPECT_EQ(r.coreSection, "15");
    EXPECT_EQ(r.stackDepth, "50");
    EXPECT_EQ(r.primaryTurns, "943.800943800944");
    EXPECT_EQ(r.secondaryTurns, "51.4800514800515");
    EXPECT_EQ(r.primaryPower, "125");
    EXPECT_EQ(r.primaryCurrent, "0.568181818181818");
    // Both currents come from the primary power.
    EXPECT_EQ(r.secondaryCurrent, "10.4166666666667");
    EXPECT_EQ(r.primaryVoltage, "220");
    EXPECT_EQ(r.secondaryVoltage, "12");
    EXPECT_EQ(r.secondaryPower, "100");
    EXPECT_EQ(r.centreLimb, "3");
}

TEST(Transformer, WindingAndLaminationDimensions) {
    const Results r = Compute(Example(), {}).texts;
    EXPECT_EQ(r.bobbinHeight, "85");
    EXPECT_EQ(r.windowHeight, "90");
    EXPECT_EQ(r.laminations, "100");
    EXPECT_EQ(r.primaryDiameter, "0.617933661154836");
    EXPECT_EQ(r.secondaryDiameter, "2.38329432980891");
    EXPECT_EQ(r.primaryPerLayer, "137.555218858196");
    EXPECT_EQ(r.primaryLayers, "6.86125144240363");
    // Height: layers × (wire + 0.05 mm paper); window: both builds + 0.25 + 3 mm.
    EXPECT_EQ(r.primaryHeight, "4.58286079602856");
    EXPECT_EQ(r.windowWidth, "11.3451669987629");
    EXPECT_EQ(r.sheetWidth, "82.6903339975258");
}

TEST(Transformer, TypedQualityAndNonDefaultLamination) {
    Inputs in = Example();
    in.quality = "1.2";
    in.power = "400";
    in.centreLimb = "4";
    const Results r = Compute(in, {}).texts;
    EXPECT_EQ(r.coreSection, "24");
    EXPECT_EQ(r.stackDepth, "60");
    EXPECT_EQ(r.bobbinHeight, "115");
    EXPECT_EQ(r.laminations, "120");
}

TEST(Transformer, ZeroEfficiencyStopsAfterTheCoreAndTurns) {
    Inputs in = Example();
    in.efficiency = "0";
    Results before;
    before.primaryPower = "old";
    before.primaryCurrent = "old";
    const Outcome<Results> outcome = Compute(in, before);
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.texts.coreSection, "15");
    EXPECT_EQ(outcome.texts.primaryTurns, "943.800943800944");
    EXPECT_EQ(outcome.texts.primaryPower, "old");
    EXPECT_EQ(outcome.texts.primaryCurrent, "old");
}

TEST(Transformer, EmptyOrZeroInputsFail) {
    for (auto field : {&Inputs::power, &Inputs::efficiency, &Inputs::quality, &Inputs::centreLimb,
                       &Inputs::currentDensity}) {
        Inputs in = Example();
        in.*field = "";
        EXPECT_TRUE(Compute(in, {}).failed);
    }
    for (auto field : {&Inputs::frequency, &Inputs::fluxDensity, &Inputs::currentDensity,
                       &Inputs::primaryVoltage, &Inputs::secondaryVoltage, &Inputs::centreLimb}) {
        Inputs in = Example();
        in.*field = "0";
        EXPECT_TRUE(Compute(in, {}).failed);
    }
}

} // namespace
} // namespace voltaris::transformer
