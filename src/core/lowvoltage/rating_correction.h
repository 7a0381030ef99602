// "Kablo Akım Taşıma Düzeltme Faktörleri Bölümü": a cable's tabulated current rating corrected for
// the conditions where it is laid, by the correction factors of IEC 60364-5-52:2009, annex B:
// ambient air temperature (table B.52.14), ground temperature (B.52.15), soil thermal
// resistivity (B.52.16), grouping in air (B.52.17) and grouping in the ground (B.52.18 and
// B.52.19); and the report.
#pragma once

#include "core/outcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::rating_correction {

enum class Laying { Air, Ground };
// PVC (conductor at most 70 °C); XLPE or EPR (at most 90 °C).
enum class Insulation { Pvc, Xlpe };

// The arrangements of cables buried in the ground, in the order of their list.
enum class Buried { Direct, MultiCoreInDucts, SingleCoreInDucts };

// The window's choices: its two option groups and the entries chosen in its lists.
struct Choice {
    Laying laying = Laying::Air;
    Insulation insulation = Insulation::Pvc;
    int temperature = 4; // TemperatureEntries(): 30 °C, the rating's air temperature
    int arrangement = 0; // ArrangementEntries(laying)
    int clearance = 0;   // ClearanceEntries(choice), in the ground only
    int circuits = 0;    // CircuitEntries(laying): one circuit
    int resistivity = 5; // ResistivityEntries(): 2.5 K·m/W, the rating's soil
    friend bool operator==(const Choice&, const Choice&) = default;
};

// The lists' entries. The temperatures, 10 to 80 °C in steps of 5, serve both layings.
const std::vector<std::string>& TemperatureEntries();
// The temperature of the rating tables: 30 °C in air, 20 °C in the ground.
int ReferenceTemperatureIndex(Laying laying);
const std::vector<std::string>& ArrangementEntries(Laying laying);
// The clearances between the circuits of the chosen buried arrangement; none in air.
const std::vector<std::string>& ClearanceEntries(const Choice& choice);
// Number of circuits or multi-core cables: 1 to 9, 12, 16, 20 in air; 1 to 6 in the ground.
const std::vector<std::string>& CircuitEntries(Laying laying);
const std::vector<std::string>& ResistivityEntries();
inline constexpr int kReferenceResistivityIndex = 5;
// The caption of the temperature list: "Ortam Havası Sıcaklığı" or "Toprak Sıcaklığı".
std::string_view TemperatureCaption(Laying laying);
std::string_view LayingName(Laying laying);
std::string_view InsulationName(Insulation insulation);

// The factors of the choice; nothing where the standard gives none (PVC above 60 °C).
std::optional<double> TemperatureFactor(const Choice& choice);
std::optional<double> GroupingFactor(const Choice& choice);
// In the ground only.
std::optional<double> ResistivityFactor(const Choice& choice);

// The window's fields.
struct Fields {
    std::string rating;            // Text1, It: the rating from the cable's table (A)
    std::string temperatureFactor; // Text2, k1
    std::string groupingFactor;    // Text3, k2
    std::string resistivityFactor; // Text4, k3 (in the ground; emptied in air)
    std::string totalFactor;       // Text5, k = k1 × k2 (× k3)
    std::string corrected;         // Text6, Iz = It × k (A)
    friend bool operator==(const Fields&, const Fields&) = default;
};

// "Hesapla": k1, k2 and k3 (the table values, "#0.00"), their product k (exact at six decimals)
// and Iz = It × k (two decimals), in that order. A factor the standard does not give, a rating
// that is not a number or a product too large for a number ends the steps there.
Outcome<Fields> Compute(const Choice& choice, Fields start);

// The report of `choice` (the last compute's) with the field texts as they stand.
std::vector<std::string> ReportLines(const Choice& choice, const Fields& fields);
inline const std::string kReportName = "Kablo Akım Taşıma Düzeltme";

// The source of the factors, as the window names it.
inline constexpr std::string_view kSource =
    "Düzeltme faktörleri: IEC 60364-5-52:2009, Ek B (Çizelge B.52.14 - B.52.19)";
// The conditions of the rating tables that the factors correct from.
inline constexpr std::string_view kReferenceConditions =
    "Tablo değerlerinin koşulları: havada 30 °C; toprakta 20 °C, toprak ısıl özdirenci "
    "2.5 K·m/W, döşeme derinliği 0.7 m.";

// The reference tables as the window shows them.
enum class TableId {
    AirTemperature,    // B.52.14
    GroundTemperature, // B.52.15
    SoilResistivity,   // B.52.16
    GroupingInAir,     // B.52.17
    BuriedDirect,      // B.52.18
    MultiCoreInDucts,  // B.52.19 a)
    SingleCoreInDucts, // B.52.19 b)
};
inline constexpr int kTableCount = 7;

struct ReferenceTable {
    std::string number; // "B.52.14"
    std::string tab;    // the short name of its tab page
    std::string title;  // what it gives
    std::string corner; // the head of the row heads, with its unit
    std::vector<std::string> columns;
    std::vector<std::string> rows;
    std::vector<std::vector<std::string>> cells; // [row][column]; "–" where no value is given
    std::string note;                            // how the standard says to apply it; may be empty
    std::vector<std::string> columnTips = {}; // the columns' full names, where they are shortened
};
const ReferenceTable& Table(TableId id);

// The tables the choice draws its factors from, in the order of the factors.
std::vector<TableId> TablesOf(const Choice& choice);
struct Cell {
    int row = 0;
    int column = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};
// The cell of `id` that the choice picks; nothing when it picks none there (one circuit in the
// ground, a table of the other laying).
std::optional<Cell> ChosenCell(TableId id, const Choice& choice);

} // namespace voltaris::rating_correction
