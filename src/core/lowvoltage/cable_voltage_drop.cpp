#include "core/lowvoltage/cable_voltage_drop.h"

#include "core/circuits/conductor_section.h"
#include "core/numbers.h"

#include <cmath>

namespace voltaris::cable_voltage_drop {

namespace {

using cable_line::Phases;
using cable_line::Verdict;

// A result as its field shows it: rounded to 12 decimals, the shortest text of that double.
std::string Shown(double value) {
    return RoundTripText(RoundHalfEven(value, kDecimals));
}

// The judgement of the percentage: below 5 suits, 5 or more does not.
constexpr double kLimitPercent = 5;
VerdictText LimitVerdict(double percent) {
    if (percent < kLimitPercent)
        return {Verdict::Suitable, "5 V'dan Küçük Olduğundan Uygun"};
    return {Verdict::Unsuitable, "5 V'dan Büyük Olduğundan Uygun Değil"};
}

} // namespace

Outcome<Texts> Compute(const Inputs& in, Texts start) {
    return RunSteps(std::move(start), [&](Texts& t) {
        const double u = ReadNumber(in.voltage);
        t.kept.voltage = u;
        const double n = cable_line::ParallelCount(in.parallel);
        t.kept.parallel = n;
        const cable_ratings::Rating& rating =
            cable_ratings::RatingOf(cable_line::MetalOf(in.conductor), in.section);
        t.kept.earth = rating.earth;
        t.kept.air = rating.air;

        const Phases phases = cable_line::PhasesOf(in.supply);
        const double l = ReadNumber(in.length);
        const double x = ReadNumber(in.loadValue);
        const double k = ReadNumber(in.conductivity);
        const double s = ReadNumber(in.section);
        // k × S × n, the conductance per metre of the line's cables.
        const double conductance = k * s * n;
        if (in.load == Load::Power) {
            // Two conductors carry a DC or single-phase load; a three-phase load on its own.
            const double run = phases == Phases::Three ? l * x : 2 * l * x;
            const double percentRun = phases == Phases::Three ? 100 * l * x : 200 * l * x;
            t.drop = Shown(checked::Div(run, conductance * u));
            t.percent = Shown(checked::Div(percentRun, conductance * u * u));
        } else if (phases == Phases::Dc) {
            t.drop = Shown(checked::Div(2 * l * x, conductance));
            t.percent = Shown(checked::Div(200 * l * x, conductance * u));
        } else if (phases == Phases::Single) {
            const double c = ReadNumber(in.cosPhi);
            t.drop = Shown(checked::Div(2 * l * x * c, conductance));
            t.percent = Shown(checked::Div(200 * l * x * c, conductance * u));
        } else {
            const double c = ReadNumber(in.cosPhi);
            const double root3 = std::sqrt(3.0);
            t.drop = Shown(checked::Div(root3 * l * x * c, conductance));
            t.percent = Shown(checked::Div(root3 * 100 * l * x * c, conductance * u));
        }

        const cable_line::LineCurrent current =
            cable_line::LineCurrentOf(in.load, phases, in.loadValue, in.cosPhi, u);
        t.kept.current = current.value;
        t.current = current.text;
        t.currentSentence = cable_line::LineCurrentSentence(current.text);

        if (in.conductor != Conductor::Own) {
            t.earthCapacity = "Seçilen Kesit Toprakta " +
                              cable_line::CapacityText(n, rating.earth) +
                              " Amper Akım Taşımaktadır.";
            t.airCapacity = "Seçilen Kesit Havada " + cable_line::CapacityText(n, rating.air) +
                            " Amper Akım Taşımaktadır.";
        }

        t.limit = LimitVerdict(ReadNumber(t.percent));
    });
}

HeatingVerdicts HeatingCheck(const Kept& kept) {
    return {cable_line::HeatingVerdict(kept.current, kept.parallel * kept.earth),
            cable_line::HeatingVerdict(kept.current, kept.parallel * kept.air)};
}

std::vector<std::string> ReportLines(const Inputs& in, const Kept& kept, const Texts& shown,
                                     std::string_view limitCaption) {
    const Phases phases = cable_line::PhasesOf(in.supply);
    const bool power = in.load == Load::Power;
    const std::string& l = in.length;
    const std::string& x = in.loadValue;
    const std::string& k = in.conductivity;
    const std::string& c = in.cosPhi;
    const std::string u = NumberText(kept.voltage);
    const std::string cables = "(" + in.section + " x " + NumberText(kept.parallel) + ")";
    const std::string lineCables = "(Öziletkenlik Sabiti x (Kablo Kesiti x Parelel Hat)";

    std::vector<std::string> lines = {"Kablolu Hatlarda Gerilim Düşümü Hesabı:"};
    for (std::string& line : cable_line::PhaseLines(phases))
        lines.push_back(std::move(line));
    lines.push_back("Gerilim: " + u + (phases == Phases::Dc ? " Volt DC" : " Volt AC"));
    lines.push_back("Hat Uzunluğu: " + l + " Metre");
    lines.push_back(power ? "Güç: " + x + " Watt" : "Akım: " + x + " Amper");
    lines.push_back("Kablo Kesiti: " + in.section + " mm²");
    if (phases != Phases::Dc)
        lines.push_back("Cosinüs: " + c);
    lines.push_back("Öziletkenlik Sabiti: " + k + " Sm/mm²");
    lines.push_back("Parelel Hat Sayısı : " + in.parallel);
    lines.push_back("");

    // The formulas of the case in words and with the values.
    std::string drop, dropValues, percent, percentValues;
    if (power) {
        const bool three = phases == Phases::Three;
        drop = three ? "V = (Hat Uzunluğu x Güç) / " : "V = (2 x Hat Uzunluğu x Güç) / ";
        drop += lineCables + " x Gerilim)";
        dropValues = std::string(three ? "V = (" : "V = (2 x ") + l + " x " + x + ") / (" + k +
                     " x " + cables + " x " + u + ")";
        percent =
            three ? "%V = (100 x Hat Uzunluğu x Güç) / " : "%V = (200 x Hat Uzunluğu x Güç) / ";
        percent += lineCables + " x Gerilim^2)";
        percentValues = std::string(three ? "%V = (100 x " : "%V = (200 x ") + l + " x " + x +
                        ") / (" + k + " x " + cables + " x " + u + "^2)";
    } else {
        const std::string cos = phases == Phases::Dc ? "" : " x Cosinüs";
        const std::string cosValue = phases == Phases::Dc ? "" : " x " + c;
        const std::string divisor = ") / (" + k + " x " + cables;
        if (phases == Phases::Three) {
            drop = "V = (Kare kök(3) x Hat Uzunluğu x Akım x Cosinüs) / ";
            dropValues = "V = (1.73 x " + l + " x " + x + cosValue + divisor + ")";
            percent = "%V = (Kare Kök(3) x 100 x Hat Uzunluğu x Akım x Cosinüs) / ";
            percentValues =
                "%V = (1.73 x 100 x " + l + " x " + x + cosValue + divisor + " x " + u + ")";
        } else {
            drop = "V = (2 x Hat Uzunluğu x Akım" + cos + ") / ";
            dropValues = "V = (2 x " + l + " x " + x + cosValue + divisor + ")";
            percent = "%V = (200 x Hat Uzunluğu x Akım" + cos + ") / ";
            percentValues = "%V = (200 x " + l + " x " + x + cosValue + divisor + " x " + u + ")";
        }
        drop += lineCables + ")";
        percent += lineCables + " x Gerilim)";
    }
    lines.insert(lines.end(), {"Gerilim Düşümü Hesabı:", drop, dropValues, "V = " + shown.drop, "",
                               "Yüzde Olarak Gerilim Düşümü Hesabı:", percent, percentValues,
                               "%V = " + shown.percent, std::string(limitCaption), ""});

    const cable_line::CurrentBlock block{in.load, phases, x, u, c, shown.current};
    for (std::string& line : cable_line::CurrentBlockLines(block, "Kablo"))
        lines.push_back(std::move(line));
    return lines;
}

Message SectionMessage(double diameter) {
    return ResultMessage("Hesaplanan İletkenin Kesiti " +
                         NumberText(conductor_section::SectionOf(diameter)) +
                         " MiliMetreKare(mm²)'dir...");
}

} // namespace voltaris::cable_voltage_drop
