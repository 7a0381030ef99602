#include "gui/lowvoltage/lowvoltage_windows.h"

#include "gui/window_registry.h"

namespace voltaris::gui {

void registerLowVoltageWindows(WindowRegistry&) {}

} // namespace voltaris::gui
