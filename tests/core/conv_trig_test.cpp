#include "core/conversions/trigonometry.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace voltaris::trigonometry {
namespace {

// The six report lines for cos, sin, tan, cot, sec, cosec values given as texts.
std::string ReportLines(const std::vector<std::string>& v) {
    return "\nCosinüsü      " + v[0] + "\nSinüsü           " + v[1] + "\nTanjantı        " + v[2] +
           "\nCoTanjantı   " + v[3] + "\nSekantı          " + v[4] + "\nCoSekantı     " + v[5];
}

TEST(AngleMessage, ThirtyDegrees) {
    // The cotangent and secant come from the rounded tangent and cosine: 1/0.5773502692 is
    // 1.7320508075 where the exact √3 would round to ...076.
    EXPECT_EQ(AngleMessage(30), "Bu 30 Derecenin Açı Değeri ile ilgili Trigonometrik Hesaplamalar" +
                                    ReportLines({"0.8660254038", "0.5", "0.5773502692",
                                                 "1.7320508075", "1.1547005384", "2"}));
}

TEST(AngleMessage, RightAnglesAndZeroDenominators) {
    // 90 and 270 degrees arrive as the stored quarter turns: tangent and cotangent 0; the
    // rounded cosine is 0, so the secant is 0 as well.
    EXPECT_EQ(TrigReport("1.5707963267949"), ReportLines({"0", "1", "0", "0", "0", "1"}));
    EXPECT_EQ(AngleMessage(270),
              "Bu 270 Derecenin Açı Değeri ile ilgili Trigonometrik Hesaplamalar" +
                  ReportLines({"0", "-1", "0", "0", "0", "-1"}));
    EXPECT_EQ(AngleMessage(0).substr(AngleMessage(0).find('\n')),
              ReportLines({"1", "0", "0", "0", "1", "0"}));
    // 180 degrees: a tiny negative tangent rounds to zero and is shown as 0, not -0.
    EXPECT_EQ(TrigReport("3.14159265358979"), ReportLines({"-1", "0", "0", "0", "-1", "0"}));
}

TEST(AngleMessage, FortyFiveDegrees) {
    // The tangent 0.9999999999999992 rounds to 1; the secant is 1/0.7071067812 = 1.41421356234...,
    // where the exact √2 would round to 1.4142135624.
    EXPECT_EQ(TrigReport("0.785398163397448"), ReportLines({"0.7071067812", "0.7071067812", "1",
                                                            "1", "1.4142135623", "1.4142135623"}));
}

TEST(AngleMessage, TableRoutineShowsTheSameValues) {
    EXPECT_EQ(TrigTable("0.523598775598299"),
              "Ek Hesaplamalar\nCosinüsü    0.8660254038\nSinüsü          0.5\n"
              "Tanjantı       0.5773502692\nCoTanjantı  1.7320508075\n"
              "Sekantı         1.1547005384\nCoSekantı    2");
    EXPECT_THROW(TrigTable(""), ComputeFailure);
}

TEST(AngleMessage, AngleIsWrittenAsTyped) {
    EXPECT_EQ(AngleMessage(22.5).rfind("Bu 22.5 Derecenin Açı Değeri", 0), 0u);
    EXPECT_EQ(AngleMessage(0.1).rfind("Bu 0.1 Derecenin Açı Değeri", 0), 0u);
}

TEST(PowerFactor, SineAndTangent) {
    EXPECT_NEAR(SinFromCos(0.8), 0.6, 1e-15);
    EXPECT_NEAR(TanFromCos(0.8), 0.75, 1e-15);
    EXPECT_DOUBLE_EQ(SinFromCos(1), 0);
    EXPECT_THROW(SinFromCos(1.2), ComputeFailure);
    EXPECT_THROW(TanFromCos(0), ComputeFailure);
}

TEST(PowerFactor, PhaseAngleReportOfPointEight) {
    // θ = 53.13 (two decimals), φ = 90 - 53.13; the further values are of 36.87 degrees, unrounded.
    EXPECT_EQ(PhaseAngleText("0.80"), "36.87");
    EXPECT_EQ(PhaseAngleReport("0.80"),
              "Bu 0.80 Cosinüs Değerinin Açısı 36.87 Derecedir...\n"
              "Yani Akım ve Gerilim Arasındaki Faz Farkı 36.87 Derecedir...\n"
              "Ek Hesaplamalar \n"
              "Bu 36.87 Derecenin Sinüsü          0.600001429132663\n"
              "Bu 36.87 Derecenin Tanjantı       0.750002791280341\n"
              "Bu 36.87 Derecenin CoTanjantı  1.33332837107564\n"
              "Bu 36.87 Derecenin Sekantı         1.25\n"
              "Bu 36.87 Derecenin CoSekantı    1.66666269686317");
}

TEST(PowerFactor, PhaseAngleReportAtTheListEnds) {
    const std::string unity = PhaseAngleReport("1.00");
    EXPECT_EQ(unity.substr(0, unity.find('\n')),
              "Bu 1.00 Cosinüs Değerinin Açısı 0.00 Derecedir...");
    EXPECT_NE(unity.find("Bu 0.00 Derecenin CoTanjantı  0\n"), std::string::npos);
    EXPECT_NE(unity.find("Bu 0.00 Derecenin Sekantı         1\n"), std::string::npos);
    EXPECT_NE(unity.find("Bu 0.00 Derecenin CoSekantı    0"), std::string::npos);

    const std::string zero = PhaseAngleReport("0");
    EXPECT_EQ(PhaseAngleText("0"), "90.00");
    EXPECT_NE(zero.find("Bu 90.00 Derecenin Sekantı         0\n"), std::string::npos);

    EXPECT_THROW(PhaseAngleReport("1.5"), ComputeFailure);
    EXPECT_THROW(PhaseAngleReport(""), ComputeFailure);
    // Found by fuzzing: a cosine so small that its secant overflows showed "i.nf".
    EXPECT_THROW(PhaseAngleReport("1e-310"), ComputeFailure);
}

} // namespace
} // namespace voltaris::trigonometry
