#include "core/codes/coil_colour_code.h"

#include <cstddef>

namespace voltaris::codes {

namespace {

using BC = BandColour;

const std::vector<CoilBand> kBands = {
    {BC::Siyah, 1.0, "±%20", 20},   {BC::Kahverengi, 10.0, "±%1", 1},
    {BC::Kirmizi, 100.0, "±%2", 2}, {BC::Turuncu, 1000.0, "±%3", 3},
    {BC::Sari, 10000.0, "±%4", 4},  {BC::Altin, 0.1, "±%5", 5},
    {BC::Gumus, 0.01, "±%10", 10},  {BC::Renksiz, std::nullopt, "±%20", 20},
};

constexpr std::size_t kMultiplierEntries = 7;

std::vector<ResistorBandList> makeLists() {
    const std::vector<ResistorBandList>& resistor = ResistorBandLists(ResistorBandCount::Four);
    std::vector<BC> multipliers;
    std::vector<BC> tolerances;
    for (std::size_t i = 0; i < kBands.size(); ++i) {
        if (i < kMultiplierEntries)
            multipliers.push_back(kBands[i].colour);
        tolerances.push_back(kBands[i].colour);
    }
    return {resistor[0],
            resistor[1],
            {ResistorBandRole::Multiplier, resistor[2].caption, multipliers},
            {ResistorBandRole::Tolerance, resistor[3].caption, tolerances}};
}

} // namespace

const std::vector<CoilBand>& CoilBands() {
    return kBands;
}

const std::vector<ResistorBandList>& CoilBandLists() {
    static const std::vector<ResistorBandList> lists = makeLists();
    return lists;
}

CoilColourResult ReadCoilColours(std::span<const int> listIndices) {
    CoilColourResult result;
    const std::vector<ResistorBandList>& lists = CoilBandLists();
    bool valid = listIndices.size() == lists.size();
    for (std::size_t i = 0; valid && i < lists.size(); ++i)
        valid = listIndices[i] >= 0 &&
                static_cast<std::size_t>(listIndices[i]) < lists[i].colours.size();
    if (!valid) {
        result.warning = WarningMessage(kCoilSelectColoursMessage);
        return result;
    }
    auto index = [&](std::size_t band) { return static_cast<std::size_t>(listIndices[band]); };
    const int d1 = *ColourBandTable::Row(lists[0].colours[index(0)]).digit;
    const int d2 = *ColourBandTable::Row(lists[1].colours[index(1)]).digit;
    const CoilBand& multiplier = kBands[index(2)];
    const CoilBand& tolerance = kBands[index(3)];
    result.swatches = {
        ColourBandTable::Swatch(lists[0].colours[index(0)]),
        ColourBandTable::Swatch(lists[1].colours[index(1)]),
        ColourBandTable::Swatch(multiplier.colour),
        ColourBandTable::Swatch(tolerance.colour), // "SİYAH" black, "RENKSİZ" hidden
    };
    result.value =
        ComputeValueRange(10 * d1 + d2, *multiplier.multiplier, tolerance.tolerancePercent);
    result.microHenry = RangeTextsOf(result.value, 1);
    result.milliHenry = RangeTextsOf(result.value, 1000);
    result.henry = RangeTextsOf(result.value, 1000000);
    result.toleranceText = tolerance.toleranceText;
    return result;
}

} // namespace voltaris::codes
