// Taking the window's selections before a key, rebuilding the display after it, the enabled
// states of the keys, and the two views; for both views.
#include "calc_engine_ext.h"
#include "key_captions.h"
#include "number_text.h"
#include "radix_text.h"
#include "state_rules.h"

void CalcEngine::ApplySelections()
{
    state_.nXWindow = SelectorOr(shown_.nXWindow, 2, 0);
    state_.nActiveReg = SelectorOr(shown_.nActiveReg, 2, 0);
}

void CalcEngineExt::ApplySelections()
{
    CalcEngine::ApplySelections();
    // The base and its radix are taken together: the keys' states follow the radio at once.
    state_.nBase = SelectorOr(shown_.nBase, 4, 0);
    state_.nRadix = RadixOfBase(state_.nBase);
    state_.nAngle = SelectorOr(shown_.nAngle, 2, 0);
    state_.bIntegerInput = shown_.bIntegerInput;
    if (shown_.nPrecisionEdit >= 0)
        state_.nPrecisionEdit = shown_.nPrecisionEdit;
}

void CalcEngine::LoadOperands()
{
    state_.dUp = state_.nActiveReg == 0 ? state_.dAccumulator : state_.dMemory;
    state_.dX = state_.nXWindow == 1 ? state_.dUp : state_.dCurrent;
}

void CalcEngine::PrepareOperands()
{
    ApplySelections();
    LoadOperands();
}

void CalcEngineExt::PrepareOperands()
{
    CalcEngine::PrepareOperands();
    state_.bIntegerEdited = false;
}

void CalcEngine::Push()
{
    display_.PushState(state_);
    shown_ = SelectionsShowing(state_);
    if (finished_ != Shown::Nothing) {
        const bool memoryActive = state_.nActiveReg == 1;
        const std::string& value = finished_ == Shown::DownWindow                ? state_.strCurrent
                                   : finished_ == Shown::Memory && !memoryActive ? state_.strOther
                                                                                 : state_.strResult;
        finished_ = Shown::Nothing;
        display_.Announce(value, Announcement::Result);
    }
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

void CalcEngineExt::ShowLastOp()
{
    CalcEngine::ShowLastOp();
    if (state_.nLastOp >= IDC_KEY_LN && state_.nLastOp <= IDC_KEY_ATAN)
        state_.strLastOp = KeyCaption(state_.nLastOp);
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
        Push();
        RefreshKeys();
    }
}

void CalcEngineExt::RefreshDisplay(bool redraw)
{
    CalcState& s = state_;
    BuildFormats();
    CalcEngine::RefreshDisplay(false);

    // The integer view always shows the current data; typed into, it is the master.
    if (s.bIntegerInput && s.bIntegerEdited && s.bEntering) {
        if (s.strInteger.empty())
            s.strInteger = "0";
        s.dCurrent = ParseRadixText(s.strInteger, s.nRadix);
        s.strCurrent = FormatRadixText(s.dCurrent, 10, '\0');
    }
    s.strInteger = FormatRadixText(s.dCurrent, s.nRadix, ' ');

    const bool memoryActive = s.nActiveReg == 1;
    s.strOtherLabel = memoryActive ? "A" : "M";
    s.strOther = FormatNumber(s.strResultFormat, memoryActive ? s.dAccumulator : s.dMemory);
    if (options_.bCommaPoint)
        ReplaceChar(s.strOther, '.', ',');

    if (redraw)
        Push();
    RefreshKeys();
}

void CalcEngineExt::BuildFormats()
{
    CalcState& s = state_;
    s.nScale = ClampScale(s.nScale, edition_);
    s.nAfter = ClampAfter(s.nAfter);
    s.strCurrentFormat = PrecisionFormat(s.bAfter, s.nScale, s.nAfter);
    s.strResultFormat = s.strCurrentFormat;
}

void CalcEngine::RefreshKeys()
{
    // Only the selections and the operands, not the rest of a key's preparation: an integer
    // being typed stays the master of the current data until the next key. Were the typed
    // text forgotten here, a refresh of its own (the register keys, the precision commands)
    // would read the number back from its decimal text, which above 2^53 is not exact.
    ApplySelections();
    LoadOperands();
    const double x = state_.dX;
    SetKeyEnabled(IDC_KEY_RECIPROCAL, x != 0.0);
    SetKeyEnabled(IDC_KEY_SQRT, x > 0.0);
}

void CalcEngineExt::RefreshKeys()
{
    CalcEngine::RefreshKeys();
    const CalcState& s = state_;
    const double x = s.dX;
    SetKeyEnabled(IDC_KEY_LN, x > 0.0);
    SetKeyEnabled(IDC_KEY_LOG, x > 0.0);
    SetKeyEnabled(IDC_KEY_ASIN, x >= -1.0 && x <= 1.0);
    SetKeyEnabled(IDC_KEY_ACOS, x >= -1.0 && x <= 1.0);

    const int digits = s.bIntegerInput ? s.nRadix : 10;
    for (int id = IDC_KEY_DIGIT0; id <= IDC_KEY_HEX_F; ++id)
        SetKeyEnabled(id, id - IDC_KEY_DIGIT0 < digits);
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
