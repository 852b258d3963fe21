#include "painted_control.h"

void PaintedControl::SetForeColor(Color color)
{
    text_ = color;
    Invalidate();
}

void PaintedControl::SetBackColor(Color color)
{
    back_ = color;
    Invalidate();
}

LRESULT PaintedControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        Paint(dc);
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_ERASEBKGND: return 1;  // the paint fills everything
    default: return Default(message, wParam, lParam);
    }
}

HGDIOBJ PaintedControl::SelectParentFont(HDC dc, WPARAM kind) const
{
    if (!useParentFont_)
        return nullptr;
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(GetParent(Handle()), WM_GETFONT, kind, 0));
    return font != nullptr ? SelectObject(dc, font) : nullptr;
}
