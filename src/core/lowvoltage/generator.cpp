#include "core/lowvoltage/generator.h"

#include "core/numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <string>

namespace voltaris::generator {

namespace {

// The set maker's derating: 3 % less output for every 500 m above 1000 m and for every 5 °C of
// air temperature above 40 °C (Stamford, generator sizing procedure, notes 1 and 2; Wacker
// Neuson G 3.3A operator's manual, "Generator Derating", with its two tables).
struct Derating {
    int above; // m or °C
    int loss;  // %
    double factor;
};
constexpr std::array<Derating, 7> kAltitude = {{
    {1000, 0, 1.00},
    {1500, 3, 0.97},
    {2000, 6, 0.94},
    {2500, 9, 0.91},
    {3000, 12, 0.88},
    {3500, 15, 0.85},
    {4000, 18, 0.82},
}};
constexpr std::array<Derating, 5> kTemperature = {{
    {40, 0, 1.00},
    {45, 3, 0.97},
    {50, 6, 0.94},
    {55, 9, 0.91},
    {60, 12, 0.88},
}};

// The starting current follows the voltage on the motor's windings and the set supplies it
// through the starter: star-delta puts 1/√3 of the voltage on each winding (1/3 of the line
// current), an autotransformer tap t gives the motor t × U and draws t² of the direct current.
struct Method {
    std::string_view name;
    std::string_view voltage; // on the motor
    std::string_view share;   // as the tables write it
    double factor;
};
constexpr std::array<Method, 5> kMethods = {{
    {"Direkt Yolverme", "U", "1", 1.0},
    {"Yıldız-Üçgen Yolverme", "U / √3 (sargı başına)", "1/3", 1.0 / 3.0},
    {"Oto Trafo İle Yolverme, %80 Kademe", "0.80 × U", "0.64", 0.64},
    {"Oto Trafo İle Yolverme, %65 Kademe", "0.65 × U", "0.4225", 0.4225},
    {"Oto Trafo İle Yolverme, %50 Kademe", "0.50 × U", "0.25", 0.25},
}};

// ISO 3, series R10 of preferred numbers, from 10 to 3150 kVA.
constexpr std::array<double, 26> kSetSizes = {10,  12.5, 16,   20,   25,   31.5, 40,   50,  63,
                                              80,  100,  125,  160,  200,  250,  315,  400, 500,
                                              630, 800,  1000, 1250, 1600, 2000, 2500, 3150};

// Texts that the tables point into: they live as long as the program.
std::string_view Keep(std::string text) {
    static std::deque<std::string> kept;
    return kept.emplace_back(std::move(text));
}

std::string FactorText(double factor) {
    return FormatNumber(factor, NumberPattern::Plain2);
}

template <std::size_t N>
std::vector<Entry> DeratingEntries(const std::array<Derating, N>& rows, std::string_view unit,
                                   std::string_view upTo) {
    std::vector<Entry> entries;
    for (const Derating& row : rows) {
        std::string text = std::to_string(row.above) + std::string(unit);
        if (row.loss == 0)
            text += upTo;
        entries.push_back({text + " (" + FactorText(row.factor) + ")", row.factor});
    }
    return entries;
}

constexpr std::string_view kDeratingSource =
    "Kaynak: Stamford jeneratör boyutlandırma yönergesi (adım 2, not 1 ve 2); Wacker Neuson G 3.3A "
    "kullanım kılavuzu, “Generator Derating”. Katsayılar çarpılır; üreticinin tablosu esastır.";

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

// The number a result text stands for, as a later step reads it back.
double Back(const std::string& text) {
    return ReadNumber(text);
}

} // namespace

const std::vector<Entry>& AltitudeEntries() {
    static const std::vector<Entry> entries = DeratingEntries(kAltitude, " m", "'ye kadar");
    return entries;
}

const std::vector<Entry>& TemperatureEntries() {
    static const std::vector<Entry> entries = DeratingEntries(kTemperature, " °C", "'ye kadar");
    return entries;
}

const std::vector<Entry>& StartingMethods() {
    static const std::vector<Entry> entries = [] {
        std::vector<Entry> list;
        for (const Method& method : kMethods)
            list.push_back(
                {std::string(method.name) + " (" + std::string(method.share) + ")", method.factor});
        return list;
    }();
    return entries;
}

const std::vector<Entry>& StartingCurrentRatios() {
    static const std::vector<Entry> entries = [] {
        std::vector<Entry> list;
        for (int tenths = 40; tenths <= 90; tenths += 5)
            list.push_back(
                {std::to_string(tenths / 10) + "." + std::to_string(tenths % 10), tenths / 10.0});
        return list;
    }();
    return entries;
}

std::string KilowattsText(std::string_view watts) {
    return RoundTripText(ReadNumber(watts) / 1000);
}

std::optional<double> NextSetSize(double kva) {
    const auto found = std::lower_bound(kSetSizes.begin(), kSetSizes.end(), kva);
    if (found == kSetSizes.end())
        return std::nullopt;
    return *found;
}

Outcome<Sizing> Size(const SizingChoice& choice, SizingFields start) {
    return RunSteps(Sizing{std::move(start), std::nullopt}, [&](Sizing& sizing) {
        SizingFields& f = sizing.fields;
        const double load = ReadNumber(f.load);
        const double cosPhi = ReadNumber(choice.cosPhi);
        f.apparent = ResultText(checked::Div(load, cosPhi), 2);

        // The largest motor starts while the rest of the load runs: its running power gives way
        // to its starting power. No motor given: nothing to start.
        double motorRunning = 0;
        double starting = 0;
        if (!f.motor.empty()) {
            motorRunning = checked::Div(ReadNumber(f.motor), cosPhi);
            const double share = StartingMethods().at(At(choice.method)).value;
            const double ratio = StartingCurrentRatios().at(At(choice.startingCurrent)).value;
            starting = checked::Finite(ratio * share * motorRunning);
        }
        f.starting = ResultText(starting, 2);

        const double apparent = Back(f.apparent);
        // A set gives its kW rating at 0.8: a load of a better power factor is limited by kW. The
        // rest of the load runs on while the motor starts (none when the motor was not counted in
        // it).
        const double rest = std::max(apparent - motorRunning, 0.0);
        const double onSite = std::max({apparent, checked::Div(load, kRatedPowerFactor),
                                        checked::Finite(rest + Back(f.starting))});
        f.onSite = ResultText(onSite, 2);

        const double factor = AltitudeEntries().at(At(choice.altitude)).value *
                              TemperatureEntries().at(At(choice.temperature)).value;
        f.factor = ResultText(factor, 4);
        f.rating = ResultText(checked::Div(Back(f.onSite), Back(f.factor)), 2);

        const std::optional<double> size = NextSetSize(Back(f.rating));
        if (!size) {
            f.setSize.clear();
            f.setActive.clear();
            sizing.notice = InfoMessage(kAboveSeriesNotice);
            return;
        }
        f.setSize = ResultText(*size, 2);
        f.setActive = ResultText(Back(f.setSize) * kRatedPowerFactor, 2);
    });
}

const std::vector<std::string>& VoltageEntries() {
    static const std::vector<std::string> entries = {"208", "380", "400", "480", "600", "690"};
    return entries;
}

Outcome<std::string> RatedCurrent(std::string_view apparentKva, std::string_view voltage,
                                  std::string shown) {
    return RunSteps(std::move(shown), [&](std::string& current) {
        const double apparent = ReadNumber(apparentKva);
        const double volts = ReadNumber(voltage);
        current = ResultText(
            checked::Div(checked::Finite(apparent * 1000), checked::Finite(std::sqrt(3.0) * volts)),
            2);
    });
}

const std::vector<Entry>& LoadLevels() {
    static const std::vector<Entry> entries = {
        {"%25", 25}, {"%50", 50}, {"%75", 75}, {"%100", 100}};
    return entries;
}

const std::vector<std::string>& FuelConsumptionEntries() {
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> list;
        for (int grams = 190; grams <= 260; grams += 5)
            list.push_back(std::to_string(grams));
        return list;
    }();
    return entries;
}

Outcome<FuelFields> Fuel(const FuelChoice& choice, FuelFields start) {
    return RunSteps(std::move(start), [&](FuelFields& f) {
        const double rating = ReadNumber(f.rating);
        f.active = ResultText(checked::Finite(rating * ReadNumber(choice.cosPhi)), 2);
        const double level = LoadLevels().at(At(choice.loadLevel)).value;
        f.drawn = ResultText(checked::Finite(Back(f.active) * level / 100), 2);
        const double kilograms =
            checked::Finite(Back(f.drawn) * ReadNumber(choice.consumption)) / 1000;
        f.hourly = ResultText(kilograms / kDieselDensity, 2);
        f.daily = ResultText(checked::Finite(Back(f.hourly) * 24), 2);
    });
}

const reference_tables::Table& DeratingTable() {
    static const reference_tables::Table table = [] {
        reference_tables::Table t{"Rakım ve Ortam Sıcaklığına Göre Güç Düşürme Katsayıları",
                                  {"Rakım (m)", "Katsayı", "Ortam Sıcaklığı (°C)", "Katsayı"},
                                  {},
                                  kDeratingSource};
        // Each derating as a pair of columns; the shorter one ends in empty cells.
        auto cells = [](const auto& rows, std::size_t i,
                        std::string_view upTo) -> std::array<std::string_view, 2> {
            if (i >= rows.size())
                return {"", ""};
            const Derating& row = rows[i];
            return {Keep(std::to_string(row.above) + std::string(row.loss == 0 ? upTo : "")),
                    Keep(FactorText(row.factor))};
        };
        for (std::size_t i = 0; i < std::max(kAltitude.size(), kTemperature.size()); ++i) {
            const auto altitude = cells(kAltitude, i, "'e kadar");
            const auto temperature = cells(kTemperature, i, "'a kadar");
            t.rows.push_back({altitude[0], altitude[1], temperature[0], temperature[1]});
        }
        return t;
    }();
    return table;
}

const reference_tables::Table& StartingTable() {
    static const reference_tables::Table table = [] {
        reference_tables::Table t{
            "Yolverme Şekline Göre Motor Kalkış Gücü Katsayıları",
            {"Yolverme Şekli", "Motora Uygulanan Gerilim", "Kalkış Gücü Katsayısı"},
            {},
            "Kalkış gücü = (Ia / In) × katsayı × Pm / cos φ; Ia / In motorun etiketinden. Kaynak: "
            "kalkış akımı sargı gerilimiyle orantılıdır (S. J. Chapman, Electric Machinery "
            "Fundamentals, 5. baskı)."};
        for (const Method& method : kMethods)
            t.rows.push_back({method.name, method.voltage, method.share});
        return t;
    }();
    return table;
}

const reference_tables::Table& RatingsTable() {
    static const reference_tables::Table table = {
        "Jeneratör Grubu Güç Tanımları (ISO 8528-1)",
        {"Güç", "Adı", "Çalışma Koşulu"},
        {
            {"COP", "Sürekli güç", "Sabit yük, yılda sınırsız saat"},
            {"PRP", "Ana güç", "Değişken yük, yılda sınırsız saat, 24 saat ortalaması ≤ %70"},
            {"LTP", "Sınırlı süreli güç", "Yılda en çok 500 saat"},
            {"ESP", "Acil durum bekleme gücü",
             "Şebeke kesintisinde, yılda en çok 200 saat, 24 saat ortalaması ≤ %70"},
        },
        "Kaynak: ISO 8528-1, içten yanmalı motorlu alternatif akım jeneratör grupları – "
        "uygulama, sınıflandırma ve performans.",
    };
    return table;
}

} // namespace voltaris::generator
