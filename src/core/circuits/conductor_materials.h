// The conductor materials of the conductor resistance, temperature and heater windows: the
// eighteen list entries in list order, with the resistivity at 20 °C and the temperature
// coefficients.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace voltaris::conductor_materials {

struct Material {
    std::string_view name;      // as the lists show it
    double resistivity;         // Ω·mm²/m at 20 °C
    double alpha;               // per °C
    std::optional<double> beta; // per °C², none for the alloys and brass
};

// The eighteen materials in list order.
std::span<const Material> Materials();

// The material at list index `index`; nothing when no entry is chosen (-1) or out of range.
const Material* MaterialAt(int index);

// The list entry the windows start with: "Bakır".
inline constexpr int kCopper = 1;

} // namespace voltaris::conductor_materials
