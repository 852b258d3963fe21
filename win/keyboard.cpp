#include "keyboard.h"

Modifiers HeldModifiers()
{
    // One read of the keyboard instead of one per key: each is a round trip under Wine.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    return Modifiers{(keys[VK_SHIFT] & 0x80) != 0, (keys[VK_CONTROL] & 0x80) != 0,
                     (keys[VK_MENU] & 0x80) != 0};
}

bool IsHelpKey(int key)
{
    if (key != VK_F1)
        return false;
    const Modifiers mods = HeldModifiers();
    return !mods.shift && !mods.ctrl && !mods.alt;
}
