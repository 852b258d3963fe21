#pragma once
#include <windows.h>

#include "accessible_object.h"

// The window that knows what each of its controls is called, asked when a screen reader
// wants a control's object.
class ISpokenTextSource {
public:
    virtual ~ISpokenTextSource() = default;
    // False when the control has nothing to add to what the system tells of it.
    virtual bool SpokenTextOf(HWND control, SpokenText& text) = 0;
};

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
    // The object subclassing this control, or null.
    static SubclassedControl* Of(HWND control);
    // Where the control's spoken name comes from; it answers WM_GETOBJECT from then on.
    void SetSpokenTextSource(ISpokenTextSource* source) { spoken_ = source; }

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // Repaints the whole control without erasing it first: every paint fills the control.
    void Invalidate() const;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // WM_GETOBJECT for the control's own object with its spoken texts; 0 for any other.
    LRESULT SpokenObject(WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    ISpokenTextSource* spoken_ = nullptr;
};
