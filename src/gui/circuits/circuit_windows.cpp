#include "gui/circuits/circuit_windows.h"

#include "gui/circuits/ohms_law_window.h"
#include "gui/window_registry.h"

namespace voltaris::gui {

void registerCircuitWindows(WindowRegistry& registry) {
    registry.add<OhmsLawWindow>();
}

} // namespace voltaris::gui
