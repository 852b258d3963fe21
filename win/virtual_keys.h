#pragma once

// Virtual-key codes of the keys the window-free key maps know (the calculator's, the loan
// window's, the tape's). They equal the Windows codes, written out so that no key map needs
// a system header.
namespace vk {
constexpr int Back = 0x08;
constexpr int Return = 0x0D;
constexpr int Escape = 0x1B;
constexpr int Space = 0x20;
constexpr int Left = 0x25;
constexpr int Up = 0x26;
constexpr int Right = 0x27;
constexpr int Down = 0x28;
constexpr int Delete = 0x2E;
constexpr int Add = 0x6B;
constexpr int Subtract = 0x6D;
constexpr int Divide = 0x6F;
constexpr int F1 = 0x70;
constexpr int F6 = 0x75;
constexpr int OemMinus = 0xBD;
// Letters are their upper-case character codes: 'A' is 0x41.
}  // namespace vk

// The state of Shift, Ctrl and Alt when a key event happened. The window reads it; the key
// maps never ask the system. Only F1 looks at Alt: it asks for help only on its own.
struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};
