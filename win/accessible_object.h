#pragma once
#include <windows.h>

#include <string>
#include <vector>

// What a screen reader is told of an object beyond what the system's own object tells: its
// name, its description and its keyboard shortcut. An empty text leaves the system's.
struct SpokenText {
    std::string name;
    std::string description;
    std::string shortcut;
};

// The object a window's announcements are read from: a custom object id of the window, whose
// name is the last announcement.
constexpr LONG kAnnouncementObjectId = 0x7A11;

// Answers WM_GETOBJECT for the object `objectId` of `window` with the system's standard
// object for it, whose name, description and keyboard shortcut are those of `text`; every
// other property is the standard object's. The accessibility DLLs are loaded from the system
// folder the first time one is asked for, never before. 0 when no object could be made: the
// caller then passes the message on.
LRESULT AnswerGetObject(HWND window, WPARAM wParam, LONG objectId, const SpokenText& text);

// Whether an accessibility client has asked the program for an object since it started.
bool AccessibilityAsked();

// A text as the accessibility interfaces take it: UTF-16, ending in a zero.
std::vector<wchar_t> WideText(const std::string& text);
