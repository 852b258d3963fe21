#include "link_button.h"

#include "system_function.h"

namespace {

constexpr int kMaxCaption = 260;

}  // namespace

CLinkButton::~CLinkButton()
{
    // The hand cursor is a shared system cursor: it is not destroyed.
    Detach();
}

LRESULT CLinkButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE: OnMouseMove(lParam); break;
    case WM_LBUTTONUP: OnLeftButtonUp(lParam); break;
    case WM_LBUTTONDOWN: OnLeftButtonDown(lParam); break;
    case WM_ERASEBKGND: return 1;  // the drawing fills the whole button
    case WM_SETCURSOR:
        // After a click the button's own logic gives up the capture, and the next move over
        // the caption would bring back the class's arrow: keep the hand while hovering.
        if ((state_ & kHover) != 0 && hand_ != nullptr) {
            SetCursor(hand_);
            return TRUE;
        }
        break;
    default: break;
    }
    return Default(message, wParam, lParam);
}

bool CLinkButton::InCaption(LPARAM lParam) const
{
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    // Edges included; the captured mouse also reports places outside the button.
    return x >= caption_.left && x <= caption_.right && y >= caption_.top && y <= caption_.bottom;
}

void CLinkButton::OnMouseMove(LPARAM lParam)
{
    if (InCaption(lParam)) {
        if ((state_ & kHover) != 0 && GetCapture() == Handle())
            return;
        // The capture is what tells us when the pointer leaves again.
        SetCapture(Handle());
        state_ = (state_ | kHover) & ~kPressed;
        if (savedCursor_ == nullptr) {
            if (hand_ == nullptr)
                hand_ = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));  // IDC_HAND
            if (hand_ != nullptr)
                savedCursor_ = SetCursor(hand_);
        }
        Invalidate();
    } else if ((state_ & kHover) != 0) {
        if (savedCursor_ != nullptr) {
            SetCursor(savedCursor_);
            savedCursor_ = nullptr;
        }
        if (GetCapture() == Handle())
            ReleaseCapture();
        state_ &= ~(kHover | kPressed);
        Invalidate();
    }
}

void CLinkButton::OnLeftButtonDown(LPARAM lParam)
{
    // A press need not follow a move: the window may have opened under a still pointer, or
    // the move may have been merged away. On the caption it counts as arriving there first.
    if ((state_ & kHover) == 0 && InCaption(lParam))
        OnMouseMove(lParam);
    if ((state_ & kHover) != 0) {
        state_ |= kPressed;
        Invalidate();
    }
}

void CLinkButton::OnLeftButtonUp(LPARAM lParam)
{
    if (!InCaption(lParam) || (state_ & kPressed) == 0)
        return;
    char caption[kMaxCaption + 1] = "";
    const char* target = target_;
    if (target == nullptr) {
        GetWindowTextA(Handle(), caption, sizeof caption);
        target = caption;
    }
    Invalidate();
    // What the shell makes of it is its own affair: without a browser or a mail program
    // nothing visible happens, and there is nothing better to offer.
    typedef HINSTANCE(WINAPI ShellExecuteFunction)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    if (auto* shellExecute = SystemFunction<ShellExecuteFunction>("shell32.dll", "ShellExecuteA"))
        shellExecute(Handle(), "open", target, nullptr, nullptr, SW_SHOWNORMAL);
}

void CLinkButton::SetTextFormatFromStyle()
{
    const LONG style = GetWindowLongA(Handle(), GWL_STYLE);
    UINT format = DT_NOPREFIX;  // an ampersand is drawn, not made an access key
    switch (style & BS_CENTER) {
    case BS_LEFT: format |= DT_LEFT; break;
    case BS_RIGHT: format |= DT_RIGHT; break;
    default: format |= DT_CENTER; break;
    }
    switch (style & BS_VCENTER) {
    case BS_TOP: format |= DT_TOP; break;
    case BS_BOTTOM: format |= DT_BOTTOM; break;
    default: format |= DT_VCENTER; break;
    }
    format |= (style & BS_MULTILINE) != 0 ? DT_WORDBREAK : DT_SINGLELINE;
    format_ = format;
}

void CLinkButton::PlaceCaption(HDC dc, const char* caption, int length, const RECT& item)
{
    RECT text = {0, 0, 0, 0};
    DrawTextA(dc, caption, length, &text, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    // Where a caption of `size` starts in [from, to): at the near edge, at the far one or centred.
    const auto start = [](LONG from, LONG to, LONG size, bool atEnd, bool centred) {
        if (atEnd)
            return to - size;
        return centred ? from + (to - from - size) / 2 : from;
    };
    const LONG width = text.right - text.left;
    const LONG height = text.bottom - text.top;
    caption_.left =
        start(item.left, item.right, width, (format_ & DT_RIGHT) != 0, (format_ & DT_CENTER) != 0);
    caption_.top =
        start(item.top, item.bottom, height, (format_ & DT_BOTTOM) != 0, (format_ & DT_VCENTER) != 0);
    caption_.right = caption_.left + width;
    caption_.bottom = caption_.top + height;
}

void CLinkButton::DrawItem(const DRAWITEMSTRUCT& item)
{
    if (item.itemAction == ODA_FOCUS)
        return;  // no focus rectangle: a link shows no focus
    HDC dc = item.hDC;

    // A copy of the button's font: underlined only while idle.
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
    if (font == nullptr)
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA description;
    HFONT copy = nullptr;
    if (GetObjectA(font, sizeof description, &description) == sizeof description) {
        description.lfUnderline = (state_ & (kHover | kPressed)) != 0 ? FALSE : TRUE;
        copy = CreateFontIndirectA(&description);
    }
    HGDIOBJ oldFont = SelectObject(dc, copy != nullptr ? copy : font);

    char caption[kMaxCaption + 1] = "";
    const int length = GetWindowTextA(Handle(), caption, sizeof caption);

    const Color color = (state_ & kPressed) != 0 ? pressed_ : (state_ & kHover) != 0 ? hover_ : normal_;

    // The dialog's own background for statics, so the button blends into the window.
    HBRUSH background = nullptr;
    HWND parent = GetParent(Handle());
    if (parent != nullptr) {
        const LRESULT answer = SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                            reinterpret_cast<LPARAM>(Handle()));
        background = reinterpret_cast<HBRUSH>(answer);
    }
    if (background == nullptr)
        background = GetSysColorBrush(COLOR_BTNFACE);

    SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    FillRect(dc, &item.rcItem, background);

    if (caption_.right == 0) {
        SetTextFormatFromStyle();
        PlaceCaption(dc, caption, length, item.rcItem);
    }

    RECT rect = item.rcItem;
    --rect.right;
    --rect.bottom;
    if ((state_ & kPressed) != 0)
        OffsetRect(&rect, 1, 1);
    DrawTextA(dc, caption, length, &rect, format_);

    SelectObject(dc, oldFont);
    if (copy != nullptr)
        DeleteObject(copy);
}
