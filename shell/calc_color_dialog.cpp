// "Set Colors": the calculator window opens the colours dialog on its own colour scheme,
// shows every change at once, and on Cancel puts its colours back.
#include "calc_ext_dlg.h"

#include "color_categories.h"
#include "color_dialog_rules.h"
#include "color_ext_dialog.h"
#include "color_snapshot.h"
#include "resource_ids.h"
#include "window_place.h"

namespace {

// The colour the chooser starts from, before the first category is selected.
constexpr Color kChooserStartColor = 0x0000FF;

}  // namespace

void CCalcExtDlg::RunColorsDialog()
{
    ColorScheme& scheme = settings_.colors;
    Color(&customColors)[kCustomColorCount] = ProcessSettings().crCustomColors;
    // Cancel puts back exactly what the dialog can change, as it was when it opened. Reading
    // every stored setting again would do that too, but would also throw away the
    // calculator's unsaved numbers, its pending operation and the option flags changed since
    // the last save.
    const ColorSnapshot opening = TakeColorSnapshot(scheme, customColors);

    CChColorExtDlg dialog(kChooserStartColor, CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR, IDD_COLORS);
    dialog.SetGroups(BuildColorGroups(scheme, edition_));
    dialog.SetSystemBackgroundCheck(scheme.bSystemBackgrounds ? 1 : 0);
    dialog.SetChangeNotification([this, &dialog] { OnColorsChanged(dialog); });
    dialog.SetShowSystemBackground(true);
    dialog.SetCustomColors(customColors);

    // Every element of the window in sight while its colours change: the extended view, in
    // the screen's top-left corner, with the dialog just below it. A minimised calculator (the
    // colours asked for from its taskbar menu) is shown first, so that the place it goes back
    // to is its own and not its icon's.
    ShowRestored(Handle());
    const RECT before = ScreenRect(Handle());
    const bool wasExtended = settings_.bExtendedView != 0;
    colorsHome_ = Home{before.left, before.top, settings_.bExtendedView};
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ToEngine(CalcEvent::Command(CalcOp::ShowView, 1));
    dialog.SetInitialPosition(50, before.bottom - before.top);

    if (!dialog.DoModal(Handle())) {
        RestoreColorSnapshot(opening, scheme, customColors);
        ApplyColors(kAllColors);
    }

    ShowRestored(Handle());  // minimised while the dialog was up
    InvalidateRect(Handle(), nullptr, TRUE);
    ToEngine(CalcEvent::Command(CalcOp::ShowView, wasExtended ? 1 : 0));
    MoveWindow(Handle(), before.left, before.top, before.right - before.left, before.bottom - before.top,
               TRUE);
    colorsHome_.reset();
    SetFocus(Handle());  // the keys go to the calculator again, not to the control last clicked
}

void CCalcExtDlg::OnColorsChanged(CChColorExtDlg& dialog)
{
    ColorScheme& scheme = settings_.colors;
    const ColorChangeDecision change =
        DecideColorChange(dialog.DefaultRequested(), dialog.SystemBackgroundCheck() != 0,
                          scheme.bSystemBackgrounds != 0, dialog.SelectedMask());
    switch (change.kind) {
    case ColorChangeKind::RestoreDefaults:
        SetDefaultColors();
        dialog.ClearDefaultRequested();
        break;
    case ColorChangeKind::SwitchSystemBackgrounds:
        scheme.bSystemBackgrounds = change.systemBackgrounds;
        break;
    case ColorChangeKind::Repaint: break;
    }
    ApplyColors(change.mask);
}
