#include "core/codes/code_common.h"

#include "core/numbers.h"

namespace voltaris::codes {

Message MessageOrWarning(std::string_view warning, const std::function<Message()>& describe) {
    try {
        return describe();
    } catch (const ComputeFailure&) {
        return WarningMessage(warning);
    }
}

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t c = 0;
        if (lead < 0x80) {
            c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            c = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            c = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            c = lead & 0x07;
        } else {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        bool valid = i + static_cast<std::size_t>(extra) < text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto cont = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((cont & 0xC0) != 0x80)
                valid = false;
            else
                c = (c << 6) | (cont & 0x3F);
        }
        if (!valid) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        out += c;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    for (char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

namespace {

// Turkish letters outside ASCII: small and capital.
constexpr char32_t kTurkishPairs[][2] = {
    {U'ç', U'Ç'}, {U'ğ', U'Ğ'}, {U'ö', U'Ö'}, {U'ş', U'Ş'},
    {U'ü', U'Ü'}, {U'â', U'Â'}, {U'î', U'Î'}, {U'û', U'Û'},
};

char32_t upperChar(char32_t c) {
    if (c == U'i')
        return U'İ';
    if (c == U'ı')
        return U'I';
    if (c >= U'a' && c <= U'z')
        return c - U'a' + U'A';
    for (const auto& pair : kTurkishPairs)
        if (c == pair[0])
            return pair[1];
    return c;
}

char32_t lowerChar(char32_t c) {
    if (c == U'I')
        return U'ı';
    if (c == U'İ')
        return U'i';
    if (c >= U'A' && c <= U'Z')
        return c - U'A' + U'a';
    for (const auto& pair : kTurkishPairs)
        if (c == pair[1])
            return pair[0];
    return c;
}

} // namespace

std::string ToTurkishUpper(std::string_view text) {
    std::u32string chars = DecodeUtf8(text);
    for (char32_t& c : chars)
        c = upperChar(c);
    return EncodeUtf8(chars);
}

std::string ToTurkishLower(std::string_view text) {
    std::u32string chars = DecodeUtf8(text);
    for (char32_t& c : chars)
        c = lowerChar(c);
    return EncodeUtf8(chars);
}

} // namespace voltaris::codes
