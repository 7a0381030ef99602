#include "gui/codes/code_windows.h"

#include "gui/codes/capacitor_code_window.h"
#include "gui/codes/capacitor_colour_window.h"
#include "gui/codes/coil_colour_window.h"
#include "gui/codes/resistor_colour_finder_window.h"
#include "gui/codes/resistor_colour_window.h"
#include "gui/codes/smd_resistor_window.h"
#include "gui/window_registry.h"

namespace voltaris::gui {

void registerCodeWindows(WindowRegistry& registry) {
    using codes::ResistorBandCount;
    registry.add(QStringLiteral("Form5"),
                 [] { return new ResistorColourWindow(ResistorBandCount::Four); });
    registry.add(QStringLiteral("Form7"),
                 [] { return new ResistorColourWindow(ResistorBandCount::Five); });
    registry.add(QStringLiteral("Form26"),
                 [] { return new ResistorColourWindow(ResistorBandCount::Six); });
    registry.add(QStringLiteral("Form6"), [] { return new ResistorColourFinderWindow; });
    registry.add(QStringLiteral("Form55"), [] { return new SmdResistorWindow; });
    registry.add(QStringLiteral("Form17"), [] { return new CapacitorCodeWindow; });
    registry.add(QStringLiteral("Form18"), [] { return new CapacitorColourWindow; });
    registry.add(QStringLiteral("Form16"), [] { return new CoilColourWindow; });
}

} // namespace voltaris::gui
