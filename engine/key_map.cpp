// The basic key map: clicks on keys, typed characters, key presses and key releases.
#include "calc_engine.h"
#include "window_results.h"

void CalcEngine::PressIfEnabled(int id)
{
    if (KeyEnabled(id))
        PressOperation(id);
}

bool CalcEngine::OnButton(int id)
{
    if (id >= IDC_KEY_DIGIT0 && id <= IDC_KEY_HEX_F) {
        PressDigit(id);
    } else if ((id >= IDC_KEY_DIVIDE && id <= IDC_KEY_RECIPROCAL) ||
               (id >= IDC_KEY_LN && id <= IDC_KEY_ATAN)) {
        PressOperation(id);
    } else if (id >= IDC_KEY_MC && id <= IDC_KEY_MPLUS) {
        MemoryKey(id);
    } else {
        switch (id) {
        case IDC_KEY_SIGN: ChangeSign(); break;
        case IDC_KEY_POINT: PressPoint(); break;
        case IDC_KEY_BACK: PressBack(); break;
        case IDC_KEY_DELETE:
        case IDC_KEY_CLEAR: ClearKey(id); break;
        case IDC_KEY_ACC:
        case IDC_KEY_MEM: ToggleActiveRegister(); break;  // either one switches to the other
        case IDC_KEY_VIEW: SwitchView(!ExtendedView()); break;
        case IDC_RADIO_X_UP:
        case IDC_RADIO_X_DOWN: RefreshKeys(); break;  // the radio itself has moved the selection
        default: return false;
        }
    }
    return true;
}

bool CalcEngine::OnCharKey(int ch, Modifiers)
{
    if (ch >= '0' && ch <= '9') {
        PressDigit(IDC_KEY_DIGIT0 + (ch - '0'));
        return true;
    }
    switch (ch) {
    case '%': PressOperation(IDC_KEY_PERCENT); break;
    case '*': PressOperation(IDC_KEY_MULTIPLY); break;
    case '+': PressOperation(IDC_KEY_ADD); break;
    case '/':
    case '\\': PressOperation(IDC_KEY_DIVIDE); break;
    case '=': PressOperation(IDC_KEY_EQUALS); break;
    case '.':
    case ',': PressPoint(); break;
    case '_': ChangeSign(); break;
    case '-':
        // On a bare "0" the minus starts a negative number; anywhere else it subtracts.
        if (state_.strCurrent == "0")
            ChangeSign();
        else
            PressOperation(IDC_KEY_SUBTRACT);
        break;
    default: return false;
    }
    return true;
}

bool CalcEngine::OnKeyPress(int key, Modifiers mods)
{
    // The Styled edition clears the memory with Ctrl or Shift and Backspace.
    if ((mods.ctrl || mods.shift) && key == vk::Back) {
        if (edition_ != Edition::Styled)
            return false;
        MemoryKey(IDC_KEY_MC);
        return true;
    }
    // Ctrl takes precedence over Shift: with both held, only the Ctrl rows apply.
    if (mods.ctrl) {
        switch (key) {
        case vk::Add:
        case 0x2B: MemoryKey(IDC_KEY_MPLUS); return true;
        case vk::Delete: ClearKey(IDC_KEY_CLEAR); return true;
        case 'M': MemoryKey(IDC_KEY_MS); return true;
        case 'O': ToggleActiveRegister(); return true;
        case 'R': MemoryKey(IDC_KEY_MR); return true;
        default: return false;
        }
    }
    if (mods.shift) {
        switch (key) {
        case vk::Delete: ClearKey(IDC_CLEAR_BOTH); return true;
        default: return false;
        }
    }
    switch (key) {
    case vk::Back: PressBack(); return true;
    case vk::Escape: state_.bEscapeDown = true; return true;
    case vk::Delete: ClearKey(IDC_KEY_DELETE); return true;
    case 'M':
    case 'R': MemoryKey(IDC_KEY_MS); return true;
    case 'Q': PressIfEnabled(IDC_KEY_SQRT); return true;
    case 'X': PressIfEnabled(IDC_KEY_RECIPROCAL); return true;
    default: return false;
    }
}

bool CalcEngine::OnKeyRelease(int key, Modifiers mods)
{
    bool handled = false;
    if (mods.ctrl) {
        handled = true;
        switch (key) {
        case vk::Return: MemoryKey(IDC_KEY_MS); break;
        case vk::Subtract:
        case vk::OemMinus: ChangeSign(); break;
        case vk::Divide: PressOperation(IDC_KEY_PERCENT); break;
        default: handled = false; break;
        }
    } else if (mods.shift) {
        if (key == vk::Return) {
            // One "=" in In Memory mode, without switching the mode on.
            const uint8_t saved = options_.bInMemory;
            options_.bInMemory = 1;
            PressOperation(IDC_KEY_EQUALS);
            options_.bInMemory = saved;
            handled = true;
        }
    } else if (key == vk::Return) {
        PressOperation(IDC_KEY_EQUALS);
        handled = true;
    } else if (key == vk::Escape && state_.bEscapeDown) {
        // Only an Escape whose press reached this window acts. Stored settings may have both
        // options on; exiting wins, and a window that is ending clears nothing.
        handled = true;
        if (options_.bExitByEscape) {
            window_.SaveSettings();
            window_.EndWindow(kEndClosed);
        } else if (options_.bClearByEscape) {
            ClearKey(IDC_KEY_CLEAR);
        }
    }
    if (!handled)
        state_.bEscapeDown = false;
    return handled;
}
