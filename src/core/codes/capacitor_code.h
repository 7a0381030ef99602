// Capacitor digit and letter code reading: the capacitor code window `Form17`.
//
// Window use:
// - Load: `Combo1` entries CapacitorToleranceEntries() at kCapacitorDefaultTolerance ("J"),
//   `Combo2` entries CapacitorVoltageEntries() at kCapacitorDefaultVoltage ("2E").
// - At load, on every change of either list and on a periodic refresh timer: write
//   CapacitorToleranceDisplay(Combo1.index) to `Text6` / `Label12` and
//   CapacitorVoltageDisplay(Combo2.index) to `Text7` / `Label17`.
// - "Hesapla" (`Command1`): r = ReadCapacitorCode(Text1.text); a warning: show it, change
//   nothing; otherwise write `Text2` to `Text5`, `Label11` and enable `Command5`.
// - `Command5`: show CapacitorCodeToleranceMessage(Text2.text, Combo1.index, Text6.text).
// - `Command2`, `Command11`: show CapacitorDigitsNote(), CapacitorLettersNote().
// - "Temizle": empty `Text1` to `Text6`, `Label11`, `Label12`; disable `Command5` (the lists
//   stay, so the next refresh shows their tolerance text and letter again).
#pragma once

#include "core/codes/code_common.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::codes {

inline constexpr std::string_view kCapacitorCodeWindowTitle =
    "Rakam ve Harf Kodu Bulunan Kondansatörleri Okuma";
inline constexpr std::string_view kCapacitorRefusedMessage = "Hatalı Kondansatör Kodu";
inline constexpr std::string_view kCapacitorEnterValueMessage = "DEĞERİ GİRİNİZ...";

struct CapacitorTolerance {
    std::string_view letter; // the `Combo1` entry
    std::string_view text;   // shown in `Text6`
    double lowerPercent;
    double upperPercent;
};
struct CapacitorVoltage {
    std::string_view code; // the `Combo2` entry
    double volts;
};

const std::vector<CapacitorTolerance>& CapacitorTolerances(); // `Combo1` order
const std::vector<CapacitorVoltage>& CapacitorVoltages();     // `Combo2` order
std::vector<std::string> CapacitorToleranceEntries();
std::vector<std::string> CapacitorVoltageEntries();
inline constexpr int kCapacitorDefaultTolerance = 5; // "J"
inline constexpr int kCapacitorDefaultVoltage = 4;   // "2E"

// A list's display: the field text and the picture label text (both empty for no choice).
struct ListDisplay {
    std::string fieldText;
    std::string labelText;
    friend bool operator==(const ListDisplay&, const ListDisplay&) = default;
};
ListDisplay CapacitorToleranceDisplay(int toleranceIndex); // `Text6`, `Label12`
ListDisplay CapacitorVoltageDisplay(int voltageIndex);     // `Text7` ("250"), `Label17` ("2E")

// The capacitance in picofarad of a code (any case), or nothing when the code is refused.
std::optional<double> ParseCapacitorCode(std::string_view code);

struct CapacitorCodeResult {
    std::optional<Message> warning; // refused: show it, write nothing below
    std::string picoFarad;          // `Text2`
    std::string nanoFarad;          // `Text3`
    std::string microFarad;         // `Text4`
    std::string farad;              // `Text5`
    std::string codeLabel;          // `Label11`: the code in small letters, "u" and "." as "µ"
    bool toleranceCommandEnabled = false; // `Command5`
};

// "Hesapla".
CapacitorCodeResult ReadCapacitorCode(std::string_view fieldText);

// `Command5`: the "SONUÇ" box, or "DEĞERİ GİRİNİZ..." when `Text2` holds no number (or one so
// large that its bounds overflow).
Message CapacitorCodeToleranceMessage(std::string_view picoFaradFieldText, int toleranceIndex,
                                      std::string_view toleranceFieldText);

// The four lines "PikoFarad'ın Maksimum Tolerans'lı Değeri ... PikoFarad'dır..." down to farad
// of a minimum and maximum in picofarad (shared with the capacitor colour window).
std::string CapacitanceToleranceLines(double minimumPicoFarad, double maximumPicoFarad);

// The two "Not" boxes ("BİLGİ").
Message CapacitorDigitsNote();
Message CapacitorLettersNote();

} // namespace voltaris::codes
