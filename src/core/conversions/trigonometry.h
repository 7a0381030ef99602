// The trigonometric routines: sine and tangent from a power factor, the six trigonometric values
// of an angle as the angle command shows them, and the cosine information text of a power
// factor. Shared by the main menu, the low-voltage menu and the power tools.
#pragma once

#include <string>
#include <string_view>

namespace voltaris::trigonometry {

// sin φ = √(1 − c²) and tan φ = √(1 − c²) / c for a power factor c. Throw ComputeFailure for
// c > 1 and (tangent) c = 0.
double SinFromCos(double cosPhi);
double TanFromCos(double cosPhi);

// The six values of an angle given in radians as text: a line feed, then the cosine, sine,
// tangent, cotangent, secant and cosecant lines, each rounded to 10 decimals; the tangent of the
// stored π/2 and 3π/2 and every value with a zero denominator is 0. Throws ComputeFailure when
// the text is not a number.
std::string TrigReport(std::string_view radians);

// The same six values under the heading "Ek Hesaplamalar", with the power-factor panel's
// captions.
std::string TrigTable(std::string_view radians);

// The angle command ("Açı Değerinden Trigonometrik Dönüşümler" of the main menu, and the
// low-voltage menu's "Cosinüs Değerini Açı Derecesini Vererek Hesaplayacağım"): asks kAnglePrompt
// (',' read as '.') and shows AngleMessage in an information box with the application's own
// title; an answer that is not a number shows "DEĞERİ GİRİNİZ..." in the "UYARI" box.
inline constexpr std::string_view kAnglePrompt = "Açı Değerini Derece Cinsinden Giriniz";

// "Bu " + angle + " Derecenin Açı Değeri ile ilgili Trigonometrik Hesaplamalar" followed by
// TrigReport of the angle.
std::string AngleMessage(double degrees);
// The power-factor panel's angle command: the same first line, then a line feed and TrigTable.
std::string AngleTableMessage(double degrees);

// The phase angle φ of a power factor in degrees, a text with exactly two decimals ("36.87" for
// 0.80).
std::string PhaseAngleText(std::string_view cosPhi);

// The cosine information text of a power factor as the list shows it ("0.80"): nine lines
// giving the phase angle and its sine, tangent, cotangent, secant and cosecant. Throws
// ComputeFailure when the text is not a power factor.
std::string PhaseAngleReport(std::string_view cosPhi);

} // namespace voltaris::trigonometry
