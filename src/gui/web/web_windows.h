// The datasheet search window.
#pragma once

namespace voltaris::gui {

class WindowRegistry;

// Makes the datasheet search window known where its web module is installed; without the
// module the main menu's button for it stays disabled.
void registerWebWindows(WindowRegistry& registry);

} // namespace voltaris::gui
