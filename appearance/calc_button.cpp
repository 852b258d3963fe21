#include "calc_button.h"

#include <string>

#include "bevel.h"
#include "color_math.h"

CCalcButton::CCalcButton() : PaintedControl(GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_BTNFACE)) {}

void CCalcButton::SetSoft(bool on)
{
    soft_ = on ? 1 : 0;
    Invalidate();
}

LRESULT CCalcButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ENABLE:
        // The button would paint at once in the standard look (an owner-drawn one by asking
        // the parent, which asks for our paint), and ours over it at once again: one paint,
        // with the others due, is enough. Typing a digit changes several keys' states.
        Invalidate();
        return 0;
    case BM_SETSTATE:
    case BM_SETCHECK:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE: {
        // user32 draws push-like radio and check buttons straight away on these, in the
        // standard look; paint ours over it at once.
        const LRESULT result = Default(message, wParam, lParam);
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return result;
    }
    default: return PaintedControl::WindowProc(message, wParam, lParam);
    }
}

void CCalcButton::Paint(HDC dc) const
{
    RECT rect;
    GetClientRect(Handle(), &rect);
    Color text = text_;
    const Color back = back_;
    const Color light = BlendColor(back, 0xFFFFFF, 1, 2);
    const LRESULT state = SendMessageA(Handle(), BM_GETSTATE, 0, 0);
    const bool enabled = IsWindowEnabled(Handle()) != FALSE;
    const bool checked = (state & BST_CHECKED) != 0;
    const bool pressed = checked || (state & BST_PUSHED) != 0;
    const Color fill = checked ? light : back;

    FillSolid(dc, rect, fill);
    DrawBevel(dc, rect, fill, soft_ ? 1 : 2, enabled && pressed);

    char caption[64];
    const int length = GetWindowTextA(Handle(), caption, sizeof caption);
    if (length <= 0)
        return;
    if (pressed) {
        ++rect.left;
        ++rect.top;
        ++rect.right;
    }
    rect.left += 2;
    rect.right -= 2;

    const HGDIOBJ oldFont = SelectParentFont(dc, kFontForKey);
    SetBkMode(dc, TRANSPARENT);
    if (!enabled) {
        // Embossed: a light copy one pixel down and right, then the caption half-way to it.
        RECT shadow = {rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1};
        SetTextColor(dc, UsableColor(light));
        DrawTextA(dc, caption, length, &shadow, format_);
        text = BlendColor(text, light, 1, 2);
    }
    SetTextColor(dc, UsableColor(text));
    DrawTextA(dc, caption, length, &rect, format_);
    if (oldFont != nullptr)
        SelectObject(dc, oldFont);
}
