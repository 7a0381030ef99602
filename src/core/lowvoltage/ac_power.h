// "Alternatif Akımda Güç Hesaplanması": the active, reactive and apparent power of a single- or
// three-phase load from its voltage, current and power factor, with the RMS, peak, average and
// instantaneous values of the voltage and the current; the current from a power in watts; the
// report.
#pragma once

#include "core/messages.h"
#include "core/outcome.h"

#include <string>
#include <string_view>
#include <vector>

namespace voltaris::ac_power {

// The voltage choices, in the order of their options: 220 V single-phase, 380 V three-phase,
// and a voltage the user types for a single-phase or a three-phase load.
enum class Supply { Single220, Three380, SingleTyped, ThreeTyped };

bool IsThreePhase(Supply supply);
// The voltage a fixed choice puts into the voltage field and locks it with ("220", "380"); an
// empty text for the choices whose voltage the user types (the field is emptied and unlocked).
std::string_view FixedVoltage(Supply supply);

// Results are rounded to five decimals and written as the shortest text of the rounded double.
inline constexpr int kDecimals = 5;

// The window's fields.
struct Fields {
    std::string voltage;        // Text1
    std::string current;        // Text2
    std::string active;         // Text3, P
    std::string reactive;       // Text4, Q
    std::string apparent;       // Text5, S
    std::string voltageInstant; // Text6
    std::string voltagePeak;    // Text7
    std::string voltageAverage; // Text8
    std::string voltageRms;     // Text9
    std::string currentRms;     // Text10
    std::string currentPeak;    // Text11
    std::string currentAverage; // Text12
    std::string currentInstant; // Text13
};

// "Hesapla" with the power-factor text stored from the list at this compute: P, S and Q (with
// √3 on three phases), then the voltage and the current values, each step reading the field the
// step before wrote (peak = RMS / 0.707, average = peak × 0.636, instantaneous = peak × sin φ).
// Fails at the first field that is not a number, keeping what was written before it.
Outcome<Fields> Compute(Supply supply, std::string_view storedCosPhi, Fields start);

// The report lines from the field texts as they stand: `listCosPhi` is the list's text now,
// the sine is that of the power factor stored at the last compute.
std::vector<std::string> ReportLines(Supply supply, std::string_view storedCosPhi,
                                     std::string_view listCosPhi, const Fields& fields);
inline const std::string kReportName = "Alternatif Akımda Güç Hesabı";

// "Watt Değerinden Akım Hesaplama": the hint box, then the prompt.
Message WattHintMessage();
inline constexpr std::string_view kPowerPrompt = "Gücü Watt(W) Cinsinden Giriniz";
// I = P / (V × cos φ), or P / (V × cos φ × √3) on three phases, from the power P the prompt
// gave, the voltage field's text and the list's text. Throws ComputeFailure when a text is not a
// number or the divisor is 0.
double CurrentFromPower(Supply supply, double power, std::string_view voltage,
                        std::string_view cosPhi);
// The "SONUÇ" box after the current was put into its field and computed with.
Message CurrentMessage(double current);

} // namespace voltaris::ac_power
