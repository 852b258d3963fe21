#pragma once
#include "color_scheme.h"
#include "subclassed_control.h"

// Selector of the font a control asks its parent for with WM_GETFONT.
constexpr WPARAM kFontForPanel = 1;
constexpr WPARAM kFontForKey = 2;

// A control of a template that the program paints whole: its own text and background colours,
// its text format, and the parent's font of its kind. Setters invalidate without erasing,
// and every paint fills the whole control, so changes do not flicker.
class PaintedControl : public SubclassedControl {
public:
    PaintedControl(Color text, Color back) : text_(text), back_(back) {}

    void SetForeColor(Color color);
    void SetBackColor(Color color);
    void SetFormat(UINT format) { format_ = format; }
    // With the flag off the text is drawn in the device context's default font.
    void SetUseParentFont(bool on) { useParentFont_ = on ? 1 : 0; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void Paint(HDC dc) const = 0;
    // Selects the parent's font of this kind into `dc`; returns what to select back, or null.
    HGDIOBJ SelectParentFont(HDC dc, WPARAM kind) const;

    Color text_;
    Color back_;
    UINT format_ = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    uint8_t useParentFont_ = 1;
};
