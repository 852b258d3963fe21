#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "announcer.h"
#include "subclassed_control.h"

#include "window_results.h"

// The base of every window of the program: a dialog created from a template, run in our own
// modal loop or shown beside another window (modeless). The loop offers each message to
// PreTranslateMessage first and never to the dialog manager, so no window gets Tab, arrow,
// Enter or Escape handling it did not ask for. Messages reach typed handlers; a handler
// returns true when it handled its message, and what it leaves goes to the dialog manager's
// default processing. The one place that knows how each answer travels back (a return value
// or DWLP_MSGRESULT) is here.
class Dialog : private ISpokenTextSource {
public:
    // Whether `window` is one of these dialogs: they end themselves when the program ends; a
    // dialog box of the system's (a message box, a common dialog) does not.
    static bool IsOwn(HWND window);

    explicit Dialog(int templateId) : templateId_(templateId) {}
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Creates the window and runs it until End; the owner is disabled meanwhile. Returns the
    // result given to End, or -1 when the window could not be created. When the program is
    // closed for good the window saves and ends with kEndClosed, and none is created any more.
    INT_PTR RunModal(HWND owner);
    // Creates the window, hidden, beside its owner; its messages arrive through the loop of
    // whichever window runs. False when it could not be created.
    bool Create(HWND owner);
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
    // How a control is painted (WM_CTLCOLOR*; `control` is the window itself for its own
    // background): the brush, with the device context's colours set, or null for the default.
    virtual HBRUSH OnControlColor(HDC /*dc*/, HWND /*control*/, UINT /*message*/) { return nullptr; }
    // A control's notification (WM_NOTIFY), other than a list view's request for a cell.
    virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    // The text of a list view's cell, asked for when the list shows it: `row` and `column` of
    // the list `id`. The base hands it over in the encoding the list asked in.
    virtual bool OnListCell(int /*id*/, int /*row*/, int /*column*/, std::string& /*text*/) { return false; }
    // A key pressed, or a character typed, in a list box that hands its keys to the window
    // first: true when the window took it, and the list does nothing more with it.
    virtual bool OnListKey(int /*id*/, int /*key*/) { return false; }
    virtual bool OnListChar(int /*id*/, int /*ch*/) { return false; }
    // The right button or the menu key asked for a context menu; `screen` is (-1, -1) when
    // it came from the keyboard.
    virtual bool OnContextMenu(HWND /*from*/, POINT /*screen*/) { return false; }
    virtual void OnSize(int /*width*/, int /*height*/) {}
    // The window's Close (the caption's button, Alt+F4); true when the window handled it.
    virtual bool OnClose() { return false; }
    // The Windows session ends, or the program is closed for good (program_end.h): the window
    // saves what it keeps, as when it is closed. Called once for a close for good.
    virtual void SaveForEnd() {}
    // Every other message. `result` is what the message returns to its sender.
    virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/)
    {
        return false;
    }
    // True when the message was consumed and must not be dispatched.
    virtual bool PreTranslateMessage(MSG& /*msg*/) { return false; }

    // What a screen reader is told of the control `id` beyond what the system tells: false
    // when nothing. Asked every time a reader wants the control, so a value can follow.
    virtual bool SpokenTextOf(int /*id*/, SpokenText& /*text*/) { return false; }
    // The name string `nameId`, the control's tooltip (the string of its id) as its
    // description, and `shortcut`: the texts most controls are spoken with. False when there
    // is no name string.
    static bool SpokenTexts(int id, UINT nameId, const char* shortcut, SpokenText& text);
    // Says `text` to a screen reader, every time it is called.
    void Announce(const std::string& text) { announcer_.Say(hwnd_, text); }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool DispatchNotify(const NMHDR& header, LRESULT& result);
    HWND CreateWindowFromTemplate(HWND owner);
    bool SpokenTextOf(HWND control, SpokenText& text) override;
    // Lets every control with something to say answer a screen reader: a control the window
    // subclasses already is told where its texts come from, the others are subclassed for it.
    void MakeControlsHeard();
    // WM_QUERYENDSESSION and WM_ENDSESSION, alike for every window.
    LRESULT OnSessionMessage(UINT message, WPARAM wParam, LPARAM lParam);

    Announcer announcer_;
    std::vector<std::unique_ptr<SubclassedControl>> heard_;

    int templateId_;
    HWND hwnd_ = nullptr;
    bool ended_ = false;
    bool savedForEnd_ = false;  // saved for the program's close for good
    INT_PTR result_ = 0;
    mutable std::vector<std::pair<int, HWND>> items_;  // listed by Controls
    bool created_ = false;                             // the template's controls exist
};

// Whether the window is a button control (push, radio, check box or group box).
bool IsButtonWindow(HWND window);
