#pragma once
#include "color_scheme.h"
#include "subclassed_control.h"

// Selector of the font a control asks its parent for with WM_GETFONT.
constexpr WPARAM kFontForPanel = 1;
constexpr WPARAM kFontForKey = 2;

// A calculator key painted by the program: its face, a soft (one-pixel) or hard (two-pixel)
// bevel, raised when up and sunken when pressed or checked, and the caption in the parent's
// key font. Used for owner-drawn push buttons and for push-like radio and check buttons.
class CCalcButton : public SubclassedControl {
public:
    CCalcButton();

    void SetForeColor(Color color);
    void SetBackColor(Color color);
    void SetUseParentFont(bool on) { useParentFont_ = on ? 1 : 0; }
    void SetSoft(bool on);
    // The parent was asked to draw the owner-drawn button: the paint is ours.
    void DrawItem() const { Invalidate(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc) const;

    Color text_;
    Color face_;
    UINT format_ = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    uint8_t useParentFont_ = 1;
    uint8_t soft_ = 1;
};
