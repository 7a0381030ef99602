// The heater element window ("Isıtıcı Rezıstans Hesaplama"): from a resistance wire's length,
// diameter and material and the applied voltage, its section and resistance and the heater's
// current, power and current density; and its small menu calculations.
#pragma once

#include "core/outcome.h"

#include <string>
#include <string_view>

namespace voltaris::heater {

// The material list opens on "Krom-Nikel(%79 Ni,%20 Cr,%1 Mn)", the voltage field on 220 V.
inline constexpr int kDefaultMaterial = 17;
inline constexpr std::string_view kDefaultVoltage = "220";

// The texts of the window's fields.
struct Fields {
    std::string length;     // Text6, m
    std::string diameter;   // Text7, mm
    std::string voltage;    // Text8, V
    std::string resistance; // Text9, Ω (12 decimals)
    std::string section;    // Text10, mm² (unrounded)
    std::string current;    // Text11, A (unrounded)
    std::string power;      // Text12, W (unrounded)
    std::string density;    // Text13, A/mm² (unrounded)
    friend bool operator==(const Fields&, const Fields&) = default;
};

// "Hesapla" with the material of list index `material`. Each step reads the fields it names as
// they stand, the results written by earlier steps included: the resistance comes from the
// section written into Text10, the current and the power from the resistance written (rounded)
// into Text9, the density from Text11 and Text10.
Outcome<Fields> Compute(int material, Fields fields);

inline constexpr std::string_view kNote =
    "Bu Programda Isıtıcı Rezıstans için En Uygun Olacak Metal Olan Krom-Nikel(%79 Ni,%20 Cr,%1 "
    "Mn) Hesaplamada Kullanmanız Önerilir(Nedeni ÖzDirenci 1.1 yani Diğerlerinden Yüksek "
    "olması)...Not:Burada Hesaplanan İletkenin Direnç Değeri Oda Sıcaklığındaki Değerdir , Fakat "
    "Bu iletkenlerin Isınınca Çok Az bir Değişme Miktarı Göstermektedir , Buda fazla önemli "
    "değildir...";

// "İletkenin Kesitini Biliyorum, Çapına Çevireceğim": the diameter text written into Text7 for the
// section answered (conductor_section::kSectionPrompt), then the box kDiameterTransferred. Throws
// ComputeFailure for a negative section.
std::string DiameterText(double section);
inline constexpr std::string_view kDiameterTransferred =
    "Hesapladığınız İletkenin Çapı Aktarılmıştır...";

// "Jul Hesabı": the energy used and the heat given off in `hours`, with the power from the
// voltage and current texts (Text8, Text11) as they stand. Throws ComputeFailure when either is
// no number.
inline constexpr std::string_view kHoursPrompt = "Çalışma Zamanını Saat Cinsinden Giriniz";
std::string EnergyMessage(double hours, std::string_view voltage, std::string_view current);

// "Su'yu Isıtmak İçin Gerekli Kalori Hesabı": the heat that warms `litres` of water from 20 °C to
// `temperature`. Its failure shows warnings::kEnterValues.
inline constexpr std::string_view kLitresPrompt = "Su'yun Hacmini Litre Cinsinden Giriniz";
inline constexpr std::string_view kTemperaturePrompt =
    "Su'yu Kaç Santigrad Dereceye Kadar Isıtacaksınız"
    "(20 Santigrad Dereceden Sizin Belirteceğiniz Dereceye Kadar)";
std::string WaterHeatMessage(double litres, double temperature);

// "Kaloriden Güç Değerini Bulma": the power of a device that gives `calories` with efficiency
// `efficiency` (1 to 100) in `minutes`. Throws ComputeFailure on a zero efficiency or time.
inline constexpr std::string_view kHeatPrompt = "Isıyı Kalori Cinsinden Giriniz";
inline constexpr std::string_view kEfficiencyPrompt = "Cihazın Verimini Giriniz : 1-100";
inline constexpr std::string_view kMinutesPrompt =
    "Cihazın Çalışma Zamanını Dakika Cinsinden Giriniz";
std::string PowerFromHeatMessage(double calories, double efficiency, double minutes);

} // namespace voltaris::heater
