// The motor starting equipment window ("Motorlarda Yolverme Donanımları Seçim Bölümü"): for a
// three-phase 400 V motor power and a contactor maker, the switchgear of direct-on-line and of
// star-delta starting, looked up in a built-in catalogue. Nothing is computed.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace voltaris::motor_starting {

enum class Maker { Siemens, Hyundai, Moeller, Telemecanique };

// The maker options in the order the "Marka Seçimi" frame shows them, with their names and
// captions (two captions end in a blank); the first is chosen when the window opens.
struct MakerOption {
    std::string_view name;
    std::string_view caption;
    Maker maker;
};
inline constexpr std::array<MakerOption, 4> kMakerOptions = {{
    {"Option3", "SIEMENS ", Maker::Siemens},
    {"Option1", "HYUNDAI", Maker::Hyundai},
    {"Option2", "MOELLER ", Maker::Moeller},
    {"Option4", "TELEMEKANİK", Maker::Telemecanique},
}};

// The motor powers of the list (kW, with decimal commas), index 0 to 27; index 0 is chosen when
// the window opens.
inline constexpr int kPowerCount = 28;
std::span<const std::string_view> Powers();
// Star-delta starting is given from this power index (5,5 kW) up; below it the star-delta texts
// are empty.
inline constexpr int kFirstStarDelta = 9;

// The texts of the fifteen result fields, Text1 to Text15, in that order.
enum Result {
    DirectContactor,      // Text1
    DirectContactorAc3,   // Text2
    DirectFuse,           // Text3
    DirectRelay,          // Text4
    DirectCable,          // Text5
    MainContactor,        // Text6
    MainContactorAc3,     // Text7
    DeltaContactor,       // Text8
    DeltaContactorAc3,    // Text9
    StarContactor,        // Text10
    StarContactorAc3,     // Text11
    StarDeltaFuse,        // Text12
    StarDeltaRelay,       // Text13
    StarDeltaSupplyCable, // Text14
    StarDeltaMotorCables, // Text15
};
inline constexpr int kResultCount = 15;
using Entry = std::array<std::string_view, kResultCount>;

// The catalogue entry of `maker` for power index `power` (0 to 27).
const Entry& Lookup(Maker maker, int power);

// "Not".
inline constexpr std::string_view kNote =
    "Buradaki Değerler Başka Bir Programdan Alıntıdır. Oluşacak Problemlerden Mesul Değilim Sadece "
    "Bilgi Amaçlıdır. Gerçek Değerler İçin Projeciniz İle Görüşünüz. Ayrıca Bu Bölümde Belirtilen "
    "Kablo Kesitleri Yerine Uygun Olanı Lütfen Hesaplayınız. Programda Kablo Kesit Hesaplama "
    "Bölümü Bulunmaktadır...";

// The lines naming where the catalogue's values come from, shown under the results.
inline constexpr std::string_view kSourceNote =
    "Kaynaklar: motor akımları (In; 400 V, 4 kutuplu) ve gL/gG sigortalar Moeller Wiring Manual "
    "02/05.\n"
    "Kontaktör (AC-3, 400 V) ve termik: Siemens 3TF/3UA, Hyundai HiMC/HiTH, Moeller DILM/ZB, "
    "Telemecanique TeSys D/F seçim tabloları.\n"
    "Yıldız-üçgen: ana ve üçgen kontaktör ile termik 0,58 × In, yıldız kontaktör 0,33 × In.\n"
    "NYY kablolar, VDE 0298-4 havada akım değerleri: giriş 1,25 × In, yıldız/üçgen motor "
    "kabloları 0,58 × In.";

} // namespace voltaris::motor_starting
