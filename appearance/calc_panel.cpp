#include "calc_panel.h"

#include <vector>

#include "bevel.h"

CCalcPanel::CCalcPanel() : PaintedControl(GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_BTNFACE)) {}

LRESULT CCalcPanel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETTEXT: {
        // The static control would draw the new text at once in its own look; store it the
        // plain way and paint it ours. A subclass procedure gets the text in the window's own
        // character set: wide for the visual-style controls.
        const LRESULT result = IsWindowUnicode(Handle()) ? DefWindowProcW(Handle(), message, wParam, lParam)
                                                         : DefWindowProcA(Handle(), message, wParam, lParam);
        Invalidate();
        return result;
    }
    case WM_ENABLE: Invalidate(); return Default(message, wParam, lParam);
    default: return PaintedControl::WindowProc(message, wParam, lParam);
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

    const HGDIOBJ oldFont = SelectParentFont(dc, kFontForPanel);
    SetTextColor(dc, UsableColor(text_));
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, text.data(), -1, &rect, format_);
    if (oldFont != nullptr)
        SelectObject(dc, oldFont);
}
