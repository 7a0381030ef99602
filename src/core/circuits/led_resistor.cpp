#include "core/circuits/led_resistor.h"

#include "core/numbers.h"

#include <array>

namespace voltaris::led_resistor {

namespace {

constexpr std::array<LedType, 6> kLedTypes = {{
    {"Standard-Standart", 2, 20},
    {"Low Current-Alçak Akım", 2, 2},
    {"High Brightness-Yüksek Parlaklık", 2, 30},
    {"Super Bright-Süper Parlaklık", 1.8, 30},
    {"Ultra Bright-Ultra Parlaklık", 1.8, 30},
    {"Standard Blue-Standart Mavi", 3.3, 30},
}};

} // namespace

std::span<const LedType> LedTypes() {
    return kLedTypes;
}

void ShowLedType(int index, Fields& fields) {
    const LedType& led = kLedTypes.at(static_cast<std::size_t>(index));
    fields.voltage = NumberText(led.voltage);
    fields.current = NumberText(led.current);
}

Outcome<Fields> Compute(std::optional<int> ledType, Fields fields) {
    return RunSteps(std::move(fields), [ledType](Fields& f) {
        // The list's values are written first; what is then read back is the same number.
        if (ledType)
            ShowLedType(*ledType, f);
        const double supply = ReadNumber(f.supply);
        const double voltage = ReadNumber(f.voltage);
        f.resistance = NumberText(
            checked::Finite(checked::Div(supply - voltage, ReadNumber(f.current)) * 1000));
        const double ampere = ReadNumber(f.current) / 1000;
        f.power = NumberText(checked::Finite(ampere * ampere * ReadNumber(f.resistance)));
        f.currentAmpere = ampere;
    });
}

std::vector<std::string> ReportLines(const Fields& f) {
    const std::string ampere = NumberText(f.currentAmpere);
    return {
        "LED'e Bağlanacak Seri Direnç Hesabı:",
        "Uygulanacak Gerilim: " + f.supply + " Volt",
        "LED'in İhtiyaç Duyduğu Gerilim: " + f.voltage + " Volt",
        "LED'in İhtiyaç Duyduğu Akım: " + f.current + " miliAmper = " + ampere + " Amper'dir.",
        "",
        "R = (Uygulancak Gerilim - LED'in Gerilimi) / LED'in Akımı",
        "R = (" + f.supply + " - " + f.voltage + ") / " + ampere,
        "R = " + f.resistance + " Ohm",
        "",
        "W = (LED'in Akımı^2) x LED'e Bağlanacak Seri Direnç ",
        "W = (" + ampere + "^2) x " + f.resistance,
        "W = " + f.power + " Watt",
    };
}

} // namespace voltaris::led_resistor
