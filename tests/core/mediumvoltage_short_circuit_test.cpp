#include "core/mediumvoltage/medium_voltage_short_circuit.h"

#include <gtest/gtest.h>

namespace voltaris::medium_voltage_short_circuit {
namespace {

// 34.5 kV, a 100 MVA network of 1000 MVA initial short-circuit power, a 25 MVA power
// transformer (120 kW, 10 %) and a 1 MVA customer transformer (10.5 kW, 6 %).
Inputs supply() {
    Inputs in;
    in.voltage = "34.5";
    in.networkPower = "100";
    in.initialPower = "1000";
    in.transformerPower = "25";
    in.transformerLoss = "120";
    in.transformerUk = "10";
    in.customerPower = "1";
    in.customerLoss = "10.5";
    in.customerUk = "6";
    return in;
}

LineInputs overhead(std::string length, int circuits) {
    return {Laying::Overhead, "3x PIGEON (AWG 3/0)", std::move(length), "0.2733", "0.3971",
            circuits};
}

LineSums linesOf(std::initializer_list<LineInputs> lines) {
    LineSums sums;
    for (const LineInputs& line : lines) {
        const auto added = AddLine(line, 34.5, 100);
        EXPECT_TRUE(added.has_value());
        sums += added->sums;
    }
    return sums;
}

TEST(MediumVoltageLines, ParallelCircuitsAndCableInductance) {
    const auto one = AddLine(overhead("10", 1), 34.5, 100);
    const auto two = AddLine(overhead("10", 2), 34.5, 100);
    ASSERT_TRUE(one && two);
    EXPECT_DOUBLE_EQ(one->sums.resistance, 2.733);
    EXPECT_DOUBLE_EQ(two->sums.resistance, 2.733 / 2);
    EXPECT_DOUBLE_EQ(two->sums.reactance, 3.971 / 2);
    EXPECT_DOUBLE_EQ(two->sums.resistancePercent, 100 * 1.3665 * 100 / (34.5 * 34.5));

    // A cable's reactance comes from its inductance in mH/km.
    const auto cable = AddLine({Laying::Underground, "95", "2", "0.0991", "0.36", 4}, 34.5, 100);
    ASSERT_TRUE(cable);
    EXPECT_DOUBLE_EQ(cable->sums.resistance, 0.0991 * 2 / 4);
    EXPECT_DOUBLE_EQ(cable->sums.reactance, 0.314159265358979 * 0.36 * 2 / 4);

    LineSums sums = two->sums;
    sums += cable->sums;
    EXPECT_DOUBLE_EQ(sums.reactance, two->sums.reactance + cable->sums.reactance);
}

TEST(MediumVoltageLines, ListEntries) {
    EXPECT_EQ(AddLine(overhead("10", 2), 34.5, 100)->entry,
              "Hat Şekli: Havai - 3x PIGEON (AWG 3/0) - 10 km - Hat Adet Sayısı: 2 - İletken "
              "Cinsi: 3x PIGEON (AWG 3/0)");
    EXPECT_EQ(AddLine({Laying::Underground, "240", "1.5", "0.0754", "0.33", 1}, 34.5, 100)->entry,
              "Hat Şekli: Yeraltı - 240 - 1.5 km - Hat Adet Sayısı: 1 - Kablo Kesiti: 240 mm²");
}

TEST(MediumVoltageLines, MissingValueOrZeroVoltageAddsNothing) {
    EXPECT_FALSE(AddLine(overhead("", 1), 34.5, 100));
    LineInputs noReactance = overhead("10", 1);
    noReactance.reactance = "";
    EXPECT_FALSE(AddLine(noReactance, 34.5, 100));
    EXPECT_FALSE(AddLine(overhead("10", 1), 0, 100));
}

TEST(MediumVoltageShortCircuit, ThreePointsWithLines) {
    Inputs in = supply();
    in.lines = linesOf({overhead("10", 2), {Laying::Underground, "95", "2", "0.0991", "0.36", 1}});
    const auto out = Compute(in, {});
    ASSERT_FALSE(out.failed);
    EXPECT_EQ(out.texts.centreImpedance, "3.853");
    EXPECT_EQ(out.texts.centreCurrent, "5.69");
    EXPECT_EQ(out.texts.lineEndImpedance, "79.8782");
    EXPECT_EQ(out.texts.lineEndCurrent, "0.27");
    EXPECT_EQ(out.texts.busbarImpedance, "0.0203");
    EXPECT_EQ(out.texts.busbarCurrent, "12.51");
    EXPECT_EQ(out.texts.ratio, "0.44");
    EXPECT_EQ(out.texts.verdict, RatioVerdict::Suitable);
    EXPECT_EQ(out.texts.percentBreakingPower, "339.8077");
    EXPECT_EQ(out.texts.breakingPower, "340.01"); // from the shown 5.69 kA
    EXPECT_EQ(out.texts.impulseFactor, "1.28");
    EXPECT_DOUBLE_EQ(out.texts.keptCurrent, 5.69);
    EXPECT_EQ(PeakCurrent("1.1", out.texts.keptCurrent), "8.85");
}

TEST(MediumVoltageShortCircuit, WithoutLinesTheNetworkAloneAndKappaTwo) {
    const auto out = Compute(supply(), {});
    ASSERT_FALSE(out.failed);
    EXPECT_EQ(out.texts.centreImpedance, "1.3093"); // Z_Q = 1.1·34.5² / 1000 = 1.309275
    EXPECT_EQ(out.texts.centreCurrent, "16.73");
    EXPECT_EQ(out.texts.ratio, "0");
    EXPECT_EQ(out.texts.impulseFactor, "2");
    EXPECT_DOUBLE_EQ(ImpulseFactor(0), 2.0);
    EXPECT_NEAR(ImpulseFactor(100), 1.02, 1e-12);
}

TEST(MediumVoltageShortCircuit, HighRatioIsUnsuitable) {
    Inputs in = supply();
    in.lines = linesOf({{Laying::Underground, "50", "20", "0.387", "0.1", 1}});
    const auto out = Compute(in, {});
    ASSERT_FALSE(out.failed);
    EXPECT_EQ(out.texts.verdict, RatioVerdict::Unsuitable);
}

TEST(MediumVoltageShortCircuit, FailureKeepsWhatWasWritten) {
    Results shown;
    shown.centreImpedance = "old";
    shown.impulseFactor = "old κ";

    Inputs neverOpened = supply(); // the line window was never opened: no U taken
    neverOpened.voltage = "";
    auto out = Compute(neverOpened, shown);
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.centreImpedance, "old");

    Inputs noNetworkPower = supply();
    noNetworkPower.networkPower = "";
    out = Compute(noNetworkPower, shown);
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.ratio, "0"); // written before the per-cent branch
    EXPECT_EQ(out.texts.percentBreakingPower, "");
    EXPECT_EQ(out.texts.impulseFactor, "old κ");

    Inputs ukBelowLoss = supply(); // uR = 12 % > uk = 6 %
    ukBelowLoss.customerLoss = "120";
    EXPECT_TRUE(Compute(ukBelowLoss, shown).failed);

    EXPECT_FALSE(PeakCurrent("", 5.69));
}

} // namespace
} // namespace voltaris::medium_voltage_short_circuit
