#include "core/numbers.h"
#include "core/shell/power_factor.h"

#include <gtest/gtest.h>

using namespace voltaris;
using namespace voltaris::shell;

namespace {

PowerFactor Of(KnownPower known, Phases phases, double power, double voltage, double current) {
    return PowerFactorOf(known, phases, power, voltage, current);
}

} // namespace

// 1000 / 1150 = 0.8696 shows as 0.87; the angle is taken from 0.87, not from 0.8696 (60.46, not
// 60.41), and 90 − 60.46 from the shown text.
TEST(ShellPowerFactor, ActivePowerGoesOnFromEachRoundedStep) {
    const PowerFactor single = Of(KnownPower::Active, Phases::Single, 1000, 230, 5);
    EXPECT_EQ(single.cosine, "0.87");
    EXPECT_EQ(single.angle, "29.54");
    EXPECT_EQ(PowerFactorMessage(single),
              "Cosinüs Değeri  0.87\nVe Akım ve Gerilim Arasındaki Faz Farkı 29.54 Derecedir...");
}

TEST(ShellPowerFactor, ThreePhasesDivideBySqrtThree) {
    // 6928.2 / (√3 · 400 · 10) = 1.000; 5542.56 / 6928.2 = 0.80.
    const PowerFactor three = Of(KnownPower::Active, Phases::Three, 5542.56, 400, 10);
    EXPECT_EQ(three.cosine, "0.80");
    EXPECT_EQ(three.angle, "36.87");
    // The same power on one phase would exceed 1 and not be a power factor.
    EXPECT_THROW(Of(KnownPower::Active, Phases::Single, 5542.56, 400, 10), ComputeFailure);
}

TEST(ShellPowerFactor, ReactivePowerGivesTheSineOfThePhaseAngle) {
    // Q / (V·I) = 0.5 is sin φ: φ = 30°, cos φ = 0.87.
    const PowerFactor reactive = Of(KnownPower::Reactive, Phases::Single, 575, 230, 5);
    EXPECT_EQ(reactive.cosine, "0.87");
    EXPECT_EQ(reactive.angle, "30.00");
    // The quotient 0.87 read as a sine: φ = 60.46°, whose cosine is 0.49.
    const PowerFactor steep = Of(KnownPower::Reactive, Phases::Single, 1000, 230, 5);
    EXPECT_EQ(steep.angle, "60.46");
    EXPECT_EQ(steep.cosine, "0.49");
}

// A quotient shown as 1.00 leaves no sine; the zero is replaced by 1, so the angle between the
// sides is 45° rather than a division by zero.
TEST(ShellPowerFactor, AQuotientOfOneTakesOneForTheOtherSide) {
    const PowerFactor full = Of(KnownPower::Active, Phases::Single, 1150, 230, 5);
    EXPECT_EQ(full.cosine, "1.00");
    EXPECT_EQ(full.angle, "45.00");
}

TEST(ShellPowerFactor, ImpossibleInputsFail) {
    EXPECT_THROW(Of(KnownPower::Active, Phases::Single, 1000, 0, 5), ComputeFailure);
    EXPECT_THROW(Of(KnownPower::Active, Phases::Three, 1000, 230, 0), ComputeFailure);
    EXPECT_THROW(Of(KnownPower::Reactive, Phases::Single, 2000, 230, 5), ComputeFailure);
}

TEST(ShellPowerFactor, MeterReadingsGroupedWithTwoDecimals) {
    EXPECT_EQ(MeterMessage(3000, 4000), "Hesaplanan Cosinüs Değeri  0.60");
    EXPECT_EQ(MeterMessage(1000, 0), "Hesaplanan Cosinüs Değeri  1.00");
    EXPECT_EQ(MeterMessage(0, 500), "Hesaplanan Cosinüs Değeri  0.00");
    EXPECT_THROW(MeterMessage(0, 0), ComputeFailure);
}
