#include "core/conversions/trigonometry.h"
#include "core/lowvoltage/power_common.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

#include <string>

namespace voltaris::power {
namespace {

TEST(PowerFactorList, CountsDownFromOneToZero) {
    const auto& list = PowerFactorList();
    ASSERT_EQ(list.size(), 101u);
    EXPECT_EQ(list.front(), "1.00");
    EXPECT_EQ(list[1], "0.99");
    EXPECT_EQ(list[kDefaultPowerFactorIndex], "0.80");
    EXPECT_EQ(list[30], "0.70");
    EXPECT_EQ(list[99], "0.01");
    // The last count is a residue just below zero: it reads as zero, without a sign.
    EXPECT_EQ(list.back(), "0.00");
    // The counting drifts by a few units in the last place; no entry may show it.
    for (int k = 0; k <= 100; ++k) {
        const int hundredths = (100 - k) % 100;
        const std::string expected = std::to_string((100 - k) / 100) + "." +
                                     (hundredths < 10 ? "0" : "") + std::to_string(hundredths);
        EXPECT_EQ(list[static_cast<std::size_t>(k)], expected) << "entry " << k;
    }
}

TEST(CosineInfo, LeadLineThenThePhaseAngleText) {
    const Message box = CosineInfoMessage("0.80");
    EXPECT_EQ(box.icon, MessageIcon::Information);
    EXPECT_EQ(box.title, "SONUÇ");
    // The lead line, then the phase angle report of the same text, as the list shows it.
    EXPECT_EQ(box.text, "Seçilen Cosinüs Değeri  0.80\n" + trigonometry::PhaseAngleReport("0.80"));
    EXPECT_EQ(box.text.substr(0, box.text.find("...")),
              "Seçilen Cosinüs Değeri  0.80\nBu 0.80 Cosinüs Değerinin Açısı 36.87 Derecedir");
}

TEST(CosineInfo, EndsOfTheList) {
    // cos φ 1: no phase shift; the cotangent and cosecant have a zero denominator and show 0.
    const std::string one = CosineInfoMessage("1.00").text;
    EXPECT_EQ(one.rfind("Seçilen Cosinüs Değeri  1.00\nBu 1.00 Cosinüs Değerinin Açısı 0.00 "
                        "Derecedir...",
                        0),
              0u);
    EXPECT_NE(one.find("Bu 0.00 Derecenin CoTanjantı  0\n"), std::string::npos);
    EXPECT_NE(one.find("Bu 0.00 Derecenin CoSekantı    0"), std::string::npos);
    // cos φ 0: a right angle, the secant shown as 0.
    const std::string zero = CosineInfoMessage("0.00").text;
    EXPECT_NE(zero.find("Açısı 90.00 Derecedir..."), std::string::npos);
    EXPECT_NE(zero.find("Bu 90.00 Derecenin Sekantı         0\n"), std::string::npos);
    EXPECT_THROW(CosineInfoMessage(""), ComputeFailure);
}

TEST(Horsepower, SevenHundredThirtySixWattsEach) {
    EXPECT_EQ(HorsepowerToWatts("1"), 736);
    EXPECT_EQ(HorsepowerToWatts("2,5"), 1840);
    EXPECT_THROW(HorsepowerToWatts(""), ComputeFailure);
    EXPECT_THROW(HorsepowerToWatts("bir"), ComputeFailure);
    EXPECT_THROW(HorsepowerToWatts("1E306"), ComputeFailure);
}

TEST(Horsepower, MessageShowsTheWattsAtFullPrecision) {
    // 736 × 0.3 is 220.79999999999998 as a double; a 15-digit text would show 220.8.
    const Message box = HorsepowerMessage(HorsepowerToWatts("0.3"));
    EXPECT_EQ(box.title, "SONUÇ");
    EXPECT_EQ(box.icon, MessageIcon::Information);
    EXPECT_EQ(box.text, "Girdiğiniz Beygirgücü(HP) Değeri 220.79999999999998 Watt'a Karşılık "
                        "Gelmektedir.\nHesapladığınız Watt Değeri Aktarılmıştır...");
}

} // namespace
} // namespace voltaris::power
