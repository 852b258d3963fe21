// The calculator window: creation, binding of the keys and panels, fonts, focus and the
// messages that are not keys.
#include "calc_dlg.h"

#include "about_window.h"
#include "command_ids.h"
#include "maker_links.h"
#include "resource_ids.h"
#include "window_helpers.h"

namespace {

// Every key of the window, in the order the template holds them.
const int kKeyIds[] = {
    IDC_KEY_BACK,
    IDC_KEY_DELETE,
    IDC_KEY_CLEAR,
    IDC_KEY_ACC,
    IDC_KEY_MEM,
    IDC_KEY_VIEW,
    IDC_KEY_MC,
    IDC_KEY_MR,
    IDC_KEY_MS,
    IDC_KEY_MPLUS,
    2117,
    2118,
    2119,
    2114,
    2115,
    2116,
    2111,
    2112,
    2113,
    2110,
    IDC_KEY_SIGN,
    IDC_KEY_POINT,
    IDC_KEY_DIVIDE,
    IDC_KEY_MULTIPLY,
    IDC_KEY_SUBTRACT,
    IDC_KEY_ADD,
    IDC_KEY_PERCENT,
    IDC_KEY_SQRT,
    IDC_KEY_RECIPROCAL,
    IDC_KEY_EQUALS,
    IDC_KEY_TIPS,
    IDC_KEY_LN,
    IDC_KEY_LOG,
    IDC_KEY_SQUARE,
    IDC_KEY_SWAP,
    IDC_KEY_EXP,
    IDC_KEY_POW10,
    IDC_KEY_CUBE,
    IDC_KEY_POWXY,
    2120,
    2121,
    2122,
    2123,
    2124,
    2125,
    IDC_KEY_E,
    IDC_KEY_PI,
    IDC_KEY_SIN,
    IDC_KEY_COS,
    IDC_KEY_TAN,
    IDC_KEY_ASIN,
    IDC_KEY_ACOS,
    IDC_KEY_ATAN,
};

const int kPanelIds[] = {IDC_PANEL_RESULT, IDC_PANEL_CURRENT, IDC_PANEL_UP_LABEL,   IDC_PANEL_LAST_OP,
                         IDC_PANEL_OTHER,  IDC_PANEL_INTEGER, IDC_PANEL_OTHER_LABEL};

}  // namespace

Modifiers CurrentModifiers()
{
    return Modifiers{ShiftHeld(), CtrlHeld()};
}

CCalcDlg::CCalcDlg(int templateId, Edition edition)
    : Dialog(templateId), edition_(edition), engine_(*this, *this, clipboard_, settings_.engine, edition)
{
    accelerators_ = LoadAcceleratorsA(Instance(), MAKEINTRESOURCEA(IDA_CALC));
    icon_ = LoadIconA(Instance(), MAKEINTRESOURCEA(IDI_TALLYRA));
}

CCalcDlg::~CCalcDlg()
{
    controls_.Clear();
    if (boldFont_ != nullptr)
        DeleteObject(boldFont_);
    if (backgroundBrush_ != nullptr)
        DeleteObject(backgroundBrush_);
}

void CCalcDlg::SetDefaultColors()
{
    ::SetDefaultColors(settings_.colors, SystemColors{GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_BTNFACE)});
}

void CCalcDlg::ApplyTips()
{
    SetMenuCheck(settings_.bShowTips, IDM_SHOW_TIPS);
    tooltips_.Activate(settings_.bShowTips != 0);
}

void CCalcDlg::ToggleInMemory()
{
    SetMenuCheck(settings_.engine.bInMemory, IDM_IN_MEMORY_MODE);
    EngineForEvent().ToggleInMemory();
}

void CCalcDlg::ApplyOnTop()
{
    SetMenuCheck(settings_.bOnTop, IDM_ALWAYS_ON_TOP);
    SetWindowPos(Handle(), settings_.bOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CCalcDlg::ApplySoftButtons()
{
    if (!IsClassic())
        return;
    for (int id = 2100; id <= 2224; ++id) {
        if (CCalcButton* key = Key(id))
            key->SetSoft(settings_.bSoftButtons != 0);
    }
    SetMenuCheck(settings_.bSoftButtons, IDM_SOFT_BUTTONS);
}

void CCalcDlg::ShowExtendedView(bool) {}

void CCalcDlg::BindControls()
{
    // The Styled edition's keys are the system's push buttons; its panels are painted too.
    if (IsClassic()) {
        for (int id : kKeyIds)
            controls_.AddKey(Handle(), id);
    }
    for (int id : kPanelIds)
        controls_.AddPanel(Handle(), id);
}

CCalcButton* CCalcDlg::Key(int id)
{
    return controls_.Key(Item(id));
}

CCalcPanel* CCalcDlg::Panel(int id)
{
    return controls_.Panel(Item(id));
}

bool CCalcDlg::OnInitDialog()
{
    BindControls();
    BuildSystemMenu();
    SetWindowTextA(Handle(), LoadResourceString(IDS_TITLE).c_str());
    tooltips_.Create(Handle());
    clipboard_.SetOwner(Handle());
    if (IsClassic()) {
        ShowWindow(Item(IDC_KEY_VIEW), SW_SHOW);
        // These captions are drawn in the plain font even when the keys are bold.
        for (int id : {IDC_KEY_VIEW, IDC_KEY_SUBTRACT, IDC_KEY_POINT})
            if (CCalcButton* key = Key(id))
                key->SetUseParentFont(false);
    }
    ready_ = true;
    EngineForEvent().RefreshDisplay(true);
    return false;  // the window takes the focus itself once it is shown
}

void CCalcDlg::OnShown()
{
    // Only now: focus given to a hidden window leaves its caption drawn inactive.
    SetFocus(Handle());
}

bool CCalcDlg::PreTranslateMessage(MSG& msg)
{
    if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))
        return false;
    if (accelerators_ != nullptr && TranslateAcceleratorA(Handle(), accelerators_, &msg))
        return true;
    // A click gives a button the focus; the keys typed afterwards still belong to the
    // calculator, not to the button.
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST)
        msg.hwnd = Handle();
    return false;
}

bool CCalcDlg::OnCommand(int id, int code, HWND control)
{
    if (control == nullptr)
        return false;  // menu and accelerator commands come as system commands
    if (id == IDOK || id == IDCANCEL)
        return true;  // Enter and Escape never close the window through default buttons
    if (code != BN_CLICKED && code != BN_DOUBLECLICKED)
        return false;
    // An owner-drawn key reports the second click of a fast pair as a double click: it is a
    // press all the same.
    if (id == IDC_KEY_TIPS) {
        settings_.bShowTips = IsDlgButtonChecked(Handle(), IDC_KEY_TIPS) == BST_CHECKED ? 1 : 0;
        ApplyTips();
    } else {
        EngineForEvent().OnButton(id);
    }
    if (GetFocus() != Handle() && !Ending())
        SetFocus(Handle());
    return true;
}

bool CCalcDlg::OnSysCommand(WPARAM command, LPARAM)
{
    return OnBaseCommand(static_cast<UINT>(command & 0xFFF0));
}

bool CCalcDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR: return OnKeyMessage(message, wParam);
    case WM_SETFONT:
        OnDialogFont(reinterpret_cast<HFONT>(wParam));
        return false;  // the dialog manager keeps the font too
    case WM_GETFONT: return OnFontRequest(wParam, result);
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (CCalcButton* key = Key(static_cast<int>(item->CtlID)))
            key->DrawItem();
        result = TRUE;
        return true;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        return OnControlColor(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), result);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // Ignored: the dialog manager would hand the focus to the first control.
        return true;
    case WM_LBUTTONDOWN: SetFocus(Handle()); return false;
    case WM_ACTIVATEAPP:
        if (wParam)
            SetNumLock();
        return false;
    case WM_MOVE:
        if (!IsIconic(Handle())) {
            RECT rect;
            GetWindowRect(Handle(), &rect);
            settings_.nPosX = rect.left;
            settings_.nPosY = rect.top;
        }
        return false;
    case WM_NOTIFY:
        if (tooltips_.OnNotify(reinterpret_cast<const NMHDR*>(lParam)))
            return true;
        return false;
    case WM_HELP:
        ShowAboutWindow(kMakerMailLink, kMakerWebAddress);
        result = TRUE;
        return true;
    case WM_QUERYENDSESSION: result = TRUE; return true;
    case WM_ENDSESSION:
        // Windows is ending: what changed since the last save would otherwise be lost.
        if (wParam)
            SaveSettings();
        return true;
    default: return false;
    }
}

bool CCalcDlg::OnKeyMessage(UINT message, WPARAM wParam)
{
    const Modifiers mods = CurrentModifiers();
    const int key = static_cast<int>(wParam);
    if (message == WM_KEYDOWN && IsHelpKey(key)) {
        ShowAboutWindow(kMakerMailLink, kMakerWebAddress);
        return true;
    }
    CalcEngineExt& engine = EngineForEvent();
    switch (message) {
    case WM_KEYDOWN: return engine.OnKeyPress(key, mods);
    case WM_KEYUP: return engine.OnKeyRelease(key, mods);
    default: return engine.OnCharKey(key & 0xFF, mods);
    }
}

void CCalcDlg::OnDialogFont(HFONT font)
{
    // The bold font is made once, from the first font the window is given: the template's.
    if (boldFont_ == nullptr)
        boldFont_ = CreateBoldFont(font);
}

bool CCalcDlg::OnFontRequest(WPARAM selector, LRESULT& result)
{
    const bool bold = (selector == kFontForPanel && settings_.bBoldResult) ||
                      (selector == kFontForKey && settings_.bBoldButton && IsClassic());
    if (!bold || boldFont_ == nullptr)
        return false;  // the dialog manager answers with the dialog font
    result = reinterpret_cast<LRESULT>(boldFont_);
    return true;
}

void CCalcDlg::SetNumLock()
{
    BYTE keys[256];
    if (!GetKeyboardState(keys))
        return;
    keys[VK_NUMLOCK] = 1;
    SetKeyboardState(keys);
}

void CCalcDlg::TogglePrecisionControl()
{
    settings_.bShowPrecision = settings_.bShowPrecision ? 0 : 1;
    ApplyPrecisionControl();
}
