#include "core/codes/smd_resistor_code.h"

#include "core/numbers.h"

#include <algorithm>
#include <cstddef>

namespace voltaris::codes {

namespace {

constexpr std::array<int, 96> kE96 = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976,
};

constexpr std::array<int, 24> kE24 = {100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                                      330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
constexpr std::array<int, 12> kE12 = {100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820};

std::array<int, 60> makeLetterTable() {
    std::array<int, 60> table{};
    std::copy(kE24.begin(), kE24.end(), table.begin());
    std::copy(kE24.begin(), kE24.end(), table.begin() + 24);
    std::copy(kE12.begin(), kE12.end(), table.begin() + 48);
    return table;
}

// Refused in the multiplier position of a letter code (24 characters).
constexpr std::u32string_view kRefusedLetters = U"ÇGĞHIİJKLMNOÖPŞTUÜVZQW.,";
// Between digits only "R" is read: the 32 refused characters (these 24 and "ABCDEFSY") and every
// character that matches no rule ("X", "-") are refused alike.

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}
int digit(char32_t c) {
    return static_cast<int>(c - U'0');
}

// Every code that matches no rule is refused too (no value is ever shown for it).
SmdCode refused() {
    return {SmdStatus::Refused, 0, std::nullopt};
}
SmdCode read(double ohm, std::optional<double> tolerance = std::nullopt) {
    return {SmdStatus::Read, ohm, tolerance};
}

SmdCode parseThree(const std::u32string& c) {
    const bool d1 = isDigit(c[0]), d2 = isDigit(c[1]), d3 = isDigit(c[2]);
    if (d1 && d2 && d3) {
        if (c[0] == U'0')
            return refused();
        return read((10.0 * digit(c[0]) + digit(c[1])) * kPowersOfTen[digit(c[2])]);
    }
    if (!d1 && d2 && d3) { // letter, digit, digit
        if (kRefusedLetters.find(c[0]) != std::u32string_view::npos)
            return refused();
        const int n = 10 * digit(c[1]) + digit(c[2]);
        if (c[0] == U'R')
            return read(n / 100.0);
        const std::optional<double> multiplier = SmdMultiplier(c[0]);
        if (!multiplier || n < 1 || n > 60)
            return refused();
        const double tolerance = n <= 24 ? 2 : n <= 48 ? 5 : 10;
        return read(*multiplier * SmdLetterCodeTable()[static_cast<std::size_t>(n - 1)], tolerance);
    }
    if (d1 && !d2 && d3) { // digit, non-digit, digit
        if (c[1] == U'R')
            return read(digit(c[0]) + digit(c[2]) / 10.0);
        return refused();
    }
    if (d1 && d2 && !d3) { // digit, digit, letter
        if (kRefusedLetters.find(c[2]) != std::u32string_view::npos)
            return refused();
        const int n = 10 * digit(c[0]) + digit(c[1]);
        if (c[2] == U'R')
            return read(n);
        const std::optional<double> multiplier = SmdMultiplier(c[2]);
        if (!multiplier || n < 1 || n > 96)
            return refused();
        return read(*multiplier * kE96[static_cast<std::size_t>(n - 1)], 1.0);
    }
    return refused();
}

SmdCode parseFour(const std::u32string& c) {
    const auto nonDigits =
        std::count_if(c.begin(), c.end(), [](char32_t x) { return !isDigit(x); });
    if (nonDigits == 0) {
        if (c[0] == U'0')
            return refused();
        return read((100.0 * digit(c[0]) + 10.0 * digit(c[1]) + digit(c[2])) *
                    kPowersOfTen[digit(c[3])]);
    }
    if (nonDigits == 1) {
        // "R" is the decimal point; any other single non-digit is refused.
        std::string number;
        for (char32_t x : c) {
            if (isDigit(x))
                number += static_cast<char>(x);
            else if (x == U'R')
                number += '.';
            else
                return refused();
        }
        return read(ReadNumber(number));
    }
    return refused();
}

} // namespace

const std::array<int, 96>& SmdE96Table() {
    return kE96;
}

const std::array<int, 60>& SmdLetterCodeTable() {
    static const std::array<int, 60> table = makeLetterTable();
    return table;
}

std::optional<double> SmdMultiplier(char32_t letter) {
    switch (letter) {
    case U'A':
        return 1.0;
    case U'B':
        return 10.0;
    case U'C':
        return 100.0;
    case U'D':
        return 1000.0;
    case U'E':
        return 10000.0;
    case U'F':
        return 100000.0;
    case U'X':
    case U'S':
        return 0.1;
    case U'Y':
        return 0.01;
    default:
        return std::nullopt;
    }
}

SmdCode ParseSmdCode(std::string_view upperCode) {
    const std::u32string c = DecodeUtf8(upperCode);
    if (c.size() == 3)
        return parseThree(c);
    if (c.size() == 4)
        return parseFour(c);
    return {SmdStatus::NotRead, 0, std::nullopt};
}

std::string SmdToleranceText(double percent) {
    return "± % " + NumberText(percent);
}

SmdResult ReadSmdCode(std::string_view fieldText) {
    SmdResult result;
    result.codeText = ToTurkishUpper(fieldText);
    const SmdCode code = ParseSmdCode(result.codeText);
    if (code.status == SmdStatus::Refused) {
        result.warning = WarningMessage(kSmdRefusedMessage);
        return result;
    }
    if (code.status == SmdStatus::Read) {
        result.ohm = NumberText(code.ohm);
        result.kiloOhm = NumberText(code.ohm / 1000);
        result.megaOhm = NumberText(code.ohm / 1000000);
        result.tolerancePercent = code.tolerancePercent;
    }
    if (result.tolerancePercent) {
        result.toleranceText = SmdToleranceText(*result.tolerancePercent);
        result.toleranceCommandEnabled = true;
    }
    result.codeLabel = result.codeText;
    return result;
}

Message SmdToleranceMessage(std::string_view ohmFieldText, std::optional<double> tolerancePercent,
                            std::string_view toleranceFieldText) {
    return MessageOrWarning(kSmdComputeFirstMessage, [&] {
        const double r = ReadNumber(ohmFieldText);
        const double t = tolerancePercent.value_or(0);
        const double rmin = r - r * t / 100;
        const double rmax = r + r * t / 100;
        const std::string line1 = "Girilen Değerlere Göre Bu SMD Direncin Toleransı " +
                                  std::string(toleranceFieldText) +
                                  "'dir. Ve Bu Değerlere Göre Sonuçlar :";
        const std::string line2 = "Ohm'un Maksimum Tolerans'lı Değeri " + NumberText(rmax) +
                                  "   Minimum Tolerans'lı Değeri " + NumberText(rmin) +
                                  " Ohm'dur...";
        const std::string line3 = "Kilo Ohm'un Maksimum Tolerans'lı Değeri " +
                                  NumberText(rmax / 1000) + "   Minimum Tolerans'lı Değeri " +
                                  NumberText(rmin / 1000) + " Kilo Ohm'dur...";
        const std::string line4 = "Mega Ohm'un Maksimum Tolerans'lı Değeri " +
                                  NumberText(rmax / 1000000) + "   Minimum Tolerans'lı Değeri " +
                                  NumberText(rmin / 1000000) + " Mega Ohm'dur...";
        return ResultMessage(JoinLines({line1, line2, line3, line4}));
    });
}

} // namespace voltaris::codes
