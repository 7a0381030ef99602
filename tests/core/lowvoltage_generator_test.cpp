#include "core/lowvoltage/generator.h"

#include <gtest/gtest.h>

namespace voltaris::generator {
namespace {

int IndexOf(const std::vector<Entry>& entries, std::string_view text) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].text == text)
            return static_cast<int>(i);
    ADD_FAILURE() << "no entry " << text;
    return 0;
}

TEST(Generator, ListsShowTheFactorsTheyStandFor) {
    const auto& altitude = AltitudeEntries();
    ASSERT_EQ(altitude.size(), 7u);
    EXPECT_EQ(altitude.front().text, "1000 m'ye kadar (1.00)");
    EXPECT_EQ(altitude[1].text, "1500 m (0.97)");
    EXPECT_EQ(altitude.back().text, "4000 m (0.82)");
    const auto& temperature = TemperatureEntries();
    ASSERT_EQ(temperature.size(), 5u);
    EXPECT_EQ(temperature.front().text, "40 °C'ye kadar (1.00)");
    EXPECT_EQ(temperature.back().text, "60 °C (0.88)");
    // 3 % per step, as the maker's rule says, in the entries and in the tables alike.
    for (std::size_t i = 0; i < altitude.size(); ++i) {
        EXPECT_NEAR(altitude[i].value, 1 - 0.03 * static_cast<double>(i), 1e-12);
        EXPECT_EQ(DeratingTable().rows[i][1],
                  altitude[i].text.substr(altitude[i].text.size() - 5, 4));
    }
    for (std::size_t i = 0; i < temperature.size(); ++i) {
        EXPECT_NEAR(temperature[i].value, 1 - 0.03 * static_cast<double>(i), 1e-12);
        EXPECT_EQ(DeratingTable().rows[i][3],
                  temperature[i].text.substr(temperature[i].text.size() - 5, 4));
    }
    EXPECT_EQ(DeratingTable().rows.front()[0], "1000'e kadar");
    EXPECT_EQ(DeratingTable().rows.front()[2], "40'a kadar");
    // The altitudes run on where the temperatures end.
    EXPECT_EQ(DeratingTable().rows.back()[2], "");

    // The autotransformer's current is the square of its tap.
    EXPECT_NEAR(StartingMethods()[3].value, 0.65 * 0.65, 1e-12);
    EXPECT_EQ(StartingTable().rows[3][2], "0.4225");
    // The fuel page names the density that the litres are computed with.
    EXPECT_NE(kFuelNote.find(NumberText(kDieselDensity)), std::string_view::npos);
}

TEST(Generator, HorsepowerReachesTheMotorFieldInKilowatts) {
    EXPECT_EQ(KilowattsText("7360"), "7.36");
    EXPECT_EQ(KilowattsText("736"), "0.736");
}

TEST(Generator, NextSetSizeIsTheFirstAtLeastTheRating) {
    EXPECT_EQ(NextSetSize(0.5), 10);
    EXPECT_EQ(NextSetSize(125), 125);
    EXPECT_EQ(NextSetSize(125.01), 160);
    EXPECT_EQ(NextSetSize(3150), 3150);
    EXPECT_EQ(NextSetSize(3150.01), std::nullopt);
}

TEST(Generator, SizingWithMotorStartingAndDerating) {
    SizingChoice choice;
    choice.altitude = IndexOf(AltitudeEntries(), "1500 m (0.97)");
    choice.temperature = IndexOf(TemperatureEntries(), "45 °C (0.97)");
    SizingFields start;
    start.load = "100";
    start.motor = "30";
    // Direct on line at 7 × In: 100 kW at 0.8 is 125 kVA; the 30 kW motor's 37.5 kVA start as
    // 262.5 kVA, so the set sees 350 kVA on site, 371.98 kVA rated after 0.9409.
    const Outcome<Sizing> direct = Size(choice, start);
    ASSERT_FALSE(direct.failed);
    const SizingFields& d = direct.texts.fields;
    EXPECT_EQ(d.apparent, "125");
    EXPECT_EQ(d.starting, "262.5");
    EXPECT_EQ(d.onSite, "350");
    EXPECT_EQ(d.factor, "0.9409");
    EXPECT_EQ(d.rating, "371.98");
    EXPECT_EQ(d.setSize, "400");
    EXPECT_EQ(d.setActive, "320");
    EXPECT_FALSE(direct.texts.notice);

    // Star-delta takes a third: 87.5 kVA, 175 kVA on site.
    choice.method = 1;
    const SizingFields starDelta = Size(choice, start).texts.fields;
    EXPECT_EQ(starDelta.starting, "87.5");
    EXPECT_EQ(starDelta.onSite, "175");
    EXPECT_EQ(starDelta.setSize, "200");

    // A motor larger than the load given: nothing else runs while it starts.
    choice.method = 0;
    start.load = "20";
    const SizingFields large = Size(choice, start).texts.fields;
    EXPECT_EQ(large.apparent, "25");
    EXPECT_EQ(large.onSite, "262.5");

    // Without a motor nothing starts; a load of power factor 1 is held by the kW rating (P/0.8).
    SizingChoice unity;
    unity.cosPhi = "1.00";
    const SizingFields resistive =
        Size(unity, {"100", "", "", "", "", "", "", "", ""}).texts.fields;
    EXPECT_EQ(resistive.apparent, "100");
    EXPECT_EQ(resistive.starting, "0");
    EXPECT_EQ(resistive.onSite, "125");
    EXPECT_EQ(resistive.factor, "1");
    EXPECT_EQ(resistive.setSize, "125");
    EXPECT_EQ(resistive.setActive, "100");
}

TEST(Generator, SizingFailuresKeepWhatWasWritten) {
    SizingFields shown{"", "", "a", "b", "c", "d", "e", "f", "g"};
    const Outcome<Sizing> empty = Size({}, shown);
    EXPECT_TRUE(empty.failed);
    EXPECT_EQ(empty.texts.fields, shown);

    // The last power-factor entry is zero: nothing is written.
    shown.load = "10";
    SizingChoice zero;
    zero.cosPhi = "0.00";
    EXPECT_TRUE(Size(zero, shown).failed);
    EXPECT_EQ(Size(zero, shown).texts.fields.apparent, "a");

    // A motor that is no number stops after the load's apparent power.
    shown.motor = ".";
    const Outcome<Sizing> motor = Size({}, shown);
    EXPECT_TRUE(motor.failed);
    EXPECT_EQ(motor.texts.fields.apparent, "12.5");
    EXPECT_EQ(motor.texts.fields.starting, "b");

    // Above the largest size: the sizes are emptied and the user is told.
    const Outcome<Sizing> large = Size({}, {"3000", "", "", "", "", "", "", "f", "g"});
    ASSERT_FALSE(large.failed);
    EXPECT_EQ(large.texts.fields.rating, "3750");
    EXPECT_EQ(large.texts.fields.setSize, "");
    EXPECT_EQ(large.texts.fields.setActive, "");
    ASSERT_TRUE(large.texts.notice);
    EXPECT_EQ(large.texts.notice->title, "BİLGİ");
    EXPECT_EQ(large.texts.notice->text, kAboveSeriesNotice);
}

TEST(Generator, RatedCurrent) {
    EXPECT_EQ(RatedCurrent("100", "400", "").texts, "144.34");
    EXPECT_EQ(RatedCurrent("500", "380", "").texts, "759.67");
    const auto failed = RatedCurrent("", "400", "old");
    EXPECT_TRUE(failed.failed);
    EXPECT_EQ(failed.texts, "old");
    EXPECT_TRUE(RatedCurrent("100", "0", "old").failed);
}

TEST(Generator, FuelReadsEachRoundedStepBack) {
    FuelChoice choice;
    choice.loadLevel = 2; // %75
    const Outcome<FuelFields> fuel = Fuel(choice, {"100", "", "", "", ""});
    ASSERT_FALSE(fuel.failed);
    EXPECT_EQ(fuel.texts.active, "80");
    EXPECT_EQ(fuel.texts.drawn, "60");
    // 60 kW × 220 g/kWh = 13.2 kg/h, 16.0976 l/h at 0.82 kg/l; the day is 24 × 16.1.
    EXPECT_EQ(fuel.texts.hourly, "16.1");
    EXPECT_EQ(fuel.texts.daily, "386.4");

    const Outcome<FuelFields> failed = Fuel({}, {"", "x", "y", "z", "w"});
    EXPECT_TRUE(failed.failed);
    EXPECT_EQ(failed.texts, (FuelFields{"", "x", "y", "z", "w"}));
}

} // namespace
} // namespace voltaris::generator
