#pragma once
#include <windows.h>

// An earlier run of this program, found by a window's exact title: every top-level window of
// that title is looked at, and the first that is this program's own (instance_rules.h) is
// taken. Null when there is none.
HWND FindEarlierInstance(const char* title);

// Brings that window forward, restored when it is minimised. Nothing here waits for the
// window to answer, so an earlier run that hangs cannot hold this one.
void BringForward(HWND window);
