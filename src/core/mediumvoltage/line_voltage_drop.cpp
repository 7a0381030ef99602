#include "core/mediumvoltage/line_voltage_drop.h"

#include "core/numbers.h"

#include <array>
#include <cmath>

namespace voltaris::line_voltage_drop {

namespace {

constexpr std::array<double, kVoltageCount> kVoltages = {6.3, 15.8, 31.5, 33, 34.5};

// Overhead lines: K by voltage, arrangement (Mesnet, Düz, Bayrak) and conductor (SWALLOW to
// HAWK); C by voltage and conductor; the capacity by conductor.
using ConductorRow = std::array<double, 5>;
constexpr std::array<std::array<ConductorRow, 3>, kVoltageCount> kOverheadK = {{
    {{{28.568, 16.133, 11.447, 8.397, 6.051},
      {29.021, 16.58, 11.894, 8.843, 6.504},
      {28.694, 16.253, 11.567, 8.523, 6.177}}},
    {{{4.542, 2.565, 1.82, 1.335, 0.962},
      {4.614, 2.636, 1.891, 1.406, 1.034},
      {4.562, 2.584, 1.839, 1.355, 0.982}}},
    {{{1.143, 0.645, 0.458, 0.336, 0.242},
      {1.161, 0.663, 0.476, 0.354, 0.26},
      {1.148, 0.65, 0.463, 0.341, 0.247}}},
    {{{1.042, 0.588, 0.418, 0.306, 0.221},
      {1.058, 0.604, 0.434, 0.322, 0.237},
      {1.046, 0.592, 0.422, 0.31, 0.225}}},
    {{{0.953, 0.538, 0.382, 0.28, 0.202},
      {0.968, 0.553, 0.397, 0.295, 0.217},
      {0.957, 0.542, 0.386, 0.284, 0.206}}},
}};
constexpr std::array<ConductorRow, kVoltageCount> kOverheadC = {{
    {27.065, 13.51, 8.479, 5.39, 3.006},
    {4.303, 2.148, 1.348, 0.857, 0.478},
    {1.082, 0.54, 0.339, 0.216, 0.12},
    {0.986, 0.492, 0.309, 0.197, 0.109},
    {0.902, 0.45, 0.283, 0.18, 0.1},
}};
constexpr ConductorRow kOverheadCapacity = {160, 230, 300, 460, 670};

// Underground cables: K by voltage, laying (3x, üçgen, yan yana: the order of the options) and
// size (50 to 240 mm²); C by voltage and size; the capacity by voltage, laying and size.
using CableRow = std::array<double, 7>;
constexpr std::array<std::array<CableRow, 3>, kVoltageCount> kCableK = {{
    {{{10.082, 7.315, 5.548, 4.604, 3.912, 3.315, 2.742},
      {10.259, 7.453, 5.686, 4.742, 4.019, 3.422, 2.849},
      {11.29, 8.491, 6.686, 5.711, 4.981, 4.346, 3.742}}},
    {{{1.603, 1.163, 0.882, 0.732, 0.622, 0.527, 0.436},
      {1.631, 1.185, 0.904, 0.754, 0.639, 0.544, 0.453},
      {1.795, 1.35, 1.063, 0.908, 0.792, 0.691, 0.595}}},
    {{{0.413, 0.301, 0.23, 0.193, 0.163, 0.139, 0.116},
      {0.419, 0.307, 0.235, 0.197, 0.169, 0.144, 0.121},
      {0.455, 0.341, 0.27, 0.23, 0.2, 0.176, 0.151}}},
    {{{0.376, 0.274, 0.21, 0.176, 0.149, 0.127, 0.106},
      {0.381, 0.28, 0.214, 0.179, 0.154, 0.131, 0.11},
      {0.414, 0.31, 0.246, 0.21, 0.183, 0.161, 0.138}}},
    {{{0.344, 0.251, 0.192, 0.161, 0.136, 0.116, 0.097},
      {0.349, 0.256, 0.196, 0.164, 0.141, 0.12, 0.101},
      {0.379, 0.284, 0.225, 0.192, 0.167, 0.147, 0.126}}},
}};
constexpr std::array<CableRow, kVoltageCount> kCableC = {{
    {9.749, 6.755, 4.862, 3.856, 3.126, 2.497, 1.9},
    {1.55, 1.074, 0.773, 0.613, 0.497, 0.397, 0.302},
    {0.39, 0.27, 0.194, 0.155, 0.125, 0.1, 0.076},
    {0.355, 0.246, 0.177, 0.141, 0.114, 0.091, 0.069},
    {0.325, 0.225, 0.162, 0.129, 0.104, 0.083, 0.063},
}};
// The two capacity sets, each by laying (3x, üçgen, yan yana). At 6.3 kV every laying takes the
// lower set's flat row, at 33 kV the upper set's.
using CapacitySet = std::array<CableRow, 3>;
constexpr CapacitySet kLowerCapacity = {{
    {210, 256, 307, 349, 392, 443, 513},
    {220, 269, 321, 364, 405, 457, 528},
    {249, 303, 358, 404, 441, 493, 563},
}};
constexpr CapacitySet kUpperCapacity = {{
    {214, 261, 313, 356, 400, 441, 510},
    {226, 276, 329, 373, 415, 468, 541},
    {251, 306, 363, 410, 449, 503, 576},
}};
constexpr int k6300 = 0;
constexpr int k15800 = 1;
constexpr int k33000 = 3;

double CableCapacity(int voltage, int laying, int size) {
    if (voltage == k6300)
        return kLowerCapacity[kFlat][size];
    if (voltage == k33000)
        return kUpperCapacity[kFlat][size];
    return (voltage == k15800 ? kLowerCapacity : kUpperCapacity)[laying][size];
}

// The limits of the drop and loss verdicts: strictly below suits, strictly above does not, equal
// leaves the label as it was.
std::optional<VerdictText> LimitVerdict(double value, double limit, const std::string& percent) {
    if (value < limit)
        return VerdictText{Verdict::Suitable, "Yüzde " + percent + " Küçük Olduğundan Uygun"};
    if (value > limit)
        return VerdictText{Verdict::Unsuitable,
                           "Yüzde " + percent + " Büyük Olduğundan Uygun Değil"};
    return std::nullopt;
}

} // namespace

double VoltageOf(int voltage) {
    return kVoltages.at(voltage);
}

Coefficients CoefficientsOf(const Choice& c) {
    const double u = kVoltages.at(c.voltage);
    if (c.line == Line::Overhead)
        return {u, kOverheadK.at(c.voltage).at(c.arrangement).at(c.conductor),
                kOverheadC.at(c.voltage).at(c.conductor), kOverheadCapacity.at(c.conductor)};
    return {u, kCableK.at(c.voltage).at(c.arrangement).at(c.conductor),
            kCableC.at(c.voltage).at(c.conductor),
            CableCapacity(c.voltage, c.arrangement, c.conductor)};
}

std::string ArrangementReportText(Line line, int arrangement) {
    if (line == Line::Overhead)
        return "Hat Tertibatı Şekli: " + std::string(kArrangements[arrangement]);
    return "Kablo Serim Şekli: " + std::string(kLayings[arrangement]);
}

Outcome<Texts> Compute(const Inputs& in, Texts start) {
    return RunSteps(std::move(start), [&](Texts& t) {
        const Coefficients& kept = in.kept;
        const double s = ReadNumber(in.demand);
        const double l = ReadNumber(in.length);
        t.drop = ResultText(checked::Finite(0.0001 * kept.k * s * l), 4);
        const double p = 0.9 * s;
        t.loss = ResultText(checked::Finite(0.000001 * kept.c * p * p * l), 4);
        t.lossPercent = ResultText(checked::Div(ReadNumber(t.loss), 0.9 * s) * 100, 2);
        t.current = ResultText(checked::Div(s, std::sqrt(3.0) * kept.u), 2);

        if (auto verdict = LimitVerdict(ReadNumber(t.drop), 7, "7'den"))
            t.dropVerdict = verdict;
        if (auto verdict = LimitVerdict(ReadNumber(t.lossPercent), 5, "5'den"))
            t.lossVerdict = verdict;

        const std::string imax = NumberText(kept.imax);
        if (in.line == Line::Overhead) {
            t.capacity = in.conductor + "  Çelik Özlü Alüminyum İletkenin Akım Taşıma Kapasitesi " +
                         imax + " Amperdir.";
            t.conductorReport = "Çelik Özlü Alüminyum Cinsi: " + in.conductor;
        } else {
            t.capacity = in.conductor + "  Bakır İletkenli XLPE Kablonun Akım Taşıma Kapasitesi " +
                         imax + " Amperdir.";
            t.conductorReport = "Bakır İletkenli XLPE Kablonun Cinsi: " + in.conductor;
        }
        // Below the capacity suits; equal or above does not.
        if (ReadNumber(t.current) < kept.imax)
            t.capacityVerdict = {Verdict::Suitable,
                                 "Akım Taşıma Kapasitesinden Küçük Olduğundan Uygun"};
        else
            t.capacityVerdict = {Verdict::Unsuitable,
                                 "Akım Taşıma Kapasitesinden Büyük Olduğundan Uygun Değil"};
    });
}

std::vector<std::string> ReportLines(Line line, const Coefficients& kept, const Shown& shown) {
    const std::string u = NumberText(kept.u);
    return {"Orta Gerilimde Gerilim Düşümü Hesabı:",
            std::string("Enerji Nakil Hattı Şekli: ") +
                (line == Line::Overhead ? "Havai" : "Yeraltı"),
            shown.arrangementReport,
            shown.conductorReport,
            "İşletme Gerilimi: " + u + " kV",
            "Talep Gücü: " + shown.demand + " kVA",
            "Enerji Nakil Hattı Uzunluğu: " + shown.length + " km",
            "--------------------------------------------",
            "Bağıl Gerilim Düşümü Hesabı:",
            "e% = 0,0001 x K  x S x I",
            "e% = 0,0001 x " + NumberText(kept.k) + " x " + shown.demand + " x " + shown.length,
            "e% = " + shown.drop,
            shown.dropVerdict,
            "",
            "Güç Kaybı Hesabı:",
            "*P = 0,000001 x C x P^2 x I",
            "*P = " + shown.loss + " kW",
            "",
            "Güç Kaybı Hesabı (YÜZDE):",
            "*P% = " + shown.lossPercent,
            shown.lossVerdict,
            "",
            "Akım Taşıma Kapasitesi Kontrolü:",
            "I = S / ( Kök3 x İşletme Gerilimi )",
            "I = " + shown.demand + " / ( 1,73 x " + u + " )",
            "I = " + shown.current,
            shown.capacity,
            shown.capacityVerdict};
}

} // namespace voltaris::line_voltage_drop
