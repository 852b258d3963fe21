#include "state_rules.h"

#include "control_ids.h"

int MaxScale(Edition edition)
{
    return edition == Edition::Styled ? 16 : 17;
}

int ClampScale(int nScale, Edition edition)
{
    if (nScale < kMinScale)
        return kMinScale;
    return nScale > MaxScale(edition) ? MaxScale(edition) : nScale;
}

int ClampAfter(int nAfter)
{
    if (nAfter < 0)
        return 0;
    return nAfter > kMaxAfter ? kMaxAfter : nAfter;
}

int SelectorOr(int value, int count, int fallback)
{
    return value >= 0 && value < count ? value : fallback;
}

int RadixOfBase(int nBase)
{
    static const int kRadix[] = {10, 16, 8, 2};
    return kRadix[SelectorOr(nBase, 4, 0)];
}

bool IsValidLastOp(int op)
{
    return op <= CALC_OP_CONTINUE || (op >= IDC_KEY_DIVIDE && op <= IDC_KEY_RECIPROCAL) ||
           (op >= IDC_KEY_LN && op <= IDC_KEY_ATAN);
}

void SanitizeState(CalcState& state, Edition edition)
{
    state.nXWindow = SelectorOr(state.nXWindow, 2, 0);
    state.nActiveReg = SelectorOr(state.nActiveReg, 2, 0);
    state.nBase = SelectorOr(state.nBase, 4, 0);
    state.nRadix = RadixOfBase(state.nBase);
    state.nAngle = SelectorOr(state.nAngle, 2, 0);
    if (!IsValidLastOp(state.nLastOp))
        state.nLastOp = CALC_OP_NONE;
    state.nScale = ClampScale(state.nScale, edition);
    state.nAfter = ClampAfter(state.nAfter);
}
