#include "core/mediumvoltage/transmission_line.h"

#include "core/numbers.h"

#include <array>
#include <cmath>
#include <numbers>

namespace voltaris::transmission_line {

namespace {

using checked::Div;
using checked::Finite;
using checked::Log;
using checked::Sqrt;

// ASTM B232 sizes. The GMR of a multi-layer conductor is the tabulated one; that of a 6/1
// conductor is the GMR of its six aluminium wires with the steel wire carrying no current,
// 0.768 · r (six wires of radius a on a circle of 2a: (0.7788·a · 192·a⁵)^(1/6) = 2.304·a,
// r = 3a).
constexpr std::array kConductors = {
    Conductor{"SWALLOW", "AWG 3", "6/1", 7.14, 2.742, 1.0722, 108, 10.5},
    Conductor{"RAVEN", "AWG 1/0", "6/1", 10.11, 3.882, 0.5351, 216.2, 19.5},
    Conductor{"PIGEON", "AWG 3/0", "6/1", 12.75, 4.896, 0.3367, 343.9, 29.4},
    Conductor{"PARTRIDGE", "266.8 kcmil", "26/7", 16.31, 6.614, 0.2091, 546.6, 50.3},
    Conductor{"HAWK", "477 kcmil", "26/7", 21.79, 8.809, 0.1171, 975.8, 86.7},
    Conductor{"DRAKE", "795 kcmil", "26/7", 28.14, 11.369, 0.0702, 1626.6, 140.1},
    Conductor{"CARDINAL", "954 kcmil", "54/7", 30.38, 12.253, 0.0590, 1829.0, 150.3},
};

constexpr double kPermittivity = 8.8541878128e-12; // ε0, F/m
constexpr double kGravity = 9.80665;               // m/s²
constexpr double kSqrt3 = std::numbers::sqrt3;
constexpr double kPi = std::numbers::pi;

// Spacings in m: GMD, GMR and conductor radius in m.
struct LineCircle {
    double gmd;
    double gmr;
    double radius;
};

const Conductor& ConductorAt(int index) {
    if (index < 0 || index >= static_cast<int>(kConductors.size()))
        throw ComputeFailure("no conductor chosen");
    return kConductors[static_cast<std::size_t>(index)];
}

LineCircle CircleOf(const Geometry& geometry) {
    const double d12 = ReadNumber(geometry.d12);
    const double d23 = ReadNumber(geometry.d23);
    const double d31 = ReadNumber(geometry.d31);
    const Conductor& conductor = ConductorAt(geometry.conductor);
    return {GeometricMeanDistance(d12, d23, d31), conductor.gmr / 1000, conductor.diameter / 2000};
}

// An optional load: empty is none.
double ReadOptional(const std::string& text) {
    return text.empty() ? 0 : ReadNumber(text);
}

} // namespace

std::span<const Conductor> Conductors() {
    return kConductors;
}

double GeometricMeanDistance(double d12, double d23, double d31) {
    return Finite(std::cbrt(Finite(d12 * d23 * d31)));
}

double InductancePerKm(double gmd, double gmr) {
    return 0.2 * Log(Div(gmd, gmr));
}

double CapacitancePerKm(double gmd, double radius) {
    // F/m to nF/km: × 1e3 m/km × 1e9 nF/F.
    return Div(2 * kPi * kPermittivity * 1e12, Log(Div(gmd, radius)));
}

double HorizontalTension(double load, double span, double supportTension) {
    const double half = Finite(load * span / 2);
    // H·cosh(c/H) falls with H down to its least value at c/H = x0 (x0·tanh x0 = 1), then rises
    // towards H + c²/2H: the taut catenary lies between that H and the support tension.
    constexpr double x0 = 1.19967864;
    double low = Div(half, x0);
    double high = supportTension;
    const auto excess = [&](double h) {
        return Finite(h * std::cosh(Div(half, h))) - supportTension;
    };
    if (!(half > 0) || !(high > low) || excess(low) >= 0)
        throw ComputeFailure("no catenary of this span is that taut");
    for (int step = 0; step < 200 && high - low > 1e-12 * high; ++step) {
        const double middle = (low + high) / 2;
        (excess(middle) < 0 ? low : high) = middle;
    }
    return (low + high) / 2;
}

double ParabolicSag(double load, double span, double horizontal) {
    return Div(load * span * span, 8 * horizontal);
}

double CatenarySag(double load, double span, double horizontal) {
    const double ratio = Div(horizontal, load);
    return Finite(ratio * (std::cosh(Div(span, 2 * ratio)) - 1));
}

double CatenaryLength(double load, double span, double horizontal) {
    const double ratio = Div(horizontal, load);
    return Finite(2 * ratio * std::sinh(Div(span, 2 * ratio)));
}

Outcome<Constants> ComputeConstants(const Geometry& geometry, Constants shown) {
    return RunSteps(std::move(shown), [&geometry](Constants& out) {
        const LineCircle line = CircleOf(geometry);
        out.gmd = ResultText(line.gmd, 3);
        out.resistance = ResultText(ConductorAt(geometry.conductor).resistance, 4);
        const double inductance = InductancePerKm(line.gmd, line.gmr);
        out.inductance = ResultText(inductance, 4);
        out.reactance = ResultText(2 * kPi * kFrequency * inductance / 1000, 4);
        const double capacitance = CapacitancePerKm(line.gmd, line.radius);
        out.capacitance = ResultText(capacitance, 3);
        out.susceptance = ResultText(2 * kPi * kFrequency * capacitance / 1000, 3);
    });
}

Outcome<Surge> ComputeSurge(const SurgeInputs& inputs, Surge shown) {
    return RunSteps(std::move(shown), [&inputs](Surge& out) {
        const double voltage = ReadNumber(inputs.voltage);
        const LineCircle line = CircleOf(inputs.geometry);
        const double inductance = InductancePerKm(line.gmd, line.gmr) / 1000;      // H/km
        const double capacitance = CapacitancePerKm(line.gmd, line.radius) * 1e-9; // F/km
        const double impedance = Sqrt(Div(inductance, capacitance));
        out.impedance = ResultText(impedance, 2);
        out.naturalPower = ResultText(Div(voltage * voltage, impedance), 3);
        const double length = ReadNumber(inputs.length);
        const double susceptance = 2 * kPi * kFrequency * capacitance * length; // S
        out.chargingCurrent = ResultText(voltage * 1000 / kSqrt3 * susceptance, 3);
        out.chargingPower = ResultText(voltage * voltage * susceptance * 1000, 2);
    });
}

Outcome<Losses> ComputeLosses(const LossInputs& inputs, Losses shown) {
    return RunSteps(std::move(shown), [&inputs](Losses& out) {
        const double power = ReadNumber(inputs.power);
        const double voltage = ReadNumber(inputs.voltage);
        const double current = Div(power, kSqrt3 * voltage * ReadNumber(inputs.powerFactor));
        out.current = ResultText(current, 2);
        const double resistance =
            ConductorAt(inputs.conductor).resistance * ReadNumber(inputs.length);
        out.resistance = ResultText(resistance, 4);
        const double loss = 3 * current * current * resistance / 1000;
        out.loss = ResultText(loss, 3);
        out.lossPercent = ResultText(Div(100 * loss, power), 2);
    });
}

Outcome<Span> ComputeSpan(const SpanInputs& inputs, Span shown) {
    return RunSteps(std::move(shown), [&inputs](Span& out) {
        const Conductor& conductor = ConductorAt(inputs.conductor);
        const double vertical = conductor.mass * kGravity / 1e4 + ReadOptional(inputs.ice);
        const double wind = ReadOptional(inputs.wind) * conductor.diameter / 1000;
        const double load = std::hypot(vertical, wind);
        out.load = ResultText(load, 4);
        const double tension = Div(conductor.strength * 100, ReadNumber(inputs.safety));
        out.tension = ResultText(tension, 2);
        const double span = ReadNumber(inputs.span);
        const double horizontal = HorizontalTension(load, span, tension);
        out.horizontal = ResultText(horizontal, 2);
        out.parabolic = ResultText(ParabolicSag(load, span, horizontal), 3);
        const double sag = CatenarySag(load, span, horizontal);
        out.catenary = ResultText(sag, 3);
        out.length = ResultText(CatenaryLength(load, span, horizontal), 3);
        // The wind swings the conductor out of the vertical plane: its lowest point hangs the
        // vertical share of the sag below the supports.
        out.clearance = ResultText(ReadNumber(inputs.height) - sag * vertical / load, 3);
    });
}

} // namespace voltaris::transmission_line
