#pragma once
#include <windows.h>

// A function of a system DLL that only some commands need, such as the colour chooser or
// the shell's "open". The DLL is loaded from the system folder on first use, so starting the
// program does not pay for loading and initialising it. Null when it cannot be had.
FARPROC SystemProc(const char* dll, const char* name);

template <typename Function> Function* SystemFunction(const char* dll, const char* name)
{
    // Through the generic function pointer type: a direct cast between unrelated function
    // types draws a warning.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(SystemProc(dll, name)));
}
