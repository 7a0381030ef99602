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
    // A computed power's block: heading, formula, the formula with the texts, result.
    using Block = std::array<std::string, 4>;
    const auto active = [&](const std::string& apparent) {
        return Block{"Aktif Güç:", "P = Görünür Güç x Cosinüs", "P = " + apparent + " x " + cos,
                     "P = " + f.active + " Watt"};
    };
    const auto reactive = [&](const std::string& apparent) {
        return Block{"Reaktif Güç:", "Q = Görünür Güç x Sinüs", "Q = " + apparent + " x " + sin,
                     "Q = " + f.reactive + " VAr"};
    };
    const auto apparent = [&](const std::string& divisorName, const std::string& divisor) {
        return Block{"Görünüs Güç:", "S = Görünür Güç / " + divisorName,
                     "S = " + f.given + " / " + divisor, "S = " + f.apparent + " VA"};
    };
    std::string given;
    Block first, second;
    switch (known) {
    case Known::Apparent:
        given = "Görünür Güç: " + f.given + " VA";
        first = active(f.given);
        second = reactive(f.given);
        break;
    case Known::Active:
        given = "Aktif Güç: " + f.given + " Waat";
        first = apparent("Cosinüs", cos);
        second = reactive(f.apparent);
        break;
    case Known::Reactive:
        given = "Reaktif Güç: " + f.given + " VAr";
        first = apparent("Sinüs", sin);
        second = active(f.apparent);
        break;
    }
    std::vector<std::string> lines = {"Alternatif Akımda Güçlerin Birbirine Çevirilmesi:", given,
                                      "Cosinüs: " + cos, "Sinüs: " + sin, ""};
    lines.insert(lines.end(), first.begin(), first.end());
    lines.push_back("");
    lines.insert(lines.end(), second.begin(), second.end());
    return lines;
}

} // namespace voltaris::power_conversion
