// Start-up of Voltaris: the known windows, the first-run question, and the main menu.
#pragma once

namespace voltaris::app {

// Makes every window of the program known to the window registry (none is built yet).
void registerWindows();
// The start-up procedure: asks the first-run question when the setup was not done, then builds
// and shows the main menu. Returns false when the program must end at once (another instance
// is running).
bool startUp();

} // namespace voltaris::app
