// What the calculator does when it becomes the active application, seen from outside: the
// key-state table of its thread and its title bar.
#include "calculator_fixture.h"
#include "focus_sink.h"
#include "keyboard_input.h"
#include "screen_capture.h"
#include "thread_key_state.h"
#include "wait.h"
#include "window_controls.h"

namespace e2e {
namespace {

// The toggle bit of Num Lock as the program's window thread sees it; nothing when the table
// could not be read.
std::optional<bool> NumLock(HWND window)
{
    const std::optional<KeyStateTable> table = ReadWindowThreadKeyState(window);
    if (!table)
        return std::nullopt;
    return ((*table)[VK_NUMLOCK] & 1) != 0;
}

// Another application in front, so that bringing the calculator back activates it.
struct FocusSinkInFront {
    FocusSinkInFront() { shown = ActivateFocusSink(); }
    ~FocusSinkInFront() { HideFocusSink(); }
    bool shown;
};

// The title bar and the frame above the client area, in window coordinates.
RECT CaptionStrip(HWND window)
{
    POINT clientTop{0, 0};
    ClientToScreen(window, &clientTop);
    const RECT outer = WindowRect(window);
    return RECT{0, 0, outer.right - outer.left, clientTop.y - outer.top};
}

// Num Lock on whenever the calculator is active, so the numeric pad types digits.
TEST_F(CalculatorTest, ActivationTurnsNumLockOn)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    FocusSinkInFront sink;
    ASSERT_TRUE(sink.shown);
    ASSERT_TRUE(SetWindowThreadKeyToggled(Window(), VK_NUMLOCK, false));
    ASSERT_EQ(NumLock(Window()), std::optional<bool>(false)) << "Num Lock could not be switched off";

    ASSERT_TRUE(BringToForeground(Window()));
    EXPECT_TRUE(WaitUntil([&] { return NumLock(Window()) == std::optional<bool>(true); }))
        << "Num Lock stayed off after activation";
}

// The window is active from its start, so its title bar must look active too, exactly as it
// does after the user has switched away and back.
TEST_F(CalculatorTest, CaptionIsDrawnActiveFromTheStart)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    Image atStart;
    ASSERT_TRUE(CaptureWindow(Window(), atStart));
    {
        FocusSinkInFront sink;
        ASSERT_TRUE(sink.shown);
    }
    Image reactivated;
    ASSERT_TRUE(CaptureWindow(Window(), reactivated));

    const RECT strip = CaptionStrip(Window());
    ASSERT_GT(strip.bottom, 0);
    const Image before = Crop(atStart, strip);
    const Image after = Crop(reactivated, strip);
    ASSERT_FALSE(before.Empty());
    EXPECT_TRUE(before.pixels == after.pixels) << "the title bar is drawn differently at start than after a "
                                                  "switch to another window and back";
}

}  // namespace
}  // namespace e2e
