// "Orta Gerilim 3 Faz Kısa Devre Hesabı": the three-phase short-circuit currents far from
// generators at the distribution centre, at the end of the customer's lines and at the customer
// transformer's low-voltage busbar, with the R/X check, the breaking power and the peak current;
// and its line window "Enerji Nakil Hattı Ekleme Bölümü", which sums the lines it is given.
//
// Window use:
// - Main window (`Form41`) `Command1`: with the medium voltage `Text2` and the network power
//   `Text3` filled, opens the line window and hands both over; U is taken here, and "Hesapla"
//   works with the U taken at that moment.
// - Line window (`Form42`) `Command1`: AddLine; `Command3` hands the summed LineSums back.
// - `Command2` "Hesapla": Compute; `Command3`: PeakCurrent from `Text21` and the kept I″k1.
#pragma once

#include "core/outcome.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace voltaris::medium_voltage_short_circuit {

inline constexpr double kVoltageFactor = 1.1;                        // c
inline constexpr double kReactancePerInductance = 0.314159265358979; // ω / 1000 at 50 Hz

enum class Laying { Overhead, Underground };
inline constexpr std::array<std::string_view, 5> kOverheadConductors = {
    "3x SWALLOW (AWG 3)", "3x RAVEN (AWG 1/0)", "3x PIGEON (AWG 3/0)", "3x PARTRIDGE (AWG 266)",
    "3x HAWK (AWG 477)"};
inline constexpr std::array<std::string_view, 7> kCableSections = {"50",  "70",  "95", "120",
                                                                   "150", "185", "240"};
inline constexpr int kMostCircuits = 10; // `Combo2`: 1 to 10 parallel lines

// The running sums of the line window: ohms at U, and per cent on the network power.
struct LineSums {
    double resistance = 0, reactance = 0;
    double resistancePercent = 0, reactancePercent = 0;
    LineSums& operator+=(const LineSums& line);
    friend bool operator==(const LineSums&, const LineSums&) = default;
};

struct LineInputs {
    Laying laying = Laying::Overhead;
    std::string conductor;  // `Combo1`: the overhead conductor or the cable section (mm²)
    std::string length;     // `Text2`, km
    std::string resistance; // Ω/km
    std::string reactance;  // overhead: Ω/km; cable: the inductance L′ in mH/km
    int circuits = 1;       // `Combo2`
};

struct AddedLine {
    std::string entry; // the list line
    LineSums sums;     // this line's contribution
};

// One line: R′·l / n and X′·l / n, with X′ = 0.314159265358979·L′ for a cable; per cent on the
// network power S (MVA) at U (kV): 100·R·S / U². Nothing when a value is no number or U is 0.
std::optional<AddedLine> AddLine(const LineInputs& line, double voltage, double networkPower);

struct Inputs {
    std::string voltage;          // U, kV: `Text2` as it was when the line window opened
    std::string networkPower;     // `Text3`, MVA
    std::string initialPower;     // `Text4`, S″k, MVA
    std::string transformerPower; // `Text5`, MVA
    std::string transformerLoss;  // `Text6`, kW
    std::string transformerUk;    // `Text7`, %
    std::string customerPower;    // `Text10`, MVA
    std::string customerLoss;     // `Text9`, kW
    std::string customerUk;       // `Text8`, %
    LineSums lines;               // handed back by the line window, zero without lines
};

// The R/X check at the distribution centre; exactly 0.5 leaves the verdict as it was.
enum class RatioVerdict { Unchanged, Suitable, Unsuitable };
inline constexpr std::string_view kSuitableRatio = "Sonuç 0,5'den Küçük Olduğundan Uygun";
inline constexpr std::string_view kUnsuitableRatio = "Sonuç 0,5'den Büyük Olduğundan Uygun Değil";

struct Results {
    std::string centreImpedance;  // Text11, Ω, 4 decimals
    std::string centreCurrent;    // Text12, kA, 2 decimals
    std::string lineEndImpedance; // Text13
    std::string lineEndCurrent;   // Text14
    std::string busbarImpedance;  // Text15, Ω at 0.4 kV
    std::string busbarCurrent;    // Text16
    std::string ratio;            // Text17
    RatioVerdict verdict = RatioVerdict::Unchanged;
    std::string percentBreakingPower; // Text18, MVA by the per-cent method, 4 decimals
    std::string breakingPower;        // Text20, MVA
    std::string impulseFactor;        // Text21, κ
    double keptCurrent = 0;           // I″k1 as shown, for the peak current
    friend bool operator==(const Results&, const Results&) = default;
};

// "Hesapla", in the order the fields are written; a failing step ends it there.
Outcome<Results> Compute(const Inputs& inputs, Results shown);

// κ = 1.02 + 0.98·e^(−3·R/X).
double ImpulseFactor(double ratio);

// `Command3`: ip = κ·√2·I″k1, 2 decimals; nothing when κ is no number.
std::optional<std::string> PeakCurrent(std::string_view impulseFactor, double centreCurrent);

} // namespace voltaris::medium_voltage_short_circuit
