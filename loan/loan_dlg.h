#pragma once
#include "dialog.h"
#include "loan_entry.h"
#include "loan_settings.h"
#include "painted_controls.h"
#include "tooltips.h"
#include "win32_clipboard.h"

// The loan calculator's window: three inputs and the result line in four panels, a keypad of
// twelve keys, and its own options in its system menu, saved after every command.
class CLoanDlg : public Dialog, public ILoanView {
public:
    CLoanDlg(int templateId, Edition edition, IRegistry& registry);
    ~CLoanDlg() override;

    // Brings an already open loan window forward (result 0) or runs this one with `owner`
    // disabled meanwhile (2 closed, -2 to be created again from the other template).
    INT_PTR DoModal(HWND owner);

    void ShowLoan(const LoanDisplay& display, unsigned repaintPanels) override;

protected:
    bool OnInitDialog() override;
    void OnShown() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnSysCommand(WPARAM command, LPARAM lParam) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool PreTranslateMessage(MSG& msg) override;

private:
    void BindControls();
    void BuildSystemMenu();
    void ApplySoftButtons();
    void ApplyTips();
    void ApplyLoanColors();
    void ApplyOnTop();
    void ApplyEscapeChecks();
    void Save();
    void ReadBackField();
    bool OnKeyDown(int key);
    bool OnKeyUp(int key);
    bool OnCharacter(char ch);
    bool OnControlColor(UINT message, HDC dc, HWND control, LRESULT& result);
    bool IsClassic() const { return edition_ == Edition::Classic; }
    CCalcButton* Key(int id);
    CCalcPanel* Panel(int id);

    const Edition edition_;
    IRegistry& registry_;
    LoanSettings settings_;
    Win32Clipboard clipboard_;
    LoanEntry entry_;
    Tooltips tooltips_;
    PaintedControls controls_;
    uint32_t keyState_ = 0;  // bit 0: an Escape press reached this window
    HBRUSH backgroundBrush_ = nullptr;
    HACCEL accelerators_ = nullptr;
    HFONT boldFont_ = nullptr;
    HICON icon_ = nullptr;
    bool ready_ = false;
};

// The title that names a running loan window of an edition.
const char* LoanWindowTitle(Edition edition);
