#pragma once
#include <windows.h>

#include "maker_links.h"

// Opens the About window, modal over `owner` (the window that asked for it), with the link
// targets of its "Write Letter" and "Visit Site" buttons; returns when it closes. While one
// is open, a further call only shows that one again. Callers pass kMakerMailLink and
// kMakerWebAddress.
void ShowAboutWindow(HWND owner, const char* mail, const char* web);
