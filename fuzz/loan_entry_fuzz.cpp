// Random sequences of the loan window's operations on its entry model: keypad digits and
// separators, deletes and clears, field changes, the Comma option, copies, computations and
// pastes of any text, from the default texts or from any restored ones. The keys must keep
// each input well formed, and no input may make the payment formula fail.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fake_clipboard.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "loan_entry.h"

namespace {

// The result line is two numbers printf wrote with "%.2f" or "%.0f", grouped: each at most a
// sign, 309 digits with 102 group spaces, and the cents.
constexpr size_t kMaxResultText = 2 * (1 + 309 + 102 + 3) + 3;

class FuzzLoanView : public ILoanView {
public:
    LoanDisplay shown;
    void ShowLoan(const LoanDisplay& display, unsigned repaintPanels) override
    {
        FUZZ_CHECK((repaintPanels & ~kLoanPanelAll) == 0, "repaint mask " + std::to_string(repaintPanels));
        shown = display;
    }
    void Announce(const std::string& text, Announcement) override
    {
        FUZZ_CHECK(!text.empty(), "an empty announcement");
    }
};

size_t Separators(const std::string& text)
{
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return c == '.' || c == ','; }));
}

// The separators each input may hold: the keypad gives the amount and the rate one, the term
// none. A pasted amount or a restored text may hold more ("1,234.56" pastes as "1.234.56");
// from such a text on, a key may only keep or lower the count.
struct SeparatorLimits {
    size_t amount = 1;
    size_t rate = 1;
    size_t term = 0;
};

std::string Describe(const LoanEntry& e)
{
    return "amount " + Quoted(e.AmountText()) + " rate " + Quoted(e.RateText()) + " term " +
           Quoted(e.TermText()) + " result " + Quoted(e.ResultText());
}

void CheckEntry(const LoanEntry& e, const FuzzLoanView& view, SeparatorLimits& limits)
{
    FUZZ_CHECK(!e.RateText().empty() && e.RateText().back() == '%', Describe(e));
    FUZZ_CHECK(Separators(e.AmountText()) <= limits.amount, Describe(e));
    FUZZ_CHECK(Separators(e.RateText()) <= limits.rate, Describe(e));
    FUZZ_CHECK(Separators(e.TermText()) <= limits.term, Describe(e));
    limits.amount = std::max<size_t>(1, Separators(e.AmountText()));
    limits.rate = std::max<size_t>(1, Separators(e.RateText()));
    limits.term = Separators(e.TermText());

    // What the window shows is what the model holds. (Not so the selected field: the window
    // reads its radio group back before a key, and a key it then ignores shows nothing.)
    const LoanDisplay& d = view.shown;
    FUZZ_CHECK(d.rate == e.RateText() && d.term == e.TermText() && d.result == e.ResultText(), Describe(e));
}

// A restored text as LoadLoanSettings may give it: up to 63 bytes of anything but a zero.
std::string StoredText(FuzzInput& in)
{
    std::string text = in.Text(in.Byte() % 64);
    return text.substr(0, text.find('\0'));
}

void ToggleComma(LoanEntry& entry)
{
    // As the loan window's menu command does it.
    const char old = entry.Separator();
    entry.SetCommaPoint(!entry.CommaPoint());
    entry.SwitchSeparator(old, entry.Separator());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    FuzzLoanView view;
    FakeClipboard clipboard;
    LoanEntry entry(view, clipboard);
    SeparatorLimits limits;

    // The window's start (CLoanDlg's constructor): the stored texts, which may hold anything,
    // then the Comma Point option and the texts brought to its separator.
    const uint8_t header = in.Byte();
    if (header & 2) {
        entry.SetAmountText(StoredText(in));
        entry.SetRateText(StoredText(in));
        entry.SetTermText(StoredText(in));
    }
    entry.SetCommaPoint((header & 1) != 0);
    entry.AdoptSeparator();
    limits.amount = std::max<size_t>(1, Separators(entry.AmountText()));
    limits.rate = std::max<size_t>(1, Separators(entry.RateText()));
    limits.term = Separators(entry.TermText());
    entry.ComputeLoan();  // as the window does before it shows itself
    CheckEntry(entry, view, limits);

    while (!in.Empty()) {
        switch (in.Byte() % 16) {
        case 0:
        case 1: {
            // Mostly digits; now and then any byte, which the keypad never sends.
            const uint8_t b = in.Byte();
            entry.AddDigit(b < 200 ? static_cast<char>('0' + b % 10) : static_cast<char>(b));
            break;
        }
        case 2: entry.AddSeparator(); break;
        case 3: entry.DeleteLast(); break;
        case 4: entry.ClearField(); break;
        case 5: entry.ClearAll(); break;
        case 6: entry.SelectField(static_cast<LoanField>(in.Byte() % 3)); break;
        case 7:
            // A click on a radio button: the group read back (any index, as an unchecked group
            // gives none), then a refresh that repaints no panel.
            entry.ReadBackField(in.Signed());
            entry.RefreshLoan(0);
            break;
        case 8: entry.SelectNextField(); break;
        case 9: entry.SelectPreviousField(); break;
        case 10: ToggleComma(entry); break;
        case 11:
        case 12: {
            clipboard.text = (in.Byte() & 1) ? in.RepeatedText() : in.Text(in.Byte());
            entry.PasteAmount();
            limits.amount = std::max<size_t>(limits.amount, Separators(entry.AmountText()));
            break;
        }
        case 13: entry.CopyResult(); break;
        case 14: clipboard.open = !clipboard.open; break;
        default: {
            // "=" on any texts at all, in an entry of its own so that the keys above keep
            // working on texts they made: the formula must cope with whatever it is given.
            FuzzLoanView scratchView;
            LoanEntry scratch(scratchView, clipboard);
            scratch.SetCommaPoint(in.Bool());
            scratch.SetAmountText(StoredText(in));
            scratch.SetRateText(StoredText(in));
            scratch.SetTermText(StoredText(in));
            scratch.ComputeLoan();
            FUZZ_CHECK(scratch.ResultText().size() <= kMaxResultText, Describe(scratch));
            entry.ComputeLoan();
            break;
        }
        }
        CheckEntry(entry, view, limits);
    }
    return 0;
}
