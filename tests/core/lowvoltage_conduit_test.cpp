#include "core/lowvoltage/conduit.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace voltaris::conduit {
namespace {

using Texts = std::array<std::string, 4>;

// "Hesapla" once per diameter, each on what the one before wrote.
Calculation AddAll(std::initializer_list<const char*> diameters, Cable cable,
                   Calculation start = {}) {
    for (const char* diameter : diameters) {
        const Outcome<Calculation> out = Add(diameter, cable, std::move(start));
        EXPECT_FALSE(out.failed) << diameter;
        start = out.texts;
    }
    return start;
}

TEST(Conduit, TableRowsOfTheChosenSection) {
    ASSERT_EQ(Sections().size(), 10u);
    EXPECT_EQ(TableTexts(0), (Texts{"11", "11", "13.5", "16"}));
    EXPECT_EQ(TableTexts(1), TableTexts(0)); // 1.5 and 2.5 mm² share their conduits
    EXPECT_EQ(Sections()[5], "16");
    EXPECT_EQ(TableTexts(5), (Texts{"13.5", "23", "29", "29"}));
    EXPECT_EQ(Sections()[9], "70");
    EXPECT_EQ(TableTexts(9), (Texts{"23", "42", "42", "48"}));
    EXPECT_FALSE(TableTexts(-1));
    EXPECT_FALSE(TableTexts(10));
}

TEST(Conduit, OneCableThenTwo) {
    // √(400 / 0.53) = 27.47 mm = 1.08 inch; the centimetres come from the rounded inches
    // (1.08 × 2.54 = 2.74, where the unrounded 1.0816 inch would give 2.75).
    Calculation c = AddAll({"20"}, Cable::Unarmoured);
    EXPECT_EQ(c.inches, "1.08");
    EXPECT_EQ(c.centimetres, "2.74");
    EXPECT_EQ(c.cables.lines, (std::vector<std::string>{"Kablo Dış Çapı: 20 mm"}));
    // √(800 / 0.31) = 50.8 mm.
    c = AddAll({"20"}, Cable::Unarmoured, c);
    EXPECT_EQ(c.cables.sumOfSquares, 800);
    EXPECT_EQ(c.inches, "2");
    EXPECT_EQ(c.centimetres, "5.08");
    EXPECT_EQ(c.cables.lines.size(), 2u);
}

TEST(Conduit, FillFactorByCountAndKind) {
    struct Case {
        std::initializer_list<const char*> diameters;
        Cable cable;
        const char* inches;
        const char* centimetres;
    };
    for (const Case& k : std::initializer_list<Case>{
             // Two cables: 0.31 unarmoured, 0.3 armoured (√(800 / 0.3) = 51.64 mm).
             {{"20", "20"}, Cable::Armoured, "2.03", "5.16"},
             // Three: 0.4 for both (√(300 / 0.4) = 27.39 mm).
             {{"10", "10", "10"}, Cable::Unarmoured, "1.08", "2.74"},
             {{"10", "10", "10"}, Cable::Armoured, "1.08", "2.74"},
             // Four: 0.4 and 0.38 (√(400 / 0.38) = 32.44 mm).
             {{"10", "10", "10", "10"}, Cable::Unarmoured, "1.24", "3.15"},
             {{"10", "10", "10", "10"}, Cable::Armoured, "1.28", "3.25"},
             // Five and more: 0.4 and 0.35 (√(500 / 0.35) = 37.8 mm).
             {{"10", "10", "10", "10", "10"}, Cable::Unarmoured, "1.39", "3.53"},
             {{"10", "10", "10", "10", "10"}, Cable::Armoured, "1.49", "3.78"},
             {{"10", "10", "10", "10", "10", "10"}, Cable::Armoured, "1.63", "4.14"},
         }) {
        const Calculation c = AddAll(k.diameters, k.cable);
        EXPECT_EQ(c.inches, k.inches) << k.diameters.size();
        EXPECT_EQ(c.centimetres, k.centimetres) << k.diameters.size();
    }
}

TEST(Conduit, SumGrowsWithEachCableUntilCleared) {
    Calculation c = AddAll({"10", "20", "5.5"}, Cable::Unarmoured);
    EXPECT_EQ(c.cables.sumOfSquares, 100 + 400 + 30.25);
    EXPECT_EQ(c.cables.lines,
              (std::vector<std::string>{"Kablo Dış Çapı: 10 mm", "Kablo Dış Çapı: 20 mm",
                                        "Kablo Dış Çapı: 5.5 mm"}));
    // Cleared, the next cable is alone again: 20 mm gives the single cable's 1.08 inch.
    c.cables = {};
    c = AddAll({"20"}, Cable::Unarmoured, c);
    EXPECT_EQ(c.cables.sumOfSquares, 400);
    EXPECT_EQ(c.inches, "1.08");
}

TEST(Conduit, ListShowsTheDiameterAsTyped) {
    const Calculation c = AddAll({".5", "20."}, Cable::Unarmoured);
    EXPECT_EQ(c.cables.lines,
              (std::vector<std::string>{"Kablo Dış Çapı: .5 mm", "Kablo Dış Çapı: 20. mm"}));
}

TEST(Conduit, ADiameterThatIsNoNumberAddsNothing) {
    const Calculation before = AddAll({"20"}, Cable::Unarmoured);
    for (const char* diameter : {"", ".", "1e200"}) {
        const Outcome<Calculation> out = Add(diameter, Cable::Unarmoured, before);
        EXPECT_TRUE(out.failed) << diameter;
        EXPECT_EQ(out.texts, before) << diameter;
    }
}

TEST(Conduit, SectionAndDiameterCommandsTakeTheFullPi) {
    // With π as 3.14 these would be 11.29 mm and 78.5 mm².
    EXPECT_EQ(DiameterMessage(100), "İletkenin Çapı 11.28 mm'dir.");
    EXPECT_EQ(SectionMessage(10), "İletkenin Kesiti 78.54 mm²'dir.");
    EXPECT_EQ(DiameterMessage(0), "İletkenin Çapı 0 mm'dir.");
    EXPECT_THROW(DiameterMessage(-1), ComputeFailure);
    EXPECT_THROW(SectionMessage(1e200), ComputeFailure);
}

} // namespace
} // namespace voltaris::conduit
