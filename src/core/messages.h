// The message boxes a compute or a command shows, as the core describes them: the standard titles,
// the warning texts that many windows share (each spelled once, here), and the Message a core
// function returns for its window to show.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace voltaris {

// The application's title, on boxes and prompts that have no title of their own.
inline constexpr std::string_view kApplicationTitle = "VOLTARIS";

inline constexpr std::string_view kWarningTitle = "UYARI"; // exclamation icon, OK
inline constexpr std::string_view kResultTitle = "SONUÇ";  // information icon, OK
inline constexpr std::string_view kInfoTitle = "BİLGİ";    // information icon, OK

// The warnings of compute buttons and prompt-driven commands, as the windows word them.
namespace warnings {
inline constexpr std::string_view kEnterValues = "DEĞERLERİ GİRİNİZ...";
inline constexpr std::string_view kEnterValue = "DEĞERİ GİRİNİZ...";
inline constexpr std::string_view kEnterValueBare = "DEĞERİ GİRİNİZ";
inline constexpr std::string_view kErrorEnterValues = "HATA: DEĞERLERİ GİRİNİZ...";
inline constexpr std::string_view kErrorEnterValuesTight = "HATA:DEĞERLERİ GİRİNİZ...";
inline constexpr std::string_view kEnterValuesAndMaterial =
    "DEĞERLERİ GİRİNİZ VE İLETKENİN CİNSİNİ SEÇİNİZ...";
inline constexpr std::string_view kEnterValueAndPowerFactor =
    "HATA: DEĞERİ GİRİNİZ VE GÜÇ KATSAYISINI SEÇİNİZ...";
inline constexpr std::string_view kEnterValuesAndBusbar =
    "DEĞERLERİ GİRİNİZ VE BARA KESİTİNİ SEÇİNİZ...";
inline constexpr std::string_view kEnterValuesAndFactors =
    "DEĞERLERİ GİRİNİZ VE FAKTÖRLERİ SEÇİNİZ...";
inline constexpr std::string_view kEnterValuesAndTableFactors =
    "DEĞERLERİ GİRİNİZ VE TABLOLARDAN FAKTÖRLERİ SEÇİNİZ...";
inline constexpr std::string_view kEnterValuesAndDielectric =
    "DEĞERLERİ GİRİNİZ VE DİELEKTRİK MADDE CİNSİNİ SEÇİNİZ...";
inline constexpr std::string_view kComputeFirst = "HESAPLAMA YAPINIZ VE DEĞERİ GİRİNİZ...";
inline constexpr std::string_view kEnterSeconds = "SANİYEYİ GİRİNİZ...";
} // namespace warnings

enum class MessageIcon { None, Information, Exclamation };

// One message box: icon, title and text (lines separated by "\n").
struct Message {
    MessageIcon icon = MessageIcon::Information;
    std::string title;
    std::string text;
    friend bool operator==(const Message&, const Message&) = default;
};

// "UYARI" box with the exclamation icon.
Message WarningMessage(std::string_view text);
// "SONUÇ" box with the information icon.
Message ResultMessage(std::string_view text);
// "BİLGİ" box with the information icon.
Message InfoMessage(std::string_view text);

// The lines joined by line feeds, as the message boxes show them.
std::string JoinLines(std::initializer_list<std::string_view> lines);

} // namespace voltaris
