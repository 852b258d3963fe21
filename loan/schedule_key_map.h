#pragma once
#include "virtual_keys.h"

// What a key pressed in the payment schedule's window asks for beyond what its list, box and
// buttons do with it.
enum class ScheduleKey {
    None,
    CopyTable,  // the whole table with its totals to the clipboard
};

// Ctrl+C copies the table from anywhere in the window, except in the extra box while text is
// selected there: that text is copied, as in any box.
ScheduleKey ScheduleKeyFor(int key, Modifiers mods, bool boxTextSelected);
