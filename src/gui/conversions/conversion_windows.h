// The conversion windows.
#pragma once

namespace voltaris::gui {

class WindowRegistry;

// Makes each conversion window known by its form name.
void registerConversionWindows(WindowRegistry& registry);

} // namespace voltaris::gui
