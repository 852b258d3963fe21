// Polling with a deadline: the program under test runs in another process, so the driver
// waits for what it expects to see instead of sleeping for a fixed time.
#pragma once

#include <windows.h>

#include <functional>

namespace e2e {

// Generous, so that a slow machine or a cold Wine start never fails a test; a passing test
// returns as soon as its condition holds.
constexpr DWORD kDefaultTimeoutMs = 5000;

// Handles the messages of the driver's own windows, so that the driver never looks hung to
// the program under test while it waits.
void PumpMessages();

// Polls `condition` until it holds or `timeoutMs` has passed; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDefaultTimeoutMs);

// Sleeps while pumping messages.
void PumpFor(DWORD ms);

}  // namespace e2e
