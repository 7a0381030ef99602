// "Elektrik Ve Elektronikte Kullanılan Kavramlar Arası Dönüşüm": resistance, capacitance,
// inductance, current, voltage and power converted between the decimal multiples of their units
// as they are typed.
#pragma once

#include "gui/conversions/conversion_window.h"

namespace voltaris::gui {

class QuantityConversionWindow : public ConversionWindow {
    Q_OBJECT
public:
    QuantityConversionWindow();
};

} // namespace voltaris::gui
