// The calculator window in its colours: the keys and panels take theirs from the scheme, and
// the window paints its own background, static texts and selector buttons.
#include "calc_ext_dlg.h"

ColorContext CCalcDlg::CurrentColorContext() const
{
    const CalcState& state = engine_.State();
    ColorContext context;
    context.system = SystemColors{GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_BTNFACE)};
    context.activeReg = state.nActiveReg;
    context.pendingOp = state.nPendingOp;
    context.lastOp = state.nLastOp;
    context.inMemory = settings_.engine.bInMemory != 0;
    context.edition = edition_;
    return context;
}

void CCalcDlg::ApplyColors(uint32_t mask)
{
    ApplyColorTargets(PlanColors(settings_.colors, mask, CurrentColorContext()));
}

void CCalcDlg::ApplyColorTargets(std::vector<ColorTarget> targets)
{
    // The stored colours stay as they are; High Contrast only changes what is shown.
    if (HighContrast())
        ShowInHighContrast(targets, HighContrastPalette());
    bool tape = false;
    for (const ColorTarget& target : targets) {
        if (target.id == IDC_PANEL_CURRENT) {  // the tape wears the entry panel's colours
            (target.background ? tapeBack_ : tapeText_) = target.color;
            tape = true;
        }
        if (target.id == kDialogBackground) {
            RepaintDialogBackground(target.color);
        } else if (CCalcButton* key = Key(target.id)) {
            if (target.background)
                key->SetBackColor(target.color);
            else
                key->SetForeColor(target.color);
        } else if (CCalcPanel* panel = Panel(target.id)) {
            if (target.background)
                panel->SetBackColor(target.color);
            else
                panel->SetForeColor(target.color);
        }
    }
    if (tape && tape_.Handle() != nullptr)
        RefreshTapeLook();
}

void CCalcDlg::RepaintDialogBackground(Color color)
{
    SetBackground(color);
    InvalidateRect(Handle(), nullptr, TRUE);
    // Only the bare background: the keys and panels paint themselves and would flicker.
    for (int id = IDC_PANEL_RESULT; id <= IDC_PRECISION_SPIN; ++id) {
        HWND child = Item(id);
        if (child == nullptr)
            continue;
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
        ValidateRect(Handle(), &rect);
    }
}

CKeypadDlg::Backdrop CCalcDlg::BackdropOf(int id, UINT message) const
{
    // The precision number always reads as an ordinary edit box.
    if (id == IDC_PRECISION_EDIT)
        return Backdrop::EditBox;
    if (settings_.colors.bSystemBackgrounds)
        return Backdrop::System;
    if (id >= IDC_RADIO_X_UP && id <= IDC_CHECK_INTEGER_INPUT)
        return Backdrop::OnWindow;
    return CKeypadDlg::BackdropOf(id, message);
}

void CCalcExtDlg::RefreshPanelBacks(uint32_t mask)
{
    ApplyColorTargets(PlanPanelBacks(settings_.colors, mask, CurrentColorContext()));
}

void CCalcExtDlg::ToggleInMemory()
{
    CCalcDlg::ToggleInMemory();
    RefreshPanelBacks(kAllColors);
}

void CCalcDlg::OnHighContrastChanged()
{
    ApplyColors(kAllColors);
    PushState(engine_.State());  // the last operation's colour
}

Color CCalcDlg::LastOpShownColor(int op) const
{
    return HighContrast() ? HighContrastPalette().windowText : LastOpColor(settings_.colors, op);
}

void CCalcExtDlg::OnTipsChanged()
{
    PushState(engine_.State());  // the "?..." key shows the option with the other fields
}
