#include "balance_chart.h"

#include <algorithm>

#include "color_math.h"
#include "schedule_text.h"

namespace {

// Position of a month on a scale of `range` months over `pixels` pixels, rounded; at most
// 9 999 months times a width on a screen, far within 64 bits.
int Scale(long long value, long long range, int pixels)
{
    if (range <= 0)
        return 0;
    return static_cast<int>((value * (pixels - 1) * 2 + range) / (range * 2));
}

// Collects the points of a line column by column: of the points that fall in one column only
// the first, the lowest, the highest and the last are kept, in the order they came.
class LineReducer {
public:
    explicit LineReducer(std::vector<ChartPoint>& out) : out_(out) {}
    ~LineReducer() { Flush(); }
    LineReducer(const LineReducer&) = delete;
    LineReducer& operator=(const LineReducer&) = delete;

    void Add(ChartPoint p)
    {
        if (count_ > 0 && p.x != first_.x)
            Flush();
        if (count_ == 0) {
            first_ = top_ = bottom_ = p;
            topAt_ = bottomAt_ = 0;
        } else {
            if (p.y < top_.y) {
                top_ = p;
                topAt_ = count_;
            }
            if (p.y > bottom_.y) {
                bottom_ = p;
                bottomAt_ = count_;
            }
        }
        last_ = p;
        ++count_;
    }

private:
    void Put(ChartPoint p)
    {
        if (out_.empty() || out_.back().x != p.x || out_.back().y != p.y)
            out_.push_back(p);
    }
    void Flush()
    {
        if (count_ == 0)
            return;
        Put(first_);
        if (topAt_ <= bottomAt_) {
            Put(top_);
            Put(bottom_);
        } else {
            Put(bottom_);
            Put(top_);
        }
        Put(last_);
        count_ = 0;
    }

    std::vector<ChartPoint>& out_;
    ChartPoint first_, top_, bottom_, last_;
    int topAt_ = 0, bottomAt_ = 0, count_ = 0;
};

void LayOutLine(const PaymentSchedule& s, long long months, int64_t amount, int width, int height,
                std::vector<ChartPoint>& out)
{
    LineReducer line(out);
    // A balance (below 2^53 cents) times a height would not fit 64 bits: the share first.
    auto y = [&](int64_t balance) {
        return static_cast<int>(static_cast<long double>(amount - balance) / amount * (height - 1) + 0.5L);
    };
    line.Add({0, y(s.amount)});
    for (const ScheduleRow& row : s.rows)
        line.Add({Scale(row.month, months, width), y(row.balance)});
}

}  // namespace

ChartLayout LayOutChart(const PaymentSchedule& schedule, const PaymentSchedule* without, int width,
                        int height)
{
    ChartLayout layout;
    if (width < 2 || height < 2 || schedule.rows.empty() || schedule.amount <= 0)
        return layout;
    const long long months = static_cast<long long>(
        std::max(schedule.rows.size(), without != nullptr ? without->rows.size() : size_t{0}));
    const int64_t amount = schedule.amount;

    LayOutLine(schedule, months, amount, width, height, layout.balance);
    if (without != nullptr && !without->rows.empty() && without->amount == amount)
        LayOutLine(*without, months, amount, width, height, layout.without);

    // Month m covers the columns after month m - 1's up to its own: with few months a bar is
    // as wide as its month, with many a column shows the highest share among its months.
    layout.interestHeights.assign(static_cast<size_t>(width), 0);
    int left = 0;
    for (const ScheduleRow& row : schedule.rows) {
        const int right = Scale(row.month, months, width);
        const int bar =
            row.payment > 0
                ? static_cast<int>((static_cast<long double>(row.interest) * (height - 1)) / row.payment +
                                   0.5L)
                : 0;
        for (int x = std::min(left + 1, right); x <= right; ++x)
            layout.interestHeights[static_cast<size_t>(x)] =
                std::max(layout.interestHeights[static_cast<size_t>(x)], bar);
        if (layout.mostlyPrincipalMonth < 0 && row.principal > row.interest) {
            layout.mostlyPrincipalMonth = row.month;
            layout.mostlyPrincipalX = left;
        }
        left = right;
    }
    if (layout.mostlyPrincipalMonth == 1)
        layout.mostlyPrincipalMonth = layout.mostlyPrincipalX = -1;
    return layout;
}

ChartLabels ChartLabelsOf(const PaymentSchedule& schedule, const PaymentSchedule* without, char separator)
{
    const size_t months =
        std::max(schedule.rows.size(), without != nullptr ? without->rows.size() : size_t{0});
    return ChartLabels{FormatCents(schedule.amount, separator), std::to_string(months)};
}

ChartColors ChartColorsOf(Color text, Color back)
{
    ChartColors c;
    c.back = back;
    c.balance = text;
    c.without = BlendColor(text, back, 3, 5);
    c.interest = BlendColor(back, text, 1, 5);
    c.frame = BlendColor(text, back, 1, 2);
    return c;
}
