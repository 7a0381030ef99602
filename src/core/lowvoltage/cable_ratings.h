// The current ratings of copper and aluminium cables laid in earth and in air, by conductor
// section: the table that the cable voltage drop and the cable cross-section windows check a
// line's current against.
#pragma once

#include <span>
#include <string_view>

namespace voltaris::cable_ratings {

enum class Metal { Copper, Aluminium };

// One section of the table: its list text and its ratings (A per cable).
struct Rating {
    std::string_view section; // "1.5", "25"
    double earth;
    double air;
};

// The sections in list order: copper 1.5 to 400 mm² (17), aluminium 25 to 400 mm² (11).
std::span<const Rating> Ratings(Metal metal);

// The row of `section` (a list text). Throws ComputeFailure when the table has no such section.
const Rating& RatingOf(Metal metal, std::string_view section);

} // namespace voltaris::cable_ratings
