#include "core/lowvoltage/cable_withstand.h"

#include "core/numbers.h"

namespace voltaris::cable_withstand {

namespace {

using checked::Div;
using checked::Finite;
using checked::Sqrt;

// The conventional method's factors: 0.8 of the supply voltage reaches the fault, and the
// resistance of the hot conductors is 1.5 times the cold one.
constexpr double kVoltageShare = 0.8;
constexpr double kHotResistance = 1.5;

std::string Text(double value) {
    return NumberText(value);
}

} // namespace

std::string_view InsulationName(Insulation insulation) {
    return insulation == Insulation::Pvc ? "PVC" : "XLPE";
}

std::string_view ConductorName(Conductor conductor) {
    return conductor == Conductor::Copper ? "Bakır" : "Alüminyum";
}

double MaterialFactor(Insulation insulation, Conductor conductor) {
    const bool copper = conductor == Conductor::Copper;
    if (insulation == Insulation::Pvc)
        return copper ? 96.4 : 62;
    return copper ? 136 : 87;
}

Asked AskedFor(Quantity quantity) {
    switch (quantity) {
    case Quantity::Section:
        return {true, false, true};
    case Quantity::Current:
        return {false, true, true};
    case Quantity::Time:
        break;
    }
    return {true, true, false};
}

ResultRow ResultRowOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::Section:
        return {"Kablonun Minimum Olması Gereken Kesiti", "mm²"};
    case Quantity::Current:
        return {"Kablonun Maksimum Dayanacağı Kısa Devre Akım Değeri", "kA"};
    case Quantity::Time:
        break;
    }
    return {"Kablonun Maksimum Dayanacağı Kısa Devre Zamanı", "s"};
}

Outcome<Results> Compute(Quantity quantity, Insulation insulation, Conductor conductor,
                         const Inputs& in, Results shown) {
    return RunSteps(std::move(shown), [&](Results& r) {
        Kept kept{quantity, MaterialFactor(insulation, conductor)};
        const auto amperes = [&] { return Finite(ReadNumber(in.current) * 1000); };
        switch (quantity) {
        case Quantity::Section: {
            kept.amperes = amperes();
            kept.seconds = ReadNumber(in.duration);
            const double section = Sqrt(kept.amperes * kept.amperes * kept.seconds) / kept.k;
            r.result = ResultText(section, 2);
            break;
        }
        case Quantity::Current: {
            kept.seconds = ReadNumber(in.duration);
            const double amps =
                RoundHalfEven(Div(kept.k * ReadNumber(in.section), Sqrt(kept.seconds)), 2);
            r.result = RoundTripText(amps / 1000);
            break;
        }
        case Quantity::Time: {
            kept.amperes = amperes();
            const double figure = Div(1, Sqrt(Div(kept.amperes, kept.k * ReadNumber(in.section))));
            r.result = ResultText(figure, 2);
            break;
        }
        }
        r.kept = kept;
    });
}

std::string_view ReportName(Quantity quantity) {
    switch (quantity) {
    case Quantity::Section:
        return "Kısa Devre Akımına Göre Kablonun Kesit Hesabı";
    case Quantity::Current:
        return "Kablonun Maksimum Dayanacağı Kısa Devre Akımı Değeri";
    case Quantity::Time:
        break;
    }
    return "Kablonun Maksimum Dayanacağı Kısa Devre Zamanı";
}

std::vector<std::string> ReportLines(const Kept& kept, Insulation insulation, Conductor conductor,
                                     const Inputs& in, std::string_view result) {
    const std::string amperes = Text(kept.amperes);
    const std::string k = Text(kept.k);
    const std::string seconds = Text(kept.seconds);
    const std::string shown(result);
    const std::string currentLine =
        "Kablonun Bağlantı Noktasındaki Oluşabilecek Kısa Devre Akımı: " + in.current + " kA";
    const std::string sectionLine = "Kablonun Kesiti: " + in.section + " mm²";
    const std::string durationLine =
        "Kablonun Kısa Devreye Maruz Kalma Zamanını Giriniz: " + in.duration + " Saniye";
    const auto heading = [&](const char* title) {
        return std::vector<std::string>{
            title, "İzalasyon Seçeneği: " + std::string(InsulationName(insulation)),
            "Kablo İletken Çeşidi: " + std::string(ConductorName(conductor))};
    };
    const auto append = [](std::vector<std::string> lines, std::vector<std::string> more) {
        lines.insert(lines.end(), more.begin(), more.end());
        return lines;
    };
    const std::vector<std::string> amperesBlock = {
        "Amper = kA x 1000", "Amper = " + in.current + " x 1000", "Amper = " + amperes};

    switch (kept.quantity) {
    case Quantity::Section:
        return append(
            append(heading("Kısa Devre Akımına Göre Kablonun Minimum Kesit Hesabı:"),
                   {currentLine, durationLine, ""}),
            append(amperesBlock, {"", "S = Karekök(Isc^2 x t) / k",
                                  "S = Karekök(" + amperes + "^2 x " + seconds + " ) / " + k,
                                  "S = " + shown + " mm²"}));
    case Quantity::Current:
        return append(heading("Kablonun Maksimum Dayanacağı Kısa Devre Akımı Değeri Hesabı:"),
                      {sectionLine, durationLine, "", "Isc = k x S / Karekök(t)",
                       "Isc = " + k + " x " + in.section + " / Karekök(" + seconds + ")",
                       "Isc = " + shown + " kA"});
    case Quantity::Time:
        break;
    }
    return append(append(heading("Kablonun Maksimum Dayanacağı Kısa Devre Zamanı:"),
                         {currentLine, sectionLine, ""}),
                  append(amperesBlock, {"", "Karekök(t) = Isc / k x s",
                                        "Karekök(t) = " + amperes + " / " + k + " x " + in.section,
                                        "Karekök(t) = " + shown + " Saniye"}));
}

Message NoteMessage() {
    return InfoMessage(JoinLines(
        {"Hesaplanan Sonuca göre;",
         "Hesaplanan Kesit Değerine göre uygulamada bir üst kesiti seçiniz",
         "Kablonun Maksimum Dayanacağı Kısa Devre Akımı Değeri",
         "Kablonun Bağlantı Yapıldığı yerde Oluşabilecek Kısa Devre Akımı Değerinden Büyük "
         "Olmalıdır...",
         "Kabloya Zarar Gelmemesi İçin Koruma Cihazının Bu Zamandan Daha Önce Açması İçin Uygun "
         "Koruma Cihazının Seçilmesi ve Ayarlanması Gerekmektedir..."}));
}

double ParallelFactor(int index) {
    static constexpr std::array<double, kParallelCables.size()> kFactors = {1, 2, 2.7, 3, 3.2};
    return kFactors.at(static_cast<std::size_t>(index));
}

double Resistivity(Conductor conductor) {
    return conductor == Conductor::Copper ? 0.018 : 0.027;
}

std::optional<double> SectionFactor(std::string_view section) {
    struct Large {
        std::string_view section;
        std::optional<double> factor;
    };
    static constexpr std::array<Large, 6> kLarge = {{{"120", 0.9},
                                                     {"150", 0.85},
                                                     {"185", 0.8},
                                                     {"240", 0.75},
                                                     {"300", 0.72},
                                                     {"400", std::nullopt}}};
    for (const Large& large : kLarge)
        if (large.section == section)
            return large.factor;
    return 1;
}

std::string_view ProtectionText(Protection protection) {
    return protection == Protection::Protected
               ? "Hesaplanan Kısa Devre Akımı, Kompak Şalter Kapasitesinden Büyük Olduğu İçin "
                 "Kablo Korunacaktır..."
               : "Hesaplanan Kısa Devre Akımı, Kompak Şalter Kapasitesinden Küçük Olduğu İçin "
                 "Kablo Korunmayacaktır...";
}

Outcome<BreakerResults> ComputeMinimum(const BreakerInputs& in, BreakerResults shown) {
    shown.protection.reset();
    return RunSteps(std::move(shown), [&](BreakerResults& r) {
        r.resistivity = Resistivity(in.conductor);
        r.parallelFactor = ParallelFactor(in.parallel);
        r.sectionFactor = SectionFactor(in.section).value_or(r.sectionFactor);

        const double voltage = ReadNumber(in.voltage);
        const double length = ReadNumber(in.length);
        const double section = ReadNumber(in.section);
        const double minimum =
            RoundHalfEven(Div(kVoltageShare * voltage * r.sectionFactor * r.parallelFactor,
                              kHotResistance * r.resistivity * (2 * length / section)),
                          0);
        r.minimumCurrent = RoundTripText(minimum / 1000);

        const double capacity =
            Finite(ReadNumber(in.breakerCurrent) * ReadNumber(in.setting) / 1000);
        const double current = ReadNumber(r.minimumCurrent);
        if (capacity < current)
            r.protection = Protection::Protected;
        else if (capacity > current)
            r.protection = Protection::Unprotected;
    });
}

std::vector<std::string> MinimumReportLines(const BreakerInputs& in, const BreakerResults& kept,
                                            std::string_view verdictCaption) {
    const std::string parallel(kParallelCables.at(static_cast<std::size_t>(in.parallel)));
    const std::string rho = Text(kept.resistivity);
    return {
        "Minimum Kısa Devre Akımı Hesabı:",
        "Şebeke Gerilimi: " + in.voltage + " Volt",
        "Kablo İletken Çeşidi: " + std::string(ConductorName(in.conductor)),
        "Kablo İletken Özdirenci: " + rho + " Ohm mm²/m",
        "Kablo Uzunluğu: " + in.length + " metre",
        "Kablo Kesiti: " + in.section + " mm²",
        "Parelel Kablo Sayısı: " + parallel + " Adet",
        "Kompak Şalter Akımı: " + in.breakerCurrent + " Amper",
        "Şalter Kesme Kapasitesi Ayarı: " + in.setting,
        "Minimum Kısa Devre Akımı = (0,8 x Şebeke Gerilimi x 95 mm² Büyük Kablolar için Düzeltme "
        "Katsayısı x Parelel Kablolar İçin Düzeltme Katsayısı) / (1,5 x Özdirenç x (2 x Kablo "
        "Uzunluğu / Kablo Kesiti))",
        "Ikmin = (0,8 x Ur x Ksec x Kpar) / (1,5 x p x (2 x L / S)",
        "Ikmin = (0,8 x " + in.voltage + " x " + Text(kept.sectionFactor) + " x " +
            Text(kept.parallelFactor) + ") / (1,5 x " + rho + " x (2 x " + in.length + " / " +
            in.section + ")",
        "Ikmin = " + kept.minimumCurrent + " kA",
        "Şalter Kesme Kapasitesi = Kompak Şalter Akımı x Şalter Kesme Kapasitesi Ayarı",
        "Şalter Kesme Kapasitesi = " + in.breakerCurrent + " x " + in.setting,
        std::string(verdictCaption),
    };
}

} // namespace voltaris::cable_withstand
