#pragma once
#include "painted_control.h"

// A calculator key painted by the program: its face, a soft (one-pixel) or hard (two-pixel)
// bevel, raised when up and sunken when pressed or checked, and the caption in the parent's
// key font. Used for owner-drawn push buttons and for push-like radio and check buttons.
class CCalcButton : public PaintedControl {
public:
    CCalcButton();

    void SetSoft(bool on);
    // The parent was asked to draw the owner-drawn button: the paint is ours.
    void DrawItem() const { Invalidate(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) const override;

private:
    uint8_t soft_ = 1;
};
