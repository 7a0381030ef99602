#include "core/lowvoltage/installed_power.h"

#include "core/numbers.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace voltaris::installed_power {

namespace {

// Flats: the regulation's factors of one flat. The other kinds: the general-load demand factors
// of the electrical code's table, volt-amperes taken as watts.
const std::array<BuildingType, 5> kBuildingTypes = {{
    {"Konut (Apartman Daireleri)",
     {{8, 0.6}, {kRest, 0.4}},
     "Daire başına ilk 8 kW %60, kalanı %40; bina katsayısı daire sayısına göre",
     true},
    {"Hastane", {{50, 0.4}, {kRest, 0.2}}, "İlk 50 kW %40, kalanı %20", false},
    {"Otel, Motel, Yurt",
     {{20, 0.5}, {100, 0.4}, {kRest, 0.3}},
     "İlk 20 kW %50, 20 - 100 kW arası %40, kalanı %30",
     false},
    {"Depo, Ambar", {{12.5, 1}, {kRest, 0.5}}, "İlk 12.5 kW %100, kalanı %50", false},
    {"Diğer Binalar (Büro, Okul, İş Yeri)", {{kRest, 1}}, "Kurulu gücün tamamı %100", false},
}};

const std::array<FlatCountBand, 9> kFlatCountBands = {{
    {"1 - 2", 3, 1},
    {"3 - 5", 6, 0.45},
    {"6 - 10", 11, 0.43},
    {"11 - 15", 16, 0.41},
    {"16 - 20", 21, 0.39},
    {"21 - 25", 26, 0.36},
    {"26 - 30", 31, 0.34},
    {"31 - 40", 41, 0.31},
    {"41 ve üstü", kRest, 0.26},
}};

// Calls `slice(kW, factor)` for each band the installed power reaches (the first always).
template <class Slice>
void ForEachSlice(double installed, std::span<const Band> bands, Slice&& slice) {
    double lower = 0;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        if (i > 0 && installed <= lower)
            return;
        slice(std::min(installed, bands[i].upTo) - lower, bands[i].factor);
        lower = bands[i].upTo;
    }
}

} // namespace

std::span<const BuildingType> BuildingTypes() {
    return kBuildingTypes;
}

std::span<const FlatCountBand> FlatCountBands() {
    return kFlatCountBands;
}

double BandedDemand(double installed, std::span<const Band> bands) {
    double demand = 0;
    ForEachSlice(installed, bands, [&](double kw, double factor) { demand += kw * factor; });
    return checked::Finite(demand);
}

std::string BandedFormula(double installed, std::span<const Band> bands) {
    std::string formula;
    ForEachSlice(installed, bands, [&](double kw, double factor) {
        if (!formula.empty())
            formula += " + ";
        formula += NumberText(kw) + " x " + NumberText(factor);
    });
    return formula;
}

int FlatCountBandOf(double flats) {
    const auto found =
        std::find_if(kFlatCountBands.begin(), kFlatCountBands.end() - 1,
                     [flats](const FlatCountBand& band) { return flats < band.below; });
    return static_cast<int>(found - kFlatCountBands.begin());
}

double BuildingFactor(double flats) {
    return kFlatCountBands[static_cast<std::size_t>(FlatCountBandOf(flats))].factor;
}

Outcome<Texts> Compute(int type, std::string_view unitPower, std::string_view units, Texts shown) {
    const BuildingType& kind = kBuildingTypes.at(static_cast<std::size_t>(type));
    return RunSteps(std::move(shown), [&](Texts& texts) {
        const double power = ReadNumber(unitPower);
        const double count = ReadNumber(units);
        const double total = checked::Finite(power * count);
        texts.total = ResultText(total, 2);
        double demand = 0;
        if (kind.dwelling) {
            const double flat = BandedDemand(power, kind.bands);
            texts.flatBand = FlatCountBandOf(count);
            const double factor = kFlatCountBands[static_cast<std::size_t>(texts.flatBand)].factor;
            texts.unitDemand = ResultText(flat, 2);
            texts.buildingFactor = ResultText(factor, 2);
            demand = checked::Finite(flat * count * factor);
            texts.formula = BandedFormula(power, kind.bands);
        } else {
            texts.unitDemand.clear();
            texts.buildingFactor.clear();
            texts.flatBand = -1;
            demand = BandedDemand(total, kind.bands);
            texts.formula = BandedFormula(total, kind.bands);
        }
        texts.demand = ResultText(demand, 2);
        texts.overallFactor = ResultText(checked::Div(demand, total), 4);
    });
}

std::vector<std::string> ReportLines(const ReportFields& f) {
    const BuildingType& kind = kBuildingTypes.at(static_cast<std::size_t>(f.type));
    std::vector<std::string> lines = {
        "Kurulu Güç ve Talep Güç Hesaplama:",
        "Binanın Cinsi: " + std::string(kind.name),
        "Bir Bölümün (Dairenin) Kurulu Gücü: " + f.unitPower + " kW",
        "Bölüm (Daire) Sayısı: " + f.units,
        "",
        "Toplam Kurulu Güç = Bir Bölümün Kurulu Gücü x Bölüm Sayısı",
        "Toplam Kurulu Güç = " + f.unitPower + " x " + f.units,
        "Toplam Kurulu Güç = " + f.total + " kW",
        "",
    };
    const std::string slices = "Kurulu Gücün Dilimleri x Eşzamanlılık Katsayıları";
    if (kind.dwelling) {
        lines.insert(
            lines.end(),
            {
                "Bir Dairenin Talep Gücü = " + slices,
                "Bir Dairenin Talep Gücü = " + f.formula,
                "Bir Dairenin Talep Gücü = " + f.unitDemand + " kW",
                "",
                "Bina Eşzamanlılık Katsayısı (" + f.units + " Daire): " + f.buildingFactor,
                "Toplam Talep Gücü = Bir Dairenin Talep Gücü x Daire Sayısı x Bina "
                "Eşzamanlılık Katsayısı",
                "Toplam Talep Gücü = " + f.unitDemand + " x " + f.units + " x " + f.buildingFactor,
            });
    } else {
        lines.insert(lines.end(), {
                                      "Toplam Talep Gücü = " + slices,
                                      "Toplam Talep Gücü = " + f.formula,
                                  });
    }
    lines.insert(lines.end(), {
                                  "Toplam Talep Gücü = " + f.demand + " kW",
                                  "",
                                  "Eşzamanlılık Katsayısı = Toplam Talep Gücü / Toplam Kurulu Güç",
                                  "Eşzamanlılık Katsayısı = " + f.demand + " / " + f.total,
                                  "Eşzamanlılık Katsayısı = " + f.overallFactor,
                                  "",
                                  std::string(kSource),
                              });
    return lines;
}

} // namespace voltaris::installed_power
