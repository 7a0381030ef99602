#include "core/lowvoltage/simple_consumption.h"

#include "core/numbers.h"

#include <cmath>

namespace voltaris::simple_consumption {

namespace {

// The primary currents (A) of the transformers of each list, all with a 5 A secondary.
constexpr std::array<int, 21> kLowVoltagePrimaries = {50,  60,   75,   100,  125,  150,  200,
                                                      250, 300,  400,  500,  600,  700,  750,
                                                      800, 1000, 1200, 1600, 2000, 3000, 4000};
constexpr std::array<int, 26> kMediumVoltagePrimaries = {
    10,  15,  20,  30,  40,  50,  60,  75,   100,  125,  150,  200,  250,
    300, 400, 500, 600, 700, 750, 800, 1000, 1200, 1600, 2000, 3000, 4000};

template <std::size_t N> std::vector<std::string> Ratios(const std::array<int, N>& primaries) {
    std::vector<std::string> ratios;
    for (int primary : primaries)
        ratios.push_back(std::to_string(primary) + "/5");
    return ratios;
}

// A field's text as written: the value in general number text.
std::string Written(double value) {
    return NumberText(checked::Finite(value));
}

// Energy times factor, then the cost from the energy as written.
void Rate(const Reading& reading, double factor, RateTexts& t) {
    t.energy = Written(ReadNumber(reading.energy) * factor);
    t.cost = Written(ReadNumber(t.energy) * ReadNumber(reading.price));
}

} // namespace

Outcome<DeviceTexts> DeviceConsumption(std::string_view power, std::string_view hours,
                                       std::string_view price, DeviceTexts start) {
    return RunSteps(std::move(start), [&](DeviceTexts& t) {
        const double e = ReadNumber(power) / 1000;
        const double h = ReadNumber(hours);
        const double p = ReadNumber(price);
        for (int i = 0; i < kPeriodCount; ++i) {
            const Period& period = kPeriods[i];
            t.energy[i] = Written(period.dailyHours ? e * h * period.hours : e * period.hours);
        }
        for (int i = 0; i < kPeriodCount; ++i)
            t.cost[i] = Written(ReadNumber(t.energy[i]) * p);
    });
}

std::vector<std::string> LowVoltageTransformers() {
    std::vector<std::string> list = {std::string(kNoTransformer)};
    for (std::string& ratio : Ratios(kLowVoltagePrimaries))
        list.push_back(std::move(ratio));
    return list;
}

std::vector<std::string> MediumVoltageTransformers() {
    return Ratios(kMediumVoltagePrimaries);
}

double CurrentFactor(std::string_view ratio) {
    if (ratio == kNoTransformer)
        return 1;
    return ReadNumber(ratio.substr(0, ratio.find('/'))) / 5;
}

Outcome<MeterTexts> LowVoltageMeter(bool threeRates, const std::array<Reading, 3>& readings,
                                    std::string_view transformer, MeterTexts start) {
    return RunSteps(std::move(start), [&](MeterTexts& t) {
        const double k = CurrentFactor(transformer);
        if (!threeRates) {
            Rate(readings[0], k, t.total);
            return;
        }
        for (int i = 0; i < 3; ++i)
            Rate(readings[i], k, t.rates[i]);
        double energy = 0;
        double cost = 0;
        for (const RateTexts& rate : t.rates) {
            energy += ReadNumber(rate.energy);
            cost += ReadNumber(rate.cost);
        }
        t.total.energy = Written(energy);
        t.total.cost = Written(cost);
    });
}

Outcome<RateTexts> MediumVoltageMeter(const Reading& reading, std::string_view currentTransformer,
                                      double voltageFactor, RateTexts start) {
    return RunSteps(std::move(start), [&](RateTexts& t) {
        Rate(reading, CurrentFactor(currentTransformer) * voltageFactor, t);
    });
}

Message MeterNote(bool threeRates, int rate) {
    constexpr std::string_view kSpan = " Kodlu Yerdeki Tüketimi Belirlediğiniz Zaman Aralığında\n"
                                       "Son Endeks - İlk Endeks Şeklinde Hesaplayıp Giriniz.";
    if (!threeRates)
        return InfoMessage("Not: Sayaç Üzerinde 1.80" + std::string(kSpan) + "..");
    constexpr std::array<std::string_view, 3> kCodes = {"1.8.1", "1.8.2", "1.8.3"};
    constexpr std::array<std::string_view, 3> kHours = {"Gündüz Tarifesi 06:00 - 17:00",
                                                        "Puant Tarifesi 17:00 – 22:00",
                                                        "Gece Tarifesi 22:00 – 06:00"};
    return InfoMessage("Not: Sayaç Üzerinde " + std::string(kCodes.at(rate)) + std::string(kSpan) +
                       "\n" + std::string(kHours.at(rate)) + " Saatleri Arasını Kapsamaktadır...");
}

TransformerChoice ChooseTransformer(double power) {
    const double current = checked::Div(power, std::sqrt(3.0) * 380);
    // The smallest transformer whose primary current carries the installation's current; above
    // the largest, the largest. Entry 0 of the list is "Akım Trafosu Yok".
    int index = static_cast<int>(kLowVoltagePrimaries.size());
    for (std::size_t i = 0; i < kLowVoltagePrimaries.size(); ++i)
        if (current <= kLowVoltagePrimaries[i]) {
            index = static_cast<int>(i) + 1;
            break;
        }
    return {index, ResultMessage("Tesisin Çektiği Akım Değeri: " + NumberText(current) +
                                 " Amper'dir...\nForm Üzerindeki Akım Trafosu Seçeneklerinde "
                                 "Seçilmiştir...")};
}

} // namespace voltaris::simple_consumption
