#include "core/lowvoltage/power_conversion.h"

#include "core/conversions/trigonometry.h"
#include "core/numbers.h"

#include <array>

namespace voltaris::power_conversion {

namespace {

std::string Full(double value) {
    return RoundTripText(checked::Finite(value));
}

} // namespace

InputLabels LabelsOf(Known known) {
    static constexpr std::array<InputLabels, 3> kLabels = {{
        {"Görünür Gücü Giriniz", "VA"},
        {"Aktif Gücü Giriniz", " W"},
        {"Reaktif Gücü Giriniz", "VAr"},
    }};
    return kLabels.at(static_cast<std::size_t>(known));
}

Outcome<Fields> Compute(Known known, std::string_view cosPhi, Fields start) {
    return RunSteps(std::move(start), [&](Fields& f) {
        const double c = ReadNumber(cosPhi);
        const double s = trigonometry::SinFromCos(c);
        const auto x = [&] { return ReadNumber(f.given); };
        switch (known) {
        case Known::Apparent:
            f.apparent = f.given;
            f.active = Full(x() * c);
            f.reactive = Full(x() * s);
            break;
        case Known::Active:
            f.apparent = Full(checked::Div(x(), c));
            f.active = f.given;
            f.reactive = Full(checked::Div(x(), c) * s);
            break;
        case Known::Reactive:
            f.apparent = Full(checked::Div(x(), s));
            f.active = Full(checked::Div(x(), s) * c);
            f.reactive = f.given;
            break;
        }
    });
}

std::vector<std::string> ReportLines(Known known, std::string_view cosPhi, const Fields& f) {
    const std::string cos(cosPhi);
    const std::string sin = RoundTripText(trigonometry::SinFromCos(ReadNumber(cosPhi)));
    std::vector<std::string> lines = {"Alternatif Akımda Güçlerin Birbirine Çevirilmesi:"};
    switch (known) {
    case Known::Apparent:
        lines.insert(lines.end(),
                     {"Görünür Güç: " + f.given + " VA", "Cosinüs: " + cos, "Sinüs: " + sin, "",
                      "Aktif Güç:", "P = Görünür Güç x Cosinüs", "P = " + f.given + " x " + cos,
                      "P = " + f.active + " Watt", "", "Reaktif Güç:", "Q = Görünür Güç x Sinüs",
                      "Q = " + f.given + " x " + sin, "Q = " + f.reactive + " VAr"});
        break;
    case Known::Active:
        lines.insert(lines.end(),
                     {"Aktif Güç: " + f.given + " Waat", "Cosinüs: " + cos, "Sinüs: " + sin, "",
                      "Görünüs Güç:", "S = Görünür Güç / Cosinüs", "S = " + f.given + " / " + cos,
                      "S = " + f.apparent + " VA", "", "Reaktif Güç:", "Q = Görünür Güç x Sinüs",
                      "Q = " + f.apparent + " x " + sin, "Q = " + f.reactive + " VAr"});
        break;
    case Known::Reactive:
        lines.insert(lines.end(),
                     {"Reaktif Güç: " + f.given + " VAr", "Cosinüs: " + cos, "Sinüs: " + sin, "",
                      "Görünüs Güç:", "S = Görünür Güç / Sinüs", "S = " + f.given + " / " + sin,
                      "S = " + f.apparent + " VA", "", "Aktif Güç:", "P = Görünür Güç x Cosinüs",
                      "P = " + f.apparent + " x " + cos, "P = " + f.active + " Watt"});
        break;
    }
    return lines;
}

} // namespace voltaris::power_conversion
