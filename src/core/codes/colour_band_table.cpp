#include "core/codes/colour_band_table.h"

namespace voltaris::codes {

namespace {

using BC = BandColour;
constexpr std::nullopt_t none = std::nullopt;

const std::array<ColourBandRow, ColourBandTable::kRowCount> kRows = {{
    {BC::Siyah, "SİYAH", Rgb{0, 0, 0}, 0, 1.0, "", none, "", none},
    {BC::Kahverengi, "KAHVERENGİ", Rgb{128, 64, 0}, 1, 10.0, "±%1", 1.0, "±100*10^-6/K=(100 PPM)",
     100.0},
    {BC::Kirmizi, "KIRMIZI", Rgb{255, 0, 0}, 2, 100.0, "±%2", 2.0, "±50*10^-6/K=(50 PPM)", 50.0},
    {BC::Turuncu, "TURUNCU", Rgb{255, 128, 0}, 3, 1000.0, "", none, "±15*10^-6/K=(15 PPM)", 15.0},
    {BC::Sari, "SARI", Rgb{255, 255, 0}, 4, 10000.0, "", none, "±25*10^-6/K=(25 PPM)", 25.0},
    {BC::Yesil, "YEŞİL", Rgb{0, 255, 0}, 5, 100000.0, "", none, "", none},
    {BC::Mavi, "MAVİ", Rgb{0, 0, 255}, 6, 1000000.0, "", none, "±10*10^-6/K=(10 PPM)", 10.0},
    {BC::Mor, "MOR", Rgb{128, 0, 128}, 7, 10000000.0, "", none, "±5*10^-6/K=(5 PPM)", 5.0},
    {BC::Gri, "GRİ", Rgb{128, 128, 128}, 8, 100000000.0, "", none, "", none},
    {BC::Beyaz, "BEYAZ", Rgb{255, 255, 255}, 9, 1000000000.0, "", none, "±1*10^-6/K=(1 PPM)", 1.0},
    {BC::Altin, "ALTIN", Rgb{192, 192, 0}, none, 0.1, "±%5", 5.0, "", none},
    {BC::Gumus, "GÜMÜŞ", Rgb{224, 224, 224}, none, 0.01, "±%10", 10.0, "", none},
    {BC::Renksiz, "RENKSİZ", none, none, none, "±%20", 20.0, "", none},
}};

} // namespace

const std::array<ColourBandRow, ColourBandTable::kRowCount>& ColourBandTable::Rows() {
    return kRows;
}

const ColourBandRow& ColourBandTable::Row(BandColour colour) {
    return kRows[static_cast<std::size_t>(colour)];
}

std::string_view ColourBandTable::Name(BandColour colour) {
    return Row(colour).name;
}

SwatchUpdate ColourBandTable::Swatch(BandColour colour) {
    const ColourBandRow& row = Row(colour);
    if (!row.display)
        return {false, std::nullopt};
    return {true, row.display};
}

std::optional<BandColour> ColourBandTable::FromDigit(int digit) {
    for (const ColourBandRow& row : kRows)
        if (row.digit == digit)
            return row.colour;
    return std::nullopt;
}

std::optional<BandColour> ColourBandTable::FromMultiplierExponent(int exponent) {
    if (exponent < 0 || exponent > 9)
        return std::nullopt;
    return FromDigit(exponent); // the rows of multiplier 10^e are the rows of digit e
}

std::optional<BandColour> ColourBandTable::FromName(std::string_view name) {
    for (const ColourBandRow& row : kRows)
        if (row.name == name)
            return row.colour;
    return std::nullopt;
}

std::vector<std::string> ColourNames(const std::vector<BandColour>& colours) {
    std::vector<std::string> names;
    names.reserve(colours.size());
    for (BandColour colour : colours)
        names.emplace_back(ColourBandTable::Name(colour));
    return names;
}

} // namespace voltaris::codes
