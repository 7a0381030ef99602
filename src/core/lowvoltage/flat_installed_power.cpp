#include "core/lowvoltage/flat_installed_power.h"

#include "core/lowvoltage/installed_power.h"
#include "core/numbers.h"

namespace voltaris::flat_installed_power {

namespace {

std::span<const installed_power::Band> FlatBands() {
    return installed_power::BuildingTypes()[installed_power::kDwelling].bands;
}

} // namespace

Outcome<Texts> Compute(std::string_view points, std::string_view sockets,
                       std::string_view appliances, Texts shown) {
    return RunSteps(std::move(shown), [&](Texts& texts) {
        const double pointCount = ReadNumber(points);
        const double socketCount = ReadNumber(sockets);
        const double applianceWatts = ReadNumber(appliances);
        const double lighting = checked::Finite(pointCount * kLightingPointWatts);
        const double socketWatts = checked::Finite(socketCount * kSocketWatts);
        const double installed = checked::Finite(lighting + socketWatts + applianceWatts);
        const double kilowatts = installed / 1000;
        texts.lighting = ResultText(lighting, 2);
        texts.sockets = ResultText(socketWatts, 2);
        texts.installed = ResultText(installed, 2);
        texts.installedKw = ResultText(kilowatts, 3);
        texts.demand = ResultText(installed_power::BandedDemand(kilowatts, FlatBands()), 2);
        texts.formula = installed_power::BandedFormula(kilowatts, FlatBands());
    });
}

Message TransferMessage(std::string_view installedKw) {
    return InfoMessage("Daire Kurulu Gücü " + std::string(installedKw) +
                       " kW Olarak Kurulu Güç ve Talep Güç Hesaplama Bölümüne Aktarılmıştır...");
}

std::vector<std::string> ReportLines(const ReportFields& f) {
    return {
        "Daire Kurulu Gücü Hesaplama:",
        "Aydınlatma Noktası (Lamba) Sayısı: " + f.points,
        "Priz Sayısı: " + f.sockets,
        "Sabit Cihazların Toplam Gücü: " + f.appliances + " W",
        "",
        "Aydınlatma Gücü = Aydınlatma Noktası Sayısı x " + NumberText(kLightingPointWatts) + " W",
        "Aydınlatma Gücü = " + f.points + " x " + NumberText(kLightingPointWatts),
        "Aydınlatma Gücü = " + f.lighting + " W",
        "",
        "Priz Gücü = Priz Sayısı x " + NumberText(kSocketWatts) + " W",
        "Priz Gücü = " + f.sockets + " x " + NumberText(kSocketWatts),
        "Priz Gücü = " + f.socketPower + " W",
        "",
        "Daire Kurulu Gücü = Aydınlatma Gücü + Priz Gücü + Sabit Cihazların Gücü",
        "Daire Kurulu Gücü = " + f.lighting + " + " + f.socketPower + " + " + f.appliances,
        "Daire Kurulu Gücü = " + f.installed + " W (" + f.installedKw + " kW)",
        "",
        "Dairenin Talep Gücü = Kurulu Gücün Dilimleri x Eşzamanlılık Katsayıları",
        "Dairenin Talep Gücü = " + f.formula,
        "Dairenin Talep Gücü = " + f.demand + " kW",
        "",
        std::string(kSource),
    };
}

} // namespace voltaris::flat_installed_power
