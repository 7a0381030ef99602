// "Güçlerin Bir Birine Çevirilmesi": from one known power (apparent S, active P or reactive Q)
// and a power factor, the other two; and the report.
#pragma once

#include "core/outcome.h"

#include <string>
#include <string_view>
#include <vector>

namespace voltaris::power_conversion {

// The known power, in the order of the options.
enum class Known { Apparent, Active, Reactive };

// The caption and the unit beside the input field for a choice.
struct InputLabels {
    std::string_view caption;
    std::string_view unit;
};
InputLabels LabelsOf(Known known);

// The window's fields.
struct Fields {
    std::string given;    // Text1, the known power
    std::string apparent; // Text2, S
    std::string active;   // Text3, P
    std::string reactive; // Text4, Q
};

// "Hesapla" with the list's power-factor text: the known power is copied into its own result
// field and the other two are computed (S = P / cos φ = Q / sin φ, P = S × cos φ, Q = S × sin φ),
// each written as the full-precision text of the double, in the order the fields are listed.
// Fails on a given text that is not a number and on a division by a zero cos φ or sin φ.
Outcome<Fields> Compute(Known known, std::string_view cosPhi, Fields start);

// The report lines for the choice, from the field texts and the list's text as they stand.
std::vector<std::string> ReportLines(Known known, std::string_view cosPhi, const Fields& fields);
inline const std::string kReportName = "Alternatif Akımda Güçlerin Birbirine Çevirilmesi";

} // namespace voltaris::power_conversion
