#include "program_end.h"

#include <windows.h>

#include "dialog.h"

namespace {

// One user-interface thread: plain flags.
bool g_ending = false;
bool g_sessionEnding = false;

bool IsDialogBox(HWND window)
{
    char name[8];
    return GetClassNameA(window, name, sizeof name) > 0 && lstrcmpA(name, "#32770") == 0;
}

BOOL CALLBACK Wake(HWND window, LPARAM /*param*/)
{
    // The system's dialog boxes run loops of their own and never look at the end: each is
    // cancelled, the one beneath another as well (the command waits in the queue for it).
    if (IsDialogBox(window) && !Dialog::IsOwn(window))
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    else
        PostMessageA(window, WM_NULL, 0, 0);
    return TRUE;
}

}  // namespace

void EndProgram()
{
    g_ending = true;
    g_sessionEnding = true;
    // A menu open on this thread (a system or context menu) runs a loop of its own, which
    // would hold the end until the user dismissed it.
    EndMenu();
    // Whichever loop runs now, ours or a system dialog's, wakes and sees the end.
    EnumThreadWindows(GetCurrentThreadId(), Wake, 0);
}

bool ProgramEnding()
{
    return g_ending;
}

void MarkSessionEnding()
{
    g_sessionEnding = true;
}

bool SessionEnding()
{
    return g_sessionEnding;
}
