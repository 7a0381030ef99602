// SMD resistor code reading.
#include "core/codes/smd_resistor_code.h"

#include <gtest/gtest.h>

#include <string>

namespace voltaris::codes {
namespace {

struct Read {
    std::string ohm;
    std::string tolerance;
};

// A code that must be read: its ohm text and tolerance text.
Read readOk(const std::string& code) {
    const SmdResult r = ReadSmdCode(code);
    EXPECT_FALSE(r.warning) << code;
    EXPECT_TRUE(r.ohm) << code;
    EXPECT_EQ(r.toleranceCommandEnabled, !r.toleranceText.empty()) << code;
    EXPECT_EQ(r.codeLabel, r.codeText);
    return {r.ohm.value_or("?"), r.toleranceText};
}

bool refused(const std::string& code) {
    const SmdResult r = ReadSmdCode(code);
    if (!r.warning)
        return false;
    EXPECT_EQ(*r.warning, (Message{MessageIcon::Exclamation, "UYARI", "Hatalı SMD Direnç Kodu"}));
    EXPECT_FALSE(r.ohm);
    EXPECT_FALSE(r.tolerancePercent); // the previous tolerance is forgotten
    return true;
}

TEST(CodesSmd, PlainDigitCodes) {
    const SmdResult r = ReadSmdCode("103");
    EXPECT_EQ(r.ohm, "10000");
    EXPECT_EQ(r.kiloOhm, "10");
    EXPECT_EQ(r.megaOhm, "0.01");
    EXPECT_EQ(r.toleranceText, "");
    EXPECT_FALSE(r.toleranceCommandEnabled);
    EXPECT_EQ(readOk("4702").ohm, "47000");
    EXPECT_EQ(readOk("999").ohm, "99000000000");
    EXPECT_EQ(readOk("9999").ohm, "999000000000");
    EXPECT_EQ(readOk("100").ohm, "10");
    EXPECT_TRUE(refused("012"));
    EXPECT_TRUE(refused("0000"));
    EXPECT_TRUE(refused("0470"));
}

TEST(CodesSmd, E96Codes) {
    EXPECT_EQ(readOk("01C").ohm, "10000");
    EXPECT_EQ(readOk("01C").tolerance, "± % 1");
    EXPECT_EQ(readOk("68X").ohm, "49.9");
    EXPECT_EQ(readOk("68S").ohm, "49.9");
    EXPECT_EQ(readOk("96Y").ohm, "9.76");
    EXPECT_EQ(readOk("96F").ohm, "97600000");
    EXPECT_TRUE(refused("97A"));
    EXPECT_TRUE(refused("00A")); // index 00 matches no entry
    EXPECT_TRUE(refused("01Z"));
    EXPECT_TRUE(refused("01G"));
}

TEST(CodesSmd, LetterCodesAndTheirToleranceBoundaries) {
    EXPECT_EQ(readOk("A05").ohm, "150");
    EXPECT_EQ(readOk("A05").tolerance, "± % 2");
    EXPECT_EQ(readOk("B30").ohm, "1600");
    EXPECT_EQ(readOk("B30").tolerance, "± % 5");
    EXPECT_EQ(readOk("C55").ohm, "33000");
    EXPECT_EQ(readOk("C55").tolerance, "± % 10");
    // The E24 run, its repetition, and the E12 run meet at 24/25 and 48/49.
    EXPECT_EQ(readOk("A24").ohm, "910");
    EXPECT_EQ(readOk("A24").tolerance, "± % 2");
    EXPECT_EQ(readOk("A25").ohm, "100");
    EXPECT_EQ(readOk("A25").tolerance, "± % 5");
    EXPECT_EQ(readOk("A48").ohm, "910");
    EXPECT_EQ(readOk("A49").ohm, "100");
    EXPECT_EQ(readOk("A49").tolerance, "± % 10");
    EXPECT_EQ(readOk("F60").ohm, "82000000");
    EXPECT_EQ(readOk("Y01").ohm, "1");
    EXPECT_TRUE(refused("A61"));
    EXPECT_TRUE(refused("A00"));
    EXPECT_TRUE(refused("K10"));
    EXPECT_TRUE(refused("Ş10"));
}

TEST(CodesSmd, DecimalPointR) {
    EXPECT_EQ(readOk("4R7").ohm, "4.7");
    EXPECT_EQ(readOk("R47").ohm, "0.47");
    EXPECT_EQ(readOk("47R").ohm, "47");
    EXPECT_EQ(readOk("R05").ohm, "0.05");
    EXPECT_EQ(readOk("0R5").ohm, "0.5");
    EXPECT_EQ(readOk("R470").ohm, "0.47");
    EXPECT_EQ(readOk("4R70").ohm, "4.7");
    EXPECT_EQ(readOk("47R0").ohm, "47");
    EXPECT_EQ(readOk("470R").ohm, "470");
    EXPECT_EQ(readOk("R470").tolerance, "");
    EXPECT_TRUE(refused("R4R7"));
    EXPECT_TRUE(refused("47RR"));
}

TEST(CodesSmd, SmallLettersAreCapitalised) {
    const SmdResult r = ReadSmdCode("r47");
    EXPECT_EQ(r.codeText, "R47");
    EXPECT_EQ(r.codeLabel, "R47");
    EXPECT_EQ(r.ohm, "0.47");
    EXPECT_EQ(ReadSmdCode("68x").ohm, "49.9");
    // Turkish capitals: "i" becomes "İ" and "ı" becomes "I", both refused; the text keeps its
    // number of characters, so the caret stays where it was.
    EXPECT_EQ(ReadSmdCode("i10").codeText, "İ10");
    EXPECT_EQ(ReadSmdCode("1ı0").codeText, "1I0");
    EXPECT_TRUE(refused("i10"));
    EXPECT_TRUE(refused("ş10"));
    EXPECT_EQ(ReadSmdCode("ş10").codeText, "Ş10");
}

TEST(CodesSmd, MalformedCodesAreRefused) {
    for (const char* code : {"1K0", "ABC", "RRR", "AB1", "1AB", "4X7", "4-7", "4/7", "1 0", "A-5",
                             "1A00", "10A0", "1,00", "4.7",
                             "\xff"
                             "12",
                             "47Ω", "-103"})
        EXPECT_TRUE(refused(code)) << code;
}

TEST(CodesSmd, OtherLengthsAreNotRead) {
    for (const char* code : {"", "1", "47", "10000", "R4700"}) {
        const SmdResult r = ReadSmdCode(code);
        EXPECT_FALSE(r.warning) << code;
        EXPECT_FALSE(r.ohm) << code; // the value fields keep their content
        EXPECT_EQ(r.toleranceText, "");
        EXPECT_FALSE(r.toleranceCommandEnabled);
        EXPECT_EQ(r.codeLabel, code);
    }
}

TEST(CodesSmd, CodeAfterOneWithToleranceShowsNone) {
    EXPECT_TRUE(ReadSmdCode("A05").tolerancePercent);
    const SmdResult next = ReadSmdCode("103");
    EXPECT_FALSE(next.tolerancePercent);
    EXPECT_EQ(next.toleranceText, "");
    EXPECT_FALSE(next.toleranceCommandEnabled);
}

TEST(CodesSmd, ToleranceBox) {
    const SmdResult r = ReadSmdCode("A05");
    const Message m = SmdToleranceMessage(*r.ohm, r.tolerancePercent, r.toleranceText);
    EXPECT_EQ(m.title, "SONUÇ");
    EXPECT_EQ(m.text,
              "Girilen Değerlere Göre Bu SMD Direncin Toleransı ± % 2'dir. Ve Bu Değerlere Göre "
              "Sonuçlar :\n"
              "Ohm'un Maksimum Tolerans'lı Değeri 153   Minimum Tolerans'lı Değeri 147 Ohm'dur...\n"
              "Kilo Ohm'un Maksimum Tolerans'lı Değeri 0.153   Minimum Tolerans'lı Değeri 0.147 "
              "Kilo Ohm'dur...\n"
              "Mega Ohm'un Maksimum Tolerans'lı Değeri 0.000153   Minimum Tolerans'lı Değeri "
              "0.000147 Mega Ohm'dur...");
    EXPECT_EQ(SmdToleranceMessage("", 2.0, "± % 2"),
              (Message{MessageIcon::Exclamation, "UYARI", "HESAPLAMA YAPINIZ ÖNCE..."}));
    EXPECT_EQ(SmdToleranceMessage("abc", 2.0, "").title, "UYARI");
    // No kept tolerance (a refused code came after): minimum and maximum are the value itself.
    EXPECT_NE(SmdToleranceMessage("150", std::nullopt, "± % 2").text.find("Değeri 150   Min"),
              std::string::npos);
    // Found by fuzzing: a value typed into `Text2` whose bounds overflow showed "i.nf"; it warns
    // like a field without a number.
    EXPECT_EQ(SmdToleranceMessage("1e308", 10.0, "± % 10").text, "HESAPLAMA YAPINIZ ÖNCE...");
    EXPECT_EQ(SmdToleranceMessage("1e308", std::nullopt, "").title, "SONUÇ");
}

TEST(CodesSmd, SeriesTables) {
    EXPECT_EQ(SmdE96Table().front(), 100);
    EXPECT_EQ(SmdE96Table()[67], 499); // entry 68
    EXPECT_EQ(SmdE96Table().back(), 976);
    for (std::size_t i = 1; i < SmdE96Table().size(); ++i)
        EXPECT_LT(SmdE96Table()[i - 1], SmdE96Table()[i]);
    EXPECT_EQ(SmdLetterCodeTable()[4], 150);  // entry 5
    EXPECT_EQ(SmdLetterCodeTable()[29], 160); // entry 30
    EXPECT_EQ(SmdLetterCodeTable()[54], 330); // entry 55
}

} // namespace
} // namespace voltaris::codes
