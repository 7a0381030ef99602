#include "core/shell/power_factor.h"

#include "core/numbers.h"

#include <cmath>

namespace voltaris::shell {

namespace {

constexpr double kDegreesPerRadian = 57.2957795130823;
constexpr double kRadiansPerDegree = 0.0174532925199433;

// A value as the pattern shows it, read back: each step goes on from the rounded text.
double Shown(double value, NumberPattern pattern) {
    return ReadNumber(FormatNumber(value, pattern));
}

} // namespace

PowerFactor PowerFactorOf(KnownPower known, Phases phases, double power, double voltage,
                          double current) {
    const double apparent =
        phases == Phases::Three ? std::sqrt(3.0) * voltage * current : voltage * current;
    const double quotient = Shown(checked::Div(power, apparent), NumberPattern::Plain2);
    double other = checked::Sqrt(1 - quotient * quotient);
    if (other == 0)
        other = 1;
    // The angle whose tangent is quotient / other: the angle between the sine and the cosine
    // side when the quotient is the cosine, the phase angle itself when it is the sine.
    const double angle =
        Shown(std::atan(quotient / other) * kDegreesPerRadian, NumberPattern::Grouped2);
    if (known == KnownPower::Active)
        return {FormatNumber(quotient, NumberPattern::Plain2),
                FormatNumber(90 - angle, NumberPattern::Grouped2)};
    // Decided: with the reactive power the phase angle is the angle whose sine is the quotient,
    // and its cosine is shown with two decimals like the cosine from the active power.
    return {FormatNumber(std::cos(angle * kRadiansPerDegree), NumberPattern::Plain2),
            FormatNumber(angle, NumberPattern::Grouped2)};
}

std::string PowerFactorMessage(const PowerFactor& factor) {
    return "Cosinüs Değeri  " + factor.cosine + "\nVe Akım ve Gerilim Arasındaki Faz Farkı " +
           factor.angle + " Derecedir...";
}

std::string MeterMessage(double active, double reactive) {
    const double cosine = checked::Div(active, std::sqrt(active * active + reactive * reactive));
    return "Hesaplanan Cosinüs Değeri  " + FormatNumber(cosine, NumberPattern::Grouped2);
}

} // namespace voltaris::shell
