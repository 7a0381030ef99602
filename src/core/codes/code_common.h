// Types shared by the component code readers: display colours, swatch updates and Turkish
// letter case. Standard C++ only: a window copies these into
// its controls.
#pragma once

#include "core/messages.h"

#include <functional>
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

// Turkish capitals and small letters of UTF-8 text ("i" <-> "İ", "ı" <-> "I", "ç ğ ö ş ü" <->
// "Ç Ğ Ö Ş Ü", ASCII letters); other characters are kept. Each character maps to exactly one
// character, so a caret position counted in characters stays valid.
std::string ToTurkishUpper(std::string_view text);
std::string ToTurkishLower(std::string_view text);

// The message `describe` gives, or the "UYARI" box with `warning` when it throws ComputeFailure:
// a command that reads a result field back shows its warning for a field that holds no number,
// and for a number so large that what it computes from it overflows.
Message MessageOrWarning(std::string_view warning, const std::function<Message()>& describe);

// UTF-8 text as its characters (an invalid byte becomes U+FFFD), and back.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view text);

} // namespace voltaris::codes
