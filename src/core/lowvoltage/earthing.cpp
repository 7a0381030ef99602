#include "core/lowvoltage/earthing.h"

#include "core/numbers.h"

#include <cmath>
#include <numbers>

namespace voltaris::earthing {

namespace {

using checked::Div;
using checked::Finite;
using checked::Sqrt;

constexpr double kPi = std::numbers::pi;
// The factor of the buried conductor's and the rods' formulas.
constexpr double kSpreading = 0.3672;

const ConductorSize kConductorSizes[] = {
    {"16 mm2 Dolu Kesit", 0.0045, 0.009},       {"25 mm2 Dolu Kesit", 0.006, 0.012},
    {"35 mm2 Dolu Kesit", 0.0067, 0.0134},      {"50 mm2 Dolu Kesit", 0.008, 0.016},
    {"50 mm2 Örgülü İletken", 0.0095, 0.019},   {"70 mm2 Örgülü İletken", 0.011, 0.022},
    {"95 mm2 Örgülü İletken", 0.0126, 0.0252},  {"120 mm2 Örgülü İletken", 0.014, 0.028},
    {"150 mm2 Örgülü İletken", 0.016, 0.032},   {"185 mm2 Örgülü İletken", 0.0175, 0.035},
    {"240 mm2 Örgülü İletken", 0.0203, 0.0406},
};

// The joint factors c of the section formula.
constexpr double kCadweld = 6.96;
constexpr double kSolder = 9.12;
constexpr double kBolted = 11.54;

// The residual-current limits as their fields show them and as the verdicts take them.
constexpr double kTouchVoltage = 50;
constexpr double kTnVoltage = 230;
constexpr double kRcd30 = 0.03;
constexpr double kRcd300 = 0.3;
constexpr double kRcd30Judged = 1667;
constexpr double kRcd300Judged = 167;

double Log10(double value) {
    return checked::Log(value) / std::log(10.0);
}

std::string Round2(double value) {
    return ResultText(value, 2);
}

// A limit above the earth resistance is suitable, one below it is not; equal, nothing is said.
Verdict Judge(double limit, double resistance) {
    if (limit > resistance)
        return Verdict::Suitable;
    if (limit < resistance)
        return Verdict::Unsuitable;
    return Verdict::None;
}

} // namespace

std::span<const ConductorSize> ConductorSizes() {
    return kConductorSizes;
}

const std::vector<std::string>& RatedCurrents() {
    static const std::vector<std::string> currents = {
        "1",   "2",   "3",   "4",   "6",   "10",   "16",   "20",   "25",   "32",
        "40",  "50",  "63",  "80",  "100", "125",  "160",  "200",  "225",  "250",
        "300", "400", "500", "630", "800", "1000", "1250", "1600", "2000", "2500"};
    return currents;
}

Outcome<std::string> Compute(const BuriedConductor& in, std::string shown) {
    return RunSteps(std::move(shown), [&](std::string& resistance) {
        double d = 0;
        if (in.diameter == Diameter::FromList) {
            const ConductorSize& size = kConductorSizes[in.size];
            d = in.conductor == Conductor::Strip ? size.strip : size.round;
        } else {
            // A round conductor's entry is its diameter, taken twice as the strip's half
            // thickness is.
            const double entered = ReadNumber(in.enteredDiameter);
            d = Finite((in.conductor == Conductor::Strip ? entered : 2 * entered) / 100);
        }
        const double length = ReadNumber(in.length);
        const double g = Log10(Div(Finite(2 * length * length), Finite(ReadNumber(in.depth) * d)));
        resistance = Round2(Div(Finite(kSpreading * ReadNumber(in.resistivity) * g), length));
    });
}

Outcome<std::string> Compute(const Rods& in, std::string shown) {
    return RunSteps(std::move(shown), [&](std::string& resistance) {
        const double d = ReadNumber(in.diameter);
        const double l = ReadNumber(in.length);
        const double n = ReadNumber(in.count);
        const double g = Log10(Div(Finite(4 * l), d / 100));
        resistance =
            Round2(Div(Finite(kSpreading * ReadNumber(in.resistivity) * g), Finite(l * n)));
    });
}

Outcome<std::string> Compute(const Mesh& in, std::string shown) {
    return RunSteps(std::move(shown), [&](std::string& resistance) {
        const double r = Sqrt(Finite(ReadNumber(in.width) * ReadNumber(in.length)) / kPi);
        const double sum = Finite(Div(1, 4 * r) + Div(1, ReadNumber(in.conductor)));
        resistance = Round2(Finite(ReadNumber(in.resistivity) * sum));
    });
}

Outcome<std::string> Compute(const Polygon& in, std::string shown) {
    return RunSteps(std::move(shown), [&](std::string& resistance) {
        const double sum =
            Finite(Div(1.6, ReadNumber(in.perimeter)) + Div(0.6, ReadNumber(in.conductor)));
        resistance = Round2(Finite(ReadNumber(in.resistivity) * sum));
    });
}

Outcome<Sections> Compute(const SectionInputs& in, Sections shown) {
    return RunSteps(std::move(shown), [&](Sections& s) {
        const double current = ReadNumber(in.current);
        const double root = Sqrt(ReadNumber(in.time));
        const auto section = [&](double joint) {
            return Round2(Finite(current * joint * root) / 1.974);
        };
        s.cadweld = section(kCadweld);
        s.solder = section(kSolder);
        s.bolted = section(kBolted);
    });
}

Outcome<FoundationResults> Compute(const Foundation& in, FoundationResults shown) {
    return RunSteps(std::move(shown), [&](FoundationResults& f) {
        const double rho = ReadNumber(in.resistivity);
        const double diameter = 2 * Sqrt(ReadNumber(in.area) / kPi);
        const double strip = Finite(Div(rho, 2 * diameter) + Div(rho, ReadNumber(in.stripLength)));
        const double rods = Div(rho, Finite(ReadNumber(in.rodCount) * ReadNumber(in.rodLength)));
        const double total = RoundHalfEven(Div(Finite(strip * rods), Finite(strip + rods)), 3);
        f.total = NumberText(total);

        const double device = Finite(ReadNumber(in.ratedCurrent) * ReadNumber(in.tripMultiple));
        f.limits[0] = ResultText(Div(kTouchVoltage, device), 3);
        f.limits[1] = ResultText(Div(kTnVoltage, device), 3);
        f.limits[2] = ResultText(kTouchVoltage / kRcd30, 3);
        f.limits[3] = ResultText(kTouchVoltage / kRcd300, 3);

        // The TT and TN limits are judged as their fields show them; the residual-current
        // limits by the round figures, not the 1666.667 and 166.667 shown.
        f.verdicts = {Judge(ReadNumber(f.limits[0]), total), Judge(ReadNumber(f.limits[1]), total),
                      Judge(kRcd30Judged, total), Judge(kRcd300Judged, total)};
    });
}

Message DiameterMessage(double section) {
    return ResultMessage("İletkenin Çapı " + NumberText(Sqrt(Finite(4 * section) / kPi)) +
                         " mm'dir.");
}

Message SectionMessage(double diameter) {
    return ResultMessage("İletkenin Kesiti " + NumberText(Finite(kPi * diameter * diameter) / 4) +
                         " mm²'dir.");
}

} // namespace voltaris::earthing
