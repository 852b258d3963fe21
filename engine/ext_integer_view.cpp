// The integer view: the current data in base 10, 16, 8 or 2, which can also be typed into.
#include "calc_engine_ext.h"

void CalcEngineExt::PressDigit(int id)
{
    PrepareOperands();
    CalcState& s = state_;
    if (!s.bIntegerInput) {
        CalcEngine::PressDigit(id);  // ignores the hexadecimal letters
        return;
    }
    const int digit = id - IDC_KEY_DIGIT0;
    if (digit < 0 || digit >= s.nRadix)
        return;
    const char c = static_cast<char>(digit < 10 ? '0' + digit : 'A' + (digit - 10));
    TypeInto(s.strInteger, c);
    s.bIntegerEdited = true;
    RefreshDisplay(true);
}

void CalcEngineExt::PressBack()
{
    PrepareOperands();
    CalcState& s = state_;
    if (s.bIntegerInput && s.bEntering) {
        if (!s.strInteger.empty())
            s.strInteger.pop_back();
        s.bIntegerEdited = true;
        RefreshDisplay(true);
    } else {
        ClearKey(IDC_KEY_BACK);
    }
}

void CalcEngineExt::CycleBase(int step)
{
    CalcState& s = state_;
    s.nBase = (s.nBase + step + 4) % 4;
    Push();
    s.bKeepXWindow = true;
    PrepareOperands();
    RefreshDisplay(true);
}

void CalcEngineExt::OnBaseOrAngleClicked()
{
    state_.bKeepXWindow = true;
    PrepareOperands();
    RefreshDisplay(true);
}

void CalcEngineExt::OnIntegerInputClicked()
{
    PrepareOperands();
    RefreshDisplay(true);
}
