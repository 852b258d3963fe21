#pragma once
#include <windows.h>

#include <string>

// Says something to a screen reader without being asked: a result after "=", what Copy put on
// the clipboard. Through UI Automation's notification where Windows has it and a client
// listens, and always as a WinEvent that every MSAA client hears, on the window's
// announcement object, whose name is what was said last.
class Announcer {
public:
    // Says `text`, also when it is what was said before.
    void Say(HWND window, const std::string& text);

    // WM_GETOBJECT: the announcement object, or 0 when the message asks for another.
    LRESULT Answer(HWND window, WPARAM wParam, LPARAM lParam) const;

private:
    std::string text_;
};
