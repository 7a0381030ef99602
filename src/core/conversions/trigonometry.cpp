#include "core/conversions/trigonometry.h"

#include "core/numbers.h"

#include <cmath>

namespace voltaris::trigonometry {

namespace {

// π/2 and 3π/2 as an angle arrives after its 15-digit text: their tangent is taken as 0.
constexpr double kQuarterTurn = 1.5707963267949;
constexpr double kThreeQuarterTurn = 4.71238898038469;

constexpr double kDegreesPerRadian = 57.2957795130823;
constexpr double kRadiansPerDegree = 0.0174532925199433;

// 1 / x, or 0 when x is 0; an x so small that 1 / x overflows fails.
double InverseOrZero(double x) {
    return x == 0 ? 0 : checked::Div(1, x);
}

struct TrigValues {
    double cos, sin, tan, cot, sec, cosec;
};

// Each value rounded to 10 decimals; the inverse ones are formed from the rounded cos, sin and
// tan.
TrigValues ValuesOf(std::string_view radiansText) {
    const double x = ReadNumber(radiansText);
    TrigValues v{};
    v.cos = RoundHalfEven(std::cos(x), 10);
    v.sin = RoundHalfEven(std::sin(x), 10);
    v.tan = x == kQuarterTurn || x == kThreeQuarterTurn ? 0 : RoundHalfEven(std::tan(x), 10);
    v.sec = RoundHalfEven(InverseOrZero(v.cos), 10);
    v.cosec = RoundHalfEven(InverseOrZero(v.sin), 10);
    v.cot = RoundHalfEven(InverseOrZero(v.tan), 10);
    return v;
}

} // namespace

double SinFromCos(double cosPhi) {
    return checked::Sqrt(1 - cosPhi * cosPhi);
}

double TanFromCos(double cosPhi) {
    return checked::Div(SinFromCos(cosPhi), cosPhi);
}

std::string TrigReport(std::string_view radians) {
    const TrigValues v = ValuesOf(radians);
    return "\nCosinüsü      " + NumberText(v.cos) + "\nSinüsü           " + NumberText(v.sin) +
           "\nTanjantı        " + NumberText(v.tan) + "\nCoTanjantı   " + NumberText(v.cot) +
           "\nSekantı          " + NumberText(v.sec) + "\nCoSekantı     " + NumberText(v.cosec);
}

// The power-factor panel's table: heading, then the lines in the order of TrigReport.
std::string TrigTable(std::string_view radians) {
    const TrigValues v = ValuesOf(radians);
    return "Ek Hesaplamalar\nCosinüsü    " + NumberText(v.cos) + "\nSinüsü          " +
           NumberText(v.sin) + "\nTanjantı       " + NumberText(v.tan) + "\nCoTanjantı  " +
           NumberText(v.cot) + "\nSekantı         " + NumberText(v.sec) + "\nCoSekantı    " +
           NumberText(v.cosec);
}

namespace {

// The angle goes to the tables as its 15-digit text in radians, so that 90 and 270 degrees
// arrive as the stored quarter turns.
std::string RadiansText(double degrees) {
    return NumberText(degrees * (4 * std::atan(1.0) / 180));
}

std::string AngleHeading(double degrees) {
    return "Bu " + NumberText(degrees) +
           " Derecenin Açı Değeri ile ilgili Trigonometrik Hesaplamalar";
}

} // namespace

std::string AngleMessage(double degrees) {
    return AngleHeading(degrees) + TrigReport(RadiansText(degrees));
}

std::string AngleTableMessage(double degrees) {
    return AngleHeading(degrees) + "\n" + TrigTable(RadiansText(degrees));
}

std::string PhaseAngleText(std::string_view cosPhi) {
    const double c = ReadNumber(cosPhi);
    const double s = SinFromCos(c);
    // The angle between the sine and the cosine side; for c = 1 (s = 0) it is a right angle.
    const double theta = s == 0 ? 90 : std::atan(c / s) * kDegreesPerRadian;
    const std::string thetaText = FormatNumber(theta, NumberPattern::Grouped2);
    return FormatNumber(90 - ReadNumber(thetaText), NumberPattern::Grouped2);
}

std::string PhaseAngleReport(std::string_view cosPhi) {
    const double c = ReadNumber(cosPhi);
    const std::string phi = PhaseAngleText(cosPhi);
    const double r = ReadNumber(phi) * kRadiansPerDegree;
    const double sinPhi = std::sin(r);
    const double tanPhi = std::tan(r);
    // A zero denominator gives 0, as in the angle report (cot and cosec for c = 1, sec for
    // c = 0).
    const std::string about = "Bu " + phi + " Derecenin";
    return "Bu " + std::string(cosPhi) + " Cosinüs Değerinin Açısı " + phi + " Derecedir...\n" +
           "Yani Akım ve Gerilim Arasındaki Faz Farkı " + phi + " Derecedir...\n" +
           "Ek Hesaplamalar \n" + about + " Sinüsü          " + NumberText(sinPhi) + "\n" + about +
           " Tanjantı       " + NumberText(tanPhi) + "\n" + about + " CoTanjantı  " +
           NumberText(InverseOrZero(tanPhi)) + "\n" + about + " Sekantı         " +
           NumberText(InverseOrZero(c)) + "\n" + about + " CoSekantı    " +
           NumberText(InverseOrZero(sinPhi));
}

} // namespace voltaris::trigonometry
