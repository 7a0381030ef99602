#include "gui/lowvoltage/lowvoltage_windows.h"

#include "gui/lowvoltage/ac_power_window.h"
#include "gui/lowvoltage/busbar_window.h"
#include "gui/lowvoltage/cable_section_window.h"
#include "gui/lowvoltage/cable_voltage_drop_window.h"
#include "gui/lowvoltage/cable_withstand_window.h"
#include "gui/lowvoltage/conduit_window.h"
#include "gui/lowvoltage/consumption_window.h"
#include "gui/lowvoltage/earthing_window.h"
#include "gui/lowvoltage/flat_installed_power_window.h"
#include "gui/lowvoltage/fuse_rating_window.h"
#include "gui/lowvoltage/generation_window.h"
#include "gui/lowvoltage/generator_window.h"
#include "gui/lowvoltage/installation_compensation_window.h"
#include "gui/lowvoltage/installed_power_window.h"
#include "gui/lowvoltage/lighting_window.h"
#include "gui/lowvoltage/load_compensation_window.h"
#include "gui/lowvoltage/low_voltage_short_circuit_window.h"
#include "gui/lowvoltage/motor_starting_window.h"
#include "gui/lowvoltage/overhead_line_drop_window.h"
#include "gui/lowvoltage/power_conversion_window.h"
#include "gui/lowvoltage/rating_correction_window.h"
#include "gui/lowvoltage/table_display_window.h"
#include "gui/window_registry.h"

namespace voltaris::gui {

void registerLowVoltageWindows(WindowRegistry& registry) {
    registry.add<AcPowerWindow>();
    registry.add<LoadCompensationWindow>();
    registry.add<InstallationCompensationWindow>();
    registry.add<PowerConversionWindow>();
    registry.add<LightingWindow>();
    registry.add<EarthingWindow>();
    registry.add<TableDisplayWindow>();
    registry.add<BusbarWindow>();
    registry.add<MotorStartingWindow>();
    registry.add<RatingCorrectionWindow>();
    registry.add<CableVoltageDropWindow>();
    registry.add<CableSectionWindow>();
    registry.add<OverheadLineDropWindow>();
    registry.add<FuseRatingWindow>();
    registry.add<ConduitWindow>();
    registry.add<LowVoltageShortCircuitWindow>();
    registry.add<CableWithstandWindow>();
    registry.add<GenerationWindow>();
    registry.add<ConsumptionWindow>();
    registry.add<InstalledPowerWindow>();
    registry.add<FlatInstalledPowerWindow>();
    registry.add<GeneratorWindow>();
}

} // namespace voltaris::gui
