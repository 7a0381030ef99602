// The standard cables and overhead conductors the cross-section window offers: copper NYY and
// aluminium NAYY cables of 2, 3, 3+1 and 4 cores with their current ratings in earth and in air
// and the resistance and reactance per km of their conductors, bare aluminium conductors and
// aerial bundled cables ("Alpek") with their ratings.
#pragma once

#include "core/lowvoltage/cable_ratings.h"

#include <string>
#include <string_view>
#include <vector>

namespace voltaris::cable_tables {

using cable_ratings::Metal;

// One cable of a page: its list text, the section of its phase conductors, its ratings (A) and
// its conductor's resistance R and reactance X (Ω/km).
struct Cable {
    std::string name; // "4x25", "3x25+16"
    double size;      // mm²
    double earth;
    double air;
    double resistance;
    double reactance;
};

// One page of cables: its caption ("3 Damarlı NYY Kablolar") and its cables in list order.
struct CablePage {
    std::string caption;
    std::vector<Cable> cables;
};

// The four pages of a metal: 2-core, 3-core, 3+1-core and 4-core.
const std::vector<CablePage>& CablePages(Metal metal);

// R: the largest DC resistance at 20 °C of a class 2 (stranded) conductor of that metal and
// section, IEC 60228:2004 table 2 (plain copper and aluminium), Ω/km.
double ConductorResistance(Metal metal, double size);
// X: 0.08 Ω/km for every cable, the value the Schneider Electric Electrical Installation Guide
// (chapter G, voltage drop) takes where the cable's own is not known.
inline constexpr double kCableReactance = 0.08;
// The line naming the sources of R and X, shown under the tables.
inline constexpr std::string_view kSourceNote =
    "R: IEC 60228 sınıf 2 iletkenin 20 °C'deki en büyük DC direnci. X: 0.08 Ω/km, Schneider "
    "Electric Elektrik Tesisatı Kılavuzu (Bölüm G, gerilim düşümü). Akımlar A, R ve X Ω/km.";

// The overhead conductors: bare aluminium conductors (Combo15), single-phase and three-phase
// aerial bundled cables (Combo16, Combo17).
enum class OverheadKind { Bare, SinglePhaseAerial, ThreePhaseAerial };
struct Overhead {
    std::string name; // "ROSE", "3x16+25"
    double rating;    // A
};
struct OverheadPage {
    std::string caption;
    std::vector<Overhead> conductors;
};
const OverheadPage& OverheadConductors(OverheadKind kind);

// The sentence of a chosen overhead conductor with its capacity: "ROSE Alüminyum İletkenin Akım
// Taşıma Kapasitesi 140 Amperdir." or "3x16+25 mm² Alpek Kablonun Akım Taşıma Kapasitesi 70
// Amperdir.".
std::string OverheadCapacitySentence(OverheadKind kind, std::string_view name,
                                     std::string_view capacity);

} // namespace voltaris::cable_tables
