#include "core/circuits/led_resistor.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

namespace voltaris::led_resistor {
namespace {

constexpr int kStandard = 0;
constexpr int kBlue = 5;

Fields typed(const char* supply, const char* voltage, const char* current) {
    Fields fields;
    fields.supply = supply;
    fields.voltage = voltage;
    fields.current = current;
    return fields;
}

TEST(LedTypes, TheListWritesEachTypesValues) {
    const auto types = LedTypes();
    ASSERT_EQ(types.size(), 6u);
    const std::pair<const char*, const char*> expected[] = {
        {"2", "20"}, {"2", "2"}, {"2", "30"}, {"1.8", "30"}, {"1.8", "30"}, {"3.3", "30"}};
    for (int i = 0; i < 6; ++i) {
        Fields fields = typed("12", "9", "99");
        ShowLedType(i, fields);
        EXPECT_EQ(fields.voltage, expected[i].first) << types[i].name;
        EXPECT_EQ(fields.current, expected[i].second) << types[i].name;
        EXPECT_EQ(fields.supply, "12");
    }
    EXPECT_EQ(types[kBlue].name, "Standard Blue-Standart Mavi");
}

TEST(LedCompute, TypedAndListedValuesGiveTheSameResistor) {
    const auto listed = Compute(kStandard, typed("12", "", ""));
    ASSERT_FALSE(listed.failed);
    EXPECT_EQ(listed.texts.voltage, "2");
    EXPECT_EQ(listed.texts.current, "20");
    EXPECT_EQ(listed.texts.resistance, "500");
    EXPECT_EQ(listed.texts.power, "0.2");
    EXPECT_EQ(listed.texts.currentAmpere, 0.02);
    EXPECT_EQ(Compute(std::nullopt, typed("12", "2", "20")).texts, listed.texts);

    // The list's values replace whatever the fields held.
    EXPECT_EQ(Compute(kStandard, typed("12", "5", "1")).texts, listed.texts);
}

TEST(LedCompute, ResultsAreUnrounded) {
    const auto blue = Compute(kBlue, typed("5", "", ""));
    EXPECT_EQ(blue.texts.resistance, "56.6666666666667");
    EXPECT_EQ(blue.texts.power, "0.051");
    EXPECT_EQ(blue.texts.currentAmpere, 0.03);
}

TEST(LedCompute, ASupplyBelowTheLedGivesANegativeResistor) {
    const auto low = Compute(std::nullopt, typed("1", "2", "20"));
    ASSERT_FALSE(low.failed);
    EXPECT_EQ(low.texts.resistance, "-50");
    EXPECT_EQ(low.texts.power, "-0.02");
}

TEST(LedCompute, FailuresKeepTheEarlierResults) {
    Fields before = typed("12", "2", "0");
    before.resistance = "500";
    before.power = "0.2";
    before.currentAmpere = 0.02;
    const auto zeroCurrent = Compute(std::nullopt, before);
    EXPECT_TRUE(zeroCurrent.failed);
    EXPECT_EQ(zeroCurrent.texts, before);

    // From the list, its values are written before the empty supply fails.
    const auto noSupply = Compute(kBlue, typed("", "", ""));
    EXPECT_TRUE(noSupply.failed);
    EXPECT_EQ(noSupply.texts.voltage, "3.3");
    EXPECT_EQ(noSupply.texts.current, "30");
    EXPECT_EQ(noSupply.texts.resistance, "");
}

TEST(LedReport, LinesFollowTheFieldsAndTheKeptCurrent) {
    auto fields = Compute(kStandard, typed("12", "", "")).texts;
    const std::vector<std::string> expected = {
        "LED'e Bağlanacak Seri Direnç Hesabı:",
        "Uygulanacak Gerilim: 12 Volt",
        "LED'in İhtiyaç Duyduğu Gerilim: 2 Volt",
        "LED'in İhtiyaç Duyduğu Akım: 20 miliAmper = 0.02 Amper'dir.",
        "",
        "R = (Uygulancak Gerilim - LED'in Gerilimi) / LED'in Akımı",
        "R = (12 - 2) / 0.02",
        "R = 500 Ohm",
        "",
        "W = (LED'in Akımı^2) x LED'e Bağlanacak Seri Direnç ",
        "W = (0.02^2) x 500",
        "W = 0.2 Watt",
    };
    EXPECT_EQ(ReportLines(fields), expected);

    // A current edited after the computation shows as edited, beside the kept ampere value.
    fields.current = "25";
    EXPECT_EQ(ReportLines(fields)[3],
              "LED'in İhtiyaç Duyduğu Akım: 25 miliAmper = 0.02 Amper'dir.");
}

} // namespace
} // namespace voltaris::led_resistor
