#include "painted_control.h"

// A colour set again is no change: the window hands the panels their colours after every key.
void PaintedControl::SetForeColor(Color color)
{
    if (color == text_)
        return;
    text_ = color;
    Invalidate();
}

void PaintedControl::SetBackColor(Color color)
{
    if (color == back_)
        return;
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
