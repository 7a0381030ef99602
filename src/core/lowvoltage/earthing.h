// Earthing ("Topraklama Hesaplama Bölümü"): the earth resistance of a buried conductor, of rods,
// of a mesh and of a polygonal area from the soil resistivity; a foundation earth with rods
// checked against the fault-protection limits of TT and TN systems and of residual-current
// devices; and the section of an earthing conductor from the short-circuit current for three
// kinds of joint. log10(x) is ln(x) / ln(10); every rounding goes halves to even.
//
// Window use (`Form36`), the soil resistivity `Text3` shared by every tab:
// - Load: `Text3` kDefaultResistivity, `Text26` kDefaultTripMultiple, `Combo1` at 0 of
//   ConductorSizes(), `Combo2` at kRatedCurrentDefault of RatedCurrents(), strip and "select
//   the section" chosen, tab 0 in front.
// - Each tab's "Hesapla" writes what its compute gives; on a failure the "DEĞERLERİ GİRİNİZ..."
//   warning with the tab's own inputs tested.
// - The foundation tab writes its verdicts: a verdict of None leaves the label and the field as
//   they were.
#pragma once

#include "core/circuits/conductor_section.h"
#include "core/messages.h"
#include "core/outcome.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::earthing {

inline constexpr std::string_view kDefaultResistivity = "100";
inline constexpr std::string_view kDefaultTripMultiple = "5";

// `Combo1`: a conductor section with the equivalent diameters (m) taken for a strip and for a
// round conductor of it.
struct ConductorSize {
    std::string_view text;
    double strip;
    double round;
};
std::span<const ConductorSize> ConductorSizes();

// `Combo2`: the rated currents of the protective device, "1" to "2500" A.
const std::vector<std::string>& RatedCurrents();
inline constexpr int kRatedCurrentDefault = 6; // "16"

enum class Conductor { Strip, Round };     // `Option1`, `Option2`
enum class Diameter { FromList, Entered }; // `Option3`, `Option4`

// Tab 4, a buried horizontal conductor (`Command1`): d from the list, or the entered diameter
// (cm) / 100, twice that for a round conductor; R = 0.3672 ρ log10(2 L² / (t d)) / L, 2 decimals.
struct BuriedConductor {
    std::string resistivity; // `Text3`, Ω·m
    std::string length;      // `Text1`, L, m
    std::string depth;       // `Text2`, t, m
    Conductor conductor = Conductor::Strip;
    Diameter diameter = Diameter::FromList;
    int size = 0;                // `Combo1` index
    std::string enteredDiameter; // `Text32`, cm
};
Outcome<std::string> Compute(const BuriedConductor& in, std::string shown);

// Tab 1, rods (`Command3`): R = 0.3672 ρ log10(4 l / (d / 100)) / (l n), 2 decimals.
struct Rods {
    std::string resistivity; // `Text3`
    std::string diameter;    // `Text7`, d, cm
    std::string length;      // `Text8`, l, m
    std::string count;       // `Text9`, n
};
Outcome<std::string> Compute(const Rods& in, std::string shown);

// Tab 5, a mesh (Laurent, Niemann; `Command4`): r = √(a b / π), R = ρ (1 / (4 r) + 1 / L),
// 2 decimals.
struct Mesh {
    std::string resistivity; // `Text3`
    std::string width;       // `Text11`, a, m
    std::string length;      // `Text12`, b, m
    std::string conductor;   // `Text10`, L, m
};
Outcome<std::string> Compute(const Mesh& in, std::string shown);

// Tab 3, a polygonal area (`Command5`): R = ρ (1.6 / U + 0.6 / L), 2 decimals.
struct Polygon {
    std::string resistivity; // `Text3`
    std::string perimeter;   // `Text17`, U, m
    std::string conductor;   // `Text18`, L, m
};
Outcome<std::string> Compute(const Polygon& in, std::string shown);

// Tab 2, the earthing conductor's section (`Command6`): S = I c √t / 1.974 for each kind of
// joint, 2 decimals.
struct SectionInputs {
    std::string current; // `Text13`, kA
    std::string time;    // `Text6`, s
};
struct Sections {
    std::string cadweld; // `Text16`, c = 6.96
    std::string solder;  // `Text19`, c = 9.12
    std::string bolted;  // `Text20`, c = 11.54
    friend bool operator==(const Sections&, const Sections&) = default;
};
Outcome<Sections> Compute(const SectionInputs& in, Sections shown);

// Tab 0, a foundation earth with rods (`Command9`).
struct Foundation {
    std::string resistivity;  // `Text3`
    std::string area;         // `Text21`, A, m²
    std::string stripLength;  // `Text22`, Ls, m
    std::string rodCount;     // `Text23`, n
    std::string rodLength;    // `Text24`, l, m
    std::string ratedCurrent; // `Combo2`, In, A
    std::string tripMultiple; // `Text26`, k
};
enum class Verdict { None, Suitable, Unsuitable };
inline constexpr std::string_view kSuitable =
    "Hesaplanan Topraklama Değerinden Küçük Olduğundan Uygun";
inline constexpr std::string_view kUnsuitable =
    "Hesaplanan Topraklama Değerinden Büyük Olduğundan Uygun Değil";
// The four limits, in the order of their fields and labels: TT (`Text27`, `Label58`), TN
// (`Text28`, `Label60`), 30 mA (`Text29`, `Label61`), 300 mA (`Text30`, `Label62`).
inline constexpr int kLimits = 4;
struct FoundationResults {
    std::string total;                       // `Text25`, Ω
    std::array<std::string, kLimits> limits; // Ω
    std::array<Verdict, kLimits> verdicts{}; // None where the compute wrote none
    friend bool operator==(const FoundationResults&, const FoundationResults&) = default;
};
// D = 2 √(A / π); R1 = ρ / (2 D) + ρ / Ls; R2 = ρ / (n l); R = R1 R2 / (R1 + R2), 3 decimals.
// The limits 50 / (In k), 230 / (In k), 50 / 0.03 and 50 / 0.3, 3 decimals; the verdicts
// compare R with the first two as their fields show them and with 1667 and 167: a limit above R
// is suitable, below R unsuitable, equal to R gives no verdict.
Outcome<FoundationResults> Compute(const Foundation& in, FoundationResults shown);

// "İletkenin Kesitini Biliyorum, Çapına Çevireceğim" (`mn_ÇapÇ`): the "SONUÇ" box of d = √(4 S / π)
// for the section answered to kSectionPrompt (mm²), "İletkenin Çapı " + d + " mm'dir.".
inline constexpr std::string_view kSectionPrompt = conductor_section::kSectionPrompt;
Message DiameterMessage(double section);
// "İletkenlinin Kesitini Hesaplama" (`mn_Kesit`): S = π d² / 4 for the diameter answered to
// kDiameterPrompt (mm), "İletkenin Kesiti " + S + " mm²'dir.". Both throw ComputeFailure where
// there is no result (a negative section, an overflow).
inline constexpr std::string_view kDiameterPrompt = conductor_section::kDiameterPrompt;
Message SectionMessage(double diameter);

// The "BİLGİ" notes of the three "Not" buttons.
inline constexpr std::string_view kTripNote = // `Command10`
    "W Otomat Sigortalar İçin;\nB: 5\nC: 10\nD: 15\nDeğerlerini Kullanabilirsiniz.";
inline constexpr std::string_view kDiameterNote = // `Command11`
    "Çap için:\nŞerit İletkenin Kalınlığının Yarısını giriniz.\nYuvarlak Kesitli İletkenin "
    "Çapını giriniz.";
// `Command8`: the source of the window's methods in one line.
inline constexpr std::string_view kSourceNote =
    "Bu Bölümdeki Topraklama Direnci Hesapları TSE 622 ve Laurent-Niemann Yaklaşık Formüllerine "
    "Dayanmaktadır.";

} // namespace voltaris::earthing
