#include "core/circuits/air_core_coil.h"

#include "core/numbers.h"

#include <array>

namespace voltaris::air_core_coil {

namespace {

using checked::Div;
using checked::Finite;

// The list has no "1,50"; "1,60" carries 0.595.
constexpr std::array<NagaokaEntry, 59> kEntries = {{
    {"0,00", 1},       {"0,05", 0.979},   {"0,10", 0.959},   {"0,15", 0.939},   {"0,20", 0.92},
    {"0,25", 0.902},   {"0,30", 0.884},   {"0,35", 0.867},   {"0,40", 0.85},    {"0,45", 0.834},
    {"0,50", 0.818},   {"0,55", 0.803},   {"0,60", 0.789},   {"0,65", 0.775},   {"0,70", 0.761},
    {"0,75", 0.748},   {"0,80", 0.735},   {"0,85", 0.723},   {"0,90", 0.711},   {"0,95", 0.7},
    {"1,00", 0.688},   {"1,10", 0.667},   {"1,20", 0.648},   {"1,30", 0.629},   {"1,40", 0.612},
    {"1,60", 0.595},   {"1,70", 0.565},   {"1,80", 0.551},   {"1,90", 0.538},   {"2,00", 0.526},
    {"2,20", 0.503},   {"2,40", 0.482},   {"2,60", 0.463},   {"2,80", 0.445},   {"3,00", 0.429},
    {"3,20", 0.415},   {"3,40", 0.401},   {"3,60", 0.388},   {"3,80", 0.376},   {"4,00", 0.365},
    {"4,50", 0.342},   {"5,00", 0.32},    {"5,50", 0.301},   {"6,00", 0.285},   {"6,50", 0.271},
    {"7,00", 0.258},   {"7,50", 0.247},   {"8,00", 0.237},   {"9,00", 0.219},   {"10,00", 0.203},
    {"12,00", 0.179},  {"15,00", 0.153},  {"20,00", 0.124},  {"25,00", 0.105},  {"30,00", 0.091},
    {"40,00", 0.0808}, {"45,00", 0.0664}, {"50,00", 0.0611}, {"100,00", 0.035},
}};

// A result written rounded to three decimals.
std::string Rounded(double value) {
    return ResultText(Finite(value), kDecimals);
}

} // namespace

std::span<const NagaokaEntry> NagaokaEntries() {
    return kEntries;
}

double EntryRatio(std::string_view text) {
    return ReadPromptNumber(text);
}

Outcome<SingleLayer> ComputeSingleLayer(SingleLayer tab) {
    return RunSteps(std::move(tab), [](SingleLayer& t) {
        const double ratio = Div(2 * ReadNumber(t.radius), ReadNumber(t.length));
        for (std::size_t i = 0; i < kEntries.size(); ++i) {
            if (EntryRatio(kEntries[i].text) > ratio) {
                t.entry = static_cast<int>(i);
                break;
            }
        }
        if (t.entry < 0)
            throw ComputeFailure("no Nagaoka entry chosen");
        const double k = kEntries[static_cast<std::size_t>(t.entry)].coefficient;

        const double r = ReadNumber(t.radius);
        const double l = ReadNumber(t.length);
        const double n = ReadNumber(t.turns);
        t.nagaoka = Rounded(Div(k * (4 * (r * r) * 0.00987 * (n * n)), l));
        t.wire = Rounded(Div(l, n));
        t.empirical = Rounded(Div(0.394 * (r * r) * (n * n), 9 * r + 10 * l));
    });
}

Outcome<MultiLayer> ComputeMultiLayer(MultiLayer tab) {
    return RunSteps(std::move(tab), [](MultiLayer& t) {
        const double r = ReadNumber(t.radius);
        const double l = ReadNumber(t.length);
        const double b = ReadNumber(t.depth);
        const double n = ReadNumber(t.turns);
        t.inductance = Rounded(Div(0.315 * (r * r) * (n * n), 6 * r + 9 * l + 10 * b));
        // Left open by the window: the largest round wire whose turns, each taking a square of
        // the wire's diameter, fill the winding's cross-section b × l: d = √(b·l / N) (the
        // winding depth b and length l of H. A. Wheeler, "Simple Inductance Formulas for Radio
        // Coils", Proc. IRE 16 (1928) 1398-1400, whose multi-layer formula this tab uses).
        t.wire = Rounded(checked::Sqrt(Div(b * l, n)));
    });
}

} // namespace voltaris::air_core_coil
