// The integer view's selectors: the base, the angle unit's radios beside them, and the box
// that makes the digit keys type into the view.
#include "calc_engine_ext.h"

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

void CalcEngineExt::ToggleIntegerInput()
{
    PrepareOperands();
    state_.bIntegerInput = !state_.bIntegerInput;
    RefreshDisplay(true);
}
