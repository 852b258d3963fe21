// Closing with the Close system command saves the numbers, the selectors and the view as raw
// registry values; the next start shows them again.
#include "calculator_fixture.h"
#include "control_ids.h"
#include "window_controls.h"

namespace e2e {
namespace {

void ExpectStored(const std::optional<RegistryValue>& value, DWORD type, const Bytes& bytes, const char* name)
{
    ASSERT_TRUE(value.has_value()) << name << " was not written";
    EXPECT_EQ(value->type, type) << name;
    EXPECT_EQ(value->bytes, bytes) << name;
}

TEST_F(CalculatorTest, CloseStoresValuesAndViewByteExact)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(ClickAll(Window(), {IDC_KEY_DIGIT0 + 2, IDC_KEY_ADD, IDC_KEY_DIGIT0 + 3, IDC_KEY_EQUALS}));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "5"));
    ASSERT_TRUE(Click(Window(), IDC_KEY_VIEW));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_KEY_VIEW, "<"));
    const LONG extendedWidth = WindowRect(Window()).right - WindowRect(Window()).left;
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());

    ExpectStored(ReadSetting("Extended View"), REG_BINARY, {1}, "Extended View");
    // dUp, dCurrent, dAccumulator, dMemory.
    ExpectStored(ReadSetting("Last Values"), REG_BINARY, DoubleBytes({5.0, 3.0, 5.0, 0.0}), "Last Values");
    // Accumulator active, 'x' in the up window after a result, decimal, degrees, last "+".
    ExpectStored(ReadSetting("Context"), REG_BINARY, Int32Bytes({0, 1, 0, 0, IDC_KEY_ADD}), "Context");
    // The first save of a first start.
    ExpectStored(ReadSetting("Run Q-ty"), REG_DWORD, DwordBytes(1), "Run Q-ty");

    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "5"));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_CURRENT, "3"));
    EXPECT_EQ(ControlText(Window(), IDC_KEY_VIEW), "<");
    EXPECT_EQ(WindowRect(Window()).right - WindowRect(Window()).left, extendedWidth);
}

}  // namespace
}  // namespace e2e
