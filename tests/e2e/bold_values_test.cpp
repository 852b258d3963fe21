// "Bold Result" stored in the registry draws the value panels in the bold font. The same
// number is drawn once with the flag off and once on; bold strokes are wider, so the panel
// holds clearly more ink.
#include "calculator_fixture.h"
#include "control_ids.h"
#include "screen_capture.h"
#include "window_controls.h"

namespace e2e {
namespace {

class BoldValuesTest : public CalculatorTest {
protected:
    // Starts with the given flag and a number in the up window, and returns the inside of
    // panel 2010 as drawn on the screen.
    void CaptureResultPanel(uint8_t bold, Image& panel, std::string& text)
    {
        ASSERT_NO_FATAL_FAILURE(ResetSettings());
        ASSERT_NO_FATAL_FAILURE(WriteSetting("Bold Result", REG_BINARY, {bold}));
        ASSERT_NO_FATAL_FAILURE(
            WriteSetting("Last Values", REG_BINARY, DoubleBytes({12345678.0, 0.0, 12345678.0, 0.0})));
        ASSERT_NO_FATAL_FAILURE(StartCalculator());
        text = ControlText(Window(), IDC_PANEL_RESULT);
        Image window;
        ASSERT_TRUE(CaptureWindow(Window(), window));
        RECT inside = RelativeTo(ControlRect(Window(), IDC_PANEL_RESULT), WindowRect(Window()));
        // Leaves out the panel's frame, which is the same in both pictures.
        InflateRect(&inside, -2, -2);
        panel = Crop(window, inside);
        ASSERT_FALSE(panel.Empty());
        const std::string path =
            ScreenshotPath(CurrentEdition().name + (bold ? "-bold-values.png" : "-plain-values.png"));
        if (!path.empty()) {
            EXPECT_TRUE(SavePng(panel, path)) << path;
        }
        ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    }
};

TEST_F(BoldValuesTest, StoredBoldResultDrawsResultPanelBold)
{
    Image plain, bold;
    std::string plainText, boldText;
    ASSERT_NO_FATAL_FAILURE(CaptureResultPanel(0, plain, plainText));
    ASSERT_NO_FATAL_FAILURE(CaptureResultPanel(1, bold, boldText));
    ASSERT_EQ(plainText, "12345678");
    ASSERT_EQ(boldText, plainText);

    // Text pixels differ clearly from the panel's background; edge shades count too.
    const int kTolerance = 48;
    const int plainInk = CountInkPixels(plain, MostCommonColour(plain), kTolerance);
    const int boldInk = CountInkPixels(bold, MostCommonColour(bold), kTolerance);
    ASSERT_GT(plainInk, 0) << "no text seen in the plain panel";
    // A bold font adds at least a pixel column to every vertical stroke; eight digits get
    // far more than a tenth more ink from that.
    EXPECT_GT(boldInk, plainInk + plainInk / 10) << "plain " << plainInk << ", bold " << boldInk;
}

}  // namespace
}  // namespace e2e
