// The LED series resistor window ("LED'e Bağlanacak Seri Direncin Hesaplama"): from the supply
// voltage and the LED's voltage and current, typed in or taken from the LED type list, the series
// resistor and its least power rating; and the report.
#pragma once

#include "core/outcome.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace voltaris::led_resistor {

// One entry of the LED type list: its name as listed, forward voltage (V) and current (mA).
struct LedType {
    std::string_view name;
    double voltage;
    double current;
};

// The six LED types in list order.
std::span<const LedType> LedTypes();

// The texts of the window's fields, and the LED current in ampere that the last computation
// kept for the report.
struct Fields {
    std::string supply;     // Text1, V
    std::string voltage;    // Text2, V
    std::string current;    // Text3, mA
    std::string resistance; // Text4, Ω
    std::string power;      // Text5, W
    double currentAmpere = 0;
    friend bool operator==(const Fields&, const Fields&) = default;
};

// What the list's refresh writes while the values come from the list: the voltage and current
// of LED type `index` into Text2 and Text3.
void ShowLedType(int index, Fields& fields);

// "Hesapla". With `ledType` (the values come from the list) its voltage and current are written
// into Text2 and Text3 first; without it the typed Text2 and Text3 are used. The resistance and
// power are written unrounded; the power reads the current and resistance texts just written.
// A supply below the LED's voltage gives a negative resistance, as it is.
Outcome<Fields> Compute(std::optional<int> ledType, Fields fields);

// The report of the last computation, from the field texts as they stand.
std::vector<std::string> ReportLines(const Fields& fields);
inline constexpr std::string_view kReportName = "LED'e Bağlanacak Seri Direnç Hesabı";

// "Not".
inline constexpr std::string_view kNote = "Buradaki Değerler Başka Bir Programdan Alınmıştır.\n"
                                          "Ayrıca Bu Değerler Form Üzerinde Gözükmektedir.\n"
                                          "Doğru Olanı Dikkatle Seçiniz...";

} // namespace voltaris::led_resistor
