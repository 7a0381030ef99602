#include "core/circuits/air_core_coil.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

namespace voltaris::air_core_coil {
namespace {

SingleLayer single(const char* radius, const char* length, const char* turns, int entry = -1) {
    SingleLayer tab;
    tab.radius = radius;
    tab.length = length;
    tab.turns = turns;
    tab.entry = entry;
    return tab;
}

int EntryOf(std::string_view text) {
    const auto entries = NagaokaEntries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].text == text)
            return static_cast<int>(i);
    return -1;
}

TEST(NagaokaList, CommaTextsReadAsRisingDecimals) {
    const auto entries = NagaokaEntries();
    ASSERT_EQ(entries.size(), 59u);
    EXPECT_EQ(entries.front().text, "0,00");
    EXPECT_EQ(entries.back().text, "100,00");
    for (std::size_t i = 1; i < entries.size(); ++i) {
        EXPECT_NE(entries[i].text.find(','), std::string_view::npos) << entries[i].text;
        EXPECT_GT(EntryRatio(entries[i].text), EntryRatio(entries[i - 1].text)) << entries[i].text;
        EXPECT_LT(entries[i].coefficient, entries[i - 1].coefficient) << entries[i].text;
    }
    EXPECT_EQ(EntryRatio("0,55"), 0.55);
    EXPECT_EQ(EntryRatio("1,60"), 1.6);
    EXPECT_EQ(EntryRatio("100,00"), 100);
    EXPECT_EQ(EntryOf("1,50"), -1);
    EXPECT_EQ(entries[static_cast<std::size_t>(EntryOf("1,60"))].coefficient, 0.595);
}

TEST(SingleLayerCoil, ExampleCoil) {
    const auto outcome = ComputeSingleLayer(single("1", "4", "40"));
    ASSERT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.texts.entry, EntryOf("0,55")); // q = 0.5: the first entry above it
    EXPECT_EQ(outcome.texts.nagaoka, "12.681");
    EXPECT_EQ(outcome.texts.wire, "0.1");
    EXPECT_EQ(outcome.texts.empirical, "12.865");
}

TEST(SingleLayerCoil, TheChoiceIsTheFirstEntryAboveTheRatio) {
    // q = 1 equals "1,00" and takes "1,10"; q = 1.5 falls in the gap and takes "1,60".
    EXPECT_EQ(ComputeSingleLayer(single("1", "2", "10")).texts.entry, EntryOf("1,10"));
    EXPECT_EQ(ComputeSingleLayer(single("3", "4", "10")).texts.entry, EntryOf("1,60"));
    // q = 0 takes "0,05": "0,00" is not above it.
    EXPECT_EQ(ComputeSingleLayer(single("0", "4", "10")).texts.entry, EntryOf("0,05"));
    // q = 99.9 takes the last entry, whatever was chosen before.
    EXPECT_EQ(ComputeSingleLayer(single("49.95", "1", "10", 3)).texts.entry, EntryOf("100,00"));
}

TEST(SingleLayerCoil, ARatioAboveTheListKeepsTheChoiceBefore) {
    // q = 200: the entry chosen before gives the coefficient.
    const auto kept = ComputeSingleLayer(single("100", "1", "1", EntryOf("1,00")));
    ASSERT_FALSE(kept.failed);
    EXPECT_EQ(kept.texts.entry, EntryOf("1,00"));
    EXPECT_EQ(kept.texts.nagaoka, "271.622"); // 0.688 × 4 × 10000 × 0.00987 / 1

    // With nothing chosen yet the compute stops there, writing nothing.
    SingleLayer none = single("100", "1", "1");
    none.nagaoka = "1";
    const auto stopped = ComputeSingleLayer(none);
    EXPECT_TRUE(stopped.failed);
    EXPECT_EQ(stopped.texts, none);
}

TEST(SingleLayerCoil, AFailingStepKeepsWhatWasWritten) {
    SingleLayer noTurns = single("1", "4", "0", 7);
    noTurns.wire = "old";
    noTurns.empirical = "old";
    const auto zeroTurns = ComputeSingleLayer(noTurns);
    EXPECT_TRUE(zeroTurns.failed);
    EXPECT_EQ(zeroTurns.texts.entry, EntryOf("0,55"));
    EXPECT_EQ(zeroTurns.texts.nagaoka, "0");
    EXPECT_EQ(zeroTurns.texts.wire, "old");
    EXPECT_EQ(zeroTurns.texts.empirical, "old");

    // A zero length stops before the list is touched.
    const SingleLayer flat = single("1", "0", "40", 7);
    EXPECT_EQ(ComputeSingleLayer(flat).texts, flat);
    EXPECT_TRUE(ComputeSingleLayer(single("1", "4", "")).failed);
}

TEST(MultiLayerCoil, InductanceAndWire) {
    MultiLayer tab{"2", "2", "1", "100", "", ""};
    const auto outcome = ComputeMultiLayer(tab);
    ASSERT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.texts.inductance, "315");
    EXPECT_EQ(outcome.texts.wire, "0.141"); // √(1 × 2 / 100)

    tab.turns = "0";
    const auto zeroTurns = ComputeMultiLayer(tab);
    EXPECT_TRUE(zeroTurns.failed);
    EXPECT_EQ(zeroTurns.texts.inductance, "0");
    EXPECT_EQ(zeroTurns.texts.wire, "");
}

} // namespace
} // namespace voltaris::air_core_coil
