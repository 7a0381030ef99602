#include "core/conversions/unit_conversion.h"

#include "core/numbers.h"

#include <cmath>
#include <stdexcept>

namespace voltaris::unit_conversion {

namespace {

// How a result field is formed from the input: the input text itself (the chosen unit's own
// field), the input times a factor, or the input divided by one. Multiplying and dividing are
// kept apart because 1/x is not always exactly a double.
enum class ConversionOp { Same, Multiply, Divide };

struct Conversion {
    ConversionOp op;
    double factor;
};

constexpr Conversion Same{ConversionOp::Same, 1};
constexpr Conversion Mul(double factor) {
    return {ConversionOp::Multiply, factor};
}
constexpr Conversion Div(double factor) {
    return {ConversionOp::Divide, factor};
}

// Each table: one row per input unit, one column per result, both in unit order, as the window
// applies them; the factors are the program's own, some a little off the exact definitions.

constexpr auto kLengthUnits = std::to_array<Unit>({
    {"Nanometre(nm)"},
    {"Mikrometre(µm)"},
    {"Milimetre(mm)"},
    {"Santimetre(cm)"},
    {"Metre(m)"},
    {"Dekametre(dm)"},
    {"Hectometre(hm)"},
    {"Kilometre(km)"},
    {"İnch(in)-İnç ( \" )"},
    {"Foot(ft)-Ayak"},
    {"Yarda(yd)"},
    {"Mil"},
});
// clang-format off
constexpr std::array kLengthTable = {
    // from nanometres
    Same, Div(1000), Div(1000000), Div(10000000), Div(1000000000), Div(1e+10), Div(1e+11),
    Div(1e+12), Mul(3.937008e-08), Mul(3.28084e-09), Mul(1.093613e-09), Mul(6.213712e-13),
    // from micrometres
    Mul(1000), Same, Mul(0.001), Mul(0.0001), Div(1000000), Div(10000000), Div(100000000),
    Div(1000000000), Mul(3.936996e-05), Mul(3.28083e-06), Mul(1.09361e-06), Mul(6.213712e-10),
    // from millimetres
    Mul(1000000), Mul(1000), Same, Mul(0.1), Div(1000), Div(10000), Div(100000), Div(1000000),
    Mul(0.03936996), Mul(0.00328083), Mul(0.00109361), Mul(6.213712e-07),
    // from centimetres
    Mul(10000000), Mul(10000), Mul(10), Same, Mul(0.01), Mul(0.001), Mul(0.0001), Div(100000),
    Mul(0.3937008), Mul(0.0328083), Mul(0.0109361), Mul(6.213712e-06),
    // from metres
    Mul(1000000000), Mul(1000000), Mul(1000), Mul(100), Same, Mul(0.1), Mul(0.01), Mul(0.001),
    Mul(39.36996), Mul(3.28083), Mul(1.09361), Mul(0.0006213712),
    // from decametres
    Mul(1e+10), Mul(10000000), Mul(10000), Mul(1000), Mul(10), Same, Mul(0.1), Mul(0.01),
    Mul(393.6996), Mul(32.8083), Mul(10.9361), Mul(0.006213712),
    // from hectometres
    Mul(1e+11), Mul(100000000), Mul(100000), Mul(10000), Mul(100), Mul(10), Same, Mul(0.1),
    Mul(3936.996), Mul(328.083), Mul(109.361), Mul(0.06213712),
    // from kilometres
    Mul(1e+12), Mul(1000000000), Mul(1000000), Mul(100000), Mul(1000), Mul(100), Mul(10), Same,
    Mul(39369.96), Mul(3280.83), Mul(1093.613), Mul(0.6213712),
    // from inches
    Mul(25400000), Mul(25400), Mul(25.4), Mul(2.54), Mul(0.0254), Mul(0.00254), Mul(0.000254),
    Mul(2.54e-05), Same, Mul(0.08333333), Mul(0.02777778), Mul(1.578283e-05),
    // from feet
    Mul(304800000), Mul(304800), Mul(304.8), Mul(30.48), Mul(0.3048), Mul(0.03048), Mul(0.003048),
    Mul(0.0003048009), Mul(12), Same, Mul(0.3333333), Mul(0.0001893939),
    // from yards
    Mul(914400000), Mul(914400), Mul(914.4), Mul(91.44), Mul(0.9144), Mul(0.09144), Mul(0.009144),
    Mul(0.0009144028), Mul(36), Mul(3), Same, Mul(0.0005681818),
    // from miles
    Mul(1.609344e+12), Mul(1609344000), Mul(1609344), Mul(160934.4), Mul(1609.344), Mul(160.9344),
    Mul(16.09344), Mul(1.609344), Mul(63360), Mul(5280), Mul(1760), Same,
};
// clang-format on
static_assert(kLengthTable.size() == kLengthUnits.size() * kLengthUnits.size());

constexpr auto kAreaUnits = std::to_array<Unit>({
    {"MilimetreKare(mm²)"},
    {"SantimetreKare(cm²)"},
    {"MetreKare(m²)"},
    {"KilometreKare(km²)"},
    {"İnchKare-İnçKare( \" ²)"},
    {"FootKare-Ayak²"},
    {"YardaKare"},
    {"MilKare"},
    {"Hektar"},
    {"Acre"},
});
// clang-format off
constexpr std::array kAreaTable = {
    // from square millimetres
    Same, Mul(0.01), Mul(1e-06), Mul(1e-12), Mul(0.001550003), Mul(1.076391e-05), Mul(1.19599e-06),
    Mul(3.861022e-13), Mul(1e-10), Mul(2.471044e-10),
    // from square centimetres
    Mul(100), Same, Mul(0.0001), Mul(1e-10), Mul(0.1550003), Mul(0.001076391), Mul(0.000119599),
    Mul(3.861022e-11), Mul(1e-08), Mul(2.471044e-08),
    // from square metres
    Mul(1000000), Mul(10000), Same, Mul(1e-06), Mul(1550.003), Mul(10.76391), Mul(1.19599),
    Mul(3.861022e-07), Mul(0.0001), Mul(0.0002471044),
    // from square kilometres
    Mul(1e+12), Mul(1e+10), Mul(1000000), Same, Mul(1550003000), Mul(10763910), Mul(1195990),
    Mul(0.3861022), Mul(100), Mul(247.1044),
    // from square inches
    Mul(645.16), Mul(6.4516), Mul(0.00064516), Mul(6.4516e-10), Same, Mul(0.006944444),
    Mul(0.0007716049), Mul(2.490977e-10), Mul(6.4516e-08), Mul(1.594219e-07),
    // from square feet
    Mul(92903.04), Mul(929.0304), Mul(0.09290304), Mul(9.290304e-08), Mul(144), Same,
    Mul(0.1111111), Mul(3.587006e-08), Mul(9.290304e-06), Mul(2.295675e-05),
    // from square yards
    Mul(836127.4), Mul(8361.274), Mul(0.8361274), Mul(8.361274e-07), Mul(1296), Mul(9), Same,
    Mul(3.228306e-07), Mul(8.361274e-05), Mul(0.0002066107),
    // from square miles
    Mul(2.589988e+12), Mul(2.589988e+10), Mul(2589988), Mul(2.589988), Mul(4014490000),
    Mul(27878400), Mul(3097600), Same, Mul(258.9988), Mul(639.9974),
    // from hectares
    Mul(1e+10), Mul(100000000), Mul(10000), Mul(0.01), Mul(15500030), Mul(107639.1), Mul(11959.9),
    Mul(0.003861022), Same, Mul(2.471044),
    // from acres
    Mul(4046856000), Mul(40468560), Mul(4046.825), Mul(0.004046859), Mul(6272591), Mul(43560),
    Mul(4839.963), Mul(0.0015625), Mul(0.4046863), Same,
};
// clang-format on
static_assert(kAreaTable.size() == kAreaUnits.size() * kAreaUnits.size());

constexpr auto kVolumeUnits = std::to_array<Unit>({
    {"SantimetreKüp(cm³)"},
    {"MetreKüp(m³)"},
    {"İnchKüp-İnçKüp ( \" ³)"},
    {"FootKüp-AyakKüp"},
    {"YardaKüp"},
    {"Galon"},
    {"Ons-Zerre"},
    {"Pint-Galon'un Sekizde Biri"},
    {"Dram-Dirhem"},
    {"Quart-Galon'un Dörtte Biri"},
});
// clang-format off
constexpr std::array kVolumeTable = {
    // from cubic centimetres
    Same, Mul(1e-06), Mul(0.06102374), Mul(3.531467e-05), Mul(1.307951e-06), Mul(0.0002641721),
    Mul(0.03381402), Mul(0.002113376), Mul(0.2705104), Mul(0.001056688),
    // from cubic metres
    Mul(1000000), Same, Mul(61023.74), Mul(35.31467), Mul(1.307951), Mul(264.1721), Mul(33814.02),
    Mul(2113.376), Mul(270510.4), Mul(1056.688),
    // from cubic inches
    Mul(16.38706), Mul(1.638706e-05), Same, Mul(0.0005787037), Mul(2.143347e-05), Mul(0.004329004),
    Mul(0.5541126), Mul(0.03463203), Mul(4.43287), Mul(0.01731602),
    // from cubic feet
    Mul(28316.85), Mul(0.02831685), Mul(1728), Same, Mul(0.03703704), Mul(7.480519), Mul(957.5065),
    Mul(59.84416), Mul(7660), Mul(29.92208),
    // from cubic yards
    Mul(764554.9), Mul(0.7645549), Mul(46656), Mul(27), Same, Mul(201.974), Mul(25852.68),
    Mul(1615.792), Mul(206820), Mul(807.8961),
    // from gallons
    Mul(3785.412), Mul(0.003785412), Mul(231), Mul(0.1336806), Mul(0.004951132), Same, Mul(128),
    Mul(8), Mul(1023.993), Mul(4),
    // from ounces
    Mul(29.57353), Mul(2.957353e-05), Mul(1.804688), Mul(0.001044379), Mul(3.868072e-05),
    Mul(0.0078125), Same, Mul(0.0625), Mul(7.999946), Mul(0.03125),
    // from pints
    Mul(473.1765), Mul(0.0004731765), Mul(28.875), Mul(0.01671007), Mul(0.0006188915), Mul(0.125),
    Mul(16), Same, Mul(127.9991), Mul(0.5),
    // from drams
    Mul(3.696716), Mul(3.696716e-06), Mul(0.2255875), Mul(0.0001305483), Mul(4.835122e-06),
    Mul(0.0009765691), Mul(0.1250008), Mul(0.007812553), Same, Mul(0.003906276),
    // from quarts
    Mul(946.3529), Mul(0.0009463529), Mul(57.75), Mul(0.03342014), Mul(0.001237783), Mul(0.25),
    Mul(32), Mul(2), Mul(255.9983), Same,
};
// clang-format on
static_assert(kVolumeTable.size() == kVolumeUnits.size() * kVolumeUnits.size());

constexpr auto kMassUnits = std::to_array<Unit>({
    {"MikroGram(µg)"},
    {"MiliGram(mg)"},
    {"Gram(g)"},
    {"KiloGram(kg)"},
    {"MegaGram(Mg)=TON"},
});
// clang-format off
constexpr std::array kMassTable = {
    // from micrograms
    Same, Mul(0.001), Mul(1e-06), Mul(1e-09), Mul(1e-12),
    // from milligrams
    Mul(1000), Same, Mul(0.001), Mul(1e-06), Mul(1e-09),
    // from grams
    Mul(1000000), Mul(1000), Same, Mul(0.001), Mul(1e-06),
    // from kilograms
    Mul(1000000000), Mul(1000000), Mul(1000), Same, Mul(0.001),
    // from megagrams
    Mul(1e+12), Mul(1000000000), Mul(1000000), Mul(1000), Same,
};
// clang-format on
static_assert(kMassTable.size() == kMassUnits.size() * kMassUnits.size());

constexpr auto kEnergyUnits = std::to_array<Unit>({
    {" Watt/Saat"},
    {"KiloWatt/Saat"},
    {"MegaWatt/Saat"},
    {"At Gücü/Saat"},
    {"Joule"},
    {"Kalori"},
    {"KiloKalori"},
    {"BTU"},
});
// clang-format off
constexpr std::array kEnergyTable = {
    // from watt-hours
    Same, Mul(0.001), Mul(1e-06), Mul(0.001341022), Mul(3600), Mul(859.8452), Mul(0.8598452),
    Mul(3.412142),
    // from kilowatt-hours
    Mul(1000), Same, Mul(0.001), Mul(1.341022), Mul(3600000), Mul(859845.2), Mul(859.8452),
    Mul(3412.142),
    // from megawatt-hours
    Mul(1000000), Mul(1000), Same, Mul(1341.022), Mul(3600000000), Mul(859845200), Mul(859845.2),
    Mul(3412142),
    // from horsepower-hours
    Mul(745.6999), Mul(0.7456999), Mul(0.0007456999), Same, Mul(2684520), Mul(641186.5),
    Mul(641.1865), Mul(2544.434),
    // from joules
    Mul(0.0002777778), Mul(2.777778e-07), Mul(2.777778e-10), Mul(3.725061e-07), Same,
    Mul(0.2388459), Mul(0.0002388459), Mul(0.0009478171),
    // from calories
    Mul(0.001163), Mul(1.163e-06), Mul(1.163e-09), Mul(1.559609e-06), Mul(4.1868), Same, Mul(0.001),
    Mul(0.003968321),
    // from kilocalories
    Mul(1.163), Mul(0.001163), Mul(1.163e-06), Mul(0.001559609), Mul(4186.8), Mul(1000), Same,
    Mul(3.968321),
    // from BTU
    Mul(0.2930711), Mul(0.0002930711), Mul(2.930711e-07), Mul(0.0003930148), Mul(1055.056),
    Mul(251.9958), Mul(0.2519958), Same,
};
// clang-format on
static_assert(kEnergyTable.size() == kEnergyUnits.size() * kEnergyUnits.size());

constexpr auto kFluxUnits = std::to_array<Unit>({
    {" Weber(MKS Birim Sistemi) ", "Manyetik Akının Weber Cinsinden Değerini Giriniz",
     "Manyetik Akının Maxwell Cinsinden Değeri"},
    {"Maxwell(CGS Birim Sistemi)", "Manyetik Akının Maxwell Cinsinden Değerini Giriniz",
     "Manyetik Akının Weber Cinsinden Değeri"},
});
// The magnetic tabs have a single result, the other unit: from weber, from maxwell.
constexpr std::array kFluxTable = {Mul(100000000), Mul(0.00000001)};
static_assert(kFluxTable.size() == kFluxUnits.size());

constexpr auto kFluxDensityUnits = std::to_array<Unit>({
    {"Tesla=>Weber/MetreKare(MKS Birim Sistemi)",
     "Manyetik Akının Yoğunluğunun Tesla Cinsinden Değerini Giriniz",
     "Manyetik Akının Yoğunluğunun Gauss Cinsinden Değeri"},
    {"Gauss=>Maxwell/SantiMetreKare(CGS Birim Sistemi)",
     "Manyetik Akının Yoğunluğunun Gauss Cinsinden Değerini Giriniz",
     "Manyetik Akının Yoğunluğunun Tesla Cinsinden Değeri"},
});
// from tesla, from gauss
constexpr std::array kFluxDensityTable = {Mul(10000), Mul(0.0001)};
static_assert(kFluxDensityTable.size() == kFluxDensityUnits.size());

struct TabData {
    std::span<const Unit> units;
    std::span<const Conversion> table; // units x results, row by row
};

TabData DataOf(Tab tab) {
    switch (tab) {
    case Tab::Length:
        return {kLengthUnits, kLengthTable};
    case Tab::Area:
        return {kAreaUnits, kAreaTable};
    case Tab::Volume:
        return {kVolumeUnits, kVolumeTable};
    case Tab::Mass:
        return {kMassUnits, kMassTable};
    case Tab::Energy:
        return {kEnergyUnits, kEnergyTable};
    case Tab::MagneticFlux:
        return {kFluxUnits, kFluxTable};
    case Tab::MagneticFluxDensity:
        return {kFluxDensityUnits, kFluxDensityTable};
    }
    throw std::invalid_argument("unknown tab");
}

} // namespace

std::span<const Unit> Units(Tab tab) {
    return DataOf(tab).units;
}

std::optional<Texts> Convert(Tab tab, std::size_t unit, std::string_view input) {
    const auto [units, table] = DataOf(tab);
    const std::optional<double> value = TryReadNumber(input);
    if (!value || unit >= units.size())
        return std::nullopt;
    Texts texts{std::string(units[unit].caption), {}};
    const std::size_t columns = table.size() / units.size();
    const auto row = table.subspan(unit * columns, columns);
    for (const Conversion& cell : row) {
        switch (cell.op) {
        case ConversionOp::Same:
            texts.results.emplace_back(input);
            break;
        case ConversionOp::Multiply:
        case ConversionOp::Divide: {
            const double result =
                cell.op == ConversionOp::Multiply ? *value * cell.factor : *value / cell.factor;
            // Only an absurdly long input overflows; the results then stay as they were.
            if (!std::isfinite(result))
                return std::nullopt;
            texts.results.push_back(NumberText(result));
            break;
        }
        }
    }
    return texts;
}

std::string CoordinateDistanceMessage(double x1, double y1, double x2, double y2) {
    const double d = checked::Sqrt(checked::Finite((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1)));
    return "İki Koordinat Arası Mesafe " + NumberText(d) + " m'dir.";
}

} // namespace voltaris::unit_conversion
