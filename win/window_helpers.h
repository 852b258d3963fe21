#pragma once
#include <windows.h>

#include <cstdint>

// Small pieces both program windows need.

// The font with the same face and size, bold; null when it cannot be made.
HFONT CreateBoldFont(HFONT font);

// Checks or unchecks an item of a window's system menu.
void SetSystemMenuCheck(HWND window, int32_t flag, UINT command);

// Appends an item with a text from the string table, or a separator when textId is 0.
void AppendSystemMenuItem(HWND window, UINT command, UINT textId);

// Removes the size and maximise items: the program's windows have a fixed size.
void RemoveSizeItems(HWND window);

// Moves the window's top-left corner to a stored place, keeping its size. A place of -1 is
// none; so is a place on no monitor at all (a display since removed), where nobody could
// see the window: both come back as -1 and the window stays where it is. True when moved.
bool MoveToStoredPlace(HWND window, int32_t& x, int32_t& y);

// Whether the window is a button control (push, radio, check box or group box).
bool IsButtonWindow(HWND window);

// The screen rectangle of a window.
RECT ScreenRect(HWND window);

// Shows a minimised window again where it was before; any other window is left as it is.
void ShowRestored(HWND window);

// F1 with Shift, Ctrl and Alt all released: the user asks for help.
bool IsHelpKey(int key);

// Whether a keyboard message's key comes with Shift or Ctrl held.
bool ShiftHeld();
bool CtrlHeld();
