// Resistor colour code finding, and its round trip through the resistor colour code reading
// windows.
#include "core/codes/resistor_colour_code.h"
#include "core/codes/resistor_colour_finder.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace voltaris::codes {
namespace {

using BC = BandColour;
using FB = FinderBandCount;
constexpr FinderTolerance kFive = FinderTolerance::Percent5;

std::optional<Rgb> fill(BC colour) {
    return ColourBandTable::Row(colour).display;
}

TEST(CodesResistorFinder, FourBandsFortySeven) {
    const auto r = FindResistorBands("47", FB::Four, kFive);
    ASSERT_TRUE(r.accepted);
    EXPECT_EQ(r.title, "4 Band Direnç Renk Kodunu Bulma");
    EXPECT_EQ(r.lengthLimit, 11);
    EXPECT_EQ(r.bands, (std::vector<BC>{BC::Sari, BC::Mor, BC::Siyah}));
    EXPECT_EQ(r.swatches[0], (SwatchUpdate{true, fill(BC::Sari)}));
    EXPECT_EQ(r.swatches[2], (SwatchUpdate{true, fill(BC::Siyah)}));
    EXPECT_EQ(r.swatches[3], (SwatchUpdate{false, std::nullopt}));
    // The tolerance and coefficient swatches take no colour from the value.
    EXPECT_EQ(r.swatches[4], (SwatchUpdate{true, std::nullopt}));
    EXPECT_EQ(r.swatches[5], (SwatchUpdate{false, std::nullopt}));
}

TEST(CodesResistorFinder, LengthLimits) {
    const auto eleven = FindResistorBands("10000000000", FB::Four, kFive);
    ASSERT_TRUE(eleven.accepted);
    EXPECT_EQ(eleven.bands, (std::vector<BC>{BC::Kahverengi, BC::Siyah, BC::Beyaz}));
    EXPECT_FALSE(FindResistorBands("100000000000", FB::Four, kFive).accepted);
    const auto twelve = FindResistorBands("999000000000", FB::Five, kFive);
    ASSERT_TRUE(twelve.accepted);
    EXPECT_EQ(twelve.lengthLimit, 12);
    EXPECT_EQ(twelve.bands.back(), BC::Beyaz);
    EXPECT_FALSE(FindResistorBands("1000000000000", FB::Six, kFive).accepted);
}

TEST(CodesResistorFinder, TooFewDigitsLeaveTheSwatches) {
    for (const auto& [text, bands] : std::vector<std::pair<std::string, FB>>{
             {"99", FB::Five}, {"9", FB::Six}, {"4", FB::Four}, {"", FB::Four}}) {
        const auto r = FindResistorBands(text, bands, kFive);
        ASSERT_TRUE(r.accepted) << text;
        EXPECT_EQ(r.title, FinderTitle(bands)); // the title still follows the mode
        for (const SwatchUpdate& s : r.swatches)
            EXPECT_EQ(s, SwatchUpdate{}) << text;
        EXPECT_TRUE(r.bands.empty());
    }
}

TEST(CodesResistorFinder, FiveAndSixBands) {
    EXPECT_EQ(FindResistorBands("100", FB::Five, kFive).bands,
              (std::vector<BC>{BC::Kahverengi, BC::Siyah, BC::Siyah, BC::Siyah}));
    const auto six = FindResistorBands("220000", FB::Six, kFive);
    EXPECT_EQ(six.bands, (std::vector<BC>{BC::Kirmizi, BC::Kirmizi, BC::Siyah, BC::Turuncu}));
    EXPECT_EQ(six.swatches[3], (SwatchUpdate{true, fill(BC::Turuncu)}));
    EXPECT_EQ(six.swatches[5], (SwatchUpdate{true, std::nullopt}));
    EXPECT_EQ(FinderCoefficientSwatch(FinderCoefficient::Ppm25),
              (SwatchUpdate{std::nullopt, fill(BC::Sari)}));
    EXPECT_EQ(FinderToleranceSwatch(kFive), (SwatchUpdate{std::nullopt, fill(BC::Altin)}));
}

TEST(CodesResistorFinder, LaterDigitsAreCountedNotRead) {
    EXPECT_EQ(FindResistorBands("4750", FB::Four, kFive).bands,
              (std::vector<BC>{BC::Sari, BC::Mor, BC::Kirmizi}));
    EXPECT_EQ(FindResistorBands("4700", FB::Four, kFive).bands.back(), BC::Kirmizi);
    EXPECT_EQ(FindResistorBands("470", FB::Four, kFive).bands.back(), BC::Kahverengi);
}

TEST(CodesResistorFinder, TwentyPercentHidesToleranceSwatch) {
    const auto r = FindResistorBands("470", FB::Four, FinderTolerance::Percent20);
    EXPECT_EQ(r.swatches[4], (SwatchUpdate{false, std::nullopt}));
    EXPECT_EQ(FinderToleranceSwatch(FinderTolerance::Percent20),
              (SwatchUpdate{false, std::nullopt}));
    // Any other tolerance shows it again at the next change of the value.
    EXPECT_EQ(FindResistorBands("470", FB::Four, FinderTolerance::Percent10).swatches[4].visible,
              true);
}

TEST(CodesResistorFinder, BandCountChoice) {
    const auto four = ChooseFinderBandCount(FB::Four);
    EXPECT_TRUE(four.percent20Enabled);
    EXPECT_FALSE(four.chooseTolerance);
    EXPECT_FALSE(four.coefficientGroupVisible);
    const auto five = ChooseFinderBandCount(FB::Five);
    EXPECT_FALSE(five.percent20Enabled);
    EXPECT_EQ(five.chooseTolerance, kFive);
    EXPECT_TRUE(five.emptyValue && five.hideAllSwatches);
    EXPECT_FALSE(five.coefficientGroupVisible);
    EXPECT_TRUE(ChooseFinderBandCount(FB::Six).coefficientGroupVisible);
}

TEST(CodesResistorFinder, PastedNonDigitsAreRefused) {
    for (const char* text : {"4k7", "47a", "a47", " 47", "4.7", "-47", "1e3", "４７", "47\n"}) {
        const auto r = FindResistorBands(text, FB::Four, kFive);
        EXPECT_FALSE(r.accepted) << text;
        EXPECT_TRUE(r.bands.empty());
        for (const SwatchUpdate& s : r.swatches)
            EXPECT_EQ(s, SwatchUpdate{});
    }
}

// The finder's bands read back by the reading window of the same band count give the first k
// digits followed by zeros.
TEST(CodesResistorFinder, RoundTripThroughTheReadingWindows) {
    const std::vector<std::pair<FB, ResistorBandCount>> modes = {
        {FB::Four, ResistorBandCount::Four}, {FB::Five, ResistorBandCount::Five}};
    const std::vector<std::string> values = {"10",   "47",   "99",          "100",
                                             "4700", "4750", "82000",       "123456",
                                             "05",   "00",   "10000000000", "999999999999"};
    for (const auto& [finderBands, readerBands] : modes) {
        const int k = FinderDigitBands(finderBands);
        for (const std::string& value : values) {
            const auto found = FindResistorBands(value, finderBands, kFive);
            if (!found.accepted || static_cast<int>(value.size()) < k)
                continue;
            // Pick each found colour in the reading window's list of that band.
            const auto& lists = ResistorBandLists(readerBands);
            std::vector<int> indices;
            for (std::size_t i = 0; i < found.bands.size(); ++i) {
                const auto& colours = lists[i].colours;
                const auto at = std::find(colours.begin(), colours.end(), found.bands[i]);
                ASSERT_NE(at, colours.end());
                indices.push_back(static_cast<int>(at - colours.begin()));
            }
            indices.push_back(2); // tolerance "ALTIN"
            const auto read = ReadResistorColours(readerBands, indices);
            ASSERT_FALSE(read.warning) << value;
            const double expected =
                std::stod(value.substr(0, static_cast<std::size_t>(k))) *
                std::stod("1e" + std::to_string(value.size() - static_cast<std::size_t>(k)));
            EXPECT_EQ(read.ohm.nominal, NumberText(expected)) << value;
            // The reading window shows the same colours.
            for (std::size_t i = 0; i < found.bands.size(); ++i)
                EXPECT_EQ(read.swatches[i].fill, found.swatches[i].fill) << value;
        }
    }
    EXPECT_EQ(
        ReadResistorColours(ResistorBandCount::Four, std::vector<int>{4, 7, 2, 2}).ohm.nominal,
        "4700");
}

} // namespace
} // namespace voltaris::codes
