#include "core/lowvoltage/generation.h"

namespace voltaris::generation {

namespace {

using checked::Div;
using checked::Finite;
using checked::Sqrt;

constexpr double kAirFactor = 0.625; // ½·ρ with ρ = 1.25 kg/m³
constexpr double kGravity = 9.81;
constexpr std::string_view kTransferred = "Hesapladığınız Debi Aktarılmıştır...";

std::string N(double value) {
    return NumberText(value);
}

} // namespace

std::vector<std::string> EfficiencyEntries() {
    std::vector<std::string> entries;
    for (int n = 1; n <= 100; ++n)
        entries.push_back(FormatNumber(n / 100.0, NumberPattern::PercentGrouped));
    return entries;
}

double EfficiencyOf(std::string_view entry) {
    if (entry.starts_with('%'))
        entry.remove_prefix(1);
    return ReadNumber(entry);
}

Outcome<WindResult> Wind(const WindInputs& in, WindResult shown) {
    return RunSteps(std::move(shown), [&in](WindResult& out) {
        const double given = ReadNumber(in.given);
        const double v = ReadNumber(in.speed);
        const double eta = EfficiencyOf(in.efficiency);
        if (in.direction == Direction::PowerFromDiameter) {
            out.sweptArea = given * given * kPi / 4;
            out.result =
                ResultText(Finite(kAirFactor * out.sweptArea * v * v * v * (eta / 100) / 1000), 4);
        } else {
            out.requiredPower = Div(given * 100, eta);
            out.result =
                ResultText(Sqrt(Div(Div(out.requiredPower, kAirFactor * v * v * v) * 4, kPi)), 4);
        }
    });
}

std::vector<std::string> WindReportLines(const WindInputs& in, const WindResult& kept) {
    const std::string eta = N(EfficiencyOf(in.efficiency));
    if (in.direction == Direction::PowerFromDiameter)
        return {std::string(kWindReportName),
                "Rotor Çapına göre Güç Hesabı:",
                "",
                "Rotor Çapı: " + in.given + " Metre",
                "Türbin Verimi: " + in.efficiency,
                "Rüzgar Hızı: " + in.speed,
                "",
                "Rotor Süpürme Alanı = (Pi / 4) x Rotor Çapı ^ 2 ",
                "A = (3.14 / 4) x " + in.given + " ^ 2",
                "A = " + N(kept.sweptArea),
                "",
                "Türbinin Üreteceği Güç = (0,625 x Rotor Süpürme Alanı x Rüzgar Hızı ^ 3) x ( "
                "Türbin Verimi / 100) / 1000",
                "W = (0.625 x A x V ^ 3) x (Türbin Verimi / 100)",
                "W = (0.625 x " + N(kept.sweptArea) + " x " + in.speed + " ^ 3) x (" + eta +
                    " / 100) / 1000",
                "W = " + kept.result + " Kilowatt"};
    return {std::string(kWindReportName),
            "Güce Göre Rotor Çapı Hesabı:",
            "",
            "İstenen Güç: " + in.given + " Watt",
            "Türbin Verimi: " + in.efficiency,
            "Rüzgar Hızı: " + in.speed,
            "",
            "Türbin Verimine Göre Olması Gereken Güç = (İstenen Güç x 100) /  Türbin Verimi",
            "%W = (" + in.given + " x 100 ) / " + eta,
            "%W = " + N(kept.requiredPower),
            "",
            "Türbinin Rotor Çapı = Karekök (((Türbin Verimine Göre Olması Gereken Güç / (0.625 x "
            "(Rüzgar Hızı ^ 3)) x 4) / Pi))",
            "R = Karekök (((%W / (0.625 x (Rüzgar Hızı ^ 3)) x 4) / 3.14))",
            "R = Karekök ((( " + N(kept.requiredPower) + " / ( 0.625 x (" + in.speed +
                " ^ 3 )) x 4) / 3.14))",
            "R = " + kept.result + " Metre"};
}

Outcome<std::string> Hydro(const HydroInputs& in, std::string shown) {
    return RunSteps(std::move(shown), [&in](std::string& out) {
        const double h = ReadNumber(in.head);
        const double q = ReadNumber(in.flow);
        out = ResultText(Finite(EfficiencyOf(in.efficiency) / 100 * h * q * kGravity), 4);
    });
}

std::vector<std::string> HydroReportLines(const HydroInputs& in, std::string_view result) {
    return {std::string(kHydroReportName),
            "Hidroelektrik Güç Hesabı:",
            "",
            "Suyun Türbine Çarpma Yüksekliği: " + in.head + " Metre",
            "Suyun Debisi: " + in.flow + " Metreküp/Saniye",
            "Verimi: " + in.efficiency,
            "",
            "Hidroelektrik Güç Potansiyeli = Verimlilik x Düşü x Suyun Debisi x Yerçekimi İvmesi",
            "Pe = (e / 100) x H x Q x g",
            "Pe = (" + N(EfficiencyOf(in.efficiency)) + " / 100) x " + in.head + " x " + in.flow +
                " x 9.81",
            "Pe = " + std::string(result) + " Kilowatt"};
}

Transfer Flow(double area, double speed) {
    const std::string q = N(Finite(area * speed));
    return {q, "Akarsuyun Ortalama Debisi " + q + " Metreküp/Saniye'dir.\n" +
                   std::string(kTransferred)};
}

Transfer RotorDiameter(double sweptArea) {
    const std::string d = ResultText(Sqrt(4 * sweptArea / kPi), 2);
    return {d, "Rotorun Çapı " + d + " metredir.\n" + std::string(kTransferred)};
}

} // namespace voltaris::generation
