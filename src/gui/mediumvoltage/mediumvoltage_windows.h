// The medium-voltage and overhead distribution windows.
#pragma once

namespace voltaris::gui {

class WindowRegistry;

// Makes each medium-voltage window known by its form name.
void registerMediumVoltageWindows(WindowRegistry& registry);

} // namespace voltaris::gui
