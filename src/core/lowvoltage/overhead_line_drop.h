// "Havai Hatlarda Gerilim Düşümü Hesabı": the voltage drop of a low-voltage overhead line (bare
// aluminium, steel-reinforced aluminium or aerial bundled cable) feeding loads given by their
// power or their current, single-phase or three-phase, one load at the end of the line or several
// along it (their moment sum), with the resistance and reactance per km of the chosen conductor;
// the drop in volts and in per cent against the 5 % limit, the current at the start of the line
// and the report.
#pragma once

#include "core/lowvoltage/cable_line.h"
#include "core/lowvoltage/overhead_conductors.h"
#include "core/outcome.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::overhead_line_drop {

using cable_line::Load;
using cable_line::Phases;
using cable_line::VerdictText;
using overhead_conductors::Family;

// "Hattın Sonunda Tek Yük" / "Hat Boyunca Dağılmış Yükler (Moment Toplamı)".
enum class Layout { EndLoad, Distributed };

// The rows of loads along the line.
inline constexpr int kLoadRows = 5;

// The voltage a phase choice puts into the voltage field: "220" or "380".
std::string_view VoltageOf(Phases phases);

// The choices and the field and list texts a compute reads.
struct Inputs {
    Load load = Load::Power;
    Phases phases = Phases::Three;
    Layout layout = Layout::EndLoad;
    Family family = Family::Bare;
    int conductor = 0;                            // entry of the conductor list
    std::string voltage;                          // Text1, V
    std::string cosPhi;                           // Combo2
    std::string endLoad;                          // Text2, W or A
    std::string endLength;                        // Text3, m
    std::array<std::string, kLoadRows> loads;     // Text4 to Text8, W or A
    std::array<std::string, kLoadRows> distances; // Text9 to Text13, m from the feeding point
};

// The fields a failed compute shows red when empty, by case: the voltage (Text1) always; with
// one load at the end its load and length (Text2, Text3); with loads along the line the first
// row (Text4, Text9) and both fields of every other row that has only one of them given.
std::vector<std::string> TestedFields(const Inputs& inputs);

// What a compute writes.
struct Texts {
    std::string moment;  // Text14: Σ load × distance, W·m or A·m, 2 decimals
    std::string drop;    // Text15: ΔU, V, 2 decimals
    std::string percent; // Text16: ΔU %, 2 decimals
    std::string current; // Text17: the current at the start of the line, A, 2 decimals
    // Label1 and the background of Text16: the 5 % judgement of the percentage as shown.
    std::optional<VerdictText> limit;
};

// The limit of the drop from the transformer to the farthest consumer, %.
inline constexpr double kLimitPercent = 5;

// "Hesapla": reads U and cos φ, forms the moment, then writes the moment, ΔU, ΔU %, the current
// and the judgement, in this order. Fails at the first text that is not a number, a row with
// only one of its two values, or a division by zero (cos φ 0 with a load given by its power),
// keeping what was written before.
Outcome<Texts> Compute(const Inputs& inputs, Texts start);

// The report of the last compute: its choices, the field texts as they stand and the results
// shown with the judgement's caption.
std::vector<std::string> ReportLines(const Inputs& inputs, const Texts& shown,
                                     std::string_view limitCaption);
inline constexpr std::string_view kReportName = "Havai Hatlarda Gerilim Düşümü Hesabı";

} // namespace voltaris::overhead_line_drop
