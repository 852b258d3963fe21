#pragma once
#include "painted_control.h"

// A display panel painted by the program: its background and its text in the parent's panel
// font. The frame comes from the template's edge style.
class CCalcPanel : public PaintedControl {
public:
    CCalcPanel();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) const override;
};
