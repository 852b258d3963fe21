// Pictures of the window in both views, for a person to look at; the checks only make sure
// that a real window was captured.
#include "calculator_fixture.h"
#include "control_ids.h"
#include "screen_capture.h"
#include "window_controls.h"

#include <set>

namespace e2e {
namespace {

void ExpectWindowPicture(HWND window, const std::string& path)
{
    Image image;
    ASSERT_TRUE(CaptureWindow(window, image));
    const RECT rect = WindowRect(window);
    EXPECT_EQ(image.width, rect.right - rect.left);
    EXPECT_EQ(image.height, rect.bottom - rect.top);
    // A caption, panels, keys and text: far more than a handful of colours.
    const std::set<COLORREF> colours(image.pixels.begin(), image.pixels.end());
    EXPECT_GE(colours.size(), 4u) << "the picture is nearly blank";
    if (!path.empty()) {
        EXPECT_TRUE(SavePng(image, path)) << path;
    }
}

TEST_F(CalculatorTest, ScreenshotsOfBothViews)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(ClickAll(
        Window(), {IDC_KEY_DIGIT0 + 1, IDC_KEY_DIGIT0 + 2, IDC_KEY_ADD, IDC_KEY_DIGIT0 + 5, IDC_KEY_EQUALS}));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "17"));
    ASSERT_NO_FATAL_FAILURE(
        ExpectWindowPicture(Window(), ScreenshotPath(CurrentEdition().name + "-basic.png")));

    ASSERT_TRUE(Click(Window(), IDC_KEY_VIEW));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_KEY_VIEW, "<"));
    ASSERT_NO_FATAL_FAILURE(
        ExpectWindowPicture(Window(), ScreenshotPath(CurrentEdition().name + "-extended.png")));
}

}  // namespace
}  // namespace e2e
