// A small visible window of the driver's own. Bringing it to the front deactivates the
// program under test, so that bringing the program back is a real application activation.
#pragma once

#include <windows.h>

namespace e2e {

// Shows the driver's window (created on first use) and makes it the foreground window;
// false when it did not become the foreground window.
bool ActivateFocusSink();

// Hides the driver's window again.
void HideFocusSink();

}  // namespace e2e
