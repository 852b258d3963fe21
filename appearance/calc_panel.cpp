#include "calc_panel.h"

#include <vector>

#include "bevel.h"
#include "calc_button.h"

CCalcPanel::CCalcPanel() : text_(GetSysColor(COLOR_WINDOWTEXT)), back_(GetSysColor(COLOR_BTNFACE)) {}

void CCalcPanel::SetForeColor(Color color)
{
    text_ = color;
    Invalidate();
}

void CCalcPanel::SetBackColor(Color color)
{
    back_ = color;
    Invalidate();
}

LRESULT CCalcPanel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        Paint(dc);
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;  // the paint fills everything
    case WM_SETTEXT: {
        // The static control would draw the new text at once in its own look; store it the
        // plain way and paint it ours.
        const LRESULT result = DefWindowProcA(Handle(), message, wParam, lParam);
        Invalidate();
        return result;
    }
    case WM_ENABLE:
        Invalidate();
        return Default(message, wParam, lParam);
    default:
        return Default(message, wParam, lParam);
    }
}

void CCalcPanel::Paint(HDC dc) const
{
    RECT rect;
    GetClientRect(Handle(), &rect);
    FillSolid(dc, rect, back_);

    const int length = GetWindowTextLengthA(Handle());
    if (length <= 0)
        return;
    std::vector<char> text(static_cast<size_t>(length) + 1);
    GetWindowTextA(Handle(), text.data(), length + 1);
    rect.left += 2;
    rect.right -= 2;

    HGDIOBJ oldFont = nullptr;
    if (useParentFont_) {
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(GetParent(Handle()), WM_GETFONT, kFontForPanel, 0));
        if (font != nullptr)
            oldFont = SelectObject(dc, font);
    }
    SetTextColor(dc, UsableColor(text_));
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, text.data(), -1, &rect, format_);
    if (oldFont != nullptr)
        SelectObject(dc, oldFont);
}
