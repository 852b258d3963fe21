#pragma once

// Virtual-key codes of the keys the engine's key map knows. They equal the Windows codes,
// written out so that the engine needs no system header.
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
constexpr int OemMinus = 0xBD;
// Letters are their upper-case character codes: 'A' is 0x41.
}  // namespace vk

// The state of Shift and Ctrl when a key event happened. The window reads it; the engine
// never asks the system.
struct Modifiers {
    bool shift = false;
    bool ctrl = false;
};
