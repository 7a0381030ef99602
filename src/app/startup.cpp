#include "app/startup.h"

#include "app/main_menu.h"
#include "gui/circuits/ohms_law_window.h"
#include "gui/navigation.h"
#include "gui/window_registry.h"

namespace voltaris::app {

using gui::WindowRegistry;

void registerWindows() {
    WindowRegistry& registry = WindowRegistry::instance();
    registry.add(gui::kMainMenuForm, [] { return new MainMenuWindow; });
    registry.add(QStringLiteral("Form9"), [] { return new gui::OhmsLawWindow; });
}

bool startUp() {
    gui::window(gui::kMainMenuForm)->show();
    return true;
}

} // namespace voltaris::app
