// Resistor colour code reading, the shared ColourBandTable and the coil window, which reads its
// bands the same way.
#include "core/codes/coil_colour_code.h"
#include "core/codes/colour_band_table.h"
#include "core/codes/resistor_colour_code.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace voltaris::codes {
namespace {

using Bands = ResistorBandCount;

ResistorColourResult read(Bands bands, std::vector<int> indices) {
    return ReadResistorColours(bands, indices);
}

// Entry indices of the colour names within a window's lists (the user's view: pick by name).
std::vector<int> pick(Bands bands, std::vector<std::string> names) {
    const auto& lists = ResistorBandLists(bands);
    std::vector<int> indices;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto entries = lists.at(i).Entries();
        const auto it = std::find(entries.begin(), entries.end(), names[i]);
        EXPECT_NE(it, entries.end()) << names[i] << " is not in list " << i + 1;
        indices.push_back(static_cast<int>(it - entries.begin()));
    }
    return indices;
}

TEST(CodesColourBandTable, TemperatureCoefficientsOfOrangeAndYellowAreNotInOrder) {
    EXPECT_EQ(ColourBandTable::Row(BandColour::Turuncu).temperatureCoefficientPpm, 15.0);
    EXPECT_EQ(ColourBandTable::Row(BandColour::Sari).temperatureCoefficientPpm, 25.0);
}

TEST(CodesColourBandTable, LookUpsRefuseOutOfRange) {
    EXPECT_EQ(ColourBandTable::FromDigit(9), BandColour::Beyaz);
    EXPECT_FALSE(ColourBandTable::FromDigit(10));
    EXPECT_FALSE(ColourBandTable::FromDigit(-1));
    EXPECT_EQ(ColourBandTable::FromMultiplierExponent(0), BandColour::Siyah);
    EXPECT_FALSE(ColourBandTable::FromMultiplierExponent(10));
    EXPECT_EQ(ColourBandTable::FromName("GÜMÜŞ"), BandColour::Gumus);
    EXPECT_FALSE(ColourBandTable::FromName("gümüş"));
}

TEST(CodesColourBandTable, NoColourHidesTheSwatch) {
    EXPECT_EQ(ColourBandTable::Swatch(BandColour::Renksiz), (SwatchUpdate{false, std::nullopt}));
    EXPECT_EQ(ColourBandTable::Swatch(BandColour::Altin), (SwatchUpdate{true, Rgb{192, 192, 0}}));
}

TEST(CodesResistorColour, FourBandExample) {
    const auto r = read(Bands::Four, pick(Bands::Four, {"SARI", "MOR", "KIRMIZI", "ALTIN"}));
    ASSERT_FALSE(r.warning);
    EXPECT_EQ(r.ohm, (RangeTexts{"4700", "4465", "4935"}));
    EXPECT_EQ(r.kiloOhm, (RangeTexts{"4.7", "4.465", "4.935"}));
    EXPECT_EQ(r.megaOhm, (RangeTexts{"0.0047", "0.004465", "0.004935"}));
    EXPECT_EQ(r.toleranceText, "±%5");
    ASSERT_EQ(r.swatches.size(), 4u);
    EXPECT_EQ(r.swatches[0], (SwatchUpdate{true, Rgb{255, 255, 0}}));
    EXPECT_EQ(r.swatches[3], (SwatchUpdate{true, Rgb{192, 192, 0}}));
    EXPECT_FALSE(r.enableTemperatureCommand);
}

TEST(CodesResistorColour, FirstEntriesGiveZeroWithOnePercent) {
    const auto r = read(Bands::Four, {0, 0, 0, 0});
    EXPECT_EQ(r.ohm, (RangeTexts{"0", "0", "0"}));
    EXPECT_EQ(r.megaOhm, (RangeTexts{"0", "0", "0"}));
    EXPECT_EQ(r.toleranceText, "±%1");
}

TEST(CodesResistorColour, SilverMultiplierWithoutToleranceBand) {
    const auto r =
        read(Bands::Four, pick(Bands::Four, {"KAHVERENGİ", "SİYAH", "GÜMÜŞ", "RENKSİZ"}));
    EXPECT_EQ(r.ohm, (RangeTexts{"0.1", "0.08", "0.12"}));
    EXPECT_EQ(r.toleranceText, "±%20");
    EXPECT_EQ(r.swatches[3], (SwatchUpdate{false, std::nullopt}));
    EXPECT_EQ(r.swatches[2].visible, true);
}

TEST(CodesResistorColour, LargestValues) {
    const auto four = read(Bands::Four, pick(Bands::Four, {"BEYAZ", "BEYAZ", "BEYAZ", "ALTIN"}));
    EXPECT_EQ(four.ohm.nominal, "99000000000");
    EXPECT_EQ(four.megaOhm.nominal, "99000");
    const auto five =
        read(Bands::Five, pick(Bands::Five, {"BEYAZ", "BEYAZ", "BEYAZ", "BEYAZ", "ALTIN"}));
    EXPECT_EQ(five.ohm.nominal, "999000000000");
    EXPECT_EQ(five.ohm.maximum, "1048950000000");
}

TEST(CodesResistorColour, FiveBandsAndLeadingBlack) {
    const auto r =
        read(Bands::Five,
             pick(Bands::Five, {"KAHVERENGİ", "SİYAH", "SİYAH", "KAHVERENGİ", "KAHVERENGİ"}));
    EXPECT_EQ(r.ohm, (RangeTexts{"1000", "990", "1010"}));
    const auto black = read(Bands::Four, pick(Bands::Four, {"SİYAH", "KIRMIZI", "SİYAH", "ALTIN"}));
    EXPECT_EQ(black.ohm.nominal, "2");
    const auto gold =
        read(Bands::Five, pick(Bands::Five, {"SARI", "MOR", "SİYAH", "ALTIN", "KIRMIZI"}));
    EXPECT_EQ(gold.ohm, (RangeTexts{"47", "46.06", "47.94"}));
}

TEST(CodesResistorColour, MissingOrForeignChoiceWarns) {
    for (const std::vector<int>& indices :
         {std::vector<int>{-1, 0, 0, 0}, {0, 0, 0, 5}, {0, 0, 12, 0}, {0, 0, 0}, {0, 0, 0, 0, 0}}) {
        const auto r = read(Bands::Four, indices);
        ASSERT_TRUE(r.warning);
        EXPECT_EQ(*r.warning, (Message{MessageIcon::Exclamation, "UYARI", "RENKLERİ SEÇİNİZ..."}));
        EXPECT_FALSE(r.reading);
        EXPECT_TRUE(r.swatches.empty());
    }
    // "RENKSİZ" exists only in the 4-band tolerance list.
    EXPECT_TRUE(read(Bands::Five, {1, 0, 0, 0, 4}).warning);
    EXPECT_TRUE(read(Bands::Six, {1, 0, 0, 0, 0, 7}).warning);
}

ResistorColourReading sixBand(std::vector<std::string> names) {
    const auto r = read(Bands::Six, pick(Bands::Six, names));
    EXPECT_TRUE(r.enableTemperatureCommand);
    return *r.reading;
}

TEST(CodesResistorColour, SixBandsShowTheCoefficient) {
    const auto r =
        read(Bands::Six,
             pick(Bands::Six, {"KAHVERENGİ", "SİYAH", "SİYAH", "KAHVERENGİ", "ALTIN", "SARI"}));
    EXPECT_EQ(r.temperatureCoefficientText, "±25*10^-6/K=(25 PPM)");
    EXPECT_EQ(r.toleranceText, "±%5");
    EXPECT_EQ(r.swatches.size(), 6u);
    EXPECT_EQ(r.reading->temperatureCoefficientPpm, 25);
}

TEST(CodesResistorColour, TemperatureOfSixBandResistor) {
    const auto kept =
        sixBand({"KAHVERENGİ", "SİYAH", "SİYAH", "KAHVERENGİ", "KAHVERENGİ", "KAHVERENGİ"});
    const std::string field = "±100*10^-6/K=(100 PPM)";
    const auto at70 = ResistorAtTemperature(kept, TemperatureBase::Nominal, "70", field);
    EXPECT_EQ(at70.message.title, "SONUÇ");
    EXPECT_EQ(at70.message.icon, MessageIcon::Information);
    EXPECT_EQ(at70.message.text,
              "Seçilen Renklere Göre Bu Direncin Sıcaklık Katsayısı ±100*10^-6/K=(100 PPM) "
              "Değeridir.\n"
              "Girdiğiniz Değere Göre Direncin Sıcaklığı 70 °C (Santigrad Derecedir).\n"
              "Seçtiğiniz Renklere Göre Hesaplanan Direnç Değeri 1000 Ohm'dur.\n"
              "Direncin Sıcaklığa Bağlı Olarak Olması Gereken Değeri 1005 Ohm'dur...");
    EXPECT_DOUBLE_EQ(*at70.resistanceAtTemperature, 1005);
    EXPECT_EQ(
        *ResistorAtTemperature(kept, TemperatureBase::Nominal, "20", field).resistanceAtTemperature,
        1000);
    EXPECT_LT(*ResistorAtTemperature(kept, TemperatureBase::Nominal, "-10", field)
                   .resistanceAtTemperature,
              1000);
    // Minimum base: 990 ohm, + 990 x 100e-6 x 50 = 994.95; the comma of a prompt is a point.
    const auto min = ResistorAtTemperature(kept, TemperatureBase::Minimum, "70,0", field);
    EXPECT_NE(min.message.text.find("Hesaplanan Direnç Değeri 990 Ohm'dur."), std::string::npos);
    EXPECT_NE(min.message.text.find("Gereken Değeri 994.95 Ohm'dur..."), std::string::npos);
    const auto max = ResistorAtTemperature(kept, TemperatureBase::Maximum, "20", field);
    EXPECT_EQ(*max.resistanceAtTemperature, 1010);
}

TEST(CodesResistorColour, TemperatureCommandRefusals) {
    const Message warning{MessageIcon::Exclamation, "UYARI",
                          "HESAPLAMA YAPINIZ VE DEĞERİ GİRİNİZ..."};
    const auto kept = sixBand({"KAHVERENGİ", "SİYAH", "SİYAH", "KAHVERENGİ", "ALTIN", "MOR"});
    EXPECT_EQ(ResistorAtTemperature(std::nullopt, TemperatureBase::Nominal, "70", "").message,
              warning);
    for (const char* answer : {"", "abc", ".", "1.2.3"}) {
        const auto r = ResistorAtTemperature(kept, TemperatureBase::Nominal, answer, "x");
        EXPECT_EQ(r.message, warning) << answer;
        EXPECT_FALSE(r.resistanceAtTemperature);
    }
    // An overflow is a failure of the computation too.
    const auto largest = sixBand({"BEYAZ", "BEYAZ", "BEYAZ", "BEYAZ", "ALTIN", "KAHVERENGİ"});
    EXPECT_TRUE(ResistorAtTemperature(largest, TemperatureBase::Nominal, "1e300", "x")
                    .resistanceAtTemperature);
    EXPECT_EQ(ResistorAtTemperature(largest, TemperatureBase::Nominal, "1e308", "x").message.text,
              warning.text);
}

TEST(CodesCoilColour, Values) {
    // "SARI", "MOR", "KAHVERENGİ", "ALTIN"
    auto r = ReadCoilColours(std::vector<int>{4, 7, 1, 5});
    ASSERT_FALSE(r.warning);
    EXPECT_EQ(r.microHenry, (RangeTexts{"470", "446.5", "493.5"}));
    EXPECT_EQ(r.milliHenry.nominal, "0.47");
    EXPECT_EQ(r.henry.nominal, "0.00047");
    EXPECT_EQ(r.toleranceText, "±%5");
    // "KIRMIZI", "KIRMIZI", "SİYAH", "TURUNCU": the coil's own 3 %.
    r = ReadCoilColours(std::vector<int>{2, 2, 0, 3});
    EXPECT_EQ(r.microHenry, (RangeTexts{"22", "21.34", "22.66"}));
    EXPECT_EQ(r.toleranceText, "±%3");
    // "BEYAZ", "BEYAZ", "SARI": the largest value.
    r = ReadCoilColours(std::vector<int>{9, 9, 4, 0});
    EXPECT_EQ(r.microHenry.nominal, "990000");
    EXPECT_EQ(r.henry.nominal, "0.99");
}

TEST(CodesCoilColour, BlackToleranceIsFilledAndNoColourHidden) {
    // "KAHVERENGİ", "SİYAH", "GÜMÜŞ", "SİYAH"
    auto r = ReadCoilColours(std::vector<int>{1, 0, 6, 0});
    EXPECT_EQ(r.microHenry.nominal, "0.1");
    EXPECT_EQ(r.toleranceText, "±%20");
    EXPECT_EQ(r.swatches[3], (SwatchUpdate{true, Rgb{0, 0, 0}}));
    r = ReadCoilColours(std::vector<int>{1, 0, 6, 7});
    EXPECT_EQ(r.swatches[3], (SwatchUpdate{false, std::nullopt}));
    EXPECT_EQ(r.microHenry, (RangeTexts{"0.1", "0.08", "0.12"}));
}

TEST(CodesCoilColour, MultiplierListHasNoNoColourEntry) {
    EXPECT_TRUE(ReadCoilColours(std::vector<int>{1, 0, 7, 0}).warning);
    EXPECT_TRUE(ReadCoilColours(std::vector<int>{1, 0, 0, 8}).warning);
    EXPECT_TRUE(ReadCoilColours(std::vector<int>{1, -1, 0, 0}).warning);
    EXPECT_EQ(ReadCoilColours(std::vector<int>{1, -1, 0, 0}).warning->text, "RENKLERİ SEÇİNİZ...");
}

} // namespace
} // namespace voltaris::codes
