// Typing into the three loan inputs, choosing the input, and showing the state.
#include "loan_entry.h"

#include "group_digits.h"
#include "number_text.h"

namespace {

// The rate is always shown with its "%"; the keys edit the number in front of it.
void RemovePercent(std::string& text)
{
    if (!text.empty() && text.back() == '%')
        text.pop_back();
}

}  // namespace

LoanEntry::LoanEntry(ILoanView& view, IClipboard& clipboard) : view_(view), clipboard_(clipboard) {}

void LoanEntry::SetRateText(const std::string& text)
{
    rateText_ = text;
    if (rateText_.empty() || rateText_.back() != '%')
        rateText_ += '%';
}

void LoanEntry::AdoptSeparator()
{
    const char other = commaPoint_ ? '.' : ',';
    ReplaceChar(amountText_, other, Separator());
    ReplaceChar(rateText_, other, Separator());
}

void LoanEntry::ReadBackField(int radioIndex)
{
    if (radioIndex >= static_cast<int>(LoanField::Amount) && radioIndex <= static_cast<int>(LoanField::Term))
        selected_ = static_cast<LoanField>(radioIndex);
}

std::string& LoanEntry::SelectedText()
{
    switch (selected_) {
    case LoanField::Rate: return rateText_;
    case LoanField::Term: return termText_;
    default: return amountText_;
    }
}

unsigned LoanEntry::SelectedPanel() const
{
    switch (selected_) {
    case LoanField::Rate: return kLoanPanelRate;
    case LoanField::Term: return kLoanPanelTerm;
    default: return kLoanPanelAmount;
    }
}

template <typename Edit> void LoanEntry::EditSelected(Edit edit)
{
    // The rate's "%" stays last: the keypad edits what stands in front of it.
    std::string& text = SelectedText();
    const bool rate = selected_ == LoanField::Rate;
    if (rate)
        RemovePercent(text);
    edit(text);
    if (rate)
        text += '%';
    RefreshLoan(SelectedPanel());
}

void LoanEntry::AddDigit(char digit)
{
    if (digit < '0' || digit > '9' || SelectedText().size() >= kLoanTextMaxLength)
        return;
    // Both taken with the rate's "%" still on: that leaves the amount two digits after the
    // separator and the rate one.
    const std::string& shown = SelectedText();
    const size_t point = shown.find(Separator());
    const size_t length = shown.size();
    EditSelected([&](std::string& text) {
        if (point == std::string::npos || point + 3 != length) {
            if (text == "0")
                text.clear();
            text += digit;
        }
    });
}

void LoanEntry::AddSeparator()
{
    if (SelectedText().size() >= kLoanTextMaxLength)
        return;
    EditSelected([this](std::string& text) {
        // A term is a whole number of months.
        if (selected_ != LoanField::Term && text.find(Separator()) == std::string::npos) {
            if (text.empty())
                text = "0";
            text += Separator();
        }
    });
}

void LoanEntry::DeleteLast()
{
    EditSelected([](std::string& text) {
        if (!text.empty())
            text.pop_back();
    });
}

void LoanEntry::ClearField()
{
    SelectedText() = selected_ == LoanField::Rate ? "%" : "";
    RefreshLoan(SelectedPanel());
}

void LoanEntry::ClearAll()
{
    amountText_.clear();
    termText_.clear();
    resultText_.clear();
    rateText_ = "%";
    RefreshLoan(kLoanPanelAll);
}

void LoanEntry::SelectField(LoanField field)
{
    selected_ = field;
    RefreshLoan(SelectedPanel());
}

void LoanEntry::SelectNextField()
{
    switch (selected_) {
    case LoanField::Amount: SelectField(LoanField::Rate); break;
    case LoanField::Rate: SelectField(LoanField::Term); break;
    default: SelectField(LoanField::Amount); break;
    }
}

void LoanEntry::SelectPreviousField()
{
    switch (selected_) {
    case LoanField::Amount: SelectField(LoanField::Term); break;
    case LoanField::Term: SelectField(LoanField::Rate); break;
    default: SelectField(LoanField::Amount); break;
    }
}

void LoanEntry::RefreshLoan(unsigned repaintPanels)
{
    // A pasted amount can bring either separator; the shown one is the option's.
    if (commaPoint_)
        ReplaceChar(amountText_, '.', ',');
    else
        ReplaceChar(amountText_, ',', '.');

    display_.amount = GroupDigits(amountText_, 3);
    display_.rate = rateText_;
    display_.term = termText_;
    display_.result = resultText_;
    display_.selected = selected_;
    display_.equalsEnabled = ValidateInputs();
    display_.hasSchedule = ::HasSchedule(ParsedLoan());
    display_.pointShown = selected_ != LoanField::Term;
    display_.pointEnabled = display_.pointShown && SelectedText().find(Separator()) == std::string::npos;
    view_.ShowLoan(display_, repaintPanels);
}

void LoanEntry::SwitchSeparator(char oldSeparator, char newSeparator)
{
    ReplaceChar(amountText_, oldSeparator, newSeparator);
    ReplaceChar(resultText_, oldSeparator, newSeparator);
    ReplaceChar(rateText_, oldSeparator, newSeparator);
    ReplaceChar(display_.amount, oldSeparator, newSeparator);
    display_.rate = rateText_;
    display_.term = termText_;
    display_.result = resultText_;
    display_.selected = selected_;
    view_.ShowLoan(display_, kLoanPanelAmount | kLoanPanelRate | kLoanPanelResult);
}
