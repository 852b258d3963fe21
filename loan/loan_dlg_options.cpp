// The loan window's own options and colours: the decimal separator it types, and the colours
// the calculator hands over each time it opens the window.
#include "loan_dlg.h"

#include <algorithm>
#include <iterator>

#include "resource_ids.h"

void CLoanDlg::ApplyComma()
{
    // The entry still types the separator of before.
    const char old = entry_.Separator();
    entry_.SetCommaPoint(settings_.bCommaPoint != 0);
    entry_.SwitchSeparator(old, entry_.Separator());
}

bool CLoanDlg::OnOtherSysCommand(WPARAM wParam, LPARAM lParam)
{
    // Moving, minimising and the like: the platform's own handling first, so that the place
    // saved is the one the window has come to.
    DefWindowProcA(Handle(), WM_SYSCOMMAND, wParam, lParam);
    SaveSettings();
    return true;
}

void CLoanDlg::ShownColors(Color (&c)[kLoanColorCount], bool& systemBackgrounds) const
{
    // The stored colours stay as they are; High Contrast only changes what is shown.
    std::copy(std::begin(settings_.crLoanColors), std::end(settings_.crLoanColors), std::begin(c));
    systemBackgrounds = settings_.bSystemBackgrounds != 0;
    if (HighContrast()) {
        ShowLoanInHighContrast(c, HighContrastPalette());
        systemBackgrounds = false;
    }
}

void CLoanDlg::ApplyLoanColors()
{
    Color c[kLoanColorCount];
    bool systemBackgrounds = false;
    ShownColors(c, systemBackgrounds);
    SetBackground(c[kLoanDialogBack]);
    for (int id : {IDC_LOAN_AMOUNT, IDC_LOAN_TERM, IDC_LOAN_RATE}) {
        if (CCalcPanel* panel = Panel(id)) {
            panel->SetForeColor(c[kLoanInputText]);
            panel->SetBackColor(c[kLoanInputBack]);
        }
    }
    if (CCalcPanel* result = Panel(IDC_LOAN_RESULT)) {
        result->SetForeColor(c[kLoanResultText]);
        result->SetBackColor(c[kLoanResultBack]);
    }
    const Color face = systemBackgrounds ? GetSysColor(COLOR_BTNFACE) : c[kLoanKeyBack];
    const struct {
        int first, last;
        LoanColor text;
    } keys[] = {{IDC_KEY_DIGIT0, IDC_KEY_DIGIT9, kLoanDigitKeysText},
                {IDC_LOAN_COMPUTE, IDC_LOAN_COMPUTE, kLoanEqualsKeyText},
                {IDC_KEY_POINT, IDC_KEY_POINT, kLoanPointKeyText}};
    for (const auto& range : keys) {
        for (int id = range.first; id <= range.last; ++id) {
            if (CCalcButton* key = Key(id)) {
                key->SetBackColor(face);
                key->SetForeColor(c[range.text]);
            }
        }
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CLoanDlg::OnHighContrastChanged()
{
    ApplyLoanColors();
}

CKeypadDlg::Backdrop CLoanDlg::BackdropOf(int id, UINT message) const
{
    if (id == 0 && settings_.bSystemBackgrounds && !HighContrast())
        return Backdrop::System;
    // The field radios sit on a patch of the window colour whatever the option says.
    if (id == IDC_LOAN_RADIO_AMOUNT || id == IDC_LOAN_RADIO_RATE || id == IDC_LOAN_RADIO_TERM)
        return Backdrop::OnWindow;
    return CKeypadDlg::BackdropOf(id, message);
}
