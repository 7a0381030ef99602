// Whole-installation compensation ("Komple Tesis Kompanzasyonu"): the central capacitor power of
// a 380 V installation given by the total power of its loads or by its own transformer, the
// installation's current and, with a transformer, the power it draws and the fixed capacitor
// for the transformer's losses; and the capacitor power from the readings of the energy meters.
//
// Window use (`Form27`):
// - Load and "Temizle": both lists hold the power-factor list, `Combo1` at kPresentCosDefault
//   ("0.70"), `Combo2` at compensation::kWantedCosDefault ("0.99").
// - "Hesapla" (`Command1`): Compute(installation, inputs, shown results); write every text it
//   gives, keep its tangents; on a failure the "DEĞERİ GİRİNİZ..." warning with `Text1` tested,
//   else enable `Command5`.
// - `Mn_SYCKOM`: kMeterIntro, then the three prompts (each answer read with ',' as '.'), then
//   `Text2` = MeterCompensation(...) and kMeterDone; any failure shows "DEĞERLERİ GİRİNİZ...".
// - "Rapor Ver" (`Command5`): ReportLines(installation chosen now, field texts, kept tangents)
//   into kReportName.
#pragma once

#include "core/lowvoltage/compensation_common.h"
#include "core/outcome.h"

#include <string>
#include <string_view>
#include <vector>

namespace voltaris::installation_compensation {

// `Option1` "Trafo Yok" and `Option2` "Trafo Var".
enum class Installation { NoTransformer, OwnTransformer };

inline constexpr int kPresentCosDefault = 30; // "0.70"

struct Inputs {
    std::string power;      // `Text1`: the loads' total kW, or the transformer's kVA
    std::string presentCos; // `Combo1`, cos φ
    std::string wantedCos;  // `Combo2`, cos θ
};

struct Results {
    std::string capacitorPower;  // `Text2`, kVAr
    std::string current;         // `Text3`, A
    std::string drawnPower;      // `Text4`, kW, own transformer only
    std::string lossesCapacitor; // `Text5`, kVAr, own transformer only
    compensation::Tangents tangents;
    friend bool operator==(const Results&, const Results&) = default;
};

// The compute, step by step from `shown`: the tangents, then the capacitor power and the current
// (with a transformer from its kVA times cos φ), then with a transformer the fixed capacitor (5 %
// of its kVA) and the power drawn. Every result is rounded to 2 decimals. A step that fails (a
// text that is no number, a power factor of 0) ends the compute there.
Outcome<Results> Compute(Installation installation, const Inputs& inputs, Results shown);

inline constexpr std::string_view kReportName = "Komple Tesis Kompanzasyon Hesabı";
// The report's lines from the field texts as they stand and the kept tangents.
std::vector<std::string> ReportLines(Installation installation, const Inputs& inputs,
                                     const Results& shown);

// "NOT" (`Command4`): the advice shown in the "BİLGİ" box.
extern const std::string_view kAdvice;

// The meter-based compensation: its introduction, prompts and closing line (both boxes with the
// application's title and the information icon).
extern const std::string_view kMeterIntro;
inline constexpr std::string_view kActiveEnergyPrompt =
    "Aktif Sayaçtaki Gücü KiloWattSaat(kWh) Cinsinden Giriniz";
inline constexpr std::string_view kReactiveEnergyPrompt =
    "Reaktif Sayaçtaki Gücü KiloVoltAmperReaktifSaat(kVArh) Cinsinden Giriniz";
inline constexpr std::string_view kHoursPrompt =
    "Zamanı Saat Cinsinden Giriniz\nSayaçlardan Alınan Değerlerin Zaman Aralığı";
inline constexpr std::string_view kMeterDone = "Hesaplanan Değerler Forma Aktarılmıştır...";

// The capacitor power (E_r ÷ E_a − tan θ) × (E_a ÷ h) of the active energy E_a (kWh) and the
// reactive energy E_r (kVArh) read over h hours, with tan θ of the wanted power factor's text;
// unrounded, as the shortest text of the double. Throws ComputeFailure for zero kWh, zero hours
// or a wanted power factor of 0.
std::string MeterCompensation(double activeEnergy, double reactiveEnergy, double hours,
                              std::string_view wantedCos);

} // namespace voltaris::installation_compensation
