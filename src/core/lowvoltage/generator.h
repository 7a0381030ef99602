// "Trifaze Jeneratör Hesaplama": sizing a three-phase diesel generating set for a standby supply.
// From the load that runs at once, its power factor and the starting of its largest motor to
// the apparent power needed on site, corrected for the site's altitude and air temperature by
// the set maker's derating factors, and the next set size of the series; the rated current of a
// set; its active power, its fuel consumption per hour and per day. The factor tables also show
// in the table display window.
//
// Window use (`Form34`): "Hesapla" (`Command1`) Size, tested `Text1` with
// warnings::kEnterValuesAndTableFactors; "Hesapla" (`Command5`) RatedCurrent, tested `Text10`
// with warnings::kEnterValue; "Hesapla" (`Command8`) Fuel, tested `Text6` with
// warnings::kEnterValue.
#pragma once

#include "core/lowvoltage/reference_tables.h"
#include "core/messages.h"
#include "core/outcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::generator {

// A list entry and the number it stands for.
struct Entry {
    std::string text;
    double value;
};

// Derating for the site, by the set maker's rule of 3 % for every 500 m above 1000 m and 3 % for
// every 5 °C above 40 °C: "1000 m'ye kadar (1.00)" ... "4000 m (0.82)"; "40 °C'ye kadar (1.00)"
// ... "60 °C (0.88)". The first entry of each is chosen when the window opens.
const std::vector<Entry>& AltitudeEntries();
const std::vector<Entry>& TemperatureEntries();

// How the largest motor is started, with the part of its direct-on-line starting power that the
// set sees: direct 1, star-delta 1/3, autotransformer taps 80, 65 and 50 % their squares.
const std::vector<Entry>& StartingMethods();
// The motor's starting current as a multiple of its rated current, Ia/In: "4.0" to "9.0" by 0.5.
const std::vector<Entry>& StartingCurrentRatios();
inline constexpr int kDefaultStartingCurrentRatio = 6; // "7.0"

// The horsepower command's watts (its full-precision text) as the kilowatts the motor field
// takes: 7360 W -> "7.36".
std::string KilowattsText(std::string_view watts);

// The set's rated power factor: ratings in kW are the kVA ratings × 0.8.
inline constexpr double kRatedPowerFactor = 0.8;
// The first set size of the series (ISO 3 R10, 10 to 3150 kVA) that is at least `kva`; nothing
// above the largest.
std::optional<double> NextSetSize(double kva);

// The choices of the sizing: the power-factor list's text and the entries chosen.
struct SizingChoice {
    std::string cosPhi = "0.80";
    int method = 0;
    int startingCurrent = kDefaultStartingCurrentRatio;
    int altitude = 0;
    int temperature = 0;
};

struct SizingFields {
    std::string load;      // Text1, P: the load running at once (kW)
    std::string motor;     // Text2, Pm: the largest motor (kW); empty: no motor started
    std::string apparent;  // Text3, S = P / cos φ (kVA)
    std::string starting;  // Text4, Sa = Ia/In × k × Pm / cos φ (kVA)
    std::string onSite;    // Text5, the larger of S, P / 0.8 and the rest S − Pm / cos φ (not
                           // below 0) + Sa (kVA)
    std::string factor;    // Text12, ka × kt
    std::string rating;    // Text13, the set's rating: on site / factor (kVA)
    std::string setSize;   // Text14, the next size of the series (kVA)
    std::string setActive; // Text15, that size × 0.8 (kW)
    friend bool operator==(const SizingFields&, const SizingFields&) = default;
};

// "Hesapla" of the sizing: every step in the order above, two decimals (the factor four); a step
// that uses an earlier result reads the text just written. A rating above the largest set size
// leaves the size fields empty and tells it in `notice`.
struct Sizing {
    SizingFields fields;
    std::optional<Message> notice;
};
Outcome<Sizing> Size(const SizingChoice& choice, SizingFields start);

// What the sizing page tells under its results.
inline constexpr std::string_view kSizingNote =
    "Gereken güç, en büyük motor diğer yükler çalışırken kalkışa geçtiğinde çekilen görünür güç "
    "ile "
    "yükün kW değerinin 0.8'e bölümünün büyüğüdür (toplama aritmetik yapılır, güvenli yöndedir). "
    "Yedek jeneratörde bulunan güç üreticinin ESP (acil durum bekleme) gücüyle, sürekli "
    "çalışmada PRP (ana güç) ile karşılaştırılır.";

// The notice of a rating above the series.
inline constexpr std::string_view kAboveSeriesNotice =
    "Hesaplanan Güç Standart Jeneratör Güçlerinin Üzerindedir. Birden Fazla Jeneratörün Paralel "
    "Çalıştırılmasını Düşününüz...";

// Line-to-line voltages of three-phase sets, V; "400" chosen when the window opens.
const std::vector<std::string>& VoltageEntries();
inline constexpr int kDefaultVoltage = 2;

inline constexpr std::string_view kCurrentFormula = "I = S x 1000 / (1.73 x U)";
// "Hesapla" of the rated current: I = S × 1000 / (√3 × U), two decimals (`Text11`).
Outcome<std::string> RatedCurrent(std::string_view apparentKva, std::string_view voltage,
                                  std::string shown);

// The set's load as a share of its rating: "%25" to "%100"; "%100" chosen at opening.
const std::vector<Entry>& LoadLevels();
inline constexpr int kDefaultLoadLevel = 3;
// Specific fuel consumption at that load, g/kWh: "190" to "260" by 5; "220" chosen at opening.
const std::vector<std::string>& FuelConsumptionEntries();
inline constexpr int kDefaultFuelConsumption = 6;
// Diesel fuel, kg per litre: the lowest density of EN 590 at 15 °C, so that the litres are not
// under-estimated.
inline constexpr double kDieselDensity = 0.82;

inline constexpr std::string_view kFuelNote =
    "Motorin yoğunluğu 0.82 kg/lt alınmıştır (EN 590, 15 °C'deki en düşük değer). Özgül yakıt "
    "tüketimini jeneratörün kataloğundan, seçilen yüklenme oranı için alınız.";

struct FuelChoice {
    std::string cosPhi = "0.80";
    int loadLevel = kDefaultLoadLevel;
    std::string consumption = "220"; // g/kWh
};
struct FuelFields {
    std::string rating; // Text6, S (kVA)
    std::string active; // Text7, P = S × cos φ (kW)
    std::string drawn;  // Text8, the load: P × level (kW)
    std::string hourly; // Text9, drawn × g/kWh / 1000 / density (l/h)
    std::string daily;  // Text16, 24 × hourly (l)
    friend bool operator==(const FuelFields&, const FuelFields&) = default;
};
// "Hesapla" of the fuel: the steps above, two decimals each, each reading the text before it.
Outcome<FuelFields> Fuel(const FuelChoice& choice, FuelFields start);

// Where the numbers come from, as the window names them under its results.
inline constexpr std::string_view kSources =
    "Düşürme katsayıları: Stamford alternatör boyutlandırma yönergesi ve Wacker Neuson G 3.3A "
    "kullanım kılavuzu (1000 m üzerinde her 500 m için %3, 40 °C üzerinde her 5 °C için %3); "
    "güç tanımları: ISO 8528-1; güç kademeleri: ISO 3 R10 dizisi. Seçilen jeneratörün üretici "
    "verilerini esas alınız.";

// The tables of the table display window: derating by altitude and by air temperature side by
// side, the starting methods and the ratings of ISO 8528-1.
const reference_tables::Table& DeratingTable();
const reference_tables::Table& StartingTable();
const reference_tables::Table& RatingsTable();

} // namespace voltaris::generator
