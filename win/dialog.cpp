#include "dialog.h"

#include <commctrl.h>
#include <windowsx.h>

#include "program_end.h"
#include "resource_text.h"
#include "session_rules.h"

static_assert(kEndSessionCloseApp == ENDSESSION_CLOSEAPP, "the window-free copy of ENDSESSION_CLOSEAPP");

namespace {

// The dialog being created: WM_SETFONT arrives before WM_INITDIALOG, while the window does not
// know its object yet. Every window lives on the one user-interface thread; a thread_local
// would pull the threads library's emulated TLS (some 20 KB) into the program for nothing.
Dialog* g_creating = nullptr;

// Messages whose dialog-procedure return value is itself the answer; every other answer goes
// through DWLP_MSGRESULT.
bool ReturnsDirectly(UINT message)
{
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG: return true;
    default: return false;
    }
}

// Owner-drawn and radio buttons report the second click of a fast pair as a double click:
// it is a press all the same.
bool IsButtonDoubleClick(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) != BN_DOUBLECLICKED || lParam == 0)
        return false;
    return IsButtonWindow(reinterpret_cast<HWND>(lParam));
}

}  // namespace

bool IsButtonWindow(HWND window)
{
    char name[16];
    return window != nullptr && GetClassNameA(window, name, sizeof name) > 0 &&
           lstrcmpiA(name, "Button") == 0;
}

bool Dialog::SpokenTexts(int id, UINT nameId, const char* shortcut, SpokenText& text)
{
    text.name = LoadResourceString(nameId);
    if (text.name.empty())
        return false;
    text.description = LoadResourceString(static_cast<UINT>(id));
    text.shortcut = shortcut != nullptr ? shortcut : "";
    return true;
}

bool Dialog::SpokenTextOf(HWND control, SpokenText& text)
{
    return SpokenTextOf(GetDlgCtrlID(control), text);
}

void Dialog::MakeControlsHeard()
{
    for (const auto& [id, control] : Controls()) {
        SpokenText text;
        if (id <= 0 || !SpokenTextOf(id, text))
            continue;
        if (SubclassedControl* painted = SubclassedControl::Of(control)) {
            painted->SetSpokenTextSource(this);
            continue;
        }
        auto heard = std::make_unique<SubclassedControl>();
        if (heard->Attach(control)) {
            heard->SetSpokenTextSource(this);
            heard_.push_back(std::move(heard));
        }
    }
}

bool Dialog::IsOwn(HWND window)
{
    return reinterpret_cast<DLGPROC>(GetWindowLongPtrA(window, DWLP_DLGPROC)) == DialogProc;
}

Dialog::~Dialog()
{
    if (hwnd_ != nullptr)
        DestroyWindow(hwnd_);
}

HWND Dialog::CreateWindowFromTemplate(HWND owner)
{
    ended_ = false;
    g_creating = this;
    HWND hwnd = CreateDialogParamA(Instance(), MAKEINTRESOURCEA(templateId_), owner, DialogProc,
                                   reinterpret_cast<LPARAM>(this));
    g_creating = nullptr;
    return hwnd;
}

bool Dialog::Create(HWND owner)
{
    return CreateWindowFromTemplate(owner) != nullptr;
}

INT_PTR Dialog::RunModal(HWND owner)
{
    if (ProgramEnding())
        return kEndClosed;
    HWND hwnd = CreateWindowFromTemplate(owner);
    if (hwnd == nullptr)
        return -1;

    const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disableOwner)
        EnableWindow(owner, FALSE);
    if (!ended_) {
        ShowWindow(hwnd, SW_SHOW);
        OnShown();
    }

    MSG msg;
    while (!ended_) {
        if (ProgramEnding()) {
            // The innermost window goes first; its owner's loop, waiting beneath this one,
            // sees the end as soon as this one returns.
            if (!savedForEnd_)
                SaveForEnd();
            savedForEnd_ = true;
            End(kEndClosed);
            break;
        }
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // let the outer loops see it too
            break;
        }
        if (got == -1)
            break;
        if (PreTranslateMessage(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }

    // The owner comes back before this window goes, so the activation returns to it.
    if (disableOwner)
        EnableWindow(owner, TRUE);
    if (hwnd_ != nullptr)
        DestroyWindow(hwnd_);
    return result_;
}

const std::vector<std::pair<int, HWND>>& Dialog::Controls() const
{
    // Listed once, when the template's controls all exist.
    if (items_.empty() && created_ && hwnd_ != nullptr) {
        for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
            items_.emplace_back(GetDlgCtrlID(child), child);
    }
    return items_;
}

HWND Dialog::Item(int id) const
{
    if (!created_)  // still being made: WM_SETFONT and the like
        return hwnd_ != nullptr ? GetDlgItem(hwnd_, id) : nullptr;
    for (const auto& [known, control] : Controls())
        if (known == id)
            return control;
    return nullptr;
}

void Dialog::End(INT_PTR result)
{
    ended_ = true;
    result_ = result;
    // A menu open on this thread (the system menu, dropped down when a Close arrives from
    // the taskbar or another program) runs a loop of its own, which would hold this window's
    // end until the user dismissed the menu.
    EndMenu();
    if (hwnd_ != nullptr)
        PostMessageA(hwnd_, WM_NULL, 0, 0);  // wakes the loop
}

bool Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_INITDIALOG:
        created_ = true;
        result = OnInitDialog() ? TRUE : FALSE;
        MakeControlsHeard();
        return true;
    case WM_GETOBJECT: result = announcer_.Answer(hwnd_, wParam, lParam); return result != 0;
    case WM_COMMAND: {
        const int code = IsButtonDoubleClick(wParam, lParam) ? BN_CLICKED : HIWORD(wParam);
        return OnCommand(LOWORD(wParam), code, reinterpret_cast<HWND>(lParam));
    }
    case WM_SYSCOMMAND: return OnSysCommand(wParam, lParam);
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
        const HBRUSH brush =
            OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
        result = reinterpret_cast<LRESULT>(brush);
        return brush != nullptr;
    }
    case WM_NOTIFY: return DispatchNotify(*reinterpret_cast<const NMHDR*>(lParam), result);
    case WM_VKEYTOITEM:
        // -2: the window took the key; -1: the list box does what it does with it.
        result = OnListKey(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)), LOWORD(wParam)) ? -2 : -1;
        return true;
    case WM_CHARTOITEM:
        result = OnListChar(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)), LOWORD(wParam)) ? -2 : -1;
        return true;
    case WM_CONTEXTMENU:
        return OnContextMenu(reinterpret_cast<HWND>(wParam),
                             POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_SIZE: OnSize(LOWORD(lParam), HIWORD(lParam)); return false;
    case WM_CLOSE: return OnClose();
    case WM_QUERYENDSESSION:
    case WM_ENDSESSION: result = OnSessionMessage(message, wParam, lParam); return true;
    default: return OnMessage(message, wParam, lParam, result);
    }
}

LRESULT Dialog::OnSessionMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const SessionAnswer answer =
        AnswerSession(message == WM_ENDSESSION ? SessionMessage::End : SessionMessage::Query, wParam != 0,
                      static_cast<uint32_t>(lParam));
    if (answer.save) {
        // Nobody is there to answer a question any more: a save that fails now says nothing.
        MarkSessionEnding();
        if (!savedForEnd_)
            SaveForEnd();
    }
    if (answer.endProgram) {
        // Saved now, while the message is still with us: a window beneath a modal one ends
        // only when the modal one has, and this save must not wait for that.
        savedForEnd_ = true;
        EndProgram();
    }
    return answer.agree ? TRUE : FALSE;
}

bool Dialog::DispatchNotify(const NMHDR& header, LRESULT& result)
{
    // A list view asks in the encoding it was told the window speaks; under Wine the common
    // controls are Unicode inside and may ask in either.
    if (header.code == LVN_GETDISPINFOA || header.code == LVN_GETDISPINFOW) {
        auto& info = *reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(&header));
        std::string text;
        if ((info.item.mask & LVIF_TEXT) == 0 || info.item.pszText == nullptr || info.item.cchTextMax <= 0 ||
            !OnListCell(static_cast<int>(header.idFrom), info.item.iItem, info.item.iSubItem, text))
            return false;
        if (header.code == LVN_GETDISPINFOA) {
            lstrcpynA(info.item.pszText, text.c_str(), info.item.cchTextMax);
        } else {
            auto* wide = reinterpret_cast<wchar_t*>(info.item.pszText);
            MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, info.item.cchTextMax);
            wide[info.item.cchTextMax - 1] = L'\0';
        }
        result = 0;
        return true;
    }
    return OnNotify(header, result);
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Dialog* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        self = message == WM_INITDIALOG ? reinterpret_cast<Dialog*>(lParam) : g_creating;
        if (self == nullptr)
            return FALSE;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = hwnd;
    }

    LRESULT result = 0;
    bool handled = false;
    try {
        handled = self->Dispatch(message, wParam, lParam, result);
    } catch (...) {
        // Nothing may unwind through the window system's frames: the message is left to
        // the default handling, and the window goes on.
        handled = false;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->items_.clear();
        self->created_ = false;
    }
    if (!handled)
        return FALSE;
    if (ReturnsDirectly(message))
        return static_cast<INT_PTR>(result);
    // Only a change is written: under Wine every write of a window's extra bytes is a round
    // trip to the window server, and most answers are the same as the one before.
    if (GetWindowLongPtrA(hwnd, DWLP_MSGRESULT) != result)
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}
