#include "core/lowvoltage/overhead_line_drop.h"

#include "core/numbers.h"

#include <cmath>

namespace voltaris::overhead_line_drop {

namespace {

constexpr int kDecimals = 2;

bool RowGiven(const Inputs& in, int row) {
    return row == 0 || !in.loads[row].empty() || !in.distances[row].empty();
}

std::string FieldName(int number) {
    return "Text" + std::to_string(number);
}

const overhead_conductors::Conductor& ConductorOf(const Inputs& in) {
    return overhead_conductors::Conductors(in.family).at(static_cast<std::size_t>(in.conductor));
}

// The loads of the case with their distances from the feeding point (m).
struct Moment {
    double sum = 0;   // Σ load × distance
    double loads = 0; // Σ load
};

Moment MomentOf(const Inputs& in) {
    if (in.layout == Layout::EndLoad) {
        const double load = ReadNumber(in.endLoad);
        return {checked::Finite(load * ReadNumber(in.endLength)), load};
    }
    Moment m;
    for (int row = 0; row < kLoadRows; ++row) {
        if (!RowGiven(in, row))
            continue;
        const double load = ReadNumber(in.loads[row]);
        m.sum = checked::Finite(m.sum + load * ReadNumber(in.distances[row]));
        m.loads = checked::Finite(m.loads + load);
    }
    return m;
}

std::string_view LoadWord(Load load) {
    return load == Load::Power ? "Güç" : "Akım";
}
std::string_view LoadUnitWord(Load load) {
    return load == Load::Power ? " Watt" : " Amper";
}
std::string_view MomentUnit(Load load) {
    return load == Load::Power ? " W.m" : " A.m";
}

std::string Decimals4(double value) {
    return ResultText(value, 4);
}

} // namespace

std::string_view VoltageOf(Phases phases) {
    return phases == Phases::Single ? "220" : "380";
}

std::vector<std::string> TestedFields(const Inputs& in) {
    std::vector<std::string> fields{"Text1"};
    if (in.layout == Layout::EndLoad) {
        fields.push_back("Text2");
        fields.push_back("Text3");
        return fields;
    }
    for (int row = 0; row < kLoadRows; ++row) {
        if (row == 0 || in.loads[row].empty() != in.distances[row].empty()) {
            fields.push_back(FieldName(4 + row));
            fields.push_back(FieldName(9 + row));
        }
    }
    return fields;
}

Outcome<Texts> Compute(const Inputs& in, Texts start) {
    return RunSteps(std::move(start), [&in](Texts& t) {
        const overhead_conductors::Conductor& conductor = ConductorOf(in);
        const double u = ReadNumber(in.voltage);
        const double c = ReadNumber(in.cosPhi);
        const double sine = checked::Sqrt(1 - c * c);
        const Moment moment = MomentOf(in);
        t.moment = ResultText(moment.sum, kDecimals);

        const double r = conductor.resistance;
        const double x = conductor.reactance;
        const bool three = in.phases == Phases::Three;
        const double root3 = std::sqrt(3.0);
        double drop = 0;
        if (in.load == Load::Power) {
            // ΔU = k × M × (R + X tan φ) / (1000 × U), M in W·m, R and X in Ω/km.
            const double factor = r + x * checked::Div(sine, c);
            drop = checked::Div((three ? 1 : 2) * moment.sum * factor, 1000 * u);
        } else {
            // ΔU = k × M × (R cos φ + X sin φ) / 1000, M in A·m.
            drop = checked::Finite((three ? root3 : 2) * moment.sum * (r * c + x * sine) / 1000);
        }
        t.drop = ResultText(drop, kDecimals);
        t.percent = ResultText(checked::Div(100 * drop, u), kDecimals);

        const double current = in.load == Load::Power
                                   ? checked::Div(moment.loads, (three ? root3 : 1) * u * c)
                                   : moment.loads;
        t.current = ResultText(current, kDecimals);

        // The regulation's "must not exceed": the limit itself still suits.
        if (ReadNumber(t.percent) <= kLimitPercent)
            t.limit = VerdictText{cable_line::Verdict::Suitable, "%5 Sınırını Aşmadığından Uygun"};
        else
            t.limit =
                VerdictText{cable_line::Verdict::Unsuitable, "%5 Sınırını Aştığından Uygun Değil"};
    });
}

std::vector<std::string> ReportLines(const Inputs& in, const Texts& shown,
                                     std::string_view limitCaption) {
    const overhead_conductors::Conductor& conductor = ConductorOf(in);
    const bool three = in.phases == Phases::Three;
    const bool power = in.load == Load::Power;
    const std::string unit(LoadUnitWord(in.load));
    std::vector<std::string> lines{"Havai Hatlarda Gerilim Düşümü Hesabı:"};
    for (std::string& line : cable_line::PhaseLines(in.phases))
        lines.push_back(std::move(line));
    lines.push_back("Gerilim: " + in.voltage + " Volt AC");
    lines.push_back("İletken: " + conductor.name + " (" +
                    std::string(overhead_conductors::FamilyCaption(in.family)) + ")");
    lines.push_back("İletkenin Direnci (20 °C): " + Decimals4(conductor.resistance) + " Ohm/km");
    lines.push_back("İletkenin Reaktansı: " + Decimals4(conductor.reactance) + " Ohm/km");
    lines.push_back("Cosinüs: " + in.cosPhi);

    std::string values;
    if (in.layout == Layout::EndLoad) {
        lines.push_back(std::string(LoadWord(in.load)) + ": " + in.endLoad + unit);
        lines.push_back("Hat Uzunluğu: " + in.endLength + " Metre");
        values = in.endLoad + " x " + in.endLength;
    } else {
        for (int row = 0; row < kLoadRows; ++row) {
            if (!RowGiven(in, row))
                continue;
            lines.push_back(std::to_string(row + 1) + ". Yük: " + in.loads[row] + unit +
                            ", Besleme Noktasına Uzaklığı: " + in.distances[row] + " Metre");
            values +=
                (values.empty() ? "(" : " + (") + in.loads[row] + " x " + in.distances[row] + ")";
        }
    }
    lines.emplace_back();
    lines.push_back("Moment Toplamı:");
    lines.push_back(in.layout == Layout::EndLoad
                        ? "M = " + std::string(LoadWord(in.load)) + " x Hat Uzunluğu"
                        : "M = Toplam (Yük x Besleme Noktasına Uzaklığı)");
    lines.push_back("M = " + values);
    lines.push_back("M = " + shown.moment + std::string(MomentUnit(in.load)));
    lines.emplace_back();

    lines.push_back("Gerilim Düşümü Hesabı:");
    const std::string r = Decimals4(conductor.resistance);
    const std::string x = Decimals4(conductor.reactance);
    if (power) {
        const std::string k = three ? "" : "2 x ";
        lines.push_back("V = " + k + "M x (R + X x Tanjant) / (1000 x Gerilim)");
        lines.push_back("V = " + k + shown.moment + " x (" + r + " + " + x + " x Tan(" + in.cosPhi +
                        ")) / (1000 x " + in.voltage + ")");
    } else {
        lines.push_back(three ? "V = Kare kök(3) x M x (R x Cosinüs + X x Sinüs) / 1000"
                              : "V = 2 x M x (R x Cosinüs + X x Sinüs) / 1000");
        lines.push_back("V = " + std::string(three ? "1.73" : "2") + " x " + shown.moment + " x (" +
                        r + " x " + in.cosPhi + " + " + x + " x Sin(" + in.cosPhi + ")) / 1000");
    }
    lines.push_back("V = " + shown.drop + " Volt");
    lines.emplace_back();

    lines.push_back("Yüzde Olarak Gerilim Düşümü Hesabı:");
    lines.push_back("%V = 100 x V / Gerilim");
    lines.push_back("%V = 100 x " + shown.drop + " / " + in.voltage);
    lines.push_back("%V = " + shown.percent);
    lines.emplace_back(limitCaption);
    lines.emplace_back();

    lines.push_back("Hat Başındaki Akım:");
    if (power)
        lines.push_back(three ? "I = Toplam Güç / (Kare kök(3) x Gerilim x Cosinüs)"
                              : "I = Toplam Güç / (Gerilim x Cosinüs)");
    else
        lines.push_back("I = Toplam Akım");
    lines.push_back("I = " + shown.current + " Amper");
    return lines;
}

} // namespace voltaris::overhead_line_drop
