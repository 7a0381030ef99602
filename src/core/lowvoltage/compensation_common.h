// What the two power-factor correction windows share: the tangents of the present and the wanted
// power factor that a compute keeps for the report, the results rounded to two decimals and
// shown as the shortest text of the rounded double, and the report's four power-factor lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace voltaris::compensation {

// List positions of the power factors chosen at opening: "0.99" for the wanted one.
inline constexpr int kWantedCosDefault = 1;

// tan φ of the present and tan θ of the wanted power factor, kept from the last compute.
struct Tangents {
    double present = 0;
    double wanted = 0;
    friend bool operator==(const Tangents&, const Tangents&) = default;
};

// The tangent √(1 − c²) / c of a power-factor list text. Throws ComputeFailure for a text that
// is no number, for 0 ("0.00", the last entry) and above 1.
double TangentOf(std::string_view cosText);

// A result rounded to 2 decimals (halves to even) as the shortest text of the rounded double:
// 0.6075 shows as "0.61", 0.30000000000000004 as "0.3".
std::string Rounded2(double value);

// The four lines naming the present and the wanted power factor as cosine and as tangent (the
// tangents rounded to 2 decimals); `subject` is the line's subject ("Tesisin").
std::vector<std::string> PowerFactorLines(std::string_view subject, std::string_view presentCos,
                                          std::string_view wantedCos, const Tangents& tangents);

} // namespace voltaris::compensation
