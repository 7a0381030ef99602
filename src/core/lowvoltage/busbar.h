// The busbar window ("Bara Hesaplama"): for a flat copper or aluminium busbar of a standard size,
// its cross-section, weight per metre and continuous current rating (50 Hz AC, painted or bare,
// one to four bars per phase), and from a length and a price per kilogram its weight, cost and
// resistance; and the small weight and copper-aluminium calculations of its menus.
#pragma once

#include "core/messages.h"
#include "core/outcome.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace voltaris::busbar {

enum class Metal { Copper, Aluminium };
enum class Finish { Painted, Bare };

// Density (kg/dm³) and resistivity (Ω·mm²/m) that the window takes for each metal.
struct MetalConstants {
    double density;
    double resistivity;
};
MetalConstants ConstantsOf(Metal metal);

// One size of the list: its text, its cross-section and its current ratings (A) for one to four
// bars in parallel, painted and bare; 0 where the size has no rating for that many bars.
struct Size {
    std::string_view text; // "40x10"
    int section;           // mm²
    std::array<int, 4> painted;
    std::array<int, 4> bare;
    // Rated for III and IIII as well as for I and II.
    bool HasFourRatings() const { return painted[2] != 0; }
};
// The sizes of a metal in list order: 23 copper, 26 aluminium.
std::span<const Size> Sizes(Metal metal);

// The texts of the window's fields, the bar count chosen (n, 1 to 4) and whether "III" and
// "IIII" may be chosen.
struct Fields {
    std::string section;         // Text1, mm²
    std::string weight;          // Text2, kg/m
    std::string rating;          // Text3, A
    std::string length;          // Text4, m
    std::string barWeight;       // Text5, kg
    std::string price;           // Text6, TL/kg
    std::string barCost;         // Text7, TL
    std::string totalWeight;     // Text8, kg
    std::string totalCost;       // Text9, TL
    std::string resistance;      // Text10, Ω
    int bars = 1;                // n: "I" to "IIII"
    bool manyBarsEnabled = true; // "III" and "IIII"
    friend bool operator==(const Fields&, const Fields&) = default;
};

// The fields as the window opens and as "Temizle" leaves them: the length and price "1".
inline constexpr std::string_view kDefaultLength = "1";
inline constexpr std::string_view kDefaultPrice = "1";

// "Hesapla" for the size at list position `size` (-1: none chosen). Each step reads the fields it
// names as they stand, the results written by the earlier steps included: the weight of a bar
// from Text2 as written, its cost from Text5, the totals from Text5 and Text7. A size rated for
// I and II only takes "I" in place of a chosen "III" or "IIII" and disables both; a size with
// four ratings enables them. No size, or a length or price that is no number, stops the compute
// there (warnings::kEnterValuesAndBusbar).
Outcome<Fields> Compute(Metal metal, Finish finish, int size, Fields fields);

// "Not".
Message NoteMessage();

// The menu's weight calculations ("Bakırın Ağırlığını Hesaplama", "Alüminyumun Ağırlığını
// Hesaplama"): their two prompts, then the "SONUÇ" text with the weight S·L·δ/1000 and the
// resistance r·L/S, both to 2 decimals. Throws ComputeFailure for a section of 0.
std::string_view SectionPrompt(Metal metal);
std::string_view LengthPrompt(Metal metal);
std::string WeightMessage(Metal metal, double section, double length);

// The copper-aluminium conversions of the menu: the prompt, then the "SONUÇ" text of the answer
// times the factor, to 2 decimals.
enum class Conversion {
    CopperToAluminiumDiameter, // mn_CAPBA
    AluminiumToCopperDiameter, // mn_CAPAB
    CopperToAluminiumWeight,   // mn_agırlıkBA
    AluminiumToCopperWeight,   // mn_agırlıkAB
};
std::string_view ConversionPrompt(Conversion conversion);
std::string ConversionMessage(Conversion conversion, double value);

} // namespace voltaris::busbar
