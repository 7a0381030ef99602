#include "core/mediumvoltage/medium_voltage_short_circuit.h"

#include <cmath>

namespace voltaris::medium_voltage_short_circuit {

namespace {

using checked::Div;
using checked::Sqrt;

constexpr double kBusbarVoltageSquared = 0.16; // (0.4 kV)²
constexpr double kBusbarFactorVoltage = 0.44;  // c·0.4 kV

// A transformer's resistance and reactance in per cent: uR = Pcu / (10·S), uX = √(uk² − uR²).
struct PercentDrops {
    double resistance, reactance;
};
PercentDrops Drops(const std::string& power, const std::string& loss, const std::string& uk) {
    const double s = ReadNumber(power);
    const double ur = Div(ReadNumber(loss), 10 * s);
    const double ukValue = ReadNumber(uk);
    return {ur, Sqrt(ukValue * ukValue - ur * ur)};
}

// Ohms at U (kV) of a per-cent drop on S (MVA): U²·u / (100·S).
double Ohms(double voltage, double percent, double power) {
    return Div(voltage * voltage * percent, 100 * power);
}

double Current(double voltage, double impedance) {
    return Div(kVoltageFactor * voltage, std::sqrt(3.0) * impedance);
}

std::string Joined(const LineInputs& line) {
    const bool overhead = line.laying == Laying::Overhead;
    std::string entry = overhead ? "Hat Şekli: Havai" : "Hat Şekli: Yeraltı";
    entry += " - " + line.conductor + " - " + line.length +
             " km - Hat Adet Sayısı: " + std::to_string(line.circuits);
    if (overhead)
        entry += " - İletken Cinsi: " + line.conductor;
    else
        entry += " - Kablo Kesiti: " + line.conductor + " mm²";
    return entry;
}

} // namespace

LineSums& LineSums::operator+=(const LineSums& line) {
    resistance += line.resistance;
    reactance += line.reactance;
    resistancePercent += line.resistancePercent;
    reactancePercent += line.reactancePercent;
    return *this;
}

std::optional<AddedLine> AddLine(const LineInputs& line, double voltage, double networkPower) {
    try {
        const double length = ReadNumber(line.length);
        const double perLength = ReadNumber(line.reactance);
        const double reactancePerKm =
            line.laying == Laying::Overhead ? perLength : kReactancePerInductance * perLength;
        LineSums sums;
        sums.resistance = Div(ReadNumber(line.resistance) * length, line.circuits);
        sums.reactance = Div(reactancePerKm * length, line.circuits);
        const double base = Div(100 * networkPower, voltage * voltage);
        sums.resistancePercent = checked::Finite(sums.resistance * base);
        sums.reactancePercent = checked::Finite(sums.reactance * base);
        return AddedLine{Joined(line), sums};
    } catch (const ComputeFailure&) {
        return std::nullopt;
    }
}

double ImpulseFactor(double ratio) {
    return 1.02 + 0.98 * std::exp(-3 * ratio);
}

Outcome<Results> Compute(const Inputs& in, Results shown) {
    return RunSteps(std::move(shown), [&in](Results& out) {
        const double u = ReadNumber(in.voltage);
        const double zq = Div(kVoltageFactor * u * u, ReadNumber(in.initialPower));
        const PercentDrops t = Drops(in.transformerPower, in.transformerLoss, in.transformerUk);
        const PercentDrops m = Drops(in.customerPower, in.customerLoss, in.customerUk);
        const double st = ReadNumber(in.transformerPower);
        const double sm = ReadNumber(in.customerPower);
        const double rt = Ohms(u, t.resistance, st), xt = Ohms(u, t.reactance, st);
        const double rm = Ohms(u, m.resistance, sm), xm = Ohms(u, m.reactance, sm);
        const double rl = in.lines.resistance, xl = in.lines.reactance;

        const double z1 = RoundHalfEven(std::hypot(rl, zq + xl), 4);
        out.centreImpedance = NumberText(z1);
        const double i1 = RoundHalfEven(Current(u, z1), 2);
        out.centreCurrent = NumberText(i1);
        out.keptCurrent = i1;

        const double z2 = RoundHalfEven(std::hypot(rl + rt + rm, zq + xl + xt + xm), 4);
        out.lineEndImpedance = NumberText(z2);
        out.lineEndCurrent = ResultText(Current(u, z2), 2);

        const double z2Busbar = RoundHalfEven(Div(z2 * kBusbarVoltageSquared, u * u), 4);
        const double customerBusbar =
            std::hypot(Div(m.resistance * kBusbarVoltageSquared, 100 * sm),
                       Div(m.reactance * kBusbarVoltageSquared, 100 * sm));
        const double z3 = RoundHalfEven(z2Busbar + customerBusbar, 4);
        out.busbarImpedance = NumberText(z3);
        out.busbarCurrent = ResultText(Div(kBusbarFactorVoltage, std::sqrt(3.0) * z3), 2);

        const double ratio = RoundHalfEven(Div(rl, zq + xl), 2);
        out.ratio = NumberText(ratio);
        if (ratio < 0.5)
            out.verdict = RatioVerdict::Suitable;
        else if (ratio > 0.5)
            out.verdict = RatioVerdict::Unsuitable;

        // The per-cent branch: network, lines on the network power SB; S″k = c·100·SB / z%.
        const double sb = ReadNumber(in.networkPower);
        const double networkPercent = Div(kVoltageFactor * 100 * sb, ReadNumber(in.initialPower));
        const double centrePercent =
            std::hypot(in.lines.resistancePercent, networkPercent + in.lines.reactancePercent);
        out.percentBreakingPower = ResultText(Div(kVoltageFactor * 100 * sb, centrePercent), 4);

        out.breakingPower = ResultText(std::sqrt(3.0) * u * i1, 2);
        out.impulseFactor = ResultText(ImpulseFactor(ratio), 2);
    });
}

std::optional<std::string> PeakCurrent(std::string_view impulseFactor, double centreCurrent) {
    const std::optional<double> kappa = TryReadNumber(impulseFactor);
    if (!kappa)
        return std::nullopt;
    return ResultText(*kappa * std::sqrt(2.0) * centreCurrent, 2);
}

} // namespace voltaris::medium_voltage_short_circuit
