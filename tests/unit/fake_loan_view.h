#pragma once
#include <string>
#include <vector>

#include "fake_clipboard.h"
#include "loan_entry.h"

// A loan window made of plain fields: what the entry model pushed is what the panels show,
// and each push's repaint mask is kept in order.
class FakeLoanView : public ILoanView {
public:
    void Announce(const std::string& text, Announcement kind) override
    {
        announced.push_back((kind == Announcement::Copied ? "copied " : "") + text);
    }
    void ShowLoan(const LoanDisplay& display, unsigned repaintPanels) override
    {
        shown = display;
        repaints.push_back(repaintPanels);
    }

    unsigned LastRepaint() const { return repaints.empty() ? 0u : repaints.back(); }

    LoanDisplay shown;
    std::vector<unsigned> repaints;
    std::vector<std::string> announced;  // "copied " in front of a copy's
};

// One loan entry on a fake window, refreshed once as the window does when it opens.
class Loan {
public:
    Loan() { entry.RefreshLoan(kLoanPanelAll); }
    Loan(const std::string& amount, const std::string& rate, const std::string& term)
    {
        entry.SetAmountText(amount);
        entry.SetRateText(rate);
        entry.SetTermText(term);
        entry.RefreshLoan(kLoanPanelAll);
    }

    // Keys of the keypad into the selected field: digits, "." or "," for the separator key,
    // "<" for Backspace.
    void Type(const std::string& keys)
    {
        for (const char c : keys) {
            if (c == '.' || c == ',')
                entry.AddSeparator();
            else if (c == '<')
                entry.DeleteLast();
            else
                entry.AddDigit(c);
        }
    }
    // The Comma option toggled as the window does it.
    void ToggleComma()
    {
        const char old = entry.Separator();
        entry.SetCommaPoint(!entry.CommaPoint());
        entry.SwitchSeparator(old, entry.Separator());
    }
    void Paste(const std::string& text)
    {
        clipboard.text = text;
        entry.PasteAmount();
    }
    // Computes and gives the result line as shown.
    const std::string& Compute()
    {
        entry.ComputeLoan();
        return view.shown.result;
    }

    FakeLoanView view;
    FakeClipboard clipboard;
    LoanEntry entry{view, clipboard};
};
