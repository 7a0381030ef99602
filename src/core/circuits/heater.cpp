#include "core/circuits/heater.h"

#include "core/circuits/conductor_materials.h"
#include "core/circuits/conductor_section.h"
#include "core/messages.h"
#include "core/numbers.h"

namespace voltaris::heater {

using checked::Div;
using checked::Finite;

Outcome<Fields> Compute(int material, Fields fields) {
    const double resistivity =
        conductor_materials::Materials()[static_cast<std::size_t>(material)].resistivity;
    return RunSteps(std::move(fields), [resistivity](Fields& f) {
        f.section = NumberText(conductor_section::SectionOf(ReadNumber(f.diameter)));
        f.resistance =
            ResultText(Finite(Div(ReadNumber(f.length), ReadNumber(f.section)) * resistivity), 12);
        const double voltage = ReadNumber(f.voltage);
        const double resistance = ReadNumber(f.resistance);
        f.current = NumberText(Div(voltage, resistance));
        f.power = NumberText(Div(voltage * voltage, resistance));
        f.density = NumberText(Div(ReadNumber(f.current), ReadNumber(f.section)));
    });
}

std::string DiameterText(double section) {
    return NumberText(conductor_section::DiameterOf(section));
}

std::string EnergyMessage(double hours, std::string_view voltage, std::string_view current) {
    const double power = Finite(ReadNumber(voltage) * ReadNumber(current));
    const double energy = Finite(power * hours);
    // The hours show as a whole number (1.5 as 2), while the energy keeps them as given.
    const double wholeHours = RoundHalfEven(hours, 0);
    return JoinLines(
        {NumberText(wholeHours) + " Saat'te  " + NumberText(energy / 1000) +
             "  KiloWattSaat Elektrik Harcamaktadır.",
         "Ve Yaydığı Isı  " + NumberText(Finite(energy * 0.24) / 1000) + " KiloKoloridir..."});
}

std::string WaterHeatMessage(double litres, double temperature) {
    return "Girdiğiniz Değerden Su'yu Isıtmak için Gerekli Isı " +
           NumberText(Finite((temperature - 20) * litres)) + " KiloKalori'dir.";
}

std::string PowerFromHeatMessage(double calories, double efficiency, double minutes) {
    const double power = Div(calories, 0.24 * (efficiency / 100) * minutes * 60);
    return "Girdiğiniz Değerlere Göre Bu Cihazın Güç'ü " + NumberText(power) + " Watt'tır...";
}

} // namespace voltaris::heater
