// "Kablonun Dayanacağı Kısa Devre Akımı Hesaplama": the adiabatic short-circuit withstand of a
// cable (I² × t = k² × S²): the smallest section for a fault current and its duration, the
// largest current a section withstands for a duration, or the withstand figure of a current on a
// section; and, on the second page, the smallest short-circuit current at the end of a cable
// (the conventional method) against the magnetic trip current of a moulded-case breaker.
//
// Window use (`Form37`):
// - The quantity options (`Option1`, `Option2`, `Option7`) show the rows AskedFor asks and give
//   the result row (`Text3`) its caption and unit (ResultRowOf).
// - "Hesapla" (`Command1`): Compute; write `Text3`, keep `kept` for the report; on a failure the
//   "DEĞERLERİ GİRİNİZ..." warning with `Text1` and `Text2` tested, else enable `Command4`.
// - "Rapor Ver" (`Command4`): ReportLines of the kept compute into ReportName(kept quantity).
// - "Hesapla" of the second page (`Command6`): ComputeMinimum; write `Text7`, set `Label20` to
//   the verdict's text and colour when there is one; on a failure the "DEĞERLERİ GİRİNİZ..."
//   warning with `Text4`, `Text5`, `Text6` tested, else enable `Command8`.
// - "Rapor Ver" of the second page (`Command8`): MinimumReportLines into kMinimumReportName.
#pragma once

#include "core/messages.h"
#include "core/outcome.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::cable_withstand {

// The quantity computed: `Option1` the section, `Option2` the current, `Option7` the time.
enum class Quantity { Section, Current, Time };
// `Option3` "PVC", `Option4` "XLPE".
enum class Insulation { Pvc, Xlpe };
// `Option6` / `Option5` on the first page, `Option8` / `Option9` on the second.
enum class Conductor { Copper, Aluminium };

std::string_view InsulationName(Insulation insulation);
std::string_view ConductorName(Conductor conductor);

// The material factor k (A·√s/mm²): PVC 96.4 (copper) and 62 (aluminium), XLPE 136 and 87.
double MaterialFactor(Insulation insulation, Conductor conductor);

// The rows a quantity asks for: the fault current `Text1`, the section `Combo1`, the duration
// `Text2` (the time is what the third choice works out, so it asks for no duration).
struct Asked {
    bool current;
    bool section;
    bool duration;
};
Asked AskedFor(Quantity quantity);

// The caption and unit of the result row `Text3`.
struct ResultRow {
    std::string_view caption;
    std::string_view unit;
};
ResultRow ResultRowOf(Quantity quantity);

struct Inputs {
    std::string current;  // Text1, kA
    std::string section;  // Combo1, mm²
    std::string duration; // Text2, s
};

// The values of the last finished compute, for its report.
struct Kept {
    Quantity quantity = Quantity::Section;
    double k = 0;
    double amperes = 0; // the fault current × 1000
    double seconds = 0;
    friend bool operator==(const Kept&, const Kept&) = default;
};

struct Results {
    std::string result; // Text3
    Kept kept;
    friend bool operator==(const Results&, const Results&) = default;
};

// "Hesapla", with I_A = I × 1000:
// - the section: √(I_A² × t) / k, 2 decimals (mm²);
// - the current: k × S / √t rounded to 2 decimals, then / 1000 unrounded (kA), written with all
//   its digits (18271.64 A reads 18.271639999999998);
// - the time: 1 / √(I_A / (k × S)), 2 decimals, the figure the report names √t.
// A text that is no number or a zero divisor ends the compute with nothing written.
Outcome<Results> Compute(Quantity quantity, Insulation insulation, Conductor conductor,
                         const Inputs& inputs, Results shown);

// The report's suggested file name for the quantity computed.
std::string_view ReportName(Quantity quantity);
// The report of `kept` with the choices and the field texts as they stand.
std::vector<std::string> ReportLines(const Kept& kept, Insulation insulation, Conductor conductor,
                                     const Inputs& inputs, std::string_view result);

// "Not".
Message NoteMessage();

// The second page.

inline constexpr std::string_view kDefaultVoltage = "400"; // Text4, V
// `Combo3`: the number of cables in parallel, with the factor Kpar 1, 2, 2.7, 3, 3.2.
inline constexpr std::array<std::string_view, 5> kParallelCables = {"Yok", "2", "3", "4", "5"};
double ParallelFactor(int index);
// `Combo4`: the magnetic setting m of the breaker, × its current.
inline constexpr std::array<std::string_view, 10> kBreakerSettings = {"4", "5",  "6",  "7",  "8",
                                                                      "9", "10", "11", "12", "13"};
// The resistivity ρ (Ω·mm²/m): 0.018 copper, 0.027 aluminium.
double Resistivity(Conductor conductor);
// The section factor Ksec of large sections: 1 up to 95 mm², 0.9 for 120, 0.85 for 150, 0.8 for
// 185, 0.75 for 240, 0.72 for 300; nothing for 400 mm², which keeps the factor of the compute
// before (0 before the first).
std::optional<double> SectionFactor(std::string_view section);

struct BreakerInputs {
    std::string voltage; // Text4, V
    std::string length;  // Text5, m
    std::string section; // Combo2, mm²
    int parallel = 0;    // Combo3
    Conductor conductor = Conductor::Copper;
    std::string breakerCurrent; // Text6, A
    std::string setting;        // Combo4
};

enum class Protection { Protected, Unprotected };
// `Label20`'s text: green for a protected cable, red for one that is not.
std::string_view ProtectionText(Protection protection);

struct BreakerResults {
    std::string minimumCurrent; // Text7, kA
    double sectionFactor = 0;   // Ksec, kept between computes
    double parallelFactor = 0;  // Kpar
    double resistivity = 0;     // ρ
    // The verdict of this compute; none when the breaker's capacity equals the current.
    std::optional<Protection> protection;
    friend bool operator==(const BreakerResults&, const BreakerResults&) = default;
};

// "Hesapla" of the second page: the factors, then Ikmin = (0.8 × U × Ksec × Kpar) /
// (1.5 × ρ × (2 × L / S)) rounded to whole amperes, written / 1000 (kA) with all its digits; the
// breaker's capacity C = I_n × m / 1000 (kA) against the current as written: C below protects
// the cable, C above does not. A text that is no number or a zero length ends the compute,
// keeping what was written before.
Outcome<BreakerResults> ComputeMinimum(const BreakerInputs& inputs, BreakerResults shown);

inline constexpr std::string_view kMinimumReportName = "Minimum Kısa Devre Akımı Hesabı";
// The report with the field texts as they stand, the factors of the last compute and the verdict
// caption as it stands.
std::vector<std::string> MinimumReportLines(const BreakerInputs& inputs, const BreakerResults& kept,
                                            std::string_view verdictCaption);

} // namespace voltaris::cable_withstand
