#pragma once
#include <cstdint>

#include "virtual_keys.h"

// What the engine is asked to do: every key, click and command of the calculator window
// resolves to one of these, run with the window's selections as they are at that moment.
enum class CalcOp : uint8_t {
    None,   // the event is not the engine's: the window's default handling may have it
    Latch,  // taken, and nothing to do beyond what resolving it did (the Escape latch)
    // Keys of the keypad and the keyboard; `arg` is the key's control id where it needs one.
    Digit,
    Point,
    Sign,
    Back,
    Clear,  // Delete, Clear or clear both windows
    Operation,
    OperationIfEnabled,  // from the keyboard: a disabled key is not pressed
    Memory,
    ToggleRegister,
    ToggleXWindow,
    Swap,
    RefreshKeys,  // an x-window radio moved: only the keys' states follow it
    Constant,
    BaseOrAngle,   // a base or angle radio moved
    IntegerInput,  // the integer-input box was clicked
    ToggleIntegerInput,
    CycleBase,  // `arg` is -1 or +1
    ToggleAngle,
    InMemoryEquals,  // one "=" as if In Memory were on
    TogglePrecisionControl,
    SaveAndClose,
    // The window's commands: its menu, its accelerators and its own set-up.
    ShowView,  // `arg` is 1 for the extended view, 0 for the basic one
    Refresh,
    SetUpPrecision,  // the spin range, the menu texts and the check of the precision model
    PrecisionModel,  // `arg` is 1 for digits after the point, 0 for significant digits
    PrecisionEdited,
    ToggleComma,
    ToggleInMemory,
    Copy,
    Paste,
    Recall,  // `value` into the down window, as MR puts M there: a result taken back from the tape
};

struct CalcAction {
    CalcOp op = CalcOp::None;
    int arg = 0;
    double value = 0.0;
    explicit operator bool() const { return op != CalcOp::None; }
};

// One event as the window hands it over: a click on a key (its control id), a typed
// character, a key pressed or released (its virtual-key code, with the modifiers held), or a
// command of the window.
struct CalcEvent {
    enum class Kind : uint8_t { Click, Char, KeyDown, KeyUp, Command };
    Kind kind = Kind::Command;
    int code = 0;
    Modifiers mods;
    CalcAction command;  // for Kind::Command

    static CalcEvent Click(int id) { return {Kind::Click, id, {}, {}}; }
    static CalcEvent Char(int ch) { return {Kind::Char, ch, {}, {}}; }
    static CalcEvent KeyDown(int key, Modifiers mods) { return {Kind::KeyDown, key, mods, {}}; }
    static CalcEvent KeyUp(int key, Modifiers mods) { return {Kind::KeyUp, key, mods, {}}; }
    static CalcEvent Command(CalcOp op, int arg = 0) { return {Kind::Command, 0, {}, {op, arg, 0.0}}; }
    static CalcEvent Recall(double value) { return {Kind::Command, 0, {}, {CalcOp::Recall, 0, value}}; }
};
