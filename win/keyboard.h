#pragma once
#include <windows.h>

#include "virtual_keys.h"

// The keyboard as the windows read it for the key message being handled.

// Shift, Ctrl and Alt, read once.
Modifiers HeldModifiers();

// F1 with Shift, Ctrl and Alt all released: the user asks for help.
bool IsHelpKey(int key);
