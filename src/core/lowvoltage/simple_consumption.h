// "Basit Elektrik Tüketim Hesaplama": the energy and its cost of a device over hours, days,
// weeks, months and years; of low-voltage meter readings on one or three rates through a current
// transformer; and of medium-voltage meter readings through current and voltage transformers.
#pragma once

#include "core/messages.h"
#include "core/outcome.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::simple_consumption {

// The device's periods, in the order of their rows: the energy of each is the power (kW) times
// the hours of the period, either whole (24 a day) or the given daily hours on so many days.
inline constexpr int kPeriodCount = 9;
struct Period {
    std::string_view caption;
    double hours;    // whole hours of the period
    bool dailyHours; // the given daily hours on `hours` days instead
};
inline constexpr std::array<Period, kPeriodCount> kPeriods = {{
    {"1 Saatlik Tüketim", 1, false},
    {"Günlük Belirtilen Saat Kadar Tüketim", 1, true},
    {"1 Günlük Tüketim", 24, false},
    {"1 Haftalık Tüketim", 168, false},
    {"Haftalık Belirtilen Saat Kadar Tüketim", 7, true},
    {"1 Aylık Tüketim", 720, false},
    {"Aylık Belirtilen Saat Kadar Tüketim", 30, true},
    {"1 Yıllık Tüketim", 8760, false},
    {"Yıllık Belirtilen Saat Kadar Tüketim", 365, true},
}};

// Each period's energy (kWh) and cost (TL), as the fields show them.
struct DeviceTexts {
    std::array<std::string, kPeriodCount> energy;
    std::array<std::string, kPeriodCount> cost;
};
// The device tab's "Hesapla": reads the power (W), the daily hours and the unit price, writes
// every energy, then every cost from its energy field as written.
Outcome<DeviceTexts> DeviceConsumption(std::string_view power, std::string_view hours,
                                       std::string_view price, DeviceTexts start);

// The current transformers of the low-voltage tab (the first entry: none) and of the
// medium-voltage tab, and the voltage transformers.
inline constexpr std::string_view kNoTransformer = "Akım Trafosu Yok";
std::vector<std::string> LowVoltageTransformers();
std::vector<std::string> MediumVoltageTransformers();
struct VoltageTransformer {
    std::string_view ratio;
    double factor;
};
inline constexpr std::array<VoltageTransformer, 8> kVoltageTransformers = {{
    {"3,3 / 0,1 kV", 33},
    {"6,3 / 0,1 kV", 63},
    {"10,5 / 0,1 kV", 105},
    {"15,8 / 0,1 kV", 158},
    {"31,5 / 0,1 kV", 315},
    {"33 / 0,1 kV", 330},
    {"34,5 / 0,1 kV", 345},
    {"36 / 0,1 kV", 360},
}};
inline constexpr int kVoltageTransformerAtOpening = 6;
// A current transformer's factor: its primary current over 5, or 1 without a transformer.
double CurrentFactor(std::string_view ratio);

// One rate's energy read on the meter and its unit price (field texts).
struct Reading {
    std::string energy;
    std::string price;
};
struct RateTexts {
    std::string energy;
    std::string cost;
};
struct MeterTexts {
    std::array<RateTexts, 3> rates; // T1, T2, T3 (three rates only)
    RateTexts total;
};
// The low-voltage tab's "Hesapla". One rate: the first reading times the factor and its cost.
// Three rates: each rate so, then the sums of the rates' energies and costs as written.
Outcome<MeterTexts> LowVoltageMeter(bool threeRates, const std::array<Reading, 3>& readings,
                                    std::string_view transformer, MeterTexts start);
// The medium-voltage tab's "Hesapla": the reading times both transformers' factors and its cost.
Outcome<RateTexts> MediumVoltageMeter(const Reading& reading, std::string_view currentTransformer,
                                      double voltageFactor, RateTexts start);

// The "Not" boxes beside the meter readings: with one rate (and on the medium-voltage tab) the
// "1.80" reading; with three rates reading "1.8.1", "1.8.2" or "1.8.3" of rate 0, 1 or 2 and its
// hours.
Message MeterNote(bool threeRates, int rate);

// "Akım Trafosu Hesaplama": the installed power (W) drawn at 380 V three-phase; the entry of the
// low-voltage transformer list to choose and the "SONUÇ" box. Throws ComputeFailure when the
// current is no number.
struct TransformerChoice {
    int index;
    Message message;
};
inline constexpr std::string_view kInstalledPowerPrompt = "Tesisin Kurulu Gücünü Giriniz...";
TransformerChoice ChooseTransformer(double power);

} // namespace voltaris::simple_consumption
