// The loan's payment schedule on the real program: Ctrl+R opens it over the loan window for
// the loan shown, Copy gives the table as tab-separated text, the comma option writes its
// separator, and a loan that cannot be computed disables the command.
#include "clipboard_text.h"
#include "command_ids.h"
#include "key_delivery.h"
#include "keyboard_input.h"
#include "list_view_text.h"
#include "loan_fixture.h"
#include "resource_ids.h"
#include "screen_capture.h"
#include "wait.h"
#include "window_controls.h"
#include "window_probe.h"

#include <sstream>

namespace e2e {
namespace {

constexpr const char* kScheduleTitle = "Payment Schedule";

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

class ScheduleTest : public LoanTest {
protected:
    void StoreLoan(const std::string& amount, const std::string& rate, const std::string& months)
    {
        WriteLoanSetting("Amount", REG_SZ, TextBytes(amount));
        WriteLoanSetting("Percent", REG_SZ, TextBytes(rate));
        WriteLoanSetting("Months", REG_SZ, TextBytes(months));
    }

    // Ctrl+R in the loan window; the schedule window once it shows. Call through
    // ASSERT_NO_FATAL_FAILURE.
    void OpenSchedule()
    {
        ASSERT_TRUE(PressChordAndWait(Loan(), {VK_CONTROL}, 'R'));
        schedule_ = WaitForProcessWindow(app_.ProcessId(), kScheduleTitle, 30000);
        ASSERT_NE(schedule_, nullptr) << "Ctrl+R opened no schedule";
        EXPECT_EQ(GetWindow(schedule_, GW_OWNER), Loan());
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(Loan()); })) << "the loan window is not waiting";
    }

    // Copy, and the lines it put on the clipboard.
    std::vector<std::string> CopiedLines()
    {
        EXPECT_TRUE(SetClipboardText("before"));
        EXPECT_TRUE(Click(schedule_, IDC_SCHEDULE_COPY));
        std::optional<std::string> text;
        WaitUntil([&] { return (text = GetClipboardText()) && *text != "before"; });
        return LinesOf(text.value_or(""));
    }

    // The control that has the keyboard focus in the schedule's thread.
    HWND Focus() const
    {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(schedule_, nullptr), &info))
            return nullptr;
        return info.hwndFocus;
    }

    // Tab to the extra box, End, then `text` typed, all with real keys.
    void TypeExtra(const std::string& text)
    {
        const HWND box = Control(schedule_, IDC_SCHEDULE_EXTRA);
        for (int tabs = 0; tabs < 5 && Focus() != box; ++tabs)
            ASSERT_TRUE(PressKeyAndWait(schedule_, VK_TAB));
        ASSERT_EQ(Focus(), box) << "Tab does not reach the extra box";
        ASSERT_TRUE(PressKey(VK_END));
        ASSERT_TRUE(TypeText(text));
    }

    // Escape closes it, and the loan window has the keys again.
    void CloseSchedule()
    {
        ASSERT_TRUE(PressKeyAndWait(schedule_, VK_ESCAPE));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(schedule_) && IsWindowEnabled(Loan()); }));
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == Loan(); }));
    }

    HWND schedule_ = nullptr;
};

using Cells = std::vector<std::string>;

// A row of the list as a user reads it.
Cells RowOf(HWND list, int row)
{
    Cells cells;
    for (int column = 0; column < 5; ++column)
        cells.push_back(ListViewCell(list, row, column).value_or("(unreadable)"));
    return cells;
}

struct KnownLoan {
    const char* amount;
    const char* rate;
    const char* months;
    int rows;  // months the loan runs
    Cells first, last;
    const char* totals;
    const char* copiedFirst;
    const char* copiedLast;
    const char* copiedTotal;
};

class KnownScheduleTest : public ScheduleTest, public testing::WithParamInterface<KnownLoan> {};

TEST_P(KnownScheduleTest, ShowsAndCopiesTheLoanShown)
{
    const KnownLoan& k = GetParam();
    StoreLoan(k.amount, k.rate, k.months);
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_NO_FATAL_FAILURE(OpenSchedule());
    const HWND list = Control(schedule_, IDC_SCHEDULE_LIST);
    ASSERT_EQ(ListViewRows(list), k.rows + 1) << "the months and the totals row";
    EXPECT_EQ(RowOf(list, 0), k.first);
    EXPECT_EQ(RowOf(list, k.rows - 1), k.last);
    EXPECT_EQ(ControlText(schedule_, IDC_SCHEDULE_TOTALS), k.totals);
    EXPECT_EQ(ControlText(schedule_, IDC_SCHEDULE_SAVINGS), "");

    const std::vector<std::string> lines = CopiedLines();
    ASSERT_EQ(lines.size(), static_cast<size_t>(k.rows) + 2);
    EXPECT_EQ(lines.front(), "Month\tPayment\tInterest\tPrincipal\tBalance");
    EXPECT_EQ(lines[1], k.copiedFirst);
    EXPECT_EQ(lines[lines.size() - 2], k.copiedLast);
    EXPECT_EQ(lines.back(), k.copiedTotal);
    ASSERT_NO_FATAL_FAILURE(CloseSchedule());
}

INSTANTIATE_TEST_SUITE_P(
    Loans, KnownScheduleTest,
    testing::Values(
        KnownLoan{"1000", "10%", "12", 12, Cells{"1", "87.92", "8.33", "79.59", "920.41"},
                  Cells{"12", "87.87", "0.73", "87.14", "0.00"},
                  "Total paid: 1 054.99    Total interest: 54.99", "1\t87.92\t8.33\t79.59\t920.41",
                  "12\t87.87\t0.73\t87.14\t0.00", "Total\t1054.99\t54.99\t1000.00"},
        // The last payment takes up the rounding of the others, compounded over 30 years.
        KnownLoan{"1000", "20%", "360", 360, Cells{"1", "16.71", "16.67", "0.04", "999.96"},
                  Cells{"360", "23.93", "0.39", "23.54", "0.00"},
                  "Total paid: 6 022.82    Total interest: 5 022.82", "1\t16.71\t16.67\t0.04\t999.96",
                  "360\t23.93\t0.39\t23.54\t0.00", "Total\t6022.82\t5022.82\t1000.00"},
        KnownLoan{"250000", "7.5%", "360", 360, Cells{"1", "1 748.04", "1 562.50", "185.54", "249 814.46"},
                  Cells{"360", "1 743.42", "10.83", "1 732.59", "0.00"},
                  "Total paid: 629 289.78    Total interest: 379 289.78",
                  "1\t1748.04\t1562.50\t185.54\t249814.46", "360\t1743.42\t10.83\t1732.59\t0.00",
                  "Total\t629289.78\t379289.78\t250000.00"}));

// Paying more each month: typed into the extra box with real keys, a letter among the digits
// refused; the table, the totals, the savings line and the copy follow at once.
TEST_F(ScheduleTest, AnExtraPaymentEndsTheLoanSooner)
{
    StoreLoan("15000", "4.9%", "48");
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_NO_FATAL_FAILURE(OpenSchedule());
    const HWND list = Control(schedule_, IDC_SCHEDULE_LIST);
    ASSERT_EQ(ListViewRows(list), 49);
    ASSERT_NO_FATAL_FAILURE(TypeExtra("5a0"));
    EXPECT_TRUE(WaitForControlText(schedule_, IDC_SCHEDULE_EXTRA, "50"));
    EXPECT_TRUE(WaitForControlText(schedule_, IDC_SCHEDULE_SAVINGS,
                                   "Paid off 6 months sooner, with 214.98 less interest."));
    ASSERT_EQ(ListViewRows(list), 43) << "42 months and the totals row";
    EXPECT_EQ(RowOf(list, 0), (Cells{"1", "394.76", "61.25", "333.51", "14 666.49"}));
    EXPECT_EQ(RowOf(list, 41), (Cells{"42", "148.35", "0.60", "147.75", "0.00"}));
    EXPECT_EQ(ControlText(schedule_, IDC_SCHEDULE_TOTALS),
              "Total paid: 16 333.51    Total interest: 1 333.51");
    const std::vector<std::string> lines = CopiedLines();
    ASSERT_EQ(lines.size(), 44u);
    EXPECT_EQ(lines.back(), "Total\t16333.51\t1333.51\t15000.00");

    // Emptied again, the loan is as it was and the savings line goes.
    ASSERT_NO_FATAL_FAILURE(TypeExtra("7"));
    EXPECT_TRUE(WaitForControlText(schedule_, IDC_SCHEDULE_EXTRA, "507"));
    ASSERT_TRUE(PressKey(VK_BACK) && PressKey(VK_BACK) && PressKey(VK_BACK));
    EXPECT_TRUE(WaitForControlText(schedule_, IDC_SCHEDULE_EXTRA, ""));
    EXPECT_TRUE(WaitForControlText(schedule_, IDC_SCHEDULE_SAVINGS, ""));
    EXPECT_EQ(ListViewRows(list), 49);
    ASSERT_NO_FATAL_FAILURE(CloseSchedule());
}

// The loans whose payment does not exceed a month's interest have no schedule: the command
// is greyed and Ctrl+R opens nothing.
class RefusedLoanTest
    : public ScheduleTest,
      public testing::WithParamInterface<std::tuple<const char*, const char*, const char*>> {};

TEST_P(RefusedLoanTest, OpensNoSchedule)
{
    const auto& [amount, rate, months] = GetParam();
    StoreLoan(amount, rate, months);
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    const std::optional<std::vector<MenuItem>> menu = ReadSystemMenu(Loan());
    ASSERT_TRUE(menu.has_value());
    const std::optional<MenuItem> item = FindMenuItem(*menu, IDM_PAYMENT_SCHEDULE);
    ASSERT_TRUE(item.has_value());
    EXPECT_NE(item->state & MFS_GRAYED, 0u) << "the command is there for a loan without a schedule";
    ASSERT_TRUE(PressChordAndWait(Loan(), {VK_CONTROL}, 'R'));
    PumpFor(500);
    EXPECT_TRUE(ProcessWindowsTitled(app_.ProcessId(), kScheduleTitle).empty()) << "a schedule opened";
    EXPECT_TRUE(IsWindowEnabled(Loan()));
}

INSTANTIATE_TEST_SUITE_P(Loans, RefusedLoanTest,
                         testing::Values(std::make_tuple("1061.60", "7.5%", "9999"),
                                         std::make_tuple("1058.10", "100%", "600"),
                                         std::make_tuple("1021.56", "250%", "360"),
                                         std::make_tuple("100000", "5%", "9999")));

// A picture of the schedule with an extra payment and its chart, for a person to look at;
// the check only makes sure that a real window was captured.
TEST_F(ScheduleTest, Screenshot)
{
    StoreLoan("250000", "7.5%", "360");
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_NO_FATAL_FAILURE(OpenSchedule());
    ASSERT_NO_FATAL_FAILURE(TypeExtra("250"));
    EXPECT_TRUE(WaitForControlText(schedule_, IDC_SCHEDULE_SAVINGS,
                                   "Paid off 115 months sooner, with 140 778.63 less interest."));
    PumpFor(300);
    Image image;
    ASSERT_TRUE(CaptureWindow(schedule_, image));
    EXPECT_GE(CountColour(image, GetSysColor(COLOR_WINDOWTEXT)), 100) << "the picture holds no text";
    const std::string path = ScreenshotPath(CurrentEdition().name + "-schedule.png");
    if (!path.empty()) {
        EXPECT_TRUE(SavePng(image, path)) << path;
    }
    ASSERT_NO_FATAL_FAILURE(CloseSchedule());
}

// The window grows: the list and the chart take the room, the lines and buttons keep to the
// bottom and the buttons to the right; it never becomes smaller than it opened.
TEST_F(ScheduleTest, GrowsWithTheWindowAndKeepsItsSize)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_NO_FATAL_FAILURE(OpenSchedule());
    const RECT first = WindowRect(schedule_);
    const RECT list = ControlRect(schedule_, IDC_SCHEDULE_LIST);
    const RECT chart = ControlRect(schedule_, IDC_SCHEDULE_CHART);
    const RECT close = ControlRect(schedule_, IDCANCEL);
    const RECT box = ControlRect(schedule_, IDC_SCHEDULE_EXTRA);
    ASSERT_TRUE(SetWindowPos(schedule_, nullptr, first.left, first.top, Width(first) + 120,
                             Height(first) + 90, SWP_NOZORDER | SWP_NOACTIVATE));
    ASSERT_TRUE(Sync(schedule_));
    EXPECT_EQ(Width(ControlRect(schedule_, IDC_SCHEDULE_LIST)), Width(list) + 120);
    EXPECT_EQ(Height(ControlRect(schedule_, IDC_SCHEDULE_LIST)), Height(list) + 60);
    EXPECT_EQ(Height(ControlRect(schedule_, IDC_SCHEDULE_CHART)), Height(chart) + 30);
    EXPECT_EQ(ControlRect(schedule_, IDCANCEL).left, close.left + 120);
    EXPECT_EQ(ControlRect(schedule_, IDCANCEL).top, close.top + 90);
    EXPECT_EQ(ControlRect(schedule_, IDC_SCHEDULE_EXTRA).left, box.left);
    EXPECT_EQ(ControlRect(schedule_, IDC_SCHEDULE_EXTRA).top, box.top + 90);

    ASSERT_TRUE(SetWindowPos(schedule_, nullptr, first.left, first.top, Width(first) / 2, Height(first) / 2,
                             SWP_NOZORDER | SWP_NOACTIVATE));
    ASSERT_TRUE(Sync(schedule_));
    EXPECT_EQ(Width(WindowRect(schedule_)), Width(first));
    EXPECT_EQ(Height(WindowRect(schedule_)), Height(first));
    EXPECT_EQ(ControlRect(schedule_, IDCANCEL).left, close.left);
    ASSERT_NO_FATAL_FAILURE(CloseSchedule());
}

TEST_F(ScheduleTest, TheCommaOptionWritesItsSeparator)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_TRUE(SendSystemCommand(Loan(), IDM_COMMA));
    ASSERT_NO_FATAL_FAILURE(OpenSchedule());
    EXPECT_EQ(ControlText(schedule_, IDC_SCHEDULE_TOTALS), "Total paid: 1 054,99    Total interest: 54,99");
    EXPECT_EQ(RowOf(Control(schedule_, IDC_SCHEDULE_LIST), 12),
              (Cells{"Total", "1 054,99", "54,99", "1 000,00", ""}));
    const std::vector<std::string> lines = CopiedLines();
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[1], "1\t87,92\t8,33\t79,59\t920,41");
    EXPECT_EQ(lines.back(), "Total\t1054,99\t54,99\t1000,00");
    // The extra box takes the separator in force, whichever key types it.
    ASSERT_NO_FATAL_FAILURE(TypeExtra("10.5"));
    EXPECT_TRUE(WaitForControlText(schedule_, IDC_SCHEDULE_EXTRA, "10,5"));
    ASSERT_NO_FATAL_FAILURE(CloseSchedule());
}

TEST_F(ScheduleTest, ALoanThatCannotBeComputedHasNoSchedule)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    auto item = [&] {
        const std::optional<std::vector<MenuItem>> menu = ReadSystemMenu(Loan());
        return menu ? FindMenuItem(*menu, IDM_PAYMENT_SCHEDULE) : std::nullopt;
    };
    ASSERT_TRUE(item().has_value());
    EXPECT_EQ(item()->state & MFS_GRAYED, 0u);
    ASSERT_TRUE(PressChordAndWait(Loan(), {VK_CONTROL}, VK_DELETE));  // clears every field
    ASSERT_TRUE(LoanReads(IDC_LOAN_AMOUNT, ""));
    EXPECT_TRUE(WaitUntil([&] { return item() && (item()->state & MFS_GRAYED) != 0; }))
        << "the command stays enabled without a loan";
    ASSERT_TRUE(PressChordAndWait(Loan(), {VK_CONTROL}, 'R'));
    PumpFor(500);
    EXPECT_TRUE(ProcessWindowsTitled(app_.ProcessId(), kScheduleTitle).empty()) << "a schedule opened";
    EXPECT_TRUE(IsWindowEnabled(Loan()));
}

}  // namespace
}  // namespace e2e
