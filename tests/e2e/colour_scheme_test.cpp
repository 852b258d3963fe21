// The stored colour scheme on the screen: with "Basic Colors" and "Extended Colors" written
// before the start, the panels, the keys' faces and captions and the dialog background show
// exactly those colours; with "System Backgrounds" the backgrounds are the system's colours
// while the text colours stay.
#include "calculator_fixture.h"
#include "control_ids.h"
#include "control_pixels.h"
#include "stored_colours.h"
#include "wait.h"
#include "window_controls.h"

#include <vector>

namespace e2e {
namespace {

struct KeyFamily {
    const char* name;
    std::vector<int> ids;
    COLORREF text;
};

class ColourSchemeTest : public CalculatorTest {
protected:
    // Stores the test scheme and starts in the extended view with 2 + 3 pending: every panel
    // holds text, the Operation Info panel shows "+".
    void StartWithTestColours(bool systemBackgrounds)
    {
        ASSERT_NO_FATAL_FAILURE(WriteSetting("Basic Colors", REG_BINARY, ColourBlock(TestBasicColours())));
        ASSERT_NO_FATAL_FAILURE(
            WriteSetting("Extended Colors", REG_BINARY, ColourBlock(TestExtendedColours())));
        ASSERT_NO_FATAL_FAILURE(
            WriteSetting("System Backgrounds", REG_BINARY, {systemBackgrounds ? uint8_t(1) : uint8_t(0)}));
        ASSERT_NO_FATAL_FAILURE(WriteSetting("Extended View", REG_BINARY, {1}));
        ASSERT_NO_FATAL_FAILURE(StartCalculator());
        ASSERT_TRUE(ClickAll(Window(), {IDC_KEY_DIGIT0 + 2, IDC_KEY_ADD, IDC_KEY_DIGIT0 + 3}));
        ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_LAST_OP, "+"));
        ASSERT_TRUE(CaptureWindow(Window(), capture_));
    }

    Image Pixels(int id, int inset = 0) const
    {
        return ControlPixels(capture_, Window(), Window(), id, inset);
    }

    // A point of the dialog's own background: in its client area, under no control.
    COLORREF DialogBackgroundPixel() const
    {
        for (int y = 1; y < 40; ++y) {
            for (int x = 1; x < 40; ++x) {
                POINT client{x, y};
                if (ChildWindowFromPointEx(Window(), client, CWP_SKIPINVISIBLE) != Window())
                    continue;
                POINT screen = client;
                ClientToScreen(Window(), &screen);
                const RECT outer = WindowRect(Window());
                return capture_.At(screen.x - outer.left, screen.y - outer.top);
            }
        }
        ADD_FAILURE() << "no bare dialog background found near the client area's corner";
        return CLR_INVALID;
    }

    void ExpectPanels(COLORREF enterBack, COLORREF resultBack, COLORREF amBack, COLORREF opBack)
    {
        const auto& c = TestBasicColours();
        // Inside the panels, away from their edges.
        EXPECT_TRUE(BackgroundIs(Pixels(IDC_PANEL_CURRENT, 1), enterBack)) << "panel 2011";
        EXPECT_TRUE(BackgroundIs(Pixels(IDC_PANEL_INTEGER, 1), enterBack)) << "panel 2251";
        EXPECT_TRUE(BackgroundIs(Pixels(IDC_PANEL_RESULT, 1), resultBack)) << "panel 2010";
        EXPECT_TRUE(BackgroundIs(Pixels(IDC_PANEL_OTHER, 1), resultBack)) << "panel 2250";
        EXPECT_TRUE(BackgroundIs(Pixels(IDC_PANEL_UP_LABEL, 1), amBack)) << "panel 2012";
        EXPECT_TRUE(BackgroundIs(Pixels(IDC_PANEL_OTHER_LABEL, 1), amBack)) << "panel 2333";
        EXPECT_TRUE(BackgroundIs(Pixels(IDC_PANEL_LAST_OP, 1), opBack)) << "panel 2013";
        // The accumulator is active: the up panels show it in its colour, the right-hand
        // panels the memory in the memory's.
        EXPECT_TRUE(HasPixelsOf(Pixels(IDC_PANEL_CURRENT), c[kEnterText])) << "text of 2011";
        EXPECT_TRUE(HasPixelsOf(Pixels(IDC_PANEL_INTEGER), c[kEnterText])) << "text of 2251";
        EXPECT_TRUE(HasPixelsOf(Pixels(IDC_PANEL_RESULT), c[kAccText])) << "text of 2010";
        EXPECT_TRUE(HasPixelsOf(Pixels(IDC_PANEL_UP_LABEL), c[kAccText])) << "text of 2012";
        EXPECT_TRUE(HasPixelsOf(Pixels(IDC_PANEL_OTHER), c[kMemText])) << "text of 2250";
        EXPECT_TRUE(HasPixelsOf(Pixels(IDC_PANEL_OTHER_LABEL), c[kMemText])) << "text of 2333";
        // "+" is an Operations 1 key.
        EXPECT_TRUE(HasPixelsOf(Pixels(IDC_PANEL_LAST_OP), c[kOperations1Text])) << "text of 2013";
    }

    std::vector<KeyFamily> KeyFamilies() const
    {
        const auto& b = TestBasicColours();
        const auto& e = TestExtendedColours();
        std::vector<KeyFamily> families = {
            {"Memory", {IDC_KEY_MC, IDC_KEY_MR, IDC_KEY_MS, IDC_KEY_MPLUS}, b[kMemoryKeysText]},
            {"Digits",
             {2110, 2111, 2112, 2113, 2114, 2115, 2116, 2117, 2118, 2119, IDC_KEY_SIGN, IDC_KEY_POINT},
             b[kDigitKeysText]},
            {"Operations 1", {2133, 2134, 2135, 2136, 2137, 2138}, b[kOperations1Text]},
            {"Operations 2", {IDC_KEY_SQRT, IDC_KEY_RECIPROCAL}, b[kOperations2Text]},
            {"Clear", {IDC_KEY_BACK, IDC_KEY_DELETE, IDC_KEY_CLEAR}, b[kClearKeysText]},
            {"Extension", {IDC_KEY_VIEW}, b[kExtensionKeyText]},
            {"A", {IDC_KEY_ACC}, b[kAccText]},
            {"M", {IDC_KEY_MEM}, b[kMemText]},
            {"Constants", {IDC_KEY_E, IDC_KEY_PI}, e[kConstantsText]},
            {"Operations 3",
             {2200, 2201, 2202, 2203, 2204, 2205, 2206, 2207, 2208, 2209, 2210, 2211, 2212},
             e[kOperations3Text]},
            {"Swap", {IDC_KEY_SWAP}, e[kSwapKeyText]},
            {"Question", {IDC_KEY_TIPS}, e[kQuestionKeyText]},
        };
        return families;
    }

    // Every enabled key of every family shows its caption colour (a disabled key draws its
    // caption embossed, in other colours); `face` is the key background, where a key is not
    // pressed in.
    void ExpectKeys(COLORREF face)
    {
        for (const KeyFamily& family : KeyFamilies()) {
            int checked = 0;
            for (int id : family.ids) {
                if (!IsControlEnabled(Window(), id))
                    continue;
                ++checked;
                const Image key = Pixels(id);
                EXPECT_TRUE(HasPixelsOf(key, family.text)) << family.name << " key " << id;
                if (CheckState(Window(), id) != BST_CHECKED) {
                    EXPECT_TRUE(BackgroundIs(key, face)) << family.name << " key " << id;
                }
            }
            EXPECT_GT(checked, 0) << "no enabled key of the " << family.name << " family to look at";
        }
    }

    Image capture_;
};

TEST_F(ColourSchemeTest, StoredColoursAreShown)
{
    ASSERT_NO_FATAL_FAILURE(StartWithTestColours(false));
    const auto& c = TestBasicColours();
    ExpectPanels(c[kEnterBack], c[kResultBack], c[kAmInfoBack], c[kOperationInfoBack]);
    EXPECT_EQ(DialogBackgroundPixel(), c[kDialogBack]) << ColourText(DialogBackgroundPixel());
    // The radio buttons sit on the dialog background.
    EXPECT_TRUE(BackgroundIs(Pixels(IDC_RADIO_DEC), c[kDialogBack])) << "radio 2352";
    EXPECT_TRUE(BackgroundIs(Pixels(IDC_RADIO_DEGREES), c[kDialogBack])) << "radio 2350";
    if (CurrentEdition().classic) {
        ExpectKeys(c[kKeyBack]);
    } else {
        // The Styled edition's keys are the system's push buttons: the key colours are
        // stored, never shown.
        const Image key = Pixels(IDC_KEY_DIGIT0 + 5);
        EXPECT_TRUE(HasNoPixelsOf(key, c[kDigitKeysText])) << "key 2115";
        EXPECT_TRUE(HasNoPixelsOf(key, c[kKeyBack])) << "key 2115";
    }
    const std::string path = ScreenshotPath(CurrentEdition().name + "-colours.png");
    if (!path.empty()) {
        EXPECT_TRUE(SavePng(capture_, path)) << path;
    }
}

TEST_F(ColourSchemeTest, SystemBackgroundsShowSystemColoursAndKeepTextColours)
{
    ASSERT_NO_FATAL_FAILURE(StartWithTestColours(true));
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    ExpectPanels(window, window, face, face);
    EXPECT_EQ(DialogBackgroundPixel(), face) << ColourText(DialogBackgroundPixel());
    if (CurrentEdition().classic)
        ExpectKeys(face);
}

}  // namespace
}  // namespace e2e
