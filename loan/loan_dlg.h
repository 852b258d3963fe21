#pragma once
#include "keypad_dialog.h"
#include "loan_entry.h"
#include "loan_key_map.h"
#include "loan_settings.h"

// The loan calculator's window: three inputs and the result line in four panels, a keypad of
// twelve keys, and its own options in its system menu, saved after every command.
class CLoanDlg : public CKeypadDlg, public ILoanView {
public:
    CLoanDlg(int templateId, Edition edition, IRegistry& registry, HelpEntry help);

    // Brings an already open loan window forward (result 0) or runs this one with `owner`
    // disabled meanwhile (kEndClosed, or kEndRecreate to be created again from the other
    // template).
    INT_PTR DoModal(HWND owner);

    void ShowLoan(const LoanDisplay& display, unsigned repaintPanels) override;
    void Announce(const std::string& text, Announcement kind) override;
    void SaveSettings() override;

protected:
    bool OnInitDialog() override;
    void BindControls() override;
    bool OnKey(UINT message, int key) override;
    bool OnKeyClicked(int id) override;
    bool OnAccelerator(int id) override;
    bool OnOtherSysCommand(WPARAM command, LPARAM lParam) override;
    Backdrop BackdropOf(int id, UINT message) const override;
    bool SpokenTextOf(int id, SpokenText& text) override;

private:
    void ApplyLoanColors();
    // The colours the window shows: the stored ones, or High Contrast's.
    void ShownColors(Color (&colors)[kLoanColorCount], bool& systemBackgrounds) const;
    void OnHighContrastChanged() override;
    void ApplyComma();
    // "Payment Schedule...": the month-by-month table of the loan shown, over this window.
    void ShowSchedule();
    // The field the radio group shows, -1 when no radio is checked.
    int CheckedField() const;
    bool OnKeyDown(int key);
    bool OnKeyUp(int key);
    bool OnCharacter(char ch);
    bool ActOnKey(LoanKeyResult result);

    IRegistry& registry_;
    LoanSettings settings_;
    LoanEntry entry_;
    LoanKeyMap keys_;
    bool ready_ = false;
};

// The title that names a running loan window of an edition.
const char* LoanWindowTitle(Edition edition);
