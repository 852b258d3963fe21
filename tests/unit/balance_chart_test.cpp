// The chart's layout: its lines at the corners, at most four points a pixel column however
// long the loan, the bars of interest, the month from which the payments go mostly to the
// principal; and where the schedule window's controls go when it grows.
#include <gtest/gtest.h>

#include <map>

#include "balance_chart.h"
#include "schedule_layout.h"

namespace {

PaymentSchedule Schedule(double amount, double rate, double months, double payment, int64_t extra = 0)
{
    return BuildSchedule(ScheduleLoan{amount, rate, months, payment}, extra).value();
}

TEST(BalanceChart, AYearAPointAMonth)
{
    const PaymentSchedule s = Schedule(1000, 10, 12, 87.9159);
    const ChartLayout c = LayOutChart(s, nullptr, 121, 101);
    ASSERT_EQ(c.balance.size(), 13u);
    EXPECT_EQ(c.balance.front().x, 0);
    EXPECT_EQ(c.balance.front().y, 0);  // the amount at the top
    for (size_t m = 1; m < c.balance.size(); ++m) {
        EXPECT_EQ(c.balance[m].x, static_cast<int>(m) * 10);
        EXPECT_GE(c.balance[m].y, c.balance[m - 1].y) << "the balance rises at month " << m;
    }
    EXPECT_EQ(c.balance.back().y, 100);  // 0 at the bottom
    EXPECT_TRUE(c.without.empty());
    // Month 1 pays 8.33 of interest in 87.92: a bar of 9 of 100 pixels over its ten columns.
    ASSERT_EQ(c.interestHeights.size(), 121u);
    EXPECT_EQ(c.interestHeights[0], 0);
    for (int x = 1; x <= 10; ++x)
        EXPECT_EQ(c.interestHeights[static_cast<size_t>(x)], 9) << x;
    EXPECT_EQ(c.interestHeights[120], 1);   // 0.73 in 87.87
    EXPECT_EQ(c.mostlyPrincipalMonth, -1);  // from the first month on
}

TEST(BalanceChart, TheLongestTermFitsAFewPointsInEachColumn)
{
    // 100 000 at 1 % over 9 999 months: 83.35 a month, of which 83.33 of interest at first.
    const PaymentSchedule s = Schedule(100000, 1, 9999, 83.353);
    ASSERT_EQ(s.rows.size(), 9999u);
    const int width = 300, height = 150;
    const ChartLayout c = LayOutChart(s, nullptr, width, height);
    EXPECT_LE(c.balance.size(), 4u * width);
    EXPECT_EQ(c.balance.front().x, 0);
    EXPECT_EQ(c.balance.front().y, 0);
    EXPECT_EQ(c.balance.back().x, width - 1);
    EXPECT_EQ(c.balance.back().y, height - 1);
    // Each column keeps the highest and lowest point of all the months that fall in it.
    std::map<int, std::pair<int, int>> all, kept;
    auto note = [](std::map<int, std::pair<int, int>>& m, const ChartPoint& p) {
        auto [it, fresh] = m.try_emplace(p.x, p.y, p.y);
        it->second.first = std::min(it->second.first, p.y);
        it->second.second = std::max(it->second.second, p.y);
    };
    note(all, {0, 0});
    for (const ScheduleRow& r : s.rows)
        note(all, {static_cast<int>((r.month * (width - 1) * 2 + 9999) / (2 * 9999)),
                   static_cast<int>(static_cast<long double>(s.amount - r.balance) / s.amount * (height - 1) +
                                    0.5L)});
    int lastX = 0;
    for (const ChartPoint& p : c.balance) {
        EXPECT_GE(p.x, lastX);
        lastX = p.x;
        note(kept, p);
    }
    EXPECT_EQ(kept, all);
    EXPECT_EQ(c.mostlyPrincipalMonth, 9400);
    EXPECT_EQ(c.mostlyPrincipalX, static_cast<int>((9399 * (width - 1) * 2 + 9999) / (2 * 9999)));
    for (int h : c.interestHeights)
        EXPECT_LE(h, height - 1);
}

TEST(BalanceChart, TheLoanWithoutTheExtraEndsLater)
{
    const PaymentSchedule without = Schedule(15000, 4.9, 48, 344.7602);
    const PaymentSchedule with = Schedule(15000, 4.9, 48, 344.7602, 5000);
    const ChartLayout c = LayOutChart(with, &without, 481, 100);
    ASSERT_EQ(c.without.size(), 49u);
    EXPECT_EQ(c.without.back().x, 480);
    EXPECT_EQ(c.without.back().y, 99);
    EXPECT_EQ(c.balance.back().x, 420);  // 42 of 48 months
    EXPECT_EQ(c.balance.back().y, 99);
    for (size_t m = 1; m < c.balance.size(); ++m)
        EXPECT_GE(c.balance[m].y, c.without[m].y) << "month " << m;
    EXPECT_EQ(c.interestHeights[480], 0);  // no month of the shown loan stands there

    const ChartLabels labels = ChartLabelsOf(with, &without, ',');
    EXPECT_EQ(labels.amount, "15 000,00");
    EXPECT_EQ(labels.months, "48");
}

TEST(BalanceChart, TheMonthThePaymentsGoMostlyToThePrincipal)
{
    const PaymentSchedule s = Schedule(250000, 7.5, 360, 1748.0405);
    const ChartLayout c = LayOutChart(s, nullptr, 361, 100);
    EXPECT_EQ(c.mostlyPrincipalMonth, 250);
    EXPECT_EQ(c.mostlyPrincipalX, 249);
    EXPECT_GT(s.rows[249].principal, s.rows[249].interest);
    EXPECT_LE(s.rows[248].principal, s.rows[248].interest);
}

TEST(BalanceChart, NothingToDrawInNoRoom)
{
    const PaymentSchedule s = Schedule(1000, 10, 12, 87.9159);
    for (const auto& [w, h] : {std::pair{1, 100}, {100, 1}, {0, 0}, {-5, 50}}) {
        const ChartLayout c = LayOutChart(s, nullptr, w, h);
        EXPECT_TRUE(c.balance.empty() && c.interestHeights.empty()) << w << " x " << h;
    }
    EXPECT_TRUE(LayOutChart(PaymentSchedule{}, nullptr, 100, 100).balance.empty());
}

TEST(BalanceChart, ColoursFromTheList)
{
    const ChartColors c = ChartColorsOf(0x000000, 0xFFFFFF);
    EXPECT_EQ(c.back, 0xFFFFFFu);
    EXPECT_EQ(c.balance, 0x000000u);
    EXPECT_EQ(c.without, 0x999999u);
    EXPECT_EQ(c.interest, 0xCCCCCCu);
    EXPECT_EQ(c.frame, 0x808080u);
}

TEST(ScheduleLayout, GrowingTheWindow)
{
    const LayoutRect at{10, 20, 110, 60};
    const struct {
        ScheduleAnchor anchor;
        int wider, taller;
        LayoutRect placed;
    } cases[] = {
        {ScheduleAnchor::List, 30, 90, {10, 20, 140, 120}},
        {ScheduleAnchor::Chart, 30, 90, {10, 80, 140, 150}},
        {ScheduleAnchor::Line, 30, 90, {10, 110, 140, 150}},
        {ScheduleAnchor::BottomLeft, 30, 90, {10, 110, 110, 150}},
        {ScheduleAnchor::BottomRight, 30, 90, {40, 110, 140, 150}},
        {ScheduleAnchor::List, -30, -90, {10, 20, 110, 60}},
    };
    for (const auto& c : cases) {
        const LayoutRect r = PlaceScheduleControl(c.anchor, at, c.wider, c.taller);
        EXPECT_TRUE(r.left == c.placed.left && r.top == c.placed.top && r.right == c.placed.right &&
                    r.bottom == c.placed.bottom)
            << static_cast<int>(c.anchor) << ": " << r.left << ", " << r.top << ", " << r.right << ", "
            << r.bottom;
    }
}

}  // namespace
