// Reading and pressing the controls of the program's window from the driver's process, by
// control id, the way the program's own keys and panels are numbered.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace e2e {

// Cross-process messages wait at most this long, so that a hung program fails a test
// instead of hanging the whole run.
constexpr DWORD kMessageTimeoutMs = 5000;

HWND Control(HWND dialog, int id);

// Presses a key with BM_CLICK, which makes the button notify its parent exactly as a mouse
// click does. Fails when the control is missing or disabled: a user cannot press a disabled
// key, and BM_CLICK would press it anyway.
testing::AssertionResult Click(HWND dialog, int id);
testing::AssertionResult ClickAll(HWND dialog, std::initializer_list<int> ids);

// The text as the control itself answers WM_GETTEXT; empty when there is no such control.
std::string ControlText(HWND dialog, int id);
std::string WindowText(HWND hwnd);
// The whole text however long, as WM_GETTEXTLENGTH sizes it.
std::string FullWindowText(HWND hwnd);
bool IsControlEnabled(HWND dialog, int id);
// BM_GETCHECK of a check box, radio button or push-like key: BST_CHECKED and the like, or
// -1 when the control is missing or did not answer.
int CheckState(HWND dialog, int id);

// Waits until the control reads `expected`; on failure the message shows what it read last.
testing::AssertionResult WaitForControlText(HWND dialog, int id, const std::string& expected,
                                            DWORD timeoutMs = 5000);

// Screen rectangles of the window's outer frame and of a control.
RECT WindowRect(HWND hwnd);
inline LONG Width(const RECT& r)
{
    return r.right - r.left;
}
inline LONG Height(const RECT& r)
{
    return r.bottom - r.top;
}
RECT ControlRect(HWND dialog, int id);

// A user can see and reach the window: some part of it lies on the desktop.
bool OnTheDesktop(HWND window);

// Moves the window's top-left corner to (x, y) from outside, as a drag by the title bar moves
// it (the window hears WM_MOVE), and waits until it stands there.
bool MoveWindowTo(HWND hwnd, int x, int y);

// Posts a system command, as choosing it from the system menu or its accelerator does.
bool PostSystemCommand(HWND hwnd, UINT command);

// Sends a system command and returns once the window has handled it: for commands whose
// effect the test must not race, such as the clipboard commands (a clipboard that the
// driver holds open at that moment would make the program's copy fail). Not for commands
// that open a window of their own: the call would wait until that window closed.
bool SendSystemCommand(HWND hwnd, UINT command);

// Waits until the program has handled every message sent to it so far.
bool Sync(HWND hwnd);

}  // namespace e2e
