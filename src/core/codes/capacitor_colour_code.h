// Capacitor colour code reading: the capacitor colour code window `Form18`.
//
// Window use:
// - Load: each list `ComboN` filled with CapacitorColourListEntries(N) at index 0; `Option1`
//   (polyester) and `Option3` (4 bands) chosen, with ChooseCapacitorKind applied.
// - Choosing a kind: apply ChooseCapacitorKind(kind).
// - After a kind or band-count choice, after every reading and on a periodic refresh timer:
//   apply CapacitorBandCountRules(kind, bands) (the fields of bands the capacitor lacks stay
//   empty).
// - "Hesapla" (`Command1`): r = ReadCapacitorColours(kind, {Combo1.index, ..., Combo8.index});
//   a warning: show it; otherwise write `Text1` to `Text7` and the picture's swatches from
//   CapacitorColourSwatches(kind, bands, indices).
// - `Command4`: show CapacitorColourToleranceMessage(Text1.text, Combo4.index, Text7.text).
// - `Command5`: ask kCapacitorTemperaturePrompt, then r = CapacitorAtTemperature(answer,
//   Combo6.index, Text1.text): write r.coefficientText to `Text6` when set, show r.message.
// - "Temizle": empty `Text1` to `Text7`, all eight lists to index 0.
#pragma once

#include "core/codes/code_common.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::codes {

inline constexpr std::string_view kCapacitorColourWindowTitle =
    "Renk Kodu Bulunan Kondansatörleri Okuma ";
inline constexpr std::string_view kCapacitorSelectColoursMessage = "RENKLERİ SEÇİNİZ...";
inline constexpr std::string_view kCapacitorComputeFirstMessage = "HESAPLAMA YAPINIZ ÖNCE...";
inline constexpr std::string_view kCapacitorTemperaturePrompt =
    "Kondansatör'ün Sıcaklığını °C (Santigrad Derece) Giriniz...";

// `Option1`, `Option2`, `Option5`, `Option6`.
enum class CapacitorKind { Polyester, Ceramic, DiscCeramic, Tantalum };
// `Option3`, `Option4`.
enum class CapacitorBandCount { Four, Five };

// One entry of a band list: its name and meaning.
struct CapacitorColourEntry {
    std::string_view name;        // the list entry, exactly ("Gri " of `Combo7` has its blank)
    double value = 0;             // digit, multiplier, percent, volts or ppm/K
    std::string_view text;        // tolerance text (`Combo4`) or coefficient text (`Combo6`)
    std::string_view commandText; // `Combo6`: the text the temperature command writes
};

inline constexpr int kCapacitorColourListCount = 8;
// The entries of `ComboN` (N from 1 to 8), in order; empty for another N.
const std::vector<CapacitorColourEntry>& CapacitorColourList(int comboNumber);
std::vector<std::string> CapacitorColourListEntries(int comboNumber);

// Control states to apply; an empty member leaves that control as it is.
struct CapacitorColourControls {
    std::optional<bool> combo3Visible, combo5Visible, combo7Visible, combo8Visible;
    std::optional<bool> combo4Enabled, combo5Enabled, combo6Enabled;
    std::optional<bool> command4Enabled, command5Enabled;
    std::optional<bool> fourBandsEnabled, fiveBandsEnabled; // `Option3`, `Option4`
    std::optional<CapacitorBandCount> chooseBands;
    bool emptyVoltage = false;     // `Text5`
    bool emptyCoefficient = false; // `Text6`
    friend bool operator==(const CapacitorColourControls&,
                           const CapacitorColourControls&) = default;
};
CapacitorColourControls ChooseCapacitorKind(CapacitorKind kind);
CapacitorColourControls CapacitorBandCountRules(CapacitorKind kind, CapacitorBandCount bands);

struct CapacitorColourResult {
    std::optional<Message> warning; // a used list without a choice: show it, write nothing
    std::string picoFarad;          // `Text1`
    std::string nanoFarad;          // `Text2`
    std::string microFarad;         // `Text3`
    std::string farad;              // `Text4`
    std::string voltage;            // `Text5`
    // `Text6` and `Text7`: empty for a tantalum capacitor, whose bands carry neither, so that
    // they never show the values of an earlier reading.
    std::string temperatureCoefficient;
    std::string tolerance;
};

// "Hesapla": the chosen index of `Combo1` ... `Combo8` (-1 for no choice).
CapacitorColourResult ReadCapacitorColours(CapacitorKind kind, std::span<const int> listIndices);

// The bands of the capacitor picture, first to last: the lists (`ComboN` numbers) whose colours
// they show for a kind and band count (the fifth band is the voltage of a polyester capacitor and
// the temperature coefficient of a ceramic one; a tantalum capacitor shows its own multiplier and
// voltage lists).
std::vector<int> CapacitorPictureLists(CapacitorKind kind, CapacitorBandCount bands);
// The display colour of a list entry: ColourBandTable's colour of that name in capitals ("Gri "
// counts as "GRİ"), pink for "Pembe"; nothing for a name that is no colour.
std::optional<Rgb> CapacitorColourDisplay(std::string_view entryName);
// The picture's swatches for the chosen entries: one per band of CapacitorPictureLists, shown
// and filled (hidden for an entry without a chosen colour).
std::vector<SwatchUpdate> CapacitorColourSwatches(CapacitorKind kind, CapacitorBandCount bands,
                                                  std::span<const int> listIndices);

// `Command4`: the "SONUÇ" box, or "HESAPLAMA YAPINIZ ÖNCE..." when `Text1` holds no number (or
// one so large that its bounds overflow).
Message CapacitorColourToleranceMessage(std::string_view picoFaradFieldText, int toleranceIndex,
                                        std::string_view toleranceFieldText);

struct CapacitorTemperatureResult {
    std::optional<std::string> coefficientText;     // write to `Text6` when set (even on a warning)
    Message message;                                // "SONUÇ", or the "UYARI" box
    std::optional<double> capacitanceAtTemperature; // CT in picofarad when computed
};

// CT = C + (C / 1000000 x ppm) x (T - 20).
double CapacitanceAtTemperature(double picoFarad, double ppm, double celsius);

// `Command5`: `answer` is the prompt's answer ("" when cancelled).
CapacitorTemperatureResult CapacitorAtTemperature(std::string_view answer, int coefficientIndex,
                                                  std::string_view picoFaradFieldText);

} // namespace voltaris::codes
