#include "core/codes/resistor_colour_code.h"

#include "core/numbers.h"

#include <cstddef>

namespace voltaris::codes {

namespace {

using BC = BandColour;

const std::vector<BC> kDigits = {BC::Siyah, BC::Kahverengi, BC::Kirmizi, BC::Turuncu, BC::Sari,
                                 BC::Yesil, BC::Mavi,       BC::Mor,     BC::Gri,     BC::Beyaz};
const std::vector<BC> kMultipliers = {BC::Siyah, BC::Kahverengi, BC::Kirmizi, BC::Turuncu,
                                      BC::Sari,  BC::Yesil,      BC::Mavi,    BC::Mor,
                                      BC::Gri,   BC::Beyaz,      BC::Altin,   BC::Gumus};
const std::vector<BC> kTolerances4 = {BC::Kahverengi, BC::Kirmizi, BC::Altin, BC::Gumus,
                                      BC::Renksiz};
const std::vector<BC> kTolerances56 = {BC::Kahverengi, BC::Kirmizi, BC::Altin, BC::Gumus};
const std::vector<BC> kCoefficients = {BC::Kahverengi, BC::Kirmizi, BC::Turuncu, BC::Sari,
                                       BC::Mavi,       BC::Mor,     BC::Beyaz};

constexpr std::string_view kCaptions[] = {
    "Birinci Renk Kodunu Seçiniz",  "İkinci Renk Kodunu Seçiniz",  "Üçüncü Renk Kodunu Seçiniz",
    "Dördüncü Renk Kodunu Seçiniz", "Beşinci Renk Kodunu Seçiniz", "Altıncı Renk Kodunu Seçiniz",
};

std::vector<ResistorBandList> makeLists(ResistorBandCount bands) {
    using R = ResistorBandRole;
    std::vector<ResistorBandList> lists;
    auto add = [&lists](R role, const std::vector<BC>& colours) {
        lists.push_back({role, kCaptions[lists.size()], colours});
    };
    add(R::Digit, kDigits);
    add(R::Digit, kDigits);
    if (bands != ResistorBandCount::Four)
        add(R::Digit, kDigits);
    add(R::Multiplier, kMultipliers);
    add(R::Tolerance, bands == ResistorBandCount::Four ? kTolerances4 : kTolerances56);
    if (bands == ResistorBandCount::Six)
        add(R::TemperatureCoefficient, kCoefficients);
    return lists;
}

Message warning() {
    return WarningMessage(kResistorSelectColoursMessage);
}

} // namespace

std::string_view ResistorWindowTitle(ResistorBandCount bands) {
    switch (bands) {
    case ResistorBandCount::Four:
        return "4 Band Direnç Renk Kodunu Seçiniz";
    case ResistorBandCount::Five:
        return "5 Band Direnç Renk Kodunu Seçiniz";
    case ResistorBandCount::Six:
        return "6 Band Direnç Renk Kodunu Seçiniz";
    }
    return {};
}

const std::vector<ResistorBandList>& ResistorBandLists(ResistorBandCount bands) {
    static const std::vector<ResistorBandList> four = makeLists(ResistorBandCount::Four);
    static const std::vector<ResistorBandList> five = makeLists(ResistorBandCount::Five);
    static const std::vector<ResistorBandList> six = makeLists(ResistorBandCount::Six);
    switch (bands) {
    case ResistorBandCount::Four:
        return four;
    case ResistorBandCount::Five:
        return five;
    case ResistorBandCount::Six:
        break;
    }
    return six;
}

ValueRange ComputeValueRange(double significand, double multiplier, double tolerancePercent) {
    ValueRange range;
    range.nominal = checked::Finite(significand * multiplier);
    const double delta = range.nominal * tolerancePercent / 100;
    range.minimum = range.nominal - delta;
    range.maximum = range.nominal + delta;
    return range;
}

double ResistanceAtTemperature(double r0, double ppm, double celsius) {
    return checked::Finite(r0 + (r0 / 1000000 * ppm) * (celsius - 20));
}

RangeTexts RangeTextsOf(const ValueRange& range, double divisor) {
    return {NumberText(range.nominal / divisor), NumberText(range.minimum / divisor),
            NumberText(range.maximum / divisor)};
}

ResistorColourResult ReadResistorColours(ResistorBandCount bands,
                                         std::span<const int> listIndices) {
    ResistorColourResult result;
    const std::vector<ResistorBandList>& lists = ResistorBandLists(bands);
    if (listIndices.size() != lists.size()) {
        result.warning = warning();
        return result;
    }
    ResistorColourReading reading;
    reading.bands = bands;
    for (std::size_t i = 0; i < lists.size(); ++i) {
        const int index = listIndices[i];
        if (index < 0 || static_cast<std::size_t>(index) >= lists[i].colours.size()) {
            ResistorColourResult failed;
            failed.warning = warning();
            return failed;
        }
        const BandColour colour = lists[i].colours[static_cast<std::size_t>(index)];
        const ColourBandRow& row = ColourBandTable::Row(colour);
        reading.colours.push_back(colour);
        result.swatches.push_back(ColourBandTable::Swatch(colour));
        switch (lists[i].role) {
        case ResistorBandRole::Digit:
            reading.significand = reading.significand * 10 + *row.digit;
            break;
        case ResistorBandRole::Multiplier:
            reading.multiplier = *row.multiplier;
            break;
        case ResistorBandRole::Tolerance:
            reading.toleranceText = row.toleranceText;
            reading.tolerancePercent = *row.tolerancePercent;
            break;
        case ResistorBandRole::TemperatureCoefficient:
            reading.temperatureCoefficientText = row.temperatureCoefficientText;
            reading.temperatureCoefficientPpm = *row.temperatureCoefficientPpm;
            break;
        }
    }
    reading.ohm =
        ComputeValueRange(reading.significand, reading.multiplier, reading.tolerancePercent);
    result.ohm = RangeTextsOf(reading.ohm, 1);
    result.kiloOhm = RangeTextsOf(reading.ohm, 1000);
    result.megaOhm = RangeTextsOf(reading.ohm, 1000000);
    result.toleranceText = reading.toleranceText;
    result.temperatureCoefficientText = reading.temperatureCoefficientText;
    result.enableTemperatureCommand = bands == ResistorBandCount::Six;
    result.reading = std::move(reading);
    return result;
}

ResistorTemperatureResult ResistorAtTemperature(const std::optional<ResistorColourReading>& last,
                                                TemperatureBase base, std::string_view answer,
                                                std::string_view coefficientFieldText) {
    ResistorTemperatureResult result;
    result.message = WarningMessage(kResistorTemperatureFailureMessage);
    if (!last)
        return result;
    try {
        const double celsius = ReadPromptNumber(answer);
        // From the kept band values, not from the lists.
        const double r = checked::Finite(last->significand * last->multiplier);
        const double delta = r * last->tolerancePercent / 100;
        double r0 = r;
        if (base == TemperatureBase::Minimum)
            r0 = last->ohm.nominal - delta;
        else if (base == TemperatureBase::Maximum)
            r0 = last->ohm.nominal + delta;
        const double rt = ResistanceAtTemperature(r0, last->temperatureCoefficientPpm, celsius);
        const std::string line1 = "Seçilen Renklere Göre Bu Direncin Sıcaklık Katsayısı " +
                                  std::string(coefficientFieldText) + " Değeridir.";
        const std::string line2 = "Girdiğiniz Değere Göre Direncin Sıcaklığı " +
                                  NumberText(celsius) + " °C (Santigrad Derecedir).";
        const std::string line3 =
            "Seçtiğiniz Renklere Göre Hesaplanan Direnç Değeri " + NumberText(r0) + " Ohm'dur.";
        const std::string line4 = "Direncin Sıcaklığa Bağlı Olarak Olması Gereken Değeri " +
                                  NumberText(rt) + " Ohm'dur...";
        result.message = ResultMessage(JoinLines({line1, line2, line3, line4}));
        result.resistanceAtTemperature = rt;
    } catch (const ComputeFailure&) {
        // the warning set above
    }
    return result;
}

} // namespace voltaris::codes
