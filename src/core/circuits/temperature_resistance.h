// The temperature window ("İletkenlerin Direnç Değerlerinin Sıcaklıkla Değişimi"): a conductor's
// resistance at a given temperature from its resistance at 20 °C and its material.
#pragma once

#include "core/circuits/conductor_materials.h"
#include "core/messages.h"
#include "core/outcome.h"

#include <string>

namespace voltaris::temperature_resistance {

// From this temperature up (°C, inclusive) a material with a β adds the quadratic term.
inline constexpr double kQuadraticFrom = 200;

// R20 × (1 + α·(t − 20)), plus β·(t − 20)² inside the brackets from kQuadraticFrom up when the
// material has a β. Throws ComputeFailure when the result is too large for a number.
double ResistanceAt(double r20, double t, const conductor_materials::Material& material);

struct Fields {
    std::string resistance;  // Text1, Ω at 20 °C
    std::string temperature; // Text2, °C
    std::string result;      // Text3, Ω
    friend bool operator==(const Fields&, const Fields&) = default;
};

// "Hesapla" with list entry `material` chosen: the resistance at the temperature, unrounded, into
// `result`; with no entry chosen (-1) nothing is written. Fails on an input that is no number.
Outcome<Fields> Compute(Fields fields, int material);

// "Not".
Message NoteMessage();

} // namespace voltaris::temperature_resistance
