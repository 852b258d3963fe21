#include "tape_window.h"

#include <algorithm>

#include <commdlg.h>

#include "keyboard.h"
#include "resource_ids.h"
#include "resource_text.h"
#include "system_function.h"
#include "tape_key_map.h"
#include "whole_file.h"
#include "window_place.h"

namespace {

// A new tape stands beside its calculator, as wide as this and as tall as the calculator.
constexpr int kDefaultWidth = 260;
constexpr int kMinimumSide = 80;
constexpr UINT kScrollToEnd = WM_APP + 1;

bool Usable(const RECT& place)
{
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    return width >= kMinimumSide && height >= kMinimumSide &&
           width <= 8 * GetSystemMetrics(SM_CXVIRTUALSCREEN) &&
           height <= 8 * GetSystemMetrics(SM_CYVIRTUALSCREEN) && OnSomeScreen(place);
}

// Beside the owner on the right, or on its left where the right has no room.
RECT BesideOwner(HWND owner)
{
    const RECT calc = ScreenRect(owner);
    RECT place = {calc.right, calc.top, calc.right + kDefaultWidth, calc.bottom};
    if (!OnSomeScreen(place) || place.right > GetSystemMetrics(SM_CXSCREEN))
        place = {calc.left - kDefaultWidth, calc.top, calc.left, calc.bottom};
    if (!Usable(place))
        place = {0, 0, kDefaultWidth, calc.bottom - calc.top};
    return place;
}

}  // namespace

CTapeWindow::CTapeWindow(TapeLines& lines, uint8_t& forgetOnExit, IClipboard& clipboard, Events events)
    : Dialog(IDD_TAPE), lines_(lines), forgetOnExit_(forgetOnExit), clipboard_(clipboard),
      events_(std::move(events))
{
    rows_ = {
        {IDM_USE_RESULT, IDS_USE_RESULT, [this] { UseResult(); }, nullptr},
        {IDM_COPY_TAPE, IDS_COPY_TAPE, [this] { CopyLines(); }, nullptr},
        {IDM_DELETE_TAPE_LINES, IDS_DELETE_TAPE_LINES, [this] { DeleteSelectedLines(); }, nullptr},
        {IDM_SELECT_ALL_TAPE, IDS_SELECT_ALL_TAPE, [this] { SelectAll(); }, nullptr},
        {IDM_CLEAR_TAPE, IDS_CLEAR_TAPE, [this] { ClearAll(); }, nullptr},
        {IDM_SAVE_TAPE, IDS_SAVE_TAPE, [this] { SaveAs(); }, nullptr},
        // The one option, in the system menu only: its check mark shows the flag.
        {IDM_FORGET_TAPE, IDS_FORGET_TAPE, [this] { FlipForget(); }, &forgetOnExit_},
    };
    lines_.OnChange([this](TapeChange change) { Follow(change); });
}

void CTapeWindow::FlipForget()
{
    forgetOnExit_ = forgetOnExit_ ? 0 : 1;
    if (const MenuRow* row = FindMenuRow(rows_, IDM_FORGET_TAPE))
        CheckMenuRow(GetSystemMenu(Handle(), FALSE), *row);
    if (events_.forgetChanged)
        events_.forgetChanged();
}

CTapeWindow::~CTapeWindow()
{
    lines_.OnChange(nullptr);
    if (Handle() != nullptr)
        DestroyWindow(Handle());
    if (brush_ != nullptr)
        DeleteObject(brush_);
}

HWND CTapeWindow::List() const
{
    return Item(IDC_TAPE_LIST);
}

void CTapeWindow::Show(HWND owner, RECT place)
{
    if (Handle() == nullptr) {
        if (!Create(owner))
            return;
        place = Usable(place) ? place : BesideOwner(owner);
        SetWindowPos(Handle(), nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    ScrollToEnd();
}

void CTapeWindow::Hide()
{
    if (Handle() != nullptr) {
        Place(lastPlace_);
        ShowWindow(Handle(), SW_HIDE);
    }
}

bool CTapeWindow::Visible() const
{
    return Handle() != nullptr && IsWindowVisible(Handle());
}

bool CTapeWindow::Place(RECT& place) const
{
    if (Handle() == nullptr || !IsWindowVisible(Handle()) || IsIconic(Handle())) {
        place = lastPlace_;
        return lastPlace_.right > lastPlace_.left;
    }
    place = ScreenRect(Handle());
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
        if (List() != nullptr) {
            SendMessageA(List(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
            UpdateWidth();
        }
    }
    if (List() != nullptr)
        InvalidateRect(List(), nullptr, TRUE);
}

bool CTapeWindow::OnInitDialog()
{
    SetWindowTextA(Handle(), LoadResourceString(IDS_TAPE_TITLE).c_str());
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadIconA(Instance(), MAKEINTRESOURCEA(IDI_TALLYRA))));
    if (font_ != nullptr)
        SendMessageA(List(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    // The system menu: the tape's own commands above the platform's Move, Size and Close.
    if (HMENU menu = GetSystemMenu(Handle(), FALSE)) {
        int at = 0;
        for (const MenuRow& row : rows_)
            InsertMenuRow(menu, at++, row);
        InsertMenuRow(menu, at, MenuRow{});
        RemoveMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
        RemoveMenu(menu, SC_MINIMIZE, MF_BYCOMMAND);
        RemoveMenu(menu, SC_RESTORE, MF_BYCOMMAND);
    }
    RECT client;
    GetClientRect(Handle(), &client);
    OnSize(client.right, client.bottom);
    Fill();
    return true;  // the list takes the focus
}

void CTapeWindow::OnSize(int width, int height)
{
    if (HWND list = List())
        MoveWindow(list, 0, 0, width, height, TRUE);
}

bool CTapeWindow::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/)
{
    if (message != kScrollToEnd)
        return false;
    scrollPending_ = false;
    SendMessageA(List(), WM_SETREDRAW, TRUE, 0);
    ScrollToEnd();
    InvalidateRect(List(), nullptr, TRUE);
    return true;
}

HBRUSH CTapeWindow::OnControlColor(HDC dc, HWND /*control*/, UINT message)
{
    if (message != WM_CTLCOLORLISTBOX)
        return nullptr;
    SetTextColor(dc, text_);
    SetBkColor(dc, back_);
    return brush_;
}

bool CTapeWindow::OnListKey(int /*id*/, int key)
{
    switch (TapeKeyFor(key, HeldModifiers())) {
    case TapeKey::UseResult: return RunCommand(IDM_USE_RESULT);
    case TapeKey::Save: return RunCommand(IDM_SAVE_TAPE);
    case TapeKey::Copy: return RunCommand(IDM_COPY_TAPE);
    case TapeKey::Delete: return RunCommand(IDM_DELETE_TAPE_LINES);
    case TapeKey::SelectAll: return RunCommand(IDM_SELECT_ALL_TAPE);
    case TapeKey::Hide: PostMessageA(Handle(), WM_CLOSE, 0, 0); return true;
    case TapeKey::BackToOwner:
        if (events_.backToOwner)
            events_.backToOwner();
        return true;
    case TapeKey::None: break;
    }
    return false;
}

bool CTapeWindow::OnListChar(int /*id*/, int ch)
{
    // The characters of the Ctrl chords the keys above have already acted on (Ctrl+C gives
    // 3) would otherwise move the caret, and with it the selection, to a line they match.
    return ch < 0x20;
}

bool CTapeWindow::OnContextMenu(HWND /*from*/, POINT at)
{
    if (at.x == -1 && at.y == -1) {  // from the keyboard: at the caret's line
        RECT item = {};
        const LRESULT caret = SendMessageA(List(), LB_GETCARETINDEX, 0, 0);
        SendMessageA(List(), LB_GETITEMRECT, static_cast<WPARAM>(caret < 0 ? 0 : caret),
                     reinterpret_cast<LPARAM>(&item));
        at = {item.left + 8, item.bottom};
        ClientToScreen(List(), &at);
    }
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr)
        return true;
    // The option is the system menu's; the context menu holds the commands.
    for (const MenuRow& row : rows_)
        if (row.checked == nullptr)
            InsertMenuRow(menu, -1, row, Enabled(row));
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr));
    DestroyMenu(menu);
    RunCommand(chosen);
    return true;
}

bool CTapeWindow::Enabled(const MenuRow& row) const
{
    if (row.command == IDM_DELETE_TAPE_LINES)
        return !Selection().empty();
    if (row.command == IDM_USE_RESULT)
        return lines_.ResultOf(CaretLine()).has_value();
    return !lines_.Lines().empty();
}

int CTapeWindow::CaretLine() const
{
    return List() != nullptr ? static_cast<int>(SendMessageA(List(), LB_GETCARETINDEX, 0, 0)) : -1;
}

bool CTapeWindow::OnCommand(int id, int code, HWND control)
{
    // A double click on a line takes its result, as Enter does.
    if (id == IDC_TAPE_LIST && code == LBN_DBLCLK)
        return RunCommand(IDM_USE_RESULT);
    return control == nullptr && RunCommand(static_cast<UINT>(id));
}

bool CTapeWindow::OnSysCommand(WPARAM command, LPARAM /*lParam*/)
{
    return RunCommand(static_cast<UINT>(command & 0xFFF0));
}

bool CTapeWindow::SpokenTextOf(int id, SpokenText& text)
{
    return SpokenTexts(id, IDS_NAME_OFFSET + id, nullptr, text);
}

bool CTapeWindow::OnClose()
{
    Hide();
    if (events_.hidden)
        events_.hidden();
    return true;
}

bool CTapeWindow::RunCommand(UINT command)
{
    const MenuRow* row = FindMenuRow(rows_, command);
    if (row == nullptr)
        return false;
    row->run();
    return true;
}

void CTapeWindow::UseResult()
{
    if (events_.useResult)
        events_.useResult(CaretLine());
}

void CTapeWindow::SaveAs()
{
    using GetSaveFileNameFn = BOOL WINAPI(OPENFILENAMEA*);
    // The common dialogs are loaded from the system folder when a save is first asked for.
    static GetSaveFileNameFn* const ask =
        SystemFunction<GetSaveFileNameFn>("comdlg32.dll", "GetSaveFileNameA");
    if (ask == nullptr || lines_.Lines().empty())
        return;
    std::string filter = LoadResourceString(IDS_SAVE_TAPE_FILTER);
    std::replace(filter.begin(), filter.end(), '|', '\0');
    const std::string title = LoadResourceString(IDS_SAVE_TAPE_TITLE);
    char path[MAX_PATH] = "Tape.txt";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = Handle();
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.lpstrTitle = title.c_str();
    ofn.lpstrDefExt = "txt";
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    // The calculator waits too, as it waits under its other windows: a command or a Close that
    // reached it meanwhile would end or re-create it beneath the dialog's own loop.
    const HWND calculator = GetWindow(Handle(), GW_OWNER);
    const bool disable = calculator != nullptr && IsWindowEnabled(calculator);
    if (disable)
        EnableWindow(calculator, FALSE);
    std::string reason;
    if (ask(&ofn) && !WriteFileWhole(path, lines_.FileText(), reason)) {
        const std::string message = FormatResourceString(IDS_SAVE_TAPE_FAILED, path) + "\n\n" + reason;
        MessageBoxA(Handle(), message.c_str(), LoadResourceString(IDS_TAPE_TITLE).c_str(),
                    MB_OK | MB_ICONWARNING);
    }
    if (disable)
        EnableWindow(calculator, TRUE);
}

void CTapeWindow::CopyLines()
{
    if (lines_.Lines().empty())
        return;
    const std::vector<int> selected = Selection();
    if (!clipboard_.PutText(lines_.Text(selected)))
        return;
    const size_t count = selected.empty() ? lines_.Lines().size() : selected.size();
    Announce(
        FormatResourceString(IDS_ANNOUNCE_COPIED, std::to_string(count) + (count == 1 ? " line" : " lines")));
}

void CTapeWindow::DeleteSelectedLines()
{
    const std::vector<int> selected = Selection();
    if (selected.empty())
        return;
    const int caret = selected.front();
    lines_.Erase(selected);
    const int count = static_cast<int>(lines_.Lines().size());
    if (count > 0 && List() != nullptr) {
        const int at = caret < count ? caret : count - 1;
        SendMessageA(List(), LB_SETSEL, TRUE, at);
        SendMessageA(List(), LB_SETCARETINDEX, static_cast<WPARAM>(at), FALSE);
    }
}

void CTapeWindow::ClearAll()
{
    lines_.Clear();
}

void CTapeWindow::SelectAll()
{
    if (List() != nullptr)
        SendMessageA(List(), LB_SETSEL, TRUE, -1);
}

std::vector<int> CTapeWindow::Selection() const
{
    std::vector<int> selected;
    if (List() == nullptr)
        return selected;
    const LRESULT count = SendMessageA(List(), LB_GETSELCOUNT, 0, 0);
    if (count <= 0)
        return selected;
    selected.resize(static_cast<size_t>(count));
    const LRESULT got = SendMessageA(List(), LB_GETSELITEMS, static_cast<WPARAM>(count),
                                     reinterpret_cast<LPARAM>(selected.data()));
    selected.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return selected;
}

void CTapeWindow::Fill()
{
    HWND list = List();
    if (list == nullptr)
        return;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : lines_.Lines())
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    UpdateWidth();
    ScrollToEnd();
    InvalidateRect(list, nullptr, TRUE);
}

void CTapeWindow::Follow(TapeChange change)
{
    HWND list = List();
    if (list == nullptr)
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
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        PostMessageA(Handle(), kScrollToEnd, 0, 0);
    }
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    if (count >= static_cast<LRESULT>(lines_.Lines().size()))
        SendMessageA(list, LB_DELETESTRING, 0, 0);
    const std::string& line = lines_.Lines().back();
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    const int width = TextWidth(line);
    if (width > widest_) {
        widest_ = width;
        SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest_), 0);
    }
}

void CTapeWindow::UpdateWidth()
{
    widest_ = 0;
    for (const std::string& line : lines_.Lines())
        widest_ = std::max(widest_, TextWidth(line));
    SendMessageA(List(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest_), 0);
}

int CTapeWindow::TextWidth(const std::string& text)
{
    return measure_.Width(font_, text) + 8;
}

void CTapeWindow::ScrollToEnd()
{
    const LRESULT count = SendMessageA(List(), LB_GETCOUNT, 0, 0);
    if (count > 0)
        SendMessageA(List(), LB_SETTOPINDEX, static_cast<WPARAM>(count - 1), 0);
}
