#include "core/lowvoltage/busbar.h"

#include "core/numbers.h"

namespace voltaris::busbar {

namespace {

using checked::Div;
using checked::Finite;

// Continuous ratings (A), 50 Hz AC, ambient 25 °C, a rise of 30 °C: painted I-IIII, bare I-IIII.
// clang-format off
constexpr std::array<Size, 23> kCopper = {{
    {"12x2", 24, {125, 250, 0, 0}, {110, 220, 0, 0}},
    {"15x2", 30, {155, 270, 0, 0}, {140, 240, 0, 0}},
    {"15x3", 45, {185, 330, 0, 0}, {170, 300, 0, 0}},
    {"20x2", 40, {205, 350, 0, 0}, {185, 315, 0, 0}},
    {"20x3", 60, {245, 425, 0, 0}, {220, 380, 0, 0}},
    {"20x5", 100, {325, 550, 0, 0}, {290, 495, 0, 0}},
    {"25x3", 75, {300, 510, 0, 0}, {270, 460, 0, 0}},
    {"25x5", 125, {385, 670, 0, 0}, {350, 600, 0, 0}},
    {"30x3", 90, {350, 600, 0, 0}, {315, 540, 0, 0}},
    {"30x5", 150, {450, 780, 0, 0}, {400, 700, 0, 0}},
    {"40x3", 120, {460, 780, 0, 0}, {420, 710, 0, 0}},
    {"40x5", 200, {600, 1000, 0, 0}, {520, 900, 0, 0}},
    {"40x10", 400, {835, 1500, 2060, 2800}, {750, 1350, 1850, 2500}},
    {"50x5", 250, {720, 1200, 1750, 2300}, {630, 1100, 1500, 2100}},
    {"50x10", 500, {1025, 1800, 2450, 3330}, {920, 1620, 2200, 3000}},
    {"60x5", 300, {825, 1400, 1980, 2650}, {750, 1300, 1740, 2400}},
    {"60x10", 600, {1200, 2100, 2800, 3800}, {1100, 1860, 2500, 3400}},
    {"80x5", 400, {1060, 1800, 2450, 3300}, {950, 1650, 2200, 2900}},
    {"80x10", 800, {1540, 2600, 3300, 4600}, {1400, 2300, 3100, 4200}},
    {"100x5", 500, {1310, 2200, 2950, 3800}, {1100, 2000, 2600, 3400}},
    {"100x10", 1000, {1880, 3100, 4000, 5400}, {1700, 2700, 3600, 4800}},
    {"120x10", 1200, {2200, 3500, 4600, 6100}, {2000, 3200, 4200, 5500}},
    {"160x10", 1600, {2880, 4400, 5800, 7800}, {2600, 3900, 5200, 7000}},
}};

constexpr std::array<Size, 26> kAluminium = {{
    {"12x2", 24, {95, 170, 0, 0}, {75, 135, 0, 0}},
    {"15x2", 30, {120, 205, 0, 0}, {90, 160, 0, 0}},
    {"15x3", 45, {140, 250, 0, 0}, {110, 200, 0, 0}},
    {"20x2", 40, {155, 265, 0, 0}, {115, 210, 0, 0}},
    {"20x3", 60, {185, 325, 0, 0}, {140, 255, 0, 0}},
    {"20x5", 100, {245, 420, 0, 0}, {185, 330, 0, 0}},
    {"25x3", 75, {230, 390, 0, 0}, {170, 315, 0, 0}},
    {"25x5", 125, {295, 510, 0, 0}, {220, 410, 0, 0}},
    {"30x3", 90, {265, 455, 0, 0}, {195, 365, 0, 0}},
    {"30x5", 150, {340, 595, 0, 0}, {255, 475, 0, 0}},
    {"40x3", 120, {350, 600, 0, 0}, {265, 475, 0, 0}},
    {"40x5", 200, {435, 760, 0, 0}, {330, 620, 0, 0}},
    {"40x10", 400, {635, 1140, 1570, 2140}, {490, 925, 1280, 1700}},
    {"50x5", 250, {530, 920, 1330, 1760}, {405, 740, 1070, 1430}},
    {"50x10", 500, {780, 1370, 1860, 2530}, {595, 1090, 1520, 2050}},
    {"60x5", 300, {635, 1140, 1570, 2140}, {490, 925, 1280, 1700}},
    {"60x10", 600, {910, 1600, 2170, 2890}, {695, 1260, 1800, 2380}},
    {"80x5", 400, {835, 1430, 1900, 2470}, {645, 1110, 1570, 2120}},
    {"80x10", 800, {1190, 2030, 2720, 3600}, {890, 1620, 2240, 3000}},
    {"100x5", 500, {1030, 1790, 2330, 2950}, {780, 1370, 1900, 2470}},
    {"100x10", 1000, {1440, 2420, 3250, 4100}, {1100, 1950, 2650, 3500}},
    {"100x15", 1500, {1760, 2900, 3800, 4900}, {1400, 2400, 3200, 4200}},
    {"120x10", 1200, {1710, 2850, 3650, 4750}, {1300, 2280, 3100, 4100}},
    {"120x15", 1800, {2070, 3360, 4400, 5400}, {1550, 2750, 3700, 4750}},
    {"160x10", 1600, {2200, 3600, 4750, 5900}, {1650, 2850, 3950, 5050}},
    {"160x15", 2400, {2600, 4250, 5450, 7050}, {2000, 3400, 4600, 5950}},
}};
// clang-format on

// "Bakırın", "Alüminyumun": the metal's name as the owner of a weight or a resistance.
std::string_view Owner(Metal metal) {
    return metal == Metal::Copper ? "Bakırın" : "Alüminyumun";
}

struct ConversionText {
    std::string_view prompt;
    double factor;
    std::string_view result; // the answer's metal and quantity
    std::string_view unit;
};

constexpr std::array<ConversionText, 4> kConversions = {{
    {"Bakırın Çapını Milimetre (mm) Cinsinden Giriniz...", 1.3, "Alüminyumun Çapı ", " mm'dir..."},
    {"Alüminyumun Çapını Milimetre (mm) Cinsinden Giriniz...", 0.77, "Bakırın Çapı ", " mm'dir..."},
    {"Bakırın Ağırlığını Kilogram (kg) Cinsinden Giriniz...", 0.49, "Alüminyumun Ağırlığı ",
     " kg'dır..."},
    {"Alüminyumun Ağırlığını Kilogram (kg) Cinsinden Giriniz...", 2.04, "Bakırın Ağırlığı ",
     " kg'dır..."},
}};

const ConversionText& TextOf(Conversion conversion) {
    return kConversions[static_cast<std::size_t>(conversion)];
}

} // namespace

MetalConstants ConstantsOf(Metal metal) {
    return metal == Metal::Copper ? MetalConstants{8.9, 0.0178} : MetalConstants{2.7, 0.0285};
}

std::span<const Size> Sizes(Metal metal) {
    if (metal == Metal::Copper)
        return kCopper;
    return kAluminium;
}

Outcome<Fields> Compute(Metal metal, Finish finish, int size, Fields fields) {
    const MetalConstants constants = ConstantsOf(metal);
    const std::span<const Size> sizes = Sizes(metal);
    return RunSteps(std::move(fields), [&](Fields& f) {
        if (size < 0 || size >= static_cast<int>(sizes.size()))
            throw ComputeFailure("no busbar size chosen");
        const Size& row = sizes[static_cast<std::size_t>(size)];
        f.section = NumberText(row.section);
        f.weight = ResultText(row.section * 0.001 * constants.density, 2);
        // A size rated for I and II only: a chosen III or IIII falls back to I.
        if (!row.HasFourRatings() && f.bars > 2)
            f.bars = 1;
        f.manyBarsEnabled = row.HasFourRatings();
        const auto& ratings = finish == Finish::Painted ? row.painted : row.bare;
        f.rating = NumberText(ratings[static_cast<std::size_t>(f.bars - 1)]);
        const double length = ReadNumber(f.length);
        f.barWeight = ResultText(Finite(ReadNumber(f.weight) * length), 2);
        f.barCost = ResultText(Finite(ReadNumber(f.barWeight) * ReadNumber(f.price)), 2);
        f.totalWeight = ResultText(Finite(ReadNumber(f.barWeight) * f.bars), 2);
        f.totalCost = ResultText(Finite(ReadNumber(f.barCost) * f.bars), 2);
        f.resistance =
            ResultText(Div(Finite(constants.resistivity * length), ReadNumber(f.section)), 12);
    });
}

Message NoteMessage() {
    return InfoMessage(JoinLines({"Programda Kullanılan Değerler:", "Çevre Sıcaklığı 25 °C",
                                  "Isınma 30 °C", "Devamlı Yüklenme Akımı (A) - 50 Hz A.C."}));
}

std::string_view SectionPrompt(Metal metal) {
    return metal == Metal::Copper ? "Bakırın Kesitini Milimetrekare (mm²) Cinsinden Giriniz..."
                                  : "Alüminyumun Kesitini Milimetrekare (mm²) Cinsinden Giriniz...";
}

std::string_view LengthPrompt(Metal metal) {
    return metal == Metal::Copper ? "Bakırın Uzunluğunu Metre (m) Cinsinden Giriniz..."
                                  : "Alüminyumun Uzunluğunu Metre (m) Cinsinden Giriniz...";
}

std::string WeightMessage(Metal metal, double section, double length) {
    const MetalConstants constants = ConstantsOf(metal);
    const double weight = Finite(section * length * constants.density / 1000);
    const double resistance = Div(Finite(constants.resistivity * length), section);
    const std::string owner(Owner(metal));
    return JoinLines({owner + " Ağırlığı " + ResultText(weight, 2) + " kg'dır.", "Ek Hesaplama:",
                      owner + " Direnci " + ResultText(resistance, 2) + " Ohm'dur..."});
}

std::string_view ConversionPrompt(Conversion conversion) {
    return TextOf(conversion).prompt;
}

std::string ConversionMessage(Conversion conversion, double value) {
    const ConversionText& text = TextOf(conversion);
    return std::string(text.result) + ResultText(Finite(value * text.factor), 2) +
           std::string(text.unit);
}

} // namespace voltaris::busbar
