// The calculator's system menu as the running window holds it: every item, its text with the
// shortcut after the tab, the order, the separators and the check and radio marks, read from
// inside the program's thread (Wine keeps menus per process).
#include "calculator_fixture.h"
#include "command_ids.h"
#include "control_ids.h"
#include "input_watch.h"
#include "mouse_input.h"
#include "wait.h"
#include "window_controls.h"
#include "window_probe.h"

#include <algorithm>
#include <functional>
#include <sstream>

namespace e2e {
namespace {

// The program's appended items, in order, for the numbers the precision model holds.
std::vector<ExpectedMenuItem> AppendedItems(bool classic, int nAfter, int nScale)
{
    std::vector<ExpectedMenuItem> items = {
        {0, ""},
        {IDM_SHOW_TIPS, "Show Tips\tCtrl+T"},
        {IDM_QUICK_HELP, "Quick Help...\tF1"},
        {IDM_EXIT_ON_ESCAPE, "Exit on Escape"},
        {IDM_CLEAR_ON_ESCAPE, "Clear on Escape"},
        {0, ""},
        {IDM_RUN_LOAN_CALCULATOR, "Run &Loan Calculator\tCtrl+L"},
        {IDM_SHOW_TAPE, "Show Tape\tCtrl+H"},
        {IDM_MULTIPLE_INSTANCES, "Multiple Instances"},
        {IDM_IN_MEMORY_MODE, "&In Memory Mode\tCtrl+I"},
        {IDM_ALWAYS_ON_TOP, "Always On Top\tCtrl+A"},
        {0, ""},
    };
    if (classic) {
        items.push_back({IDM_BOLD_BUTTONS, "Bold Buttons\tCtrl+M"});
        items.push_back({IDM_SOFT_BUTTONS, "&Soft Buttons\tCtrl+S"});
    }
    const std::vector<ExpectedMenuItem> rest = {
        {IDM_BOLD_VALUES, "Bold Values\tCtrl+N"},
        {IDM_SET_COLORS, "Set Colors"},
        {IDM_BIG_FONT, "Big Font\tCtrl+B"},
        {0, ""},
        {IDM_COMMA, "Comma\tCtrl+P"},
        {IDM_AFTER_POINT, "After Point :\t" + std::to_string(nAfter)},
        {IDM_COMMON_SCALE, "Common Scale :\t" + std::to_string(nScale)},
        {IDM_PRECISION_CONTROL, "Precision Control\tCtrl+D"},
        {0, ""},
        {IDM_PASTE_COPY, "Paste && Copy\tCtrl+Q"},
        {IDM_PASTE, "Paste\tCtrl+V"},
        {IDM_COPY, "Copy\tCtrl+C"},
    };
    items.insert(items.end(), rest.begin(), rest.end());
    return items;
}

// Checks the menu against the platform's items (Size and Maximize removed) and the program's
// items; the check marks are checked by the callers.
testing::AssertionResult MenuHasItemsInOrder(const std::vector<MenuItem>& menu, bool classic, int nAfter,
                                             int nScale)
{
    return MenuIsPlatformItemsAnd(menu, AppendedItems(classic, nAfter, nScale));
}

// Exactly one of After Point and Common Scale carries the radio mark.
testing::AssertionResult PrecisionRadioOn(const std::vector<MenuItem>& menu, UINT marked)
{
    const std::optional<MenuItem> after = FindMenuItem(menu, IDM_AFTER_POINT);
    const std::optional<MenuItem> scale = FindMenuItem(menu, IDM_COMMON_SCALE);
    if (!after || !scale)
        return testing::AssertionFailure() << "After Point or Common Scale is missing:\n"
                                           << DescribeMenu(menu);
    const MenuItem& on = marked == IDM_AFTER_POINT ? *after : *scale;
    const MenuItem& off = marked == IDM_AFTER_POINT ? *scale : *after;
    if (!on.Checked() || !on.RadioMark())
        return testing::AssertionFailure() << on.id << " has no radio mark:\n" << DescribeMenu(menu);
    if (off.Checked())
        return testing::AssertionFailure() << off.id << " is marked too:\n" << DescribeMenu(menu);
    return testing::AssertionSuccess();
}

class SystemMenuTest : public CalculatorTest {
protected:
    std::vector<MenuItem> Menu()
    {
        std::optional<std::vector<MenuItem>> menu = ReadSystemMenu(Window());
        EXPECT_TRUE(menu.has_value()) << "the system menu could not be read from inside the program";
        return menu.value_or(std::vector<MenuItem>{});
    }

    // Waits until the program has handled a posted command: its effect on the menu shows.
    testing::AssertionResult WaitForMenu(const std::function<bool(const std::vector<MenuItem>&)>& done)
    {
        std::vector<MenuItem> last;
        if (WaitUntil([&] {
                const std::optional<std::vector<MenuItem>> menu = ReadSystemMenu(Window());
                if (!menu)
                    return false;
                last = *menu;
                return done(last);
            }))
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "the menu did not change as expected:\n" << DescribeMenu(last);
    }
};

TEST_F(SystemMenuTest, FirstStartMenuHoldsEveryItemInOrder)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const std::vector<MenuItem> menu = Menu();
    const bool classic = CurrentEdition().classic;
    EXPECT_TRUE(MenuHasItemsInOrder(menu, classic, 2, 8));
    // Soft keys are the first start's only option that is on; the precision mode is common
    // scale.
    if (classic)
        EXPECT_TRUE(OnlyTheseChecked(menu, {IDM_SOFT_BUTTONS, IDM_COMMON_SCALE}));
    else
        EXPECT_TRUE(OnlyTheseChecked(menu, {IDM_COMMON_SCALE}));
    EXPECT_TRUE(PrecisionRadioOn(menu, IDM_COMMON_SCALE));
}

TEST_F(SystemMenuTest, StoredOptionsSetTheirCheckMarks)
{
    const bool classic = CurrentEdition().classic;
    for (const char* flag : {"Show Tips", "Exit by Escape", "In Memory", "On Top", "Run Multiple",
                             "Bold Result", "Comma Point", "Show Precision", "Big Font", "bAfter"})
        ASSERT_NO_FATAL_FAILURE(WriteSetting(flag, REG_BINARY, {1}));
    if (classic) {
        ASSERT_NO_FATAL_FAILURE(WriteSetting("Bold Button", REG_BINARY, {1}));
        ASSERT_NO_FATAL_FAILURE(WriteSetting("Soft Btns", REG_BINARY, {0}));
    }
    ASSERT_NO_FATAL_FAILURE(WriteSetting("nAfter", REG_DWORD, DwordBytes(5)));
    ASSERT_NO_FATAL_FAILURE(WriteSetting("nScale", REG_DWORD, DwordBytes(12)));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());

    const std::vector<MenuItem> menu = Menu();
    EXPECT_TRUE(MenuHasItemsInOrder(menu, classic, 5, 12));
    std::vector<UINT> checked = {
        IDM_SHOW_TIPS,   IDM_EXIT_ON_ESCAPE, IDM_IN_MEMORY_MODE,    IDM_ALWAYS_ON_TOP, IDM_MULTIPLE_INSTANCES,
        IDM_BOLD_VALUES, IDM_COMMA,          IDM_PRECISION_CONTROL, IDM_BIG_FONT,      IDM_AFTER_POINT};
    if (classic)
        checked.push_back(IDM_BOLD_BUTTONS);
    EXPECT_TRUE(OnlyTheseChecked(menu, checked));
    EXPECT_TRUE(PrecisionRadioOn(menu, IDM_AFTER_POINT));
}

TEST_F(SystemMenuTest, StoredClearOnEscapeIsChecked)
{
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Clear by Escape", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const std::optional<MenuItem> clear = FindMenuItem(Menu(), IDM_CLEAR_ON_ESCAPE);
    const std::optional<MenuItem> exit = FindMenuItem(Menu(), IDM_EXIT_ON_ESCAPE);
    ASSERT_TRUE(clear && exit);
    EXPECT_TRUE(clear->Checked());
    EXPECT_FALSE(exit->Checked());
}

TEST_F(SystemMenuTest, AfterPointAndCommonScaleFormARadioPair)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_AFTER_POINT));
    EXPECT_TRUE(
        WaitForMenu([](const std::vector<MenuItem>& m) { return PrecisionRadioOn(m, IDM_AFTER_POINT); }));
    // Choosing the marked one again keeps it marked: the pair is never left without a mark.
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_AFTER_POINT));
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_COMMON_SCALE));
    EXPECT_TRUE(
        WaitForMenu([](const std::vector<MenuItem>& m) { return PrecisionRadioOn(m, IDM_COMMON_SCALE); }));
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_COMMON_SCALE));
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_AFTER_POINT));
    EXPECT_TRUE(
        WaitForMenu([](const std::vector<MenuItem>& m) { return PrecisionRadioOn(m, IDM_AFTER_POINT); }));
    EXPECT_TRUE(MenuHasItemsInOrder(Menu(), CurrentEdition().classic, 2, 8));
}

// The numbers in the two texts follow the precision the spin control sets, and the mark stays.
TEST_F(SystemMenuTest, PrecisionSpinRewritesTheMenuNumbers)
{
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Extended View", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Show Precision", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    HWND spin = Control(Window(), IDC_PRECISION_SPIN);
    ASSERT_NE(spin, nullptr);
    ASSERT_TRUE(IsWindowVisible(spin));
    // The upper half of the up-down control counts up.
    const RECT r = WindowRect(spin);
    const POINT up{(r.left + r.right) / 2, r.top + (r.bottom - r.top) / 4};

    ASSERT_TRUE(ClickAt(up));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PRECISION_EDIT, "9"));
    EXPECT_TRUE(WaitForMenu([&](const std::vector<MenuItem>& m) {
        return MenuHasItemsInOrder(m, CurrentEdition().classic, 2, 9) &&
               PrecisionRadioOn(m, IDM_COMMON_SCALE);
    }));

    ASSERT_TRUE(PostSystemCommand(Window(), IDM_AFTER_POINT));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PRECISION_EDIT, "2"));
    ASSERT_TRUE(ClickAt(up));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PRECISION_EDIT, "3"));
    EXPECT_TRUE(WaitForMenu([&](const std::vector<MenuItem>& m) {
        return MenuHasItemsInOrder(m, CurrentEdition().classic, 3, 9) && PrecisionRadioOn(m, IDM_AFTER_POINT);
    }));
}

// The tips come from the window's own message loop, which hands the tooltip the pointer's
// moves: with Show Tips off no key shows a tip, and with it on a key rested on shows its own.
TEST_F(SystemMenuTest, AKeyRestedOnShowsItsTipOnlyWithShowTips)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const auto tipShown = [&] { return ShowsWindowOfClass(app_.ProcessId(), "tooltips_class32"); };
    const POINT key = CentreOf(ControlRect(Window(), IDC_KEY_MS));
    const auto restOnKey = [&] {
        return MovePointerOnto(Window(), {key.x - 2, key.y}) && MovePointerOnto(Window(), key);
    };
    ASSERT_TRUE(restOnKey());
    PumpFor(1500);
    EXPECT_FALSE(tipShown()) << "a tip appeared with Show Tips off (the first start's setting)";

    ASSERT_TRUE(SendSystemCommand(Window(), IDM_SHOW_TIPS));
    ASSERT_TRUE(restOnKey());
    EXPECT_TRUE(WaitUntil(tipShown, 5000)) << "no tip appeared over the MS key";
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
}

}  // namespace
}  // namespace e2e
