// Resistor colour code finding: the colour finding window `Form6`: the band swatches of a value
// typed in ohm, recomputed at every change of `Text1`.
//
// Window use:
// - Load: all six swatches hidden; choose `Option9`, `Option3`, `Option7` in that order, each
//   with its effect below. `Text1` takes DigitKeyFilter (core/numbers.h) as its key filter.
// - Every change of `Text1`: FindResistorBands(text, bands, tolerance). If !accepted (pasted
//   text with a non-digit, or longer than the limit) put the previous text back and change
//   nothing else; otherwise set the title and the length limit and apply the six swatch updates.
// - A tolerance option: apply FinderToleranceSwatch(option) to `Shape5`.
// - A temperature-coefficient option (or its picture): apply FinderCoefficientSwatch to `Shape6`.
// - A band-count option: apply ChooseFinderBandCount(bands).
// - "Temizle": empty `Text1`, hide the six swatches.
#pragma once

#include "core/codes/code_common.h"
#include "core/codes/colour_band_table.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::codes {

// `Option7`, `Option6`, `Option8`.
enum class FinderBandCount { Four, Five, Six };
// `Option1` to `Option5`: %1, %2, %5, %10, %20.
enum class FinderTolerance { Percent1, Percent2, Percent5, Percent10, Percent20 };
// `Option9` to `Option15` (pictures `Image2` to `Image8`): 100, 50, 15, 25, 10, 5, 1 ppm/K.
enum class FinderCoefficient { Ppm100, Ppm50, Ppm15, Ppm25, Ppm10, Ppm5, Ppm1 };

inline constexpr std::string_view kFinderOpeningTitle = "Direnç Renk Kodunu Bulma";

// "4 Band Direnç Renk Kodunu Bulma", "5 Band ...", "6 Band ...".
std::string_view FinderTitle(FinderBandCount bands);
// The length limit of `Text1`: 11 with 4 bands, 12 with 5 or 6.
int FinderLengthLimit(FinderBandCount bands);
// Digit bands: 2 with 4 bands, 3 with 5 or 6.
int FinderDigitBands(FinderBandCount bands);

struct FinderResult {
    // False for text that is not digits only or is longer than the limit: nothing below applies.
    bool accepted = false;
    std::string title;
    int lengthLimit = 0;
    // `Shape1` ... `Shape6`; all empty (nothing changes) when the text is shorter than the digit
    // bands. `Shape5` and `Shape6` only ever change visibility here.
    std::array<SwatchUpdate, 6> swatches;
    // The digit bands then the multiplier band, when shown (empty otherwise).
    std::vector<BandColour> bands;
};

FinderResult FindResistorBands(std::string_view text, FinderBandCount bands,
                               FinderTolerance tolerance);

// The colour of a tolerance option and of a temperature-coefficient option.
BandColour FinderToleranceColour(FinderTolerance tolerance); // Percent20: "RENKSİZ"
BandColour FinderCoefficientColour(FinderCoefficient coefficient);

// Choosing a tolerance option: the update of `Shape5` ("%20" hides it, the others only fill it).
SwatchUpdate FinderToleranceSwatch(FinderTolerance tolerance);
// Choosing a temperature-coefficient option: the update of `Shape6` (fill only).
SwatchUpdate FinderCoefficientSwatch(FinderCoefficient coefficient);

// Choosing a band-count option.
struct FinderBandCountEffect {
    bool percent20Enabled = true;                   // `Option5`
    std::optional<FinderTolerance> chooseTolerance; // choose it (with its own effect)
    bool emptyValue = true;                         // `Text1` emptied
    bool hideAllSwatches = true;
    bool coefficientGroupVisible = false; // frame "Sıcaklık Katsayısı"
};
FinderBandCountEffect ChooseFinderBandCount(FinderBandCount bands);

} // namespace voltaris::codes
