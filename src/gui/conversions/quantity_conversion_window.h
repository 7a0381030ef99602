// "Elektrik Ve Elektronikte Kullanılan Kavramlar Arası Dönüşüm": resistance, capacitance,
// inductance, current, voltage and power converted between the decimal multiples of their units
// as they are typed.
#pragma once

#include "gui/conversions/conversion_window.h"
#include "gui/forms.h"

namespace voltaris::gui {

class QuantityConversionWindow : public ConversionWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kQuantityConversion;
    QuantityConversionWindow();
};

} // namespace voltaris::gui
