#include "core/lowvoltage/overhead_conductors.h"

#include "core/lowvoltage/cable_tables.h"
#include "core/numbers.h"

#include <cstdio>
#include <numbers>
#include <string>

namespace voltaris::overhead_conductors {

namespace {

constexpr double kSquareMillimetresPerKcmil = 0.5067; // 1 cmil = 5.067E-04 mm²
constexpr double kMillimetresPerInch = 25.4;
constexpr double kKilogramsPerKmPerPoundsPer1000Feet = 1.488;

double CircleArea(double diameter) {
    return std::numbers::pi / 4 * diameter * diameter;
}

// The DC resistance at 20 °C of an aluminium section: the resistivity over the section, with
// what the stranding adds to the wires' length: 1.5 % for one layer, 2 % for more.
double StrandedResistance(double aluminium, int layers) {
    const double stranding = layers == 1 ? 1.015 : 1.02;
    return 1000 * kAluminiumResistivity / aluminium * stranding;
}

// One AAC conductor as the maker's table gives it (metric).
Conductor Aac(const char* name, const char* size, double section, double diameter,
              double resistance, double mass) {
    return {name, size, section, 0, "7", diameter, mass, resistance, kBareLineReactance};
}

// One ACSR conductor as ASTM B232 Table 1 gives it (inch-pound), converted with the table's own
// factors.
struct Astm {
    const char* name;
    const char* size;
    double kcmil;
    const char* strands;
    double steelWire; // in.
    int steelWires;
    double diameter; // in.
    double mass;     // lb/1000 ft
    int layers;      // aluminium layers
};

Conductor FromAstm(const Astm& a) {
    const double aluminium = a.kcmil * kSquareMillimetresPerKcmil;
    return {a.name,
            a.size,
            aluminium,
            a.steelWires * CircleArea(a.steelWire * kMillimetresPerInch),
            a.strands,
            a.diameter * kMillimetresPerInch,
            a.mass * kKilogramsPerKmPerPoundsPer1000Feet,
            StrandedResistance(aluminium, a.layers),
            kBareLineReactance};
}

std::vector<Conductor> MakeBare() {
    // Has Çelik "Alüminyum İletkenler" catalogue, AAC table (TS EN 50182 / TS IEC 61089, Canadian
    // sizes), 7 wires each: section, overall diameter, R20, mass. PHLOX's diameter is 3 × its
    // 3.93 mm wire; OXLIP, cut from the copy at hand, is PHLOX scaled by the section.
    return {Aac("ROSE", "4 AWG", 21.14, 5.88, 1.356, 57.8),
            Aac("LILY", "3 AWG", 26.60, 6.60, 1.078, 72.8),
            Aac("IRIS", "2 AWG", 33.53, 7.41, 0.854, 91.8),
            Aac("PANSY", "1 AWG", 42.49, 8.34, 0.674, 116.8),
            Aac("POPPY", "1/0 AWG", 53.48, 9.36, 0.535, 146.4),
            Aac("ASTER", "2/0 AWG", 67.14, 10.50, 0.425, 184.4),
            Aac("PHLOX", "3/0 AWG", 84.91, 11.79, 0.337, 232.5),
            Aac("OXLIP", "4/0 AWG", 107.38, 13.26, 0.266, 294.0)};
}

std::vector<Conductor> MakeAcsr() {
    // SWALLOW (3 AWG) is not in ASTM B232: its sections and wires are those of CSA C49 (TS IEC
    // 1089 sizes), its mass SWAN's (4 AWG, 6/1, 57.35 lb/1000 ft for 21.15 mm²) scaled by the
    // aluminium section.
    const double swallowWire = 2.38;
    std::vector<Conductor> acsr{
        {"SWALLOW", "3 AWG", 26.69, CircleArea(swallowWire), "6/1", 3 * swallowWire,
         57.35 * kKilogramsPerKmPerPoundsPer1000Feet * 26.69 / (41.74 * kSquareMillimetresPerKcmil),
         StrandedResistance(26.69, 1), kBareLineReactance}};
    const Astm table[] = {
        {"SPARROW", "2 AWG", 66.36, "6/1", 0.1052, 1, 0.316, 91.2, 1},
        {"RAVEN", "1/0 AWG", 105.6, "6/1", 0.1327, 1, 0.398, 145.2, 1},
        {"QUAIL", "2/0 AWG", 133.1, "6/1", 0.1489, 1, 0.447, 182.8, 1},
        {"PIGEON", "3/0 AWG", 167.8, "6/1", 0.1672, 1, 0.502, 230.5, 1},
        {"PARTRIDGE", "266.8 kcmil", 266.8, "26/7", 0.0788, 7, 0.642, 367.2, 2},
        {"HAWK", "477 kcmil", 477, "26/7", 0.1054, 7, 0.858, 656.3, 2},
        {"DRAKE", "795 kcmil", 795, "26/7", 0.1360, 7, 1.108, 1093, 2},
        {"CARDINAL", "954 kcmil", 954, "54/7", 0.1329, 7, 1.196, 1229, 3},
    };
    for (const Astm& a : table)
        acsr.push_back(FromAstm(a));
    return acsr;
}

// The aerial cables of the cross-section window, single-phase then three-phase; the phase
// section is the number between "x" and "+".
std::vector<Conductor> MakeAerial() {
    std::vector<Conductor> aerial;
    for (const auto kind : {cable_tables::OverheadKind::SinglePhaseAerial,
                            cable_tables::OverheadKind::ThreePhaseAerial}) {
        for (const cable_tables::Overhead& cable :
             cable_tables::OverheadConductors(kind).conductors) {
            const std::string& name = cable.name;
            const auto x = name.find('x');
            const double phase = std::stod(name.substr(x + 1, name.find('+') - x - 1));
            Conductor c;
            c.name = name;
            c.aluminium = phase;
            c.resistance = cable_tables::ConductorResistance(cable_tables::Metal::Aluminium, phase);
            c.reactance = cable_tables::kCableReactance;
            aerial.push_back(c);
        }
    }
    return aerial;
}

} // namespace

std::string_view FamilyCaption(Family family) {
    switch (family) {
    case Family::Bare:
        return "Çıplak Alüminyum İletkenler (AAC)";
    case Family::Acsr:
        return "Çelik Özlü Alüminyum İletkenler (ACSR)";
    case Family::Aerial:
        break;
    }
    return "Alpek Kablolar (Havai Demet Kablo)";
}

const std::vector<Conductor>& Conductors(Family family) {
    static const std::vector<Conductor> bare = MakeBare();
    static const std::vector<Conductor> acsr = MakeAcsr();
    static const std::vector<Conductor> aerial = MakeAerial();
    switch (family) {
    case Family::Bare:
        return bare;
    case Family::Acsr:
        return acsr;
    case Family::Aerial:
        break;
    }
    return aerial;
}

std::string TableFigure(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, RoundHalfEven(value, decimals));
    return text;
}

std::string SectionsText(const Conductor& conductor) {
    const std::string aluminium = TableFigure(conductor.aluminium, 2);
    return conductor.steel > 0 ? aluminium + " + " + TableFigure(conductor.steel, 2) : aluminium;
}

std::string DiameterText(const Conductor& conductor) {
    return TableFigure(conductor.diameter, 2);
}

std::string MassText(const Conductor& conductor) {
    return TableFigure(conductor.mass, 1);
}

std::string ResistanceText(const Conductor& conductor) {
    return TableFigure(conductor.resistance, 4);
}

std::string SourceNote() {
    return std::string(kAacSourceNote) + "\n" + std::string(kAcsrSourceNote);
}

const std::vector<Conductor>& BareConductors() {
    static const std::vector<Conductor> all = [] {
        std::vector<Conductor> list = Conductors(Family::Bare);
        const std::vector<Conductor>& acsr = Conductors(Family::Acsr);
        list.insert(list.end(), acsr.begin(), acsr.end());
        return list;
    }();
    return all;
}

} // namespace voltaris::overhead_conductors
