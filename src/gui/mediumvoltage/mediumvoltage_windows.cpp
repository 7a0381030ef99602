#include "gui/mediumvoltage/mediumvoltage_windows.h"

#include "gui/mediumvoltage/cable_channel_window.h"
#include "gui/mediumvoltage/conductor_weight_window.h"
#include "gui/mediumvoltage/line_voltage_drop_window.h"
#include "gui/mediumvoltage/medium_voltage_lines_window.h"
#include "gui/mediumvoltage/medium_voltage_short_circuit_window.h"
#include "gui/mediumvoltage/pole_calculation_window.h"
#include "gui/mediumvoltage/pole_charts_window.h"
#include "gui/mediumvoltage/transformer_window.h"
#include "gui/mediumvoltage/transmission_line_window.h"
#include "gui/window_registry.h"

namespace voltaris::gui {

void registerMediumVoltageWindows(WindowRegistry& registry) {
    registry.add<TransformerWindow>();
    registry.add<TransformerResultsWindow>();
    registry.add<LineVoltageDropWindow>();
    registry.add<CableChannelWindow>();
    registry.add<MediumVoltageShortCircuitWindow>();
    registry.add<MediumVoltageLinesWindow>();
    registry.add<PoleCalculationWindow>();
    registry.add<PoleChartsWindow>();
    registry.add<TransmissionLineWindow>();
    registry.add<ConductorWeightWindow>();
}

} // namespace voltaris::gui
