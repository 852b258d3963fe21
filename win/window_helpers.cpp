#include "window_helpers.h"

#include "tooltips.h"

HFONT CreateBoldFont(HFONT font)
{
    LOGFONTA description;
    if (font == nullptr || GetObjectA(font, sizeof description, &description) != sizeof description)
        return nullptr;
    description.lfWeight = FW_BOLD;
    return CreateFontIndirectA(&description);
}

void SetSystemMenuCheck(HWND window, int32_t flag, UINT command)
{
    if (HMENU menu = GetSystemMenu(window, FALSE))
        CheckMenuItem(menu, command, MF_BYCOMMAND | (flag ? MF_CHECKED : MF_UNCHECKED));
}

void AppendSystemMenuItem(HWND window, UINT command, UINT textId)
{
    HMENU menu = GetSystemMenu(window, FALSE);
    if (menu == nullptr)
        return;
    if (textId == 0)
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    else
        AppendMenuA(menu, MF_STRING, command, LoadResourceString(textId).c_str());
}

void RemoveSizeItems(HWND window)
{
    if (HMENU menu = GetSystemMenu(window, FALSE)) {
        RemoveMenu(menu, SC_SIZE, MF_BYCOMMAND);
        RemoveMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    }
}

bool MoveToStoredPlace(HWND window, int32_t& x, int32_t& y)
{
    if (x == -1 || y == -1)
        return false;
    RECT rect = ScreenRect(window);
    OffsetRect(&rect, x - rect.left, y - rect.top);
    if (MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) == nullptr) {
        x = -1;
        y = -1;
        return false;
    }
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    return true;
}

RECT ScreenRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

void ShowRestored(HWND window)
{
    if (IsIconic(window))
        ShowWindow(window, SW_RESTORE);
}

bool IsButtonWindow(HWND window)
{
    char name[16];
    return window != nullptr && GetClassNameA(window, name, sizeof name) > 0 &&
           lstrcmpiA(name, "Button") == 0;
}

bool ShiftHeld()
{
    return GetKeyState(VK_SHIFT) < 0;
}

bool CtrlHeld()
{
    return GetKeyState(VK_CONTROL) < 0;
}

bool IsHelpKey(int key)
{
    return key == VK_F1 && !ShiftHeld() && !CtrlHeld() && GetKeyState(VK_MENU) >= 0;
}
