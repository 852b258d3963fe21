#pragma once
#include <windows.h>

// A control of a dialog template whose messages pass through this object first.
//
// The control's window procedure is replaced directly and the object found in a table of
// this module, not through window properties: the common controls' subclassing looks its
// data up as a property on every message, and under Wine each such look-up is a round trip
// to the window server, hundreds for every key typed.
class SubclassedControl {
public:
    SubclassedControl() = default;
    virtual ~SubclassedControl();
    SubclassedControl(const SubclassedControl&) = delete;
    SubclassedControl& operator=(const SubclassedControl&) = delete;

    // Binds the object to a control; false when there is none.
    bool Attach(HWND control);
    void Detach();
    HWND Handle() const { return hwnd_; }

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // Repaints the whole control without erasing it first: every paint fills the control.
    void Invalidate() const;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};
