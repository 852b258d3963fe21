// The system commands of the calculator window: the options of its menu and their
// accelerators. The base window's commands are written at the next save; the extended
// window's are saved at once.
#include "about_window.h"
#include "calc_app.h"
#include "calc_ext_dlg.h"
#include "command_ids.h"
#include "loan_settings.h"
#include "maker_links.h"

namespace {

void Flip(uint8_t& flag)
{
    flag = flag ? 0 : 1;
}

// The window's result that asks for it to be created again from the other template.
constexpr INT_PTR kRecreate = -2;

}  // namespace

bool CCalcDlg::OnBaseCommand(UINT command)
{
    switch (command) {
    case IDM_QUICK_HELP: ShowAboutWindow(kMakerMailLink, kMakerWebAddress); return true;
    case IDM_SHOW_TIPS:
        settings_.bShowTips = settings_.bShowTips ? 0 : 1;
        ApplyTips();
        return true;
    case IDM_SOFT_BUTTONS:
        if (!IsClassic())
            return false;
        Flip(settings_.bSoftButtons);
        ApplySoftButtons();
        return true;
    case IDM_IN_MEMORY_MODE:
        Flip(settings_.engine.bInMemory);
        ToggleInMemory();
        return true;
    case IDM_EXIT_ON_ESCAPE:
        Flip(settings_.engine.bExitByEscape);
        if (settings_.engine.bExitByEscape)
            settings_.engine.bClearByEscape = 0;  // never both
        ApplyEscapeChecks();
        return true;
    case IDM_CLEAR_ON_ESCAPE:
        Flip(settings_.engine.bClearByEscape);
        if (settings_.engine.bClearByEscape)
            settings_.engine.bExitByEscape = 0;
        ApplyEscapeChecks();
        return true;
    case IDM_ALWAYS_ON_TOP:
        Flip(settings_.bOnTop);
        ApplyOnTop();
        return true;
    case IDM_RUN_LOAN_CALCULATOR: StartLoanCalculator(); return true;
    case SC_CLOSE:
        SaveSettings();
        End(2);
        return true;
    default: return false;
    }
}

bool CCalcExtDlg::OnSysCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT command = static_cast<UINT>(wParam & 0xFFF0);
    switch (command) {
    case IDM_SET_COLORS: RunColorsDialog(); break;
    case IDM_MULTIPLE_INSTANCES:
        Flip(settings_.bRunMultiple);
        SetMenuCheck(settings_.bRunMultiple, IDM_MULTIPLE_INSTANCES);
        break;
    case IDM_AFTER_POINT:
    case IDM_COMMON_SCALE:
        engine_.State().bAfter = command == IDM_AFTER_POINT;
        EngineForEvent().ApplyPrecision(true, false);
        break;
    case IDM_PRECISION_CONTROL:
        Flip(settings_.bShowPrecision);
        ApplyPrecisionControl();
        EngineForEvent().RefreshDisplay(true);
        break;
    case IDM_COMMA:
        engine_.ToggleComma();
        SetMenuCheck(settings_.engine.bCommaPoint, IDM_COMMA);
        break;
    case IDM_COPY: engine_.CopyValue(); return true;
    case IDM_PASTE: Paste(false); return true;
    case IDM_PASTE_COPY: Paste(true); return true;
    case IDM_BIG_FONT:
        Flip(settings_.bBigFont);
        SetMenuCheck(settings_.bBigFont, IDM_BIG_FONT);
        SaveSettings();
        End(kRecreate);
        return true;
    case IDM_BOLD_VALUES:
        Flip(settings_.bBoldResult);
        SetMenuCheck(settings_.bBoldResult, IDM_BOLD_VALUES);
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        break;
    case IDM_BOLD_BUTTONS:
        if (!IsClassic())
            return CCalcDlg::OnSysCommand(wParam, lParam);
        Flip(settings_.bBoldButton);
        SetMenuCheck(settings_.bBoldButton, IDM_BOLD_BUTTONS);
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        break;
    default: return CCalcDlg::OnSysCommand(wParam, lParam);
    }
    SaveSettings();
    return true;
}

void CCalcDlg::StartLoanCalculator()
{
    // The loan window always opens in the calculator's colours: they go into its stored
    // settings, which it reads when it is created.
    LoanSettings loan;
    SetDefaultLoanColors(loan, GetSysColor(COLOR_BTNFACE));
    LoadLoanSettings(Registry(), edition_, loan);
    CopyCalculatorColors(settings_.colors, loan);
    SaveLoanSettings(Registry(), edition_, loan);
    CCalcApp::RunLoanCalculator(edition_, Registry(), Handle());
    SetFocus(Handle());
}
