// ColourBandTable: the band colours with their display colours, digits, multipliers,
// tolerances and temperature coefficients, shared by every colour-code window (the resistor
// reading and finding windows, the capacitor colour and coil windows take names and display
// colours from here; the coil and capacitor windows keep their own meanings).
#pragma once

#include "core/codes/code_common.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::codes {

// The rows of the table, in the table's order.
enum class BandColour {
    Siyah,
    Kahverengi,
    Kirmizi,
    Turuncu,
    Sari,
    Yesil,
    Mavi,
    Mor,
    Gri,
    Beyaz,
    Altin,
    Gumus,
    Renksiz,
};

struct ColourBandRow {
    BandColour colour;
    std::string_view name;      // shown exactly so: "SİYAH", "KAHVERENGİ", ...
    std::optional<Rgb> display; // swatch fill; empty for "RENKSİZ" (the swatch is hidden)
    std::optional<int> digit;   // 0 to 9
    std::optional<double> multiplier;
    std::string_view toleranceText; // "±%5"; empty where the colour has no tolerance
    std::optional<double> tolerancePercent;
    std::string_view temperatureCoefficientText; // "±100*10^-6/K=(100 PPM)"; empty where none
    std::optional<double> temperatureCoefficientPpm;
};

class ColourBandTable {
public:
    static constexpr std::size_t kRowCount = 13;

    static const std::array<ColourBandRow, kRowCount>& Rows();
    static const ColourBandRow& Row(BandColour colour);
    static std::string_view Name(BandColour colour);
    // The swatch of a band of this colour: shown and filled, or hidden for "RENKSİZ".
    static SwatchUpdate Swatch(BandColour colour);
    // The row whose digit is `digit` (0 to 9).
    static std::optional<BandColour> FromDigit(int digit);
    // The row whose multiplier is 10 to the power `exponent` (0 "SİYAH" to 9 "BEYAZ").
    static std::optional<BandColour> FromMultiplierExponent(int exponent);
    // The row of an exactly written name.
    static std::optional<BandColour> FromName(std::string_view name);
};

// The names of a list of colours, in order: the entries of a combo box.
std::vector<std::string> ColourNames(const std::vector<BandColour>& colours);

} // namespace voltaris::codes
