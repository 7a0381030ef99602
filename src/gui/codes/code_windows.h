// The component code windows.
#pragma once

namespace voltaris::gui {

class WindowRegistry;

// Makes each component code window known by its form name.
void registerCodeWindows(WindowRegistry& registry);

} // namespace voltaris::gui
