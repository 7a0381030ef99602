// The conductor sections the cable and short-circuit windows offer in their section lists.
#pragma once

#include <array>
#include <string_view>

namespace voltaris::cable_sections {

// In mm², smallest first, as the lists show them.
inline constexpr std::array<std::string_view, 17> kSections = {
    "1.5", "2.5", "4",   "6",   "10",  "16",  "25",  "35", "50",
    "70",  "95",  "120", "150", "185", "240", "300", "400"};

} // namespace voltaris::cable_sections
