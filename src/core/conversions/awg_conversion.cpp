#include "core/conversions/awg_conversion.h"

#include "core/numbers.h"

#include <array>
#include <cmath>

namespace voltaris::awg {

namespace {

// The sections are the program's own values.
constexpr auto kEntries = std::to_array<Entry>({
    {"1272 MCM", 645.08, "PHEASANT, BITTERN, SKYLARK", "NARICSSUS"},
    {"1000 MCM", 507, {}, "CAMELIA, HAWKWEED"},
    {"954 MCM", 484.53, "CARDINAL, RAIL, CATBIRD", "GOLDENROD, MAGNOILA"},
    {"795 MCM", 402.56, "MALLARD, CONDOR, TERN, COOT, DRAKE, CUCKOO", "ULAC, ARBUTUS"},
    {"750 MCM", 380, {}, "CATTAIL, PETUINA"},
    {"600 MCM", 304, {}, "MEADOWSWEET"},
    {"500 MCM", 254, {}, "HYACINTH, ZINNIA"},
    {"477 MCM", 241.65, "HEN, HAWK, FLICKER, PALICAN", "SYRINGA, COSMOS"},
    {"397,5 MCM", 201.41, "CHICKADEE, BRANT, IBIS, LARK", "CANNA"},
    {"350 MCM", 178, {}, "DAFFRODIL"},
    {"300 MCM", 152, "ORSTRICH", "PEONY"},
    {"266,8 MCM", 134.87, "PARTRIDGE, WAXWING", "LAUREL, DAISY"},
    {"250 MCM", 127, {}, "VALERIAN, SNEEZEVVORT"},
    {"4/0 = 0000", 107, "PENGUIN", "OXLlP"},
    {"3/0 = 000", 85, "PIGEON", "PHLOX"},
    {"2/0 = 00", 67.4, "QUAIL", "ASTER"},
    {"1/0 = 0", 53.5, "RAVEN", "POPPY"},
    {"1", 42.4, "ROBIN", "PANSY"},
    {"2", 33.6, "SPARATE, SPARROW", "IRIS"},
    {"3", 26.7, "SWALLOW", "LILY"},
    {"4", 21.1, "SWANATE, SWAN", "ROSE"},
    {"5", 16.8, {}, {}},
    {"6", 13.3, "TURKEY", "PEACHBELL"},
    {"7", 10.5, {}, {}},
    {"8", 8.36, {}, {}},
    {"9", 6.63, {}, {}},
    {"10", 5.26, {}, {}},
});

// π as the size display and the MCM conversion hold it; the two section-diameter commands use
// 3.14 instead (conductor_section::SectionOf and DiameterOf).
constexpr double kPi = 3.14159265358979;
constexpr double kInchesPerMm = 0.03936996;

double Round2(double value) {
    return RoundHalfEven(checked::Finite(value), 2);
}

// Diameter of a circular section, and that diameter in inches, each rounded.
ConductorSize CircleSize(double section) {
    const double diameter = Round2(checked::Sqrt(4 * section / kPi));
    return {section, diameter, Round2(diameter * kInchesPerMm)};
}

std::string SizeText(const ConductorSize& size) {
    return "İletkenin Kesiti " + NumberText(size.section) + " mm²'dir.\nİletkenin Çapı " +
           NumberText(size.diameter) + " mm'dir.\nİletkenin Çapı " + NumberText(size.inches) +
           " İnç'dir.";
}

} // namespace

std::span<const Entry> Entries() {
    return kEntries;
}

std::optional<Display> Show(std::string_view size) {
    for (const Entry& entry : kEntries) {
        if (entry.size != size)
            continue;
        // The diameter comes from the section as written into its field, the inches from the
        // diameter as written into its own.
        const std::string section = NumberText(entry.section);
        const std::string diameter = NumberText(Round2(std::sqrt(4 * ReadNumber(section) / kPi)));
        const std::string inches = NumberText(Round2(ReadNumber(diameter) * kInchesPerMm));
        return Display{section, diameter, inches, std::string(entry.steelNames),
                       std::string(entry.aluminiumNames)};
    }
    return std::nullopt;
}

ConductorSize GaugeSize(double gauge) {
    return {Round2(0.012668 * checked::Pow(92, (36 - gauge) / 19.5)),
            Round2(std::exp(2.1104 - 0.11594 * gauge)),
            Round2(std::exp(-1.12436 - 0.11594 * gauge))};
}

ConductorSize McmSize(double mcm) {
    return CircleSize(Round2(mcm * 0.5067));
}

std::string GaugeMessage(double gauge) {
    return SizeText(GaugeSize(gauge));
}

std::string McmMessage(double mcm) {
    return SizeText(McmSize(mcm));
}

std::string DiameterMessage(double section) {
    const double diameter = Round2(conductor_section::DiameterOf(section));
    return "İletkenin Çapı " + NumberText(diameter) + " mm'dir...";
}

std::string SectionMessage(double diameter) {
    const double section = Round2(conductor_section::SectionOf(diameter));
    return "İletkenin Kesiti " + NumberText(section) + " mm²'dir...";
}

} // namespace voltaris::awg
