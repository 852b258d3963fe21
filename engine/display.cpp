// Taking the window's selections before a key, rebuilding the display after it, and the
// two views.
#include "calc_engine.h"
#include "key_captions.h"
#include "number_text.h"
#include "state_rules.h"

void CalcEngine::ApplySelections(bool extended)
{
    const ControlSelections& read = shown_;
    state_.nXWindow = SelectorOr(read.nXWindow, 2, 0);
    state_.nActiveReg = SelectorOr(read.nActiveReg, 2, 0);
    if (!extended)
        return;
    state_.nBase = SelectorOr(read.nBase, 4, 0);
    state_.nAngle = SelectorOr(read.nAngle, 2, 0);
    state_.bIntegerInput = read.bIntegerInput;
    if (read.nPrecisionEdit >= 0)
        state_.nPrecisionEdit = read.nPrecisionEdit;
}

void CalcEngine::LoadOperands()
{
    state_.dUp = state_.nActiveReg == 0 ? state_.dAccumulator : state_.dMemory;
    state_.dX = state_.nXWindow == 1 ? state_.dUp : state_.dCurrent;
}

void CalcEngine::PrepareOperands()
{
    ApplySelections(false);
    LoadOperands();
}

void CalcEngine::Push()
{
    display_.PushState(state_);
    shown_ = SelectionsShowing(state_);
}

void CalcEngine::PushAndRepaint(std::initializer_list<int> ids)
{
    Push();
    for (int id : ids)
        display_.RepaintControl(id);
}

void CalcEngine::SetKeyEnabled(int id, bool enabled)
{
    if (KeyEnabled(id) == enabled)
        return;
    if (enabled)
        disabledKeys_.erase(id);
    else
        disabledKeys_.insert(id);
    display_.EnableKey(id, enabled);
}

void CalcEngine::ShowLastOp()
{
    const int op = state_.nLastOp;
    if (op <= CALC_OP_CONTINUE)
        state_.strLastOp.clear();
    else if (op >= IDC_KEY_DIVIDE && op <= IDC_KEY_RECIPROCAL)
        state_.strLastOp = KeyCaption(op);
}

void CalcEngine::RefreshDisplay(bool redraw)
{
    CalcState& s = state_;
    ShowLastOp();
    if (s.nActiveReg == 0)
        s.dAccumulator = s.dUp;
    else
        s.dMemory = s.dUp;
    s.strUpLabel = s.nActiveReg == 0 ? "A" : "M";

    // While typing, functions act on the typed data; after a result, on the result.
    if (!s.bKeepXWindow)
        s.nXWindow = (!s.bEntering && s.dUp != 0.0) ? 1 : 0;
    s.bKeepXWindow = false;

    s.strResult = FormatNumber(s.strResultFormat, s.dUp);
    if (s.bEntering) {
        if (options_.bCommaPoint)
            ReplaceChar(s.strCurrent, ',', '.');
        s.dCurrent = ReadNumber(s.strCurrent);
    } else {
        s.strCurrent = FormatNumber(s.strCurrentFormat, s.dCurrent);
    }
    if (s.strCurrent.empty())
        s.strCurrent = "0";
    if (options_.bCommaPoint) {
        ReplaceChar(s.strResult, '.', ',');
        ReplaceChar(s.strCurrent, '.', ',');
    }

    if (redraw) {
        PushAndRepaint({IDC_PANEL_RESULT, IDC_PANEL_CURRENT, IDC_PANEL_UP_LABEL, IDC_PANEL_LAST_OP,
                        IDC_KEY_ACC, IDC_KEY_MEM});
        RefreshKeys();
    }
}

void CalcEngine::RefreshKeys()
{
    PrepareOperands();
    const double x = state_.dX;
    SetKeyEnabled(IDC_KEY_RECIPROCAL, x != 0.0);
    SetKeyEnabled(IDC_KEY_SQRT, x > 0.0);
}

void CalcEngine::SwitchView(bool extended)
{
    if (extended == extended_)
        return;
    extended_ = extended;
    // The integer view is out of sight in the basic view, so input returns to the down window.
    if (!extended)
        state_.bIntegerInput = false;
    state_.bKeepXWindow = true;
    RefreshDisplay(true);
    window_.ShowExtendedView(extended);
}
