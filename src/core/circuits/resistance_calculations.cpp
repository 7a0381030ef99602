#include "core/circuits/resistance_calculations.h"

#include "core/numbers.h"

namespace voltaris::resistance {

using checked::Div;
using checked::Finite;

BridgeCaptions Captions(BridgeCase bridgeCase) {
    if (bridgeCase == BridgeCase::FourthResistor)
        return {"R4 Nolu Direncin Değeri", "Sonuç = Ohm"};
    return {"Gerilim Yazan Noktadaki Potansiyel Farkı", "Sonuç = Volt"};
}

Outcome<std::string> Bridge(BridgeCase bridgeCase, const BridgeInputs& in, std::string result) {
    return RunSteps(std::move(result), [&](std::string& text) {
        const double r1 = ReadNumber(in.r1);
        const double r2 = ReadNumber(in.r2);
        const double r3 = ReadNumber(in.r3);
        if (bridgeCase == BridgeCase::FourthResistor) {
            text = NumberText(Div(Finite(r2 * r3), r1));
            return;
        }
        const double r4 = ReadNumber(in.r4);
        const double v = ReadNumber(in.voltage);
        const double right = Div(r4, Finite(r3 + r4));
        const double left = Div(r2, Finite(r1 + r2));
        text = NumberText(Finite(v * (right - left)));
    });
}

Outcome<std::string> Divider(std::string_view v1Text, std::string_view r1Text,
                             std::string_view r2Text, std::string result) {
    return RunSteps(std::move(result), [&](std::string& text) {
        const double v1 = ReadNumber(v1Text);
        const double r1 = ReadNumber(r1Text);
        const double r2 = ReadNumber(r2Text);
        text = NumberText(Div(Finite(v1 * r2), Finite(r1 + r2)));
    });
}

} // namespace voltaris::resistance
