// The unit conversion window ("Birim'ler Arası Çeviri"): a value typed in one unit converted
// into every other unit of its quantity, one tab per quantity, refreshed as it is typed;
// and its "İki Koordinat Arası Mesafe Hesaplama" command.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::unit_conversion {

enum class Tab { Length, Area, Volume, Mass, Energy, MagneticFlux, MagneticFluxDensity };

// One unit of a tab. On the two magnetic tabs choosing the unit also sets the labels over the
// input and over the result; elsewhere those two are empty.
struct Unit {
    std::string_view caption; // "Metre(m)"
    std::string_view inputLabel = {};
    std::string_view resultLabel = {};
};

// A tab's units in the window's order, the first one chosen at opening.
std::span<const Unit> Units(Tab tab);

// What one refresh writes on a tab.
struct Texts {
    std::string selectedUnit; // the text of the "Seçilen Birim" label
    // In Units(tab) order, one per unit; on the two magnetic tabs the single other unit's.
    std::vector<std::string> results;
};

// One refresh of a tab: `unit` is the index of the chosen unit, `input` the input field's text.
// Nothing (every field stays as it is) while the input holds no number.
std::optional<Texts> Convert(Tab tab, std::size_t unit, std::string_view input);

// "İki Koordinat Arası Mesafe Hesaplama": the four prompts, asked in this order (x1, y1, x2, y2);
// the "UYARI" text for an answer that is not a number.
inline constexpr std::array<std::string_view, 4> kCoordinatePrompts = {
    "Birinci Koodinatın X Giriniz...", "Birinci Koodinatın Y Giriniz...",
    "İkinci Koodinatın X Giriniz...", "İkinci Koodinatın Y Giriniz..."};
inline constexpr std::string_view kCoordinateWarning = "DEĞERİ GİRİNİZ";

// The text of the "SONUÇ" box for the two points. Throws ComputeFailure on overflow.
std::string CoordinateDistanceMessage(double x1, double y1, double x2, double y2);

} // namespace voltaris::unit_conversion
