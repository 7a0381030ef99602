// The transformer design window ("TRANSFORMATÖR HESABI-DEĞERLERİ GİRİNİZ"): a small single-phase
// shell-type (E-I lamination) mains transformer from the wanted secondary power and voltages, the
// lamination data and the current density; every result goes to the results window
// ("TRANSFORMATÖR HESABI-SONUÇLAR").
#pragma once

#include "core/outcome.h"

#include <string>
#include <string_view>

namespace voltaris::transformer {

// The defaults: B and f while "I do not know B" is chosen, c while "I do not know c" is chosen
// (written with a decimal comma, and read as 1.5), and the centre-limb width a.
inline constexpr std::string_view kDefaultFluxDensity = "7000";
inline constexpr std::string_view kDefaultFrequency = "50";
inline constexpr std::string_view kDefaultQuality = "1,5";
inline constexpr std::string_view kDefaultCentreLimb = "3";

// The input window's texts.
struct Inputs {
    std::string power;            // Text1, P2, W
    std::string primaryVoltage;   // Text2, U1, V
    std::string secondaryVoltage; // Text3, U2, V
    std::string fluxDensity;      // Text4, B, gauss
    std::string frequency;        // Text5, f, Hz
    std::string efficiency;       // Text6, η, whole %
    std::string quality;          // Text7, c
    std::string currentDensity;   // Text8, J, A/mm²
    std::string centreLimb;       // Text10, a, cm
};

// The results window's texts, Text1 to Text24 in this order.
struct Results {
    std::string primaryVoltage;    // U1 as given, V
    std::string primaryPower;      // P1, W
    std::string secondaryVoltage;  // U2 as given, V
    std::string secondaryPower;    // P2 as given, W
    std::string primaryCurrent;    // I1, A
    std::string secondaryCurrent;  // I2, A
    std::string primaryTurns;      // N1
    std::string secondaryTurns;    // N2
    std::string primaryDiameter;   // d1, mm, insulated
    std::string secondaryDiameter; // d2, mm, insulated
    std::string primaryPerLayer;   // w1, turns in one layer
    std::string primaryLayers;     // k1
    std::string secondaryPerLayer; // w2
    std::string secondaryLayers;   // k2
    std::string primaryHeight;     // primary winding build, mm
    std::string secondaryHeight;   // secondary winding build, mm
    std::string centreLimb;        // a as given, cm
    std::string stackDepth;        // b, mm
    std::string coreSection;       // A, cm²
    std::string laminations;       // number of 0.5 mm sheets
    std::string sheetWidth;        // mm
    std::string windowHeight;      // mm
    std::string windowWidth;       // mm
    std::string bobbinHeight;      // hb, inner height of the bobbin, mm
    friend bool operator==(const Results&, const Results&) = default;
};

// "HESAPLA": the results, each in general number text, unrounded. A step that uses an earlier
// result reads the text just written for it. The quality coefficient accepts a decimal comma.
Outcome<Results> Compute(const Inputs& inputs, Results results);

} // namespace voltaris::transformer
