// In Memory mode tints three panels: the extended A-M panel 2333 shows the A-M Info colour
// lightened by 3, the panel 2250 beside it that colour lightened by 3 again, and the Operation
// Info panel 2013 its colour lightened by 2 (each channel moved that part of the way to white,
// rounded to nearest). Leaving the mode gives the plain colours back.
#include "calculator_fixture.h"
#include "command_ids.h"
#include "control_ids.h"
#include "control_pixels.h"
#include "key_delivery.h"
#include "stored_colours.h"
#include "window_controls.h"
#include "window_probe.h"

namespace e2e {
namespace {

class InMemoryTintTest : public CalculatorTest {
protected:
    void Start(bool systemBackgrounds)
    {
        ASSERT_NO_FATAL_FAILURE(WriteSetting("Basic Colors", REG_BINARY, ColourBlock(TestBasicColours())));
        ASSERT_NO_FATAL_FAILURE(
            WriteSetting("System Backgrounds", REG_BINARY, {systemBackgrounds ? uint8_t(1) : uint8_t(0)}));
        ASSERT_NO_FATAL_FAILURE(WriteSetting("Extended View", REG_BINARY, {1}));
        ASSERT_NO_FATAL_FAILURE(StartCalculator());
        ASSERT_TRUE(Click(Window(), IDC_KEY_DIGIT0 + 7));
    }

    void SwitchInMemory(bool on)
    {
        ASSERT_TRUE(PressChordAndWait(Window(), {VK_CONTROL}, 'I'));
        ASSERT_TRUE(WaitForMenuCheck(Window(), IDM_IN_MEMORY_MODE, on));
    }

    // The backgrounds of 2333, 2250, 2013 and, untouched by the mode, 2012 and 2010.
    void ExpectBackgrounds(COLORREF otherLabel, COLORREF other, COLORREF lastOp, COLORREF upLabel,
                           COLORREF result)
    {
        Image capture;
        ASSERT_TRUE(CaptureWindow(Window(), capture));
        const auto inside = [&](int id) { return ControlPixels(capture, Window(), Window(), id, 1); };
        EXPECT_TRUE(BackgroundIs(inside(IDC_PANEL_OTHER_LABEL), otherLabel)) << "panel 2333";
        EXPECT_TRUE(BackgroundIs(inside(IDC_PANEL_OTHER), other)) << "panel 2250";
        EXPECT_TRUE(BackgroundIs(inside(IDC_PANEL_LAST_OP), lastOp)) << "panel 2013";
        EXPECT_TRUE(BackgroundIs(inside(IDC_PANEL_UP_LABEL), upLabel)) << "panel 2012";
        EXPECT_TRUE(BackgroundIs(inside(IDC_PANEL_RESULT), result)) << "panel 2010";
    }
};

TEST_F(InMemoryTintTest, InMemoryModeLightensThePanelsAndLeavingRestoresThem)
{
    ASSERT_NO_FATAL_FAILURE(Start(false));
    const auto& c = TestBasicColours();
    const COLORREF am = c[kAmInfoBack];
    ASSERT_NO_FATAL_FAILURE(ExpectBackgrounds(am, c[kResultBack], c[kOperationInfoBack], am, c[kResultBack]));

    ASSERT_NO_FATAL_FAILURE(SwitchInMemory(true));
    // (10, 100, 200) lightened by 3 is (92, 152, 218), and again (146, 186, 230); (100, 51, 7)
    // lightened by 2 is (178, 153, 131): 77.5 rounds to 78.
    ASSERT_EQ(Lightened(am, 3), RGB(92, 152, 218));
    ASSERT_EQ(Lightened(c[kOperationInfoBack], 2), RGB(178, 153, 131));
    ASSERT_NO_FATAL_FAILURE(ExpectBackgrounds(Lightened(am, 3), Lightened(Lightened(am, 3), 3),
                                              Lightened(c[kOperationInfoBack], 2), am, c[kResultBack]));
    const std::string path = ScreenshotPath(CurrentEdition().name + "-in-memory.png");
    if (!path.empty()) {
        Image capture;
        ASSERT_TRUE(CaptureWindow(Window(), capture));
        EXPECT_TRUE(SavePng(capture, path)) << path;
    }

    ASSERT_NO_FATAL_FAILURE(SwitchInMemory(false));
    ASSERT_NO_FATAL_FAILURE(ExpectBackgrounds(am, c[kResultBack], c[kOperationInfoBack], am, c[kResultBack]));
}

// With the system backgrounds the tint starts from the system's button face.
TEST_F(InMemoryTintTest, TintStartsFromTheSystemColoursWithSystemBackgrounds)
{
    ASSERT_NO_FATAL_FAILURE(Start(true));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    ASSERT_NO_FATAL_FAILURE(SwitchInMemory(true));
    ASSERT_NO_FATAL_FAILURE(ExpectBackgrounds(Lightened(face, 3), Lightened(Lightened(face, 3), 3),
                                              Lightened(face, 2), face, window));
    ASSERT_NO_FATAL_FAILURE(SwitchInMemory(false));
    ASSERT_NO_FATAL_FAILURE(ExpectBackgrounds(face, window, face, face, window));
}

// The mode stored on shows the tint from the start.
TEST_F(InMemoryTintTest, StoredInMemoryModeStartsTinted)
{
    ASSERT_NO_FATAL_FAILURE(WriteSetting("In Memory", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(Start(false));
    const auto& c = TestBasicColours();
    const COLORREF am = c[kAmInfoBack];
    ASSERT_NO_FATAL_FAILURE(ExpectBackgrounds(Lightened(am, 3), Lightened(Lightened(am, 3), 3),
                                              Lightened(c[kOperationInfoBack], 2), am, c[kResultBack]));
}

}  // namespace
}  // namespace e2e
