// The loan window's options: its system menu, the commands of the menu and the accelerators,
// and its colours, which the calculator hands over each time it opens the window.
#include "about_window.h"
#include "command_ids.h"
#include "loan_dlg.h"
#include "maker_links.h"
#include "resource_ids.h"
#include "window_helpers.h"

namespace {

void Flip(uint8_t& flag)
{
    flag = flag ? 0 : 1;
}

constexpr INT_PTR kRecreate = -2;

}  // namespace

void CLoanDlg::BuildSystemMenu()
{
    if (GetSystemMenu(Handle(), FALSE) != nullptr) {
        RemoveSizeItems(Handle());
        struct Item {
            UINT command;
            UINT text;  // 0: a separator
            bool classicOnly;
        };
        static const Item kItems[] = {
            {0, 0, false},
            {IDM_SHOW_TIPS, IDS_SHOW_TIPS, false},
            {IDM_QUICK_HELP, IDS_QUICK_HELP, false},
            {0, 0, false},
            {IDM_EXIT_ON_ESCAPE, IDS_EXIT_ON_ESCAPE, false},
            {IDM_CLEAR_ON_ESCAPE, IDS_CLEAR_ON_ESCAPE, false},
            {0, 0, false},
            {IDM_MULTIPLE_INSTANCES, IDS_MULTIPLE_INSTANCES, false},
            {IDM_ALWAYS_ON_TOP, IDS_ALWAYS_ON_TOP, false},
            {0, 0, true},
            {IDM_BOLD_BUTTONS, IDS_BOLD_BUTTONS, true},
            {IDM_SOFT_BUTTONS, IDS_SOFT_BUTTONS, true},
            {0, 0, false},
            {IDM_BOLD_VALUES, IDS_BOLD_VALUES, false},
            {IDM_BIG_FONT, IDS_BIG_FONT, false},
            {IDM_COMMA, IDS_COMMA, false},
            {0, 0, false},
            {IDM_PASTE, IDS_PASTE, false},
            {IDM_COPY, IDS_COPY, false},
        };
        for (const Item& item : kItems) {
            if (!item.classicOnly || IsClassic())
                AppendSystemMenuItem(Handle(), item.command, item.text);
        }
        SetSystemMenuCheck(Handle(), settings_.bBigFont, IDM_BIG_FONT);
        SetSystemMenuCheck(Handle(), settings_.bBoldResult, IDM_BOLD_VALUES);
        SetSystemMenuCheck(Handle(), settings_.bBoldButton, IDM_BOLD_BUTTONS);
        SetSystemMenuCheck(Handle(), settings_.bCommaPoint, IDM_COMMA);
        SetSystemMenuCheck(Handle(), settings_.bRunMultiple, IDM_MULTIPLE_INSTANCES);
        ApplyEscapeChecks();
    }
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
}

void CLoanDlg::ApplyEscapeChecks()
{
    SetSystemMenuCheck(Handle(), settings_.bExitByEscape, IDM_EXIT_ON_ESCAPE);
    SetSystemMenuCheck(Handle(), settings_.bClearByEscape, IDM_CLEAR_ON_ESCAPE);
}

void CLoanDlg::ApplySoftButtons()
{
    if (!IsClassic())
        return;
    for (int id = 2100; id <= 2224; ++id) {
        if (CCalcButton* key = Key(id))
            key->SetSoft(settings_.bSoftButtons != 0);
    }
    SetSystemMenuCheck(Handle(), settings_.bSoftButtons, IDM_SOFT_BUTTONS);
}

void CLoanDlg::ApplyTips()
{
    SetSystemMenuCheck(Handle(), settings_.bShowTips, IDM_SHOW_TIPS);
    tooltips_.Activate(settings_.bShowTips != 0);
}

void CLoanDlg::ApplyOnTop()
{
    SetSystemMenuCheck(Handle(), settings_.bOnTop, IDM_ALWAYS_ON_TOP);
    SetWindowPos(Handle(), settings_.bOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CLoanDlg::ApplyLoanColors()
{
    const Color* c = settings_.crLoanColors;
    if (backgroundBrush_ != nullptr)
        DeleteObject(backgroundBrush_);
    backgroundBrush_ = CreateSolidBrush(UsableColor(c[kLoanDialogBack]));
    for (int id : {IDC_LOAN_AMOUNT, IDC_LOAN_TERM, IDC_LOAN_RATE}) {
        if (CCalcPanel* panel = Panel(id)) {
            panel->SetForeColor(c[kLoanInputText]);
            panel->SetBackColor(c[kLoanInputBack]);
        }
    }
    if (CCalcPanel* result = Panel(IDC_LOAN_RESULT)) {
        result->SetForeColor(c[kLoanResultText]);
        result->SetBackColor(c[kLoanResultBack]);
    }
    const Color face = settings_.bSystemBackgrounds ? GetSysColor(COLOR_BTNFACE) : c[kLoanKeyBack];
    for (int id = IDC_KEY_DIGIT0; id <= IDC_KEY_DIGIT9; ++id) {
        if (CCalcButton* key = Key(id)) {
            key->SetBackColor(face);
            key->SetForeColor(c[kLoanDigitKeysText]);
        }
    }
    if (CCalcButton* equals = Key(IDC_LOAN_COMPUTE)) {
        equals->SetBackColor(face);
        equals->SetForeColor(c[kLoanEqualsKeyText]);
    }
    if (CCalcButton* point = Key(IDC_KEY_POINT)) {
        point->SetBackColor(face);
        point->SetForeColor(c[kLoanPointKeyText]);
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool CLoanDlg::OnControlColor(UINT message, HDC dc, HWND control, LRESULT& result)
{
    if (backgroundBrush_ == nullptr)
        return false;
    if (control == Handle()) {
        if (settings_.bSystemBackgrounds)
            return false;
        result = reinterpret_cast<LRESULT>(backgroundBrush_);
        return true;
    }
    const int id = GetDlgCtrlID(control);
    // The field radios sit on a patch of the window colour whatever the option says.
    if (id == IDC_LOAN_RADIO_AMOUNT || id == IDC_LOAN_RADIO_RATE || id == IDC_LOAN_RADIO_TERM) {
        SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<LRESULT>(backgroundBrush_);
        return true;
    }
    if (message == WM_CTLCOLORSTATIC) {
        SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        return true;
    }
    return false;
}

bool CLoanDlg::OnSysCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT command = static_cast<UINT>(wParam & 0xFFF0);
    switch (command) {
    case IDM_QUICK_HELP: ShowAboutWindow(kMakerMailLink, kMakerWebAddress); break;
    case IDM_SHOW_TIPS:
        Flip(settings_.bShowTips);
        ApplyTips();
        break;
    case IDM_SOFT_BUTTONS:
        if (!IsClassic())
            return false;
        Flip(settings_.bSoftButtons);
        ApplySoftButtons();
        break;
    case IDM_MULTIPLE_INSTANCES:
        Flip(settings_.bRunMultiple);
        SetSystemMenuCheck(Handle(), settings_.bRunMultiple, IDM_MULTIPLE_INSTANCES);
        break;
    case IDM_COMMA: {
        const char old = entry_.Separator();
        Flip(settings_.bCommaPoint);
        SetSystemMenuCheck(Handle(), settings_.bCommaPoint, IDM_COMMA);
        entry_.SetCommaPoint(settings_.bCommaPoint != 0);
        entry_.SwitchSeparator(old, entry_.Separator());
        break;
    }
    case IDM_COPY: entry_.CopyResult(); return true;
    case IDM_PASTE: entry_.PasteAmount(); return true;
    case IDM_EXIT_ON_ESCAPE:
        Flip(settings_.bExitByEscape);
        if (settings_.bExitByEscape)
            settings_.bClearByEscape = 0;  // never both
        ApplyEscapeChecks();
        break;
    case IDM_CLEAR_ON_ESCAPE:
        Flip(settings_.bClearByEscape);
        if (settings_.bClearByEscape)
            settings_.bExitByEscape = 0;
        ApplyEscapeChecks();
        break;
    case IDM_BIG_FONT:
        Flip(settings_.bBigFont);
        SetSystemMenuCheck(Handle(), settings_.bBigFont, IDM_BIG_FONT);
        Save();
        End(kRecreate);
        return true;
    case IDM_BOLD_VALUES:
        Flip(settings_.bBoldResult);
        SetSystemMenuCheck(Handle(), settings_.bBoldResult, IDM_BOLD_VALUES);
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        break;
    case IDM_BOLD_BUTTONS:
        if (!IsClassic())
            return false;
        Flip(settings_.bBoldButton);
        SetSystemMenuCheck(Handle(), settings_.bBoldButton, IDM_BOLD_BUTTONS);
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        break;
    case IDM_ALWAYS_ON_TOP:
        Flip(settings_.bOnTop);
        ApplyOnTop();
        break;
    case SC_CLOSE:
        Save();
        End(2);
        return true;
    default:
        // Moving, minimising and the like: the platform's own handling first, so that the
        // place saved is the one the window has come to.
        DefWindowProcA(Handle(), WM_SYSCOMMAND, wParam, lParam);
        Save();
        return true;
    }
    Save();
    return true;
}
