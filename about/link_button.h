#pragma once
#include <cstdint>

#include "color_scheme.h"
#include "subclassed_control.h"

// An owner-drawn push button that looks and acts like a hyperlink: only its caption is
// drawn, underlined while idle, in one colour for idle, hover and pressed; the hand cursor
// shows over the caption, and a click on the caption hands the link target to the shell's
// "open" verb. Only the caption's rectangle reacts to the mouse.
class CLinkButton : public SubclassedControl {
public:
    CLinkButton() = default;
    ~CLinkButton() override;

    void SetNormalColor(Color color) { normal_ = color; }
    void SetHoverColor(Color color) { hover_ = color; }
    void SetPressedColor(Color color) { pressed_ = color; }
    // Not copied: the text must outlive the button. Null opens the caption text itself.
    void SetLinkTarget(const char* target) { target_ = target; }

    // The parent's WM_DRAWITEM for this button.
    void DrawItem(const DRAWITEMSTRUCT& item);

    Color NormalColor() const { return normal_; }
    Color HoverColor() const { return hover_; }
    Color PressedColor() const { return pressed_; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static constexpr uint32_t kHover = 1;
    static constexpr uint32_t kPressed = 2;

    bool InCaption(LPARAM lParam) const;
    void OnMouseMove(LPARAM lParam);
    void OnLeftButtonDown(LPARAM lParam);
    void OnLeftButtonUp(LPARAM lParam);
    void SetTextFormatFromStyle();
    void PlaceCaption(HDC dc, const char* caption, int length, const RECT& item);

    Color normal_ = 0xC00000;
    Color hover_ = 0xFF0000;
    Color pressed_ = 0xC000C0;
    const char* target_ = nullptr;
    HCURSOR hand_ = nullptr;
    UINT format_ = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    RECT caption_ = {0, 0, 0, 0};
    uint32_t state_ = 0;
    HCURSOR savedCursor_ = nullptr;
};
