#include "core/mediumvoltage/cable_channel.h"

#include "core/numbers.h"

#include <array>

namespace voltaris::cable_channel {

namespace {

// clang-format off
constexpr std::array<ChannelType, 20> kTypes = {{
    {"Tip 1-A (1 AG)", 40, 60, 80},
    {"Tip 1-A (2 AG)", 40, 60, 80},
    {"Tip 1-B (1 YG)", 40, 60, 80},
    {"Tip 1-B (3 AG)", 40, 60, 80},
    {"Tip 2-A (4 AG)", 40, 60, 110},
    {"Tip 2-B (1 YG + 2 AG)", 40, 60, 110},
    {"Tip 2-C (1 YG + 3 AG)", 40, 60, 110},
    {"Tip 2-C (2 YG)", 40, 60, 110},
    {"Tip 3-A (2 YG + 1 AG)", 60, 85, 110},
    {"Tip 4-A (8 AG)", 70, 96, 110},
    {"Tip 5-A (3 YG)", 100, 120, 110},
    {"Tip 5-B (3 YG + 1 AG)", 100, 120, 110},
    {"Tip 5-C (3 YG + 2 AG)", 100, 120, 110},
    {"Tip 5-D (4 YG)", 100, 120, 110},
    {"Tip 6-A (4 YG + 1 AG)", 110, 130, 110},
    {"Tip 7-A (4 YG + 2 AG)", 120, 140, 110},
    {"Tip 8-B (5 YG + 1 AG)", 100, 125, 140},
    {"Tip 8-C (2 YG + 12 AG)", 100, 125, 140},
    {"Tip 8-D (5 YG)", 100, 125, 140},
    {"Tip 8-D (6 YG)", 100, 125, 140},
}};
// clang-format on

} // namespace

std::span<const ChannelType> Types() {
    return kTypes;
}

Dimensions TypeDimensions(int type, Ground ground) {
    const ChannelType& channel = kTypes.at(static_cast<std::size_t>(type));
    const int allowance = ground == Ground::Road ? kRoadAllowance : 0;
    return {std::to_string(channel.bottom), std::to_string(channel.top),
            std::to_string(channel.baseDepth + allowance)};
}

Outcome<Fields> Compute(Fields fields) {
    return RunSteps(std::move(fields), [](Fields& f) {
        const double bottom = ReadNumber(f.bottom) / 100;
        const double top = ReadNumber(f.top) / 100;
        const double depth = ReadNumber(f.depth) / 100;
        f.perMetre = NumberText(checked::Finite((bottom + top) / 2 * depth));
        f.total = NumberText(checked::Finite(ReadNumber(f.perMetre) * ReadNumber(f.length)));
    });
}

} // namespace voltaris::cable_channel
