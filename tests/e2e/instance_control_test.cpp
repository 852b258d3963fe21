// With "Run Multiple" off, a second start finds the running window by its title, brings it
// back and ends without a window of its own and without saving anything.
#include "calculator_fixture.h"
#include "wait.h"
#include "window_controls.h"

namespace e2e {
namespace {

TEST_F(CalculatorTest, SecondStartRestoresFirstWindowAndExits)
{
    // A count the second start must leave alone; the first one's own close adds one.
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Run Q-ty", REG_DWORD, DwordBytes(7)));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const HWND first = Window();
    ASSERT_TRUE(PostSystemCommand(first, SC_MINIMIZE));
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(first) != FALSE; })) << "the window did not minimise";
    const auto storedBefore = ReadAllValues(CurrentEdition().registryKey);

    AppProcess second;
    std::string error;
    ASSERT_TRUE(second.Start(CurrentOptions().exePath, error)) << error;
    ASSERT_TRUE(second.WaitForExit(20000)) << "the second start did not end";
    EXPECT_EQ(second.ExitCode(), 0u);

    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(first); })) << "the first window stayed minimised";
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == first; }))
        << "the first window is not in front";
    EXPECT_EQ(TopLevelWindowsTitled(CurrentEdition().title).size(), 1u);
    EXPECT_TRUE(ReadAllValues(CurrentEdition().registryKey) == storedBefore)
        << "the second start wrote settings";
    const std::optional<RegistryValue> count = ReadSetting("Run Q-ty");
    ASSERT_TRUE(count.has_value());
    EXPECT_EQ(count->bytes, DwordBytes(7));

    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    const std::optional<RegistryValue> countAfterClose = ReadSetting("Run Q-ty");
    ASSERT_TRUE(countAfterClose.has_value());
    EXPECT_EQ(countAfterClose->bytes, DwordBytes(8));
}

}  // namespace
}  // namespace e2e
