// The calculator window as it runs: its modal run, its initialisation and its settings.
#include "calc_ext_dlg.h"

#include "command_ids.h"
#include "resource_ids.h"
#include "resource_text.h"
#include "settings_store.h"
#include "window_place.h"

SharedSettings& ProcessSettings()
{
    static SharedSettings shared;
    return shared;
}

CCalcExtDlg::CCalcExtDlg(int templateId, Edition edition, IRegistry& registry)
    : CCalcDlg(templateId, edition), registry_(registry)
{
    SetDefaultColors();
    SetOptionRows(MenuRows());
}

void CCalcExtDlg::SaveSettings()
{
    KeepTapePlace();
    if (!colorsHome_) {
        ::SaveSettings(registry_, edition_, settings_, engine_.State(), ProcessSettings());
        return;
    }
    // The colours dialog's corner and extended view are only lent: the user's own are saved.
    const auto place = [this](const Home& home) {
        settings_.nPosX = home.x;
        settings_.nPosY = home.y;
        settings_.bExtendedView = home.extended;
    };
    const Home lent = {settings_.nPosX, settings_.nPosY, settings_.bExtendedView};
    place(*colorsHome_);
    ::SaveSettings(registry_, edition_, settings_, engine_.State(), ProcessSettings());
    place(lent);
}

void CCalcExtDlg::LoadSettings()
{
    ::LoadSettings(registry_, edition_, settings_, engine_.State(), ProcessSettings());
}

INT_PTR CCalcExtDlg::DoModal()
{
    LoadSettings();
    // Another calculator of this edition, found by its exact title, is brought forward
    // instead; this run creates no window and saves nothing.
    if (BringOtherForward(LoadResourceString(IDS_TITLE).c_str()))
        return 0;
    return RunModal(nullptr);
}

bool CCalcExtDlg::OnInitDialog()
{
    CCalcDlg::OnInitDialog();
    // The value panels are right-aligned; the indicators stay centred.
    for (int id : {IDC_PANEL_RESULT, IDC_PANEL_CURRENT, IDC_PANEL_OTHER, IDC_PANEL_INTEGER}) {
        if (CCalcPanel* panel = Panel(id))
            panel->SetFormat(DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    }
    ApplySoftButtons();
    ApplyTips();
    ToggleInMemory();
    ApplyOnTop();
    ApplyColors(kAllColors);
    const bool placed = RestorePosition();

    // The template is the full width: the engine has it folded when the basic view was stored.
    if (!settings_.bExtendedView)
        ToEngine(CalcEvent::Command(CalcOp::ShowView, 0));
    if (!placed)
        CenterOver(Handle(), WorkArea());
    ApplyPrecisionControl();
    ToEngine(CalcEvent::Command(CalcOp::SetUpPrecision));
    return false;  // the window has taken the focus itself
}

void CCalcExtDlg::OnShown()
{
    CCalcDlg::OnShown();
    // After the calculator, so that a tape without a stored place can stand beside it.
    ApplyTape();
}

bool CCalcExtDlg::RestorePosition()
{
    return MoveToStoredPlace(Handle(), settings_.nPosX, settings_.nPosY);
}

bool CCalcExtDlg::OnAccelerator(int id)
{
    switch (id) {
    case IDC_CMD_COPY: ToEngine(CalcEvent::Command(CalcOp::Copy)); return true;
    case IDC_CMD_PASTE: Paste(false); return true;
    case IDC_CMD_PASTE_COPY: Paste(true); return true;
    default: return false;
    }
}

bool CCalcExtDlg::OnControlNotify(int id, int code)
{
    if (id != IDC_PRECISION_EDIT)
        return false;
    if (code == EN_CHANGE)
        ForgetPrecisionText();
    // The spin control writes its number into the edit box; numbers the engine pushes
    // itself are no edit.
    if (code == EN_CHANGE && ready_ && !Pushing())
        ToEngine(CalcEvent::Command(CalcOp::PrecisionEdited));
    return code == EN_CHANGE;
}
