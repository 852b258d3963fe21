#pragma once
#include <windows.h>

// A control of a dialog template whose messages pass through this object first.
class SubclassedControl {
public:
    SubclassedControl() = default;
    virtual ~SubclassedControl();
    SubclassedControl(const SubclassedControl&) = delete;
    SubclassedControl& operator=(const SubclassedControl&) = delete;

    // Binds the object to the dialog's control with this id; false when there is none.
    bool Attach(HWND dialog, int id);
    void Detach();
    HWND Handle() const { return hwnd_; }

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // Repaints the whole control without erasing it first: every paint fills the control.
    void Invalidate() const;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);
    HWND hwnd_ = nullptr;
};
