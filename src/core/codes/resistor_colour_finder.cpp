#include "core/codes/resistor_colour_finder.h"

#include <cstddef>

namespace voltaris::codes {

std::string_view FinderTitle(FinderBandCount bands) {
    switch (bands) {
    case FinderBandCount::Four:
        return "4 Band Direnç Renk Kodunu Bulma";
    case FinderBandCount::Five:
        return "5 Band Direnç Renk Kodunu Bulma";
    case FinderBandCount::Six:
        return "6 Band Direnç Renk Kodunu Bulma";
    }
    return {};
}

int FinderLengthLimit(FinderBandCount bands) {
    return bands == FinderBandCount::Four ? 11 : 12;
}

int FinderDigitBands(FinderBandCount bands) {
    return bands == FinderBandCount::Four ? 2 : 3;
}

FinderResult FindResistorBands(std::string_view text, FinderBandCount bands,
                               FinderTolerance tolerance) {
    FinderResult result;
    // Digits are single bytes in UTF-8, so for accepted text bytes and characters agree.
    for (char c : text)
        if (c < '0' || c > '9')
            return result;
    const int length = static_cast<int>(text.size());
    const int limit = FinderLengthLimit(bands);
    if (length > limit)
        return result;
    result.accepted = true;
    result.title = FinderTitle(bands);
    result.lengthLimit = limit;
    const int k = FinderDigitBands(bands);
    if (length < k)
        return result;

    // Which swatches the mode shows (Shape1 ... Shape6).
    const bool four = bands == FinderBandCount::Four;
    const std::array<bool, 6> shown = {true,  true, true,
                                       !four, true, bands == FinderBandCount::Six};
    for (std::size_t i = 0; i < shown.size(); ++i)
        result.swatches[i].visible = shown[i];
    for (int i = 0; i < k; ++i) {
        const BandColour colour =
            *ColourBandTable::FromDigit(text[static_cast<std::size_t>(i)] - '0');
        result.bands.push_back(colour);
        result.swatches[static_cast<std::size_t>(i)].fill = ColourBandTable::Row(colour).display;
    }
    const BandColour multiplier = *ColourBandTable::FromMultiplierExponent(length - k);
    result.bands.push_back(multiplier);
    result.swatches[static_cast<std::size_t>(k)].fill = ColourBandTable::Row(multiplier).display;
    if (four && tolerance == FinderTolerance::Percent20)
        result.swatches[4].visible = false;
    return result;
}

BandColour FinderToleranceColour(FinderTolerance tolerance) {
    switch (tolerance) {
    case FinderTolerance::Percent1:
        return BandColour::Kahverengi;
    case FinderTolerance::Percent2:
        return BandColour::Kirmizi;
    case FinderTolerance::Percent5:
        return BandColour::Altin;
    case FinderTolerance::Percent10:
        return BandColour::Gumus;
    case FinderTolerance::Percent20:
        break;
    }
    return BandColour::Renksiz;
}

BandColour FinderCoefficientColour(FinderCoefficient coefficient) {
    switch (coefficient) {
    case FinderCoefficient::Ppm100:
        return BandColour::Kahverengi;
    case FinderCoefficient::Ppm50:
        return BandColour::Kirmizi;
    case FinderCoefficient::Ppm15:
        return BandColour::Turuncu;
    case FinderCoefficient::Ppm25:
        return BandColour::Sari;
    case FinderCoefficient::Ppm10:
        return BandColour::Mavi;
    case FinderCoefficient::Ppm5:
        return BandColour::Mor;
    case FinderCoefficient::Ppm1:
        break;
    }
    return BandColour::Beyaz;
}

SwatchUpdate FinderToleranceSwatch(FinderTolerance tolerance) {
    if (tolerance == FinderTolerance::Percent20)
        return {false, std::nullopt};
    return {std::nullopt, ColourBandTable::Row(FinderToleranceColour(tolerance)).display};
}

SwatchUpdate FinderCoefficientSwatch(FinderCoefficient coefficient) {
    return {std::nullopt, ColourBandTable::Row(FinderCoefficientColour(coefficient)).display};
}

FinderBandCountEffect ChooseFinderBandCount(FinderBandCount bands) {
    FinderBandCountEffect effect;
    if (bands != FinderBandCount::Four) {
        effect.percent20Enabled = false;
        effect.chooseTolerance = FinderTolerance::Percent5;
    }
    effect.coefficientGroupVisible = bands == FinderBandCount::Six;
    return effect;
}

} // namespace voltaris::codes
