#include "core/mediumvoltage/transformer.h"

#include "core/numbers.h"

#include <algorithm>
#include <numbers>

namespace voltaris::transformer {

using checked::Div;
using checked::Finite;
using checked::Sqrt;

namespace {

// Layer insulation between two layers of one winding (kraft paper), mm.
constexpr double kLayerInsulation = 0.05;
// Insulation between the primary and the secondary winding, mm.
constexpr double kWindingInsulation = 0.25;
// Bobbin tube wall and the clearance to the outer limb, together, mm.
constexpr double kBobbinAllowance = 3;
// The bobbin's two flanges, together, mm (window height = bobbin inner height + this).
constexpr double kFlanges = 5;
// Thickness of one lamination, mm.
constexpr double kSheetThickness = 0.5;
// Enamel and its tolerance over the bare diameter, mm.
constexpr double kEnamel = 0.08;

// The quality coefficient's default is written "1,5": its comma is the decimal separator.
double ReadQuality(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return ReadNumber(text);
}

// Insulated diameter of a conductor carrying `current` at density `density`.
double InsulatedDiameter(double current, double density) {
    const double section = Div(current, density);
    return Sqrt(Div(4 * section, std::numbers::pi)) + kEnamel;
}

} // namespace

Outcome<Results> Compute(const Inputs& in, Results results) {
    return RunSteps(std::move(results), [&in](Results& r) {
        const double power = ReadNumber(in.power);
        const double u1 = ReadNumber(in.primaryVoltage);
        const double u2 = ReadNumber(in.secondaryVoltage);
        const double flux = ReadNumber(in.fluxDensity);
        const double frequency = ReadNumber(in.frequency);
        const double efficiency = ReadNumber(in.efficiency);
        const double quality = ReadQuality(in.quality);
        const double density = ReadNumber(in.currentDensity);
        const double a = ReadNumber(in.centreLimb);

        r.primaryVoltage = NumberText(u1);
        r.secondaryVoltage = NumberText(u2);
        r.secondaryPower = NumberText(power);
        r.centreLimb = NumberText(a);

        r.coreSection = NumberText(Finite(quality * Sqrt(power)));
        const double section = ReadNumber(r.coreSection);
        r.stackDepth = NumberText(Div(section, a) * 10);
        const double perVolt = Finite(4.44 * frequency * flux * section);
        r.primaryTurns = NumberText(Div(u1 * 1e8, perVolt));
        r.secondaryTurns = NumberText(Div(u2 * 1e8, perVolt));

        r.primaryPower = NumberText(Div(power, efficiency / 100));
        const double p1 = ReadNumber(r.primaryPower);
        r.primaryCurrent = NumberText(Div(p1, u1));
        r.secondaryCurrent = NumberText(Div(p1, u2));
        r.primaryDiameter = NumberText(InsulatedDiameter(ReadNumber(r.primaryCurrent), density));
        r.secondaryDiameter =
            NumberText(InsulatedDiameter(ReadNumber(r.secondaryCurrent), density));

        r.bobbinHeight = NumberText(Finite(3 * a * 10 - kFlanges));
        const double hb = ReadNumber(r.bobbinHeight);
        const double d1 = ReadNumber(r.primaryDiameter);
        const double d2 = ReadNumber(r.secondaryDiameter);
        r.primaryPerLayer = NumberText(Div(hb, d1));
        r.secondaryPerLayer = NumberText(Div(hb, d2));
        r.primaryLayers =
            NumberText(Div(ReadNumber(r.primaryTurns), ReadNumber(r.primaryPerLayer)));
        r.secondaryLayers =
            NumberText(Div(ReadNumber(r.secondaryTurns), ReadNumber(r.secondaryPerLayer)));

        // Each layer is one wire thick plus its layer insulation.
        const double k1 = ReadNumber(r.primaryLayers);
        const double k2 = ReadNumber(r.secondaryLayers);
        r.primaryHeight = NumberText(Finite(k1 * d1 + k1 * kLayerInsulation));
        r.secondaryHeight = NumberText(Finite(k2 * d2 + k2 * kLayerInsulation));
        // The E-I shape: a centre limb a wide, two outer limbs a/2 wide, two windows.
        r.windowHeight = NumberText(hb + kFlanges);
        r.windowWidth = NumberText(Finite(ReadNumber(r.primaryHeight) + kWindingInsulation +
                                          ReadNumber(r.secondaryHeight) + kBobbinAllowance));
        r.sheetWidth = NumberText(Finite(2 * ReadNumber(r.windowWidth) + 20 * a));
        r.laminations = NumberText(ReadNumber(r.stackDepth) / kSheetThickness);
    });
}

} // namespace voltaris::transformer
