// Distribution poles: the information charts of concrete poles (type by height and top load) and
// of steel lattice poles, and the pole calculation ("Direk Hesaplama"): the wind on the
// conductors and on the pole, the pull of the conductors at a line angle or a dead end, all
// reduced to the top of the pole, and the lightest concrete pole of the chart that carries them.
#pragma once

#include "core/outcome.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace voltaris::poles {

// The concrete pole chart: every height with every top load, a type named by height and load
// ("10I350": 10 m, 350 daN at the top).
std::span<const std::string_view> ConcreteHeights(); // "9.30", "10", ... in metres
std::span<const int> ConcreteTopLoads();             // daN, lightest first
std::string ConcreteType(int heightIndex, int loadIndex);
// The source of the concrete chart and the maker's notes on what a top load means.
std::string_view ConcreteSource();
std::string_view ConcreteNotes();

// A steel lattice pole of the chart.
struct LatticePole {
    std::string_view name;   // "T-10"
    std::string_view duty;   // "Taşıyıcı", "Durdurucu"
    int windSpan;            // aw, m
    int weightSpan;          // ag, m
    std::string_view angle;  // the least angle between the line's sides it may stand in
    int topWidth;            // mm
    int bottomWidth;         // mm
    std::string_view legs;   // angle profile of the legs
    std::string_view braces; // angle profile of the braces
    int weight;              // kg
};
std::span<const LatticePole> LatticePoles();
std::string_view LatticeSource();

// What the pole does in the line: carries it straight or at an angle, or ends it.
enum class Duty { Line, DeadEnd };

// The calculation window's fields.
struct Fields {
    std::string embedment;         // Text1, m in the ground
    std::string topDiameter;       // Text2, cm
    std::string groundDiameter;    // Text3, cm at ground level
    std::string poleWind;          // Text4, wind pressure on the pole, daN/m²
    std::string conductors;        // Text5, number of conductors
    std::string conductorDiameter; // Text6, mm
    std::string windSpan;          // Text7, m
    std::string conductorWind;     // Text8, wind pressure on the conductors, daN/m²
    std::string tension;           // Text9, greatest pull of one conductor, daN
    std::string angle;             // Text10, line angle (deviation from straight), degrees
    std::string conductorLoad;     // Text11, wind on the conductors, daN (2 decimals)
    std::string poleLoad;          // Text12, wind on the pole reduced to its top, daN
    std::string pull;              // Text13, resultant pull of the conductors, daN
    std::string required;          // Text14, top load the pole must carry, daN
    std::string chosen;            // Text15, the lightest concrete pole that carries it
    friend bool operator==(const Fields&, const Fields&) = default;
};

// The index of the lightest top load of the chart not under `required` (daN), if any.
std::optional<int> LightestLoadIndex(double required);

// "Hesapla" for a pole of the chart's height `heightIndex`. When no pole of the chart is strong
// enough, `chosen` is empty and `tooHeavy` is set.
struct Result {
    Outcome<Fields> outcome;
    bool tooHeavy = false;
};
Result Compute(Fields fields, Duty duty, int heightIndex);

// The notice shown when the chart holds no pole strong enough.
std::string TooHeavyText();

} // namespace voltaris::poles
