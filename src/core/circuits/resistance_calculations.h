// The resistance calculations window `Form8` "Direnç İle ilgili Hesaplama Programı": the fourth
// resistor of a balanced Wheatstone bridge, the potential difference across an unbalanced one,
// and the voltage of a divider.
//
// Window use:
// - `Option1` / `Option2` choose the bridge case: `Label6` and the tool tip of `Text6` from
//   Captions(case); `Text4`, `Text5` and the voltage-point picture are shown only for the
//   potential difference.
// - "Hesapla" (`Command1`): `Text6` from Bridge(case, {Text1 .. Text5}, Text6); on a failure
//   "DEĞERLERİ GİRİNİZ..." with `Text1` to `Text5` tested, hidden or not.
// - "Hesapla" (`Command5`): `Text10` from Divider(Text7, Text8, Text9, Text10); on a failure the
//   same warning with `Text7`, `Text8`, `Text9` tested.
#pragma once

#include "core/outcome.h"

#include <string>
#include <string_view>

namespace voltaris::resistance {

inline constexpr std::string_view kWindowTitle = "Direnç İle ilgili Hesaplama Programı";

enum class BridgeCase {
    FourthResistor,      // `Option1`: R4 of a balanced bridge
    PotentialDifference, // `Option2`: the voltage between the bridge's middle points
};

struct BridgeCaptions {
    std::string_view resultLabel;   // `Label6`
    std::string_view resultToolTip; // `Text6`
};
BridgeCaptions Captions(BridgeCase bridgeCase);

// The bridge's fields: R1 to R4 (`Text1` to `Text4`) and the applied voltage (`Text5`).
struct BridgeInputs {
    std::string_view r1, r2, r3, r4, voltage;
};

// `Text6`, unrounded: R2 × R3 / R1 for the fourth resistor (R4 and the voltage are not read),
// V × (R4 / (R3 + R4) − R2 / (R1 + R2)) for the potential difference. A failure (a value that is
// no number, a division by zero, an overflow) leaves `result` as it was.
Outcome<std::string> Bridge(BridgeCase bridgeCase, const BridgeInputs& inputs, std::string result);

// `Text10`, unrounded: V1 × R2 / (R1 + R2).
Outcome<std::string> Divider(std::string_view v1, std::string_view r1, std::string_view r2,
                             std::string result);

} // namespace voltaris::resistance
