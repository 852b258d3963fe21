// The keypad windows' shared behaviour: creation, the keyboard, fonts, colours, help, the
// remembered position and the end of the session.
#include "keypad_dialog.h"

#include <utility>

#include "command_ids.h"
#include "fonts.h"
#include "keyboard.h"
#include "menu_rows.h"
#include "resource_ids.h"
#include "running_instance.h"
#include "window_place.h"

CKeypadDlg::CKeypadDlg(int templateId, Edition edition, int accelerators, HelpEntry help)
    : Dialog(templateId), edition_(edition), help_(help)
{
    accelerators_ = LoadAcceleratorsA(Instance(), MAKEINTRESOURCEA(accelerators));
    icon_ = LoadIconA(Instance(), MAKEINTRESOURCEA(IDI_TALLYRA));
}

CKeypadDlg::~CKeypadDlg()
{
    controls_.Clear();
    if (boldFont_ != nullptr)
        DeleteObject(boldFont_);
    if (backgroundBrush_ != nullptr)
        DeleteObject(backgroundBrush_);
}

void CKeypadDlg::BindOptions(WindowOptions& options, uint8_t& exitByEscape, uint8_t& clearByEscape)
{
    options_ = &options;
    exitByEscape_ = &exitByEscape;
    clearByEscape_ = &clearByEscape;
}

bool CKeypadDlg::BringOtherForward(const char* title) const
{
    if (options_->bRunMultiple)
        return false;
    HWND other = FindEarlierInstance(title);
    if (other == nullptr)
        return false;
    BringForward(other);
    return true;
}

bool CKeypadDlg::ReadHighContrast()
{
    HIGHCONTRASTA state = {};
    state.cbSize = sizeof state;
    const bool on = SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof state, &state, 0) &&
                    (state.dwFlags & HCF_HIGHCONTRASTON) != 0;
    const HighContrastColors palette{GetSysColor(COLOR_BTNFACE),   GetSysColor(COLOR_BTNTEXT),
                                     GetSysColor(COLOR_WINDOW),    GetSysColor(COLOR_WINDOWTEXT),
                                     GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHTTEXT)};
    const bool changed =
        on != highContrast_ ||
        (on && (palette.buttonFace != palette_.buttonFace || palette.buttonText != palette_.buttonText ||
                palette.window != palette_.window || palette.windowText != palette_.windowText ||
                palette.highlight != palette_.highlight || palette.highlightText != palette_.highlightText));
    highContrast_ = on;
    palette_ = palette;
    return changed;
}

bool CKeypadDlg::OnInitDialog()
{
    ReadHighContrast();
    BindControls();
    BuildSystemMenu();
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    tooltips_.Create(Handle(), Controls());
    clipboard_.SetOwner(Handle());
    return false;  // the window takes the focus itself once it is shown
}

void CKeypadDlg::OnShown()
{
    // Only now: focus given to a hidden window leaves its caption drawn inactive.
    SetFocus(Handle());
}

bool CKeypadDlg::PreTranslateMessage(MSG& msg)
{
    if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))
        return false;
    tooltips_.Relay(msg);
    if (accelerators_ != nullptr && TranslateAcceleratorA(Handle(), accelerators_, &msg))
        return true;
    // A click gives a button the focus; the keys typed afterwards still belong to the
    // window, not to the button.
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST)
        msg.hwnd = Handle();
    return false;
}

bool CKeypadDlg::OnCommand(int id, int code, HWND control)
{
    if (id == IDOK || id == IDCANCEL)
        return true;  // Enter and Escape never close the window through default buttons
    if (control == nullptr)
        return OnAccelerator(id);  // the menu's own commands come as system commands
    if (code != BN_CLICKED)
        return OnControlNotify(id, code);
    if (!OnKeyClicked(id))
        return false;
    if (GetFocus() != Handle() && !Ending())
        SetFocus(Handle());
    return true;
}

bool CKeypadDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
        if (message == WM_KEYDOWN && IsHelpKey(static_cast<int>(wParam))) {
            ShowHelp();
            return true;
        }
        // Enter acts when it comes up; one whose press went to another window (the About
        // window it closed, the tape's line it took back) is no Enter of this one.
        if (wParam == VK_RETURN && message == WM_KEYDOWN)
            enterPressed_ = true;
        else if (wParam == VK_RETURN && message == WM_KEYUP && !std::exchange(enterPressed_, false))
            return true;
        return OnKey(message, static_cast<int>(wParam));
    case WM_SETFONT:
        // The bold font is made once, from the first font the window is given: the template's.
        if (boldFont_ == nullptr)
            boldFont_ = CreateBoldFont(reinterpret_cast<HFONT>(wParam));
        return false;  // the dialog manager keeps the font too
    case WM_GETFONT: return OnFontRequest(wParam, result);
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (CCalcButton* key = Key(static_cast<int>(item->CtlID)))
            key->DrawItem();
        result = TRUE;
        return true;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // Ignored: the dialog manager would hand the focus to the first control, and every
        // key is the window's own.
        return true;
    case WM_LBUTTONDOWN: SetFocus(Handle()); return false;
    case WM_MOVE:
        if (!IsIconic(Handle())) {
            const RECT rect = ScreenRect(Handle());
            options_->nPosX = rect.left;
            options_->nPosY = rect.top;
        }
        return false;
    case WM_HELP:
        ShowHelp();
        result = TRUE;
        return true;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
        // High Contrast switched on or off while the window is open: it takes effect at once.
        if (ReadHighContrast())
            OnHighContrastChanged();
        return false;
    default: return false;
    }
}

bool CKeypadDlg::OnFontRequest(WPARAM selector, LRESULT& result) const
{
    const bool bold = (selector == kFontForPanel && options_->bBoldResult) ||
                      (selector == kFontForKey && options_->bBoldButton && IsClassic());
    if (!bold || boldFont_ == nullptr)
        return false;  // the dialog manager answers with the dialog font
    result = reinterpret_cast<LRESULT>(boldFont_);
    return true;
}

CKeypadDlg::Backdrop CKeypadDlg::BackdropOf(int id, UINT message) const
{
    if (id == 0)
        return Backdrop::Window;
    return message == WM_CTLCOLORSTATIC ? Backdrop::Clear : Backdrop::System;
}

bool CKeypadDlg::OnNotify(const NMHDR& header, LRESULT& /*result*/)
{
    return tooltips_.OnNotify(&header);
}

HBRUSH CKeypadDlg::OnControlColor(HDC dc, HWND control, UINT message)
{
    if (message == WM_CTLCOLORLISTBOX)
        return nullptr;
    const Backdrop backdrop = BackdropOf(control == Handle() ? 0 : GetDlgCtrlID(control), message);
    if (backdrop == Backdrop::EditBox) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return GetSysColorBrush(COLOR_WINDOW);
    }
    if (backgroundBrush_ == nullptr)
        return nullptr;
    switch (backdrop) {
    case Backdrop::System:
    case Backdrop::EditBox: return nullptr;
    case Backdrop::Window: return backgroundBrush_;
    case Backdrop::OnWindow: SetBkMode(dc, TRANSPARENT); return backgroundBrush_;
    case Backdrop::Clear: SetBkMode(dc, TRANSPARENT); return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    return nullptr;
}

void CKeypadDlg::SetBackground(Color color)
{
    if (backgroundBrush_ != nullptr)
        DeleteObject(backgroundBrush_);
    backgroundBrush_ = CreateSolidBrush(UsableColor(color));
}

CCalcButton* CKeypadDlg::Key(int id) const
{
    return controls_.Key(Item(id));
}

CCalcPanel* CKeypadDlg::Panel(int id) const
{
    return controls_.Panel(Item(id));
}

void CKeypadDlg::ShowHelp()
{
    if (help_ == nullptr)
        return;
    // Asked for while a window this one opened is up (F1 in the colours dialog reaches its
    // owner as WM_HELP): the help goes over that window, the active one, and hands the
    // activation back to it when it closes.
    HWND owner = Handle();
    const HWND active = GetActiveWindow();
    if (!IsWindowEnabled(owner) && active != nullptr && IsWindowEnabled(active)) {
        for (HWND above = GetWindow(active, GW_OWNER); above != nullptr; above = GetWindow(above, GW_OWNER))
            if (above == Handle())
                owner = active;
    }
    help_(owner);
}

void CKeypadDlg::ApplyTips()
{
    SetSystemMenuCheck(Handle(), options_->bShowTips, IDM_SHOW_TIPS);
    tooltips_.Activate(options_->bShowTips != 0);
    OnTipsChanged();
}

void CKeypadDlg::ApplySoftButtons()
{
    // The Styled edition's keys are the system's push buttons: nothing of theirs is painted.
    if (!IsClassic())
        return;
    controls_.ForEachKey([this](CCalcButton& key) { key.SetSoft(options_->bSoftButtons != 0); });
}

void CKeypadDlg::ApplyOnTop()
{
    SetWindowPos(Handle(), options_->bOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CKeypadDlg::RedrawAll()
{
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
