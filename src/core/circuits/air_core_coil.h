// The air-core coil window ("Hava Nüveli Bobin Hesaplama"): the inductance in microhenry of a
// single-layer coil (Nagaoka and semi-empirical formulas) and of a multi-layer coil
// (semi-empirical formula), each with the largest wire diameter that fits. Lengths in cm.
#pragma once

#include "core/outcome.h"

#include <span>
#include <string>
#include <string_view>

namespace voltaris::air_core_coil {

// One entry of the Nagaoka list (`Combo1`): the ratio 2r / l as listed, with a decimal comma
// ("0,55"), and its coefficient.
struct NagaokaEntry {
    std::string_view text;
    double coefficient;
};

// The 59 entries in list order, ratios rising from "0,00" to "100,00".
std::span<const NagaokaEntry> NagaokaEntries();

// The ratio an entry's text stands for: its decimal comma read as a decimal point ("1,60" is
// 1.6).
double EntryRatio(std::string_view text);

inline constexpr int kDecimals = 3;

// The single-layer tab.
struct SingleLayer {
    std::string radius;    // Text1, r
    std::string length;    // Text2, l
    std::string turns;     // Text3, N
    int entry = -1;        // Combo1's chosen entry, -1 when none is
    std::string nagaoka;   // Text4, µH
    std::string wire;      // Text5, cm
    std::string empirical; // Text6, µH
    friend bool operator==(const SingleLayer&, const SingleLayer&) = default;
};

// "Hesapla" of the single-layer tab: the first entry whose ratio is greater than q = 2r / l is
// chosen and its coefficient used; when none is, the entry chosen before stays and gives the
// coefficient (with none chosen the compute stops there). Every result is rounded to three
// decimals. A failing step (a text that is no number, a zero length or zero turns) ends the
// compute there, keeping what the earlier steps wrote; the window shows no warning for it.
Outcome<SingleLayer> ComputeSingleLayer(SingleLayer tab);

// The multi-layer tab.
struct MultiLayer {
    std::string radius;     // Text7, mean radius r
    std::string length;     // Text8, l
    std::string depth;      // Text9, winding depth b
    std::string turns;      // Text10, N
    std::string inductance; // Text11, µH
    std::string wire;       // Text12, cm
    friend bool operator==(const MultiLayer&, const MultiLayer&) = default;
};

// "Hesapla" of the multi-layer tab, failing as the single-layer one does.
Outcome<MultiLayer> ComputeMultiLayer(MultiLayer tab);

} // namespace voltaris::air_core_coil
