// Key sequences pressed on the real window, by clicking its keys and by typing on the
// keyboard, read back from its panels.
#include "calculator_fixture.h"
#include "calculator_keys.h"
#include "control_ids.h"
#include "keyboard_input.h"
#include "mouse_input.h"
#include "window_controls.h"

namespace e2e {
namespace {

struct ClickedCase {
    const char* keys;
    const char* result;   // panel 2010, the up window
    const char* current;  // panel 2011, the down window
};

std::ostream& operator<<(std::ostream& out, const ClickedCase& c)
{
    return out << "[ " << c.keys << " ]";
}

class ClickedSequenceTest : public CalculatorTest, public testing::WithParamInterface<ClickedCase> {};

TEST_P(ClickedSequenceTest, PanelShowsResult)
{
    const ClickedCase& c = GetParam();
    const std::vector<int> ids = KeyIds(c.keys);
    ASSERT_FALSE(ids.empty()) << "no keys for " << c.keys;
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    for (int id : ids)
        ASSERT_TRUE(Click(Window(), id));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, c.result));
    // Both panels together: a result of "0" alone would also be the untouched start.
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_CURRENT, c.current));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ClickedSequenceTest,
    testing::Values(ClickedCase{"2 + 3 =", "5", "3"},
                    // "=" repeats the last operation.
                    ClickedCase{"2 + 3 = =", "8", "3"},
                    // 10 % of 20 is added to 20.
                    ClickedCase{"20 + 10 %", "22", "10"},
                    // The function keys exist, outside the window, in the basic view too. The sine of 30
                    // degrees comes out as exactly 0.5 only with the 64-bit mantissa the program sets.
                    ClickedCase{"30 sin - 0.5 =", "0", "0.5"}));

TEST_F(CalculatorTest, TypedKeysReachTheCalculator)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(BringToForeground(Window()));
    ASSERT_TRUE(TypeText("12+5="));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "17"));
}

TEST_F(CalculatorTest, DoubleClickOnDigitEntersItTwice)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(BringToForeground(Window()));
    ASSERT_TRUE(DoubleClickAt(CentreOf(ControlRect(Window(), IDC_KEY_DIGIT0 + 1))));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_CURRENT, "11"));
}

}  // namespace
}  // namespace e2e
