// "Alüminyum İletkenlerin Kilogram Karşılıklarını Bulma Bölümü": the weight of the bare aluminium
// and steel-reinforced aluminium conductors of a line from its length and number of conductors,
// and the length that a weight of conductor makes; the table of the conductors; the report.
#pragma once

#include "core/lowvoltage/overhead_conductors.h"
#include "core/outcome.h"

#include <string>
#include <string_view>
#include <vector>

namespace voltaris::conductor_weight {

// The conductor lists' entries: "ROSE (AAC, 4 AWG)", …, "SWALLOW (ACSR, 3 AWG)", …, in the order
// of overhead_conductors::BareConductors().
std::vector<std::string> ConductorEntries();

// The table of the conductors: its column headers and one row of texts per conductor.
std::vector<std::string> TableHeaders();
std::vector<std::vector<std::string>> TableRows();

// Weight from length: "Hesapla" (`Command1`) reads the length (m) and the number of conductors,
// then writes the weight of one conductor and of all of them (kg, 2 decimals).
struct WeightTexts {
    std::string each;  // Text4
    std::string total; // Text3
};
Outcome<WeightTexts> WeightOf(int conductor, std::string_view length, std::string_view count,
                              WeightTexts start);

// Length from weight: "Hesapla" (`Command3`) reads the weight (kg) and the number of conductors,
// then writes the conductor length the weight makes and the length of the line (m, 2 decimals).
struct LengthTexts {
    std::string total; // Text14
    std::string line;  // Text13
};
Outcome<LengthTexts> LengthOf(int conductor, std::string_view kilograms, std::string_view count,
                              LengthTexts start);

// The report of the last compute of each kind, with the texts as they stand; a kind never
// computed is left out.
struct WeightReport {
    int conductor;
    std::string length;
    std::string count;
    WeightTexts shown;
};
struct LengthReport {
    int conductor;
    std::string kilograms;
    std::string count;
    LengthTexts shown;
};
std::vector<std::string> ReportLines(const WeightReport* weight, const LengthReport* length);
inline constexpr std::string_view kReportName = "Alüminyum İletkenlerin Kilogram Karşılıkları";

} // namespace voltaris::conductor_weight
