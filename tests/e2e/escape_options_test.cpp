// Escape closes the calculator or clears it, as "Exit on Escape" or "Clear on Escape" says;
// the two menu commands never leave both on.
#include "calculator_fixture.h"
#include "command_ids.h"
#include "control_ids.h"
#include "key_delivery.h"
#include "keyboard_input.h"
#include "wait.h"
#include "window_controls.h"
#include "window_probe.h"

namespace e2e {
namespace {

class EscapeTest : public CalculatorTest {
protected:
    // The check marks of the two items, as the menu shows them once they are (exit, clear).
    testing::AssertionResult ChecksAre(bool exit, bool clear)
    {
        testing::AssertionResult e = WaitForMenuCheck(Window(), IDM_EXIT_ON_ESCAPE, exit);
        if (!e)
            return e;
        return WaitForMenuCheck(Window(), IDM_CLEAR_ON_ESCAPE, clear);
    }

    // 12 + 3 = then 4: the up window shows 15, the down window 4.
    void EnterNumbers()
    {
        ASSERT_TRUE(ClickAll(Window(), {IDC_KEY_DIGIT0 + 1, IDC_KEY_DIGIT0 + 2, IDC_KEY_ADD,
                                        IDC_KEY_DIGIT0 + 3, IDC_KEY_EQUALS, IDC_KEY_DIGIT0 + 4}));
        ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "15"));
        ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_CURRENT, "4"));
    }
};

TEST_F(EscapeTest, MenuCommandsNeverLeaveBothOn)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    EXPECT_TRUE(ChecksAre(false, false));
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_EXIT_ON_ESCAPE));
    EXPECT_TRUE(ChecksAre(true, false));
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_CLEAR_ON_ESCAPE));
    EXPECT_TRUE(ChecksAre(false, true));
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_EXIT_ON_ESCAPE));
    EXPECT_TRUE(ChecksAre(true, false));
    // Both may be off.
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_EXIT_ON_ESCAPE));
    EXPECT_TRUE(ChecksAre(false, false));
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_CLEAR_ON_ESCAPE));
    EXPECT_TRUE(ChecksAre(false, true));
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_CLEAR_ON_ESCAPE));
    EXPECT_TRUE(ChecksAre(false, false));

    ASSERT_TRUE(PostSystemCommand(Window(), IDM_CLEAR_ON_ESCAPE));
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_EXIT_ON_ESCAPE));
    EXPECT_TRUE(ChecksAre(true, false));
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    EXPECT_EQ(ReadSetting("Exit by Escape"), (RegistryValue{REG_BINARY, {1}}));
    EXPECT_EQ(ReadSetting("Clear by Escape"), (RegistryValue{REG_BINARY, {0}}));
}

TEST_F(EscapeTest, WithNeitherOptionEscapeDoesNothing)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(EnterNumbers());
    ASSERT_TRUE(PressKeyAndWait(Window(), VK_ESCAPE));
    EXPECT_TRUE(app_.Running());
    EXPECT_EQ(ControlText(Window(), IDC_PANEL_RESULT), "15");
    EXPECT_EQ(ControlText(Window(), IDC_PANEL_CURRENT), "4");
}

TEST_F(EscapeTest, ClearOnEscapeClearsAll)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_CLEAR_ON_ESCAPE));
    ASSERT_TRUE(ChecksAre(false, true));
    ASSERT_NO_FATAL_FAILURE(EnterNumbers());
    ASSERT_TRUE(PressKeyAndWait(Window(), VK_ESCAPE));
    EXPECT_TRUE(app_.Running());
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "0"));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_CURRENT, "0"));
}

TEST_F(EscapeTest, ExitOnEscapeSavesAndCloses)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_EXIT_ON_ESCAPE));
    ASSERT_TRUE(ChecksAre(true, false));
    ASSERT_NO_FATAL_FAILURE(EnterNumbers());
    ASSERT_TRUE(BringToForeground(Window()));
    ASSERT_TRUE(PressKey(VK_ESCAPE));
    ASSERT_TRUE(app_.WaitForExit(10000)) << "Escape did not close the calculator";
    EXPECT_EQ(ReadSetting("Exit by Escape"), (RegistryValue{REG_BINARY, {1}}));
    EXPECT_EQ(ReadSetting("Last Values"), (RegistryValue{REG_BINARY, DoubleBytes({15.0, 4.0, 15.0, 0.0})}));
}

// Both options stored on (which no menu command leaves): Escape closes the calculator and
// saves what it showed, without clearing it first.
TEST_F(EscapeTest, BothStoredOnEscapeExitsWithoutClearing)
{
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Exit by Escape", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Clear by Escape", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(EnterNumbers());
    ASSERT_TRUE(BringToForeground(Window()));
    ASSERT_TRUE(PressKey(VK_ESCAPE));
    ASSERT_TRUE(app_.WaitForExit(10000)) << "Escape did not close the calculator";
    EXPECT_EQ(ReadSetting("Last Values"), (RegistryValue{REG_BINARY, DoubleBytes({15.0, 4.0, 15.0, 0.0})}));
}

// Escape acts on its release; a release whose press came with Shift held does nothing.
TEST_F(EscapeTest, ShiftEscapeDoesNotClear)
{
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Clear by Escape", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(EnterNumbers());
    ASSERT_TRUE(PressChordAndWait(Window(), {VK_SHIFT}, VK_ESCAPE));
    EXPECT_EQ(ControlText(Window(), IDC_PANEL_RESULT), "15");
    EXPECT_EQ(ControlText(Window(), IDC_PANEL_CURRENT), "4");
}

// Escape closes the About window as its key goes down; the release then reaches the
// calculator, which never saw that Escape pressed and so neither exits nor clears.
TEST_F(EscapeTest, EscapeThatClosedTheAboutWindowDoesNotActInTheCalculator)
{
    for (const char* option : {"Exit by Escape", "Clear by Escape"}) {
        SCOPED_TRACE(option);
        ASSERT_NO_FATAL_FAILURE(ResetSettings());
        ASSERT_NO_FATAL_FAILURE(WriteSetting(option, REG_BINARY, {1}));
        ASSERT_NO_FATAL_FAILURE(StartCalculator());
        ASSERT_NO_FATAL_FAILURE(EnterNumbers());
        ASSERT_TRUE(PressKeyAndWait(Window(), VK_F1));
        const HWND about = WaitForAboutWindow();
        ASSERT_NE(about, nullptr);

        ASSERT_TRUE(BringToForeground(about));
        ASSERT_TRUE(PressKey(VK_ESCAPE));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); })) << "Escape did not close the About window";
        ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(Window()) != FALSE; }));
        // A key typed after it: once its release is handled, so is Escape's.
        ASSERT_TRUE(PressKeyAndWait(Window(), VK_SHIFT));
        EXPECT_TRUE(app_.Running()) << "the calculator ended";
        if (app_.Running()) {
            EXPECT_EQ(ControlText(Window(), IDC_PANEL_RESULT), "15");
            EXPECT_EQ(ControlText(Window(), IDC_PANEL_CURRENT), "4");
        }
        ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    }
}

}  // namespace
}  // namespace e2e
