// The conductor resistance window ("Bir İletkenin Direncini Hesaplama"): the resistance at 20 °C
// of a conductor from its length, section and material, its report, its note and the section of
// a round conductor from its diameter.
#pragma once

#include "core/circuits/conductor_section.h"
#include "core/messages.h"
#include "core/outcome.h"

#include <string>
#include <string_view>
#include <vector>

namespace voltaris::conductor_resistance {

// What the window holds between its commands: its field texts and the resistivity that the last
// compute took from the list (0 before the first), which the report prints.
struct State {
    std::string length;     // Text1, m
    std::string section;    // Text2, mm²
    std::string resistance; // Text4, Ω
    double resistivity = 0;
    friend bool operator==(const State&, const State&) = default;
};

inline constexpr int kDecimals = 12;

// "Hesapla" with list entry `material` chosen (-1: none, the kept resistivity stays): keeps the
// material's resistivity first, then R = (L / S) × resistivity into `resistance`, rounded to 12
// decimals. Fails on a length or section that is no number and on a zero section, keeping the
// resistivity already taken.
Outcome<State> Compute(State state, int material);

// The report of the last compute: the field texts as they stand, the material name the list shows
// now and the resistivity kept from the compute.
std::vector<std::string> ReportLines(const State& state, std::string_view materialText);
inline constexpr std::string_view kReportName = "Bir İletkenin Direncini Hesaplama";

// "Not".
Message NoteMessage();

// "İletkenlinin Kesitini Hesaplama": the section d² × 3.14 / 4 of the diameter asked with
// kDiameterPrompt, written unrounded into the section field, and the box telling so. An answer
// that is not a number warns with warnings::kEnterValueBare.
inline constexpr std::string_view kDiameterPrompt = conductor_section::kDiameterPrompt;
struct SectionAnswer {
    std::string section; // for Text2
    Message message;
};
// Throws ComputeFailure when the section is too large for a number.
SectionAnswer SectionFromDiameter(double diameter);

} // namespace voltaris::conductor_resistance
