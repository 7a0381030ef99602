// SMD resistor code reading: the SMD resistor window `Form55` "SMD Direnç Okuma".
//
// Window use:
// - "Hesapla" (`Command1`): r = ReadSmdCode(Text1.text). Always write r.codeText back to `Text1`
//   (same number of characters, so the caret position stays) and keep r.tolerancePercent. If
//   r.warning is set show it and stop. Otherwise write each value text that is set (`Text2`,
//   `Text3`, `Text4`; unset ones keep their text), `Text5` = r.toleranceText, enable `Command4`
//   per r.toleranceCommandEnabled, `Label6` = r.codeLabel.
// - `Command4`: show SmdToleranceMessage(Text2.text, kept tolerance, Text5.text).
// - "Temizle": empty `Text1` to `Text5` and `Label6`, disable `Command4`, forget the tolerance.
#pragma once

#include "core/codes/code_common.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace voltaris::codes {

inline constexpr std::string_view kSmdWindowTitle = "SMD Direnç Okuma";
inline constexpr std::string_view kSmdRefusedMessage = "Hatalı SMD Direnç Kodu";
inline constexpr std::string_view kSmdComputeFirstMessage = "HESAPLAMA YAPINIZ ÖNCE...";

// Index tables (series value x 100): E96 entries 1 to 96, and the letter-and-two-digit code's
// entries 1 to 60 (E24, E24 again, E12).
const std::array<int, 96>& SmdE96Table();
const std::array<int, 60>& SmdLetterCodeTable();
// The multiplier of a letter code's multiplier letter ("A" 1 ... "F" 100000, "X"/"S" 0.1,
// "Y" 0.01), for an upper-case letter.
std::optional<double> SmdMultiplier(char32_t letter);

enum class SmdStatus {
    Read,    // a value (and maybe a tolerance)
    Refused, // "Hatalı SMD Direnç Kodu"
    NotRead, // length other than 3 or 4: the value fields keep their content
};

struct SmdCode {
    SmdStatus status = SmdStatus::Refused;
    double ohm = 0;
    std::optional<double> tolerancePercent;
};

// The reading of an already capitalised code.
SmdCode ParseSmdCode(std::string_view upperCode);

struct SmdResult {
    std::string codeText;                   // `Text1` capitalised (Turkish letters included)
    std::optional<double> tolerancePercent; // the kept tolerance (forgotten at every reading)
    std::optional<Message> warning;         // refused: show it, write nothing below
    std::optional<std::string> ohm;         // `Text2`; unset: keep its text
    std::optional<std::string> kiloOhm;     // `Text3`
    std::optional<std::string> megaOhm;     // `Text4`
    std::string toleranceText;              // `Text5`: "± % 5" or empty
    bool toleranceCommandEnabled = false;   // `Command4`
    std::string codeLabel;                  // `Label6`
};

// "Hesapla".
SmdResult ReadSmdCode(std::string_view fieldText);

// "± % " followed by the percent.
std::string SmdToleranceText(double percent);

// `Command4`: the "SONUÇ" box of minimum and maximum, or the "UYARI" box when `Text2` holds no
// number (or one so large that its bounds overflow). A missing kept tolerance counts as 0.
Message SmdToleranceMessage(std::string_view ohmFieldText, std::optional<double> tolerancePercent,
                            std::string_view toleranceFieldText);

} // namespace voltaris::codes
