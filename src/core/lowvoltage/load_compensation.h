// Single-load power-factor correction ("Tek Tek Kompanzasyon"): the capacitor that corrects the
// power factor of one inductive load on a 220 V single-phase or a 380 V three-phase supply, its
// current, its power in kVAr and its capacitance in µF (star and delta on three phases).
//
// Window use (`Form22`):
// - Load: both lists hold the power-factor list, `Combo1` at power::kDefaultPowerFactorIndex
//   ("0.80"), `Combo2` at compensation::kWantedCosDefault ("0.99"); `Text5` holds
//   kDefaultFrequency.
// - "Hesapla" (`Command1`): Compute(supply, inputs, shown results); write every text it gives,
//   keep its tangents; on a failure the "DEĞERLERİ GİRİNİZ..." warning with `Text2`, `Text4`,
//   `Text5` tested, else enable `Command4`.
// - "Rapor Ver" (`Command4`): ReportLines(supply chosen now, field texts, kept tangents) into
//   kReportName.
#pragma once

#include "core/lowvoltage/compensation_common.h"
#include "core/outcome.h"

#include <string>
#include <string_view>
#include <vector>

namespace voltaris::load_compensation {

// `Option1` "1 Faz AC Gerilim (220 V)" and `Option2` "3 Faz AC Gerilim (380 V)".
enum class Supply { SinglePhase, ThreePhase };

inline constexpr std::string_view kDefaultFrequency = "50";

struct Inputs {
    std::string power;      // `Text2`, W
    std::string current;    // `Text4`, A
    std::string presentCos; // `Combo1`, cos φ
    std::string wantedCos;  // `Combo2`, cos θ
    std::string frequency;  // `Text5`, Hz
};

struct Results {
    std::string capacitorCurrent; // `Text1`, A
    std::string capacitorPower;   // `Text7`, kVAr
    std::string capacitance;      // `Text8`, µF: single-phase, or star on three phases
    std::string deltaCapacitance; // `Text9`, µF, three phases only
    compensation::Tangents tangents;
    friend bool operator==(const Results&, const Results&) = default;
};

// The compute, step by step from `shown` (the fields as they stand and the kept tangents): the
// tangents, then the capacitor current, then (single phase) the capacitance from the unrounded
// current and the power, or (three phases) the power and the star and delta capacitances read
// back from the power's rounded text. Every result is rounded to 2 decimals. A step that fails
// (a text that is no number, a power factor of 0, a frequency of 0) ends the compute there.
Outcome<Results> Compute(Supply supply, const Inputs& inputs, Results shown);

inline constexpr std::string_view kReportName = "Tek Tek Kompanzasyon Hesabı";
// The report's lines from the field texts as they stand and the kept tangents.
std::vector<std::string> ReportLines(Supply supply, const Inputs& inputs, const Results& shown);

} // namespace voltaris::load_compensation
