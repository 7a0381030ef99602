#include "core/mediumvoltage/conductor_weight.h"

#include "core/numbers.h"

namespace voltaris::conductor_weight {

namespace {

namespace oc = overhead_conductors;

constexpr int kDecimals = 2;

const oc::Conductor& ConductorAt(int index) {
    return oc::BareConductors().at(static_cast<std::size_t>(index));
}

std::string_view KindOf(const oc::Conductor& c) {
    return c.steel > 0 ? "ACSR" : "AAC";
}

// The mass per km as the table shows it (1 decimal), which the computes use too.
double MassOf(const oc::Conductor& c) {
    return RoundHalfEven(c.mass, 1);
}

// The mass per km as the report writes it: "216.1", "57.8", "343".
std::string ReportMass(const oc::Conductor& c) {
    return NumberText(MassOf(c));
}

} // namespace

std::vector<std::string> ConductorEntries() {
    std::vector<std::string> entries;
    for (const oc::Conductor& c : oc::BareConductors())
        entries.push_back(c.name + " (" + std::string(KindOf(c)) + ", " + c.size + ")");
    return entries;
}

std::vector<std::string> TableHeaders() {
    return {"İletken",    "Cinsi",    "Boyut",           "Kesit Al + Çelik (mm²)",
            "Tel Sayısı", "Çap (mm)", "Ağırlık (kg/km)", "R 20 °C (Ω/km)"};
}

std::vector<std::vector<std::string>> TableRows() {
    std::vector<std::vector<std::string>> rows;
    for (const oc::Conductor& c : oc::BareConductors())
        rows.push_back({c.name, std::string(KindOf(c)), c.size, oc::SectionsText(c), c.strands,
                        oc::DiameterText(c), oc::MassText(c), oc::ResistanceText(c)});
    return rows;
}

Outcome<WeightTexts> WeightOf(int conductor, std::string_view length, std::string_view count,
                              WeightTexts start) {
    return RunSteps(std::move(start), [&](WeightTexts& t) {
        const double mass = MassOf(ConductorAt(conductor));
        const double metres = ReadNumber(length);
        const double conductors = ReadNumber(count);
        const double each = checked::Finite(mass * metres / 1000);
        t.each = ResultText(each, kDecimals);
        t.total = ResultText(checked::Finite(each * conductors), kDecimals);
    });
}

Outcome<LengthTexts> LengthOf(int conductor, std::string_view kilograms, std::string_view count,
                              LengthTexts start) {
    return RunSteps(std::move(start), [&](LengthTexts& t) {
        const double mass = MassOf(ConductorAt(conductor));
        const double weight = ReadNumber(kilograms);
        const double conductors = ReadNumber(count);
        const double total = checked::Div(weight * 1000, mass);
        t.total = ResultText(total, kDecimals);
        t.line = ResultText(checked::Div(total, conductors), kDecimals);
    });
}

std::vector<std::string> ReportLines(const WeightReport* weight, const LengthReport* length) {
    std::vector<std::string> lines{"Alüminyum İletkenlerin Kilogram Karşılıkları:"};
    // A block's heading, its conductor and its two given values.
    const auto given = [&lines](std::string_view heading, int index, std::string first,
                                const std::string& count) {
        const oc::Conductor& c = ConductorAt(index);
        lines.emplace_back();
        lines.emplace_back(heading);
        lines.push_back("İletken: " + c.name + " (" + std::string(KindOf(c)) + ", " + c.size + ")");
        lines.push_back("İletkenin Birim Ağırlığı: " + ReportMass(c) + " kg/km");
        lines.push_back(std::move(first));
        lines.push_back("İletken Sayısı: " + count);
    };
    // A quantity's formula in words, with the values, and its result.
    const auto step = [&lines](const std::string& what, std::string_view words,
                               const std::string& values, const std::string& result) {
        for (const std::string& right : {std::string(words), values, result})
            lines.push_back(what + " = " + right);
    };
    if (weight) {
        const std::string mass = ReportMass(ConductorAt(weight->conductor));
        given("Uzunluğa Göre Ağırlık Hesabı:", weight->conductor,
              "Hat Uzunluğu: " + weight->length + " Metre", weight->count);
        step("Bir İletkenin Ağırlığı", "Birim Ağırlık x Uzunluk / 1000",
             mass + " x " + weight->length + " / 1000", weight->shown.each + " kg");
        step("Toplam Ağırlık", "Bir İletkenin Ağırlığı x İletken Sayısı",
             weight->shown.each + " x " + weight->count, weight->shown.total + " kg");
    }
    if (length) {
        const std::string mass = ReportMass(ConductorAt(length->conductor));
        given("Ağırlığa Göre Uzunluk Hesabı:", length->conductor,
              "İletkenlerin Ağırlığı: " + length->kilograms + " kg", length->count);
        step("Toplam İletken Uzunluğu", "Ağırlık x 1000 / Birim Ağırlık",
             length->kilograms + " x 1000 / " + mass, length->shown.total + " Metre");
        step("Hat Uzunluğu", "Toplam İletken Uzunluğu / İletken Sayısı",
             length->shown.total + " / " + length->count, length->shown.line + " Metre");
    }
    return lines;
}

} // namespace voltaris::conductor_weight
