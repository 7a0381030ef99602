#include "app/about_window.h"
#include "app/main_menu.h"
#include "app/section_menus.h"
#include "app/startup.h"
#include "gui/circuits/circuit_windows.h"
#include "gui/codes/code_windows.h"
#include "gui/navigation.h"
#include "gui/window_registry.h"

namespace voltaris::app {

void registerWindows() {
    gui::WindowRegistry& registry = gui::WindowRegistry::instance();
    registry.add(gui::kMainMenuForm, [] { return new MainMenuWindow; });
    registry.add(kCodeMenuForm, [] { return new CodeMenuWindow; });
    registry.add(kToolGroupMenuForm, [] { return new ToolGroupMenuWindow; });
    registry.add(kLowVoltageMenuForm, [] { return new LowVoltageMenuWindow; });
    registry.add(kAboutForm, [] { return new AboutWindow; });
    gui::registerCircuitWindows(registry);
    gui::registerCodeWindows(registry);
}

} // namespace voltaris::app
