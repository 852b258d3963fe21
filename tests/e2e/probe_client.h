// The driver's side of the probe library (e2e_key_state_probe.dll, next to the driver): it
// hooks the probe into the thread of a window of the program under test, asks one request
// there and takes the answer from a named shared memory block.
#pragma once

#include <windows.h>

#include <functional>

namespace e2e {

// Creates the shared block `sharedName` of `sharedSize` bytes (which begins with the fields
// of ProbeAnswerHeader), lets `prepare` fill it, sends `request` to `window` with the probe
// hooked into the window's thread and, when the probe answered there, hands the block to
// `take`. False when the probe could not run or did not answer.
bool AskProbe(HWND window, WPARAM request, const char* sharedName, size_t sharedSize,
              const std::function<void(void*)>& prepare, const std::function<void(const void*)>& take);

// The probe library, loaded into the driver too (the hooks name it); null when it is missing.
HMODULE ProbeLibrary();

}  // namespace e2e
