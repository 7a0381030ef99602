#include "gui/circuits/circuit_windows.h"

#include "gui/circuits/air_core_coil_window.h"
#include "gui/circuits/auxiliary_calculations_window.h"
#include "gui/circuits/conductor_resistance_window.h"
#include "gui/circuits/equivalent_circuits_window.h"
#include "gui/circuits/heater_window.h"
#include "gui/circuits/led_resistor_window.h"
#include "gui/circuits/ohms_law_window.h"
#include "gui/circuits/resistance_calculations_window.h"
#include "gui/circuits/temperature_resistance_window.h"
#include "gui/window_registry.h"

namespace voltaris::gui {

void registerCircuitWindows(WindowRegistry& registry) {
    registry.add<ResistanceCalculationsWindow>();
    registry.add<OhmsLawWindow>();
    registry.add<ConductorResistanceWindow>();
    registry.add<EquivalentCircuitsWindow>();
    registry.add<TemperatureResistanceWindow>();
    registry.add<LedResistorWindow>();
    registry.add<HeaterWindow>();
    registry.add<AirCoreCoilWindow>();
    registry.add<AuxiliaryCalculationsWindow>();
}

} // namespace voltaris::gui
