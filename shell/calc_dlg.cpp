// The calculator window: creation, binding of the keys and panels, fonts, focus and the
// messages that are not keys.
#include "calc_dlg.h"

#include "calc_app.h"
#include "command_ids.h"
#include "resource_ids.h"
#include "resource_text.h"

namespace {

// Every key of the window, in the order the template holds them.
const int kKeyIds[] = {
    IDC_KEY_BACK,       IDC_KEY_DELETE,     IDC_KEY_CLEAR,      IDC_KEY_ACC,        IDC_KEY_MEM,
    IDC_KEY_VIEW,       IDC_KEY_MC,         IDC_KEY_MR,         IDC_KEY_MS,         IDC_KEY_MPLUS,
    IDC_KEY_DIGIT0 + 7, IDC_KEY_DIGIT0 + 8, IDC_KEY_DIGIT0 + 9, IDC_KEY_DIGIT0 + 4, IDC_KEY_DIGIT0 + 5,
    IDC_KEY_DIGIT0 + 6, IDC_KEY_DIGIT0 + 1, IDC_KEY_DIGIT0 + 2, IDC_KEY_DIGIT0 + 3, IDC_KEY_DIGIT0 + 0,
    IDC_KEY_SIGN,       IDC_KEY_POINT,      IDC_KEY_DIVIDE,     IDC_KEY_MULTIPLY,   IDC_KEY_SUBTRACT,
    IDC_KEY_ADD,        IDC_KEY_PERCENT,    IDC_KEY_SQRT,       IDC_KEY_RECIPROCAL, IDC_KEY_EQUALS,
    IDC_KEY_TIPS,       IDC_KEY_LN,         IDC_KEY_LOG,        IDC_KEY_SQUARE,     IDC_KEY_SWAP,
    IDC_KEY_EXP,        IDC_KEY_POW10,      IDC_KEY_CUBE,       IDC_KEY_POWXY,      IDC_KEY_HEX_A + 0,
    IDC_KEY_HEX_A + 1,  IDC_KEY_HEX_A + 2,  IDC_KEY_HEX_A + 3,  IDC_KEY_HEX_A + 4,  IDC_KEY_HEX_A + 5,
    IDC_KEY_E,          IDC_KEY_PI,         IDC_KEY_SIN,        IDC_KEY_COS,        IDC_KEY_TAN,
    IDC_KEY_ASIN,       IDC_KEY_ACOS,       IDC_KEY_ATAN,
};

const int kPanelIds[] = {IDC_PANEL_RESULT, IDC_PANEL_CURRENT, IDC_PANEL_UP_LABEL,   IDC_PANEL_LAST_OP,
                         IDC_PANEL_OTHER,  IDC_PANEL_INTEGER, IDC_PANEL_OTHER_LABEL};

}  // namespace

CCalcDlg::CCalcDlg(int templateId, Edition edition)
    : CKeypadDlg(templateId, edition, IDA_CALC, ShowProgramHelp),
      engine_(*this, *this, clipboard_, settings_.engine, edition),
      tape_(settings_.tape, settings_.bForgetTape, clipboard_, TapeEvents())
{
    BindOptions(settings_, settings_.engine.bExitByEscape, settings_.engine.bClearByEscape);
    engine_.SetTape(&settings_.tape);
}

CTapeWindow::Events CCalcDlg::TapeEvents()
{
    CTapeWindow::Events events;
    events.hidden = [this] {
        settings_.bShowTape = 0;
        UpdateChecks();
    };
    events.backToOwner = [this] {
        SetActiveWindow(Handle());
        SetFocus(Handle());
    };
    events.useResult = [this](int line) { UseTapeResult(line); };
    // Switched on, the stored lines go at once; switched off, they are kept from then on.
    events.forgetChanged = [this] { SaveSettings(); };
    return events;
}

void CCalcDlg::UseTapeResult(int line)
{
    // As MR takes M: the exact value of a line of this run, the written one of an earlier
    // run; a line without a result takes nothing back.
    const std::optional<double> result = settings_.tape.ResultOf(line);
    if (!result) {
        MessageBeep(MB_OK);
        return;
    }
    ToEngine(CalcEvent::Recall(*result));
    SetActiveWindow(Handle());  // the next key goes on with the calculation
    SetFocus(Handle());
}

void CCalcDlg::ApplyTape()
{
    if (!settings_.bShowTape) {
        KeepTapePlace();
        tape_.Hide();
        return;
    }
    RefreshTapeLook();
    const RECT place = {settings_.nTapeX, settings_.nTapeY, settings_.nTapeX + settings_.nTapeWidth,
                        settings_.nTapeY + settings_.nTapeHeight};
    tape_.Show(Handle(), place);
}

void CCalcDlg::RefreshTapeLook()
{
    tape_.SetLook(reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0)), tapeText_, tapeBack_);
}

void CCalcDlg::KeepTapePlace()
{
    RECT place;
    if (!tape_.Place(place))
        return;
    settings_.nTapeX = place.left;
    settings_.nTapeY = place.top;
    settings_.nTapeWidth = place.right - place.left;
    settings_.nTapeHeight = place.bottom - place.top;
}

void CCalcDlg::SetDefaultColors()
{
    ::SetDefaultColors(settings_.colors, SystemColors{GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_BTNFACE)});
}

void CCalcDlg::ToggleInMemory()
{
    ToEngine(CalcEvent::Command(CalcOp::ToggleInMemory));
}

void CCalcDlg::ShowExtendedView(bool) {}

void CCalcDlg::BindControls()
{
    // The Styled edition's keys are the system's push buttons; its panels are painted too.
    if (IsClassic()) {
        for (int id : kKeyIds)
            AddKey(id);
    }
    for (int id : kPanelIds)
        AddPanel(id);
}

bool CCalcDlg::OnInitDialog()
{
    CKeypadDlg::OnInitDialog();
    SetWindowTextA(Handle(), LoadResourceString(IDS_TITLE).c_str());
    if (IsClassic()) {
        ShowWindow(Item(IDC_KEY_VIEW), SW_SHOW);
        // These captions are drawn in the plain font even when the keys are bold.
        for (int id : {IDC_KEY_VIEW, IDC_KEY_SUBTRACT, IDC_KEY_POINT})
            if (CCalcButton* key = Key(id))
                key->SetUseParentFont(false);
    }
    ready_ = true;
    ToEngine(CalcEvent::Command(CalcOp::Refresh));
    return false;  // the window takes the focus itself once it is shown
}

bool CCalcDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_ACTIVATEAPP && wParam)
        SetNumLock();
    return CKeypadDlg::OnMessage(message, wParam, lParam, result);
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
