#include "gui/web/web_windows.h"

#include "gui/web/datasheet_window.h"
#include "gui/web/web_module.h"
#include "gui/window_registry.h"

namespace voltaris::gui {

void registerWebWindows(WindowRegistry& registry) {
    // Only looks for the module's file: the module itself is loaded when the window is opened.
    if (!web::webModuleFile().isEmpty())
        registry.add<DatasheetWindow>();
}

} // namespace voltaris::gui
