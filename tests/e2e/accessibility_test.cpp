// The program as a screen reader meets it, read from another process through MSAA: every
// key and panel named for what it does or holds, with its tooltip as the description and
// its key as the shortcut; the controls the basic view folds away invisible; each finished
// operation and each loan result announced, every time.
#include "accessibility_names.h"
#include "calculator_keys.h"
#include "command_ids.h"
#include "key_delivery.h"
#include "keyboard_input.h"
#include "loan_fixture.h"
#include "resource_ids.h"
#include "screen_reader.h"
#include "wait.h"
#include "window_controls.h"

namespace e2e {
namespace {

class AccessibilityTest : public LoanTest {
protected:
    // The names of the window's controls as a reader reads them, failing on the first that
    // differs; `folded` are expected invisible.
    void ExpectNames(HWND window, const std::vector<ExpectedName>& names, bool folded = false)
    {
        for (const ExpectedName& n : names) {
            const std::optional<ReadObject> read = ReadAccessible(Control(window, n.id));
            ASSERT_TRUE(read.has_value()) << "control " << n.id << " gave no object";
            EXPECT_EQ(read->name, n.name) << "control " << n.id;
            if (n.shortcut != nullptr) {
                EXPECT_EQ(read->shortcut, n.shortcut) << "control " << n.id;
            }
            if (folded) {
                EXPECT_TRUE(read->invisible) << "control " << n.id << " is folded away but not invisible";
            }
        }
    }
};

TEST_F(AccessibilityTest, EveryKeyAndPanelOfBothViewsIsNamedForWhatItDoesOrHolds)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ExpectNames(Window(), BasicViewNames("Switch to the extended view"));
    ExpectNames(Window(), ExtendedViewNames(), true);
    const std::optional<ReadObject> ms = ReadAccessible(Control(Window(), IDC_KEY_MS));
    ASSERT_TRUE(ms.has_value());
    EXPECT_EQ(ms->description, "Store into Memory (M, Ctrl + Enter)");  // its tooltip

    ASSERT_TRUE(PressChordAndWait(Window(), {VK_CONTROL}, VK_RIGHT));  // unfolds
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(Control(Window(), IDC_KEY_SIN)) != FALSE; }));
    ExpectNames(Window(), BasicViewNames("Switch to the basic view"));
    ExpectNames(Window(), ExtendedViewNames());
    EXPECT_FALSE(ReadAccessible(Control(Window(), IDC_KEY_SIN))->invisible);

    // A panel's name follows what it shows.
    ASSERT_TRUE(ClickAll(Window(), {IDC_KEY_DIGIT0 + 7, IDC_KEY_ADD, IDC_KEY_DIGIT0 + 7, IDC_KEY_EQUALS}));
    EXPECT_TRUE(WaitUntil(
        [&] { return ReadAccessible(Control(Window(), IDC_PANEL_RESULT))->name == "Register A 14"; }));
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ExpectNames(Loan(), LoanWindowNames());
}

TEST_F(AccessibilityTest, EachResultIsAnnouncedEveryTimeAndSoIsALoanResult)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    AnnouncementListener listener(app_.ProcessId());
    ASSERT_TRUE(listener.Listening());

    ASSERT_TRUE(ClickAll(Window(), {IDC_KEY_DIGIT0 + 7, IDC_KEY_ADD, IDC_KEY_DIGIT0 + 7, IDC_KEY_EQUALS}));
    EXPECT_EQ(listener.Next(1), std::vector<std::string>{"14"});
    ASSERT_TRUE(Click(Window(), IDC_KEY_EQUALS));  // "=" repeats: 14 + 7
    EXPECT_EQ(listener.Next(1), std::vector<std::string>{"21"});
    ASSERT_TRUE(ClickAll(Window(), {IDC_KEY_CLEAR}));
    EXPECT_EQ(listener.Next(1), std::vector<std::string>{"0"});
    ASSERT_TRUE(ClickAll(Window(), {IDC_KEY_CLEAR}));  // the same again is said again
    EXPECT_EQ(listener.Next(1), std::vector<std::string>{"0"});
    ASSERT_TRUE(BringToForeground(Window()));
    ASSERT_TRUE(TypeText("9+1="));
    EXPECT_EQ(listener.Next(1), std::vector<std::string>{"10"});
    ASSERT_TRUE(SendSystemCommand(Window(), IDM_COPY));
    EXPECT_EQ(listener.Next(1), std::vector<std::string>{"Copied 10"});

    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_TRUE(Click(Loan(), IDC_LOAN_COMPUTE));  // the stored 1 000 at 10 % over 12 months
    EXPECT_EQ(listener.Next(1), std::vector<std::string>{"87.92 - 1 054.99"});
}

}  // namespace
}  // namespace e2e
