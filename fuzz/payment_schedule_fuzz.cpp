// The payment schedule over any loan and any extra payment: the loan as the loan window reads
// its texts, or any doubles at all; the extra as the box's input rule leaves it after random
// keys and pastes, or any 64-bit number. Under UBSan no sum or product may overflow; the
// constant-time decision must agree with a month-by-month search for a month that repays
// nothing; every row must hold the schedule's invariants; the texts and the chart must stay
// within their bounds.
#include <cmath>
#include <cstdint>
#include <string>

#include "balance_chart.h"
#include "extra_input.h"
#include "fake_clipboard.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "loan_entry.h"
#include "schedule_text.h"

namespace {

class NoView : public ILoanView {
public:
    void ShowLoan(const LoanDisplay&, unsigned) override {}
    void Announce(const std::string&, Announcement) override {}
};

std::string Describe(const ScheduleLoan& l, int64_t extra)
{
    char text[200];
    std::snprintf(text, sizeof text, "amount %.17g rate %.17g months %.17g payment %.17g extra %lld",
                  l.amount, l.yearlyRate, l.months, l.payment, static_cast<long long>(extra));
    return text;
}

// The decision rebuilt from its definition: the loan in whole cents within the bounds, then
// its months walked one by one (in 128 bits, stopping at the first month that repays
// nothing, before which the balance only falls) looking for a month before the last whose
// payment does not exceed its interest.
bool HasScheduleByWalking(const ScheduleLoan& l)
{
    if (!(l.amount > 0 && l.amount < kMaxScheduleAmount && l.months >= 1 && l.months <= kMaxScheduleMonths &&
          std::floor(l.months) == l.months && l.yearlyRate >= 0 && l.yearlyRate < kMaxScheduleRate))
        return false;
    const int n = static_cast<int>(l.months);
    const __int128 a = RoundHalfAway(static_cast<long double>(l.amount) * 100.0L);
    if (a == 0)
        return false;
    const __int128 r = RoundHalfAway(static_cast<long double>(l.yearlyRate) * 1e6L);
    const __int128 most = kMaxScheduleTotal / n;
    __int128 p = 0;
    if (r == 0) {
        p = (2 * a + n) / (2 * n);
    } else {
        const long double cents = static_cast<long double>(l.payment) * 100.0L;
        if (!(cents >= 0 && cents < static_cast<long double>(most)))
            return false;
        p = RoundHalfAway(cents);
    }
    const __int128 divisor = __int128{1200} * 1000000;
    auto interest = [&](__int128 balance) { return (2 * balance * r + divisor) / (2 * divisor); };
    if (interest(a) >= most)
        return false;
    __int128 balance = a;
    for (int month = 1; month < n && balance > 0; ++month) {
        const __int128 i = interest(balance);
        if (p <= i)
            return false;
        if (p >= balance + i)
            break;
        balance -= p - i;
    }
    return true;
}

void CheckSound(const PaymentSchedule& s, const ScheduleLoan& l, int64_t extra)
{
    const std::string what = Describe(l, extra);
    FUZZ_CHECK(!s.rows.empty() && s.rows.size() <= static_cast<size_t>(l.months), what);
    int64_t balance = s.amount, paid = 0, interest = 0;
    for (const ScheduleRow& row : s.rows) {
        FUZZ_CHECK(row.payment >= 0 && row.interest >= 0 && row.principal >= 0 && row.balance >= 0, what);
        FUZZ_CHECK(row.payment == row.interest + row.principal, what);
        FUZZ_CHECK(row.balance == balance - row.principal && row.balance <= balance, what);
        FUZZ_CHECK(&row == &s.rows.back() || row.principal > 0, what + " month " + std::to_string(row.month));
        balance = row.balance;
        paid += row.payment;
        interest += row.interest;
    }
    FUZZ_CHECK(balance == 0, what);
    FUZZ_CHECK(s.totalPaid == paid && s.totalInterest == interest && s.TotalPrincipal() == s.amount, what);
}

// The extra box after keys and pastes through its rule, which must keep it a text it can hold.
std::string TypedExtra(FuzzInput& in, char separator)
{
    std::string box;
    for (int edits = in.Byte() % 16; edits > 0; --edits) {
        const size_t from = in.Byte(), to = in.Byte();
        const std::optional<ExtraBox> next =
            (in.Byte() & 1) != 0 ? PasteIntoExtra(box, from, to, in.Text(in.Byte() % 80), separator)
                                 : TypeIntoExtra(box, from, to, static_cast<char>(in.Byte()), separator);
        if (next) {
            FUZZ_CHECK(IsExtraText(next->text, separator) && next->caret <= next->text.size(),
                       Quoted(next->text));
            box = next->text;
        }
    }
    return box;
}

void CheckChart(const PaymentSchedule& shown, const PaymentSchedule& without, int width, int height)
{
    const ChartLayout c = LayOutChart(shown, &without, width, height);
    for (const auto* line : {&c.balance, &c.without}) {
        int lastX = 0, inColumn = 0;
        for (const ChartPoint& p : *line) {
            FUZZ_CHECK(p.x >= 0 && p.x < width && p.y >= 0 && p.y < height,
                       std::to_string(p.x) + ", " + std::to_string(p.y));
            FUZZ_CHECK(p.x >= lastX, "the line goes back");
            inColumn = p.x == lastX ? inColumn + 1 : 1;
            FUZZ_CHECK(inColumn <= 4, "too many points in column " + std::to_string(p.x));
            lastX = p.x;
        }
    }
    for (const int h : c.interestHeights)
        FUZZ_CHECK(h >= 0 && h < height, std::to_string(h));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t header = in.Byte();
    const char separator = (header & 4) != 0 ? ',' : '.';

    // Bit 0: the loan window's texts (length byte, bytes), read as the window reads them;
    // otherwise four doubles of any bits, the months now and then a small whole number.
    ScheduleLoan loan;
    if ((header & 1) != 0) {
        NoView view;
        FakeClipboard clipboard;
        LoanEntry entry(view, clipboard);
        entry.SetCommaPoint(separator == ',');
        entry.SetAmountText(in.Text(in.Byte() % 64));
        entry.SetRateText(in.Text(in.Byte() % 64));
        entry.SetTermText(in.Text(in.Byte() % 64));
        loan = entry.ScheduleInputs();
    } else {
        loan.amount = in.Double();
        loan.yearlyRate = in.Double();
        const uint8_t months = in.Byte();
        loan.months = months < 128 ? months : in.Double();
        loan.payment = in.Double();
    }
    // Bit 1: the extra from the box's rule; otherwise any number, negative ones too.
    int64_t extra = 0;
    if ((header & 2) != 0) {
        extra = ExtraCents(TypedExtra(in, separator), separator);
        FUZZ_CHECK(extra >= 0 && extra <= kMaxExtraCents, std::to_string(extra));
    } else {
        const uint64_t low = in.Word();
        extra = static_cast<int64_t>(low | uint64_t{in.Word()} << 32);
    }

    const bool has = HasSchedule(loan);
    const std::optional<PaymentSchedule> without = BuildSchedule(loan);
    FUZZ_CHECK(has == without.has_value(), Describe(loan, 0));
    FUZZ_CHECK(has == HasScheduleByWalking(loan), Describe(loan, 0));
    if (!without)
        return 0;
    CheckSound(*without, loan, 0);
    const std::optional<PaymentSchedule> with = BuildSchedule(loan, extra);
    FUZZ_CHECK(with.has_value(), Describe(loan, extra));
    CheckSound(*with, loan, extra);
    // An extra only shortens the loan and lowers its interest.
    const ScheduleSavings savings = SavingsOf(*without, *with);
    FUZZ_CHECK(savings.monthsSooner >= 0 && savings.lessInterest >= 0 &&
                   with->totalPaid <= without->totalPaid,
               Describe(loan, extra));

    const std::string line = SavingsLine(ScheduleWords{"%1 %2", "%1 %2", "1 %2"}, extra, savings, separator);
    FUZZ_CHECK(line.size() < 80, line);
    if (with->rows.size() <= 64) {
        const std::string text = ScheduleText(*with, separator);
        FUZZ_CHECK(text.size() < (with->rows.size() + 2) * 128, Quoted(text.substr(0, 200)));
    }
    for (int column = 0; column < kScheduleColumns; ++column)
        FUZZ_CHECK(ScheduleCell(*with, static_cast<int>(with->rows.size()), column, separator).size() < 40,
                   "totals cell");
    CheckChart(*with, *without, in.Byte() * 8 + 1, in.Byte() * 2 + 1);
    return 0;
}
