#pragma once
#include <windows.h>

#include <vector>

// The program's other windows held while a window that must be answered first is up, as a
// task-modal message box holds them: every visible, enabled top-level window of this thread
// but `except` (the owner, which the modal window disables itself) is disabled now and enabled
// again when this ends. A window closed meanwhile is skipped.
class OtherWindowsHeld {
public:
    explicit OtherWindowsHeld(HWND except);
    ~OtherWindowsHeld();
    OtherWindowsHeld(const OtherWindowsHeld&) = delete;
    OtherWindowsHeld& operator=(const OtherWindowsHeld&) = delete;

private:
    HWND except_;
    std::vector<HWND> held_;
};
