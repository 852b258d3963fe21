// The extended view's refresh: the integer view, the inactive register and the enabled
// states of the function and digit keys.
#include "calc_engine_ext.h"
#include "key_captions.h"
#include "number_text.h"
#include "radix_text.h"
#include "state_rules.h"

namespace {

int RadixOfBase(int nBase)
{
    static const int kRadix[] = {10, 16, 8, 2};
    return kRadix[SelectorOr(nBase, 4, 0)];
}

}  // namespace

void CalcEngineExt::PrepareOperands()
{
    ApplySelections(true);
    LoadOperands();
    state_.nRadix = RadixOfBase(state_.nBase);
    state_.bIntegerEdited = false;
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
        PushAndRepaint({IDC_PANEL_RESULT, IDC_PANEL_CURRENT, IDC_PANEL_UP_LABEL, IDC_PANEL_LAST_OP,
                        IDC_PANEL_OTHER, IDC_PANEL_INTEGER, IDC_PANEL_OTHER_LABEL, IDC_KEY_ACC, IDC_KEY_MEM});
    RefreshKeys();
}

void CalcEngineExt::ShowLastOp()
{
    CalcEngine::ShowLastOp();
    if (state_.nLastOp >= IDC_KEY_LN && state_.nLastOp <= IDC_KEY_ATAN)
        state_.strLastOp = KeyCaption(state_.nLastOp);
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
