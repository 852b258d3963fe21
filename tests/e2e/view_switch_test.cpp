// The two views are one window cut to two widths; the widths follow from where the panels
// lie, so they hold for either font and either edition.
#include "calculator_fixture.h"
#include "control_ids.h"
#include "keyboard_input.h"
#include "wait.h"
#include "window_controls.h"

namespace e2e {
namespace {

class ViewSwitchTest : public CalculatorTest {
protected:
    // The basic view ends 2 pixels right of the integer panel's left edge.
    LONG ExpectedBasicWidth() const
    {
        return ControlRect(Window(), IDC_PANEL_INTEGER).left + 2 - WindowRect(Window()).left;
    }
    // The extended view leaves as much room right of the last panel as left of the first.
    LONG ExpectedExtendedWidth() const
    {
        const LONG left = WindowRect(Window()).left;
        return ControlRect(Window(), IDC_PANEL_OTHER_LABEL).right +
               (ControlRect(Window(), IDC_PANEL_UP_LABEL).left - left) - left;
    }
    // Waits for the window to take a width, then reports the width it has.
    LONG WidthOnceSettledAt(LONG expected) const
    {
        WaitUntil([&] { return Width(WindowRect(Window())) == expected; });
        return Width(WindowRect(Window()));
    }
};

TEST_F(ViewSwitchTest, FreshStartShowsBasicView)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    EXPECT_EQ(ControlText(Window(), IDC_KEY_VIEW), ">");
    EXPECT_EQ(Width(WindowRect(Window())), ExpectedBasicWidth());
}

TEST_F(ViewSwitchTest, ViewKeyFoldsOutExtendedView)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const RECT basic = WindowRect(Window());
    ASSERT_TRUE(Click(Window(), IDC_KEY_VIEW));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_KEY_VIEW, "<"));
    const LONG expected = ExpectedExtendedWidth();
    EXPECT_EQ(WidthOnceSettledAt(expected), expected);
    // Only the width changes.
    const RECT extended = WindowRect(Window());
    EXPECT_EQ(extended.left, basic.left);
    EXPECT_EQ(extended.top, basic.top);
    EXPECT_EQ(extended.bottom, basic.bottom);
}

TEST_F(ViewSwitchTest, SwitchingBackRestoresExactBasicWidth)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const LONG basicWidth = Width(WindowRect(Window()));
    ASSERT_TRUE(Click(Window(), IDC_KEY_VIEW));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_KEY_VIEW, "<"));
    ASSERT_TRUE(Click(Window(), IDC_KEY_VIEW));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_KEY_VIEW, ">"));
    EXPECT_EQ(WidthOnceSettledAt(basicWidth), basicWidth);
    EXPECT_EQ(basicWidth, ExpectedBasicWidth());
}

TEST_F(ViewSwitchTest, CtrlRightAndCtrlLeftSwitchViews)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const LONG basicWidth = Width(WindowRect(Window()));
    ASSERT_TRUE(BringToForeground(Window()));

    ASSERT_TRUE(PressChord({VK_CONTROL}, VK_RIGHT));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_KEY_VIEW, "<"));
    const LONG extendedWidth = ExpectedExtendedWidth();
    EXPECT_EQ(WidthOnceSettledAt(extendedWidth), extendedWidth);

    ASSERT_TRUE(PressChord({VK_CONTROL}, VK_LEFT));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_KEY_VIEW, ">"));
    EXPECT_EQ(WidthOnceSettledAt(basicWidth), basicWidth);
}

}  // namespace
}  // namespace e2e
