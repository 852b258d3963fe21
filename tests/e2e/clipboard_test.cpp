// Copy, Paste and Paste && Copy through the real clipboard: by their accelerators typed as
// real chords and by their menu items, checked from Windows programs and from the X side,
// which is where the clipboard of a Wine session lives.
#include "calculator_fixture.h"
#include "clipboard_text.h"
#include "command_ids.h"
#include "control_ids.h"
#include "host_shell.h"
#include "key_delivery.h"
#include "wait.h"
#include "window_controls.h"

namespace e2e {
namespace {

class ClipboardTest : public CalculatorTest {
protected:
    void SetUp() override
    {
        CalculatorTest::SetUp();
        // Whatever an earlier test left there must not pass for a copy of this one.
        ASSERT_TRUE(SetClipboardText("clipboard before the test"));
    }

    testing::AssertionResult Chord(std::initializer_list<WORD> modifiers, WORD key)
    {
        return PressChordAndWait(Window(), modifiers, key);
    }

    // Polls: only once the program has finished with the clipboard, since a clipboard the
    // driver holds open at the wrong moment makes the program's own copy fail.
    testing::AssertionResult ClipboardHolds(const std::string& text)
    {
        std::optional<std::string> last;
        if (WaitUntil([&] {
                last = GetClipboardText();
                return last == text;
            }))
            return testing::AssertionSuccess();
        return testing::AssertionFailure()
               << "the clipboard holds \"" << last.value_or("(no text)") << "\", expected \"" << text << "\"";
    }

    // 2 + 3 =: the up window shows 5.
    void ComputeFive()
    {
        ASSERT_TRUE(
            ClickAll(Window(), {IDC_KEY_DIGIT0 + 2, IDC_KEY_ADD, IDC_KEY_DIGIT0 + 3, IDC_KEY_EQUALS}));
        ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "5"));
    }
};

TEST_F(ClipboardTest, CtrlCCopiesTheShownValueForWindowsAndXClients)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(ComputeFive());
    ASSERT_TRUE(Chord({VK_CONTROL}, 'C'));
    EXPECT_TRUE(ClipboardHolds("5"));
    EXPECT_EQ(ReadXClipboard(), std::optional<std::string>("5")) << "an X client does not see the copy";
}

TEST_F(ClipboardTest, CtrlInsertCopiesTheValueBeingTyped)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(ComputeFive());
    ASSERT_TRUE(Click(Window(), IDC_KEY_DIGIT0 + 7));
    ASSERT_TRUE(Chord({VK_CONTROL}, VK_INSERT));
    EXPECT_TRUE(ClipboardHolds("7"));
}

TEST_F(ClipboardTest, CopyMenuItemCopiesWithTheDecimalComma)
{
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Comma Point", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(ClickAll(Window(), {IDC_KEY_DIGIT0 + 1, IDC_KEY_DIVIDE, IDC_KEY_DIGIT0 + 2, IDC_KEY_EQUALS}));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "0,5"));
    ASSERT_TRUE(SendSystemCommand(Window(), IDM_COPY));
    EXPECT_TRUE(ClipboardHolds("0,5"));
}

// With both windows at 0 there is nothing to copy, and the clipboard keeps what it held.
TEST_F(ClipboardTest, CopyOfNothingLeavesTheClipboard)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(SetClipboardText("kept"));
    ASSERT_TRUE(Chord({VK_CONTROL}, 'C'));
    EXPECT_EQ(GetClipboardText(), std::optional<std::string>("kept"));
}

// Pasted text is typed: operators in it compute.
TEST_F(ClipboardTest, CtrlVTypesTheClipboardText)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(SetClipboardText("12+5="));
    ASSERT_TRUE(Chord({VK_CONTROL}, 'V'));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "17"));
    // Paste alone leaves the clipboard as it was.
    EXPECT_EQ(GetClipboardText(), std::optional<std::string>("12+5="));
}

TEST_F(ClipboardTest, ShiftInsertPastesWithoutSpaces)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(SetClipboardText("1 234"));
    ASSERT_TRUE(Chord({VK_SHIFT}, VK_INSERT));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_CURRENT, "1234"));
}

TEST_F(ClipboardTest, PasteMenuItemPastes)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(SetClipboardText("42"));
    ASSERT_TRUE(SendSystemCommand(Window(), IDM_PASTE));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_CURRENT, "42"));
}

TEST_F(ClipboardTest, CtrlQPastesAndCopiesTheResult)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(SetClipboardText("0.5+0.25="));
    ASSERT_TRUE(Chord({VK_CONTROL}, 'Q'));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "0.75"));
    EXPECT_TRUE(ClipboardHolds("0.75"));
}

TEST_F(ClipboardTest, CtrlShiftInsertPastesAndCopies)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(SetClipboardText("6*7="));
    ASSERT_TRUE(Chord({VK_CONTROL, VK_SHIFT}, VK_INSERT));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "42"));
    EXPECT_TRUE(ClipboardHolds("42"));
}

TEST_F(ClipboardTest, PasteAndCopyMenuItem)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(SetClipboardText("9-2="));
    ASSERT_TRUE(SendSystemCommand(Window(), IDM_PASTE_COPY));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "7"));
    EXPECT_TRUE(ClipboardHolds("7"));
}

// Text that an X client offers (the selection is owned by xclip, outside Wine) is pasted; the
// copy that follows takes the selection back, which also ends that client.
TEST_F(ClipboardTest, PastesWhatAnXClientOffers)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(OfferXClipboard("3.25*4=")) << "xclip could not take the X clipboard";
    ASSERT_TRUE(ClipboardHolds("3.25*4=")) << "Wine does not see what the X client offers";
    ASSERT_TRUE(Chord({VK_CONTROL}, 'Q'));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "13"));
    EXPECT_TRUE(ClipboardHolds("13"));
    EXPECT_EQ(ReadXClipboard(), std::optional<std::string>("13"));
}

}  // namespace
}  // namespace e2e
