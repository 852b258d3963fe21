#include "program_end.h"

#include <windows.h>

namespace {

// One user-interface thread: a plain flag.
bool g_ending = false;

BOOL CALLBACK Wake(HWND window, LPARAM /*param*/)
{
    PostMessageA(window, WM_NULL, 0, 0);
    return TRUE;
}

}  // namespace

void EndProgram()
{
    g_ending = true;
    // A menu open on this thread (a system or context menu) runs a loop of its own, which
    // would hold the end until the user dismissed it.
    EndMenu();
    // Whichever loop runs now, ours or a system dialog's (the colour chooser), wakes and sees
    // the end: the message is addressed to each window of the thread, so that a system dialog's
    // hook receives it as well.
    EnumThreadWindows(GetCurrentThreadId(), Wake, 0);
}

bool ProgramEnding()
{
    return g_ending;
}
