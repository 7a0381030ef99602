// The Ohm's and Watt's law window: from two of voltage, current, resistance and power, the other
// two; the conductance commands; and the report.
#pragma once

#include "core/outcome.h"

#include <array>
#include <string>
#include <vector>

namespace voltaris::ohms_law {

// The entries of both quantity lists, in order.
inline const std::array<std::string, 4> kQuantities = {"GERİLİM", "AKIM", "DİRENÇ", "GÜÇ"};
enum Quantity { Voltage = 0, Current = 1, Resistance = 2, Power = 3 };

inline constexpr int kDecimals = 6;

// The texts of the window's fields: `text[1]`, `text[2]` the two given values, `text[3]` to
// `text[6]` voltage, current, resistance and power (`text[0]` is unused).
struct Fields {
    std::array<std::string, 7> text;
    std::string& operator[](int n) { return text.at(static_cast<std::size_t>(n)); }
    const std::string& operator[](int n) const { return text.at(static_cast<std::size_t>(n)); }
};

// The case code (1 to 12) of the two chosen quantities, 0 when both are the same.
int CaseCode(int first, int second);

// Computes case `caseCode` (1 to 12) step by step from the window's `fields`: the given texts are
// copied into their result fields, each computed value is written rounded to six decimals, and a
// step that reads a result field reads the rounded text just written. A step that fails (a given
// text that is not a number, a division by zero) ends the compute, keeping what the earlier
// steps wrote.
Outcome<Fields> Compute(int caseCode, Fields fields);

// The report lines of case `caseCode`, from the field texts as they stand.
std::vector<std::string> ReportLines(int caseCode, const Fields& fields);
inline const std::string kReportName = "Ohm ve Watt Kanunu Hesabı";

// The conductance of a resistance, and the resistance of a conductance, as the answer boxes word
// them (unrounded). Both throw ComputeFailure on zero.
std::string ConductanceMessage(double resistance);
std::string ResistanceMessage(double conductance);
inline const std::string kConductancePrompt = "Alıcı Elemanın Direncini Giriniz(Ohm)";
inline const std::string kResistancePrompt = "Alıcı Elemanın Siemens(İletkenlik) Değerini Giriniz";

} // namespace voltaris::ohms_law
