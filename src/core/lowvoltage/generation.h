// "Elektrik Üretim Hesaplamaları": the power of a wind turbine from its rotor diameter (or the
// diameter for a power) and the power potential of a hydro-electric plant, with their reports.
//
// Window use (`Form47`): "Hesapla" (`Command1`) Wind, tested `Text1` with
// warnings::kEnterValue; "Hesapla" (`Command6`) Hydro, tested `Text3`, `Text5`; the reports
// WindReportLines and HydroReportLines; the menu prompts Flow and RotorDiameter.
#pragma once

#include "core/outcome.h"

#include <string>
#include <string_view>
#include <vector>

namespace voltaris::generation {

inline constexpr double kPi = 3.14159265358979;
inline constexpr int kFirstSpeed = 1, kLastSpeed = 20; // `Combo1`, m/s
inline constexpr int kWindEfficiency = 66;             // `Combo2` at opening
inline constexpr int kHydroEfficiency = 41;            // `Combo3` at opening
inline constexpr std::string_view kWindReportName = "Rüzgar Türbinin Üreteceği Gücü Hesaplama";
inline constexpr std::string_view kHydroReportName = "Hidroelektrik Gücü Hesaplama";
inline constexpr std::string_view kWindNote = "Normal Seçilmesi gereken aralık %20 - %50 arası";
inline constexpr std::string_view kHydroNote = "Normal Seçilmesi gereken aralık %60 - %70 arası";
inline constexpr std::string_view kFlowAreaPrompt =
    "Akarsuyun Ortalama Kesit Alanını Metrekare (m²) Cinsinden Giriniz...";
inline constexpr std::string_view kFlowSpeedPrompt =
    "Akarsuyun Ortalama Hızını Metre/Saniye (m/s) Cinsinden Giriniz...";
inline constexpr std::string_view kSweptAreaPrompt =
    "Rotor Kanatlarının Süpürdüğü Alanı MetreKare (m²) Cinsinden Giriniz...";

// The efficiency entries "%1" to "%100", and the number an entry stands for.
std::vector<std::string> EfficiencyEntries();
double EfficiencyOf(std::string_view entry);

enum class Direction { PowerFromDiameter, DiameterFromPower }; // `Option1`, `Option2`

struct WindInputs {
    Direction direction = Direction::PowerFromDiameter;
    std::string given;      // `Text1`: D in m, or P in W
    std::string speed;      // `Combo1` entry
    std::string efficiency; // `Combo2` entry
};

struct WindResult {
    std::string result;       // `Text2`, 4 decimals
    double sweptArea = 0;     // A, kept for the report
    double requiredPower = 0; // %W, kept for the report
};

Outcome<WindResult> Wind(const WindInputs& inputs, WindResult shown);
std::vector<std::string> WindReportLines(const WindInputs& inputs, const WindResult& kept);

struct HydroInputs {
    std::string head;       // `Text3`, m
    std::string flow;       // `Text5`, m³/s
    std::string efficiency; // `Combo3` entry
};
Outcome<std::string> Hydro(const HydroInputs& inputs, std::string shown); // `Text4`, 4 decimals
std::vector<std::string> HydroReportLines(const HydroInputs& inputs, std::string_view result);

// `mn_Debi`: Q = area × speed, the text written to `Text5`, and the result box's text.
struct Transfer {
    std::string field, message;
};
Transfer Flow(double area, double speed);
// `mn_ROTOR`: D = √(4·A / π), 2 decimals, to `Text1`.
Transfer RotorDiameter(double sweptArea);

} // namespace voltaris::generation
