// "Kablo ve İletken Kesit Hesaplama": the conductor cross-section that keeps a line's voltage
// drop within a percentage limit, for a load given by its power or its current on DC,
// single-phase or three-phase supply; the check of a chosen standard cable or overhead conductor
// (its capacity with the heating verdict, its own voltage drop with the limit's verdict); the
// fuse of the line; the report.
#pragma once

#include "core/lowvoltage/cable_line.h"
#include "core/lowvoltage/cable_tables.h"
#include "core/outcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::cable_section {

using cable_line::Load;
using cable_line::Phases;
using cable_line::Supply;
using cable_line::VerdictText;

// The choices and field texts a compute reads.
struct Inputs {
    Load load = Load::Power;
    Supply supply = Supply::Three380;
    std::string length;       // Text1, m
    std::string conductivity; // Text2, Sm/mm²
    std::string limit;        // Text3, %
    std::string loadValue;    // Text4, W or A
    std::string voltage;      // Text7, V
    std::string cosPhi;       // Combo1
    std::string parallel;     // Combo14
};

// The line as the last compute found it, which the selection check judges a cable for.
struct Line {
    Load load = Load::Power;
    Phases phases = Phases::Three;
    double length = 0;    // m
    double loadValue = 0; // W or A
    double voltage = 0;
    double parallel = 1;
    std::string cosPhi;
    std::string limit; // the limit's text, as its verdicts name it
    cable_line::LineCurrent current;
};

// What a compute writes.
struct Texts {
    std::string section;         // Text5: R2(S), mm²
    std::string currentSentence; // the line current's sentence
    std::optional<Line> line;    // set when the compute finished
};

inline constexpr int kDecimals = 2;

// "Hesapla": S by the case (single-phase current-given ignores cos φ), then the line current.
// Fails at the first text that is not a number or division by zero, keeping what was written.
Outcome<Texts> Compute(const Inputs& inputs, Texts start);

// The check of a chosen cable or overhead conductor for the computed line.
struct Selection {
    std::string size;  // "Seçilen Kesit 4x25 mm²'dir." (cables only)
    std::string earth; // the capacity in earth, or an overhead conductor's capacity
    std::string air;   // the capacity in air (cables only)
    std::optional<VerdictText> earthHeating;
    std::optional<VerdictText> airHeating;
    // The cable's own voltage drop in %, rounded to 4 decimals, and its verdict against the
    // limit (cables only; empty where the power factor gives no tangent).
    std::string drop;
    std::optional<VerdictText> dropVerdict;
};
Selection CheckCable(const cable_tables::Cable& cable, const Line& line);
Selection CheckOverhead(cable_tables::OverheadKind kind, const cable_tables::Overhead& conductor,
                        const Line& line);

// The percentage drop of a cable of resistance R and reactance X (Ω/km) for the line, from the
// Schneider Electric guide's ΔU = b × I × (R cos φ + X sin φ) × L (b = √3 on three phases, 2 on
// one phase and on DC, where X drops out), written with the load: on three phases
// 100 × P × L × (R + X tan φ) / (n × U²) for a power P, 100 × √3 × I × cos φ × L × (R + X tan φ)
// / (n × U) for a current I; on one phase and on DC twice the power or current term
// (DC: without cos φ and X). L in km. Throws ComputeFailure for a zero voltage or a power factor
// of 0.
double DropPercent(double resistance, double reactance, const Line& line);

// "Sigorta Değeri Hesapla": the line current of the case (R2), the current of one cable
// (÷ n, R2), the smallest standard fuse at or above that current (the load current a fuse must
// carry) and the smallest standard fuse above the cable's current ÷ the over-current factor (as
// the fuse rating window chooses it). A fuse is empty when no standard rating qualifies.
struct Fuse {
    std::string lineCurrent;
    std::string cableCurrent;
    std::string byCurrent;
    std::string byFactor;
};
// `factor` is the entry of FuseFactorList. Throws ComputeFailure when a text is not a number
// or a divisor is 0.
Fuse FuseFor(const Inputs& inputs, int factor);
const std::vector<std::string>& FuseFactorList(); // "1.1 (Otomatik Sigorta)", "1.4 (NH Sigorta)"
inline constexpr int kDefaultFuseFactor = 1;
inline constexpr std::string_view kFuseTitle = "Sigorta Değeri Hesaplama";

// The report: the choices and field texts as they stand, the section shown and the line
// current of the last compute.
std::vector<std::string> ReportLines(const Inputs& inputs, std::string_view section,
                                     std::string_view current);
inline constexpr std::string_view kReportName = "Kesit Hesabı";

// "Not" beside the limit and "Not" beside the section.
Message LimitNote();
Message SectionNote();

} // namespace voltaris::cable_section
