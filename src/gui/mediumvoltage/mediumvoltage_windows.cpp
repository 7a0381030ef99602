#include "gui/mediumvoltage/mediumvoltage_windows.h"

#include "gui/mediumvoltage/line_voltage_drop_window.h"
#include "gui/window_registry.h"

namespace voltaris::gui {

void registerMediumVoltageWindows(WindowRegistry& registry) {
    registry.add<LineVoltageDropWindow>();
}

} // namespace voltaris::gui
