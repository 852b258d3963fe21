// The two views of the calculator window and the precision control: one template holds
// every control, and the basic view is the same window cut narrower.
#include "calc_ext_dlg.h"
#include "command_ids.h"
#include "window_place.h"

void CCalcExtDlg::ShowExtendedView(bool on)
{
    const RECT window = ScreenRect(Handle());
    int right = 0;
    if (on) {
        // The margin beyond the last control equals the one in front of the first.
        right = ScreenRect(Item(IDC_PANEL_OTHER_LABEL)).right +
                (ScreenRect(Item(IDC_PANEL_UP_LABEL)).left - window.left);
        SetDlgItemTextA(Handle(), IDC_KEY_VIEW, "<");
    } else {
        right = ScreenRect(Item(IDC_PANEL_INTEGER)).left + 2;
        SetDlgItemTextA(Handle(), IDC_KEY_VIEW, ">");
    }
    settings_.bExtendedView = on ? 1 : 0;
    ShowFoldedControls(on);
    MoveWindow(Handle(), window.left, window.top, right - window.left, window.bottom - window.top, TRUE);
}

void CCalcExtDlg::ShowFoldedControls(bool on)
{
    // What the fold cuts off is hidden as well, so that a screen reader does not offer 35
    // controls nobody can see or reach; the precision control shows only where its option
    // asks for it.
    if (foldedControls_.empty()) {
        const LONG cut = ScreenRect(Item(IDC_PANEL_INTEGER)).left;
        for (const auto& [id, control] : Controls())
            if (ScreenRect(control).left >= cut)
                foldedControls_.push_back(control);
    }
    for (HWND control : foldedControls_) {
        const int id = GetDlgCtrlID(control);
        const bool precision = id == IDC_PRECISION_EDIT || id == IDC_PRECISION_SPIN;
        const bool visible = on && (!precision || settings_.bShowPrecision);
        const bool shown = (GetWindowLongPtrA(control, GWL_STYLE) & WS_VISIBLE) != 0;
        if (shown != visible)
            ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
    }
}

void CCalcExtDlg::ApplyPrecisionControl()
{
    HWND panel = Item(IDC_PANEL_OTHER);
    HWND edit = Item(IDC_PRECISION_EDIT);
    HWND spin = Item(IDC_PRECISION_SPIN);
    if (panel != nullptr && edit != nullptr && spin != nullptr) {
        RECT rect = ScreenRect(panel);
        if (settings_.bShowPrecision) {
            rect.left = ScreenRect(spin).right + 2;
            // Folded away in the basic view, shown when the view unfolds.
            if (engine_.ExtendedView()) {
                ShowWindow(spin, SW_SHOW);
                ShowWindow(edit, SW_SHOW);
            }
        } else {
            ShowWindow(spin, SW_HIDE);
            ShowWindow(edit, SW_HIDE);
            rect.left = ScreenRect(edit).left;  // the panel takes the space
        }
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
        MoveWindow(panel, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
    }
    UpdateChecks();  // Ctrl+D comes here without the menu
}
