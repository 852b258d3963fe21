// Long use leaves nothing behind: each pair of actions a user repeats all day is run 200
// times, and the program's GDI objects and windows, counted from outside, come back to where
// they were after a warm-up. The figures are printed for the record.
#include "clipboard_text.h"
#include "command_ids.h"
#include "key_delivery.h"
#include "keyboard_input.h"
#include "loan_fixture.h"
#include "process_census.h"
#include "resource_ids.h"
#include "wait.h"
#include "window_controls.h"

#include <colordlg.h>

#include <cstdio>
#include <functional>

namespace e2e {
namespace {

constexpr int kCycles = 200;
constexpr int kWarmUp = 3;
// What may differ after the cycles without being a leak: objects that the system makes once
// on first use (a cached brush or font of a control, a clipboard format's data) can appear
// late. A leak of one object per cycle would show as 200.
constexpr int kGdiSlack = 8;
constexpr int kWindowSlack = 0;
constexpr const char* kColoursTitle = "Colors";
constexpr DWORD kOpenMs = 30000;

class LeakTest : public LoanTest {
protected:
    // Runs `cycle` kWarmUp times, counts, runs it kCycles times, counts again.
    void ExpectNoLeak(const char* name, const std::function<testing::AssertionResult()>& cycle)
    {
        ASSERT_NO_FATAL_FAILURE(StartCalculator());
        for (int i = 0; i < kWarmUp; ++i)
            ASSERT_TRUE(cycle()) << "warm-up cycle " << i;
        const std::optional<Census> before = Settled();
        ASSERT_TRUE(before) << "the program's handles could not be counted";
        for (int i = 0; i < kCycles; ++i)
            ASSERT_TRUE(cycle()) << "cycle " << i;
        const std::optional<Census> after = Settled();
        ASSERT_TRUE(after) << "the program's handles could not be counted";
        ExpectSame(name, *before, *after, kCycles);
        ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    }

    static void ExpectSame(const char* name, const Census& before, const Census& after, int cycles)
    {
        const std::string change = DescribeChange(before, after);
        std::printf("leaks: %-36s before %s, after %d cycles %s%s%s\n", name, Describe(before).c_str(),
                    cycles, Describe(after).c_str(), change.empty() ? "" : ": ", change.c_str());
        std::fflush(stdout);
        EXPECT_LE(after.gdiObjects, before.gdiObjects + kGdiSlack) << name << ": " << change;
        EXPECT_LE(after.windows, before.windows + kWindowSlack) << name;
    }

    // The census once the program has handled everything sent to it.
    std::optional<Census> Settled()
    {
        Sync(Window());
        PumpFor(200);
        Sync(Window());
        return TakeCensus(app_.ProcessId());
    }

    testing::AssertionResult BigFontThereAndBack()
    {
        for (int i = 0; i < 2; ++i) {
            const HWND old = Window();
            if (!PostSystemCommand(old, IDM_BIG_FONT))
                return testing::AssertionFailure() << "Big Font could not be posted";
            if (app_.WaitForWindow(CurrentEdition().title, kOpenMs, old) == nullptr)
                return testing::AssertionFailure() << "no window came back after Big Font";
            WaitUntil([&] { return !IsWindow(old); });
        }
        return testing::AssertionSuccess();
    }

    // Opens the window a command opens, lets `use` work in it, closes it with `close` and
    // waits until the calculator can be used again.
    testing::AssertionResult OpenAndClose(UINT command, const std::string& title,
                                          const std::function<void(HWND)>& use,
                                          const std::function<void(HWND)>& close)
    {
        if (!PostSystemCommand(Window(), command))
            return testing::AssertionFailure() << "the command could not be posted";
        const HWND window = WaitForProcessWindow(app_.ProcessId(), title, kOpenMs);
        if (window == nullptr)
            return testing::AssertionFailure() << "no window titled \"" << title << "\" opened";
        if (use)
            use(window);
        close(window);
        if (!WaitUntil([&] { return !IsWindow(window) && IsWindowEnabled(Window()); }))
            return testing::AssertionFailure() << "\"" << title << "\" did not close";
        return Sync(Window()) ? testing::AssertionSuccess() : testing::AssertionFailure() << "no answer";
    }

    testing::AssertionResult ToggleTwice(UINT command)
    {
        for (int i = 0; i < 2; ++i)
            if (!SendSystemCommand(Window(), command))
                return testing::AssertionFailure() << "command " << command << " was not answered";
        return testing::AssertionSuccess();
    }
};

void PressButton(HWND dialog, int id)
{
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

TEST_F(LeakTest, BigFontThereAndBack)
{
    ExpectNoLeak("Big Font there and back", [&] { return BigFontThereAndBack(); });
}

TEST_F(LeakTest, LoanWindowOpenedAndClosed)
{
    ExpectNoLeak("the loan window opened and closed", [&] {
        return OpenAndClose(IDM_RUN_LOAN_CALCULATOR, CurrentEdition().loanTitle, nullptr,
                            [](HWND loan) { PostSystemCommand(loan, SC_CLOSE); });
    });
}

TEST_F(LeakTest, ColoursDialogCancelled)
{
    ExpectNoLeak("the colours dialog opened and cancelled", [&] {
        return OpenAndClose(IDM_SET_COLORS, kColoursTitle, nullptr, [](HWND d) { PressButton(d, IDCANCEL); });
    });
}

TEST_F(LeakTest, ColoursDialogChangedAndConfirmed)
{
    int shade = 0;
    ExpectNoLeak("the colours dialog with a change and OK", [&] {
        return OpenAndClose(
            IDM_SET_COLORS, kColoursTitle,
            [&](HWND d) {
                // A new colour for the selected category, typed into the chooser's Red box;
                // the calculator takes it after its change timer.
                shade = (shade + 37) % 256;
                DWORD_PTR ignored = 0;
                const std::string text = std::to_string(shade);
                SendMessageTimeoutA(GetDlgItem(d, COLOR_RED), WM_SETTEXT, 0,
                                    reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, kMessageTimeoutMs,
                                    &ignored);
                PumpFor(150);
            },
            [](HWND d) { PressButton(d, IDOK); });
    });
}

TEST_F(LeakTest, AboutWindowOpenedAndClosed)
{
    ExpectNoLeak("the About window opened and closed", [&] {
        return OpenAndClose(
            IDM_QUICK_HELP, "Help - About", [](HWND) { PumpFor(100); },
            [](HWND about) { PostMessageA(about, WM_CLOSE, 0, 0); });
    });
}

TEST_F(LeakTest, KeyStylesOnAndOff)
{
    ExpectNoLeak("bold values, bold and soft keys on and off", [&] {
        testing::AssertionResult result = ToggleTwice(IDM_BOLD_VALUES);
        if (result && CurrentEdition().classic)
            result = ToggleTwice(IDM_BOLD_BUTTONS);
        if (result && CurrentEdition().classic)
            result = ToggleTwice(IDM_SOFT_BUTTONS);
        return result;
    });
}

TEST_F(LeakTest, FiveThousandKeys)
{
    // 200 cycles of 25 keys: digits, operators, functions, memory and clearing. Each cycle
    // waits until the calculator has handled its last key: typed input is queued, and a count
    // taken with keys still waiting would count the painting of a different moment.
    ExpectNoLeak("5 000 keys", [&] {
        if (!BringToForeground(Window()) || !TypeText("12.5+7*3-4/2=") || !PressKey(VK_ESCAPE) ||
            !TypeText("900%") || !PressKey(VK_BACK) || !TypeText("3.14="))
            return testing::AssertionFailure() << "the keys could not be typed";
        return PressKeyAndWait(Window(), VK_DELETE);
    });
}

TEST_F(LeakTest, HundredPastes)
{
    int n = 0;
    const int cycles = 100;
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    auto paste = [&] {
        if (!SetClipboardText(std::to_string(++n) + "+2.5*3="))
            return testing::AssertionFailure() << "the clipboard stayed busy";
        if (!SendSystemCommand(Window(), IDM_PASTE))
            return testing::AssertionFailure() << "Paste was not answered";
        return testing::AssertionSuccess();
    };
    for (int i = 0; i < kWarmUp; ++i)
        ASSERT_TRUE(paste());
    const std::optional<Census> before = Settled();
    ASSERT_TRUE(before);
    for (int i = 0; i < cycles; ++i)
        ASSERT_TRUE(paste()) << "paste " << i;
    const std::optional<Census> after = Settled();
    ASSERT_TRUE(after);
    ExpectSame("100 pastes", *before, *after, cycles);
}

}  // namespace
}  // namespace e2e
