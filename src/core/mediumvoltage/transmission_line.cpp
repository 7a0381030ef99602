#include "core/mediumvoltage/transmission_line.h"

#include "core/numbers.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace voltaris::transmission_line {

namespace {

using checked::Div;
using checked::Finite;
using checked::Log;
using checked::Sqrt;

// What a line needs of a conductor beyond the overhead conductor table, by the table's name: the
// GMR of a multi-layer conductor as Grainger & Stevenson Table A.3 gives it (none for a 6/1
// conductor: see SixWireGmr) and the rated breaking strength (Southwire; SWALLOW's from its wires).
struct LineFigures {
    std::string_view name;
    std::optional<double> gmr; // mm
    double strength;           // kN
};
constexpr LineFigures kLineFigures[] = {
    {"SWALLOW", std::nullopt, 10.5}, {"RAVEN", std::nullopt, 19.5}, {"PIGEON", std::nullopt, 29.4},
    {"PARTRIDGE", 6.614, 50.3},      {"HAWK", 8.809, 86.7},         {"DRAKE", 11.369, 140.1},
    {"CARDINAL", 12.253, 150.3},
};

// The GMR of a 6/1 conductor is that of its six aluminium wires, the steel wire carrying no
// current: six wires of radius a on a circle of 2a give (e^(-1/4)·a · 192·a⁵)^(1/6) = 2.304·a,
// and the conductor's radius is 3a.
double SixWireGmr(double diameter) {
    const double wireRadius = diameter / 6;
    return std::pow(std::exp(-0.25) * 192, 1.0 / 6) * wireRadius;
}

std::vector<Conductor> MakeConductors() {
    std::vector<Conductor> list;
    for (const overhead_conductors::Conductor& c :
         overhead_conductors::Conductors(overhead_conductors::Family::Acsr)) {
        for (const LineFigures& line : kLineFigures)
            if (line.name == c.name)
                list.push_back({c, line.gmr.value_or(SixWireGmr(c.diameter)), line.strength});
    }
    return list;
}

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
    if (index < 0 || index >= static_cast<int>(Conductors().size()))
        throw ComputeFailure("no conductor chosen");
    return Conductors()[static_cast<std::size_t>(index)];
}

LineCircle CircleOf(const Geometry& geometry) {
    const double d12 = ReadNumber(geometry.d12);
    const double d23 = ReadNumber(geometry.d23);
    const double d31 = ReadNumber(geometry.d31);
    const Conductor& conductor = ConductorAt(geometry.conductor);
    return {GeometricMeanDistance(d12, d23, d31), conductor.gmr / 1000,
            conductor.table.diameter / 2000};
}

// An optional load: empty is none.
double ReadOptional(const std::string& text) {
    return text.empty() ? 0 : ReadNumber(text);
}

} // namespace

const std::vector<Conductor>& Conductors() {
    static const std::vector<Conductor> list = MakeConductors();
    return list;
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
        out.resistance = ResultText(ConductorAt(geometry.conductor).table.resistance, 4);
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
            ConductorAt(inputs.conductor).table.resistance * ReadNumber(inputs.length);
        out.resistance = ResultText(resistance, 4);
        const double loss = 3 * current * current * resistance / 1000;
        out.loss = ResultText(loss, 3);
        out.lossPercent = ResultText(Div(100 * loss, power), 2);
    });
}

Outcome<Span> ComputeSpan(const SpanInputs& inputs, Span shown) {
    return RunSteps(std::move(shown), [&inputs](Span& out) {
        const Conductor& conductor = ConductorAt(inputs.conductor);
        const double vertical = conductor.table.mass * kGravity / 1e4 + ReadOptional(inputs.ice);
        const double wind = ReadOptional(inputs.wind) * conductor.table.diameter / 1000;
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
