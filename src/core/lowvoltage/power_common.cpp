#include "core/lowvoltage/power_common.h"

#include "core/conversions/trigonometry.h"
#include "core/numbers.h"

namespace voltaris::power {

const std::vector<std::string>& PowerFactorList() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> entries;
        for (double count = 1; count >= -0.01; count -= 0.01)
            entries.push_back(FormatNumber(count, NumberPattern::Grouped2));
        return entries;
    }();
    return list;
}

Message CosineInfoMessage(std::string_view cosPhi) {
    return ResultMessage("Seçilen Cosinüs Değeri  " + std::string(cosPhi) + "\n" +
                         trigonometry::PhaseAngleReport(cosPhi));
}

double HorsepowerToWatts(std::string_view answer) {
    return checked::Finite(kWattsPerHorsepower * ReadPromptNumber(answer));
}

Message HorsepowerMessage(double watts) {
    return ResultMessage("Girdiğiniz Beygirgücü(HP) Değeri " + RoundTripText(watts) +
                         " Watt'a Karşılık Gelmektedir.\nHesapladığınız Watt Değeri "
                         "Aktarılmıştır...");
}

} // namespace voltaris::power
