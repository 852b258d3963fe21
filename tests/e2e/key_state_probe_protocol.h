// What the driver and the key-state probe library (loaded into the program under test by a
// hook) agree on: the message that asks, the shared memory that answers, and its layout.
#pragma once

#include <windows.h>

namespace e2e {

// Registered window message: wParam is one of the requests, lParam a serial number that the
// answer repeats, so a stale answer is never taken for a fresh one.
constexpr const char* kKeyStateProbeMessage = "TallyraE2eKeyStateProbe";
constexpr WPARAM kKeyStateRead = 0;
// Writes the table in the shared memory into the thread's state first, then reads it back.
constexpr WPARAM kKeyStateWrite = 1;

// Named file mapping that the driver creates and the probe opens.
constexpr const char* kKeyStateSharedName = "TallyraE2eKeyStateTable";

struct KeyStateShared {
    DWORD serial;   // lParam of the request that was answered
    DWORD threadId; // the thread whose table this is
    BYTE table[256];
};

// The hook procedure the probe library exports, by name.
constexpr const char* kKeyStateProbeProc = "KeyStateProbeHook";
constexpr const char* kKeyStateProbeLibrary = "e2e_key_state_probe.dll";

} // namespace e2e
