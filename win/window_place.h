#pragma once
#include <windows.h>

#include <cstdint>

// Where windows stand on the screen: the one rule of what a user can see, stored places and
// centring.

// The screen rectangle of a window.
RECT ScreenRect(HWND window);

// Whether `rect` (screen coordinates) lies at least partly on a monitor: a place on no monitor
// (a display since removed) is one nobody could see.
bool OnSomeScreen(const RECT& rect);

// Moves the window's top-left corner to a stored place, keeping its size. A place of -1 is
// none; so is a place on no monitor at all, where nobody could see the window: both come back
// as -1 and the window stays where it is. True when moved.
bool MoveToStoredPlace(HWND window, int32_t& x, int32_t& y);

// The primary monitor's work area: the screen without the taskbar.
RECT WorkArea();

// Moves the window, keeping its size, to the centre of `area` (screen coordinates), pulled
// back into the work area where it would stick out.
void CenterOver(HWND window, const RECT& area);

// Shows a minimised window again where it was before; any other window is left as it is.
void ShowRestored(HWND window);
