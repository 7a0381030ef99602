// The auxiliary calculations window ("Elektrikte Kullanılan Yardımcı Hesaplamalar"): thirteen
// small textbook formulas, one per page. Each compute reads its field texts (with the unit chosen
// beside a capacitance or an inductance) and returns the result texts in the units the window
// shows beside them, rounded to four significant digits.
#pragma once

#include "core/outcome.h"

#include <array>
#include <string>
#include <string_view>

namespace voltaris::auxiliary {

inline constexpr std::string_view kWindowTitle = "Elektrikte Kullanılan Yardımcı Hesaplamalar";

// The unit lists beside a capacitance and an inductance, and what one unit is in F or H.
inline constexpr std::array<std::string_view, 3> kCapacitanceUnits = {"µF", "nF", "pF"};
inline constexpr std::array<double, 3> kCapacitanceFactors = {1e-6, 1e-9, 1e-12};
inline constexpr std::array<std::string_view, 3> kInductanceUnits = {"H", "mH", "µH"};
inline constexpr std::array<double, 3> kInductanceFactors = {1.0, 1e-3, 1e-6};
inline constexpr int kDefaultCapacitanceUnit = 0; // µF
inline constexpr int kDefaultInductanceUnit = 1;  // mH

// The value of `text` in F (or H) when typed in unit `unit` of the lists above; throws
// ComputeFailure when the text is no number.
double Capacitance(std::string_view text, int unit);
double Inductance(std::string_view text, int unit);

// A result rounded to four significant digits, as general number text.
std::string Rounded(double value);

// Vacuum permittivity ε₀, F/m (CODATA 2018), and the speed of light in vacuum, m/s (exact).
inline constexpr double kVacuumPermittivity = 8.8541878128e-12;
inline constexpr double kSpeedOfLight = 299792458.0;
// The shortening (velocity) factor of a wire antenna against the free-space wavelength.
inline constexpr double kAntennaShortening = 0.95;

// The dielectrics of the plate capacitor page with their relative permittivity at room
// temperature (Serway & Jewett, Physics for Scientists and Engineers, Table 26.1).
struct Dielectric {
    std::string_view name;
    double permittivity;
};
inline constexpr std::array<Dielectric, 16> kDielectrics = {{
    {"Vakum", 1.0},
    {"Hava (Kuru)", 1.00059},
    {"Bakalit", 4.9},
    {"Erimiş Kuvars", 3.78},
    {"Mylar", 3.2},
    {"Neopren Kauçuk", 6.7},
    {"Naylon", 3.4},
    {"Kağıt", 3.7},
    {"Parafinli Kağıt", 3.5},
    {"Polistiren", 2.56},
    {"PVC (Polivinil Klorür)", 3.4},
    {"Porselen", 6.0},
    {"Pyrex Cam", 5.6},
    {"Silikon Yağı", 2.5},
    {"Teflon", 2.1},
    {"Su", 80.0},
}};

// Page 0: J (A/mm²) = I (A) / S (mm²).
Outcome<std::string> CurrentDensity(std::string_view current, std::string_view section,
                                    std::string result);
// Page 1: X_L (Ω) = 2πfL, f in Hz.
Outcome<std::string> InductiveReactance(std::string_view frequency, std::string_view inductance,
                                        int inductanceUnit, std::string result);
// Page 2: X_C (Ω) = 1 / (2πfC), f in Hz.
Outcome<std::string> CapacitiveReactance(std::string_view frequency, std::string_view capacitance,
                                         int capacitanceUnit, std::string result);
// Page 3: Q (µC) = C·U, U in V.
Outcome<std::string> CapacitorCharge(std::string_view capacitance, int capacitanceUnit,
                                     std::string_view voltage, std::string result);
// Page 4: W (J) = ½·C·U², U in V.
Outcome<std::string> CapacitorEnergy(std::string_view capacitance, int capacitanceUnit,
                                     std::string_view voltage, std::string result);
// Page 5: Q (C) = I·t, I in A, t in s.
Outcome<std::string> Charge(std::string_view current, std::string_view time, std::string result);
// Page 6: f (Hz) = 1 / (2π√(LC)).
Outcome<std::string> ResonanceFrequency(std::string_view inductance, int inductanceUnit,
                                        std::string_view capacitance, int capacitanceUnit,
                                        std::string result);
// Page 7: W (J) = ½·L·I², I in A.
Outcome<std::string> CoilEnergy(std::string_view inductance, int inductanceUnit,
                                std::string_view current, std::string result);

// Page 8: from the frequency in MHz, the half-wave and quarter-wave antenna lengths (m):
// λ = c / f shortened by kAntennaShortening.
struct AntennaTexts {
    std::string halfWave;
    std::string quarterWave;
    friend bool operator==(const AntennaTexts&, const AntennaTexts&) = default;
};
Outcome<AntennaTexts> AntennaLength(std::string_view frequency, AntennaTexts texts);

// Page 9: C (pF) = ε₀·εr·A / d, A in cm², d in mm, εr of kDielectrics[dielectric] (-1: none
// chosen, which fails).
Outcome<std::string> PlateCapacitor(std::string_view area, std::string_view distance,
                                    int dielectric, std::string result);

// Page 10: a coil of inductance L in series with R switched onto a DC voltage U: τ = L/R (s),
// at time t (s) the current i = U/R·(1 − e^(−t/τ)) (A), the coil's voltage U·e^(−t/τ) and the
// resistor's i·R (V).
struct CoilTransientTexts {
    std::string timeConstant;
    std::string current;
    std::string coilVoltage;
    std::string resistorVoltage;
    friend bool operator==(const CoilTransientTexts&, const CoilTransientTexts&) = default;
};
Outcome<CoilTransientTexts> CoilOnDirectCurrent(std::string_view voltage,
                                                std::string_view resistance,
                                                std::string_view inductance, int inductanceUnit,
                                                std::string_view time, CoilTransientTexts texts);

// Page 11: a capacitor C charging through R from a DC voltage U: τ = RC (s), at time t (s) the
// capacitor's voltage U·(1 − e^(−t/τ)) (V), the current U/R·e^(−t/τ) (mA), the resistor's
// voltage (V), and 5τ (s), after which it counts as charged (over 99 %).
struct CapacitorTransientTexts {
    std::string timeConstant;
    std::string capacitorVoltage;
    std::string current;
    std::string resistorVoltage;
    std::string chargedAfter;
    friend bool operator==(const CapacitorTransientTexts&,
                           const CapacitorTransientTexts&) = default;
};
Outcome<CapacitorTransientTexts>
CapacitorOnDirectCurrent(std::string_view voltage, std::string_view resistance,
                         std::string_view capacitance, int capacitanceUnit, std::string_view time,
                         CapacitorTransientTexts texts);

// Page 12: the section (mm²) of a conductor of `wires` round wires of diameter d (mm):
// n·π·d²/4.
Outcome<std::string> StrandedSection(std::string_view wires, std::string_view diameter,
                                     std::string result);

} // namespace voltaris::auxiliary
