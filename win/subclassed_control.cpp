#include "subclassed_control.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

SubclassedControl::~SubclassedControl()
{
    Detach();
}

bool SubclassedControl::Attach(HWND dialog, int id)
{
    Detach();
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr)
        return false;
    if (!SetWindowSubclass(control, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    hwnd_ = control;
    return true;
}

void SubclassedControl::Detach()
{
    if (hwnd_ != nullptr) {
        RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
        hwnd_ = nullptr;
    }
}

LRESULT SubclassedControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Default(message, wParam, lParam);
}

LRESULT SubclassedControl::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

void SubclassedControl::Invalidate() const
{
    if (hwnd_ != nullptr)
        InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT CALLBACK SubclassedControl::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                                 UINT_PTR, DWORD_PTR data)
{
    SubclassedControl* self = reinterpret_cast<SubclassedControl*>(data);
    if (message == WM_NCDESTROY) {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
        self->hwnd_ = nullptr;
        return result;
    }
    try {
        return self->WindowProc(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through the window system's frames.
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
}
