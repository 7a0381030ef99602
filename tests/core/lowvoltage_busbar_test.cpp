#include "core/lowvoltage/busbar.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace voltaris::busbar {
namespace {

// The list position of a size of `metal`.
int position(Metal metal, std::string_view size) {
    const auto sizes = Sizes(metal);
    const auto found = std::find_if(sizes.begin(), sizes.end(),
                                    [size](const Size& row) { return row.text == size; });
    EXPECT_NE(found, sizes.end()) << size;
    return static_cast<int>(found - sizes.begin());
}

Fields given(const char* length = "1", const char* price = "1", int bars = 1) {
    Fields fields;
    fields.length = length;
    fields.price = price;
    fields.bars = bars;
    return fields;
}

Outcome<Fields> compute(Metal metal, Finish finish, std::string_view size, Fields fields) {
    return Compute(metal, finish, position(metal, size), std::move(fields));
}

TEST(BusbarSizes, AluminiumListHasTheThreeThickSizesInserted) {
    const auto copper = Sizes(Metal::Copper);
    const auto aluminium = Sizes(Metal::Aluminium);
    ASSERT_EQ(copper.size(), 23u);
    ASSERT_EQ(aluminium.size(), 26u);
    EXPECT_EQ(copper.front().text, "12x2");
    EXPECT_EQ(copper.back().text, "160x10");
    EXPECT_EQ(aluminium[21].text, "100x15");
    EXPECT_EQ(aluminium[23].text, "120x15");
    EXPECT_EQ(aluminium[25].text, "160x15");
    // Both lists agree where they share a size, and each section is the product of its numbers.
    for (const Metal metal : {Metal::Copper, Metal::Aluminium}) {
        for (const Size& row : Sizes(metal)) {
            const std::string text(row.text);
            const auto x = text.find('x');
            EXPECT_EQ(row.section, std::stoi(text.substr(0, x)) * std::stoi(text.substr(x + 1)))
                << text;
        }
    }
    // Only from 40x10 on are there ratings for III and IIII, in both lists.
    EXPECT_FALSE(copper[11].HasFourRatings());
    EXPECT_TRUE(copper[12].HasFourRatings());
    EXPECT_FALSE(aluminium[11].HasFourRatings());
    EXPECT_TRUE(aluminium[12].HasFourRatings());
}

TEST(BusbarCompute, CopperPaintedTwoBars) {
    const auto outcome = compute(Metal::Copper, Finish::Painted, "12x2", given("1", "1", 2));
    ASSERT_FALSE(outcome.failed);
    const Fields& f = outcome.texts;
    EXPECT_EQ(f.section, "24");
    EXPECT_EQ(f.weight, "0.21"); // 0.2136 kg/m
    EXPECT_EQ(f.rating, "250");
    EXPECT_EQ(f.barWeight, "0.21");
    EXPECT_EQ(f.barCost, "0.21");
    EXPECT_EQ(f.totalWeight, "0.42");
    EXPECT_EQ(f.totalCost, "0.42");
    EXPECT_EQ(f.resistance, "0.000741666667"); // 0.0178 / 24 to 12 decimals
    EXPECT_EQ(f.bars, 2);
    EXPECT_FALSE(f.manyBarsEnabled);
}

TEST(BusbarCompute, EachStepReadsTheRoundedTextBefore) {
    // The weight per metre is written as 0.21 (0.2136), and the bar's weight is 0.21 × 100, not
    // 21.36; its cost 21 × 3, not 64.08; the totals multiply the written texts by n.
    const auto chain = compute(Metal::Copper, Finish::Bare, "12x2", given("100", "3", 2));
    EXPECT_EQ(chain.texts.barWeight, "21");
    EXPECT_EQ(chain.texts.barCost, "63");
    EXPECT_EQ(chain.texts.totalWeight, "42");
    EXPECT_EQ(chain.texts.totalCost, "126");
    EXPECT_EQ(chain.texts.rating, "220");

    // 20x5 at 2.5 m: 0.89 kg/m (0.8900000000000001), 2.225 kg rounded to 2.23 (the double is
    // just above the half), the cost 2.23 × 1.5 = 3.345 rounded to 3.34 (just below it).
    const auto rounded = compute(Metal::Copper, Finish::Painted, "20x5", given("2.5", "1.5"));
    EXPECT_EQ(rounded.texts.weight, "0.89");
    EXPECT_EQ(rounded.texts.barWeight, "2.23");
    EXPECT_EQ(rounded.texts.barCost, "3.34");
    EXPECT_EQ(rounded.texts.resistance, "0.000445");
}

TEST(BusbarCompute, ThreeOrFourBarsFallBackToOneOnASizeRatedForTwo) {
    const auto fallback = compute(Metal::Copper, Finish::Painted, "40x5", given("1", "1", 4));
    EXPECT_EQ(fallback.texts.bars, 1);
    EXPECT_FALSE(fallback.texts.manyBarsEnabled);
    EXPECT_EQ(fallback.texts.rating, "600");
    EXPECT_EQ(fallback.texts.totalWeight, fallback.texts.barWeight); // n is 1 again

    const auto three = compute(Metal::Aluminium, Finish::Bare, "12x2", given("1", "1", 3));
    EXPECT_EQ(three.texts.bars, 1);
    EXPECT_EQ(three.texts.rating, "75");

    // Two bars stay two; a size with four ratings enables III and IIII again and keeps IIII.
    const auto two = compute(Metal::Copper, Finish::Painted, "40x5", given("1", "1", 2));
    EXPECT_EQ(two.texts.bars, 2);
    EXPECT_EQ(two.texts.rating, "1000");
    Fields disabled = given("1", "1", 4);
    disabled.manyBarsEnabled = false;
    const auto four = compute(Metal::Copper, Finish::Painted, "40x10", disabled);
    EXPECT_TRUE(four.texts.manyBarsEnabled);
    EXPECT_EQ(four.texts.bars, 4);
    EXPECT_EQ(four.texts.rating, "2800");
}

TEST(BusbarCompute, RatingsByMetalFinishAndBars) {
    EXPECT_EQ(compute(Metal::Aluminium, Finish::Bare, "120x15", given("1", "1", 4)).texts.rating,
              "4750");
    EXPECT_EQ(compute(Metal::Aluminium, Finish::Painted, "60x5", given("1", "1", 3)).texts.rating,
              compute(Metal::Aluminium, Finish::Painted, "40x10", given("1", "1", 3)).texts.rating);
    EXPECT_EQ(compute(Metal::Copper, Finish::Bare, "160x10", given("1", "1", 3)).texts.rating,
              "5200");
    // The aluminium constants: 2.7 kg/dm³ and 0.0285 Ω·mm²/m.
    const auto thick = compute(Metal::Aluminium, Finish::Painted, "160x15", given());
    EXPECT_EQ(thick.texts.weight, "6.48");
    EXPECT_EQ(thick.texts.resistance, "0.000011875");
}

TEST(BusbarCompute, AFailingStepKeepsWhatWasWritten) {
    Fields before = given("", "1", 4);
    before.section = "old S";
    before.barWeight = "old w";
    before.resistance = "old R";

    const auto noSize = Compute(Metal::Copper, Finish::Painted, -1, before);
    EXPECT_TRUE(noSize.failed);
    EXPECT_EQ(noSize.texts, before);

    // No length: the section, weight, rating and the bar count are written, the rest stays.
    const auto noLength = compute(Metal::Copper, Finish::Painted, "40x5", before);
    EXPECT_TRUE(noLength.failed);
    EXPECT_EQ(noLength.texts.section, "200");
    EXPECT_EQ(noLength.texts.rating, "600");
    EXPECT_EQ(noLength.texts.bars, 1);
    EXPECT_EQ(noLength.texts.barWeight, "old w");
    EXPECT_EQ(noLength.texts.resistance, "old R");

    const auto noPrice = compute(Metal::Copper, Finish::Painted, "40x5", given("2", "."));
    EXPECT_TRUE(noPrice.failed);
    EXPECT_EQ(noPrice.texts.barWeight, "3.56");
    EXPECT_EQ(noPrice.texts.barCost, "");
}

TEST(BusbarMenus, WeightAndResistanceToTwoDecimals) {
    EXPECT_EQ(WeightMessage(Metal::Copper, 10, 100),
              "Bakırın Ağırlığı 8.9 kg'dır.\nEk Hesaplama:\nBakırın Direnci 0.18 Ohm'dur...");
    EXPECT_EQ(WeightMessage(Metal::Aluminium, 50, 200), "Alüminyumun Ağırlığı 27 kg'dır.\nEk "
                                                        "Hesaplama:\nAlüminyumun Direnci 0.11 "
                                                        "Ohm'dur...");
    // The resistance of a long thick bar is below a hundredth: it shows as 0.
    EXPECT_EQ(WeightMessage(Metal::Copper, 400, 1),
              "Bakırın Ağırlığı 3.56 kg'dır.\nEk Hesaplama:\nBakırın Direnci 0 Ohm'dur...");
    EXPECT_THROW(WeightMessage(Metal::Copper, 0, 10), ComputeFailure);
    EXPECT_EQ(SectionPrompt(Metal::Aluminium),
              "Alüminyumun Kesitini Milimetrekare (mm²) Cinsinden Giriniz...");
    EXPECT_EQ(LengthPrompt(Metal::Copper), "Bakırın Uzunluğunu Metre (m) Cinsinden Giriniz...");
}

TEST(BusbarMenus, CopperAluminiumConversions) {
    EXPECT_EQ(ConversionMessage(Conversion::CopperToAluminiumDiameter, 10),
              "Alüminyumun Çapı 13 mm'dir...");
    EXPECT_EQ(ConversionMessage(Conversion::AluminiumToCopperDiameter, 3.3),
              "Bakırın Çapı 2.54 mm'dir..."); // 2.541
    EXPECT_EQ(ConversionMessage(Conversion::CopperToAluminiumWeight, 10),
              "Alüminyumun Ağırlığı 4.9 kg'dır...");
    EXPECT_EQ(ConversionMessage(Conversion::AluminiumToCopperWeight, 10),
              "Bakırın Ağırlığı 20.4 kg'dır...");
    EXPECT_EQ(ConversionPrompt(Conversion::AluminiumToCopperWeight),
              "Alüminyumun Ağırlığını Kilogram (kg) Cinsinden Giriniz...");
}

TEST(BusbarNote, Lines) {
    EXPECT_EQ(NoteMessage(), InfoMessage("Programda Kullanılan Değerler:\nÇevre Sıcaklığı 25 °C\n"
                                         "Isınma 30 °C\nDevamlı Yüklenme Akımı (A) - 50 Hz A.C."));
}

} // namespace
} // namespace voltaris::busbar
