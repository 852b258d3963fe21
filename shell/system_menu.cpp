// The calculator's system menu: every option of the program is one of its items.
#include "calc_dlg.h"
#include "calc_ext_dlg.h"
#include "command_ids.h"
#include "resource_ids.h"
#include "window_helpers.h"

void CCalcDlg::AppendMenuItem(UINT command, UINT textId)
{
    AppendSystemMenuItem(Handle(), command, textId);
}

void CCalcDlg::AppendMenuSeparator()
{
    AppendSystemMenuItem(Handle(), 0, 0);
}

void CCalcDlg::BuildSystemMenu()
{
    // The window cannot be sized or maximised; the rest of the platform's items stay.
    if (GetSystemMenu(Handle(), FALSE) != nullptr) {
        RemoveSizeItems(Handle());
        AppendMenuSeparator();
        AppendMenuItem(IDM_SHOW_TIPS, IDS_SHOW_TIPS);
        AppendMenuItem(IDM_QUICK_HELP, IDS_QUICK_HELP);
        AppendMenuItem(IDM_EXIT_ON_ESCAPE, IDS_EXIT_ON_ESCAPE);
        AppendMenuItem(IDM_CLEAR_ON_ESCAPE, IDS_CLEAR_ON_ESCAPE);
        AppendMenuSeparator();
        AppendMenuItem(IDM_RUN_LOAN_CALCULATOR, IDS_RUN_LOAN_CALCULATOR);
        AppendMenuItem(IDM_MULTIPLE_INSTANCES, IDS_MULTIPLE_INSTANCES);
        AppendMenuItem(IDM_IN_MEMORY_MODE, IDS_IN_MEMORY_MODE);
        AppendMenuItem(IDM_ALWAYS_ON_TOP, IDS_ALWAYS_ON_TOP);
        ApplyEscapeChecks();
    }
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
}

void CCalcDlg::ApplyEscapeChecks()
{
    SetMenuCheck(settings_.engine.bExitByEscape, IDM_EXIT_ON_ESCAPE);
    SetMenuCheck(settings_.engine.bClearByEscape, IDM_CLEAR_ON_ESCAPE);
}

void CCalcDlg::SetMenuCheck(int32_t flag, UINT command)
{
    SetSystemMenuCheck(Handle(), flag, command);
}

void CCalcExtDlg::AppendExtendedMenu()
{
    if (GetSystemMenu(Handle(), FALSE) == nullptr)
        return;
    AppendMenuSeparator();
    if (IsClassic()) {
        AppendMenuItem(IDM_BOLD_BUTTONS, IDS_BOLD_BUTTONS);
        AppendMenuItem(IDM_SOFT_BUTTONS, IDS_SOFT_BUTTONS);
    }
    AppendMenuItem(IDM_BOLD_VALUES, IDS_BOLD_VALUES);
    AppendMenuItem(IDM_SET_COLORS, IDS_SET_COLORS);
    AppendMenuItem(IDM_BIG_FONT, IDS_BIG_FONT);
    AppendMenuSeparator();
    AppendMenuItem(IDM_COMMA, IDS_COMMA);
    // The raw formats for now; the precision model writes the numbers in.
    AppendMenuItem(IDM_AFTER_POINT, IDS_AFTER_POINT);
    AppendMenuItem(IDM_COMMON_SCALE, IDS_COMMON_SCALE);
    AppendMenuItem(IDM_PRECISION_CONTROL, IDS_PRECISION_CONTROL);
    AppendMenuSeparator();
    AppendMenuItem(IDM_PASTE_COPY, IDS_PASTE_COPY);
    AppendMenuItem(IDM_PASTE, IDS_PASTE);
    AppendMenuItem(IDM_COPY, IDS_COPY);
}
