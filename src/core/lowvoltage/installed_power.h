// Installed and demand power of a building ("Kurulu Güç ve Talep Güç Hesaplama"): from the
// installed power of one independent section (a flat, an office, a ward) and the number of such
// sections, the building's installed power and its demand power by the demand factors of its
// kind. The factors fall with the size of the installed power: each slice of the installed
// power has its own factor. A block of flats takes the factors of one flat, then the building's
// factor by the number of flats on the sum of the flats' demand powers.
//
// Window use (`Form44`):
// - Load: `Combo1` lists BuildingTypes() at kDwelling; `Command8` disabled.
// - "Hesapla" (`Command1`): Compute(type, `Text1`, `Text2`); write `Text3` to `Text7`; on a
//   failure the "DEĞERLERİ GİRİNİZ..." warning with `Text1` and `Text2` tested, else enable
//   `Command8` and keep the outcome for the report.
// - "Temizle" (`Command3`): inputs and results emptied, `Combo1` back at kDwelling, `Command8`
//   disabled.
// - "Rapor Ver" (`Command8`): ReportLines(fields as they stand, the last compute) into
//   kReportName.
#pragma once

#include "core/outcome.h"

#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::installed_power {

inline constexpr double kRest = std::numeric_limits<double>::infinity();

// A slice of the installed power: the part up to `upTo` kW (above the previous slice) counts
// with `factor`.
struct Band {
    double upTo; // kW; kRest for the remainder
    double factor;
};

struct BuildingType {
    std::string_view name; // the list entry
    std::vector<Band> bands;
    std::string_view rule; // the bands in words, shown under the list
    bool dwelling;         // flats: the bands per flat, then the building factor
};
// The kinds of building, in list order.
std::span<const BuildingType> BuildingTypes();
inline constexpr int kDwelling = 0;

// The demand power of `installed` kW: each slice times its factor.
double BandedDemand(double installed, std::span<const Band> bands);
// The same with its numbers, slice by slice: "8 x 0.6 + 5 x 0.4".
std::string BandedFormula(double installed, std::span<const Band> bands);

// The building's factor by its number of flats, in rising counts.
struct FlatCountBand {
    std::string_view flats; // "3 - 5"
    double below;           // the first count of the next band; kRest for the last
    double factor;
};
std::span<const FlatCountBand> FlatCountBands();
// The first band whose `below` is above `flats`, and its factor (1 below three flats).
int FlatCountBandOf(double flats);
double BuildingFactor(double flats);

struct Texts {
    std::string total;          // `Text3`, kW
    std::string unitDemand;     // `Text4`, kW, flats only
    std::string buildingFactor; // `Text5`, flats only
    std::string demand;         // `Text6`, kW
    std::string overallFactor;  // `Text7`, demand / installed
    // For the report: the slices of the formula computed (one flat's, or the whole building's).
    std::string formula;
    int flatBand = -1; // the building factor's band (FlatCountBands), -1 for other kinds
    friend bool operator==(const Texts&, const Texts&) = default;
};

// "Hesapla": reads the section's installed power and the number of sections, then writes the
// total installed power n·P, for flats one flat's demand and the building factor, the demand
// power (flats: n × one flat's demand × the building factor; else the bands on n·P) and
// demand / installed. kW to 2 decimals, the factors to 2 and 4 decimals. Fails before writing
// anything when a field is not a number, and at the last step when nothing is installed.
Outcome<Texts> Compute(int type, std::string_view unitPower, std::string_view units, Texts shown);

inline constexpr std::string_view kReportName = "Kurulu Güç ve Talep Güç Hesaplama";
inline constexpr std::string_view kSource =
    "Kaynak: Elektrik İç Tesisleri Yönetmeliği (R.G. 04.11.1984/18565) Madde 57 (konutlar); "
    "diğer binalar: NFPA 70 (NEC) 2017 Tablo 220.42";

struct ReportFields {
    int type; // of the last compute
    std::string unitPower, units, total, unitDemand, buildingFactor, demand, overallFactor;
    std::string formula; // of the last compute
};
std::vector<std::string> ReportLines(const ReportFields& fields);

} // namespace voltaris::installed_power
