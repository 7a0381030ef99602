#include "core/lowvoltage/cable_section.h"

#include "core/lowvoltage/compensation_common.h"
#include "core/numbers.h"

#include <array>
#include <cmath>

namespace voltaris::cable_section {

namespace {

using cable_line::Verdict;

std::string Rounded2(double value) {
    return RoundTripText(RoundHalfEven(value, kDecimals));
}

// The standard fuse ratings (A), those of the fuse rating window.
constexpr std::array<double, 30> kFuseRatings{
    1,   2,   3,   4,   6,   10,  16,  20,  25,  32,  40,   50,   63,   80,   100,
    125, 160, 200, 225, 250, 300, 400, 500, 630, 800, 1000, 1250, 1600, 2000, 2500,
};

// The smallest standard rating that `fits`; empty when none does.
template <class Fits> std::string SmallestFuse(Fits fits) {
    for (double rating : kFuseRatings)
        if (fits(rating))
            return NumberText(rating);
    return {};
}

// The cable's own drop against the limit: below it suits, otherwise not.
VerdictText DropVerdict(double percent, const std::string& limit) {
    if (percent < ReadNumber(limit))
        return {Verdict::Suitable, limit + " V'dan Küçük Olduğundan Uygun"};
    return {Verdict::Unsuitable, limit + " V'dan Büyük Olduğundan Uygun Değil"};
}

std::string CapacitySentence(const char* where, double parallel, double rating) {
    return std::string("Seçilen Kablo ") + where + " " +
           cable_line::CapacityText(parallel, rating) + " Amper Akım Taşımaktadır.";
}

} // namespace

Outcome<Texts> Compute(const Inputs& in, Texts start) {
    return RunSteps(std::move(start), [&](Texts& t) {
        const Phases phases = cable_line::PhasesOf(in.supply);
        const double u = ReadNumber(in.voltage);
        const double n = cable_line::ParallelCount(in.parallel);
        const double e = ReadNumber(in.limit);
        const double l = ReadNumber(in.length);
        const double x = ReadNumber(in.loadValue);
        const double k = ReadNumber(in.conductivity);
        double section = 0;
        if (in.load == Load::Power) {
            const double factor = phases == Phases::Three ? 100 : 200;
            section = checked::Div(checked::Div(factor * l * x, k * e * u * u), n);
        } else if (phases == Phases::Three) {
            const double c = ReadNumber(in.cosPhi);
            section = checked::Div(checked::Div(100 * std::sqrt(3.0) * l * x * c, k * e * u), n);
        } else {
            // DC and single-phase alike: the single-phase current formula has no cos φ.
            section = checked::Div(checked::Div(200 * l * x, k * e * u), n);
        }
        t.section = Rounded2(section);

        Line line{in.load, phases, l, x, u, n, in.cosPhi, in.limit, {}};
        line.current = cable_line::LineCurrentOf(in.load, phases, in.loadValue, in.cosPhi, u);
        t.currentSentence = cable_line::LineCurrentSentence(line.current.text);
        t.line = std::move(line);
    });
}

double DropPercent(double resistance, double reactance, const Line& line) {
    const double km = line.length / 1000;
    if (line.phases == Phases::Dc) {
        const double term =
            line.load == Load::Power ? line.loadValue / line.voltage : line.loadValue;
        return checked::Div(200 * term * km * resistance, line.parallel * line.voltage);
    }
    const double perKm = resistance + reactance * compensation::TangentOf(line.cosPhi);
    const double b = line.phases == Phases::Three ? 1 : 2;
    if (line.load == Load::Power)
        return checked::Div(b * 100 * line.loadValue * km * perKm,
                            line.parallel * line.voltage * line.voltage);
    const double c = ReadNumber(line.cosPhi);
    const double root = line.phases == Phases::Three ? std::sqrt(3.0) : 2;
    return checked::Div(root * 100 * line.loadValue * c * km * perKm, line.parallel * line.voltage);
}

Selection CheckCable(const cable_tables::Cable& cable, const Line& line) {
    Selection s;
    s.size = line.parallel > 1
                 ? "Seçilen Kesit " + NumberText(line.parallel) + "(" + cable.name + ") mm²'dir."
                 : "Seçilen Kesit " + cable.name + " mm²'dir.";
    s.earth = CapacitySentence("Toprakta", line.parallel, cable.earth);
    s.air = CapacitySentence("Havada", line.parallel, cable.air);
    s.earthHeating = cable_line::HeatingVerdict(line.current.value, line.parallel * cable.earth);
    s.airHeating = cable_line::HeatingVerdict(line.current.value, line.parallel * cable.air);
    try {
        const double percent =
            RoundHalfEven(DropPercent(cable.resistance, cable.reactance, line), 4);
        s.drop = RoundTripText(percent);
        s.dropVerdict = DropVerdict(percent, line.limit);
    } catch (const ComputeFailure&) {
        // A power factor of 0 has no tangent: no drop and no verdict.
    }
    return s;
}

Selection CheckOverhead(cable_tables::OverheadKind kind, const cable_tables::Overhead& conductor,
                        const Line& line) {
    Selection s;
    const double capacity = line.parallel * conductor.rating;
    s.earth = cable_tables::OverheadCapacitySentence(kind, conductor.name, NumberText(capacity));
    s.earthHeating = cable_line::HeatingVerdict(line.current.value, capacity);
    return s;
}

const std::vector<std::string>& FuseFactorList() {
    static const std::vector<std::string> list = {"1.1 (Otomatik Sigorta)", "1.4 (NH Sigorta)"};
    return list;
}

Fuse FuseFor(const Inputs& in, int factor) {
    const double u = ReadNumber(in.voltage);
    const cable_line::LineCurrent current = cable_line::LineCurrentOf(
        in.load, cable_line::PhasesOf(in.supply), in.loadValue, in.cosPhi, u);
    const double perCable = checked::Div(current.value, cable_line::ParallelCount(in.parallel));
    const double f = factor == 0 ? 1.1 : 1.4;
    return {current.text, Rounded2(perCable),
            SmallestFuse([perCable](double rating) { return rating >= perCable; }),
            SmallestFuse([x = perCable / f](double rating) { return rating > x; })};
}

std::vector<std::string> ReportLines(const Inputs& in, std::string_view section,
                                     std::string_view current) {
    const Phases phases = cable_line::PhasesOf(in.supply);
    const bool power = in.load == Load::Power;
    const std::string& l = in.length;
    const std::string& x = in.loadValue;
    const std::string& k = in.conductivity;
    const std::string& e = in.limit;
    const std::string& u = in.voltage;
    const std::string& c = in.cosPhi;
    const std::string n = NumberText(cable_line::ParallelCount(in.parallel));

    std::vector<std::string> lines = {"Kesit Hesabı:"};
    for (std::string& line : cable_line::PhaseLines(phases))
        lines.push_back(std::move(line));
    lines.push_back("Gerilim: " + u + (phases == Phases::Dc ? " Volt DC" : " Volt"));
    lines.push_back("Hat Uzunluğu: " + l + " Metre");
    lines.push_back(power ? "Güç: " + x + " Watt" : "Akım: " + x + " Amper");
    if (phases != Phases::Dc)
        lines.push_back("Cosinüs: " + c);
    lines.push_back("Öziletkenlik Sabiti: " + k + " Sm/mm²");
    lines.push_back("Gerilim Düşümü Limiti: %" + e);
    lines.push_back("Parelel Hat Sayısı : " + in.parallel);
    lines.push_back("");

    const std::string perLimit = " / (Öziletkenlik Sabiti x Gerilim Düşümü Limiti x Gerilim";
    std::string formula, values;
    if (power) {
        const std::string factor = phases == Phases::Three ? "100" : "200";
        formula = "S = ((" + factor + " x Hat Uzunluğu x Güç)" + perLimit + "^2)) / Parelel Hat";
        values = "S = ((" + factor + " x " + l + " x " + x + ") / (" + k + " x " + e + " x " + u +
                 "^2)) / " + n;
    } else {
        const std::string divisor = ") / (" + k + " x " + e + " x " + u + ")) / " + n;
        if (phases == Phases::Three) {
            formula = "S = ((100 x Karekök(3) x Hat Uzunluğu x Akım x Cosinüs)";
            values = "S = ((100 x 1.73 x " + l + " x " + x + " x " + c + divisor;
        } else {
            formula = phases == Phases::Dc ? "S = ((200 x Hat Uzunluğu x Amper)"
                                           : "S = ((200 x Hat Uzunluğu x Akım)";
            values = "S = ((200 x " + l + " x " + x + divisor;
        }
        formula += perLimit + ")) / Parelel Hat";
    }
    lines.insert(lines.end(),
                 {formula, values, "S = " + std::string(section),
                  "Hesaplanan Kablo/İletken Kesit Değerinden her zaman 1 üst kesit değerini "
                  "seçmeniz önerilir...",
                  ""});

    const cable_line::CurrentBlock block{in.load, phases, x, u, c, current};
    for (std::string& line : cable_line::CurrentBlockLines(block, "Kablo/İletken"))
        lines.push_back(std::move(line));
    return lines;
}

Message LimitNote() {
    return InfoMessage(JoinLines({
        "Ulaştırılması Planlanan Enerjinin Tesisi/Cihazı Maksimum Performansta Çalışması "
        "bakımından",
        "bu değerin en fazla %3 olarak girilmesi tavsiye edilmektedir...",
    }));
}

Message SectionNote() {
    return InfoMessage(JoinLines({
        "Kesit Hesaplamada:",
        "Uzun Mesafede Kesiti: Gerilim Düşümü Hesabı...",
        "Kısa Mesafede Kesiti: Akım Kontrolü Hesabı Belirler...",
        "Ayrıca Isınma Bakımından Kontolü Hesabıda (Akım Taşıma Kapasitesi Uygunluk Hesabı) "
        "yapılmalıdır.",
        "Ayrıca Kablo Kesit hesaplamada düzeltme faktörleri yoktur.",
        "Hesaplanan Kesit Değerinden her zaman 1 üst kesit değerini seçmeniz önerilir...",
        "Bu Bölümdeki Hesaplamalar sadece bilgi amaçlıdır.",
        "Gerçek Kesit için projecinizle görüşünüz.",
        "Oluşabilecek problemlerden mesul değilim.",
    }));
}

} // namespace voltaris::cable_section
