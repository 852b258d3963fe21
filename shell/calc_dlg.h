#pragma once
#include <map>
#include <optional>
#include <vector>

#include "calc_engine_ext.h"
#include "calc_settings.h"
#include "color_plan.h"
#include "dialog.h"
#include "painted_controls.h"
#include "registry_port.h"
#include "tooltips.h"
#include "win32_clipboard.h"

// The calculator window, basic view: it owns the engine, the keys and panels and the stored
// options, shows what the engine pushes, does what it commands, and hands every key,
// character and click to the engine. It keeps the keyboard focus itself so that every key
// reaches the engine. CCalcExtDlg adds the extended view, the precision control and the
// settings store; only it is ever created.
class CCalcDlg : public Dialog, public ICalcDisplay, public ICalcWindow {
public:
    CCalcDlg(int templateId, Edition edition);
    ~CCalcDlg() override;

    // The window's operations that the extended window adds to or overrides.
    virtual void ApplyColors(uint32_t mask);
    virtual void SetDefaultColors();
    virtual void SaveSettings() override {}
    virtual void LoadSettings() {}
    virtual void ApplyTips();
    virtual void ToggleInMemory();
    virtual void ApplyOnTop();
    virtual void ShowExtendedView(bool on) override;
    virtual void ApplySoftButtons();

    // ICalcDisplay.
    void PushState(const CalcState& state) override;
    void RepaintControl(int id) override;
    void EnableKey(int id, bool enabled) override;
    void SetPrecisionRange(int lowest, int highest) override;
    void SetPrecisionMenuTexts(int nAfter, int nScale) override;
    void CheckPrecisionMode(bool after) override;

    // ICalcWindow.
    void TogglePrecisionControl() override;
    void EndWindow(int result) override { End(result); }

protected:
    bool OnInitDialog() override;
    void OnShown() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnSysCommand(WPARAM command, LPARAM lParam) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool PreTranslateMessage(MSG& msg) override;

    // Shows or hides the precision control as the option says; the engine's display is
    // refreshed over it by the caller.
    virtual void ApplyPrecisionControl() {}
    void BuildSystemMenu();
    void AppendMenuItem(UINT command, UINT textId);
    void AppendMenuSeparator();
    void ApplyEscapeChecks();
    // The base window's system commands; false for those it does not know.
    bool OnBaseCommand(UINT command);
    // Pushes the colours the plan gives the keys and panels.
    void ApplyColorTargets(const std::vector<ColorTarget>& targets);
    ColorContext CurrentColorContext() const;
    void StartLoanCalculator();
    virtual IRegistry& Registry() = 0;
    bool IsClassic() const { return edition_ == Edition::Classic; }
    CCalcButton* Key(int id);
    CCalcPanel* Panel(int id);
    void SetItemText(int id, const std::string& text);
    bool Pushing() const { return pushing_; }
    // What the selectors show now: the user may have clicked one since the engine last pushed.
    ControlSelections ReadSelections();
    // The engine, handed the selections for one event. Everything the window passes on goes
    // through here, once per event.
    CalcEngineExt& EngineForEvent();
    // Pastes the clipboard, and copies the result after it when asked. A paste types up to
    // thousands of characters; the window shows only the state after the last one.
    void Paste(bool copyAfter);
    // Checks or unchecks a system-menu item.
    void SetMenuCheck(int32_t flag, UINT command);

    const Edition edition_;
    CalcSettings settings_;
    Win32Clipboard clipboard_;
    CalcEngineExt engine_;
    Tooltips tooltips_;
    bool ready_ = false;  // the controls exist and are bound

private:
    void BindControls();
    bool OnKeyMessage(UINT message, WPARAM wParam);
    bool OnFontRequest(WPARAM selector, LRESULT& result);
    bool OnControlColor(UINT message, HDC dc, HWND control, LRESULT& result);
    void RepaintDialogBackground(Color color);
    void OnDialogFont(HFONT font);
    void SetNumLock();

    PaintedControls controls_;
    HACCEL accelerators_ = nullptr;
    HICON icon_ = nullptr;
    HFONT boldFont_ = nullptr;
    HBRUSH backgroundBrush_ = nullptr;
    bool pushing_ = false;
    // While a paste runs, the state to show and the keys' enabled states are kept here and
    // shown once at its end.
    bool deferring_ = false;
    std::optional<CalcState> deferredState_;
    std::map<int, bool> deferredEnables_;
};

// Shift and Ctrl as they are now.
Modifiers CurrentModifiers();
