// The extended view's part of the key map; what it does not take goes to the basic map.
#include "calc_engine_ext.h"

bool CalcEngineExt::OnButton(int id)
{
    switch (id) {
    case IDC_KEY_E:
    case IDC_KEY_PI: PressConstant(id); return true;
    case IDC_KEY_SWAP: SwapWindows(); return true;
    case IDC_RADIO_DEGREES:
    case IDC_RADIO_RADIANS:
    case IDC_RADIO_DEC:
    case IDC_RADIO_HEX:
    case IDC_RADIO_OCT:
    case IDC_RADIO_BIN: OnBaseOrAngleClicked(); return true;
    case IDC_CHECK_INTEGER_INPUT: OnIntegerInputClicked(); return true;
    default: return CalcEngine::OnButton(id);
    }
}

bool CalcEngineExt::OnCharKey(int ch, Modifiers mods)
{
    const CalcState& s = state_;
    const bool hexInput = s.bIntegerInput && s.nRadix == 16;
    if (hexInput && ch >= 'A' && ch <= 'F') {
        PressDigit(IDC_KEY_HEX_A + (ch - 'A'));
        return true;
    }
    if (hexInput && ch >= 'a' && ch <= 'f') {
        PressDigit(IDC_KEY_HEX_A + (ch - 'a'));
        return true;
    }
    if (ch == 'E' || ch == 'e') {
        PressConstant(IDC_KEY_E);
        return true;
    }
    if (ch == 'P' || ch == 'p') {
        PressConstant(IDC_KEY_PI);
        return true;
    }
    return CalcEngine::OnCharKey(ch, mods);
}

bool CalcEngineExt::OnKeyPress(int key, Modifiers mods)
{
    const bool extended = ExtendedView();
    if (mods.ctrl) {
        switch (key) {
        case vk::Left: SwitchView(false); return true;
        case vk::Right: SwitchView(true); return true;
        case vk::Up:
        case vk::Down: SwapWindows(); return true;
        case 'D':
            // The window moves the panel into the space the control leaves or takes; the display
            // is shown again in its new place.
            window_.TogglePrecisionControl();
            RefreshDisplay(true);
            return true;
        default: return CalcEngine::OnKeyPress(key, mods);
        }
    }
    if (mods.shift) {
        switch (key) {
        case vk::Left:
        case vk::Right:
            if (!extended)
                return CalcEngine::OnKeyPress(key, mods);
            ToggleAngle();
            return true;
        case vk::Up:
        case vk::Down: SwapWindows(); return true;
        default: return CalcEngine::OnKeyPress(key, mods);
        }
    }
    switch (key) {
    case 'N': PressIfEnabled(IDC_KEY_LN); return true;
    case 'L': PressIfEnabled(IDC_KEY_LOG); return true;
    case 'W': SwapWindows(); return true;
    case 'Y': PressOperation(IDC_KEY_POWXY); return true;  // x^y is never disabled
    case vk::Left:
    case vk::Right:
        if (extended)
            CycleBase(key == vk::Left ? -1 : +1);
        else
            ToggleActiveRegister();
        return true;
    case vk::Up:
    case vk::Down: ToggleXWindow(); return true;
    default: return CalcEngine::OnKeyPress(key, mods);
    }
}

bool CalcEngineExt::OnKeyRelease(int key, Modifiers mods)
{
    CalcState& s = state_;
    if (key == vk::Space && mods.ctrl) {
        SwitchView(!ExtendedView());
        return true;
    }
    if (mods.ctrl || mods.shift)
        return CalcEngine::OnKeyRelease(key, mods);

    if (key == vk::Space) {
        if (ExtendedView()) {
            PrepareOperands();
            s.bIntegerInput = !s.bIntegerInput;
            RefreshDisplay(true);
        } else {
            SwitchView(true);
        }
        return true;
    }
    // In the hexadecimal integer input C is a digit, so the letters give no trigonometry.
    if (!(s.bIntegerInput && s.nRadix == 16)) {
        switch (key) {
        case 'C': PressIfEnabled(IDC_KEY_COS); return true;
        case 'S': PressIfEnabled(IDC_KEY_SIN); return true;
        case 'T': PressIfEnabled(IDC_KEY_TAN); return true;
        default: break;
        }
    }
    return CalcEngine::OnKeyRelease(key, mods);
}
