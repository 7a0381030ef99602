#include "core/circuits/auxiliary_calculations.h"

#include "core/numbers.h"

#include <cmath>
#include <numbers>

namespace voltaris::auxiliary {

using checked::Div;
using checked::Finite;
using checked::Sqrt;

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr int kSignificantDigits = 4;

double Factor(const auto& factors, int unit) {
    return factors.at(static_cast<std::size_t>(unit));
}

// A single-result page: `compute` gives the value, written into `result` unless it fails.
template <class Compute> Outcome<std::string> Single(std::string result, Compute&& compute) {
    return RunSteps(std::move(result), [&](std::string& r) { r = Rounded(Finite(compute())); });
}

} // namespace

double Capacitance(std::string_view text, int unit) {
    return ReadNumber(text) * Factor(kCapacitanceFactors, unit);
}

double Inductance(std::string_view text, int unit) {
    return ReadNumber(text) * Factor(kInductanceFactors, unit);
}

std::string Rounded(double value) {
    if (value == 0)
        return ResultText(value, 0);
    const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(value))));
    const int decimals = kSignificantDigits - 1 - magnitude;
    if (decimals < 0) { // whole numbers, rounded to tens, hundreds, …
        const double scale = std::pow(10.0, -decimals);
        return NumberText(RoundHalfEven(value / scale, 0) * scale);
    }
    return ResultText(value, decimals);
}

Outcome<std::string> CurrentDensity(std::string_view current, std::string_view section,
                                    std::string result) {
    return Single(std::move(result), [&] { return Div(ReadNumber(current), ReadNumber(section)); });
}

Outcome<std::string> InductiveReactance(std::string_view frequency, std::string_view inductance,
                                        int inductanceUnit, std::string result) {
    return Single(std::move(result), [&] {
        return kTwoPi * ReadNumber(frequency) * Inductance(inductance, inductanceUnit);
    });
}

Outcome<std::string> CapacitiveReactance(std::string_view frequency, std::string_view capacitance,
                                         int capacitanceUnit, std::string result) {
    return Single(std::move(result), [&] {
        return Div(1, kTwoPi * ReadNumber(frequency) * Capacitance(capacitance, capacitanceUnit));
    });
}

Outcome<std::string> CapacitorCharge(std::string_view capacitance, int capacitanceUnit,
                                     std::string_view voltage, std::string result) {
    return Single(std::move(result), [&] {
        return Capacitance(capacitance, capacitanceUnit) * ReadNumber(voltage) * 1e6;
    });
}

Outcome<std::string> CapacitorEnergy(std::string_view capacitance, int capacitanceUnit,
                                     std::string_view voltage, std::string result) {
    return Single(std::move(result), [&] {
        const double u = ReadNumber(voltage);
        return 0.5 * Capacitance(capacitance, capacitanceUnit) * u * u;
    });
}

Outcome<std::string> Charge(std::string_view current, std::string_view time, std::string result) {
    return Single(std::move(result), [&] { return ReadNumber(current) * ReadNumber(time); });
}

Outcome<std::string> ResonanceFrequency(std::string_view inductance, int inductanceUnit,
                                        std::string_view capacitance, int capacitanceUnit,
                                        std::string result) {
    return Single(std::move(result), [&] {
        const double lc =
            Inductance(inductance, inductanceUnit) * Capacitance(capacitance, capacitanceUnit);
        return Div(1, kTwoPi * Sqrt(lc));
    });
}

Outcome<std::string> CoilEnergy(std::string_view inductance, int inductanceUnit,
                                std::string_view current, std::string result) {
    return Single(std::move(result), [&] {
        const double i = ReadNumber(current);
        return 0.5 * Inductance(inductance, inductanceUnit) * i * i;
    });
}

Outcome<AntennaTexts> AntennaLength(std::string_view frequency, AntennaTexts texts) {
    return RunSteps(std::move(texts), [frequency](AntennaTexts& t) {
        const double wavelength =
            Div(kSpeedOfLight, ReadNumber(frequency) * 1e6) * kAntennaShortening;
        t.halfWave = Rounded(wavelength / 2);
        t.quarterWave = Rounded(wavelength / 4);
    });
}

Outcome<std::string> PlateCapacitor(std::string_view area, std::string_view distance,
                                    int dielectric, std::string result) {
    return Single(std::move(result), [&] {
        if (dielectric < 0 || dielectric >= static_cast<int>(kDielectrics.size()))
            throw ComputeFailure("no dielectric chosen");
        const double permittivity = kDielectrics[static_cast<std::size_t>(dielectric)].permittivity;
        const double squareMetres = ReadNumber(area) * 1e-4;
        const double metres = ReadNumber(distance) * 1e-3;
        return Div(kVacuumPermittivity * permittivity * squareMetres, metres) * 1e12;
    });
}

Outcome<CoilTransientTexts> CoilOnDirectCurrent(std::string_view voltage,
                                                std::string_view resistance,
                                                std::string_view inductance, int inductanceUnit,
                                                std::string_view time, CoilTransientTexts texts) {
    return RunSteps(std::move(texts), [&](CoilTransientTexts& t) {
        const double u = ReadNumber(voltage);
        const double r = ReadNumber(resistance);
        const double tau = Div(Inductance(inductance, inductanceUnit), r);
        t.timeConstant = Rounded(tau);
        const double decay = std::exp(-Div(ReadNumber(time), tau));
        const double current = Div(u, r) * (1 - decay);
        t.current = Rounded(current);
        t.coilVoltage = Rounded(u * decay);
        t.resistorVoltage = Rounded(current * r);
    });
}

Outcome<CapacitorTransientTexts>
CapacitorOnDirectCurrent(std::string_view voltage, std::string_view resistance,
                         std::string_view capacitance, int capacitanceUnit, std::string_view time,
                         CapacitorTransientTexts texts) {
    return RunSteps(std::move(texts), [&](CapacitorTransientTexts& t) {
        const double u = ReadNumber(voltage);
        const double r = ReadNumber(resistance);
        const double tau = r * Capacitance(capacitance, capacitanceUnit);
        t.timeConstant = Rounded(tau);
        const double decay = std::exp(-Div(ReadNumber(time), tau));
        t.capacitorVoltage = Rounded(u * (1 - decay));
        const double current = Div(u, r) * decay;
        t.current = Rounded(current * 1000);
        t.resistorVoltage = Rounded(current * r);
        t.chargedAfter = Rounded(5 * tau);
    });
}

Outcome<std::string> StrandedSection(std::string_view wires, std::string_view diameter,
                                     std::string result) {
    return Single(std::move(result), [&] {
        const double d = ReadNumber(diameter);
        return ReadNumber(wires) * std::numbers::pi * d * d / 4;
    });
}

} // namespace voltaris::auxiliary
