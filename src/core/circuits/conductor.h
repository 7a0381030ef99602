// What the conductor windows share: the conductor materials with their resistivities, and the
// section and diameter of a round conductor as the section and diameter commands work them out,
// with π taken as 3.14.
#pragma once

#include <span>
#include <string_view>

namespace voltaris::conductor {

// One entry of the material lists: its name as listed and its resistivity in Ω·mm²/m.
struct Material {
    std::string_view name;
    double resistivity;
};

// The eighteen materials in list order ("Gümüş" to "Krom-Nikel(%79 Ni,%20 Cr,%1 Mn)").
std::span<const Material> Materials();

// π as the section and diameter commands take it.
inline constexpr double kShortPi = 3.14;

// The section (mm²) of a round conductor of diameter `diameter` (mm): d² × 3.14 / 4.
double SectionOf(double diameter);
// The diameter (mm) of a round conductor of section `section` (mm²): √(4 × S / 3.14). Throws
// ComputeFailure for a negative section.
double DiameterOf(double section);

// The prompts of the section and diameter commands.
inline constexpr std::string_view kSectionPrompt =
    "İletkenin Kesitini MilimetreKare (mm²) Cinsinden Giriniz...";
inline constexpr std::string_view kDiameterPrompt =
    "İletkenin Çapını Milimetre (mm) Cinsinden Giriniz...";

} // namespace voltaris::conductor
