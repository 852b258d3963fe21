#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "calc_engine_ext.h"
#include "calc_settings.h"
#include "color_plan.h"
#include "keypad_dialog.h"
#include "registry_port.h"
#include "tape_window.h"

// The calculator window, basic view: it owns the engine and the stored options, shows what
// the engine pushes, does what it commands, and hands every key, character, click and command
// to the engine through one door (calc_dlg_engine.cpp). CCalcExtDlg adds the extended view,
// the precision control, the system menu and the settings store; only it is ever created.
class CCalcDlg : public CKeypadDlg, public ICalcDisplay, public ICalcWindow {
public:
    CCalcDlg(int templateId, Edition edition);

    // The window's operations that the extended window adds to or overrides.
    virtual void ApplyColors(uint32_t mask);
    virtual void SetDefaultColors();
    virtual void LoadSettings() {}
    virtual void ToggleInMemory();
    void ShowExtendedView(bool on) override;

    // ICalcDisplay.
    void PushState(const CalcState& state) override;
    void Announce(const std::string& text, Announcement kind) override;
    void EnableKey(int id, bool enabled) override;
    void SetPrecisionRange(int lowest, int highest) override;
    void SetPrecisionMenuTexts(int nAfter, int nScale) override;
    void CheckPrecisionMode(bool after) override;

    // ICalcWindow.
    void TogglePrecisionControl() override;
    void SaveAndClose() override { CKeypadDlg::SaveAndClose(); }
    void SaveSettings() override {}

protected:
    bool OnInitDialog() override;
    void BindControls() override;
    bool OnKey(UINT message, int key) override;
    bool OnKeyClicked(int id) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    Backdrop BackdropOf(int id, UINT message) const override;
    bool SpokenTextOf(int id, SpokenText& text) override;

    // Shows or hides the precision control as the option says; the engine's display is
    // refreshed over it by the caller.
    virtual void ApplyPrecisionControl() {}
    // Pushes the colours the plan gives the keys and panels.
    void ApplyColorTargets(std::vector<ColorTarget> targets);
    void OnHighContrastChanged() override;
    // The last operation's panel text colour: its key's family, or High Contrast's.
    Color LastOpShownColor(int op) const;
    ColorContext CurrentColorContext() const;
    void StartLoanCalculator();
    virtual IRegistry& Registry() = 0;
    void SetItemText(int id, const std::string& text);
    // The user changed the precision box (typed, or clicked its spin arrows): its text is
    // read again, and the spin box's position set again at the next push.
    void ForgetPrecisionText();
    bool Pushing() const { return pushing_; }
    // What the selectors show now: the user may have clicked one since the engine last pushed.
    ControlSelections ReadSelections();
    // The door to the engine: everything the window passes on goes through here. False when
    // the engine left the event to the window; the selections were then not read.
    bool ToEngine(const CalcEvent& event);
    // Pastes the clipboard, and copies the result after it when asked. A paste types up to
    // thousands of characters; the window shows only the state after the last one.
    void Paste(bool copyAfter);

    // Shows or hides the tape as the option says, in the window's font and entry colours.
    void ApplyTape();
    // Gives the tape the window's font and the entry panel's colours.
    void RefreshTapeLook();
    // Takes the tape window's place into the settings, for the next save.
    void KeepTapePlace();
    // What the tape asks of the calculator.
    CTapeWindow::Events TapeEvents();
    // A line of the tape taken back: its result into the down window.
    void UseTapeResult(int line);

    CalcSettings settings_;
    CalcEngineExt engine_;
    CTapeWindow tape_;
    bool ready_ = false;  // the controls exist and are bound

private:
    void RepaintDialogBackground(Color color);
    void SetNumLock();

    bool pushing_ = false;
    // What the text controls show: each message to a control costs, and under Wine the
    // precision box's messages pass the spin control's own subclass, a round trip each.
    struct ShownText {
        int id;
        bool known;  // false: read the control
        std::string text;
    };
    std::vector<ShownText> shownTexts_;
    ShownText& Shown(int id);
    // The text a control shows, read from it only when the window has not set it itself.
    const std::string& ItemText(int id);
    // What the spin box was last set to; asking it would read the edit box through the spin
    // control's subclass.
    std::optional<int> spinPosition_;
    // While a paste runs, the state to show and the keys' enabled states are kept here and
    // shown once at its end.
    bool deferring_ = false;
    std::optional<CalcState> deferredState_;
    std::map<int, bool> deferredEnables_;
    std::optional<std::string> deferredAnnouncement_;
    COLORREF tapeText_ = 0;
    COLORREF tapeBack_ = 0xFFFFFF;
};
