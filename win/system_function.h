#pragma once
#include <windows.h>

// Makes the system folder the only place a DLL named without a path is loaded from, for the
// rest of the process: a DLL of a system name lying beside the program (the ZIP unpacked in
// Downloads) must never be taken. The first thing the program does. Does nothing on a Windows
// 7 without the update that brought it (KB2533623); SystemProc still loads from the system
// folder there.
void LoadDllsFromSystemFolderOnly();

// A function of a system DLL that only some commands need, such as the colour chooser or
// the shell's "open", or that the program takes at run time so that its import table names
// only DLLs Windows always takes from its own folder (the common controls). The DLL is loaded
// from the system folder on first use, so starting the program does not pay for loading and
// initialising it. Null when it cannot be had.
FARPROC SystemProc(const char* dll, const char* name);

template <typename Function> Function* SystemFunction(const char* dll, const char* name)
{
    // Through the generic function pointer type: a direct cast between unrelated function
    // types draws a warning.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(SystemProc(dll, name)));
}
