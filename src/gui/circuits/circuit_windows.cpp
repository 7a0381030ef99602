#include "gui/circuits/circuit_windows.h"

#include "gui/conversions/awg_window.h"
#include "gui/circuits/ohms_law_window.h"
#include "gui/conversions/quantity_conversion_window.h"
#include "gui/conversions/unit_conversion_window.h"
#include "gui/window_registry.h"

namespace voltaris::gui {

void registerCircuitWindows(WindowRegistry& registry) {
    registry.add(QStringLiteral("Form9"), [] { return new OhmsLawWindow; });
    registry.add(QStringLiteral("Form10"), [] { return new QuantityConversionWindow; });
    registry.add(QStringLiteral("Form12"), [] { return new UnitConversionWindow; });
    registry.add(QStringLiteral("Form54"), [] { return new AwgWindow; });
}

} // namespace voltaris::gui
