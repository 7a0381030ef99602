#include "core/conversions/quantity_conversion.h"

#include "core/numbers.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace voltaris::quantity_conversion {

namespace {

constexpr auto kPowerKinds = std::to_array<PowerKindOption>({
    {"Option22", " Watt(W)", "Aktif Güç"},
    {"Option23", "Volt-Amper(VA)", "Görünür Güç"},
    {"Option24", "Volt-Amper-Reaktif(VAr)", "Reaktif Güç"},
});

constexpr auto kResistance = std::to_array<Unit>({
    {"Option26", "MİKRO OHM", -6, "Text29"},
    {"Option25", "MİLİ OHM", -3, "Text28"},
    {"Option1", "OHM", 0, "Text4"},
    {"Option2", "KİLO OHM", 3, "Text3"},
    {"Option3", "MEGA OHM", 6, "Text2"},
});
constexpr auto kCapacitance = std::to_array<Unit>({
    {"Option4", "FARAD", 0, "Text6"},
    {"Option5", "MİKRO FARAD", -6, "Text7"},
    {"Option6", "NANO FARAD", -9, "Text8"},
    {"Option7", "PİKO FARAD", -12, "Text9"},
});
constexpr auto kInductance = std::to_array<Unit>({
    {"Option8", "HENRİ", 0, "Text11"},
    {"Option9", "MİLİ HENRİ", -3, "Text12"},
    {"Option10", "MİKRO HENRİ", -6, "Text13"},
});
constexpr auto kCurrent = std::to_array<Unit>({
    {"Option11", "KİLO AMPER", 3, "Text15"},
    {"Option12", "AMPER", 0, "Text16"},
    {"Option13", "MİLİ AMPER", -3, "Text17"},
    {"Option14", "MİKRO AMPER", -6, "Text18"},
});
constexpr auto kVoltage = std::to_array<Unit>({
    {"Option15", "KİLO VOLT", 3, "Text20"},
    {"Option16", "VOLT", 0, "Text21"},
    {"Option17", "MİLİ VOLT", -3, "Text22"},
});
constexpr auto kActivePower = std::to_array<Unit>({
    {"Option18", "MEGA WATT", 6, "Text24"},
    {"Option19", "KİLO WATT", 3, "Text25"},
    {"Option20", "WATT", 0, "Text26"},
    {"Option21", "MİLİ WATT", -3, "Text27"},
});
constexpr auto kApparentPower = std::to_array<Unit>({
    {"Option18", "MEGA VOLT-AMPER", 6, "Text24"},
    {"Option19", "KİLO VOLT-AMPER", 3, "Text25"},
    {"Option20", "VOLT-AMPER", 0, "Text26"},
    {"Option21", "MİLİ VOLT-AMPER", -3, "Text27"},
});
constexpr auto kReactivePower = std::to_array<Unit>({
    {"Option18", "MEGA VOLT-AMPER-REAKTİF", 6, "Text24"},
    {"Option19", "KİLO VOLT-AMPER-REAKTİF", 3, "Text25"},
    {"Option20", "VOLT-AMPER-REAKTİF", 0, "Text26"},
    {"Option21", "MİLİ VOLT-AMPER-REAKTİF", -3, "Text27"},
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

TabFields Layout(Tab tab, PowerKind kind) {
    switch (tab) {
    case Tab::Resistance:
        return {"Text1", kResistance, 2};
    case Tab::Capacitance:
        return {"Text5", kCapacitance, 1};
    case Tab::Inductance:
        return {"Text10", kInductance, 1};
    case Tab::Current:
        return {"Text14", kCurrent, 1};
    case Tab::Voltage:
        return {"Text19", kVoltage, 1};
    case Tab::Power:
        return {"Text23", PowerUnits(kind), 2};
    }
    throw std::invalid_argument("unknown tab");
}

std::optional<Texts> Convert(Tab tab, std::size_t unit, std::string_view input, PowerKind kind) {
    const TabFields fields = Layout(tab, kind);
    const std::optional<double> value = TryReadNumber(input);
    if (!value || unit >= fields.units.size())
        return std::nullopt;
    const Unit& from = fields.units[unit];
    Texts texts{std::string(from.caption), {}};
    for (const Unit& to : fields.units) {
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
