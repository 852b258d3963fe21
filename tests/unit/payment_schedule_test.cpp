// The payment schedule: its rows and totals for known loans, the loans it refuses and why, the
// extra payment, the largest inputs, and the rows' invariants.
#include <gtest/gtest.h>

#include <limits>

#include "extra_input.h"
#include "fake_loan_view.h"

namespace {

ScheduleLoan LoanOf(const char* amount, const char* rate, const char* term)
{
    Loan l(amount, rate, term);
    return l.entry.ScheduleInputs();
}

PaymentSchedule ScheduleOf(const char* amount, const char* rate, const char* term, int64_t extra = 0)
{
    const std::optional<PaymentSchedule> schedule = BuildSchedule(LoanOf(amount, rate, term), extra);
    EXPECT_TRUE(schedule.has_value()) << amount << " / " << rate << " / " << term;
    return schedule.value_or(PaymentSchedule{});
}

// What holds for every schedule: each row pays its interest and principal, the balance
// falls by the principal and never rises, nothing is negative, the last balance is 0 and the
// totals add the rows up.
void ExpectSound(const PaymentSchedule& s)
{
    ASSERT_FALSE(s.rows.empty());
    int64_t balance = s.amount, paid = 0, interest = 0;
    for (const ScheduleRow& r : s.rows) {
        EXPECT_EQ(r.payment, r.interest + r.principal) << "month " << r.month;
        EXPECT_GE(r.interest, 0) << "month " << r.month;
        EXPECT_GE(r.principal, 0) << "month " << r.month;
        EXPECT_EQ(r.balance, balance - r.principal) << "month " << r.month;
        EXPECT_LE(r.balance, balance) << "month " << r.month;
        EXPECT_GE(r.balance, 0) << "month " << r.month;
        if (&r != &s.rows.back()) {
            EXPECT_GT(r.principal, 0) << "month " << r.month << " repays nothing";
        }
        balance = r.balance;
        paid += r.payment;
        interest += r.interest;
    }
    EXPECT_EQ(balance, 0);
    EXPECT_EQ(s.totalPaid, paid);
    EXPECT_EQ(s.totalInterest, interest);
    EXPECT_EQ(s.TotalPrincipal(), s.amount);
}

struct Row {
    int month;
    int64_t payment, interest, principal, balance;
};

bool Same(const ScheduleRow& r, const Row& e)
{
    return r.month == e.month && r.payment == e.payment && r.interest == e.interest &&
           r.principal == e.principal && r.balance == e.balance;
}

struct KnownLoan {
    const char* amount;
    const char* rate;
    const char* term;
    size_t rows;
    Row first, last;
    int64_t paid, interest;
};

class KnownSchedule : public testing::TestWithParam<KnownLoan> {};

TEST_P(KnownSchedule, FirstAndLastRowsAndTotals)
{
    const KnownLoan& k = GetParam();
    const PaymentSchedule s = ScheduleOf(k.amount, k.rate, k.term);
    ASSERT_NO_FATAL_FAILURE(ExpectSound(s));
    EXPECT_EQ(s.rows.size(), k.rows);
    EXPECT_TRUE(Same(s.rows.front(), k.first)) << "first payment " << s.rows.front().payment;
    EXPECT_TRUE(Same(s.rows.back(), k.last)) << "last payment " << s.rows.back().payment;
    EXPECT_EQ(s.totalPaid, k.paid);
    EXPECT_EQ(s.totalInterest, k.interest);
}

INSTANTIATE_TEST_SUITE_P(
    Loans, KnownSchedule,
    testing::Values(
        // The payment 87.9159 rounds up to 87.92; the last month pays 5 cents less.
        KnownLoan{
            "1000", "10%", "12", 12, {1, 8792, 833, 7959, 92041}, {12, 8787, 73, 8714, 0}, 105499, 5499},
        // 1 748.0405 rounds down; 360 months, no drift: the last month pays 4.62 less.
        KnownLoan{"250000",
                  "7.5%",
                  "360",
                  360,
                  {1, 174804, 156250, 18554, 24981446},
                  {360, 174342, 1083, 173259, 0},
                  62928978,
                  37928978},
        // 16.7112 rounds down by 0.12 cents, which the last month pays back compounded over
        // 30 years at 20 %: 23.93 against 16.71.
        KnownLoan{
            "1000", "20%", "360", 360, {1, 1671, 1667, 4, 99996}, {360, 2393, 39, 2354, 0}, 602282, 502282},
        // 41.7767 rounds up: the loan is repaid two months early.
        KnownLoan{"2500",
                  "20%",
                  "360",
                  358,
                  {1, 4178, 4167, 11, 249989},
                  {358, 1608, 26, 1582, 0},
                  1493154,
                  1243154},
        // The last month pays 3 cents more.
        KnownLoan{
            "1234", "3%", "7", 7, {1, 17805, 309, 17496, 105904}, {7, 17808, 44, 17764, 0}, 124638, 1238},
        // One month: the whole amount and its interest.
        KnownLoan{"500", "12%", "1", 1, {1, 50500, 500, 50000, 0}, {1, 50500, 500, 50000, 0}, 50500, 500},
        // A rate of 0: the amount over the months, the last taking the remainder.
        KnownLoan{"1000", "%", "3", 3, {1, 33333, 0, 33333, 66667}, {3, 33334, 0, 33334, 0}, 100000, 0}));

// The loans whose payment never exceeds a month's interest, from the first month on: they
// used to open with 17- and 18-digit or negative amounts.
TEST(PaymentSchedule, RefusesALoanWhosePaymentDoesNotExceedAMonthsInterest)
{
    const std::tuple<const char*, const char*, const char*> refused[] = {
        {"1061.60", "7.5%", "9999"},  // 6.63 a month against 6.64 of interest
        {"1058.10", "100%", "600"},  {"1021.56", "250%", "360"},
        {"100000", "5%", "9999"},  // 416.67 against 416.67: 0.00 of principal
        {"0.02", "%", "5"},        // 0.004 a month rounds to 0.00
    };
    for (const auto& [amount, rate, term] : refused) {
        Loan l(amount, rate, term);
        EXPECT_FALSE(l.view.shown.hasSchedule) << amount << " / " << rate << " / " << term;
        EXPECT_FALSE(l.entry.Schedule().has_value()) << amount << " / " << rate << " / " << term;
    }
}

// A loan is refused exactly when, building its table month by month, a month before the
// last pays no more than its interest; HasSchedule only looks at the first month. The edges:
// a payment one cent either side of the first interest, a term of one month (which pays what
// is owed whatever the payment), a first month that is also the last by overshooting.
TEST(PaymentSchedule, TheFirstMonthDecidesForEveryMonth)
{
    // 1 000.00 at 12 %: 10.00 of interest in the first month.
    struct Edge {
        double months, payment;
        bool has;
    } const edges[] = {{2, 10.00, false},   {2, 10.01, true},   {2, 9.99, false},   {9999, 10.00, false},
                       {9999, 10.01, true}, {1, 0.00, true},    {1, 5.00, true},    {2, 1010, true},
                       {2, 5000, true},     {3, 10.004, false}, {3, 10.0051, true}, {120, 10.01, true}};
    for (const Edge& e : edges) {
        const ScheduleLoan loan{1000.0, 12.0, e.months, e.payment};
        const std::optional<PaymentSchedule> s = BuildSchedule(loan);
        EXPECT_EQ(HasSchedule(loan), e.has) << e.months << " months paying " << e.payment;
        EXPECT_EQ(s.has_value(), e.has) << e.months << " months paying " << e.payment;
        if (!s)
            continue;
        ASSERT_NO_FATAL_FAILURE(ExpectSound(*s));
        EXPECT_LE(s->rows.size(), static_cast<size_t>(e.months));
    }
}

TEST(PaymentSchedule, NoScheduleWithoutALoanOrBeyondItsBounds)
{
    for (const auto& [amount, rate, term] : std::vector<std::tuple<const char*, const char*, const char*>>{
             {"", "10%", "12"},
             {"1000", "10%", ""},
             {"1000", "10%", "0"},
             {"0", "10%", "12"},
             {"0.004", "10%", "1"},  // less than half a cent
             {"1000", "10%", "1.5"},
             {"100000", "5%", "10000"},         // more months than kMaxScheduleMonths
             {"70368744177664", "5%", "12"},    // kMaxScheduleAmount
             {"1000", "1000000000%", "12"}}) {  // kMaxScheduleRate
        Loan l(amount, rate, term);
        EXPECT_FALSE(l.view.shown.hasSchedule) << amount << " / " << rate << " / " << term;
        EXPECT_FALSE(l.entry.Schedule().has_value()) << amount << " / " << rate << " / " << term;
    }
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const ScheduleLoan& loan :
         {ScheduleLoan{1000, 10, 12, inf}, ScheduleLoan{1000, nan, 12, 1}, ScheduleLoan{nan, 10, 12, 100},
          ScheduleLoan{1000, 10, nan, 100}, ScheduleLoan{1000, 10, 12, nan}, ScheduleLoan{1000, 10, 12, -100},
          ScheduleLoan{1000, -1, 12, 100}, ScheduleLoan{-1000, 10, 12, 100},
          ScheduleLoan{1000, 10, 12, 1e300}}) {
        EXPECT_FALSE(HasSchedule(loan)) << loan.amount << " / " << loan.yearlyRate << " / " << loan.payment;
        EXPECT_FALSE(BuildSchedule(loan).has_value());
    }
}

TEST(PaymentSchedule, TheLargestInputs)
{
    // The largest amount, to the cent, at a high rate: no overflow, no lost cent.
    const PaymentSchedule largest = ScheduleOf("70368744177663.99", "99%", "12");
    ASSERT_NO_FATAL_FAILURE(ExpectSound(largest));
    EXPECT_EQ(largest.rows.front().interest, 580542139465728);  // 7036874417766399 x 99 / 1200
    EXPECT_EQ(largest.TotalPrincipal(), 7036874417766399);

    // The longest term with the largest amount, and the largest extra the box can hold.
    const PaymentSchedule longest = ScheduleOf("70368744177663.99", "1%", "9999");
    ASSERT_NO_FATAL_FAILURE(ExpectSound(longest));
    EXPECT_EQ(longest.rows.size(), 9999u);
    const int64_t boxFull = ExtraCents(std::string(kLoanTextMaxLength, '9'), '.');
    EXPECT_EQ(boxFull, kMaxExtraCents);
    const PaymentSchedule paidAtOnce =
        BuildSchedule(LoanOf("70368744177663.99", "1%", "9999"), boxFull).value();
    ASSERT_NO_FATAL_FAILURE(ExpectSound(paidAtOnce));
    EXPECT_EQ(paidAtOnce.rows.size(), 1u);

    // The highest rate on the smallest amount: one month pays what is owed.
    const PaymentSchedule highest = ScheduleOf("0.01", "999999999.9%", "1");
    ASSERT_NO_FATAL_FAILURE(ExpectSound(highest));
    EXPECT_EQ(highest.totalInterest, 833333);  // 1 x 999 999 999.9 / 1 200, in cents

    // Payments that add up to 2^62 cents or more: refused; below: built.
    EXPECT_FALSE(HasSchedule(LoanOf("70368744177663.99", "500000%", "2")));
    const PaymentSchedule huge = ScheduleOf("70368744177663.99", "300000%", "2");
    ASSERT_NO_FATAL_FAILURE(ExpectSound(huge));
    EXPECT_LT(huge.totalPaid, kMaxScheduleTotal + 7036874417766399);
}

struct ExtraCase {
    const char* amount;
    const char* rate;
    const char* term;
    int64_t extra;
    size_t rows;
    Row first, last;
    int monthsSooner;
    int64_t lessInterest;
};

class ExtraPayment : public testing::TestWithParam<ExtraCase> {};

TEST_P(ExtraPayment, EndsTheLoanSoonerWithLessInterest)
{
    const ExtraCase& c = GetParam();
    const PaymentSchedule without = ScheduleOf(c.amount, c.rate, c.term);
    const PaymentSchedule with = ScheduleOf(c.amount, c.rate, c.term, c.extra);
    ASSERT_NO_FATAL_FAILURE(ExpectSound(with));
    EXPECT_EQ(with.rows.size(), c.rows);
    EXPECT_TRUE(Same(with.rows.front(), c.first)) << "first payment " << with.rows.front().payment;
    EXPECT_TRUE(Same(with.rows.back(), c.last)) << "last payment " << with.rows.back().payment;
    const ScheduleSavings savings = SavingsOf(without, with);
    EXPECT_EQ(savings.monthsSooner, c.monthsSooner);
    EXPECT_EQ(savings.lessInterest, c.lessInterest);
}

INSTANTIATE_TEST_SUITE_P(
    Extras, ExtraPayment,
    testing::Values(
        // 344.76 + 50 a month: six months sooner, 214.98 less interest.
        ExtraCase{"15000",
                  "4.9%",
                  "48",
                  5000,
                  42,
                  {1, 39476, 6125, 33351, 1466649},
                  {42, 14835, 60, 14775, 0},
                  6,
                  21498},
        // An extra of the whole amount, or more, ends the loan in the first month.
        ExtraCase{"1000",
                  "10%",
                  "12",
                  100000,
                  1,
                  {1, 100833, 833, 100000, 0},
                  {1, 100833, 833, 100000, 0},
                  11,
                  4666},
        ExtraCase{"1000",
                  "10%",
                  "12",
                  kMaxExtraCents,
                  1,
                  {1, 100833, 833, 100000, 0},
                  {1, 100833, 833, 100000, 0},
                  11,
                  4666},
        // A rate of 0: sooner, with no interest to save.
        ExtraCase{"1000", "%", "10", 10000, 5, {1, 20000, 0, 20000, 80000}, {5, 20000, 0, 20000, 0}, 5, 0},
        // A negative extra is none.
        ExtraCase{
            "1000", "10%", "12", -500, 12, {1, 8792, 833, 7959, 92041}, {12, 8787, 73, 8714, 0}, 0, 0}));

TEST(PaymentSchedule, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(RoundHalfAway(2.5L), 3);
    EXPECT_EQ(RoundHalfAway(-2.5L), -3);
    EXPECT_EQ(RoundHalfAway(2.4999L), 2);
    // 1 000.02 at 15 %: 12.500 25 of interest is 12.50, 100.01 at 6 % gives 0.500 05: 0.50.
    EXPECT_EQ(ScheduleOf("1000.02", "15%", "2").rows.front().interest, 1250);
    EXPECT_EQ(ScheduleOf("100.1", "6%", "2").rows.front().interest, 50);  // 0.5005
    EXPECT_EQ(ScheduleOf("100", "6%", "2").rows.front().interest, 50);    // exactly 0.50
    EXPECT_EQ(ScheduleOf("1", "6%", "2").rows.front().interest, 1);       // 0.005 rounds up
}

}  // namespace
