// The key-state table of the thread that owns a window: what GetKeyState answers inside the
// program under test, which is not the system's asynchronous key state. Read and written
// from inside that thread by a small hook library, e2e_key_state_probe.dll, which must lie
// next to the driver program.
#pragma once

#include <windows.h>

#include <array>
#include <optional>

namespace e2e {

using KeyStateTable = std::array<BYTE, 256>;

// The table of the thread that owns `window`; nothing when the probe could not run there.
std::optional<KeyStateTable> ReadWindowThreadKeyState(HWND window);

// Sets or clears the toggle bit of `vk` in that table; false when the probe could not run or
// the bit did not take.
bool SetWindowThreadKeyToggled(HWND window, BYTE vk, bool on);

}  // namespace e2e
