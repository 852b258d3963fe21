#pragma once
#include <windows.h>

#include <utility>
#include <vector>

#include "window_results.h"

// The base of every window of the program: a dialog created from a template and run in our
// own modal loop. The loop offers each message to PreTranslateMessage first and never to the
// dialog manager, so no window gets Tab, arrow, Enter or Escape handling it did not ask for.
// Handlers return true when they handled a message; what they leave goes to the dialog
// manager's default processing.
class Dialog {
public:
    explicit Dialog(int templateId) : templateId_(templateId) {}
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Creates the window and runs it until End; the owner is disabled meanwhile. Returns the
    // result given to End, or -1 when the window could not be created.
    INT_PTR RunModal(HWND owner);
    void End(INT_PTR result);
    bool Ending() const { return ended_; }

    HWND Handle() const { return hwnd_; }
    // The control with this id, or null. The controls are listed once: a template's controls
    // live as long as the window, and under Wine every GetDlgItem is a round trip to the
    // window server.
    HWND Item(int id) const;
    // Every control of the window with its id, in the template's order; empty until the
    // window's creation has made them all.
    const std::vector<std::pair<int, HWND>>& Controls() const;
    static HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

protected:
    // Return false when the handler has set the focus itself.
    virtual bool OnInitDialog() { return true; }
    // The window has just been shown for the first time.
    virtual void OnShown() {}
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    virtual bool OnSysCommand(WPARAM /*command*/, LPARAM /*lParam*/) { return false; }
    // Every other message. `result` is what the message returns to its sender.
    virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/)
    {
        return false;
    }
    // True when the message was consumed and must not be dispatched.
    virtual bool PreTranslateMessage(MSG& /*msg*/) { return false; }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    int templateId_;
    HWND hwnd_ = nullptr;
    bool ended_ = false;
    INT_PTR result_ = 0;
    mutable std::vector<std::pair<int, HWND>> items_;  // listed by Controls
    bool created_ = false;                             // the template's controls exist
};
