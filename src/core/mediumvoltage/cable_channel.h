// The cable channel window ("Kanal  Hesaplama"): the excavation volume of a trapezoidal cable
// trench, per metre and for its length, from typed dimensions or a standard channel type whose
// depth grows under a road.
#pragma once

#include "core/outcome.h"

#include <span>
#include <string>
#include <string_view>

namespace voltaris::cable_channel {

// A standard channel type: its list entry, bottom and top width and base depth, in cm.
struct ChannelType {
    std::string_view name;
    int bottom;
    int top;
    int baseDepth;
};
// The type list, in list order.
std::span<const ChannelType> Types();

// Where the trench is dug: the depth used is the base depth, plus 20 cm under a road.
enum class Ground { Pavement, Road };
inline constexpr int kRoadAllowance = 20;

// The dimensions the type refresh writes into the bottom, top and depth fields.
struct Dimensions {
    std::string bottom;
    std::string top;
    std::string depth;
    friend bool operator==(const Dimensions&, const Dimensions&) = default;
};
Dimensions TypeDimensions(int type, Ground ground);

// The defaults, written at opening and by "Temizle".
inline constexpr std::string_view kDefaultBottom = "40";
inline constexpr std::string_view kDefaultTop = "60";
inline constexpr std::string_view kDefaultDepth = "80";
inline constexpr std::string_view kDefaultLength = "1";

// The window's fields.
struct Fields {
    std::string bottom;   // Text1, cm
    std::string top;      // Text2, cm
    std::string depth;    // Text3, cm
    std::string length;   // Text4, m
    std::string perMetre; // Text5, m³ per metre (unrounded)
    std::string total;    // Text6, m³ (unrounded)
    friend bool operator==(const Fields&, const Fields&) = default;
};

// "Hesapla": the volume of one metre, then the total from the text just written for it.
Outcome<Fields> Compute(Fields fields);

} // namespace voltaris::cable_channel
