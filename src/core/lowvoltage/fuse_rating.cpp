#include "core/lowvoltage/fuse_rating.h"

#include "core/numbers.h"

#include <array>
#include <cstddef>

namespace voltaris::fuse_rating {

namespace {

constexpr std::array<double, 30> kRatings = {1,   2,   3,   4,   6,   10,   16,   20,   25,   32,
                                             40,  50,  63,  80,  100, 125,  160,  200,  225,  250,
                                             300, 400, 500, 630, 800, 1000, 1250, 1600, 2000, 2500};

constexpr std::array<FuseType, 2> kFuseTypes = {{
    {"1.1 (Otomatik Sigorta)", 1.1},
    {"1.4 (NH Sigorta)", 1.4},
}};

} // namespace

std::span<const double> Ratings() {
    return kRatings;
}

std::span<const FuseType> FuseTypes() {
    return kFuseTypes;
}

int LargestNotAbove(double current, int kept) {
    for (std::size_t i = 0; i + 1 < kRatings.size(); ++i)
        if (kRatings[i + 1] > current)
            return static_cast<int>(i);
    return kept;
}

int SmallestAbove(double current, int kept) {
    for (std::size_t i = 0; i < kRatings.size(); ++i)
        if (kRatings[i] > current)
            return static_cast<int>(i);
    return kept;
}

Outcome<Choice> Compute(std::string_view loadCurrent, std::string_view lineCapacity, int fuseType,
                        Choice shown) {
    shown.notice.reset();
    const double factor = kFuseTypes[static_cast<std::size_t>(fuseType)].factor;
    return RunSteps(std::move(shown), [&](Choice& choice) {
        const double capacity = RoundHalfEven(ReadNumber(lineCapacity), 0);
        const double load = ReadNumber(loadCurrent);
        if (capacity <= load) {
            choice.notice = InfoMessage(kCapacityTooLow);
            return;
        }
        const double perFactor = checked::Div(load, factor);
        choice.byLine = LargestNotAbove(capacity, choice.byLine);
        choice.byLoad = LargestNotAbove(load, choice.byLoad);
        choice.byFactor = SmallestAbove(perFactor, choice.byFactor);
    });
}

} // namespace voltaris::fuse_rating
