#pragma once
#include "color_scheme.h"
#include "subclassed_control.h"

// A display panel painted by the program: its background and its text in the parent's panel
// font. The frame comes from the template's edge style.
class CCalcPanel : public SubclassedControl {
public:
    CCalcPanel();

    void SetForeColor(Color color);
    void SetBackColor(Color color);
    void SetFormat(UINT format) { format_ = format; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc) const;

    Color text_;
    Color back_;
    UINT format_ = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    uint8_t useParentFont_ = 1;
};
