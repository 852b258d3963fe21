#include "other_windows_held.h"

OtherWindowsHeld::OtherWindowsHeld(HWND except) : except_(except)
{
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM param) -> BOOL {
            auto* self = reinterpret_cast<OtherWindowsHeld*>(param);
            if (window != self->except_ && IsWindowVisible(window) && IsWindowEnabled(window))
                self->held_.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
    for (HWND window : held_)
        EnableWindow(window, FALSE);
}

OtherWindowsHeld::~OtherWindowsHeld()
{
    for (auto it = held_.rbegin(); it != held_.rend(); ++it)
        if (IsWindow(*it))
            EnableWindow(*it, TRUE);
}
