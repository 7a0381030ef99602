// A flat's installed power ("Daire Kurulu Gücü Hesaplama"): its lighting points and sockets
// counted at fixed watts, plus the fixed appliances' power, and the flat's demand power by the
// flat factors of the installed and demand power window.
//
// Window use (`Form45`, a companion of `Form44`):
// - Load: `Command2` and `Command5` disabled.
// - "Hesapla" (`Command1`): Compute(`Text1`, `Text2`, `Text3`); write `Text4` to `Text8`; on a
//   failure the "DEĞERLERİ GİRİNİZ..." warning with `Text1` to `Text3` tested, else enable
//   `Command2` and `Command5` and keep the slices for the report.
// - "Kurulu Gücü Aktar" (`Command2`): `Text7` into the installed and demand power window's
//   `Text1` (a block of flats chosen there), then TransferMessage.
// - "Temizle" (`Command3`): every field emptied, `Command2` and `Command5` disabled.
// - "Rapor Ver" (`Command5`): ReportLines(fields as they stand, the last slices) into
//   kReportName.
#pragma once

#include "core/messages.h"
#include "core/outcome.h"

#include <string>
#include <string_view>
#include <vector>

namespace voltaris::flat_installed_power {

inline constexpr double kLightingPointWatts = 100;
inline constexpr double kSocketWatts = 300;

struct Texts {
    std::string lighting;    // `Text4`, W
    std::string sockets;     // `Text5`, W
    std::string installed;   // `Text6`, W
    std::string installedKw; // `Text7`, kW
    std::string demand;      // `Text8`, kW
    std::string formula;     // for the report: the slices of the flat's demand
    friend bool operator==(const Texts&, const Texts&) = default;
};

// "Hesapla": reads the lighting points, the sockets and the appliances' watts, then writes
// points × 100 W, sockets × 300 W, their sum with the appliances (W, 2 decimals), the same in kW
// (3 decimals) and the flat's demand power (kW, 2 decimals). Fails before writing anything when
// a field is not a number.
Outcome<Texts> Compute(std::string_view points, std::string_view sockets,
                       std::string_view appliances, Texts shown);

// "BİLGİ" once the installed power was handed to the installed and demand power window.
Message TransferMessage(std::string_view installedKw);

inline constexpr std::string_view kReportName = "Daire Kurulu Gücü Hesaplama";
inline constexpr std::string_view kSource =
    "Kaynak: aydınlatma noktası 100 W, priz 300 W (iç tesisat projelerinde kurulu güç); talep "
    "gücü: Elektrik İç Tesisleri Yönetmeliği (R.G. 04.11.1984/18565) Madde 57";

struct ReportFields {
    std::string points, sockets, appliances;
    std::string lighting, socketPower, installed, installedKw, demand;
    std::string formula; // of the last compute
};
std::vector<std::string> ReportLines(const ReportFields& fields);

} // namespace voltaris::flat_installed_power
