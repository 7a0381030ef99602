// The circuit and conversion windows.
#pragma once

namespace voltaris::gui {

class WindowRegistry;

// Makes each circuit and conversion window known by its form name.
void registerCircuitWindows(WindowRegistry& registry);

} // namespace voltaris::gui
