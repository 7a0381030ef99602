#include "core/lowvoltage/low_voltage_short_circuit.h"

#include "core/numbers.h"

#include <cmath>

namespace voltaris::low_voltage_short_circuit {

namespace {

using checked::Div;
using checked::Finite;
using checked::Sqrt;

// The network's fixed voltages: 400 V (0.4 kV) between lines, 231 V to neutral.
constexpr double kLineVolts = 400;
constexpr double kLineKilovolts = 0.4;
constexpr double kPhaseVolts = 231;
// The resistivity factor of the conductor resistance, and the reactance per metre of small
// (up to 25 mm²) and large (from 35 mm²) sections, in mΩ/m.
constexpr double kResistanceFactor = 1.55;
constexpr double kSmallSectionReactance = 0.09;
constexpr double kLargeSectionReactance = 0.08;
constexpr double kLargestSmallSection = 25;
// The factor of the conductors' heating limit (A·√s/mm²) in both checks.
constexpr double kHeatingFactor = 115;

struct LineConductor {
    double resistance; // rounded to 2 decimals
    double reactance;
};

LineConductor ConductorOf(double length, double section, double k) {
    const double reactance =
        section <= kLargestSmallSection ? kSmallSectionReactance : kLargeSectionReactance;
    return {RoundHalfEven(Div(kResistanceFactor * length, section * k) * 1000, 2),
            Finite(reactance * length)};
}

} // namespace

double CaseFactor(Case c) {
    return c == Case::Largest ? 1.05 : 0.95;
}

double Conductivity(Conductor conductor) {
    return conductor == Conductor::Copper ? 56 : 35;
}

Outcome<Results> Compute(const Inputs& in, Results shown) {
    return RunSteps(std::move(shown), [&](Results& r) {
        Kept& kept = r.kept;
        kept.c1 = CaseFactor(in.startCase);
        kept.k = Conductivity(in.conductor);
        kept.c2 = CaseFactor(in.endCase);

        kept.transformerPower =
            Div(Div(ReadNumber(in.power), ReadNumber(in.shortCircuitVolt) / 100), 1000);
        kept.startCurrent =
            RoundHalfEven(Div(kept.c1 * kept.transformerPower, std::sqrt(3.0) * kLineKilovolts), 0);
        r.startCurrent = ResultText(kept.startCurrent, 0);

        const double length = ReadNumber(in.length);
        const LineConductor phase = ConductorOf(length, ReadNumber(in.phaseSection), kept.k);
        kept.phaseResistance = phase.resistance;
        kept.phaseReactance = phase.reactance;
        const LineConductor neutral = ConductorOf(length, ReadNumber(in.neutralSection), kept.k);
        kept.neutralResistance = neutral.resistance;
        kept.neutralReactance = neutral.reactance;

        const double power = ReadNumber(in.power);
        kept.transformerImpedance =
            Finite(Div(kLineVolts * kLineVolts, power) * (ReadNumber(in.shortCircuitVolt) / 100));
        const double ratio = Div(kLineVolts, power);
        kept.transformerResistance = Finite(ReadNumber(in.copperLoss) * (ratio * ratio) / 1000);
        kept.transformerReactance = Sqrt(kept.transformerImpedance * kept.transformerImpedance -
                                         kept.transformerResistance * kept.transformerResistance);

        const double resistance =
            kept.transformerResistance + kept.phaseResistance + kept.neutralResistance;
        const double reactance =
            kept.transformerReactance + kept.phaseReactance + kept.neutralReactance;
        const double impedance = Sqrt(resistance * resistance + reactance * reactance);
        kept.endCurrent = RoundHalfEven(Div(kept.c2 * kPhaseVolts, impedance), 2);
        r.endCurrent = ResultText(kept.endCurrent, 2);
    });
}

std::optional<Verdict> CheckLineStart(double startCurrent, std::string_view phaseSection,
                                      std::string_view seconds) {
    const double time = ReadNumber(seconds);
    const double amperes = startCurrent * 1000;
    const double stress = Finite(amperes * amperes * time);
    const double section = ReadNumber(phaseSection);
    const double limit = Finite(kHeatingFactor * kHeatingFactor * (section * section));
    if (stress > limit)
        return Verdict::Unsuitable;
    if (stress < limit)
        return Verdict::Suitable;
    return std::nullopt;
}

double MinimumSection(double endCurrent, std::string_view seconds) {
    return RoundHalfEven(Finite(endCurrent * 1000 * Sqrt(ReadNumber(seconds)) / kHeatingFactor), 2);
}

Verdict CheckLineEnd(double endCurrent, std::string_view neutralSection, std::string_view seconds) {
    const double minimum = MinimumSection(endCurrent, seconds);
    return ReadNumber(neutralSection) >= minimum ? Verdict::Suitable : Verdict::Unsuitable;
}

} // namespace voltaris::low_voltage_short_circuit
