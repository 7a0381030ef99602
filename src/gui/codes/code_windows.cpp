#include "gui/codes/code_windows.h"

#include "gui/codes/capacitor_code_window.h"
#include "gui/codes/capacitor_colour_window.h"
#include "gui/codes/coil_colour_window.h"
#include "gui/codes/resistor_colour_finder_window.h"
#include "gui/codes/resistor_colour_window.h"
#include "gui/codes/smd_resistor_window.h"
#include "gui/forms.h"
#include "gui/window_registry.h"

namespace voltaris::gui {

void registerCodeWindows(WindowRegistry& registry) {
    using codes::ResistorBandCount;
    // One window class reads 4, 5 and 6 bands.
    registry.add(forms::kResistorColour4,
                 [] { return new ResistorColourWindow(ResistorBandCount::Four); });
    registry.add(forms::kResistorColour5,
                 [] { return new ResistorColourWindow(ResistorBandCount::Five); });
    registry.add(forms::kResistorColour6,
                 [] { return new ResistorColourWindow(ResistorBandCount::Six); });
    registry.add<ResistorColourFinderWindow>();
    registry.add<SmdResistorWindow>();
    registry.add<CapacitorCodeWindow>();
    registry.add<CapacitorColourWindow>();
    registry.add<CoilColourWindow>();
}

} // namespace voltaris::gui
