#include "window_place.h"

#include <algorithm>

RECT ScreenRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

bool OnSomeScreen(const RECT& rect)
{
    return MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr;
}

bool MoveToStoredPlace(HWND window, int32_t& x, int32_t& y)
{
    if (x == -1 || y == -1)
        return false;
    RECT rect = ScreenRect(window);
    OffsetRect(&rect, x - rect.left, y - rect.top);
    if (!OnSomeScreen(rect)) {
        x = -1;
        y = -1;
        return false;
    }
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    return true;
}

RECT WorkArea()
{
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

void CenterOver(HWND window, const RECT& area)
{
    const RECT self = ScreenRect(window);
    const int width = self.right - self.left;
    const int height = self.bottom - self.top;
    const RECT work = WorkArea();
    const int x = area.left + ((area.right - area.left) - width) / 2;
    const int y = area.top + ((area.bottom - area.top) - height) / 2;
    SetWindowPos(window, nullptr,
                 std::max(static_cast<int>(work.left), std::min(x, static_cast<int>(work.right) - width)),
                 std::max(static_cast<int>(work.top), std::min(y, static_cast<int>(work.bottom) - height)), 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ShowRestored(HWND window)
{
    if (IsIconic(window))
        ShowWindow(window, SW_RESTORE);
}
