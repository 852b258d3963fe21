// Copy of the result line and paste into the amount.
#include "calc_engine_ext.h"
#include "loan_entry.h"

void LoanEntry::CopyResult()
{
    if (!resultText_.empty() && clipboard_.PutText(resultText_))
        view_.Announce(resultText_, Announcement::Copied);
}

void LoanEntry::PasteAmount()
{
    std::string text;
    if (!clipboard_.GetText(text))
        return;

    // Spaces go (a copied result or a grouped number); the number ends at the first other
    // character that cannot be part of one. A long clipboard is cut to what the field holds.
    std::string amount;
    for (const char c : text) {
        if (c == ' ')
            continue;
        if (!IsNumberChar(static_cast<unsigned char>(c)) || amount.size() == kLoanTextMaxLength)
            break;
        amount += c;
    }
    if (amount.empty())
        return;
    amountText_ = amount;
    RefreshLoan(kLoanPanelAmount);
}
