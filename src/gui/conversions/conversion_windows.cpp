#include "gui/conversions/conversion_windows.h"

#include "gui/conversions/awg_window.h"
#include "gui/conversions/quantity_conversion_window.h"
#include "gui/conversions/unit_conversion_window.h"
#include "gui/window_registry.h"

namespace voltaris::gui {

void registerConversionWindows(WindowRegistry& registry) {
    registry.add<QuantityConversionWindow>();
    registry.add<UnitConversionWindow>();
    registry.add<AwgWindow>();
}

} // namespace voltaris::gui
