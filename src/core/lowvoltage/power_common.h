// What the power tools share: the power-factor list of their cos φ boxes, the cosine information
// box of a chosen power factor, and the horsepower command.
#pragma once

#include "core/messages.h"

#include <string>
#include <string_view>
#include <vector>

namespace voltaris::power {

// The power-factor list: "1.00", "0.99", ..., "0.01" and a last entry "0.00" (101 entries,
// "#,0.00"). Built as the lists always were, by counting a double down from 1 in steps of 0.01
// while it is at least -0.01; the last count is the rounding residue just below zero, shown as
// "0.00".
const std::vector<std::string>& PowerFactorList();
// The entry selected when a window opens: "0.80".
inline constexpr int kDefaultPowerFactorIndex = 20;

// The "SONUÇ" box of "Seçilen Cosinüs Değeri İle İlgili Bilgiler": "Seçilen Cosinüs Değeri  " +
// the list text, a line feed, then the phase angle text of that power factor. Throws
// ComputeFailure when the text is not a power factor.
Message CosineInfoMessage(std::string_view cosPhi);

// 736 W per horsepower.
inline constexpr double kWattsPerHorsepower = 736;
inline constexpr std::string_view kHorsepowerPrompt = "Beygirgücü(HP) Değerini Giriniz";

// 736 × the prompt's answer (',' read as '.'); throws ComputeFailure when the answer is not a
// number (a cancelled prompt included) or the product is too large.
double HorsepowerToWatts(std::string_view answer);
// The "SONUÇ" box once the watts were put into the window: "Girdiğiniz Beygirgücü(HP) Değeri " +
// watts (full-precision text) + " Watt'a Karşılık Gelmektedir.", a line feed, "Hesapladığınız
// Watt Değeri Aktarılmıştır...".
Message HorsepowerMessage(double watts);

} // namespace voltaris::power
