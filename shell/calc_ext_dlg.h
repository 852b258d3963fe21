#pragma once
#include <optional>

#include "calc_dlg.h"
#include "registry_port.h"

class CChColorExtDlg;

// The calculator window as it runs: the basic window plus the extended view, the precision
// control, the clipboard commands and the settings store.
class CCalcExtDlg : public CCalcDlg {
public:
    CCalcExtDlg(int templateId, Edition edition, IRegistry& registry);

    // Loads the settings, then either brings an already running calculator forward (result 0)
    // or runs this window (kEndClosed, or kEndRecreate to be created again from the other
    // template).
    INT_PTR DoModal();

    void SaveSettings() override;
    void LoadSettings() override;
    void ShowExtendedView(bool on) override;
    void ToggleInMemory() override;
    void RefreshPanelBacks(uint32_t mask);
    IRegistry& Registry() override { return registry_; }

protected:
    bool OnInitDialog() override;
    void OnShown() override;
    bool OnAccelerator(int id) override;
    bool OnControlNotify(int id, int code) override;
    void OnTipsChanged() override;
    void ApplyPrecisionControl() override;

private:
    // The system menu's items, in order, with what each one does and when it is saved.
    std::vector<OptionRow> MenuRows();
    // "Set Colors": the colours dialog, with every change applied live.
    void RunColorsDialog();
    // The dialog's change notification: what it stored, the window shows.
    void OnColorsChanged(CChColorExtDlg& dialog);
    // Moves the window to its stored place; false when there is none to take.
    bool RestorePosition();
    // Shows or hides the controls the basic view cuts off.
    void ShowFoldedControls(bool on);

    IRegistry& registry_;
    std::vector<HWND> foldedControls_;  // right of the basic view's edge
    // While the colours dialog has the window in the screen's corner in the extended view: the
    // place and view that are the user's, and that a save meanwhile (the session ending) keeps.
    struct Home {
        int32_t x;
        int32_t y;
        uint8_t extended;
    };
    std::optional<Home> colorsHome_;
};

// The settings every window of the process shares: the custom colours and the save count.
SharedSettings& ProcessSettings();
