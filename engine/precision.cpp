// The precision model (significant digits or digits after the point) and the decimal comma.
#include "calc_engine_ext.h"
#include "number_text.h"
#include "state_rules.h"

void CalcEngineExt::ApplyPrecision(bool setRange, bool setMenuTexts)
{
    CalcState& s = state_;
    if (setMenuTexts)
        display_.SetPrecisionMenuTexts(s.nAfter, s.nScale);
    if (setRange) {
        display_.CheckPrecisionMode(s.bAfter);
        if (s.bAfter) {
            s.nPrecisionEdit = s.nAfter;
            display_.SetPrecisionRange(0, kMaxAfter);
        } else {
            s.nPrecisionEdit = s.nScale;
            display_.SetPrecisionRange(kMinScale, MaxScale(edition_));
        }
    }
    RefreshDisplay(true);
}

void CalcEngineExt::OnPrecisionEdited()
{
    PrepareOperands();
    CalcState& s = state_;
    if (s.bAfter)
        s.nAfter = ClampAfter(s.nPrecisionEdit);
    else
        s.nScale = ClampScale(s.nPrecisionEdit, edition_);
    ApplyPrecision(true, true);
}

void CalcEngineExt::ToggleComma()
{
    CalcState& s = state_;
    options_.bCommaPoint = options_.bCommaPoint ? 0 : 1;
    const char from = options_.bCommaPoint ? '.' : ',';
    const char to = options_.bCommaPoint ? ',' : '.';
    ReplaceChar(s.strResult, from, to);
    ReplaceChar(s.strCurrent, from, to);
    ReplaceChar(s.strOther, from, to);
    Push();
}
