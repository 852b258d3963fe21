// The loan's payment schedule on the real program: Ctrl+R opens it over the loan window for
// the loan shown, Copy gives the table as tab-separated text, the comma option writes its
// separator, and a loan that cannot be computed disables the command.
#include "clipboard_text.h"
#include "command_ids.h"
#include "key_delivery.h"
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

    // Escape closes it, and the loan window has the keys again.
    void CloseSchedule()
    {
        ASSERT_TRUE(PressKeyAndWait(schedule_, VK_ESCAPE));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(schedule_) && IsWindowEnabled(Loan()); }));
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == Loan(); }));
    }

    HWND schedule_ = nullptr;
};

struct KnownLoan {
    const char* amount;
    const char* rate;
    const char* months;
    const char* first;
    const char* last;
    const char* totals;
};

class KnownScheduleTest : public ScheduleTest, public testing::WithParamInterface<KnownLoan> {};

TEST_P(KnownScheduleTest, ShowsAndCopiesTheLoanShown)
{
    const KnownLoan& k = GetParam();
    StoreLoan(k.amount, k.rate, k.months);
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_NO_FATAL_FAILURE(OpenSchedule());
    EXPECT_EQ(ControlText(schedule_, IDC_SCHEDULE_TOTALS), k.totals);
    const std::vector<std::string> lines = CopiedLines();
    ASSERT_EQ(lines.size(), static_cast<size_t>(std::stoi(k.months)) + 1);
    EXPECT_EQ(lines.front(), "Month\tPayment\tInterest\tPrincipal\tBalance");
    EXPECT_EQ(lines[1], k.first);
    EXPECT_EQ(lines.back(), k.last);
    ASSERT_NO_FATAL_FAILURE(CloseSchedule());
}

INSTANTIATE_TEST_SUITE_P(Loans, KnownScheduleTest,
                         testing::Values(KnownLoan{"1000", "10%", "12", "1\t87.92\t8.33\t79.59\t920.41",
                                                   "12\t87.87\t0.73\t87.14\t0.00",
                                                   "Total paid: 1 054.99    Total interest: 54.99"},
                                         KnownLoan{"250000", "7.5%", "360",
                                                   "1\t1748.04\t1562.50\t185.54\t249814.46",
                                                   "360\t1743.42\t10.83\t1732.59\t0.00",
                                                   "Total paid: 629 289.78    Total interest: 379 289.78"}));

// A picture of the schedule for a person to look at; the check only makes sure that a real
// window was captured.
TEST_F(ScheduleTest, Screenshot)
{
    StoreLoan("250000", "7.5%", "360");
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_NO_FATAL_FAILURE(OpenSchedule());
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

TEST_F(ScheduleTest, TheCommaOptionWritesItsSeparator)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_TRUE(SendSystemCommand(Loan(), IDM_COMMA));
    ASSERT_NO_FATAL_FAILURE(OpenSchedule());
    EXPECT_EQ(ControlText(schedule_, IDC_SCHEDULE_TOTALS), "Total paid: 1 054,99    Total interest: 54,99");
    const std::vector<std::string> lines = CopiedLines();
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[1], "1\t87,92\t8,33\t79,59\t920,41");
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
