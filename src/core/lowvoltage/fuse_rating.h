// "Sigorta Değeri Hesaplama": from the current a load draws and the current-carrying capacity of
// the line feeding it, the standard fuse ratings by the line's capacity, by the load current and
// by the over-current factor of the chosen fuse type.
#pragma once

#include "core/messages.h"
#include "core/outcome.h"

#include <optional>
#include <span>
#include <string_view>

namespace voltaris::fuse_rating {

// The 30 standard ratings (A), in the order of the three result lists: 1 ... 2500.
std::span<const double> Ratings();

// The fuse types of the over-current factor list, in list order, with their factors.
struct FuseType {
    std::string_view text; // "1.4 (NH Sigorta)"
    double factor;         // 1.4
};
std::span<const FuseType> FuseTypes();
// The list opens (and "Temizle" puts it back) on "1.4 (NH Sigorta)".
inline constexpr int kDefaultFuseType = 1;

// The entries chosen in the three result lists, and the box "Hesapla" shows instead of choosing.
struct Choice {
    int byLine = 0;   // Combo2: the line's nominal current
    int byLoad = 0;   // Combo3: the load current
    int byFactor = 0; // Combo4: the over-current factor
    std::optional<Message> notice;
    friend bool operator==(const Choice&, const Choice&) = default;
};

// The largest rating not above `current`: the entry before the first whose next entry is above
// it ("1" when the second already is). `kept` when no entry qualifies (2500 and above).
int LargestNotAbove(double current, int kept);
// The smallest rating above `current`; `kept` when none is (2500 and above).
int SmallestAbove(double current, int kept);

// "Hesapla" on the load current (Text1), the line capacity (Text2) and the fuse type (Combo1's
// entry), with the lists choosing `shown`. The capacity counts as a whole number, a half going to
// the even neighbour (62.5 is 62); a capacity not above the load current gives kCapacityTooLow
// and leaves every list as it was. Fails (every list as it was) when a current is not a number.
Outcome<Choice> Compute(std::string_view loadCurrent, std::string_view lineCapacity, int fuseType,
                        Choice shown);

inline constexpr std::string_view kCapacityTooLow =
    "Hattın Akım Taşıma Kapasitesi ; Tesise İhtiyaç Duyulan Akım Değerinden Küçük Olamaz...";

} // namespace voltaris::fuse_rating
