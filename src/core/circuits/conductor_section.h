// The section and diameter of a round conductor as the section and diameter commands of the
// conductor windows work them out, with π taken as 3.14, and their prompts.
#pragma once

#include <string_view>

namespace voltaris::conductor_section {

// π as the section and diameter commands take it.
inline constexpr double kShortPi = 3.14;

// The section (mm²) of a round conductor of diameter `diameter` (mm): d² × 3.14 / 4. Throws
// ComputeFailure when it is too large for a number.
double SectionOf(double diameter);
// The diameter (mm) of a round conductor of section `section` (mm²): √(4 × S / 3.14). Throws
// ComputeFailure for a negative section.
double DiameterOf(double section);

// The prompts of the section and diameter commands.
inline constexpr std::string_view kSectionPrompt =
    "İletkenin Kesitini MilimetreKare (mm²) Cinsinden Giriniz...";
inline constexpr std::string_view kDiameterPrompt =
    "İletkenin Çapını Milimetre (mm) Cinsinden Giriniz...";

} // namespace voltaris::conductor_section
