#pragma once
#include "maker_links.h"

// Opens the About window, modal over the active window, with the link targets of its
// "Write Letter" and "Visit Site" buttons; returns when it closes. While one is open, a
// further call only shows that one again. Callers pass kMakerMailLink and kMakerWebAddress.
void ShowAboutWindow(const char* mail, const char* web);
