// "Big Font" ends the window and creates it again from the other template (562 with the
// 10-point font, 561 with the 8-point one), with the same numbers, view and place; the option
// is saved before the window goes.
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

class BigFontTest : public CalculatorTest {
protected:
    LONG DialogFontHeight()
    {
        const std::optional<LOGFONTA> font = ReadDialogFont(Window());
        EXPECT_TRUE(font.has_value()) << "the window's font could not be read";
        return font ? font->lfHeight : 0;
    }

    void ExpectSameCalculator(const RECT& place)
    {
        EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "15"));
        EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_CURRENT, "4"));
        EXPECT_EQ(ControlText(Window(), IDC_KEY_VIEW), "<") << "the extended view was not kept";
        const RECT now = WindowRect(Window());
        EXPECT_EQ(now.left, place.left);
        EXPECT_EQ(now.top, place.top);
    }
};

TEST_F(BigFontTest, RoundTripKeepsNumbersViewAndPlace)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(ClickAll(Window(), {IDC_KEY_DIGIT0 + 1, IDC_KEY_DIGIT0 + 2, IDC_KEY_ADD, IDC_KEY_DIGIT0 + 3,
                                    IDC_KEY_EQUALS, IDC_KEY_DIGIT0 + 4, IDC_KEY_VIEW}));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_KEY_VIEW, "<"));
    ASSERT_TRUE(MoveWindowTo(Window(), 150, 100));
    const RECT small = WindowRect(Window());
    ASSERT_EQ(DialogFontHeight(), FontHeightForPoints(8)) << "the first start is not on the 8-point template";

    // An option of the base window, not saved yet: the re-created window has it too.
    ASSERT_TRUE(PressChordAndWait(Window(), {VK_CONTROL}, 'T'));
    ASSERT_TRUE(WaitForMenuCheck(Window(), IDM_SHOW_TIPS, true));

    // Ctrl+B typed on the keyboard.
    HWND first = Window();
    ASSERT_TRUE(BringToForeground(first));
    ASSERT_TRUE(PressChord({VK_CONTROL}, 'B'));
    ASSERT_NO_FATAL_FAILURE(WaitForRecreatedWindow(first));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(first); })) << "the old window stayed";
    EXPECT_EQ(ReadSetting("Big Font"), (RegistryValue{REG_BINARY, {1}}));
    EXPECT_EQ(DialogFontHeight(), FontHeightForPoints(10))
        << "the new window is not on the 10-point template";
    const RECT big = WindowRect(Window());
    EXPECT_GT(Width(big), Width(small));
    EXPECT_GT(Height(big), Height(small));
    ExpectSameCalculator(small);
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_BIG_FONT, true));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_SHOW_TIPS, true)) << "Show Tips was lost";
    EXPECT_EQ(CheckState(Window(), IDC_KEY_TIPS), BST_CHECKED);

    // And back, chosen from the menu.
    HWND second = Window();
    ASSERT_TRUE(PostSystemCommand(second, IDM_BIG_FONT));
    ASSERT_NO_FATAL_FAILURE(WaitForRecreatedWindow(second));
    EXPECT_EQ(ReadSetting("Big Font"), (RegistryValue{REG_BINARY, {0}}));
    EXPECT_EQ(DialogFontHeight(), FontHeightForPoints(8));
    const RECT again = WindowRect(Window());
    EXPECT_EQ(Width(again), Width(small));
    EXPECT_EQ(Height(again), Height(small));
    ExpectSameCalculator(small);
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_BIG_FONT, false));
}

// A stored "Big Font" opens the first window on the big template already.
TEST_F(BigFontTest, StoredBigFontStartsOnTheBigTemplate)
{
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Big Font", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    EXPECT_EQ(DialogFontHeight(), FontHeightForPoints(10));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_BIG_FONT, true));
}

}  // namespace
}  // namespace e2e
