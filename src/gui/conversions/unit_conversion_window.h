// "Birim'ler Arası Çeviri": length, area, volume, mass, energy, magnetic flux and magnetic flux
// density, each converted into every unit of its quantity as it is typed; and the distance
// between two coordinates.
#pragma once

#include "gui/conversions/conversion_window.h"
#include "gui/forms.h"

namespace voltaris::gui {

class UnitConversionWindow : public ConversionWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kUnitConversion;
    UnitConversionWindow();

private:
    void coordinateDistance();
};

} // namespace voltaris::gui
