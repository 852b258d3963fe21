#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

// The tooltips of a dialog's controls. A control has a tip when the program's string table
// holds a text under the control's id.
class Tooltips {
public:
    Tooltips() = default;
    ~Tooltips();
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;

    // A tool for each of the dialog's controls that has a text.
    void Create(HWND dialog, const std::vector<std::pair<int, HWND>>& controls);
    void Activate(bool on);
    // Hands the tooltip a mouse message from the dialog's message loop. The tooltip is not
    // told by subclassing the controls: a subclassed control costs a look-up of its data on
    // every message it gets, mouse or not.
    void Relay(const MSG& msg) const;
    // Answers the tooltip's request for a text; true when `header` was such a request.
    bool OnNotify(const NMHDR* header);

private:
    HWND tooltip_ = nullptr;
    std::string text_;  // the tooltip reads the text after the request returns
};
