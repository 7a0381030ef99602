// The low-voltage installation windows.
#pragma once

namespace voltaris::gui {

class WindowRegistry;

// Makes each low-voltage window known by its form name.
void registerLowVoltageWindows(WindowRegistry& registry);

} // namespace voltaris::gui
