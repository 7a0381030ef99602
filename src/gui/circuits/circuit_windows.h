// The circuit windows.
#pragma once

namespace voltaris::gui {

class WindowRegistry;

// Makes each circuit window known by its form name.
void registerCircuitWindows(WindowRegistry& registry);

} // namespace voltaris::gui
