// The overhead conductors of Turkish distribution lines, in one table that the overhead line
// drop window and the aluminium conductor weight window both read: bare all-aluminium
// conductors (AAC), steel-reinforced aluminium conductors (ACSR) and aerial bundled cables
// ("Alpek"), each with its construction, diameter, mass, DC resistance at 20 °C and reactance
// per km. The transmission line window takes its steel-reinforced conductors from here too.
// Where each number comes from is written beside it and in the source note.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace voltaris::overhead_conductors {

// The three families, in the order of the windows' option buttons.
enum class Family { Bare, Acsr, Aerial };
inline constexpr Family kFamilies[] = {Family::Bare, Family::Acsr, Family::Aerial};

// "Çıplak Alüminyum İletkenler (AAC)", "Çelik Özlü Alüminyum İletkenler (ACSR)",
// "Alpek Kablolar (Havai Demet Kablo)".
std::string_view FamilyCaption(Family family);

struct Conductor {
    std::string name;      // "ROSE", "SWALLOW", "3x16+25"
    std::string size;      // "4 AWG", "266.8 kcmil"; empty for an aerial cable
    double aluminium = 0;  // aluminium (phase) section, mm²
    double steel = 0;      // steel core section, mm² (0 without a core)
    std::string strands;   // "7" aluminium wires, "6/1" aluminium/steel wires
    double diameter = 0;   // overall diameter, mm (0: an aerial cable, not tabled)
    double mass = 0;       // kg/km (0: an aerial cable, not tabled)
    double resistance = 0; // DC resistance at 20 °C, Ω/km
    double reactance = 0;  // Ω/km at 50 Hz
};

// The conductors of a family in list order: AAC from ROSE (4 AWG) to OXLIP (4/0 AWG), ACSR from
// SWALLOW (3 AWG) to CARDINAL (954 kcmil), aerial cables 1x16+25 to 3x120+95.
const std::vector<Conductor>& Conductors(Family family);

// The bare conductors that have a mass: the AAC and then the ACSR ones.
const std::vector<Conductor>& BareConductors();

// The conductor tables' figures, to fixed decimals: TableFigure(26.6, 2) is "26.60"; a
// conductor's sections "53.51 + 8.92" (aluminium + steel, mm²; the aluminium alone without a
// core), diameter "10.11" (mm), mass "216.1" (kg/km) and R at 20 °C "0.5361" (Ω/km).
std::string TableFigure(double value, int decimals);
std::string SectionsText(const Conductor& conductor);
std::string DiameterText(const Conductor& conductor);
std::string MassText(const Conductor& conductor);
std::string ResistanceText(const Conductor& conductor);

// The resistance of 1350-H19 aluminium at 20 °C (61.0 % IACS), Ω·mm²/m.
inline constexpr double kAluminiumResistivity = 0.028264;
// Reactance of a bare low-voltage overhead line and of an aerial bundled cable, Ω/km.
inline constexpr double kBareLineReactance = 0.3;

// The lines naming the sources of the bare conductors' data: the AAC line and the ACSR lines,
// which the transmission line window shows alone.
inline constexpr std::string_view kAacSourceNote =
    "AAC: Has Çelik Alüminyum İletkenler kataloğu (TS EN 50182 / TS IEC 61089).";
inline constexpr std::string_view kAcsrSourceNote =
    "ACSR: ASTM B232/B232M-11 Tablo 1 (SWALLOW: CSA C49 / TS IEC 1089).\n"
    "R20 = 0.028264 Ω·mm²/m ÷ Al kesiti; örgü payı 1 katta %1.5, çok katta %2.";
// Both, as the overhead line drop and the conductor weight windows show them under their tables.
std::string SourceNote();
// The lines naming the sources of the aerial cables' resistance and of the reactances.
inline constexpr std::string_view kLineSourceNote =
    "Alpek: IEC 60228 sınıf 2 faz iletkeni. X: çıplak hat 0.3 Ω/km (Schneider Electric\n"
    "Cahier Technique 158), Alpek 0.08 Ω/km (Schneider Electric Tesisat Kılavuzu, Bölüm G).";

} // namespace voltaris::overhead_conductors
