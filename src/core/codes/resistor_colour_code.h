// Resistor colour code reading: the 4-band (`Form5`), 5-band (`Form7`) and 6-band
// (`Form26`) windows.
//
// Window use:
// - Load: list entries from ResistorBandLists(bands) (each list at index 0), all swatches hidden;
//   6-band: `Option1` chosen, `Command4` disabled.
// - "Hesapla" (`Command1`): ReadResistorColours(bands, {Combo1.index, Combo2.index, ...}); on a
//   warning show it and change nothing; otherwise write the swatches, the nine value fields, the
//   tolerance field, (6-band) the coefficient field and enable `Command4`, and keep `reading`.
// - 6-band `Command4`: ask kResistorTemperaturePrompt (no default; a cancel is the empty answer),
//   then show ResistorAtTemperature(kept reading, option, answer, `Text1`.text).message.
// - "Temizle": empty the fields, hide every swatch, lists to index 0, disable `Command4`; the
//   kept reading stays.
#pragma once

#include "core/codes/code_common.h"
#include "core/codes/colour_band_table.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::codes {

enum class ResistorBandCount { Four = 4, Five = 5, Six = 6 };

inline constexpr std::string_view kResistorSelectColoursMessage = "RENKLERİ SEÇİNİZ...";
inline constexpr std::string_view kResistorTemperatureFailureMessage =
    "HESAPLAMA YAPINIZ VE DEĞERİ GİRİNİZ...";
inline constexpr std::string_view kResistorTemperaturePrompt =
    "Direncin Sıcaklığını °C (Santigrad Derece) Giriniz";

// "4 Band Direnç Renk Kodunu Seçiniz", "5 Band ...", "6 Band ...".
std::string_view ResistorWindowTitle(ResistorBandCount bands);

enum class ResistorBandRole { Digit, Multiplier, Tolerance, TemperatureCoefficient };

// One band list (combo box) of a window.
struct ResistorBandList {
    ResistorBandRole role;
    std::string_view caption;        // "Birinci Renk Kodunu Seçiniz", ...
    std::vector<BandColour> colours; // the entries, in order; their names are the entry texts
    std::vector<std::string> Entries() const { return ColourNames(colours); }
};

// The window's lists in control order: `Combo1`, `Combo2`, ... (4, 5 or 6 lists); band N is
// drawn by `ShapeN`.
const std::vector<ResistorBandList>& ResistorBandLists(ResistorBandCount bands);

// Nominal, minimum and maximum of a value with a tolerance.
struct ValueRange {
    double nominal = 0;
    double minimum = 0;
    double maximum = 0;
};

// R = significand x multiplier; dR = R x t / 100; R - dR, R + dR.
ValueRange ComputeValueRange(double significand, double multiplier, double tolerancePercent);

// RT = R0 + (R0 / 1000000 x ppm) x (T - 20).
double ResistanceAtTemperature(double r0, double ppm, double celsius);

// The three values of a range, each divided by `divisor`, as general number text.
struct RangeTexts {
    std::string nominal;
    std::string minimum;
    std::string maximum;
    friend bool operator==(const RangeTexts&, const RangeTexts&) = default;
};
RangeTexts RangeTextsOf(const ValueRange& range, double divisor);

// The band values a window keeps from its last "Hesapla" (the 6-band temperature command reads
// these, not the lists).
struct ResistorColourReading {
    ResistorBandCount bands = ResistorBandCount::Four;
    std::vector<BandColour> colours; // one per band
    int significand = 0;             // the digit bands side by side: 0 to 99 or 0 to 999
    double multiplier = 1;
    std::string toleranceText;
    double tolerancePercent = 0;
    ValueRange ohm;
    std::string temperatureCoefficientText; // 6-band
    double temperatureCoefficientPpm = 0;   // 6-band
};

struct ResistorColourResult {
    // Set when a band has no chosen entry: show it; nothing else is written.
    std::optional<Message> warning;
    std::vector<SwatchUpdate> swatches;           // `Shape1` ... `ShapeN`, one per band
    RangeTexts ohm;                               // `Text4`, `Text5`, `Text6`
    RangeTexts kiloOhm;                           // `Text7`, `Text8`, `Text9`
    RangeTexts megaOhm;                           // `Text10`, `Text11`, `Text12`
    std::string toleranceText;                    // `Text1` (4/5-band), `Text2` (6-band)
    std::string temperatureCoefficientText;       // 6-band `Text1`
    bool enableTemperatureCommand = false;        // 6-band `Command4`
    std::optional<ResistorColourReading> reading; // to keep
};

// "Hesapla": the chosen index of every list, in control order (-1 for no choice).
ResistorColourResult ReadResistorColours(ResistorBandCount bands, std::span<const int> listIndices);

// `Option1`, `Option2`, `Option3` of the 6-band window.
enum class TemperatureBase { Nominal, Minimum, Maximum };

struct ResistorTemperatureResult {
    Message message;                               // "SONUÇ" with four lines, or the "UYARI" box
    std::optional<double> resistanceAtTemperature; // RT when computed
};

// 6-band `Command4`: `answer` is the prompt's answer ("" when cancelled), `coefficientFieldText`
// the current text of `Text1`.
ResistorTemperatureResult ResistorAtTemperature(const std::optional<ResistorColourReading>& last,
                                                TemperatureBase base, std::string_view answer,
                                                std::string_view coefficientFieldText);

} // namespace voltaris::codes
