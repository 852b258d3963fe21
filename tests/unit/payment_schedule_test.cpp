// The payment schedule: its rows and totals for known loans, its edges, and its text.
#include <gtest/gtest.h>

#include "fake_loan_view.h"

namespace {

PaymentSchedule ScheduleOf(const char* amount, const char* rate, const char* term)
{
    Loan l(amount, rate, term);
    const std::optional<PaymentSchedule> schedule = l.entry.Schedule();
    EXPECT_TRUE(schedule.has_value()) << amount << " / " << rate << " / " << term;
    return schedule.value_or(PaymentSchedule{});
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
    Row first, last;
    int64_t paid, interest;
};

class KnownSchedule : public testing::TestWithParam<KnownLoan> {};

TEST_P(KnownSchedule, FirstAndLastRowsAndTotals)
{
    const KnownLoan& k = GetParam();
    const PaymentSchedule s = ScheduleOf(k.amount, k.rate, k.term);
    ASSERT_FALSE(s.rows.empty());
    EXPECT_EQ(s.rows.size(), static_cast<size_t>(std::stoi(k.term)));
    EXPECT_TRUE(Same(s.rows.front(), k.first));
    EXPECT_TRUE(Same(s.rows.back(), k.last)) << "last payment " << s.rows.back().payment;
    EXPECT_EQ(s.totalPaid, k.paid);
    EXPECT_EQ(s.totalInterest, k.interest);
}

INSTANTIATE_TEST_SUITE_P(
    Loans, KnownSchedule,
    testing::Values(
        // The payment 87.9159 rounds up to 87.92; the last month pays 5 cents less.
        KnownLoan{"1000", "10%", "12", {1, 8792, 833, 7959, 92041}, {12, 8787, 73, 8714, 0}, 105499, 5499},
        // 1 748.0405 rounds down; 360 months, no drift: the last month pays 4.62 less.
        KnownLoan{"250000",
                  "7.5%",
                  "360",
                  {1, 174804, 156250, 18554, 24981446},
                  {360, 174342, 1083, 173259, 0},
                  62928978,
                  37928978},
        // The last month pays 3 cents more.
        KnownLoan{"1234", "3%", "7", {1, 17805, 309, 17496, 105904}, {7, 17808, 44, 17764, 0}, 124638, 1238},
        // One month: the whole amount and its interest.
        KnownLoan{"500", "12%", "1", {1, 50500, 500, 50000, 0}, {1, 50500, 500, 50000, 0}, 50500, 500},
        // A rate of 0: the amount over the months, the last taking the remainder.
        KnownLoan{"1000", "%", "3", {1, 33333, 0, 33333, 66667}, {3, 33334, 0, 33334, 0}, 100000, 0}));

TEST(PaymentSchedule, TheLongestTermAndTheLargestAmount)
{
    const PaymentSchedule longest = ScheduleOf("100000", "5%", "9999");
    ASSERT_EQ(longest.rows.size(), 9999u);
    EXPECT_EQ(longest.rows.back().balance, 0);
    Loan tooLong("100000", "5%", "10000");
    EXPECT_FALSE(tooLong.entry.Schedule().has_value());

    // The largest amount handled, to the cent, at a high rate: no overflow, no lost cent.
    const PaymentSchedule largest = ScheduleOf("70368744177663.99", "99%", "12");
    ASSERT_FALSE(largest.rows.empty());
    EXPECT_EQ(largest.rows.front().interest, 580542139465728);  // 7036874417766399 x 99 / 1200
    EXPECT_EQ(largest.rows.back().balance, 0);
    EXPECT_EQ(largest.totalPaid - largest.totalInterest, 7036874417766399);
    Loan tooLarge("70368744177664", "5%", "12");
    EXPECT_FALSE(tooLarge.entry.Schedule().has_value());
}

TEST(PaymentSchedule, NoScheduleWithoutALoan)
{
    for (const auto& [amount, rate, term] :
         std::vector<std::tuple<const char*, const char*, const char*>>{{"", "10%", "12"},
                                                                        {"1000", "10%", ""},
                                                                        {"1000", "10%", "0"},
                                                                        {"0", "10%", "12"},
                                                                        {"1000", "10%", "1.5"}})
        EXPECT_FALSE(Loan(amount, rate, term).entry.Schedule().has_value())
            << amount << " / " << rate << " / " << term;
    EXPECT_FALSE(BuildSchedule(1000, 10, 12, std::numeric_limits<double>::infinity()).has_value());
    EXPECT_FALSE(BuildSchedule(1000, std::numeric_limits<double>::quiet_NaN(), 12, 1).has_value());
}

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

TEST(PaymentSchedule, TextForASpreadsheetAndCellsForTheWindow)
{
    const PaymentSchedule s = ScheduleOf("1000", "10%", "2");
    EXPECT_EQ(ScheduleText(s, ','), "Month\tPayment\tInterest\tPrincipal\tBalance\r\n"
                                    "1\t506,26\t8,33\t497,93\t502,07\r\n"
                                    "2\t506,25\t4,18\t502,07\t0,00");
    EXPECT_EQ(FormatCents(123456789, '.'), "1 234 567.89");
    EXPECT_EQ(FormatCents(5, ','), "0,05");
    EXPECT_EQ(FormatCents(0, '.'), "0.00");
}

}  // namespace
