// "Kablolu Elektrik Hatlarında Gerilim Düşümü": the voltage drop, in volts and in percent, of a
// cable line feeding a load given by its power or its current on DC, single-phase or
// three-phase supply, judged against 5 %; the line current and the current ratings of the chosen
// section in earth and in air with their heating verdicts; the report.
#pragma once

#include "core/lowvoltage/cable_line.h"
#include "core/outcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::cable_voltage_drop {

using cable_line::Conductor;
using cable_line::Load;
using cable_line::Supply;
using cable_line::VerdictText;

// The choices and the field and list texts a compute reads.
struct Inputs {
    Load load = Load::Power;
    Supply supply = Supply::Three380;
    Conductor conductor = Conductor::Copper;
    std::string length;       // Text1, m
    std::string conductivity; // Text2, Sm/mm²
    std::string loadValue;    // Text4, W or A
    std::string voltage;      // Text7, V
    std::string cosPhi;       // Combo1
    std::string section;      // the section list shown (Combo3 for aluminium, else Combo2), mm²
    std::string parallel;     // Combo4
};

// What the window keeps from the last compute, each value from the step that reads it: the
// voltage and the number of cables, the ratings of the chosen section (A per cable) and the line
// current.
struct Kept {
    double voltage = 0;
    double parallel = 0;
    double earth = 0;
    double air = 0;
    double current = 0;
    friend bool operator==(const Kept&, const Kept&) = default;
};

// What a compute writes.
struct Texts {
    std::string drop;            // Text5: R12(ΔU), V
    std::string percent;         // Text6: R12(ΔU %)
    std::string current;         // Text3: the line current
    std::string currentSentence; // Label15
    std::string earthCapacity;   // Label16 (copper and aluminium only)
    std::string airCapacity;     // Label17 (copper and aluminium only)
    // Label12 and the background of Text6: the 5 % judgement of the percentage as Text6 shows
    // it; nothing when the compute stopped before it.
    std::optional<VerdictText> limit;
    Kept kept;
};

// The drop and its percentage are rounded to 12 decimals.
inline constexpr int kDecimals = 12;

// "Hesapla": reads U and n and looks up the ratings of the section, then writes ΔU and ΔU %,
// the line current, the capacities (n × rating) and the 5 % judgement, in this order. Fails at
// the first text that is not a number or division by zero, keeping what was written before.
Outcome<Texts> Compute(const Inputs& inputs, Texts start);

// The heating check of the kept line current against n × each kept rating (Label18 in earth,
// Label19 in air); an equal current gives no verdict.
struct HeatingVerdicts {
    std::optional<VerdictText> earth;
    std::optional<VerdictText> air;
};
HeatingVerdicts HeatingCheck(const Kept& kept);

// The report: the choices and field texts as they stand, the voltage and the number of cables
// kept from the last compute, the results shown and the 5 % verdict's caption (Label12).
std::vector<std::string> ReportLines(const Inputs& inputs, const Kept& kept, const Texts& shown,
                                     std::string_view limitCaption);
inline constexpr std::string_view kReportName = "Kablolu Hatlarda Gerilim Düşümü Hesabı";

// "İletkenlinin Kesitini Hesaplama": the "SONUÇ" box with the section d² × 3.14 / 4 of the
// diameter the prompt gave (conductor_section::kDiameterPrompt). Throws ComputeFailure when the
// section is too large for a number.
Message SectionMessage(double diameter);

} // namespace voltaris::cable_voltage_drop
