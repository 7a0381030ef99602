#include "core/codes/capacitor_colour_code.h"

#include "core/codes/capacitor_code.h"
#include "core/codes/colour_band_table.h"
#include "core/numbers.h"

#include <cstddef>

namespace voltaris::codes {

namespace {

using Entry = CapacitorColourEntry;

Entry E(std::string_view name, double value, std::string_view text = {},
        std::string_view commandText = {}) {
    return {name, value, text, commandText};
}

const std::vector<Entry> kDigits = {
    E("Siyah", 0), E("Kahverengi", 1), E("Kırmızı", 2), E("Turuncu", 3), E("Sarı", 4),
    E("Yeşil", 5), E("Mavi", 6),       E("Mor", 7),     E("Gri", 8),     E("Beyaz", 9)};
const std::vector<Entry> kMultipliers = {
    E("Siyah", 1),    E("Kahverengi", 10), E("Kırmızı", 100),  E("Turuncu", 1000),
    E("Sarı", 10000), E("Yeşil", 100000),  E("Mavi", 1000000), E("Altın", 0.1)};
const std::vector<Entry> kTolerances = {E("Siyah", 20, " ± % 20"), E("Kahverengi", 1, " ± % 1"),
                                        E("Kırmızı", 2, " ± % 2"), E("Yeşil", 5, " ± % 5"),
                                        E("Beyaz", 10, " ± % 10")};
const std::vector<Entry> kVoltages = {E("Kahverengi", 100), E("Kırmızı", 200), E("Sarı", 400),
                                      E("Mavi", 630)};
const std::vector<Entry> kCoefficients = {
    E("Siyah", 0.1, "0.10^-6 %C=(0. PPM)", "0.10^-6 %C=(0.1 PPM)"),
    E("Kahverengi", 33, "+33.10^-6 %C=(+33 PPM)", "+33.10^-6 %C=(+33 PPM)"),
    E("Kırmızı", -75, "-75.10^-6 %C=(-75 PPM)", "-75.10^-6 %C=(-75 PPM)"),
    E("Turuncu", -150, "-150.10^-6 %C=(-150 PPM)", "-150.10^-6 %C=(-150 PPM)"),
    E("Sarı", -220, "-220.10^-6 %C=(-220 PPM)", "-220.10^-6 %C=(-220 PPM)"),
    E("Yeşil", -330, "-330.10^-6 %C=(-330 PPM)", "-330.10^-6 %C=(-330 PPM)"),
    E("Mavi", -470, "-470.10^-6 %C=(-470 PPM)", "-470.10^-6 %C=(-470 PPM)"),
};
const std::vector<Entry> kTantalumMultipliers = {E("Siyah", 1),     E("Kahverengi", 10),
                                                 E("Kırmızı", 100), E("Mor", 0.001),
                                                 E("Gri ", 0.01),   E("Beyaz", 0.1)};
const std::vector<Entry> kTantalumVoltages = {E("Siyah", 10), E("Sarı", 6.3), E("Yeşil", 16),
                                              E("Mavi", 20),  E("Gri", 25),   E("Beyaz", 3),
                                              E("Pembe", 35)};
const std::vector<Entry> kNoList;

// The chosen entry of `ComboN`, or nothing.
const Entry* chosen(std::span<const int> indices, int comboNumber) {
    const std::vector<Entry>& list = CapacitorColourList(comboNumber);
    if (static_cast<std::size_t>(comboNumber) > indices.size())
        return nullptr;
    const int index = indices[static_cast<std::size_t>(comboNumber - 1)];
    if (index < 0 || static_cast<std::size_t>(index) >= list.size())
        return nullptr;
    return &list[static_cast<std::size_t>(index)];
}

} // namespace

const std::vector<CapacitorColourEntry>& CapacitorColourList(int comboNumber) {
    switch (comboNumber) {
    case 1:
    case 2:
        return kDigits;
    case 3:
        return kMultipliers;
    case 4:
        return kTolerances;
    case 5:
        return kVoltages;
    case 6:
        return kCoefficients;
    case 7:
        return kTantalumMultipliers;
    case 8:
        return kTantalumVoltages;
    default:
        return kNoList;
    }
}

std::vector<std::string> CapacitorColourListEntries(int comboNumber) {
    std::vector<std::string> entries;
    for (const Entry& entry : CapacitorColourList(comboNumber))
        entries.emplace_back(entry.name);
    return entries;
}

CapacitorColourControls ChooseCapacitorKind(CapacitorKind kind) {
    CapacitorColourControls c;
    const bool tantalum = kind == CapacitorKind::Tantalum;
    c.combo3Visible = !tantalum;
    c.combo5Visible = !tantalum;
    c.combo7Visible = tantalum;
    c.combo8Visible = tantalum;
    c.combo4Enabled = !tantalum;
    c.command4Enabled = !tantalum;
    switch (kind) {
    case CapacitorKind::Polyester:
        c.command5Enabled = false;
        [[fallthrough]];
    case CapacitorKind::Ceramic:
        c.fourBandsEnabled = true;
        c.fiveBandsEnabled = true;
        break;
    case CapacitorKind::DiscCeramic:
        c.chooseBands = CapacitorBandCount::Four;
        c.fiveBandsEnabled = false;
        c.combo5Enabled = false;
        c.combo6Enabled = false;
        c.command5Enabled = false;
        break;
    case CapacitorKind::Tantalum:
        c.chooseBands = CapacitorBandCount::Four;
        c.fiveBandsEnabled = false;
        c.combo6Enabled = false;
        c.command5Enabled = false;
        break;
    }
    return c;
}

CapacitorColourControls CapacitorBandCountRules(CapacitorKind kind, CapacitorBandCount bands) {
    CapacitorColourControls c;
    const bool five = bands == CapacitorBandCount::Five;
    switch (kind) {
    case CapacitorKind::Polyester:
        c.combo5Enabled = five;
        c.combo6Enabled = false;
        c.emptyVoltage = !five;
        c.emptyCoefficient = true;
        break;
    case CapacitorKind::Ceramic:
        c.combo5Enabled = false;
        c.combo6Enabled = five;
        c.command5Enabled = five;
        c.emptyVoltage = true;
        c.emptyCoefficient = !five;
        break;
    case CapacitorKind::DiscCeramic:
        c.emptyVoltage = !five;
        c.emptyCoefficient = !five;
        break;
    case CapacitorKind::Tantalum:
        break;
    }
    return c;
}

CapacitorColourResult ReadCapacitorColours(CapacitorKind kind, std::span<const int> listIndices) {
    CapacitorColourResult result;
    const Entry* d1 = chosen(listIndices, 1);
    const Entry* d2 = chosen(listIndices, 2);
    if (kind == CapacitorKind::Tantalum) {
        const Entry* multiplier = chosen(listIndices, 7);
        const Entry* voltage = chosen(listIndices, 8);
        if (!d1 || !d2 || !multiplier || !voltage) {
            result.warning = WarningMessage(kCapacitorSelectColoursMessage);
            return result;
        }
        const double uf = (10 * d1->value + d2->value) * multiplier->value;
        result.microFarad = NumberText(uf);
        result.nanoFarad = NumberText(uf * 1000);
        result.picoFarad = NumberText(uf * 1000000);
        result.farad = NumberText(uf / 1000000);
        result.voltage = NumberText(voltage->value);
        return result;
    }
    const Entry* multiplier = chosen(listIndices, 3);
    const Entry* tolerance = chosen(listIndices, 4);
    const Entry* voltage = chosen(listIndices, 5);
    const Entry* coefficient = chosen(listIndices, 6);
    if (!d1 || !d2 || !multiplier || !tolerance || !voltage || !coefficient) {
        result.warning = WarningMessage(kCapacitorSelectColoursMessage);
        return result;
    }
    const double pf = (10 * d1->value + d2->value) * multiplier->value;
    result.picoFarad = NumberText(pf);
    result.nanoFarad = NumberText(pf / 1000);
    result.microFarad = NumberText(pf / 1000000);
    result.farad = NumberText(pf / 1e12);
    result.tolerance = std::string(tolerance->text);
    result.voltage = NumberText(voltage->value);
    result.temperatureCoefficient = std::string(coefficient->text);
    return result;
}

std::vector<int> CapacitorPictureLists(CapacitorKind kind, CapacitorBandCount bands) {
    if (kind == CapacitorKind::Tantalum)
        return {1, 2, 7, 8};
    if (bands == CapacitorBandCount::Five && kind == CapacitorKind::Polyester)
        return {1, 2, 3, 4, 5};
    if (bands == CapacitorBandCount::Five && kind == CapacitorKind::Ceramic)
        return {1, 2, 3, 4, 6};
    return {1, 2, 3, 4};
}

std::optional<Rgb> CapacitorColourDisplay(std::string_view entryName) {
    std::string_view name = entryName;
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    if (name == "Pembe")
        return Rgb{255, 160, 190};
    if (const std::optional<BandColour> colour = ColourBandTable::FromName(ToTurkishUpper(name)))
        return ColourBandTable::Row(*colour).display;
    return std::nullopt;
}

std::vector<SwatchUpdate> CapacitorColourSwatches(CapacitorKind kind, CapacitorBandCount bands,
                                                  std::span<const int> listIndices) {
    std::vector<SwatchUpdate> swatches;
    for (const int comboNumber : CapacitorPictureLists(kind, bands)) {
        const Entry* entry = chosen(listIndices, comboNumber);
        const std::optional<Rgb> display =
            entry ? CapacitorColourDisplay(entry->name) : std::nullopt;
        swatches.push_back(display ? SwatchUpdate{true, display} : SwatchUpdate{false, {}});
    }
    return swatches;
}

Message CapacitorColourToleranceMessage(std::string_view picoFaradFieldText, int toleranceIndex,
                                        std::string_view toleranceFieldText) {
    return MessageOrWarning(kCapacitorComputeFirstMessage, [&] {
        const double c = ReadNumber(picoFaradFieldText);
        if (toleranceIndex < 0 || static_cast<std::size_t>(toleranceIndex) >= kTolerances.size())
            throw ComputeFailure("no tolerance chosen");
        const double t = kTolerances[static_cast<std::size_t>(toleranceIndex)].value;
        const double cmin = c - c * t / 100;
        const double cmax = c + c * t / 100;
        const std::string first = "Seçilen Renklere Göre Bu Kondansatör'ün Toleransı " +
                                  std::string(toleranceFieldText) +
                                  "'dir. Ve Bu Değerlere Göre Sonuçlar :";
        return ResultMessage(first + "\n" + CapacitanceToleranceLines(cmin, cmax));
    });
}

double CapacitanceAtTemperature(double picoFarad, double ppm, double celsius) {
    return checked::Finite(picoFarad + (picoFarad / 1000000 * ppm) * (celsius - 20));
}

CapacitorTemperatureResult CapacitorAtTemperature(std::string_view answer, int coefficientIndex,
                                                  std::string_view picoFaradFieldText) {
    CapacitorTemperatureResult result;
    result.message = WarningMessage(kCapacitorComputeFirstMessage);
    try {
        const double celsius = ReadPromptNumber(answer);
        if (coefficientIndex < 0 ||
            static_cast<std::size_t>(coefficientIndex) >= kCoefficients.size())
            return result;
        const Entry& coefficient = kCoefficients[static_cast<std::size_t>(coefficientIndex)];
        result.coefficientText = std::string(coefficient.commandText);
        const double c = ReadNumber(picoFaradFieldText);
        const double ct = CapacitanceAtTemperature(c, coefficient.value, celsius);
        result.message = ResultMessage(JoinLines({
            "Seçilen Renklere Göre Bu Kondansatör'ün Sıcaklık Katsayısı " +
                *result.coefficientText + " Değeridir.",
            "Girdiğiniz Kondansatör Sıcaklığı " + NumberText(celsius) + " °C (Santigrad Derece)",
            "Renklere Göre Hesaplanan Kondansatör Değeri " + NumberText(c) + " PikoFarad",
            "Kondansatör'ün Sıcaklığa Bağlı Olarak Olması Gereken Değeri " + NumberText(ct) +
                " PikoFarad'dır...",
        }));
        result.capacitanceAtTemperature = ct;
    } catch (const ComputeFailure&) {
        // the warning set above
    }
    return result;
}

} // namespace voltaris::codes
