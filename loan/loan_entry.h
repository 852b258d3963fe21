#pragma once
#include <string>

#include "clipboard_port.h"
#include "loan_settings.h"
#include "loan_view.h"
#include "payment_schedule.h"

// The loan calculator without its window: the three input texts (amount, yearly rate in
// percent, term in months), which of them the keys edit, the monthly payment and total of
// the last computation, and the result line. Every edit ends with a refresh that pushes the
// texts and key states to the window; only ComputeLoan changes the result line.
class LoanEntry {
public:
    LoanEntry(ILoanView& view, IClipboard& clipboard);
    LoanEntry(const LoanEntry&) = delete;
    LoanEntry& operator=(const LoanEntry&) = delete;

    // The texts as typed, for restoring them from the settings and saving them. None of the
    // setters refreshes the window.
    const std::string& AmountText() const { return amountText_; }
    const std::string& RateText() const { return rateText_; }
    const std::string& TermText() const { return termText_; }
    const std::string& ResultText() const { return resultText_; }
    void SetAmountText(const std::string& text) { amountText_ = text; }
    // The keys keep a "%" at the end of the rate; a stored text without one gets it here.
    void SetRateText(const std::string& text);
    void SetTermText(const std::string& text) { termText_ = text; }
    void SetResultText(const std::string& text) { resultText_ = text; }

    // The "Comma Point" option: "," instead of "." as the decimal separator.
    void SetCommaPoint(bool on) { commaPoint_ = on; }
    // Restored texts may carry the other separator (the option changed since, or another
    // hand edited them): the keys would then add a second one. Brings the amount and the rate
    // to the current separator.
    void AdoptSeparator();
    bool CommaPoint() const { return commaPoint_; }
    char Separator() const { return commaPoint_ ? ',' : '.'; }

    // The window's radio group read back before an operation; an index that names no field
    // (no radio checked) leaves the selection.
    void ReadBackField(int radioIndex);

    // Editing the selected field.
    void AddDigit(char digit);
    void AddSeparator();
    void DeleteLast();
    void ClearField();
    void ClearAll();
    void SelectField(LoanField field);
    void SelectNextField();      // Amount, Rate, Term, Amount
    void SelectPreviousField();  // Amount, Term, Rate, Amount

    // Reads the three inputs into Amount(), Months() and Rate(); true when all are above 0.
    bool ValidateInputs();
    // The payment and total of the inputs as the result line, or an empty line.
    void ComputeLoan();
    // The inputs as they stand, with the payment ComputeLoan would compute: the loan whose
    // month-by-month schedule the window shows. Its schedule without an extra payment, or
    // nothing when it has none (whether it has one is pushed with the display).
    ScheduleLoan ScheduleInputs();
    std::optional<PaymentSchedule> Schedule();
    // Pushes every text and key state to the window and repaints the panels in the mask.
    void RefreshLoan(unsigned repaintPanels);
    // The "Comma Point" option has flipped: the shown texts change separator, nothing is
    // read or computed.
    void SwitchSeparator(char oldSeparator, char newSeparator);

    // The result line to the clipboard; the amount from it.
    void CopyResult();
    void PasteAmount();

    double Amount() const { return amount_; }
    double Months() const { return months_; }
    double Rate() const { return rate_; }
    double Payment() const { return payment_; }
    double Total() const { return total_; }
    LoanField Selected() const { return selected_; }
    // What the window was last told to show.
    const LoanDisplay& Display() const { return display_; }

private:
    std::string& SelectedText();
    unsigned SelectedPanel() const;
    // Edits the selected text with its rate "%" taken off, then shows it.
    template <typename Edit> void EditSelected(Edit edit);
    void FormatResult();
    // The inputs as ValidateInputs last read them, with their payment.
    ScheduleLoan ParsedLoan() const;

    ILoanView& view_;
    IClipboard& clipboard_;
    std::string amountText_ = "1000";
    std::string rateText_ = "10%";
    std::string termText_ = "12";
    std::string resultText_;
    LoanField selected_ = LoanField::Amount;
    double amount_ = 0.0;
    double months_ = 0.0;
    double rate_ = 0.0;
    double payment_ = 0.0;
    double total_ = 0.0;
    bool commaPoint_ = false;
    LoanDisplay display_;
};
