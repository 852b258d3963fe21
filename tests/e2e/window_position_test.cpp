// The window's place is stored as "x,y" (two little-endian int32: left, top of the outer
// frame) and taken again at the next start.
#include "calculator_fixture.h"
#include "window_controls.h"

namespace e2e {
namespace {

TEST_F(CalculatorTest, OpensAtStoredPosition)
{
    ASSERT_NO_FATAL_FAILURE(WriteSetting("x,y", REG_BINARY, Int32Bytes({100, 120})));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const RECT rect = WindowRect(Window());
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 120);
}

TEST_F(CalculatorTest, MovedWindowStoresItsPlaceOnClose)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(MoveWindowTo(Window(), 200, 150));
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());

    const std::optional<RegistryValue> place = ReadSetting("x,y");
    ASSERT_TRUE(place.has_value());
    EXPECT_EQ(place->type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(place->bytes, Int32Bytes({200, 150}));

    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const RECT rect = WindowRect(Window());
    EXPECT_EQ(rect.left, 200);
    EXPECT_EQ(rect.top, 150);
}

}  // namespace
}  // namespace e2e
