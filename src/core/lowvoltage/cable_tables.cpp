#include "core/lowvoltage/cable_tables.h"

#include "core/numbers.h"

#include <algorithm>
#include <array>
#include <span>

namespace voltaris::cable_tables {

namespace {

struct Resistance {
    double size;
    double ohmsPerKm;
};

// IEC 60228:2004, table 2: class 2 conductors, largest resistance at 20 °C.
constexpr std::array<Resistance, 17> kCopperResistance{{
    {1.5, 12.1},
    {2.5, 7.41},
    {4, 4.61},
    {6, 3.08},
    {10, 1.83},
    {16, 1.15},
    {25, 0.727},
    {35, 0.524},
    {50, 0.387},
    {70, 0.268},
    {95, 0.193},
    {120, 0.153},
    {150, 0.124},
    {185, 0.0991},
    {240, 0.0754},
    {300, 0.0601},
    {400, 0.0470},
}};
constexpr std::array<Resistance, 12> kAluminiumResistance{{
    {16, 1.91},
    {25, 1.20},
    {35, 0.868},
    {50, 0.641},
    {70, 0.443},
    {95, 0.320},
    {120, 0.253},
    {150, 0.206},
    {185, 0.164},
    {240, 0.125},
    {300, 0.100},
    {400, 0.0778},
}};

// The 2-core copper cables, whose ratings are their own.
struct TwoCore {
    const char* size;
    double earth;
    double air;
};
constexpr std::array<TwoCore, 16> kCopperTwoCore{{
    {"1.5", 32, 20},
    {"2.5", 42, 27},
    {"4", 54, 37},
    {"6", 68, 48},
    {"10", 90, 66},
    {"16", 116, 89},
    {"25", 150, 118},
    {"35", 181, 145},
    {"50", 215, 176},
    {"70", 264, 224},
    {"95", 317, 271},
    {"120", 360, 314},
    {"150", 406, 361},
    {"185", 458, 412},
    {"240", 537, 484},
    {"300", 604, 556},
}};
// The 2-core aluminium cables carry one rating each, shown for earth and for air alike.
constexpr std::array<TwoCore, 8> kAluminiumTwoCore{{
    {"25", 91, 91},
    {"35", 113, 113},
    {"50", 138, 138},
    {"70", 174, 174},
    {"95", 210, 210},
    {"120", 244, 244},
    {"150", 281, 281},
    {"185", 320, 320},
}};

// The 3+1-core cables: three phase conductors and a smaller neutral, rated by the phase size.
constexpr std::array<const char*, 12> kReducedNeutral{
    "3x16+10",  "3x25+16",  "3x35+16",  "3x50+25",   "3x70+35",   "3x95+50",
    "3x120+70", "3x150+70", "3x185+95", "3x240+120", "3x300+150", "3x400+185",
};

Cable CableOf(Metal metal, std::string name, std::string_view size, double earth, double air) {
    const double s = ReadNumber(size);
    return {std::move(name), s, earth, air, ConductorResistance(metal, s), kCableReactance};
}

CablePage TwoCorePage(Metal metal, const char* kind, std::span<const TwoCore> rows) {
    CablePage page{std::string("2 Damarlı ") + kind + " Kablolar", {}};
    for (const TwoCore& row : rows)
        page.cables.push_back(
            CableOf(metal, std::string("2x") + row.size, row.size, row.earth, row.air));
    return page;
}

// The 3-core and 4-core pages carry the ratings of the cable current-rating table; the
// 4-core 1.5 mm² copper cable is rated 18 A in air.
CablePage MultiCorePage(Metal metal, const char* kind, const char* cores) {
    CablePage page{std::string(cores) + " Damarlı " + kind + " Kablolar", {}};
    for (const cable_ratings::Rating& r : cable_ratings::Ratings(metal)) {
        double air = r.air;
        if (std::string_view(cores) == "4" && metal == Metal::Copper && r.section == "1.5")
            air = 18;
        page.cables.push_back(CableOf(metal, std::string(cores) + "x" + std::string(r.section),
                                      r.section, r.earth, air));
    }
    return page;
}

CablePage ReducedNeutralPage(Metal metal, const char* kind) {
    CablePage page{std::string("3+1 Damarlı ") + kind + " Kablolar", {}};
    for (const char* name : kReducedNeutral) {
        const std::string_view text(name);
        const std::string_view size = text.substr(2, text.find('+') - 2);
        const std::span<const cable_ratings::Rating> ratings = cable_ratings::Ratings(metal);
        if (std::none_of(ratings.begin(), ratings.end(),
                         [size](const cable_ratings::Rating& r) { return r.section == size; }))
            continue; // no aluminium cable of 16 mm²
        const cable_ratings::Rating& r = cable_ratings::RatingOf(metal, size);
        page.cables.push_back(CableOf(metal, name, size, r.earth, r.air));
    }
    return page;
}

std::vector<CablePage> PagesOf(Metal metal) {
    const char* kind = metal == Metal::Copper ? "NYY" : "NAYY";
    return {TwoCorePage(metal, kind,
                        metal == Metal::Copper ? std::span<const TwoCore>(kCopperTwoCore)
                                               : kAluminiumTwoCore),
            MultiCorePage(metal, kind, "3"), ReducedNeutralPage(metal, kind),
            MultiCorePage(metal, kind, "4")};
}

} // namespace

const std::vector<CablePage>& CablePages(Metal metal) {
    static const std::vector<CablePage> copper = PagesOf(Metal::Copper);
    static const std::vector<CablePage> aluminium = PagesOf(Metal::Aluminium);
    return metal == Metal::Copper ? copper : aluminium;
}

double ConductorResistance(Metal metal, double size) {
    const std::span<const Resistance> table = metal == Metal::Copper
                                                  ? std::span<const Resistance>(kCopperResistance)
                                                  : kAluminiumResistance;
    const auto row = std::find_if(table.begin(), table.end(),
                                  [size](const Resistance& r) { return r.size == size; });
    if (row == table.end())
        throw ComputeFailure("no such conductor section");
    return row->ohmsPerKm;
}

const OverheadPage& OverheadConductors(OverheadKind kind) {
    static const OverheadPage bare{"Çıplak Alüminyum İletkenler",
                                   {{"ROSE", 140},
                                    {"LILY", 160},
                                    {"PANSY", 200},
                                    {"POPPY", 230},
                                    {"ASTER", 260},
                                    {"PHLOX", 300},
                                    {"OXLIP", 370}}};
    static const OverheadPage single{"Monofaze Alpek Kablolar",
                                     {{"1x16+25", 75}, {"1x25+35", 100}, {"1x35+50", 125}}};
    static const OverheadPage three{"Trifaze Alpek Kablolar",
                                    {{"3x16+25", 70},
                                     {"3x25+35", 90},
                                     {"3x35+50", 115},
                                     {"3x50+70", 140},
                                     {"3x70+95", 180},
                                     {"3x120+95", 250}}};
    switch (kind) {
    case OverheadKind::Bare:
        return bare;
    case OverheadKind::SinglePhaseAerial:
        return single;
    case OverheadKind::ThreePhaseAerial:
        break;
    }
    return three;
}

std::string OverheadCapacitySentence(OverheadKind kind, std::string_view name,
                                     std::string_view capacity) {
    const std::string_view what = kind == OverheadKind::Bare
                                      ? " Alüminyum İletkenin Akım Taşıma Kapasitesi "
                                      : " mm² Alpek Kablonun Akım Taşıma Kapasitesi ";
    return std::string(name) + std::string(what) + std::string(capacity) + " Amperdir.";
}

} // namespace voltaris::cable_tables
