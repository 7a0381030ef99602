// Capacitor digit and letter codes and capacitor colour codes.
#include "core/codes/capacitor_code.h"
#include "core/codes/capacitor_colour_code.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace voltaris::codes {
namespace {

const Message kRefused{MessageIcon::Exclamation, "UYARI", "Hatalı Kondansatör Kodu"};

std::string pf(const std::string& code) {
    const auto r = ReadCapacitorCode(code);
    EXPECT_FALSE(r.warning) << code;
    EXPECT_TRUE(r.toleranceCommandEnabled);
    return r.picoFarad;
}

bool refused(const std::string& code) {
    const auto r = ReadCapacitorCode(code);
    if (r.warning) {
        EXPECT_EQ(*r.warning, kRefused);
    }
    return r.warning.has_value() && r.picoFarad.empty() && !r.toleranceCommandEnabled;
}

TEST(CodesCapacitorCode, ThreeDigits) {
    const auto r = ReadCapacitorCode("104");
    EXPECT_EQ(r.picoFarad, "100000");
    EXPECT_EQ(r.nanoFarad, "100");
    EXPECT_EQ(r.microFarad, "0.1");
    EXPECT_EQ(r.farad, "0.0000001");
    EXPECT_EQ(r.codeLabel, "104");
    EXPECT_EQ(pf("109"), "10000000000");
    EXPECT_EQ(ReadCapacitorCode("109").farad, "0.01");
    EXPECT_TRUE(refused("012"));
    EXPECT_TRUE(refused("000"));
}

TEST(CodesCapacitorCode, UnitLetters) {
    const auto r = ReadCapacitorCode("4n7");
    EXPECT_EQ(r.picoFarad, "4700");
    EXPECT_EQ(r.nanoFarad, "4.7");
    EXPECT_EQ(ReadCapacitorCode("22u").microFarad, "22");
    EXPECT_EQ(pf("22u"), "22000000");
    EXPECT_EQ(pf("p05"), "0.05");
    EXPECT_EQ(pf("p47"), "0.47");
    EXPECT_EQ(ReadCapacitorCode("u47").microFarad, "0.47");
    EXPECT_EQ(ReadCapacitorCode(".47").microFarad, "0.47");
    EXPECT_EQ(ReadCapacitorCode("n47").nanoFarad, "0.47");
    EXPECT_EQ(pf("4p7"), "4.7");
    EXPECT_EQ(ReadCapacitorCode("2u2").microFarad, "2.2");
    EXPECT_EQ(ReadCapacitorCode("2.2").microFarad, "2.2");
    EXPECT_EQ(pf("47p"), "47");
    EXPECT_EQ(ReadCapacitorCode("10n").nanoFarad, "10");
}

TEST(CodesCapacitorCode, CapitalsAreReadAsSmallLetters) {
    const auto r = ReadCapacitorCode("4N7");
    EXPECT_EQ(r.nanoFarad, "4.7");
    EXPECT_EQ(r.codeLabel, "4n7");
    EXPECT_EQ(ReadCapacitorCode("2U2").codeLabel, "2µ2");
    EXPECT_EQ(ReadCapacitorCode(".47").codeLabel, "µ47");
    EXPECT_TRUE(refused("4I7")); // Turkish small "ı", a refused letter
}

TEST(CodesCapacitorCode, MalformedCodes) {
    for (const char* code :
         {"4k7", "abc", "", "4n", "n4", "nn7", "4-7", "-47", "4µ7", "4 7", "a47", "47z",
          "4\xff"
          "7",
          "p4n"})
        EXPECT_TRUE(refused(code)) << code;
}

TEST(CodesCapacitorCode, OneOrTwoDigitsArePicofarads) {
    EXPECT_EQ(pf("47"), "47");
    EXPECT_EQ(pf("4"), "4");
    EXPECT_EQ(ReadCapacitorCode("47").nanoFarad, "0.047");
}

TEST(CodesCapacitorCode, OnlyTheFirstThreeCharactersAreRead) {
    EXPECT_EQ(pf("1045"), "100000");
    EXPECT_EQ(pf("4n7k"), "4700");
    EXPECT_EQ(ReadCapacitorCode("4n7k").codeLabel, "4n7k");
}

TEST(CodesCapacitorCode, ToleranceBox) {
    const auto z = CapacitorCodeToleranceMessage("100000", 8, "-%20 +%80");
    EXPECT_EQ(z.title, "SONUÇ");
    EXPECT_EQ(z.text,
              "Girilen Değerlere Göre Bu Kondansatörün Toleransı -%20 +%80 'dir. Ve Bu Değer'e "
              "Göre Sonuçlar :\n"
              "PikoFarad'ın Maksimum Tolerans'lı Değeri 180000   Minimum Tolerans'lı Değeri 80000 "
              "PikoFarad'dır...\n"
              "NanoFarad'ın Maksimum Tolerans'lı Değeri 180   Minimum Tolerans'lı Değeri 80 "
              "NanoFarad'dır...\n"
              "MikroFarad'ın Maksimum Tolerans'lı Değeri 0.18   Minimum Tolerans'lı Değeri 0.08 "
              "MikroFarad'dır...\n"
              "Farad'ın Maksimum Tolerans'lı Değeri 0.00000018   Minimum Tolerans'lı Değeri "
              "0.00000008 Farad'dır...");
    const auto j = CapacitorCodeToleranceMessage("100000", kCapacitorDefaultTolerance, "±% 5");
    EXPECT_NE(j.text.find("Değeri 105000   Minimum Tolerans'lı Değeri 95000 PikoFarad"),
              std::string::npos);
    EXPECT_EQ(CapacitorCodeToleranceMessage("", 5, "±% 5"),
              (Message{MessageIcon::Exclamation, "UYARI", "DEĞERİ GİRİNİZ..."}));
    // Found by fuzzing: bounds that overflow showed "i.nf"; they warn like no value.
    EXPECT_EQ(CapacitorCodeToleranceMessage("1.7e308", 8, "-%20 +%80"),
              (Message{MessageIcon::Exclamation, "UYARI", "DEĞERİ GİRİNİZ..."}));
}

TEST(CodesCapacitorCode, ListDisplays) {
    EXPECT_EQ(CapacitorToleranceDisplay(kCapacitorDefaultTolerance), (ListDisplay{"±% 5", "J"}));
    EXPECT_EQ(CapacitorVoltageDisplay(kCapacitorDefaultVoltage), (ListDisplay{"250", "2E"}));
    EXPECT_EQ(CapacitorToleranceDisplay(-1), ListDisplay{});
    EXPECT_EQ(CapacitorVoltageDisplay(7), ListDisplay{});
}

TEST(CodesCapacitorCode, Notes) {
    EXPECT_EQ(CapacitorLettersNote().title, "BİLGİ");
    EXPECT_EQ(CapacitorLettersNote().text,
              "Kod Girişi Yaparken;\nKodlama İçerisindeki harfler şu şekilde giriniz:\np\nn\n"
              "µ yerine de . veya u\nŞeklinde Giriniz...");
}

// --- Capacitor colour code ---

using Kind = CapacitorKind;
std::vector<int> lists(int d1, int d2, int combo3, int combo4 = 0, int combo5 = 0, int combo6 = 0,
                       int combo7 = 0, int combo8 = 0) {
    return {d1, d2, combo3, combo4, combo5, combo6, combo7, combo8};
}

TEST(CodesCapacitorColour, Polyester) {
    // "Kahverengi", "Siyah", "Sarı"; tolerance "Siyah".
    const auto r = ReadCapacitorColours(Kind::Polyester, lists(1, 0, 4));
    ASSERT_FALSE(r.warning);
    EXPECT_EQ(r.picoFarad, "100000");
    EXPECT_EQ(r.nanoFarad, "100");
    EXPECT_EQ(r.microFarad, "0.1");
    EXPECT_EQ(r.farad, "0.0000001");
    EXPECT_EQ(r.tolerance, " ± % 20");
    EXPECT_EQ(r.voltage, "100");
    EXPECT_EQ(r.temperatureCoefficient, "0.10^-6 %C=(0. PPM)");
    EXPECT_EQ(ReadCapacitorColours(Kind::Ceramic, lists(4, 7, 7)).picoFarad, "4.7"); // "Altın"
}

TEST(CodesCapacitorColour, Tantalum) {
    // "Kırmızı", "Kırmızı", "Kahverengi"; voltage "Sarı". Lists 3 to 6 are not read.
    const auto r = ReadCapacitorColours(Kind::Tantalum, lists(2, 2, -1, -1, -1, -1, 1, 1));
    ASSERT_FALSE(r.warning);
    EXPECT_EQ(r.microFarad, "220");
    EXPECT_EQ(r.nanoFarad, "220000");
    EXPECT_EQ(r.picoFarad, "220000000");
    EXPECT_EQ(r.farad, "0.00022");
    EXPECT_EQ(r.voltage, "6.3");
    // No tolerance or coefficient of an earlier reading stays on show.
    EXPECT_EQ(r.tolerance, "");
    EXPECT_EQ(r.temperatureCoefficient, "");
    EXPECT_EQ(ReadCapacitorColours(Kind::Tantalum, lists(2, 2, 0, 0, 0, 0, 3, 6)).microFarad,
              "0.022");
    EXPECT_EQ(CapacitorColourListEntries(7)[4], "Gri ");
}

TEST(CodesCapacitorColour, MissingChoiceWarns) {
    const Message warning{MessageIcon::Exclamation, "UYARI", "RENKLERİ SEÇİNİZ..."};
    EXPECT_EQ(ReadCapacitorColours(Kind::Polyester, lists(1, 0, -1)).warning, warning);
    EXPECT_EQ(ReadCapacitorColours(Kind::Polyester, lists(1, 0, 8)).warning, warning);
    EXPECT_EQ(ReadCapacitorColours(Kind::Ceramic, lists(1, 0, 0, 0, 0, 7)).warning, warning);
    EXPECT_EQ(ReadCapacitorColours(Kind::Tantalum, lists(1, 0, 0, 0, 0, 0, 6)).warning, warning);
    EXPECT_EQ(ReadCapacitorColours(Kind::Polyester, std::vector<int>{1, 0}).warning, warning);
}

TEST(CodesCapacitorColour, CeramicAtTemperature) {
    // 22 pF, "Mavi" (-470 ppm/K), T = 70.
    const auto c = ReadCapacitorColours(Kind::Ceramic, lists(2, 2, 0, 0, 0, 6));
    const auto r = CapacitorAtTemperature("70", 6, c.picoFarad);
    EXPECT_EQ(r.coefficientText, "-470.10^-6 %C=(-470 PPM)");
    EXPECT_DOUBLE_EQ(*r.capacitanceAtTemperature, 21.483);
    EXPECT_EQ(r.message.title, "SONUÇ");
    EXPECT_EQ(
        r.message.text,
        "Seçilen Renklere Göre Bu Kondansatör'ün Sıcaklık Katsayısı -470.10^-6 %C=(-470 PPM) "
        "Değeridir.\n"
        "Girdiğiniz Kondansatör Sıcaklığı 70 °C (Santigrad Derece)\n"
        "Renklere Göre Hesaplanan Kondansatör Değeri 22 PikoFarad\n"
        "Kondansatör'ün Sıcaklığa Bağlı Olarak Olması Gereken Değeri 21.483 PikoFarad'dır...");
    // "Siyah" is 0.1 ppm/K here and writes its own text.
    const auto black = CapacitorAtTemperature("120", 0, "1000000");
    EXPECT_EQ(black.coefficientText, "0.10^-6 %C=(0.1 PPM)");
    EXPECT_DOUBLE_EQ(*black.capacitanceAtTemperature, 1000010);
}

TEST(CodesCapacitorColour, CommandsWithoutAValue) {
    const Message warning{MessageIcon::Exclamation, "UYARI", "HESAPLAMA YAPINIZ ÖNCE..."};
    const auto noAnswer = CapacitorAtTemperature("", 6, "22");
    EXPECT_EQ(noAnswer.message, warning);
    EXPECT_FALSE(noAnswer.coefficientText);
    // The coefficient is written before the value is read.
    const auto noValue = CapacitorAtTemperature("70", 6, "");
    EXPECT_EQ(noValue.message, warning);
    EXPECT_TRUE(noValue.coefficientText);
    EXPECT_EQ(CapacitorColourToleranceMessage("", 0, ""), warning);
    EXPECT_EQ(CapacitorColourToleranceMessage("abc", 0, ""), warning);
    // Found by fuzzing: bounds that overflow showed "i.nf"; they warn like no value.
    EXPECT_EQ(CapacitorColourToleranceMessage("1.7e308", 0, ""), warning);
}

TEST(CodesCapacitorColour, ToleranceBox) {
    const auto m = CapacitorColourToleranceMessage("100000", 0, " ± % 20");
    EXPECT_EQ(m.text.substr(0, m.text.find('\n')),
              "Seçilen Renklere Göre Bu Kondansatör'ün Toleransı  ± % 20'dir. Ve Bu Değerlere Göre "
              "Sonuçlar :");
    EXPECT_NE(m.text.find("Değeri 120000   Minimum Tolerans'lı Değeri 80000 PikoFarad'dır..."),
              std::string::npos);
}

TEST(CodesCapacitorColour, PictureBands) {
    // The fifth band is the voltage of a polyester capacitor, the coefficient of a ceramic one;
    // a tantalum capacitor shows its own multiplier and voltage lists.
    EXPECT_EQ(CapacitorPictureLists(Kind::Polyester, CapacitorBandCount::Five),
              (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(CapacitorPictureLists(Kind::Ceramic, CapacitorBandCount::Five),
              (std::vector<int>{1, 2, 3, 4, 6}));
    EXPECT_EQ(CapacitorPictureLists(Kind::DiscCeramic, CapacitorBandCount::Five),
              (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(CapacitorPictureLists(Kind::Tantalum, CapacitorBandCount::Four),
              (std::vector<int>{1, 2, 7, 8}));

    // Mixed-case names take the resistor table's colours; "Gri " with its blank is grey.
    EXPECT_EQ(CapacitorColourDisplay("Kırmızı"), (Rgb{255, 0, 0}));
    EXPECT_EQ(CapacitorColourDisplay("Gri "), (Rgb{128, 128, 128}));
    EXPECT_EQ(CapacitorColourDisplay("Altın"), (Rgb{192, 192, 0}));
    EXPECT_TRUE(CapacitorColourDisplay("Pembe"));
    EXPECT_FALSE(CapacitorColourDisplay("Lacivert"));

    // Tantalum "Kırmızı", "Kırmızı", multiplier "Mor", voltage "Pembe".
    const auto swatches = CapacitorColourSwatches(Kind::Tantalum, CapacitorBandCount::Four,
                                                  lists(2, 2, 0, 0, 0, 0, 3, 6));
    ASSERT_EQ(swatches.size(), 4u);
    EXPECT_EQ(swatches[2], (SwatchUpdate{true, Rgb{128, 0, 128}}));
    EXPECT_EQ(swatches[3], (SwatchUpdate{true, CapacitorColourDisplay("Pembe")}));
    const auto ceramic =
        CapacitorColourSwatches(Kind::Ceramic, CapacitorBandCount::Five, lists(2, 2, 0, 3, 0, 6));
    EXPECT_EQ(ceramic[3], (SwatchUpdate{true, Rgb{0, 255, 0}})); // tolerance "Yeşil"
    EXPECT_EQ(ceramic[4], (SwatchUpdate{true, Rgb{0, 0, 255}})); // coefficient "Mavi"
}

TEST(CodesCapacitorColour, KindAndBandCountRules) {
    const auto disc = ChooseCapacitorKind(Kind::DiscCeramic);
    EXPECT_EQ(disc.chooseBands, CapacitorBandCount::Four);
    EXPECT_EQ(disc.fiveBandsEnabled, false);
    EXPECT_EQ(disc.command5Enabled, false);
    EXPECT_EQ(disc.command4Enabled, true);
    const auto tantalum = ChooseCapacitorKind(Kind::Tantalum);
    EXPECT_EQ(tantalum.combo7Visible, true);
    EXPECT_EQ(tantalum.combo3Visible, false);
    EXPECT_EQ(tantalum.combo4Enabled, false);
    EXPECT_EQ(tantalum.command4Enabled, false);
    EXPECT_EQ(ChooseCapacitorKind(Kind::Polyester).fiveBandsEnabled, true);
    EXPECT_FALSE(ChooseCapacitorKind(Kind::Ceramic).command5Enabled); // left as it is

    const auto ceramic5 = CapacitorBandCountRules(Kind::Ceramic, CapacitorBandCount::Five);
    EXPECT_EQ(ceramic5.command5Enabled, true);
    EXPECT_EQ(ceramic5.combo6Enabled, true);
    EXPECT_EQ(ceramic5.combo5Enabled, false);
    EXPECT_TRUE(ceramic5.emptyVoltage);
    EXPECT_FALSE(ceramic5.emptyCoefficient);
    const auto polyester4 = CapacitorBandCountRules(Kind::Polyester, CapacitorBandCount::Four);
    EXPECT_TRUE(polyester4.emptyVoltage && polyester4.emptyCoefficient);
    EXPECT_EQ(CapacitorBandCountRules(Kind::Tantalum, CapacitorBandCount::Four),
              CapacitorColourControls{});
}

} // namespace
} // namespace voltaris::codes
