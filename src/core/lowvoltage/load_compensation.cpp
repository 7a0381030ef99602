#include "core/lowvoltage/load_compensation.h"

#include "core/numbers.h"

#include <cmath>

namespace voltaris::load_compensation {

namespace {

using checked::Div;
using compensation::Rounded2;

// 2π × 220, and 2π × 380² and 6π × 380², as the capacitance formulas hold them.
constexpr double kSinglePhaseFactor = 1382.30076757951;
constexpr double kStarFactor = 907291.958356732;
constexpr double kDeltaFactor = 2721875.8750702;

} // namespace

Outcome<Results> Compute(Supply supply, const Inputs& in, Results shown) {
    return RunSteps(std::move(shown), [&](Results& r) {
        r.tangents.present = compensation::TangentOf(in.presentCos);
        r.tangents.wanted = compensation::TangentOf(in.wantedCos);
        const double difference = r.tangents.present - r.tangents.wanted;
        const double ic = ReadNumber(in.current) * ReadNumber(in.presentCos) * difference;
        r.capacitorCurrent = Rounded2(ic);
        if (supply == Supply::SinglePhase) {
            r.capacitance =
                Rounded2(Div(1000000 * ic, ReadNumber(in.frequency) * kSinglePhaseFactor));
            r.capacitorPower = Rounded2(ReadNumber(in.power) * difference / 1000);
            return;
        }
        r.capacitorPower = Rounded2(ReadNumber(in.power) * std::sqrt(3.0) * difference / 1000);
        // Both capacitances start from the power as shown, rounded.
        const double q = ReadNumber(r.capacitorPower);
        r.capacitance = Rounded2(Div(q * 1000000000, ReadNumber(in.frequency) * kStarFactor));
        r.deltaCapacitance = Rounded2(Div(q * 1000000000, ReadNumber(in.frequency) * kDeltaFactor));
    });
}

std::vector<std::string> ReportLines(Supply supply, const Inputs& in, const Results& shown) {
    const bool single = supply == Supply::SinglePhase;
    const std::string tangents =
        "(" + Rounded2(shown.tangents.present) + " - " + Rounded2(shown.tangents.wanted) + ")";
    std::vector<std::string> lines = {
        "Tek Tek Kompanzasyon Hesabı:",
        single ? "Faz Durumu: Monofaze" : "Faz Durumu: Trifaze",
        "Endüktif Alıcının Gücü: " + in.power + " Watt",
        "Endüktif Alıcının Çektiği Akım: " + in.current + " Amper",
    };
    for (std::string& line : compensation::PowerFactorLines("Endüktif Alıcının", in.presentCos,
                                                            in.wantedCos, shown.tangents))
        lines.push_back(std::move(line));
    lines.insert(lines.end(),
                 {"", "Endüktif Alıcıya Bağlancak Kondansatörün Çekeceği Akım:",
                  "Ic = Endüktif Alıcının Çektiği Akım x Cosinüs fi x (Tanjant fi - Tanjant teta)",
                  "Ic = " + in.current + " x " + in.presentCos + " x " + tangents,
                  "Ic = " + shown.capacitorCurrent + " Amper", ""});
    if (single) {
        lines.insert(lines.end(),
                     {"Endüktif Alıcıya Bağlanacak Kondansatör'ün Kapasitesi:",
                      "C = Ic / 2 x Pi x Frekans x Gerilim",
                      "C = " + shown.capacitorCurrent + " / 2 x 3.14 x " + in.frequency + " x 220",
                      "C = " + shown.capacitance + " Mikro Farad", "",
                      "Endüktif Alıcıya Parelel Bağlanacak Kondansatörün Gücü:",
                      "Qc = Endüktif Alıcının Gücü x (Tanjant fi - Tanjant teta)",
                      "Qc = " + in.power + " x " + tangents,
                      "Qc = " + shown.capacitorPower + " kVAr", ""});
        return lines;
    }
    lines.insert(lines.end(),
                 {"Endüktif Alıcıya Parelel Bağlanacak Kondansatörün Gücü:",
                  "Qc = Kök(3) x Endüktif Alıcının Gücü x (Tanjant fi - Tanjant teta)",
                  "Qc = 1.73 x " + in.power + " x " + tangents,
                  "Qc = " + shown.capacitorPower + " kVAr", "",
                  "Endüktif Alıcıya YILDIZ Bağlantı Şeklinde Bağlanacak Kondansatörün Kapasitesi:",
                  "C Yıldız = Qc x 1000000000 / 2 x Pi x Frekans x Gerilim^2",
                  "C Yıldız = " + shown.capacitorPower + " x 1000000000  / 2 x 3.14 x " +
                      in.frequency + " x 380^2",
                  "C Yıldız = " + shown.capacitance + " Mikro Farad", "",
                  "Endüktif Alıcıya ÜÇGEN Bağlantı Şeklinde Bağlanacak Kondansatörün Kapasitesi:",
                  "C Üçgen = Qc x 1000000000 / 6 x Pi x Frekans x Gerilim^2",
                  "C Üçgen = " + shown.capacitorPower + " x 1000000000  / 6 x 3.14 x " +
                      in.frequency + " x 380^2",
                  "C Üçgen = " + shown.deltaCapacitance + " Mikro Farad", ""});
    return lines;
}

} // namespace voltaris::load_compensation
