#pragma once
#include <string>

#include "calc_display.h"

// The loan inputs in the order of their radio buttons.
enum class LoanField { Amount = 0, Rate = 1, Term = 2 };

// Which display panels a refresh repaints.
constexpr unsigned kLoanPanelAmount = 1;
constexpr unsigned kLoanPanelRate = 2;
constexpr unsigned kLoanPanelTerm = 4;
constexpr unsigned kLoanPanelResult = 8;
constexpr unsigned kLoanPanelAll = 15;

// Everything the loan window shows of the entry model.
struct LoanDisplay {
    std::string amount;  // the amount text with its digits grouped
    std::string rate;
    std::string term;
    std::string result;
    LoanField selected = LoanField::Amount;
    bool equalsEnabled = false;
    bool hasSchedule = false;  // "Payment Schedule..." can be chosen
    bool pointShown = true;
    bool pointEnabled = true;
};

// The loan window as the entry model sees it. The window pushes the texts into its panels,
// checks the radio button of the selected field, repaints the panels named in the mask, and
// enables "=" and shows and enables "." as told; the unit tests record the same with fields.
class ILoanView {
public:
    virtual ~ILoanView() = default;
    virtual void ShowLoan(const LoanDisplay& display, unsigned repaintPanels) = 0;
    // Said to a screen reader: a loan's result as it appears, what Copy put on the clipboard.
    virtual void Announce(const std::string& text, Announcement kind) = 0;
};
