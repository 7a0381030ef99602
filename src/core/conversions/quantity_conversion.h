// The electrical quantity conversion window ("Elektrik Ve Elektronikte Kullanılan Kavramlar Arası
// Dönüşüm"): a value of resistance, capacitance, inductance, current, voltage or power converted
// between the decimal multiples of its unit, one tab per quantity, refreshed as it is typed.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::quantity_conversion {

enum class Tab { Resistance, Capacitance, Inductance, Current, Voltage, Power };

// The power tab's "Güç Çeşitleri" group; the kind only renames the four power units.
enum class PowerKind { Active, Apparent, Reactive };

struct PowerKindOption {
    std::string_view caption; // " Watt(W)"
    std::string_view toolTip; // "Aktif Güç"
};
// In PowerKind order; Active is chosen at opening.
std::span<const PowerKindOption> PowerKindOptions();

// One unit of a tab: its caption and decimal exponent (kilo 3, milli -3, ...).
struct Unit {
    std::string_view caption;
    int exponent;
};

struct TabUnits {
    std::span<const Unit> units; // in the window's order
    std::size_t initialUnit;     // index of the unit chosen at opening
};

// The tab's units; `kind` gives the power units their captions.
TabUnits Units(Tab tab, PowerKind kind = PowerKind::Active);

// What one refresh writes on a tab.
struct Texts {
    std::string selectedUnit;         // the text shown by the "Seçilen Birim" label
    std::vector<std::string> results; // one per unit, in Units(tab) order
};

// One refresh of a tab: `unit` is the index of the chosen unit, `input` the input field's text.
// Nothing (the fields stay as they are) while the input holds no number.
std::optional<Texts> Convert(Tab tab, std::size_t unit, std::string_view input,
                             PowerKind kind = PowerKind::Active);

} // namespace voltaris::quantity_conversion
