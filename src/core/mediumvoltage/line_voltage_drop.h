// "Orta Gerilimde Gerilim Düşümü Hesaplama": the relative voltage drop, the power loss in kW and
// in per cent and the load current of a medium-voltage line, overhead (steel-cored aluminium) or
// underground (copper XLPE), with the coefficients K and C and the current-carrying capacity of
// the built-in tables; the 7 %, 5 % and capacity verdicts; the report.
#pragma once

#include "core/lowvoltage/cable_line.h"
#include "core/outcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::line_voltage_drop {

using cable_line::Verdict;
using cable_line::VerdictText;

enum class Line { Overhead, Underground };

// The operating voltages in table order: 6.3, 15.8, 31.5, 33 and 34.5 kV.
inline constexpr int kVoltageCount = 5;
double VoltageOf(int voltage);

// The overhead arrangements and the cable layings, in the order of their option buttons.
inline constexpr std::string_view kArrangements[] = {
    "Mesnet İzolatörlü", "Zincir İzolatörlü Düz Tertip", "Zincir İzolatörlü Bayrak Konsollu"};
inline constexpr std::string_view kLayings[] = {"3x Kablo Serimi", "Üçgen Şeklinde Dizilim",
                                                "Yan Yana Yatay Dizilim"};
enum Laying { kThreeCore = 0, kTrefoil = 1, kFlat = 2 };

// The conductor lists: the overhead conductors, the single-core cables and the three-core cables.
inline constexpr std::string_view kConductors[] = {"3x SWALLOW (AWG 3)", "3x RAVEN (AWG 1/0)",
                                                   "3x PIGEON (AWG 3/0)", "3x PARTRIDGE (AWG 266)",
                                                   "3x HAWK (AWG 477)"};
inline constexpr std::string_view kSingleCoreCables[] = {
    "3x(1x50)", "3x(1x70)", "3x(1x95)", "3x(1x120)", "3x(1x150)", "3x(1x185)", "3x(1x240)"};
inline constexpr std::string_view kThreeCoreCables[] = {
    "3x50+16", "3x70+16", "3x95+16", "3x120+16", "3x150+25", "3x185+25", "3x240+25"};

// What the window's second timer keeps current: the operating voltage (kV), the drop and loss
// coefficients and the current-carrying capacity (A) of the chosen line.
struct Coefficients {
    double u = 0;
    double k = 0;
    double c = 0;
    double imax = 0;
    friend bool operator==(const Coefficients&, const Coefficients&) = default;
};

// The choice of line: its kind, the voltage (0-4), the arrangement or laying (0-2, in the order
// of kArrangements / kLayings) and the entry of the conductor list shown.
struct Choice {
    Line line = Line::Overhead;
    int voltage = 4;
    int arrangement = 0;
    int conductor = 0;
};
Coefficients CoefficientsOf(const Choice& choice);

// The arrangement's report text the first timer forms: "Hat Tertibatı Şekli: …" overhead,
// "Kablo Serim Şekli: …" underground.
std::string ArrangementReportText(Line line, int arrangement);

// The field and list texts a compute reads.
struct Inputs {
    Line line = Line::Overhead;
    Coefficients kept;
    std::string demand;    // Text1, kVA
    std::string length;    // Text2, km
    std::string conductor; // the conductor list shown
};

// What a compute writes. A verdict left empty leaves its label and field as they were.
struct Texts {
    std::string drop;                           // Text3, e %
    std::string loss;                           // Text4, ΔP kW
    std::string lossPercent;                    // Text5, ΔP %
    std::string current;                        // Text6, A
    std::optional<VerdictText> dropVerdict;     // Label11 and Text3
    std::optional<VerdictText> lossVerdict;     // Label12 and Text5
    std::string capacity;                       // Label13
    std::optional<VerdictText> capacityVerdict; // Label14 and Text6
    std::string conductorReport;                // the conductor line of the report
};

// "Hesapla". Every rounding halves to even; each verdict and the loss percentage read the
// rounded result as its field shows it. Fails at a demand or length that is not a number,
// keeping what was written before.
Outcome<Texts> Compute(const Inputs& inputs, Texts start);

// What the report reads besides the kept coefficients: the texts shown and the report texts.
struct Shown {
    std::string demand;
    std::string length;
    std::string drop;
    std::string loss;
    std::string lossPercent;
    std::string current;
    std::string dropVerdict;
    std::string lossVerdict;
    std::string capacity;
    std::string capacityVerdict;
    std::string arrangementReport;
    std::string conductorReport;
};
std::vector<std::string> ReportLines(Line line, const Coefficients& kept, const Shown& shown);
inline constexpr std::string_view kReportName = "Orta Gerilimde Gerilim Düşümü Hesabı";

} // namespace voltaris::line_voltage_drop
