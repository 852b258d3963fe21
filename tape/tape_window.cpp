#include "tape_window.h"

#include "resource_ids.h"
#include "tooltips.h"
#include "window_helpers.h"

#include <windowsx.h>

#include <algorithm>

namespace {

constexpr const char* kClassName = "TallyraTape";
constexpr int kListId = 1;
// A new tape stands beside its calculator, as wide as this and as tall as the calculator.
constexpr int kDefaultWidth = 260;
constexpr int kMinimumSide = 80;
constexpr UINT kScrollToEnd = WM_APP + 1;

struct MenuItem {
    UINT command;
    UINT text;
};
constexpr MenuItem kItems[] = {{IDM_COPY_TAPE, IDS_COPY_TAPE},
                               {IDM_DELETE_TAPE_LINES, IDS_DELETE_TAPE_LINES},
                               {IDM_SELECT_ALL_TAPE, IDS_SELECT_ALL_TAPE},
                               {IDM_CLEAR_TAPE, IDS_CLEAR_TAPE}};

void RegisterOnce()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;  // replaced by the window's own once it is created
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TALLYRA));
    wc.lpszClassName = kClassName;
    registered = RegisterClassA(&wc) != 0;
}

bool Usable(const RECT& place)
{
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    return width >= kMinimumSide && height >= kMinimumSide &&
           width <= 8 * GetSystemMetrics(SM_CXVIRTUALSCREEN) &&
           height <= 8 * GetSystemMetrics(SM_CYVIRTUALSCREEN) &&
           MonitorFromRect(&place, MONITOR_DEFAULTTONULL) != nullptr;
}

// Beside the owner on the right, or on its left where the right has no room.
RECT BesideOwner(HWND owner)
{
    const RECT calc = ScreenRect(owner);
    RECT place = {calc.right, calc.top, calc.right + kDefaultWidth, calc.bottom};
    if (MonitorFromRect(&place, MONITOR_DEFAULTTONULL) == nullptr ||
        place.right > GetSystemMetrics(SM_CXSCREEN))
        place = {calc.left - kDefaultWidth, calc.top, calc.left, calc.bottom};
    if (!Usable(place))
        place = {0, 0, kDefaultWidth, calc.bottom - calc.top};
    return place;
}

}  // namespace

CTapeWindow::CTapeWindow(TapeLines& lines, IClipboard& clipboard, Events events)
    : lines_(lines), clipboard_(clipboard), events_(std::move(events))
{
    lines_.OnChange([this](TapeChange change) { Follow(change); });
}

CTapeWindow::~CTapeWindow()
{
    lines_.OnChange(nullptr);
    if (hwnd_ != nullptr)
        DestroyWindow(hwnd_);
    if (brush_ != nullptr)
        DeleteObject(brush_);
    if (measure_ != nullptr)
        DeleteDC(measure_);
}

void CTapeWindow::Show(HWND owner, RECT place)
{
    if (hwnd_ == nullptr && !Create(owner, Usable(place) ? place : BesideOwner(owner)))
        return;
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    ScrollToEnd();
}

void CTapeWindow::Hide()
{
    if (hwnd_ != nullptr) {
        Place(lastPlace_);
        ShowWindow(hwnd_, SW_HIDE);
    }
}

bool CTapeWindow::Visible() const
{
    return hwnd_ != nullptr && IsWindowVisible(hwnd_);
}

bool CTapeWindow::Place(RECT& place) const
{
    if (hwnd_ == nullptr || !IsWindowVisible(hwnd_) || IsIconic(hwnd_)) {
        place = lastPlace_;
        return lastPlace_.right > lastPlace_.left;
    }
    place = ScreenRect(hwnd_);
    return true;
}

void CTapeWindow::SetLook(HFONT font, COLORREF text, COLORREF back)
{
    const bool colours = brush_ == nullptr || text != text_ || back != back_;
    text_ = text;
    back_ = back;
    if (colours) {
        if (brush_ != nullptr)
            DeleteObject(brush_);
        brush_ = CreateSolidBrush(back_);
    }
    if (font != font_) {
        font_ = font;
        if (list_ != nullptr) {
            SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
            UpdateWidth();
        }
    }
    if (list_ != nullptr)
        InvalidateRect(list_, nullptr, TRUE);
}

bool CTapeWindow::Create(HWND owner, RECT place)
{
    RegisterOnce();
    hwnd_ = CreateWindowExA(0, kClassName, LoadResourceString(IDS_TAPE_TITLE).c_str(),
                            WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN, place.left,
                            place.top, place.right - place.left, place.bottom - place.top, owner, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    if (hwnd_ == nullptr)
        return false;
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
    RECT client;
    GetClientRect(hwnd_, &client);
    list_ = CreateWindowExA(
        0, "LISTBOX", nullptr,
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_HASSTRINGS |
            LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT,
        0, 0, client.right, client.bottom, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)),
        GetModuleHandleA(nullptr), nullptr);
    if (font_ != nullptr)
        SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    // The system menu: the tape's own commands above the platform's Move, Size and Close.
    if (HMENU menu = GetSystemMenu(hwnd_, FALSE)) {
        int at = 0;
        for (const MenuItem& item : kItems)
            InsertMenuA(menu, at++, MF_BYPOSITION | MF_STRING, item.command,
                        LoadResourceString(item.text).c_str());
        InsertMenuA(menu, at, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        RemoveMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
        RemoveMenu(menu, SC_MINIMIZE, MF_BYCOMMAND);
        RemoveMenu(menu, SC_RESTORE, MF_BYCOMMAND);
    }
    Fill();
    return true;
}

LRESULT CALLBACK CTapeWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<CTapeWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT CTapeWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        if (list_ != nullptr)
            MoveWindow(list_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS: SetFocus(list_); return 0;
    case kScrollToEnd:
        scrollPending_ = false;
        SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
        ScrollToEnd();
        InvalidateRect(list_, nullptr, TRUE);
        return 0;
    case WM_CTLCOLORLISTBOX:
        SetTextColor(reinterpret_cast<HDC>(wParam), text_);
        SetBkColor(reinterpret_cast<HDC>(wParam), back_);
        return reinterpret_cast<LRESULT>(brush_);
    case WM_VKEYTOITEM: return OnListKey(LOWORD(wParam)) ? -2 : -1;
    case WM_CONTEXTMENU: {
        POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (at.x == -1 && at.y == -1) {  // from the keyboard: at the caret's line
            RECT item = {};
            const LRESULT caret = SendMessageA(list_, LB_GETCARETINDEX, 0, 0);
            SendMessageA(list_, LB_GETITEMRECT, static_cast<WPARAM>(caret < 0 ? 0 : caret),
                         reinterpret_cast<LPARAM>(&item));
            at = {item.left + 8, item.bottom};
            ClientToScreen(list_, &at);
        }
        ShowContextMenu(at);
        return 0;
    }
    case WM_COMMAND:
        if (RunCommand(LOWORD(wParam)))
            return 0;
        break;
    case WM_SYSCOMMAND:
        if (RunCommand(static_cast<UINT>(wParam & 0xFFF0)))
            return 0;
        break;
    case WM_CLOSE:
        Hide();
        if (events_.hidden)
            events_.hidden();
        return 0;
    case WM_DESTROY:
        Place(lastPlace_);
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        list_ = nullptr;
        return 0;
    default: break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

bool CTapeWindow::OnListKey(UINT key)
{
    const bool ctrl = CtrlHeld();
    if (ctrl && key == 'C')
        return RunCommand(IDM_COPY_TAPE);
    if (ctrl && key == 'A')
        return RunCommand(IDM_SELECT_ALL_TAPE);
    if (ctrl && key == 'H') {
        PostMessageA(hwnd_, WM_CLOSE, 0, 0);
        return true;
    }
    if (!ctrl && key == VK_DELETE)
        return RunCommand(IDM_DELETE_TAPE_LINES);
    if (key == VK_ESCAPE || key == VK_F6) {
        if (events_.backToOwner)
            events_.backToOwner();
        return true;
    }
    return false;
}

bool CTapeWindow::RunCommand(UINT command)
{
    switch (command) {
    case IDM_COPY_TAPE: CopyLines(); return true;
    case IDM_DELETE_TAPE_LINES: DeleteSelectedLines(); return true;
    case IDM_CLEAR_TAPE: ClearAll(); return true;
    case IDM_SELECT_ALL_TAPE: SelectAll(); return true;
    default: return false;
    }
}

void CTapeWindow::ShowContextMenu(POINT screen)
{
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr)
        return;
    const bool any = !lines_.Lines().empty();
    const bool selected = !Selection().empty();
    for (const MenuItem& item : kItems) {
        const bool enabled = item.command == IDM_DELETE_TAPE_LINES ? selected : any;
        AppendMenuA(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), item.command,
                    LoadResourceString(item.text).c_str());
    }
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd_, nullptr));
    DestroyMenu(menu);
    RunCommand(chosen);
}

void CTapeWindow::CopyLines()
{
    if (!lines_.Lines().empty())
        clipboard_.PutText(lines_.Text(Selection()));
}

void CTapeWindow::DeleteSelectedLines()
{
    const std::vector<int> selected = Selection();
    if (selected.empty())
        return;
    const int caret = selected.front();
    lines_.Erase(selected);
    const int count = static_cast<int>(lines_.Lines().size());
    if (count > 0 && list_ != nullptr) {
        const int at = caret < count ? caret : count - 1;
        SendMessageA(list_, LB_SETSEL, TRUE, at);
        SendMessageA(list_, LB_SETCARETINDEX, static_cast<WPARAM>(at), FALSE);
    }
}

void CTapeWindow::ClearAll()
{
    lines_.Clear();
}

void CTapeWindow::SelectAll()
{
    if (list_ != nullptr)
        SendMessageA(list_, LB_SETSEL, TRUE, -1);
}

std::vector<int> CTapeWindow::Selection() const
{
    std::vector<int> selected;
    if (list_ == nullptr)
        return selected;
    const LRESULT count = SendMessageA(list_, LB_GETSELCOUNT, 0, 0);
    if (count <= 0)
        return selected;
    selected.resize(static_cast<size_t>(count));
    const LRESULT got = SendMessageA(list_, LB_GETSELITEMS, static_cast<WPARAM>(count),
                                     reinterpret_cast<LPARAM>(selected.data()));
    selected.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return selected;
}

void CTapeWindow::Fill()
{
    if (list_ == nullptr)
        return;
    SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list_, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : lines_.Lines())
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    UpdateWidth();
    ScrollToEnd();
    InvalidateRect(list_, nullptr, TRUE);
}

void CTapeWindow::Follow(TapeChange change)
{
    if (list_ == nullptr)
        return;
    if (change != TapeChange::Appended || lines_.Lines().empty()) {
        Fill();
        return;
    }
    // The common case, one line more: only that line is added (and the oldest dropped when
    // the tape is full), and the newest line is brought into sight.
    // Drawn and scrolled once the lines stop coming: a paste records hundreds of lines at
    // once, and every redraw and scroll of a shown list is a round trip to the display.
    if (!scrollPending_) {
        scrollPending_ = true;
        SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
        PostMessageA(hwnd_, kScrollToEnd, 0, 0);
    }
    const LRESULT count = SendMessageA(list_, LB_GETCOUNT, 0, 0);
    if (count >= static_cast<LRESULT>(lines_.Lines().size()))
        SendMessageA(list_, LB_DELETESTRING, 0, 0);
    const std::string& line = lines_.Lines().back();
    SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    const int width = TextWidth(line);
    if (width > widest_) {
        widest_ = width;
        SendMessageA(list_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest_), 0);
    }
}

void CTapeWindow::UpdateWidth()
{
    widest_ = 0;
    for (const std::string& line : lines_.Lines())
        widest_ = std::max(widest_, TextWidth(line));
    SendMessageA(list_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest_), 0);
}

int CTapeWindow::TextWidth(const std::string& text)
{
    if (measure_ == nullptr) {
        measure_ = CreateCompatibleDC(nullptr);
        if (measure_ == nullptr)
            return 0;
    }
    // Selected only while measuring: the font is the owner's, who deletes it.
    const HGDIOBJ old = SelectObject(measure_, font_ != nullptr ? static_cast<HGDIOBJ>(font_)
                                                                : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {};
    GetTextExtentPoint32A(measure_, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(measure_, old);
    return size.cx + 8;
}

void CTapeWindow::ScrollToEnd()
{
    const LRESULT count = SendMessageA(list_, LB_GETCOUNT, 0, 0);
    if (count > 0)
        SendMessageA(list_, LB_SETTOPINDEX, static_cast<WPARAM>(count - 1), 0);
}
