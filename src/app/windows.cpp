#include "app/about_window.h"
#include "app/main_menu.h"
#include "app/section_menus.h"
#include "app/startup.h"
#include "gui/circuits/circuit_windows.h"
#include "gui/codes/code_windows.h"
#include "gui/conversions/conversion_windows.h"
#include "gui/lowvoltage/lowvoltage_windows.h"
#include "gui/mediumvoltage/mediumvoltage_windows.h"
#include "gui/window_registry.h"

namespace voltaris::app {

void registerWindows() {
    gui::WindowRegistry& registry = gui::WindowRegistry::instance();
    registry.add<MainMenuWindow>();
    registry.add<CodeMenuWindow>();
    registry.add<ToolGroupMenuWindow>();
    registry.add<LowVoltageMenuWindow>();
    registry.add<AboutWindow>();
    gui::registerCodeWindows(registry);
    gui::registerCircuitWindows(registry);
    gui::registerConversionWindows(registry);
    gui::registerLowVoltageWindows(registry);
    gui::registerMediumVoltageWindows(registry);
}

} // namespace voltaris::app
