#include "core/lowvoltage/cable_ratings.h"

#include "core/numbers.h"

#include <algorithm>
#include <array>

namespace voltaris::cable_ratings {

namespace {

constexpr std::array<Rating, 17> kCopper{{
    {"1.5", 26, 18.5},
    {"2.5", 34, 25},
    {"4", 44, 34},
    {"6", 56, 43},
    {"10", 75, 60},
    {"16", 98, 80},
    {"25", 128, 106},
    {"35", 157, 131},
    {"50", 185, 159},
    {"70", 228, 202},
    {"95", 275, 244},
    {"120", 313, 282},
    {"150", 353, 324},
    {"185", 399, 371},
    {"240", 464, 436},
    {"300", 524, 481},
    {"400", 600, 560},
}};

constexpr std::array<Rating, 11> kAluminium{{
    {"25", 99, 83},
    {"35", 118, 102},
    {"50", 142, 124},
    {"70", 176, 158},
    {"95", 211, 190},
    {"120", 242, 221},
    {"150", 270, 252},
    {"185", 308, 289},
    {"240", 363, 339},
    {"300", 412, 377},
    {"400", 475, 444},
}};

} // namespace

std::span<const Rating> Ratings(Metal metal) {
    if (metal == Metal::Aluminium)
        return kAluminium;
    return kCopper;
}

const Rating& RatingOf(Metal metal, std::string_view section) {
    const std::span<const Rating> table = Ratings(metal);
    const auto row = std::find_if(table.begin(), table.end(),
                                  [section](const Rating& r) { return r.section == section; });
    if (row == table.end())
        throw ComputeFailure("no such cable section");
    return *row;
}

} // namespace voltaris::cable_ratings
