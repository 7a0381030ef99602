#include "gui/circuits/circuit_windows.h"

#include "gui/circuits/conductor_resistance_window.h"
#include "gui/circuits/ohms_law_window.h"
#include "gui/circuits/temperature_resistance_window.h"
#include "gui/window_registry.h"

namespace voltaris::gui {

void registerCircuitWindows(WindowRegistry& registry) {
    registry.add<OhmsLawWindow>();
    registry.add<ConductorResistanceWindow>();
    registry.add<TemperatureResistanceWindow>();
}

} // namespace voltaris::gui
