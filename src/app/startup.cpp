#include "app/startup.h"

#include "gui/navigation.h"
#include "gui/window_registry.h"

#include <QWidget>

namespace voltaris::app {

bool startUp() {
    gui::window(gui::kMainMenuForm)->show();
    return true;
}

} // namespace voltaris::app
