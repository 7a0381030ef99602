#include "core/conversions/quantity_conversion.h"

#include "core/numbers.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace voltaris::quantity_conversion {

namespace {

constexpr auto kPowerKinds = std::to_array<PowerKindOption>({
    {" Watt(W)", "Aktif Güç"},
    {"Volt-Amper(VA)", "Görünür Güç"},
    {"Volt-Amper-Reaktif(VAr)", "Reaktif Güç"},
});

constexpr auto kResistance = std::to_array<Unit>({
    {"MİKRO OHM", -6},
    {"MİLİ OHM", -3},
    {"OHM", 0},
    {"KİLO OHM", 3},
    {"MEGA OHM", 6},
});
constexpr auto kCapacitance = std::to_array<Unit>({
    {"FARAD", 0},
    {"MİKRO FARAD", -6},
    {"NANO FARAD", -9},
    {"PİKO FARAD", -12},
});
constexpr auto kInductance = std::to_array<Unit>({
    {"HENRİ", 0},
    {"MİLİ HENRİ", -3},
    {"MİKRO HENRİ", -6},
});
constexpr auto kCurrent = std::to_array<Unit>({
    {"KİLO AMPER", 3},
    {"AMPER", 0},
    {"MİLİ AMPER", -3},
    {"MİKRO AMPER", -6},
});
constexpr auto kVoltage = std::to_array<Unit>({
    {"KİLO VOLT", 3},
    {"VOLT", 0},
    {"MİLİ VOLT", -3},
});
constexpr auto kActivePower = std::to_array<Unit>({
    {"MEGA WATT", 6},
    {"KİLO WATT", 3},
    {"WATT", 0},
    {"MİLİ WATT", -3},
});
constexpr auto kApparentPower = std::to_array<Unit>({
    {"MEGA VOLT-AMPER", 6},
    {"KİLO VOLT-AMPER", 3},
    {"VOLT-AMPER", 0},
    {"MİLİ VOLT-AMPER", -3},
});
constexpr auto kReactivePower = std::to_array<Unit>({
    {"MEGA VOLT-AMPER-REAKTİF", 6},
    {"KİLO VOLT-AMPER-REAKTİF", 3},
    {"VOLT-AMPER-REAKTİF", 0},
    {"MİLİ VOLT-AMPER-REAKTİF", -3},
});

// 10^n and 10^-n for 0 <= n <= 12 (the widest step, pico to unit), as decimal literals.
constexpr std::array<double, 13> kTens = {1,   1e1, 1e2, 1e3,  1e4,  1e5, 1e6,
                                          1e7, 1e8, 1e9, 1e10, 1e11, 1e12};
constexpr std::array<double, 13> kTenths = {1,    1e-1, 1e-2, 1e-3,  1e-4,  1e-5, 1e-6,
                                            1e-7, 1e-8, 1e-9, 1e-10, 1e-11, 1e-12};

double Scale(double value, int from, int to, bool dividesUpward) {
    const int shift = from - to;
    if (shift >= 0)
        return value * kTens[static_cast<std::size_t>(shift)];
    // From a smaller to a larger unit: the resistance tab divides, the others multiply.
    if (dividesUpward)
        return value / kTens[static_cast<std::size_t>(-shift)];
    return value * kTenths[static_cast<std::size_t>(-shift)];
}

std::span<const Unit> PowerUnits(PowerKind kind) {
    switch (kind) {
    case PowerKind::Active:
        return kActivePower;
    case PowerKind::Apparent:
        return kApparentPower;
    case PowerKind::Reactive:
        return kReactivePower;
    }
    throw std::invalid_argument("unknown power kind");
}

} // namespace

std::span<const PowerKindOption> PowerKindOptions() {
    return kPowerKinds;
}

TabUnits Units(Tab tab, PowerKind kind) {
    switch (tab) {
    case Tab::Resistance:
        return {kResistance, 2};
    case Tab::Capacitance:
        return {kCapacitance, 1};
    case Tab::Inductance:
        return {kInductance, 1};
    case Tab::Current:
        return {kCurrent, 1};
    case Tab::Voltage:
        return {kVoltage, 1};
    case Tab::Power:
        return {PowerUnits(kind), 2};
    }
    throw std::invalid_argument("unknown tab");
}

std::optional<Texts> Convert(Tab tab, std::size_t unit, std::string_view input, PowerKind kind) {
    const std::span<const Unit> units = Units(tab, kind).units;
    const std::optional<double> value = TryReadNumber(input);
    if (!value || unit >= units.size())
        return std::nullopt;
    const Unit& from = units[unit];
    Texts texts{std::string(from.caption), {}};
    for (const Unit& to : units) {
        if (&to == &from) {
            texts.results.emplace_back(input);
            continue;
        }
        const double result = Scale(*value, from.exponent, to.exponent, tab == Tab::Resistance);
        // Only an absurdly long input overflows; the results then stay as they were.
        if (!std::isfinite(result))
            return std::nullopt;
        texts.results.push_back(NumberText(result));
    }
    return texts;
}

} // namespace voltaris::quantity_conversion
