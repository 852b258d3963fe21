// The key map of both views: which action a click, a typed character, a key pressed or a key
// released asks for, and running it. The extended view's map takes what it knows and hands
// the rest to the basic one.
#include "calc_engine_ext.h"

namespace {

CalcAction Do(CalcOp op, int arg = 0)
{
    return CalcAction{op, arg, 0.0};
}

}  // namespace

bool CalcEngine::Handle(const CalcEvent& event, const SelectionReader& read)
{
    const CalcAction action = Resolve(event);
    if (!action)
        return false;
    shown_ = read();
    Execute(action);
    return true;
}

CalcAction CalcEngine::Resolve(const CalcEvent& event)
{
    switch (event.kind) {
    case CalcEvent::Kind::Click: return ResolveClick(event.code);
    case CalcEvent::Kind::Char: return ResolveChar(event.code);
    case CalcEvent::Kind::KeyDown: return ResolveKeyDown(event.code, event.mods);
    case CalcEvent::Kind::KeyUp: return ResolveKeyUp(event.code, event.mods);
    case CalcEvent::Kind::Command: break;
    }
    return event.command;
}

CalcAction CalcEngine::ResolveClick(int id)
{
    if (id >= IDC_KEY_DIGIT0 && id <= IDC_KEY_HEX_F)
        return Do(CalcOp::Digit, id);
    if ((id >= IDC_KEY_DIVIDE && id <= IDC_KEY_RECIPROCAL) || (id >= IDC_KEY_LN && id <= IDC_KEY_ATAN))
        return Do(CalcOp::Operation, id);
    if (id >= IDC_KEY_MC && id <= IDC_KEY_MPLUS)
        return Do(CalcOp::Memory, id);
    switch (id) {
    case IDC_KEY_SIGN: return Do(CalcOp::Sign);
    case IDC_KEY_POINT: return Do(CalcOp::Point);
    case IDC_KEY_BACK: return Do(CalcOp::Back);
    case IDC_KEY_DELETE:
    case IDC_KEY_CLEAR: return Do(CalcOp::Clear, id);
    case IDC_KEY_ACC:
    case IDC_KEY_MEM: return Do(CalcOp::ToggleRegister);  // either one switches to the other
    case IDC_KEY_VIEW: return Do(CalcOp::ShowView, ExtendedView() ? 0 : 1);
    case IDC_RADIO_X_UP:
    case IDC_RADIO_X_DOWN: return Do(CalcOp::RefreshKeys);  // the radio itself has moved the selection
    default: return {};
    }
}

CalcAction CalcEngineExt::ResolveClick(int id)
{
    switch (id) {
    case IDC_KEY_E:
    case IDC_KEY_PI: return Do(CalcOp::Constant, id);
    case IDC_KEY_SWAP: return Do(CalcOp::Swap);
    case IDC_RADIO_DEGREES:
    case IDC_RADIO_RADIANS:
    case IDC_RADIO_DEC:
    case IDC_RADIO_HEX:
    case IDC_RADIO_OCT:
    case IDC_RADIO_BIN: return Do(CalcOp::BaseOrAngle);
    case IDC_CHECK_INTEGER_INPUT: return Do(CalcOp::IntegerInput);
    default: return CalcEngine::ResolveClick(id);
    }
}

CalcAction CalcEngine::ResolveChar(int ch)
{
    if (ch >= '0' && ch <= '9')
        return Do(CalcOp::Digit, IDC_KEY_DIGIT0 + (ch - '0'));
    switch (ch) {
    case '%': return Do(CalcOp::Operation, IDC_KEY_PERCENT);
    case '*': return Do(CalcOp::Operation, IDC_KEY_MULTIPLY);
    case '+': return Do(CalcOp::Operation, IDC_KEY_ADD);
    case '/':
    case '\\': return Do(CalcOp::Operation, IDC_KEY_DIVIDE);
    case '=': return Do(CalcOp::Operation, IDC_KEY_EQUALS);
    case '.':
    case ',': return Do(CalcOp::Point);
    case '_': return Do(CalcOp::Sign);
    case '-':
        // On a bare "0" the minus starts a negative number; anywhere else it subtracts.
        return state_.strCurrent == "0" ? Do(CalcOp::Sign) : Do(CalcOp::Operation, IDC_KEY_SUBTRACT);
    default: return {};
    }
}

CalcAction CalcEngineExt::ResolveChar(int ch)
{
    if (HexInput() && ch >= 'A' && ch <= 'F')
        return Do(CalcOp::Digit, IDC_KEY_HEX_A + (ch - 'A'));
    if (HexInput() && ch >= 'a' && ch <= 'f')
        return Do(CalcOp::Digit, IDC_KEY_HEX_A + (ch - 'a'));
    if (ch == 'E' || ch == 'e')
        return Do(CalcOp::Constant, IDC_KEY_E);
    if (ch == 'P' || ch == 'p')
        return Do(CalcOp::Constant, IDC_KEY_PI);
    return CalcEngine::ResolveChar(ch);
}

CalcAction CalcEngine::ResolveKeyDown(int key, Modifiers mods)
{
    // The Styled edition clears the memory with Ctrl or Shift and Backspace.
    if ((mods.ctrl || mods.shift) && key == vk::Back)
        return edition_ == Edition::Styled ? Do(CalcOp::Memory, IDC_KEY_MC) : CalcAction{};
    // Ctrl takes precedence over Shift: with both held, only the Ctrl rows apply.
    if (mods.ctrl) {
        switch (key) {
        case vk::Add:
        case 0x2B: return Do(CalcOp::Memory, IDC_KEY_MPLUS);
        case vk::Delete: return Do(CalcOp::Clear, IDC_KEY_CLEAR);
        case 'M': return Do(CalcOp::Memory, IDC_KEY_MS);
        case 'O': return Do(CalcOp::ToggleRegister);
        case 'R': return Do(CalcOp::Memory, IDC_KEY_MR);
        default: return {};
        }
    }
    if (mods.shift)
        return key == vk::Delete ? Do(CalcOp::Clear, IDC_CLEAR_BOTH) : CalcAction{};
    switch (key) {
    case vk::Back: return Do(CalcOp::Back);
    case vk::Escape: state_.bEscapeDown = true; return Do(CalcOp::Latch);
    case vk::Delete: return Do(CalcOp::Clear, IDC_KEY_DELETE);
    case 'M':
    case 'R': return Do(CalcOp::Memory, IDC_KEY_MS);
    case 'Q': return Do(CalcOp::OperationIfEnabled, IDC_KEY_SQRT);
    case 'X': return Do(CalcOp::OperationIfEnabled, IDC_KEY_RECIPROCAL);
    default: return {};
    }
}

CalcAction CalcEngineExt::ResolveKeyDown(int key, Modifiers mods)
{
    if (mods.ctrl) {
        switch (key) {
        case vk::Left: return Do(CalcOp::ShowView, 0);
        case vk::Right: return Do(CalcOp::ShowView, 1);
        case vk::Up:
        case vk::Down: return Do(CalcOp::Swap);
        case 'D': return Do(CalcOp::TogglePrecisionControl);
        default: return CalcEngine::ResolveKeyDown(key, mods);
        }
    }
    if (mods.shift) {
        switch (key) {
        case vk::Left:
        case vk::Right:
            return ExtendedView() ? Do(CalcOp::ToggleAngle) : CalcEngine::ResolveKeyDown(key, mods);
        case vk::Up:
        case vk::Down: return Do(CalcOp::Swap);
        default: return CalcEngine::ResolveKeyDown(key, mods);
        }
    }
    switch (key) {
    case 'N': return Do(CalcOp::OperationIfEnabled, IDC_KEY_LN);
    case 'L': return Do(CalcOp::OperationIfEnabled, IDC_KEY_LOG);
    case 'W': return Do(CalcOp::Swap);
    case 'Y': return Do(CalcOp::Operation, IDC_KEY_POWXY);  // x^y is never disabled
    case vk::Left:
    case vk::Right:
        if (ExtendedView())
            return Do(CalcOp::CycleBase, key == vk::Left ? -1 : +1);
        return Do(CalcOp::ToggleRegister);
    case vk::Up:
    case vk::Down: return Do(CalcOp::ToggleXWindow);
    default: return CalcEngine::ResolveKeyDown(key, mods);
    }
}

CalcAction CalcEngine::ResolveKeyUp(int key, Modifiers mods)
{
    CalcAction action;
    if (mods.ctrl) {
        switch (key) {
        case vk::Return: action = Do(CalcOp::Memory, IDC_KEY_MS); break;
        case vk::Subtract:
        case vk::OemMinus: action = Do(CalcOp::Sign); break;
        case vk::Divide: action = Do(CalcOp::Operation, IDC_KEY_PERCENT); break;
        default: break;
        }
    } else if (mods.shift) {
        if (key == vk::Return)
            action = Do(CalcOp::InMemoryEquals);
    } else if (key == vk::Return) {
        action = Do(CalcOp::Operation, IDC_KEY_EQUALS);
    } else if (key == vk::Escape && state_.bEscapeDown) {
        // Only an Escape whose press reached this window acts. Stored settings may have both
        // options on; exiting wins, and a window that is ending clears nothing.
        if (options_.bExitByEscape)
            action = Do(CalcOp::SaveAndClose);
        else if (options_.bClearByEscape)
            action = Do(CalcOp::Clear, IDC_KEY_CLEAR);
        else
            action = Do(CalcOp::Latch);
    }
    if (!action)
        state_.bEscapeDown = false;
    return action;
}

CalcAction CalcEngineExt::ResolveKeyUp(int key, Modifiers mods)
{
    if (key == vk::Space && mods.ctrl)
        return Do(CalcOp::ShowView, ExtendedView() ? 0 : 1);
    if (mods.ctrl || mods.shift)
        return CalcEngine::ResolveKeyUp(key, mods);
    if (key == vk::Space)
        return ExtendedView() ? Do(CalcOp::ToggleIntegerInput) : Do(CalcOp::ShowView, 1);
    // In the hexadecimal integer input C is a digit, so the letters give no trigonometry.
    if (!HexInput()) {
        switch (key) {
        case 'C': return Do(CalcOp::OperationIfEnabled, IDC_KEY_COS);
        case 'S': return Do(CalcOp::OperationIfEnabled, IDC_KEY_SIN);
        case 'T': return Do(CalcOp::OperationIfEnabled, IDC_KEY_TAN);
        default: break;
        }
    }
    return CalcEngine::ResolveKeyUp(key, mods);
}

void CalcEngine::Execute(CalcAction action)
{
    const int id = action.arg;
    switch (action.op) {
    case CalcOp::Digit: PressDigit(id); break;
    case CalcOp::Point: PressPoint(); break;
    case CalcOp::Sign: ChangeSign(); break;
    case CalcOp::Back: PressBack(); break;
    case CalcOp::Clear: ClearKey(id); break;
    case CalcOp::Operation: PressOperation(id); break;
    case CalcOp::OperationIfEnabled: PressIfEnabled(id); break;
    case CalcOp::Memory: MemoryKey(id); break;
    case CalcOp::ToggleRegister: ToggleActiveRegister(); break;
    case CalcOp::ToggleXWindow: ToggleXWindow(); break;
    case CalcOp::Swap: SwapWindows(); break;
    case CalcOp::RefreshKeys: RefreshKeys(); break;
    case CalcOp::ShowView: SwitchView(id != 0); break;
    case CalcOp::Refresh: RefreshDisplay(true); break;
    case CalcOp::ToggleInMemory: ToggleInMemory(); break;
    case CalcOp::Recall: RecallValue(action.value); break;
    case CalcOp::InMemoryEquals: {
        // One "=" in In Memory mode, without switching the mode on.
        const uint8_t saved = options_.bInMemory;
        options_.bInMemory = 1;
        PressOperation(IDC_KEY_EQUALS);
        options_.bInMemory = saved;
        break;
    }
    case CalcOp::SaveAndClose: window_.SaveAndClose(); break;
    default: break;  // Latch, and the extended view's own
    }
}

void CalcEngineExt::Execute(CalcAction action)
{
    switch (action.op) {
    case CalcOp::Constant: PressConstant(action.arg); break;
    case CalcOp::BaseOrAngle: OnBaseOrAngleClicked(); break;
    case CalcOp::IntegerInput: OnIntegerInputClicked(); break;
    case CalcOp::ToggleIntegerInput: ToggleIntegerInput(); break;
    case CalcOp::CycleBase: CycleBase(action.arg); break;
    case CalcOp::ToggleAngle: ToggleAngle(); break;
    case CalcOp::TogglePrecisionControl:
        // The window moves the panel into the space the control leaves or takes; the display
        // is shown again in its new place.
        window_.TogglePrecisionControl();
        RefreshDisplay(true);
        break;
    case CalcOp::SetUpPrecision: ApplyPrecision(true, true); break;
    case CalcOp::PrecisionModel:
        state_.bAfter = action.arg != 0;
        ApplyPrecision(true, false);
        break;
    case CalcOp::PrecisionEdited: OnPrecisionEdited(); break;
    case CalcOp::ToggleComma: ToggleComma(); break;
    case CalcOp::Copy: CopyValue(); break;
    case CalcOp::Paste: PasteText(); break;
    default: CalcEngine::Execute(action); break;
    }
}

void CalcEngine::PressIfEnabled(int id)
{
    if (KeyEnabled(id))
        PressOperation(id);
}
