#include "core/circuits/conductor_materials.h"

#include <array>

namespace voltaris::conductor_materials {

namespace {

// The program's own values, kept as its users know them: iron has 0.0125 like platinum, and
// the constantan entry is spelled "Nl".
constexpr auto kMaterials = std::to_array<Material>({
    {"Gümüş", 0.016, 0.0038, 7e-7},
    {"Bakır", 0.0178, 0.00393, 6e-7},
    {"Altın", 0.023, 0.004, 5e-7},
    {"Alüminyum", 0.0285, 0.00377, 3e-7},
    {"Mağnezyum", 0.045, 0.0039, -1e-6},
    {"Wolfram", 0.055, 0.0041, -1e-6},
    {"Çinko", 0.063, 0.0037, -2e-6},
    {"Pirinç", 0.08, 0.0015, std::nullopt},
    {"Nikel", 0.095, 0.0037, -9e-6},
    {"Demir", 0.0125, 0.0045, -6e-6},
    {"Kalay", 0.11, 0.0042, -6e-6},
    {"Platin", 0.0125, 0.002, -6e-6},
    {"Kurşun", 0.21, 0.0042, -2e-6},
    {"Manganin(%84 Cu,%4 Ni, %12 Mn)", 0.43, 4e-5, std::nullopt},
    {"Nikelin(%54 Cu,%26 Ni,%20 Zn)", 0.43, 0.00011, std::nullopt},
    {"Konstantan(%54 Cu,%45 Nl,%1 Mn)", 0.5, 3.5e-6, std::nullopt},
    {"Civa", 0.96, 0.00092, -1.2e-6},
    {"Krom-Nikel(%79 Ni,%20 Cr,%1 Mn)", 1.1, 0.00092, std::nullopt},
});

} // namespace

std::span<const Material> Materials() {
    return kMaterials;
}

const Material* MaterialAt(int index) {
    if (index < 0 || index >= static_cast<int>(kMaterials.size()))
        return nullptr;
    return &kMaterials[static_cast<std::size_t>(index)];
}

} // namespace voltaris::conductor_materials
