// "Alçak Gerilim 3 Faz Kısa Devre Hesabı": the three-phase short-circuit currents of a
// low-voltage network fed by a distribution transformer, at the start of the line (behind the
// transformer) and at the end of a cable, each for its largest or its smallest case, and the two
// checks of the chosen sections against these currents for the fuse's clearing time.
//
// Window use (`Form39`):
// - "Hesapla" (`Command1`): Compute(inputs, shown); write `Text5` and `Text9` and keep the
//   rest; on a failure the "DEĞERLERİ GİRİNİZ..." warning with `Text1`, `Text3`, `Text4` and
//   `Text10` tested (the operating voltage `Text2` is never read), else show both check groups
//   with their neutral pictures.
// - "Uygunluk Kontrolü" (`Command3`, `Command4`): CheckLineStart and CheckLineEnd with the kept
//   currents, the section lists as they stand and the time fields; a failure shows
//   warnings::kEnterSeconds with the time field tested.
#pragma once

#include "core/outcome.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace voltaris::low_voltage_short_circuit {

// `Combo1` (line start) and `Combo5` (line end): the case computed, with its factor c.
enum class Case { Largest, Smallest };
inline constexpr std::array<std::string_view, 2> kCases = {"En Büyük Kısa Devre Akımı",
                                                           "En Küçük Kısa Devre Akımı"};
inline constexpr Case kDefaultStartCase = Case::Largest;
inline constexpr Case kDefaultEndCase = Case::Smallest;
double CaseFactor(Case c); // 1.05 or 0.95

// `Combo4`: the conductor, with its conductivity k (m / (Ω·mm²)).
enum class Conductor { Copper, Aluminium };
inline constexpr std::array<std::string_view, 2> kConductors = {"Bakır", "Alüminyum"};
double Conductivity(Conductor conductor); // 56 or 35

struct Inputs {
    std::string power;            // Text1, transformer rating S_n in kVA
    std::string shortCircuitVolt; // Text3, u_k in %
    std::string copperLoss;       // Text4, P_cu in W
    Case startCase = kDefaultStartCase;
    Conductor conductor = Conductor::Copper;
    std::string phaseSection;   // Combo2, mm²
    std::string neutralSection; // Combo3, mm²
    std::string length;         // Text10, m
    Case endCase = kDefaultEndCase;
};

// What the window keeps between its commands (impedances in mΩ).
struct Kept {
    double c1 = 0, c2 = 0, k = 0;
    double transformerPower = 0;                        // S_kT, MVA
    double startCurrent = 0;                            // I_k at the line start, kA, as shown
    double phaseResistance = 0, phaseReactance = 0;     // R_L (rounded), X_L
    double neutralResistance = 0, neutralReactance = 0; // R_N (rounded), X_N
    double transformerImpedance = 0, transformerResistance = 0, transformerReactance = 0;
    double endCurrent = 0; // I_k at the line end, kA, as shown
    friend bool operator==(const Kept&, const Kept&) = default;
};

struct Results {
    std::string startCurrent; // Text5, kA
    std::string endCurrent;   // Text9, kA
    Kept kept;
    friend bool operator==(const Results&, const Results&) = default;
};

// "Hesapla", at 400 V (0.4 kV) between lines and 231 V to neutral:
// S_kT = S_n / (u_k / 100) / 1000; I_k,start = c1 × S_kT / (√3 × 0.4), 0 decimals;
// R = 1.55 × L / (S × k) × 1000 (stored at 2 decimals) and X = 0.09 × L up to 25 mm², 0.08 × L
// from 35 mm², for the phase and the neutral conductor; Z_T = 400² / S_n × u_k / 100,
// R_T = P_cu × (400 / S_n)² / 1000, X_T = √(Z_T² − R_T²); I_k,end = c2 × 231 / Z of the loop,
// 2 decimals. Each value is kept as it is worked out; a step that fails (a text that is no
// number, a zero divisor, a copper loss too large for the impedance) ends the compute there.
Outcome<Results> Compute(const Inputs& inputs, Results shown);

enum class Verdict { Suitable, Unsuitable };

// The line-start check for the clearing time `seconds`: (I_k,start × 1000)² × t against
// 115² × S_L²; larger is unsuitable, smaller suitable, equal gives no verdict. Throws
// ComputeFailure when a text is no number.
std::optional<Verdict> CheckLineStart(double startCurrent, std::string_view phaseSection,
                                      std::string_view seconds);
// The smallest neutral section the line-end current allows for `seconds`:
// I_k,end × 1000 × √t / 115, rounded to 2 decimals. Throws ComputeFailure when it is no number.
double MinimumSection(double endCurrent, std::string_view seconds);
// The line-end check: the neutral section suits when it is at least MinimumSection.
Verdict CheckLineEnd(double endCurrent, std::string_view neutralSection, std::string_view seconds);

} // namespace voltaris::low_voltage_short_circuit
