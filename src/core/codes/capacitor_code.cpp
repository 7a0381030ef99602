#include "core/codes/capacitor_code.h"

#include "core/numbers.h"

#include <cstddef>

namespace voltaris::codes {

namespace {

const std::vector<CapacitorTolerance> kTolerances = {
    {"B", "±% 0,1", 0.1, 0.1}, {"C", "±% 0,25", 0.25, 0.25}, {"D", "±% 0,5", 0.5, 0.5},
    {"F", "±% 1", 1, 1},       {"G", "±% 2", 2, 2},          {"J", "±% 5", 5, 5},
    {"K", "±% 10", 10, 10},    {"M", "±% 20", 20, 20},       {"Z", "-%20 +%80", 20, 80},
};

const std::vector<CapacitorVoltage> kVoltages = {
    {"1H", 50}, {"2A", 100}, {"2T", 150}, {"2D", 200}, {"2E", 250}, {"2G", 400}, {"2J", 630},
};

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}
int digit(char32_t c) {
    return static_cast<int>(c - U'0');
}

// Picofarads per unit of a unit letter ("p", "n", "u" or "."), or nothing.
std::optional<double> unitFactor(char32_t c) {
    switch (c) {
    case U'p':
        return 1.0;
    case U'n':
        return 1000.0;
    case U'u':
    case U'.':
        return 1000000.0;
    default:
        return std::nullopt;
    }
}

template <class T> bool validIndex(int index, const std::vector<T>& list) {
    return index >= 0 && static_cast<std::size_t>(index) < list.size();
}

} // namespace

const std::vector<CapacitorTolerance>& CapacitorTolerances() {
    return kTolerances;
}
const std::vector<CapacitorVoltage>& CapacitorVoltages() {
    return kVoltages;
}

std::vector<std::string> CapacitorToleranceEntries() {
    std::vector<std::string> entries;
    for (const CapacitorTolerance& t : kTolerances)
        entries.emplace_back(t.letter);
    return entries;
}

std::vector<std::string> CapacitorVoltageEntries() {
    std::vector<std::string> entries;
    for (const CapacitorVoltage& v : kVoltages)
        entries.emplace_back(v.code);
    return entries;
}

ListDisplay CapacitorToleranceDisplay(int toleranceIndex) {
    if (!validIndex(toleranceIndex, kTolerances))
        return {};
    const CapacitorTolerance& t = kTolerances[static_cast<std::size_t>(toleranceIndex)];
    return {std::string(t.text), std::string(t.letter)};
}

ListDisplay CapacitorVoltageDisplay(int voltageIndex) {
    if (!validIndex(voltageIndex, kVoltages))
        return {};
    const CapacitorVoltage& v = kVoltages[static_cast<std::size_t>(voltageIndex)];
    return {NumberText(v.volts), std::string(v.code)};
}

std::optional<double> ParseCapacitorCode(std::string_view code) {
    const std::u32string all = DecodeUtf8(ToTurkishLower(code));
    // One or two digits alone are picofarads (the window's own note says so).
    if (!all.empty() && all.size() <= 2 && isDigit(all[0]) && (all.size() == 1 || isDigit(all[1])))
        return all.size() == 1 ? digit(all[0]) : 10.0 * digit(all[0]) + digit(all[1]);
    // Only the first three characters are read.
    if (all.size() < 3)
        return std::nullopt;
    const char32_t c1 = all[0], c2 = all[1], c3 = all[2];
    const bool d1 = isDigit(c1), d2 = isDigit(c2), d3 = isDigit(c3);
    if (d1 && d2 && d3) {
        if (c1 == U'0')
            return std::nullopt;
        return (10.0 * digit(c1) + digit(c2)) * kPowersOfTen[digit(c3)];
    }
    // Exactly one non-digit among the three: it must be a unit letter. The 25 refused
    // letters and every other character (no rule matches them) are refused alike.
    if (!d1 && d2 && d3) {
        if (const auto unit = unitFactor(c1))
            return (10.0 * digit(c2) + digit(c3)) * *unit / 100;
    } else if (d1 && !d2 && d3) {
        if (const auto unit = unitFactor(c2))
            return (10.0 * digit(c1) + digit(c3)) * *unit / 10;
    } else if (d1 && d2 && !d3) {
        if (const auto unit = unitFactor(c3))
            return (10.0 * digit(c1) + digit(c2)) * *unit;
    }
    return std::nullopt;
}

CapacitorCodeResult ReadCapacitorCode(std::string_view fieldText) {
    CapacitorCodeResult result;
    const std::optional<double> pf = ParseCapacitorCode(fieldText);
    if (!pf) {
        result.warning = WarningMessage(kCapacitorRefusedMessage);
        return result;
    }
    result.picoFarad = NumberText(*pf);
    result.nanoFarad = NumberText(*pf / 1000);
    result.microFarad = NumberText(*pf / 1000000);
    result.farad = NumberText(*pf / 1e12);
    std::u32string label = DecodeUtf8(ToTurkishLower(fieldText));
    std::string labelText;
    for (char32_t c : label)
        labelText += c == U'u' || c == U'.' ? std::string("µ") : EncodeUtf8(std::u32string(1, c));
    result.codeLabel = labelText;
    result.toleranceCommandEnabled = true;
    return result;
}

Message CapacitorCodeToleranceMessage(std::string_view picoFaradFieldText, int toleranceIndex,
                                      std::string_view toleranceFieldText) {
    return MessageOrWarning(kCapacitorEnterValueMessage, [&] {
        const double c = ReadNumber(picoFaradFieldText);
        if (!validIndex(toleranceIndex, kTolerances))
            throw ComputeFailure("no tolerance chosen");
        const CapacitorTolerance& t = kTolerances[static_cast<std::size_t>(toleranceIndex)];
        const double cmin = c - c * t.lowerPercent / 100;
        const double cmax = c + c * t.upperPercent / 100;
        const std::string first = "Girilen Değerlere Göre Bu Kondansatörün Toleransı " +
                                  std::string(toleranceFieldText) +
                                  " 'dir. Ve Bu Değer'e Göre Sonuçlar :";
        return ResultMessage(first + "\n" + CapacitanceToleranceLines(cmin, cmax));
    });
}

std::string CapacitanceToleranceLines(double minimumPicoFarad, double maximumPicoFarad) {
    auto line = [&](std::string_view unit, double divisor) {
        return std::string(unit) + "'ın Maksimum Tolerans'lı Değeri " +
               NumberText(maximumPicoFarad / divisor) + "   Minimum Tolerans'lı Değeri " +
               NumberText(minimumPicoFarad / divisor) + " " + std::string(unit) + "'dır...";
    };
    return JoinLines({line("PikoFarad", 1), line("NanoFarad", 1000), line("MikroFarad", 1000000),
                      line("Farad", 1e12)});
}

Message CapacitorDigitsNote() {
    return InfoMessage("Eğer Tek veya Çift Rakam Yazıp Başka Bir Şey Yazmıyorsa O Değeri "
                       "PikoFarad Olarak Okunur");
}

Message CapacitorLettersNote() {
    return InfoMessage(
        JoinLines({"Kod Girişi Yaparken;", "Kodlama İçerisindeki harfler şu şekilde giriniz:", "p",
                   "n", "µ yerine de . veya u", "Şeklinde Giriniz..."}));
}

} // namespace voltaris::codes
