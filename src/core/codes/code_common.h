// Types shared by the component code readers: display colours, swatch updates
// and the message boxes that their commands show. Standard C++ only: a window copies these into
// its controls.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace voltaris::codes {

// A display colour as red, green, blue (0 to 255 each).
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// What a command does to one band swatch (`ShapeN`): an empty member leaves that property of the
// swatch as it is.
struct SwatchUpdate {
    std::optional<bool> visible;
    std::optional<Rgb> fill;
    friend bool operator==(const SwatchUpdate&, const SwatchUpdate&) = default;
};

// The program's standard message boxes.
enum class MessageIcon { Information, Exclamation };

inline constexpr std::string_view kWarningTitle = "UYARI"; // exclamation icon, OK
inline constexpr std::string_view kResultTitle = "SONUÇ";  // information icon, OK
inline constexpr std::string_view kInfoTitle = "BİLGİ";    // information icon, OK

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

// Turkish capitals and small letters of UTF-8 text ("i" <-> "İ", "ı" <-> "I", "ç ğ ö ş ü" <->
// "Ç Ğ Ö Ş Ü", ASCII letters); other characters are kept. Each character maps to exactly one
// character, so a caret position counted in characters stays valid.
std::string ToTurkishUpper(std::string_view text);
std::string ToTurkishLower(std::string_view text);

// UTF-8 text as its characters (an invalid byte becomes U+FFFD), and back.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view text);

} // namespace voltaris::codes
