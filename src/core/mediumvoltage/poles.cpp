#include "core/mediumvoltage/poles.h"

#include "core/numbers.h"

#include <array>
#include <cmath>
#include <numbers>

namespace voltaris::poles {

namespace {

// The heights of the distribution range: 9.30 m for low-voltage lines, then whole metres.
constexpr std::array<std::string_view, 7> kHeights = {"9.30", "10", "11", "12", "13", "14", "15"};
// Top loads: 200, 250, 300, 350, 400, 500 daN, then by 100 daN, up to the distribution range's
// 1000 daN.
constexpr std::array<int, 11> kTopLoads = {200, 250, 300, 350, 400, 500, 600, 700, 800, 900, 1000};

// clang-format off
constexpr std::array<LatticePole, 9> kLattice = {{
    {"T-10", "Taşıyıcı", 401, 300, "162° 20′", 200, 450, "L50×50×5", "L40×40×4", 258},
    {"T-12", "Taşıyıcı", 316, 300, "165°", 200, 500, "L50×50×5", "L40×40×4", 306},
    {"T-14", "Taşıyıcı", 261, 300, "165° 20′", 200, 550, "L50×50×5", "L40×40×4", 370},
    {"T-16", "Taşıyıcı", 261, 300, "165° 20′", 200, 600, "L50×50×7", "L40×40×4", 426},
    {"T-18", "Taşıyıcı", 177, 300, "165° 20′", 200, 650, "L50×50×7", "L40×40×4", 473},
    {"T-20", "Taşıyıcı", 177, 300, "165° 20′", 200, 700, "L50×50×7", "L40×40×4", 564},
    {"D-10", "Durdurucu", 937, 300, "136°", 350, 850, "L50×50×5", "L40×40×4", 378},
    {"D-12", "Durdurucu", 937, 300, "136°", 350, 950, "L50×50×5", "L40×40×4", 344},
    {"D-14", "Durdurucu", 937, 300, "136°", 350, 1050, "L60×60×6", "L40×40×4", 418},
}};
// clang-format on

constexpr double kDegree = std::numbers::pi / 180;

} // namespace

std::span<const std::string_view> ConcreteHeights() {
    return kHeights;
}

std::span<const int> ConcreteTopLoads() {
    return kTopLoads;
}

std::string ConcreteType(int heightIndex, int loadIndex) {
    return std::string(kHeights.at(static_cast<std::size_t>(heightIndex))) + "I" +
           std::to_string(kTopLoads.at(static_cast<std::size_t>(loadIndex)));
}

std::string_view ConcreteSource() {
    return "Kaynak: boylar ve tepe kuvvetleri MEB MEGEP Elektrik-Elektronik Teknolojisi "
           "\"Direkler\" modülü (beton direk boyları ve tepe kuvveti dizisi; 9.30 m AG direği); "
           "tepe kuvvetinin tanımı ve emniyet katsayısı TS EN 12843'e göre üretilen santrifüj "
           "beton direk üretici kataloğu (Enton). Tip adı: boy + I + tepe kuvveti (daN).";
}

std::string_view ConcreteNotes() {
    return "Tepe kuvveti, direğin tepesinden 25 cm aşağıda direk eksenine dik uygulandığında "
           "direğin emniyetle taşıdığı kuvvettir; kırılma tepe kuvveti bunun en az 2 katıdır. "
           "Daha büyük kuvvetlerde çift direk kullanılır.";
}

std::span<const LatticePole> LatticePoles() {
    return kLattice;
}

std::string_view LatticeSource() {
    return "Kaynak: MEB MEGEP Elektrik-Elektronik Teknolojisi \"Direkler\" modülü, Tablo 1.1: "
           "1. buz yükü bölgesi enerji nakil hattı demir direkleri, 3 × Swallow iletken. "
           "aw: rüzgar açıklığı, ag: ağırlık açıklığı.";
}

std::optional<int> LightestLoadIndex(double required) {
    for (std::size_t i = 0; i < kTopLoads.size(); ++i)
        if (kTopLoads[i] >= required)
            return static_cast<int>(i);
    return std::nullopt;
}

Result Compute(Fields fields, Duty duty, int heightIndex) {
    bool tooHeavy = false;
    Outcome<Fields> outcome = RunSteps(std::move(fields), [&](Fields& f) {
        // The pole: a truncated cone above the ground. The wind on its projected trapezoid,
        // taken by its moment about the ground line, is carried to the top:
        // F = q · H · (2 · top diameter + ground diameter) / 6.
        const double height = ReadNumber(kHeights.at(static_cast<std::size_t>(heightIndex)));
        const double above = height - ReadNumber(f.embedment);
        if (!(above > 0))
            throw ComputeFailure("the pole is all in the ground");
        const double top = ReadNumber(f.topDiameter) / 100;
        const double ground = ReadNumber(f.groundDiameter) / 100;
        const double poleLoad =
            checked::Finite(ReadNumber(f.poleWind) * above * (2 * top + ground) / 6);
        f.poleLoad = ResultText(poleLoad, 2);

        // The conductors: the wind on their projected area over the wind span, seen along the
        // bisector of the line angle; a dead end has no angle.
        const double count = ReadNumber(f.conductors);
        const double half =
            duty == Duty::Line ? checked::Finite(ReadNumber(f.angle) * kDegree / 2) : 0.0;
        const double conductorLoad =
            checked::Finite(count * ReadNumber(f.conductorWind) * ReadNumber(f.conductorDiameter) /
                            1000 * ReadNumber(f.windSpan)) *
            std::cos(half);
        f.conductorLoad = ResultText(conductorLoad, 2);

        // The pull: at a line angle the two sides' tensions leave 2 · T · sin(α / 2) per
        // conductor along the bisector; a dead end takes the whole tension along the line.
        const double tension = ReadNumber(f.tension);
        const double pull = checked::Finite(
            duty == Duty::Line ? 2 * count * tension * std::sin(half) : count * tension);
        f.pull = ResultText(pull, 2);

        // Along the bisector the loads add up; at a dead end the wind stands across the pull.
        const double wind = poleLoad + conductorLoad;
        const double required = duty == Duty::Line ? pull + wind : std::hypot(pull, wind);
        f.required = ResultText(checked::Finite(required), 2);

        // The pole is chosen for the load as shown.
        const std::optional<int> load = LightestLoadIndex(ReadNumber(f.required));
        tooHeavy = !load;
        f.chosen = load ? ConcreteType(heightIndex, *load) : std::string();
    });
    return {std::move(outcome), tooHeavy};
}

std::string TooHeavyText() {
    return "Gerekli tepe kuvveti cetveldeki en güçlü beton direğin tepe kuvvetini (" +
           std::to_string(kTopLoads.back()) +
           " daN) aşıyor.\nÇift direk veya demir direk kullanınız...";
}

} // namespace voltaris::poles
