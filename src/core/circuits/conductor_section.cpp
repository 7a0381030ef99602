#include "core/circuits/conductor_section.h"

#include "core/numbers.h"

namespace voltaris::conductor_section {

double SectionOf(double diameter) {
    return checked::Finite(diameter * diameter * kShortPi / 4);
}

double DiameterOf(double section) {
    return checked::Sqrt(4 * section / kShortPi);
}

} // namespace voltaris::conductor_section
