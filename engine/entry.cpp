// Typing the current data: digits, the decimal point, the sign and the clear keys, in the down
// window and, in the extended view, in the integer view.
#include "calc_engine_ext.h"

CalcEngine::CalcEngine(ICalcDisplay& display, ICalcWindow& window, IClipboard& clipboard,
                       EngineOptions& options, Edition edition)
    : display_(display), window_(window), clipboard_(clipboard), options_(options), edition_(edition)
{
}

void CalcEngine::TypeInto(std::string& text, char digit)
{
    // A lone "0" is replaced, so leading zeros never pile up; "0." and "-0" are kept.
    if (state_.bEntering && text != "0")
        text += digit;
    else
        text.assign(1, digit);
    state_.bFreshOperand = true;
    state_.bEntering = true;
}

void CalcEngine::PressDigit(int id)
{
    if (id < IDC_KEY_DIGIT0 || id > IDC_KEY_DIGIT9)
        return;
    PrepareOperands();
    const char digit = static_cast<char>('0' + (id - IDC_KEY_DIGIT0));
    TypeInto(state_.strCurrent, digit);
    RefreshDisplay(true);
}

void CalcEngine::PressPoint()
{
    PrepareOperands();
    const char separator = DecimalSeparator();
    if (!state_.bEntering) {
        state_.strCurrent = std::string("0") + separator;
    } else {
        if (state_.strCurrent.find(separator) != std::string::npos)
            return;
        state_.strCurrent += separator;
    }
    state_.bEntering = true;
    RefreshDisplay(true);
}

void CalcEngine::ChangeSign()
{
    PrepareOperands();
    std::string& text = state_.strCurrent;
    if (!state_.bEntering && text != "0") {
        state_.dCurrent = -state_.dCurrent;
    } else {
        if (!text.empty() && text[0] == '-')
            text.erase(0, 1);
        else
            text = text == "0" ? "-" : "-" + text;
        state_.bEntering = true;
    }
    RefreshDisplay(true);
}

void CalcEngine::ClearKey(int id)
{
    PrepareOperands();
    switch (id) {
    case IDC_KEY_BACK:
        if (state_.bEntering) {
            if (!state_.strCurrent.empty())
                state_.strCurrent.pop_back();
        } else {
            state_.dCurrent = 0.0;
        }
        break;
    case IDC_KEY_CLEAR:
        state_.nXWindow = 0;
        state_.nActiveReg = 0;
        state_.dMemory = 0.0;
        state_.dAccumulator = 0.0;
        [[fallthrough]];  // Clear also clears both windows
    case IDC_CLEAR_BOTH:
        state_.dUp = 0.0;
        state_.nLastOp = CALC_OP_NONE;
        state_.nPendingOp = IDC_KEY_EQUALS;
        [[fallthrough]];  // and the current data
    case IDC_KEY_DELETE:
        state_.bEntering = false;
        state_.dCurrent = 0.0;
        break;
    default: break;
    }
    if (id == IDC_KEY_CLEAR || id == IDC_CLEAR_BOTH) {
        Record(id == IDC_KEY_CLEAR ? "C" : "Del");
        Finished(Shown::DownWindow);
    }
    RefreshDisplay(true);
}

void CalcEngine::PressBack()
{
    ClearKey(IDC_KEY_BACK);
}

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
