// Real mouse input: SendInput moves the pointer and presses the left button, so the button
// under the pointer sees the same messages as with a user's mouse, double clicks included.
#pragma once

#include <windows.h>

namespace e2e {

POINT CentreOf(const RECT& rect);

// Moves the pointer to a screen point; false when the pointer did not get there.
bool MovePointerTo(POINT screen);

bool ClickAt(POINT screen);

// Two presses within the double-click time and distance: the window under the pointer gets
// WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP.
bool DoubleClickAt(POINT screen);

// The left button alone, where the pointer is: for a press, a move and a release apart.
bool PressLeftButton();
bool ReleaseLeftButton();

}  // namespace e2e
