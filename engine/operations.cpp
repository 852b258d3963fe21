// Operation keys, the two registers and the memory keys. There is no precedence and no
// expression stack: every operation combines the up window with the current data at once.
#include "calc_engine.h"
#include "key_captions.h"

void CalcEngine::PressOperation(int id)
{
    const int type = OperationType(id);
    const double argument = state_.dX;  // before a function converts degrees
    const double typed = state_.dCurrent;
    const double up = state_.dUp;
    Compute(type, id);
    RecordOperation(type, id, argument, typed, up);
    state_.bEntering = false;
    state_.bFreshOperand = false;
    state_.nPendingOp = id;
    if (id != IDC_KEY_EQUALS)
        state_.nLastOp = id;
    RefreshDisplay(true);
}

int CalcEngine::OperationType(int id)
{
    PrepareOperands();
    if (id > IDC_KEY_EQUALS)
        return id;
    if (id == IDC_KEY_EQUALS)
        return state_.nLastOp;  // "=" repeats the last operation
    if (state_.nPendingOp < IDC_KEY_EQUALS)
        return state_.nPendingOp;
    return state_.bFreshOperand ? CALC_OP_NONE : CALC_OP_CONTINUE;
}

void CalcEngine::InMemoryOperands(int id, double& first, double& second)
{
    // With In Memory on, a repeated "=" (and "=" after x^y) takes the inactive register as a
    // stored constant operand.
    const CalcState& s = state_;
    const bool constantOperand = options_.bInMemory && id == IDC_KEY_EQUALS &&
                                 (s.nPendingOp == IDC_KEY_EQUALS || s.nPendingOp == IDC_KEY_POWXY);
    if (constantOperand && s.nActiveReg == 0 && s.dMemory != 0.0) {
        first = s.dCurrent;
        second = s.dMemory;
    } else if (constantOperand && s.nActiveReg == 1 && s.dAccumulator != 0.0) {
        first = s.dCurrent;
        second = s.dAccumulator;
    }
    operands_ = {first, second};
}

void CalcEngine::MemoryKey(int id)
{
    PrepareOperands();
    CalcState& s = state_;
    const double added = s.nActiveReg == 0 ? s.dX : s.dCurrent;
    switch (id) {
    case IDC_KEY_MC: s.dMemory = 0.0; break;
    case IDC_KEY_MR:
        s.dCurrent = s.dMemory;
        s.bEntering = false;
        s.bFreshOperand = true;
        break;
    case IDC_KEY_MS:
        // Stores what the user is looking at: the typed data, else the result.
        if (s.nXWindow == 0 && s.dCurrent != 0.0)
            s.dMemory = s.dCurrent;
        else if (s.dUp == 0.0)
            s.dMemory = s.dCurrent;
        else if (s.nActiveReg == 0)
            s.dMemory = s.dUp;
        else
            s.dMemory = s.dCurrent;
        break;
    case IDC_KEY_MPLUS: s.dMemory = static_cast<double>(static_cast<long double>(s.dMemory) + added); break;
    default: break;
    }
    Finished(id == IDC_KEY_MR ? Shown::DownWindow : Shown::Memory);
    if (Taping()) {
        const TapeFormat f = TapeFormatNow();
        switch (id) {
        case IDC_KEY_MC: Record("MC"); break;
        case IDC_KEY_MR: Record(NamedValueLine(f, "MR", s.dMemory), s.dMemory); break;
        case IDC_KEY_MS: Record(NamedValueLine(f, "MS", s.dMemory), s.dMemory); break;
        case IDC_KEY_MPLUS: Record(NamedValueLine(f, "M+", added), added); break;
        default: break;
        }
    }
    if (s.nActiveReg == 1)
        s.dUp = s.dMemory;
    RefreshDisplay(true);
}

void CalcEngine::RecallValue(double value)
{
    PrepareOperands();
    CalcState& s = state_;
    s.dCurrent = value;
    s.bEntering = false;
    s.bFreshOperand = true;
    Finished(Shown::DownWindow);  // heard as a result is, though the tape writes nothing
    RefreshDisplay(true);
}

void CalcEngine::ToggleActiveRegister()
{
    // No PrepareOperands: the last refresh has written the up window back already.
    CalcState& s = state_;
    const double before = s.dUp;
    s.nActiveReg = 1 - s.nActiveReg;
    s.dUp = s.nActiveReg == 0 ? s.dAccumulator : s.dMemory;
    if (s.dUp != before) {
        Finished(Shown::UpWindow);
        if (Taping())
            Record(
                NamedValueLine(TapeFormatNow(), s.nActiveReg == 0 ? "Register A =" : "Register M =", s.dUp),
                s.dUp);
    }
    RefreshDisplay(true);
}

void CalcEngine::ToggleXWindow()
{
    state_.nXWindow = 1 - state_.nXWindow;
    Push();
    RefreshKeys();
}

void CalcEngine::SwapWindows()
{
    PrepareOperands();
    CalcState& s = state_;
    const double current = s.dCurrent;
    if (current != s.dUp) {
        Finished(Shown::DownWindow);
        if (Taping())
            Record(SwapLine(TapeFormatNow(), s.dUp, current));
    }
    s.dCurrent = s.dUp;
    s.dUp = current;
    s.bEntering = false;
    s.bFreshOperand = true;
    RefreshDisplay(true);
    s.nXWindow = 0;
    Push();
    RefreshKeys();
}

void CalcEngine::ToggleInMemory()
{
    CalcState& s = state_;
    if (!options_.bInMemory || s.dMemory != 0.0)
        return;
    s.dMemory = s.dCurrent != 0.0 ? s.dCurrent : s.dUp;
    if (s.dMemory != 0.0)
        RefreshDisplay(true);
}

TapeFormat CalcEngine::TapeFormatNow() const
{
    return TapeFormat{state_.strResultFormat, options_.bCommaPoint != 0};
}

void CalcEngine::Record(const std::string& line, std::optional<double> result)
{
    if (tape_ != nullptr)
        tape_->Record(line, result);
}

void CalcEngine::RecordOperation(int type, int id, double argument, double typed, double up)
{
    const bool percent = id == IDC_KEY_PERCENT || (type == IDC_KEY_PERCENT && id == IDC_KEY_EQUALS);
    const bool arithmetic = type >= IDC_KEY_DIVIDE && type <= IDC_KEY_ADD;
    const bool function =
        type == IDC_KEY_SQRT || type == IDC_KEY_RECIPROCAL || (type >= IDC_KEY_LN && type <= IDC_KEY_ATAN);
    // A new chain, a continued one and "=" with nothing to repeat compute nothing to record.
    if (!arithmetic && type != IDC_KEY_POWXY && !percent && !function)
        return;
    Finished(Shown::UpWindow);
    if (!Taping())
        return;
    const TapeFormat f = TapeFormatNow();
    const double result = state_.dUp;
    if (arithmetic) {
        const char* op = KeyCaption(type);
        Record(percent ? PercentOperandLine(f, operands_.first, op, typed, result)
                       : TwoOperandLine(f, operands_.first, op, operands_.second, result),
               result);
    } else if (type == IDC_KEY_POWXY) {
        Record(TwoOperandLine(f, operands_.first, "^", operands_.second, result), result);
    } else if (percent) {
        Record(PercentOfLine(f, typed, up, result), result);
    } else {
        Record(FunctionLine(f, KeyCaption(type), argument, result), result);
    }
}
