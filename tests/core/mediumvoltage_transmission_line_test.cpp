#include "core/mediumvoltage/transmission_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace voltaris::transmission_line {
namespace {

constexpr double kFoot = 0.3048;   // m
constexpr double kMile = 1.609344; // km
constexpr int kRaven = 1, kHawk = 4, kDrake = 5;

TEST(TransmissionLine, ConductorsAreTheOverheadTablesAcsr) {
    // A line figure under a misspelled name drops its conductor from the list.
    const auto& conductors = Conductors();
    ASSERT_EQ(conductors.size(), 7u);
    EXPECT_EQ(conductors.front().table.name, "SWALLOW");
    EXPECT_EQ(conductors[kDrake].table.name, "DRAKE");
    EXPECT_EQ(conductors.back().table.name, "CARDINAL");
    const auto& acsr = overhead_conductors::Conductors(overhead_conductors::Family::Acsr);
    EXPECT_EQ(&conductors[kRaven].table, &acsr.at(2));
    for (std::size_t i = 1; i < conductors.size(); ++i) {
        // A mistyped strength or GMR shows as a step out of order or a GMR outside the conductor.
        const Conductor& c = conductors[i];
        EXPECT_GT(c.gmr, conductors[i - 1].gmr) << c.table.name;
        EXPECT_GT(c.strength, conductors[i - 1].strength) << c.table.name;
        EXPECT_GT(c.gmr, 0.7 * c.table.diameter / 2) << c.table.name;
        EXPECT_LT(c.gmr, 0.82 * c.table.diameter / 2) << c.table.name;
    }
    // A 6/1 conductor's six aluminium wires: GMR 0.768 · r.
    EXPECT_NEAR(conductors[kRaven].gmr, 0.768 * 10.1092 / 2, 0.001);
}

TEST(TransmissionLine, DrakeMatchesItsPublishedReactancesAtOneFoot) {
    // Tabulated for Drake at 60 Hz and 1 ft spacing: Xa = 0.399 Ω/mi, Xa' = 0.0912 MΩ·mi.
    const Conductor& drake = Conductors()[kDrake];
    const double omega = 2 * std::numbers::pi * 60;
    const double inductance = InductancePerKm(kFoot, drake.gmr / 1000); // mH/km
    EXPECT_NEAR(omega * inductance / 1000 * kMile, 0.399, 0.0005);
    const double capacitance = CapacitancePerKm(kFoot, drake.table.diameter / 2000) * 1e-9; // F/km
    EXPECT_NEAR(1 / (omega * capacitance) / kMile / 1e6, 0.0912, 0.0002);

    // The window at 50 Hz, the three spacings 1 ft.
    const Outcome<Constants> at50 = ComputeConstants({kDrake, "0.3048", "0.3048", "0.3048"}, {});
    ASSERT_FALSE(at50.failed);
    EXPECT_EQ(at50.texts.gmd, "0.305");
    EXPECT_EQ(at50.texts.resistance, "0.0716"); // 0.028264 / 402.8 mm² aluminium, + 2 % stranding
    EXPECT_NEAR(std::stod(at50.texts.reactance), 0.399 * 50 / 60 / kMile, 0.0002);
}

TEST(TransmissionLine, SpacingsGiveTheirGeometricMean) {
    const Constants flat = ComputeConstants({kHawk, "1", "1", "2"}, {}).texts;
    EXPECT_EQ(flat.gmd, "1.26");
    // Each result is its own quantity: X = ωL and B = ωC at 50 Hz.
    EXPECT_NEAR(std::stod(flat.reactance),
                2 * std::numbers::pi * 50 * std::stod(flat.inductance) / 1000, 1e-4);
    EXPECT_NEAR(std::stod(flat.susceptance),
                2 * std::numbers::pi * 50 * std::stod(flat.capacitance) / 1000, 1e-3);
}

TEST(TransmissionLine, MissingSpacingStopsBeforeAnyResult) {
    const Constants before{"1", "2", "3", "4", "5", "6"};
    const Outcome<Constants> outcome = ComputeConstants({kHawk, "1", "", "2"}, before);
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.texts, before);
    EXPECT_TRUE(ComputeConstants({kHawk, "1", ".", "2"}, {}).failed);
    // Phases closer than the conductor's own radius make no line.
    EXPECT_TRUE(ComputeConstants({kHawk, "0", "1", "1"}, {}).failed);
}

TEST(TransmissionLine, SurgeImpedanceFollowsTheTabulatedReactances) {
    // Zc = √(Xa·Xa'), independent of the frequency: √(0.399 Ω/mi · 91 200 Ω·mi) = 190.8 Ω.
    const Outcome<Surge> outcome =
        ComputeSurge({{kDrake, "0.3048", "0.3048", "0.3048"}, "154", "100"}, {});
    ASSERT_FALSE(outcome.failed);
    const double impedance = std::stod(outcome.texts.impedance);
    EXPECT_NEAR(impedance, 190.8, 0.3);
    EXPECT_NEAR(std::stod(outcome.texts.naturalPower), 154.0 * 154 / impedance, 0.01);
    // Three phases of the charging current at the phase voltage give the charging power.
    EXPECT_NEAR(std::stod(outcome.texts.chargingPower),
                std::sqrt(3.0) * 154 * std::stod(outcome.texts.chargingCurrent), 0.5);
}

TEST(TransmissionLine, SurgeWithoutLengthKeepsImpedanceAndPower) {
    const Surge before{"a", "b", "c", "d"};
    const Outcome<Surge> outcome = ComputeSurge({{kRaven, "1", "1", "1"}, "34.5", ""}, before);
    EXPECT_TRUE(outcome.failed);
    EXPECT_NE(outcome.texts.impedance, "a");
    EXPECT_NE(outcome.texts.naturalPower, "b");
    EXPECT_EQ(outcome.texts.chargingCurrent, "c");
    EXPECT_EQ(outcome.texts.chargingPower, "d");
    // The line's spacings come from the constants' page: without them nothing is written.
    EXPECT_EQ(ComputeSurge({{kRaven, "", "1", "1"}, "34.5", "10"}, before).texts, before);
}

TEST(TransmissionLine, LossesOfARavenFeeder) {
    // 1 MW at 34.5 kV, cos φ 0.8: I = 1000 / (√3 · 34.5 · 0.8) = 20.92 A; 10 km of Raven
    // (0.53615 Ω/km) is 5.3615 Ω a phase; 3·I²·R = 7.04 kW, 0.70 % of the load.
    const Outcome<Losses> outcome = ComputeLosses({kRaven, "1000", "34.5", "10", "0.80"}, {});
    ASSERT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.texts.current, "20.92");
    EXPECT_EQ(outcome.texts.resistance, "5.3615");
    EXPECT_NEAR(std::stod(outcome.texts.loss), 7.038, 0.002);
    EXPECT_EQ(outcome.texts.lossPercent, "0.7");

    const Losses before{"a", "b", "c", "d"};
    const Outcome<Losses> noFactor = ComputeLosses({kRaven, "1000", "34.5", "10", "0.00"}, before);
    EXPECT_TRUE(noFactor.failed);
    EXPECT_EQ(noFactor.texts, before);
    const Outcome<Losses> noLength = ComputeLosses({kRaven, "1000", "34.5", "", "0.80"}, before);
    EXPECT_TRUE(noLength.failed);
    EXPECT_EQ(noLength.texts.current, "20.92");
    EXPECT_EQ(noLength.texts.resistance, "b");
}

TEST(TransmissionLine, SagOfAKnownSpanUnderWind) {
    // 150 m level span, conductor 1.98 kg/m with a wind load of 1.5 kg/m, tension 2000 kg:
    // sag 3.48 m, vertical sag 2.77 m (V. K. Mehta, "Principles of Power System", sag example).
    const double load = std::hypot(1.98, 1.5);
    const double sag = ParabolicSag(load, 150, 2000);
    EXPECT_NEAR(sag, 3.48, 0.015);
    EXPECT_NEAR(sag * 1.98 / load, 2.77, 0.02);
    // So flat a span hangs alike as a parabola and as a catenary.
    EXPECT_NEAR(CatenarySag(load, 150, 2000), sag, 0.005);
}

TEST(TransmissionLine, TensionAtTheSupportsIsTheHorizontalOnePlusTheSagsWeight) {
    // T = H·cosh(wa/2H) = H + w·f for the catenary.
    const double load = 0.95, span = 300, support = 3000;
    const double horizontal = HorizontalTension(load, span, support);
    EXPECT_LT(horizontal, support);
    EXPECT_NEAR(horizontal + load * CatenarySag(load, span, horizontal), support, 1e-6);
    EXPECT_GT(CatenaryLength(load, span, horizontal), span);
    // A span too long for the tension allowed has no catenary.
    EXPECT_THROW(HorizontalTension(load, 10000, 3000), ComputeFailure);
}

TEST(TransmissionLine, SpanOfAHawkLine) {
    const Outcome<Span> calm = ComputeSpan({kHawk, "200", "2.5", "12", "", ""}, {});
    ASSERT_FALSE(calm.failed);
    EXPECT_EQ(calm.texts.load, "0.9577"); // 976.57 kg/km
    EXPECT_EQ(calm.texts.tension, "3468");
    const double sag = std::stod(calm.texts.catenary);
    EXPECT_NEAR(sag, 0.9577 * 200 * 200 / (8 * 3468), 0.01);
    EXPECT_NEAR(std::stod(calm.texts.clearance), 12 - sag, 0.001);

    // Ice hangs straight down and adds to the sag; wind swings it aside, so the lowest point
    // drops less than the sag grows.
    const Span iced = ComputeSpan({kHawk, "200", "2.5", "12", "0.5", ""}, {}).texts;
    EXPECT_EQ(iced.load, "1.4577");
    EXPECT_GT(std::stod(iced.catenary), sag);
    const Span windy = ComputeSpan({kHawk, "200", "2.5", "12", "", "50"}, {}).texts;
    EXPECT_GT(std::stod(windy.catenary), sag);
    EXPECT_GT(std::stod(windy.clearance), 12 - std::stod(windy.catenary));

    const Span before{"a", "b", "c", "d", "e", "f", "g"};
    const Outcome<Span> noSafety = ComputeSpan({kHawk, "200", "0", "12", "", ""}, before);
    EXPECT_TRUE(noSafety.failed);
    EXPECT_EQ(noSafety.texts.load, "0.9577");
    EXPECT_EQ(noSafety.texts.tension, "b");
    EXPECT_TRUE(ComputeSpan({kHawk, "200", "2.5", "12", ".", ""}, {}).failed);
    const Outcome<Span> noHeight = ComputeSpan({kHawk, "200", "2.5", "", "", ""}, before);
    EXPECT_TRUE(noHeight.failed);
    EXPECT_EQ(noHeight.texts.length, calm.texts.length);
    EXPECT_EQ(noHeight.texts.clearance, "g");
}

} // namespace
} // namespace voltaris::transmission_line
