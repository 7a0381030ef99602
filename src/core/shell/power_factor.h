// The power-factor computations of the low-voltage menu: cos φ and the phase angle from a power,
// a voltage and a current, and cos φ from the readings of the active and reactive meters.
#pragma once

#include <string>
#include <string_view>

namespace voltaris::shell {

enum class KnownPower { Active, Reactive };
enum class Phases { Single, Three };

inline constexpr std::string_view kActivePowerPrompt = "Aktif Güç'ü Giriniz(P)";
inline constexpr std::string_view kReactivePowerPrompt = "ReAktif Güç'ü Giriniz(Q)";
inline constexpr std::string_view kVoltagePrompt = "Gerilim'i Giriniz(V)";
inline constexpr std::string_view kCurrentPrompt = "Akım'ı Giriniz(I)";

// The texts of the cosine and the phase angle, each with two decimals ("0.87", "29.54").
struct PowerFactor {
    std::string cosine;
    std::string angle;
};

// With the active power P: cos φ = P / (V·I) (single phase) or P / (√3·V·I) (three phases), and
// φ = 90° minus the angle between the sine and the cosine side. With the reactive power Q the
// same quotient is sin φ, φ is the angle whose sine it is, and the cosine is that of φ. Each
// step goes on from the two-decimal text of the step before. Throws ComputeFailure for a zero
// voltage or current and for a quotient above 1.
PowerFactor PowerFactorOf(KnownPower known, Phases phases, double power, double voltage,
                          double current);
// "Cosinüs Değeri  " + cosine, a line feed, "Ve Akım ve Gerilim Arasındaki Faz Farkı " + angle +
// " Derecedir...".
std::string PowerFactorMessage(const PowerFactor& factor);

inline constexpr std::string_view kMeterHint =
    "Bilgi: Cosinüsü Hesaplanacak Tesisin Güçkatsayısını hesaplamak için\n"
    "Tesisdeki Bütün Alıcıların Çalıştığı belirli bir zaman aralığında değerleri alınız...";
inline constexpr std::string_view kActiveMeterPrompt =
    "Aktif Sayaçtaki Gücü Watt(W) Cinsinden Giriniz";
inline constexpr std::string_view kReactiveMeterPrompt =
    "Reaktif Sayaçtaki Gücü VoltAmperReaktif(VAr) Cinsinden Giriniz";

// "Hesaplanan Cosinüs Değeri  " + cos φ = P / √(P² + Q²) of the meter readings, as "#,0.00";
// throws ComputeFailure when both readings are 0.
std::string MeterMessage(double active, double reactive);

} // namespace voltaris::shell
