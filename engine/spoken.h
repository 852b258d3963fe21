#pragma once
#include <string>

#include "calc_state.h"
#include "edition.h"

// What a screen reader is told of the calculator window: the names of its controls (string
// resources of their own, apart from the captions and tooltips), what the panels show with
// them, and the key that does what each key does.

// The string-table id of the name of a control: its id plus IDS_NAME_OFFSET; the view key
// has a second name for when it folds the window back.
int SpokenNameId(int id, bool extendedView);

// The name of a control as spoken: a panel's name is followed by what it shows ("Register
// A 14", "Current value 7"); any other control's is its name alone.
std::string SpokenName(int id, const std::string& name, const CalcState& state);

// The keyboard key that does what the key `id` does, as a screen reader says it ("Ctrl+M",
// "Enter"); null when no key of the keyboard does.
const char* KeyShortcut(int id, Edition edition);
