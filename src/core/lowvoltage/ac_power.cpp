#include "core/lowvoltage/ac_power.h"

#include "core/conversions/trigonometry.h"
#include "core/numbers.h"

#include <cmath>

namespace voltaris::ac_power {

namespace {

// The peak of a sine wave is its RMS value / 0.707, its average the peak × 0.636.
constexpr double kRmsPerPeak = 0.707;
constexpr double kAveragePerPeak = 0.636;

double SqrtThree() {
    return std::sqrt(3.0);
}

// A result as the field shows it: rounded to five decimals, the shortest text of that double.
std::string Shown(double value) {
    return RoundTripText(RoundHalfEven(checked::Finite(value), kDecimals));
}

} // namespace

bool IsThreePhase(Supply supply) {
    return supply == Supply::Three380 || supply == Supply::ThreeTyped;
}

std::string_view FixedVoltage(Supply supply) {
    switch (supply) {
    case Supply::Single220:
        return "220";
    case Supply::Three380:
        return "380";
    case Supply::SingleTyped:
    case Supply::ThreeTyped:
        break;
    }
    return "";
}

Outcome<Fields> Compute(Supply supply, std::string_view storedCosPhi, Fields start) {
    return RunSteps(std::move(start), [&](Fields& f) {
        const double c = ReadNumber(storedCosPhi);
        const double s = trigonometry::SinFromCos(c);
        // V × √3 on three phases, multiplied in the order the formulas give.
        const auto line = [&] {
            const double v = ReadNumber(f.voltage);
            return IsThreePhase(supply) ? v * SqrtThree() : v;
        };
        const auto current = [&] { return ReadNumber(f.current); };
        f.active = Shown(line() * current() * c);
        f.apparent = Shown(line() * current());
        f.reactive = Shown(line() * current() * s);

        f.voltageRms = f.voltage;
        f.voltagePeak = Shown(ReadNumber(f.voltageRms) / kRmsPerPeak);
        f.voltageAverage = Shown(ReadNumber(f.voltagePeak) * kAveragePerPeak);
        f.currentRms = f.current;
        f.currentPeak = Shown(ReadNumber(f.currentRms) / kRmsPerPeak);
        f.currentAverage = Shown(ReadNumber(f.currentPeak) * kAveragePerPeak);
        f.voltageInstant = Shown(ReadNumber(f.voltagePeak) * s);
        f.currentInstant = Shown(ReadNumber(f.currentPeak) * s);
    });
}

std::vector<std::string> ReportLines(Supply supply, std::string_view storedCosPhi,
                                     std::string_view listCosPhi, const Fields& f) {
    const bool three = IsThreePhase(supply);
    const std::string root = three ? "Kök(3) x " : "";
    const std::string figure = three ? "1.73 x " : "";
    const std::string v = f.voltage;
    const std::string i = f.current;
    const std::string cos(listCosPhi);
    const std::string sin = RoundTripText(trigonometry::SinFromCos(ReadNumber(storedCosPhi)));
    return {
        "Alternatif Akımda Güç Hesabı:",
        three ? "Faz Durumu: Trifaze" : "Faz Durumu: Monofaze",
        "Gerilim: " + v,
        "Akım: " + i,
        "Cosinüs: " + cos,
        "Sinüs: " + sin,
        "",
        "Aktif Güç:",
        "P = " + root + "Gerilim x Akım x Cosinüs",
        "P = " + figure + v + " x " + i + " x " + cos,
        "P = " + f.active,
        "",
        "Reaktif Güç:",
        "Q = " + root + "Gerilim x Akım x Sinüs",
        "Q = " + figure + v + " x " + i + " x " + sin,
        "Q = " + f.reactive,
        "",
        "Görünür Güç:",
        "S = " + root + "Gerilim x Akım",
        "S = " + figure + v + " x " + i,
        "S = " + f.apparent,
        "",
        "Ek Hesaplamalar:",
        "",
        "Gerilimin Etkin Değeri: " + f.voltageRms,
        "Gerilimin Maksimum Değeri: " + f.voltageRms + " / 0.707 = " + f.voltagePeak,
        "Gerilimin Ortalama Değeri: " + f.voltagePeak + " x 0.636 = " + f.voltageAverage,
        "Gerilimin Ani Değeri: " + f.voltagePeak + " x Sinüs = " + f.voltageInstant,
        "",
        "Akımın Etkin Değeri: " + f.currentRms,
        "Akımın Maksimum Değeri: " + f.currentRms + " / 0.707 = " + f.currentPeak,
        "Akımın Ortalama Değeri: " + f.currentPeak + " x 0.636 = " + f.currentAverage,
        "Akımın Ani Değeri: " + f.currentPeak + " x Sinüs = " + f.currentInstant,
    };
}

Message WattHintMessage() {
    return InfoMessage(
        JoinLines({"Program Üzerinden:", "Gerilim Seçeneği Kısmını Seçiniz veya Gerilimi Giriniz.",
                   "Cosinüs Değerini Seçiniz."}));
}

double CurrentFromPower(Supply supply, double power, std::string_view voltage,
                        std::string_view cosPhi) {
    const double divisor = ReadNumber(voltage) * ReadNumber(cosPhi);
    return checked::Div(power, IsThreePhase(supply) ? divisor * SqrtThree() : divisor);
}

Message CurrentMessage(double current) {
    return ResultMessage("Hesaplanan Akım Değeri " + RoundTripText(current) +
                         " Amperdir.\nHesapladığınız Değer Program Üzerine Aktarılmıştır.");
}

} // namespace voltaris::ac_power
