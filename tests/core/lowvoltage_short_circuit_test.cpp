#include "core/lowvoltage/cable_voltage_drop.h"
#include "core/lowvoltage/low_voltage_short_circuit.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

namespace voltaris::low_voltage_short_circuit {
namespace {

// 1000 kVA, u_k 6 %, 10 500 W of copper loss, 50 m of copper 3 × 95 with a 95 mm² neutral.
Inputs transformer() {
    Inputs in;
    in.power = "1000";
    in.shortCircuitVolt = "6";
    in.copperLoss = "10500";
    in.phaseSection = "95";
    in.neutralSection = "95";
    in.length = "50";
    return in;
}

Results before() {
    Results shown;
    shown.startCurrent = "old start";
    shown.endCurrent = "old end";
    return shown;
}

TEST(LowVoltageShortCircuit, TransformerAndCableLoop) {
    const auto out = Compute(transformer(), {});
    ASSERT_FALSE(out.failed);
    const Kept& kept = out.texts.kept;
    EXPECT_DOUBLE_EQ(kept.transformerPower, 1000.0 / 60);
    // 1.05 × 16.67 / (√3 × 0.4) = 25.26, to whole kiloamperes.
    EXPECT_EQ(out.texts.startCurrent, "25");
    EXPECT_EQ(kept.startCurrent, 25);
    EXPECT_EQ(kept.phaseResistance, 14.57);
    EXPECT_EQ(kept.neutralResistance, 14.57);
    EXPECT_DOUBLE_EQ(kept.phaseReactance, 4);
    EXPECT_DOUBLE_EQ(kept.transformerImpedance, 9.6);
    EXPECT_DOUBLE_EQ(kept.transformerResistance, 1.68);
    EXPECT_NEAR(kept.transformerReactance, 9.45186, 1e-5);
    // 0.95 × 231 / 35.41807.
    EXPECT_EQ(out.texts.endCurrent, "6.2");
    EXPECT_EQ(kept.endCurrent, 6.2);
}

TEST(LowVoltageShortCircuit, CasesGiveTheirFactors) {
    Inputs in = transformer();
    in.startCase = Case::Smallest;
    in.endCase = Case::Largest;
    const auto out = Compute(in, {});
    EXPECT_EQ(out.texts.kept.c1, 0.95);
    EXPECT_EQ(out.texts.kept.c2, 1.05);
    EXPECT_EQ(out.texts.startCurrent, "23"); // 22.85
    EXPECT_EQ(out.texts.endCurrent, "6.85"); // 6.848
}

TEST(LowVoltageShortCircuit, ConductorResistancesAreRoundedBeforeTheLoopIsSummed) {
    // 250 kVA, 4 %, 3250 W, 20 m of aluminium 25 mm²: R_L = R_N = 35.428571... kept as 35.43,
    // which gives 2.61 kA where the unrounded resistances would give 2.62.
    Inputs in;
    in.power = "250";
    in.shortCircuitVolt = "4";
    in.copperLoss = "3250";
    in.conductor = Conductor::Aluminium;
    in.phaseSection = "25";
    in.neutralSection = "25";
    in.length = "20";
    const auto out = Compute(in, {});
    EXPECT_EQ(out.texts.kept.k, 35);
    EXPECT_EQ(out.texts.kept.phaseResistance, 35.43);
    EXPECT_EQ(out.texts.endCurrent, "2.61");
}

TEST(LowVoltageShortCircuit, ReactancePerMetreChangesAbove25SquareMillimetres) {
    Inputs in = transformer();
    in.phaseSection = "35";
    in.neutralSection = "25";
    in.length = "100";
    const Kept kept = Compute(in, {}).texts.kept;
    EXPECT_DOUBLE_EQ(kept.phaseReactance, 8);
    EXPECT_DOUBLE_EQ(kept.neutralReactance, 9);
    // 1.55 × 100 / (35 × 56) × 1000 = 79.0816... and / (25 × 56) = 110.714...
    EXPECT_EQ(kept.phaseResistance, 79.08);
    EXPECT_EQ(kept.neutralResistance, 110.71);
}

TEST(LowVoltageShortCircuit, CopperLossBeyondTheImpedanceFailsAfterTheStartCurrent) {
    // R_T = 11.2 mΩ exceeds Z_T = 9.6 mΩ: the root of a negative number ends the compute.
    Inputs in = transformer();
    in.copperLoss = "70000";
    const auto out = Compute(in, before());
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.startCurrent, "25");
    EXPECT_EQ(out.texts.kept.startCurrent, 25);
    EXPECT_EQ(out.texts.endCurrent, "old end");
    EXPECT_EQ(out.texts.kept.endCurrent, 0);
}

TEST(LowVoltageShortCircuit, MissingValuesStopWhereTheyAreRead) {
    Inputs in = transformer();
    in.power = "";
    auto out = Compute(in, before());
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.startCurrent, "old start");

    // The length and the copper loss are read after the start current is written.
    for (std::string Inputs::*field : {&Inputs::length, &Inputs::copperLoss}) {
        in = transformer();
        in.*field = "";
        out = Compute(in, before());
        EXPECT_TRUE(out.failed);
        EXPECT_EQ(out.texts.startCurrent, "25");
        EXPECT_EQ(out.texts.endCurrent, "old end");
    }

    in = transformer();
    in.shortCircuitVolt = "0";
    out = Compute(in, before());
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.startCurrent, "old start");

    // A zero rating gives a start current of 0 and fails at the transformer's impedance.
    in = transformer();
    in.power = "0";
    out = Compute(in, before());
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.startCurrent, "0");
    EXPECT_EQ(out.texts.endCurrent, "old end");
}

TEST(LowVoltageShortCircuitChecks, LineStartIsStrictBothWays) {
    // (46 kA × 1000)² × 1 s equals 115² × 400²: no verdict.
    EXPECT_EQ(CheckLineStart(46, "400", "1"), std::nullopt);
    EXPECT_EQ(CheckLineStart(46, "400", "1.01"), Verdict::Unsuitable);
    EXPECT_EQ(CheckLineStart(46, "400", "0.99"), Verdict::Suitable);
    EXPECT_EQ(CheckLineStart(46, "300", "1"), Verdict::Unsuitable);
    EXPECT_EQ(CheckLineStart(25, "95", "0.1"), Verdict::Suitable);
}

TEST(LowVoltageShortCircuitChecks, LineEndAcceptsTheRoundedMinimumSectionItself) {
    EXPECT_EQ(MinimumSection(1.15, "1"), 10);
    EXPECT_EQ(CheckLineEnd(1.15, "10", "1"), Verdict::Suitable);
    EXPECT_EQ(CheckLineEnd(1.15, "6", "1"), Verdict::Unsuitable);
    // 1.15 kA for 1.0006 s needs 10.003 mm², rounded to 10: the 10 mm² neutral suits.
    EXPECT_EQ(MinimumSection(1.15, "1.0006"), 10);
    EXPECT_EQ(CheckLineEnd(1.15, "10", "1.0006"), Verdict::Suitable);
    // For 1.002 s it needs 10.01 mm².
    EXPECT_EQ(MinimumSection(1.15, "1.002"), 10.01);
    EXPECT_EQ(CheckLineEnd(1.15, "10", "1.002"), Verdict::Unsuitable);
    // 6.2 kA for 0.4 s: 34.0976 mm², kept as 34.1.
    EXPECT_EQ(MinimumSection(6.2, "0.4"), 34.1);
    EXPECT_EQ(CheckLineEnd(6.2, "35", "0.4"), Verdict::Suitable);
    EXPECT_EQ(CheckLineEnd(6.2, "25", "0.4"), Verdict::Unsuitable);
}

TEST(LowVoltageShortCircuitChecks, TimeThatIsNoNumberFails) {
    EXPECT_THROW(CheckLineStart(25, "95", ""), ComputeFailure);
    EXPECT_THROW(CheckLineStart(25, "95", "."), ComputeFailure);
    EXPECT_THROW(CheckLineEnd(6.2, "95", ""), ComputeFailure);
}

TEST(LowVoltageShortCircuitMenu, SectionFromDiameterIsUnrounded) {
    // π taken as 3.14: 1.5² × 3.14 / 4.
    EXPECT_EQ(cable_voltage_drop::SectionMessage(1.5),
              ResultMessage("Hesaplanan İletkenin Kesiti 1.76625 MiliMetreKare(mm²)'dir..."));
    EXPECT_THROW(cable_voltage_drop::SectionMessage(1e300), ComputeFailure);
}

} // namespace
} // namespace voltaris::low_voltage_short_circuit
