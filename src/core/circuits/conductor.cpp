#include "core/circuits/conductor.h"

#include "core/numbers.h"

#include <array>

namespace voltaris::conductor {

namespace {

// "Demir" and "Platin" both carry 0.0125, as the lists always have.
constexpr std::array<Material, 18> kMaterials = {{
    {"Gümüş", 0.016},
    {"Bakır", 0.0178},
    {"Altın", 0.023},
    {"Alüminyum", 0.0285},
    {"Mağnezyum", 0.045},
    {"Wolfram", 0.055},
    {"Çinko", 0.063},
    {"Pirinç", 0.08},
    {"Nikel", 0.095},
    {"Demir", 0.0125},
    {"Kalay", 0.11},
    {"Platin", 0.0125},
    {"Kurşun", 0.21},
    {"Manganin(%84 Cu,%4 Ni, %12 Mn)", 0.43},
    {"Nikelin(%54 Cu,%26 Ni,%20 Zn)", 0.43},
    {"Konstantan(%54 Cu,%45 Nl,%1 Mn)", 0.5},
    {"Civa", 0.96},
    {"Krom-Nikel(%79 Ni,%20 Cr,%1 Mn)", 1.1},
}};

} // namespace

std::span<const Material> Materials() {
    return kMaterials;
}

double SectionOf(double diameter) {
    return checked::Finite(diameter * diameter * kShortPi / 4);
}

double DiameterOf(double section) {
    return checked::Sqrt(4 * section / kShortPi);
}

} // namespace voltaris::conductor
