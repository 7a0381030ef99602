#include "core/lowvoltage/power_conversion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace voltaris::power_conversion {
namespace {

Fields Given(std::string power) {
    Fields f;
    f.given = std::move(power);
    return f;
}

TEST(PowerConversion, EachKnownPowerAtFullPrecision) {
    // S known: Q = 1000 × 0.5999999999999999, which a 15-digit text would show as 600.
    Fields f = Compute(Known::Apparent, "0.80", Given("1000")).texts;
    EXPECT_EQ(f.apparent, "1000");
    EXPECT_EQ(f.active, "800");
    EXPECT_EQ(f.reactive, "599.9999999999999");
    // P known: 736 W is one horsepower.
    f = Compute(Known::Active, "0.80", Given("736")).texts;
    EXPECT_EQ(f.apparent, "920");
    EXPECT_EQ(f.active, "736");
    EXPECT_EQ(f.reactive, "551.9999999999999");
    // Q known.
    f = Compute(Known::Reactive, "0.80", Given("600")).texts;
    EXPECT_EQ(f.apparent, "1000.0000000000002");
    EXPECT_EQ(f.active, "800.0000000000002");
    EXPECT_EQ(f.reactive, "600");
}

TEST(PowerConversion, EndsOfThePowerFactorList) {
    Fields f = Compute(Known::Active, "1.00", Given("500")).texts;
    EXPECT_EQ(f.apparent, "500");
    EXPECT_EQ(f.reactive, "0");
    // S known with cos φ 0: all of it is reactive.
    f = Compute(Known::Apparent, "0.00", Given("500")).texts;
    EXPECT_EQ(f.active, "0");
    EXPECT_EQ(f.reactive, "500");
    // Dividing by a zero sine or cosine fails before anything is written.
    for (auto [known, cos] : {std::pair{Known::Reactive, "1.00"}, {Known::Active, "0.00"}}) {
        const auto out = Compute(known, cos, Given("500"));
        EXPECT_TRUE(out.failed);
        EXPECT_EQ(out.texts.apparent, "");
        EXPECT_EQ(out.texts.active, "");
        EXPECT_EQ(out.texts.reactive, "");
    }
}

TEST(PowerConversion, EmptyPowerFailsAfterTheCopy) {
    // S known: the copy into the apparent power comes first, the products fail after it.
    Fields start;
    start.apparent = "1000";
    start.active = "800";
    auto out = Compute(Known::Apparent, "0.80", start);
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.apparent, "");
    EXPECT_EQ(out.texts.active, "800");
    out = Compute(Known::Active, "0.80", start);
    EXPECT_TRUE(out.failed);
    EXPECT_EQ(out.texts.apparent, "1000");
}

TEST(PowerConversion, InputLabelsFollowTheChoice) {
    EXPECT_EQ(LabelsOf(Known::Apparent).caption, "Görünür Gücü Giriniz");
    EXPECT_EQ(LabelsOf(Known::Apparent).unit, "VA");
    EXPECT_EQ(LabelsOf(Known::Active).caption, "Aktif Gücü Giriniz");
    EXPECT_EQ(LabelsOf(Known::Active).unit, " W");
    EXPECT_EQ(LabelsOf(Known::Reactive).caption, "Reaktif Gücü Giriniz");
    EXPECT_EQ(LabelsOf(Known::Reactive).unit, "VAr");
}

TEST(PowerConversionReport, ApparentPowerKnown) {
    const Fields f = Compute(Known::Apparent, "0.80", Given("1000")).texts;
    const std::vector<std::string> expected = {
        "Alternatif Akımda Güçlerin Birbirine Çevirilmesi:",
        "Görünür Güç: 1000 VA",
        "Cosinüs: 0.80",
        "Sinüs: 0.5999999999999999",
        "",
        "Aktif Güç:",
        "P = Görünür Güç x Cosinüs",
        "P = 1000 x 0.80",
        "P = 800 Watt",
        "",
        "Reaktif Güç:",
        "Q = Görünür Güç x Sinüs",
        "Q = 1000 x 0.5999999999999999",
        "Q = 599.9999999999999 VAr",
    };
    EXPECT_EQ(ReportLines(Known::Apparent, "0.80", f), expected);
}

TEST(PowerConversionReport, ActivePowerKnownKeepsItsWording) {
    const Fields f = Compute(Known::Active, "0.80", Given("736")).texts;
    const std::vector<std::string> expected = {
        "Alternatif Akımda Güçlerin Birbirine Çevirilmesi:",
        "Aktif Güç: 736 Waat",
        "Cosinüs: 0.80",
        "Sinüs: 0.5999999999999999",
        "",
        "Görünüs Güç:",
        "S = Görünür Güç / Cosinüs",
        "S = 736 / 0.80",
        "S = 920 VA",
        "",
        "Reaktif Güç:",
        "Q = Görünür Güç x Sinüs",
        "Q = 920 x 0.5999999999999999",
        "Q = 551.9999999999999 VAr",
    };
    EXPECT_EQ(ReportLines(Known::Active, "0.80", f), expected);
}

TEST(PowerConversionReport, ReactivePowerKnownWithTheListAsItIsNow) {
    const Fields f = Compute(Known::Reactive, "0.80", Given("600")).texts;
    // The list now shows 0.50: the report takes its text and its sine.
    const std::vector<std::string> expected = {
        "Alternatif Akımda Güçlerin Birbirine Çevirilmesi:",
        "Reaktif Güç: 600 VAr",
        "Cosinüs: 0.50",
        "Sinüs: 0.8660254037844386",
        "",
        "Görünüs Güç:",
        "S = Görünür Güç / Sinüs",
        "S = 600 / 0.8660254037844386",
        "S = 1000.0000000000002 VA",
        "",
        "Aktif Güç:",
        "P = Görünür Güç x Cosinüs",
        "P = 1000.0000000000002 x 0.50",
        "P = 800.0000000000002 Watt",
    };
    EXPECT_EQ(ReportLines(Known::Reactive, "0.50", f), expected);
}

} // namespace
} // namespace voltaris::power_conversion
