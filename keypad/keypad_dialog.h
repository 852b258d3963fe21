#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "dialog.h"
#include "edition.h"
#include "high_contrast.h"
#include "keyboard.h"
#include "menu_rows.h"
#include "painted_controls.h"
#include "tooltips.h"
#include "win32_clipboard.h"
#include "window_options.h"

// When an option of the system menu reaches the registry.
enum class SaveRule : uint8_t {
    Never,     // a command, not an option
    AtOnce,    // the window saves its settings right after the command
    NextSave,  // kept in the record until the window saves for another reason
};

// One item of a window's system menu: an option it flips, a command it runs, or a separator.
struct OptionRow : MenuRow {
    OptionRow() = default;
    OptionRow(UINT command, UINT text, uint8_t* flips, const uint8_t* checked, bool classicOnly,
              SaveRule save, std::function<void()> apply)
        : MenuRow{command, text, std::move(apply), checked}, flips(flips), classicOnly(classicOnly),
          save(save)
    {
    }

    // The flag the command flips before `run` runs; null when the command flips nothing
    // itself (or lets `run` do it).
    uint8_t* flips = nullptr;
    bool classicOnly = false;
    SaveRule save = SaveRule::Never;
};

// Opens the program's help over `owner`: the keypad windows are handed it, so that their base
// knows nothing of the About window.
using HelpEntry = void (*)(HWND owner);

// What a window did with a system command.
enum class OptionRun {
    Done,     // the command was one of the window's items and has run
    Refused,  // an item this edition does not have
    Unknown,  // no item of the window: the platform's own command
};

// The base of the two windows with a keypad, the calculator and the loan window. It owns what
// both do alike: the painted keys and panels with their owner-drawn hand-off, the bold font
// they ask for, the background brush and the control colours, the tooltips, the keyboard kept
// by the window itself (keys typed after a click on a key still belong to the window), F1 and
// WM_HELP, the remembered position, the end of the Windows session, the single-instance run
// and the system menu walked from a table of options.
class CKeypadDlg : public Dialog {
public:
    CKeypadDlg(int templateId, Edition edition, int accelerators, HelpEntry help);
    ~CKeypadDlg() override;

    // Writes every stored setting of the window.
    virtual void SaveSettings() = 0;

protected:
    // The window's stored options, and its Escape flags, which live in different records.
    void BindOptions(WindowOptions& options, uint8_t& exitByEscape, uint8_t& clearByEscape);
    // The window's menu, in order. Rows for the options both windows have come from Common.
    void SetOptionRows(std::vector<OptionRow> rows);
    OptionRow Common(UINT command, SaveRule save);
    static OptionRow Separator(bool classicOnly = false);

    // Another window of this title, of this program, is running and this one may not run
    // beside it: that one is brought forward, and the caller creates no window.
    bool BringOtherForward(const char* title) const;

    // Binds the painted keys and panels; called first when the window is created.
    virtual void BindControls() = 0;
    // A key, character or key release reached the window (F1 never does: it opens the help).
    virtual bool OnKey(UINT message, int key) = 0;
    // A click on a button of the window; false when it is none of the window's.
    virtual bool OnKeyClicked(int id) = 0;
    // A command from an accelerator that is no system-menu item.
    virtual bool OnAccelerator(int /*id*/) { return false; }
    // Any other notification from a control.
    virtual bool OnControlNotify(int /*id*/, int /*code*/) { return false; }
    // The tips option has changed; the tooltips already follow it.
    virtual void OnTipsChanged() {}

    bool OnInitDialog() override;
    void OnShown() override;
    bool OnCommand(int id, int code, HWND control) override;
    // Close, the window's menu items, and then OnOtherSysCommand for the platform's own.
    bool OnSysCommand(WPARAM command, LPARAM lParam) override;
    virtual bool OnOtherSysCommand(WPARAM /*command*/, LPARAM /*lParam*/) { return false; }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    HBRUSH OnControlColor(HDC dc, HWND control, UINT message) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool PreTranslateMessage(MSG& msg) override;

    // Runs the system command when it is an item of the window's menu.
    OptionRun RunOption(UINT command);
    // Brings every check mark of the menu to its flag.
    void UpdateChecks();
    void SaveAndClose();
    // The end of the session, or the program closed for good: what changed since the last
    // save would otherwise be lost.
    void SaveForEnd() override { SaveSettings(); }

    // How a control's background is painted, asked at WM_CTLCOLOR*: id 0 is the window.
    enum class Backdrop {
        System,    // the platform's colours
        Window,    // the window's background brush
        OnWindow,  // transparent text on the window's background brush
        Clear,     // transparent text and no background: the window's shows through
        EditBox,   // window text on the window colour, as an ordinary edit box
    };
    virtual Backdrop BackdropOf(int id, UINT message) const;
    // The window's background colour; the caller invalidates what needs painting.
    void SetBackground(Color color);
    // Whether Windows' High Contrast is on, and its colours, as last read.
    bool HighContrast() const { return highContrast_; }
    const HighContrastColors& HighContrastPalette() const { return palette_; }
    // High Contrast went on or off, or its colours changed: the window paints again.
    virtual void OnHighContrastChanged() {}

    void ApplyTips();
    void ApplySoftButtons();
    void ApplyOnTop();
    void ShowHelp();
    // Redraws the window and every control, after the font of the values or keys changed.
    void RedrawAll();

    bool IsClassic() const { return edition_ == Edition::Classic; }
    CCalcButton* Key(int id) const;
    // A key of either kind: painted, or the system's button in the Styled edition.
    bool IsKey(int id) const { return Key(id) != nullptr || IsButtonWindow(Item(id)); }
    CCalcPanel* Panel(int id) const;
    CCalcButton* AddKey(int id) { return controls_.AddKey(Item(id)); }
    CCalcPanel* AddPanel(int id) { return controls_.AddPanel(Item(id)); }

    const Edition edition_;
    Win32Clipboard clipboard_;
    Tooltips tooltips_;

private:
    bool OnFontRequest(WPARAM selector, LRESULT& result) const;
    void BuildSystemMenu();
    void ApplyEscapeRule(bool exitChanged);

    WindowOptions* options_ = nullptr;
    uint8_t* exitByEscape_ = nullptr;
    uint8_t* clearByEscape_ = nullptr;
    std::vector<OptionRow> rows_;
    PaintedControls controls_;
    // Reads High Contrast's state and colours; true when they changed.
    bool ReadHighContrast();

    HelpEntry help_;
    bool enterPressed_ = false;  // Enter went down in this window and is not up yet
    bool highContrast_ = false;
    HighContrastColors palette_ = {};
    HACCEL accelerators_ = nullptr;
    HICON icon_ = nullptr;
    HFONT boldFont_ = nullptr;
    HBRUSH backgroundBrush_ = nullptr;
};
