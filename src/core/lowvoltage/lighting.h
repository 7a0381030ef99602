// Lighting ("Aydınlatma Hesaplama"): the general lighting of a rectangular room by the
// utilisation-factor (lumen) method. From the room, the heights, the reflection coefficients of
// ceiling, walls and floor, the soiling factor, the illuminance wanted and the flux of one lamp:
// the room index, the utilisation factor from the table below, the total flux, the number of
// lamps and the illuminance they really give.
//
// Window use (`Form49`):
// - Load: the three lists hold ReflectionList() at kCeilingDefault, kWallDefault, kFloorDefault;
//   `Text4` holds kDefaultPlaneHeight, `Text5` kDefaultSoiling; `Command4` disabled.
// - "Hesapla" (`Command1`): Compute(inputs, shown); write the lamps and the illuminance, keep
//   the rest; on a failure the "DEĞERLERİ GİRİNİZ..." warning with `Text1` to `Text7` tested,
//   else enable `Command4`.
// - "Temizle" (`Command3`): inputs and results emptied, the defaults back, the lists at their
//   defaults, `Command4` disabled; the kept values (the utilisation factor above all) stay.
// - "Rapor Ver" (`Command4`): ReportLines(inputs as they stand, shown) into kReportName.
#pragma once

#include "core/outcome.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::lighting {

// The reflection lists: "%100", "%99", ..., "%1".
const std::vector<std::string>& ReflectionList();
inline constexpr int kCeilingDefault = 20; // "%80"
inline constexpr int kWallDefault = 50;    // "%50"
inline constexpr int kFloorDefault = 90;   // "%10"

inline constexpr std::string_view kDefaultPlaneHeight = "0.85";
inline constexpr std::string_view kDefaultSoiling = "1.25";

// A reflection list's text ("%75") as the coefficient the table is read with: the percentage
// / 100 rounded to 1 decimal, halves to even (0.25 -> 0.2, 0.75 -> 0.8). Throws ComputeFailure
// for a text that is no percentage.
double Coefficient(std::string_view listText);

// One bound of a coefficient's range.
struct Bound {
    double value;
    bool inclusive;
};
// The coefficients a row takes: between its bounds, a missing bound being open.
struct Range {
    std::optional<Bound> low;
    std::optional<Bound> high;
    bool Contains(double coefficient) const;
};

inline constexpr int kColumns = 10;
struct UtilisationRow {
    Range ceiling;
    Range wall;
    Range floor;
    std::array<double, kColumns> factors; // by room-index column
};
// The ten rows of the utilisation table, in the order they are tested; where two rows take the
// same coefficients the later one holds.
const std::array<UtilisationRow, 10>& UtilisationTable();

// The column (0 to 9) of a room index already rounded to 1 decimal: 0 up to 0.6, else the last
// column whose threshold k reaches (0.7, 0.9, 1.1, 1.4, 1.6, 2.2, 2.7, 3.5, 4.5). Nothing between
// 0.6 and 0.7.
std::optional<int> Column(double roomIndex);
// The utilisation factor of the table, or nothing when no row or no column takes the values.
std::optional<double> UtilisationFactor(double ceiling, double wall, double floor,
                                        double roomIndex);

struct Inputs {
    std::string length;      // `Text1`, a, m
    std::string width;       // `Text2`, b, m
    std::string lampHeight;  // `Text3`, H, m
    std::string planeHeight; // `Text4`, h1, m
    std::string soiling;     // `Text5`, d
    std::string illuminance; // `Text6`, E, lux
    std::string flux;        // `Text7`, L, lm
    std::string ceiling;     // `Combo1`, "%80"
    std::string wall;        // `Combo2`
    std::string floor;       // `Combo3`
};

// What the window keeps between clicks; "Temizle" leaves it.
struct Kept {
    double a = 0, b = 0, sum = 0, area = 0, h = 0, k = 0;
    double ceiling = 0, wall = 0, floor = 0;
    double n = 0;     // the utilisation factor: 0 until a compute finds one
    double total = 0; // T, lm
    friend bool operator==(const Kept&, const Kept&) = default;
};

struct Results {
    std::string lamps;   // `Text8`, Z
    std::string reached; // `Text9`, lux
    Kept kept;
    friend bool operator==(const Results&, const Results&) = default;
};

// The compute, step by step from `shown`: coefficients, a and b, A and a + b, h = H - h1,
// k = A / (h (a + b)) rounded to 1 decimal, n from the table (kept as it was where the table has
// none), T = E A d / n, Z = T / L and the illuminance L Z n / (d A) with Z read back from its
// field, each of the three rounded to a whole number. A failing step (no number, a division by
// zero, n never found) ends it there.
Outcome<Results> Compute(const Inputs& inputs, Results shown);

inline constexpr std::string_view kReportName = "Aydınlatma Hesabı";
// The report's 49 lines: the fields and lists as they stand, h, k, n, A and T as kept.
std::vector<std::string> ReportLines(const Inputs& inputs, const Results& shown);

} // namespace voltaris::lighting
