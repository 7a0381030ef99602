#include "core/circuits/ohms_law.h"

#include "core/numbers.h"

#include <stdexcept>

namespace voltaris::ohms_law {

namespace {

using checked::Div;
using checked::Finite;
using checked::Sqrt;

// The report's lines for one case: the labels of the two given values, then the two formula
// blocks (name, with values, result). "{n}" stands for the text of field n.
struct ReportLayout {
    const char* firstLabel;
    const char* secondLabel;
    std::array<const char*, 6> formulas;
};

// clang-format off
const std::array<ReportLayout, 12> kReportLayouts = {{
    {"Gerilim: ", "Akım: ", {"Direnç = Gerilim / Akım", "Direnç = {1} / {2}", "Direnç = {5}",
                             "Güç = Gerilim x Akım", "Güç = {1} x {2}", "Güç = {6}"}},
    {"Gerilim: ", "Direnç: ", {"Akım = Gerilim / Direnç", "Akım = {1} / {2}", "Akım = {4}",
                               "Güç = Gerilim^2 / Direnç", "Güç = {1}^2 / {2}", "Güç = {6}"}},
    {"Gerilim: ", "Güç: ", {"Akım = Güç / Gerilim", "Akım = {2} / {1}", "Akım = {4}",
                            "Direnç = Gerilim^2 / Güç", "Direnç = {1}^2 / {2}", "Direnç = {5}"}},
    {"Akım: ", "Gerilim: ", {"Direnç = Gerilim / Akım", "Direnç = {2} / {1}", "Direnç = {5}",
                             "Güç = Gerilim x Akım", "Güç = {2} x {1}", "Güç = {6}"}},
    {"Akım: ", "Direnç: ", {"Gerilim = Akım x Direnç", "Gerilim = {1} x {2}", "Gerilim = {3}",
                            "Güç = Akım^2 x Direnç", "Güç = {1}^2 x {2}", "Güç = {6}"}},
    {"Akım: ", "Güç: ", {"Gerilim = Güç / Akım", "Gerilim = {2} / {1}", "Gerilim = {3}",
                         "Direnç = Gerilim / Akım", "Direnç = {3} / {1}", "Direnç = {5}"}},
    {"Direnç: ", "Gerilim: ", {"Akım = Gerilim / Direnç", "Akım = {2} / {1}", "Akım = {4}",
                               "Güç = Gerilim^2 / Direnç", "Güç = {2}^2 / {1}", "Güç = {6}"}},
    {"Direnç: ", "Akım: ", {"Gerilim = Direnç x Akım", "Gerilim = {1} x {2}", "Gerilim = {3}",
                            "Güç = Gerilim x Akım", "Güç = {3} x {2}", "Güç = {6}"}},
    {"Direnç: ", "Güç: ", {"Akım = Karekök(Güç / Direnç)", "Akım = Karekök({2} / {1})",
                           "Akım = {4}", "Gerilim = Akım x Direnç", "Gerilim = {4} x {1}",
                           "Gerilim = {3}"}},
    {"Güç: ", "Gerilim: ", {"Akım = Güç / Gerilim", "Akım = {1} / {2}", "Akım = {4}",
                            "Direnç = Gerilim / Akım", "Direnç = {2} / {4}", "Direnç = {5}"}},
    {"Güç: ", "Akım: ", {"Gerilim = Güç / Akım", "Gerilim = {1} / {2}", "Gerilim = {3}",
                         "Direnç = Gerilim / Akım", "Direnç = {3} / {2}", "Direnç = {5}"}},
    {"Güç: ", "Direnç: ", {"Akım = Karekök(Güç / Direnç)", "Akım = Karekök({1} / {2})",
                           "Akım = {4}", "Gerilim = Akım x Direnç", "Gerilim = {4} x {2}",
                           "Gerilim = {3}"}},
}};
// clang-format on

std::string fillIn(const std::string& pattern, const Fields& fields) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}') {
            out += fields[pattern[i + 1] - '0'];
            i += 2;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

// The steps of case `caseCode`, written into `f`; a failing step throws ComputeFailure.
void computeSteps(int caseCode, Fields& f) {
    // The typed values (fields 1 and 2) and the result fields are read when a step uses them.
    const auto read = [&f](int n) { return ReadNumber(f[n]); };
    const auto show = [&f](int n, double value) { f[n] = ResultText(Finite(value), kDecimals); };
    enum { V = 3, I = 4, R = 5, P = 6 };

    switch (caseCode) {
    case 1: // V, I
        f[V] = f[1], f[I] = f[2];
        show(P, read(1) * read(2));
        show(R, Div(read(1), read(2)));
        break;
    case 2: // V, R
        f[V] = f[1], f[R] = f[2];
        show(I, Div(read(1), read(2)));
        show(P, Div(read(1) * read(1), read(2)));
        break;
    case 3: // V, P
        f[V] = f[1], f[P] = f[2];
        show(I, Div(read(2), read(1)));
        show(R, Div(read(1) * read(1), read(2)));
        break;
    case 4: // I, V
        f[I] = f[1], f[V] = f[2];
        show(P, read(1) * read(2));
        show(R, Div(read(2), read(1)));
        break;
    case 5: // I, R
        f[I] = f[1], f[R] = f[2];
        show(V, read(1) * read(2));
        show(P, read(1) * read(1) * read(2));
        break;
    case 6: // I, P
        f[I] = f[1], f[P] = f[2];
        show(V, Div(read(2), read(1)));
        show(R, Div(read(V), read(1)));
        break;
    case 7: // R, V
        f[R] = f[1], f[V] = f[2];
        show(P, Div(read(2) * read(2), read(1)));
        show(I, Div(read(2), read(1)));
        break;
    case 8: // R, I
        f[R] = f[1], f[I] = f[2];
        show(V, read(1) * read(2));
        show(P, read(V) * read(2));
        break;
    case 9: // R, P
        f[R] = f[1], f[P] = f[2];
        show(I, Sqrt(Div(read(2), read(1))));
        show(V, read(I) * read(1));
        break;
    case 10: // P, V
        f[P] = f[1], f[V] = f[2];
        show(I, Div(read(1), read(2)));
        show(R, Div(read(V), read(I)));
        break;
    case 11: // P, I
        f[P] = f[1], f[I] = f[2];
        show(V, Div(read(1), read(2)));
        show(R, Div(read(V), read(2)));
        break;
    case 12: // P, R
        f[P] = f[1], f[R] = f[2];
        show(I, Sqrt(Div(read(1), read(2))));
        show(V, read(I) * read(2));
        break;
    }
}

} // namespace

int CaseCode(int first, int second) {
    if (first == second || first < 0 || first > 3 || second < 0 || second > 3)
        return 0;
    return first * 3 + (second < first ? second : second - 1) + 1;
}

Outcome<Fields> Compute(int caseCode, Fields fields) {
    if (caseCode < 1 || caseCode > 12)
        throw std::invalid_argument("no such case");
    return RunSteps(std::move(fields), [caseCode](Fields& f) { computeSteps(caseCode, f); });
}

std::vector<std::string> ReportLines(int caseCode, const Fields& fields) {
    const ReportLayout& layout = kReportLayouts.at(static_cast<std::size_t>(caseCode - 1));
    std::vector<std::string> lines = {"Ohm ve Watt Kanunu Hesabı:", layout.firstLabel + fields[1],
                                      layout.secondLabel + fields[2], ""};
    for (std::size_t i = 0; i < layout.formulas.size(); ++i) {
        if (i == 3)
            lines.emplace_back();
        lines.push_back(fillIn(layout.formulas[i], fields));
    }
    return lines;
}

std::string ConductanceMessage(double resistance) {
    return "Alıcının İletkenliği " + NumberText(checked::Div(1, resistance)) + " Siemens'dir...";
}

std::string ResistanceMessage(double conductance) {
    return "Alıcının Direnci Değeri " + NumberText(checked::Div(1, conductance)) + " Ohm'dur...";
}

} // namespace voltaris::ohms_law
