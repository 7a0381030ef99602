// Coil colour code reading: the coil window `Form16` "4 Band Bobin Renk Kodunu Seçiniz"; it
// works like the 4-band resistor window (resistor_colour_code.h) in microhenry.
//
// Window use:
// - Load and "Temizle": lists from CoilBandLists() at index 0, swatches hidden, fields emptied.
// - "Hesapla" (`Command1`): r = ReadCoilColours({Combo1.index, ..., Combo4.index}); a warning:
//   show it and change nothing; otherwise write the four swatches, the nine value fields and
//   `Text1`.
#pragma once

#include "core/codes/code_common.h"
#include "core/codes/colour_band_table.h"
#include "core/codes/resistor_colour_code.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::codes {

inline constexpr std::string_view kCoilWindowTitle = "4 Band Bobin Renk Kodunu Seçiniz";
inline constexpr std::string_view kCoilSelectColoursMessage = "RENKLERİ SEÇİNİZ...";

// A multiplier or tolerance entry of the coil (its own meanings; names and display colours
// from ColourBandTable).
struct CoilBand {
    BandColour colour;
    std::optional<double> multiplier; // empty for "RENKSİZ"
    std::string_view toleranceText;
    double tolerancePercent;
};
// The eight coil rows; the multiplier list is the first seven, the tolerance list all eight.
const std::vector<CoilBand>& CoilBands();

// `Combo1` ... `Combo4`, in order (digit, digit, multiplier, tolerance).
const std::vector<ResistorBandList>& CoilBandLists();

struct CoilColourResult {
    std::optional<Message> warning;     // a band without a choice: show it, write nothing
    std::vector<SwatchUpdate> swatches; // `Shape1` ... `Shape4`
    RangeTexts microHenry;              // `Text4`, `Text5`, `Text6`
    RangeTexts milliHenry;              // `Text7`, `Text8`, `Text9`
    RangeTexts henry;                   // `Text10`, `Text11`, `Text12`
    std::string toleranceText;          // `Text1`
    ValueRange value;                   // in microhenry
};

CoilColourResult ReadCoilColours(std::span<const int> listIndices);

} // namespace voltaris::codes
