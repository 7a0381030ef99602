#include "gui/codes/code_windows.h"

#include "gui/window_registry.h"

namespace voltaris::gui {

void registerCodeWindows(WindowRegistry&) {}

} // namespace voltaris::gui
