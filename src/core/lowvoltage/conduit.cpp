#include "core/lowvoltage/conduit.h"

#include "core/numbers.h"

#include <cstddef>

namespace voltaris::conduit {

namespace {

constexpr std::array<std::string_view, 10> kSections = {"1.5", "2.5", "4",  "6",  "10",
                                                        "16",  "25",  "35", "50", "70"};

// The conduit diameter (mm) for 1, 2, 3 and 4 conductors, one row per section.
constexpr std::array<std::array<double, 4>, 10> kDiameters = {{
    {11, 11, 13.5, 16},
    {11, 11, 13.5, 16},
    {11, 13.5, 16, 21},
    {11, 16, 21, 23},
    {11, 21, 23, 29},
    {13.5, 23, 29, 29},
    {16, 29, 29, 36},
    {16, 36, 36, 42},
    {21, 36, 42, 48},
    {23, 42, 42, 48},
}};

constexpr double kInchesPerMm = 0.03937;
constexpr double kCmPerInch = 2.54;
constexpr double kPi = 3.14159265358979;

} // namespace

std::span<const std::string_view> Sections() {
    return kSections;
}

std::optional<std::array<std::string, 4>> TableTexts(int section) {
    if (section < 0 || static_cast<std::size_t>(section) >= kDiameters.size())
        return std::nullopt;
    const std::array<double, 4>& row = kDiameters[static_cast<std::size_t>(section)];
    return std::array<std::string, 4>{NumberText(row[0]), NumberText(row[1]), NumberText(row[2]),
                                      NumberText(row[3])};
}

double FillFactor(int count, Cable cable) {
    const bool armoured = cable == Cable::Armoured;
    switch (count) {
    case 1:
        return 0.53;
    case 2:
        return armoured ? 0.3 : 0.31;
    case 3:
        return 0.4;
    case 4:
        return armoured ? 0.38 : 0.4;
    default:
        return armoured ? 0.35 : 0.4;
    }
}

Outcome<Calculation> Add(std::string_view diameter, Cable cable, Calculation shown) {
    return RunSteps(std::move(shown), [&](Calculation& c) {
        const double d = ReadNumber(diameter);
        const double square = checked::Finite(d * d);
        c.cables.sumOfSquares = checked::Finite(c.cables.sumOfSquares + square);
        c.cables.lines.push_back("Kablo Dış Çapı: " + std::string(diameter) + " mm");
        const int count = static_cast<int>(c.cables.lines.size());
        const double squares = count == 1 ? square : c.cables.sumOfSquares;
        const double conduit = checked::Sqrt(checked::Div(squares, FillFactor(count, cable)));
        c.inches = ResultText(conduit * kInchesPerMm, 2);
        c.centimetres = ResultText(ReadNumber(c.inches) * kCmPerInch, 2);
    });
}

std::string DiameterMessage(double section) {
    const double diameter = RoundHalfEven(checked::Sqrt(4 * section / kPi), 2);
    return "İletkenin Çapı " + NumberText(diameter) + " mm'dir.";
}

std::string SectionMessage(double diameter) {
    const double section = RoundHalfEven(checked::Finite(diameter * diameter * kPi / 4), 2);
    return "İletkenin Kesiti " + NumberText(section) + " mm²'dir.";
}

} // namespace voltaris::conduit
