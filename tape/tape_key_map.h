#pragma once
#include "virtual_keys.h"

// What a key pressed in the tape's list asks for. The list moves its own caret and selection
// on the keys that are none of these.
enum class TapeKey {
    None,
    UseResult,    // Enter: the caret line's result into the calculator
    Save,         // Ctrl+S: the lines to a text file
    Copy,         // Ctrl+C: the selected lines, or all
    Delete,       // Del: the selected lines
    SelectAll,    // Ctrl+A
    Hide,         // Ctrl+H, as in the calculator
    BackToOwner,  // Escape or F6: the calculator again
};

TapeKey TapeKeyFor(int key, Modifiers mods);
