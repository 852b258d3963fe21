// The option accelerators typed as real key chords: each reaches its command, and the test
// watches the command's effect on the window and its check mark in the system menu. The
// clipboard chords, Ctrl+B and Ctrl+L have their own files (clipboard, big font, loan window).
#include "calculator_fixture.h"
#include "command_ids.h"
#include "control_ids.h"
#include "key_delivery.h"
#include "screen_capture.h"
#include "wait.h"
#include "window_controls.h"
#include "window_probe.h"
#include "wine_paths.h"

namespace e2e {
namespace {

class AcceleratorTest : public CalculatorTest {
protected:
    testing::AssertionResult Ctrl(WORD key) { return PressChordAndWait(Window(), {VK_CONTROL}, key); }

    bool Topmost() const { return (GetWindowLongA(Window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

    // The inside of a control as drawn on the screen now.
    Image CaptureInside(int id, int inset)
    {
        Image window;
        EXPECT_TRUE(CaptureWindow(Window(), window));
        RECT inside = ClientAreaIn(Control(Window(), id), Window());
        InflateRect(&inside, -inset, -inset);
        return Crop(window, inside);
    }

    // Pixels of text in a control: clearly apart from its most common colour, the background.
    int Ink(int id)
    {
        const Image inside = CaptureInside(id, 2);
        return inside.Empty() ? 0 : CountInkPixels(inside, MostCommonColour(inside), 48);
    }
};

// Ctrl+T switches the tips, the "?..." key shows the option, and the menu checks it; a click
// on "?..." switches them back together.
TEST_F(AcceleratorTest, CtrlTTogglesTipsWithTheQuestionKey)
{
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Extended View", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_EQ(CheckState(Window(), IDC_KEY_TIPS), BST_UNCHECKED);

    ASSERT_TRUE(Ctrl('T'));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_SHOW_TIPS, true));
    EXPECT_EQ(CheckState(Window(), IDC_KEY_TIPS), BST_CHECKED);

    ASSERT_TRUE(Click(Window(), IDC_KEY_TIPS));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_SHOW_TIPS, false));
    EXPECT_EQ(CheckState(Window(), IDC_KEY_TIPS), BST_UNCHECKED);

    ASSERT_TRUE(Click(Window(), IDC_KEY_TIPS));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_SHOW_TIPS, true));
    ASSERT_TRUE(Ctrl('T'));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_SHOW_TIPS, false));
    EXPECT_EQ(CheckState(Window(), IDC_KEY_TIPS), BST_UNCHECKED);
}

// The calculator owns its tooltip window, which is topmost. Wine 8 does not make a window that
// owns a topmost popup topmost itself: SetWindowPos(HWND_TOPMOST) leaves WS_EX_TOPMOST clear
// and the window in the normal band (a bare owner with a topmost popup shows the same under
// Wine), so there the style can only be checked when it is cleared.
constexpr const char* kTopmostLimitation =
    "Wine does not make a window that owns a topmost popup (the calculator's tooltip window) topmost, "
    "so WS_EX_TOPMOST cannot be seen set here";

TEST_F(AcceleratorTest, CtrlASetsAndClearsTopmost)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_FALSE(Topmost());
    ASSERT_TRUE(Ctrl('A'));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_ALWAYS_ON_TOP, true));
    const bool platformCan = !RunningUnderWine();
    if (platformCan) {
        EXPECT_TRUE(WaitUntil([&] { return Topmost(); })) << "WS_EX_TOPMOST is not set";
    }
    ASSERT_TRUE(Ctrl('A'));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_ALWAYS_ON_TOP, false));
    EXPECT_TRUE(WaitUntil([&] { return !Topmost(); })) << "WS_EX_TOPMOST stayed set";
    if (!platformCan)
        GTEST_SKIP() << kTopmostLimitation;
}

// A stored "On Top" makes the window topmost from its start; the menu command clears it.
TEST_F(AcceleratorTest, StoredOnTopStartsTopmostAndTheCommandClearsIt)
{
    ASSERT_NO_FATAL_FAILURE(WriteSetting("On Top", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_ALWAYS_ON_TOP, true));
    if (RunningUnderWine())
        GTEST_SKIP() << kTopmostLimitation;
    EXPECT_TRUE(Topmost());
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_ALWAYS_ON_TOP));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_ALWAYS_ON_TOP, false));
    EXPECT_TRUE(WaitUntil([&] { return !Topmost(); })) << "WS_EX_TOPMOST stayed set";
}

TEST_F(AcceleratorTest, CtrlNDrawsTheValuesBold)
{
    ASSERT_NO_FATAL_FAILURE(
        WriteSetting("Last Values", REG_BINARY, DoubleBytes({12345678.0, 0.0, 12345678.0, 0.0})));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "12345678"));
    const int plain = Ink(IDC_PANEL_RESULT);
    ASSERT_GT(plain, 0) << "no text seen in the result panel";

    ASSERT_TRUE(Ctrl('N'));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_BOLD_VALUES, true));
    // Bold strokes are at least a pixel wider: eight digits gain far more than a tenth.
    EXPECT_TRUE(WaitUntil([&] { return Ink(IDC_PANEL_RESULT) > plain + plain / 10; }))
        << "plain " << plain << ", after Ctrl+N " << Ink(IDC_PANEL_RESULT);

    ASSERT_TRUE(Ctrl('N'));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_BOLD_VALUES, false));
    EXPECT_TRUE(WaitUntil([&] { return Ink(IDC_PANEL_RESULT) == plain; }))
        << "plain " << plain << ", after the second Ctrl+N " << Ink(IDC_PANEL_RESULT);
}

TEST_F(AcceleratorTest, CtrlPShowsTheDecimalComma)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(ClickAll(Window(), {IDC_KEY_DIGIT0 + 1, IDC_KEY_POINT, IDC_KEY_DIGIT0 + 5, IDC_KEY_ADD}));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "1.5"));

    ASSERT_TRUE(Ctrl('P'));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_COMMA, true));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "1,5"));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_CURRENT, "1,5"));

    ASSERT_TRUE(Ctrl('P'));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_COMMA, false));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "1.5"));
}

// In Memory mode seeds an empty memory with the current data; the extended view shows the
// memory in its upper right panel. The mode and the memory are kept at Close.
TEST_F(AcceleratorTest, CtrlISwitchesInMemoryModeAndSeedsTheMemory)
{
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Extended View", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(Click(Window(), IDC_KEY_DIGIT0 + 7));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_OTHER, "0"));

    ASSERT_TRUE(Ctrl('I'));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_IN_MEMORY_MODE, true));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_OTHER, "7"));
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    EXPECT_EQ(ReadSetting("In Memory"), (RegistryValue{REG_BINARY, {1}}));
    EXPECT_EQ(ReadSetting("Last Values"), (RegistryValue{REG_BINARY, DoubleBytes({0.0, 7.0, 0.0, 7.0})}));

    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_IN_MEMORY_MODE, true));
    ASSERT_TRUE(Ctrl('I'));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_IN_MEMORY_MODE, false));
    // Leaving the mode keeps the memory.
    EXPECT_EQ(ControlText(Window(), IDC_PANEL_OTHER), "7");
}

// Ctrl+D is a key of the window, not an accelerator: it shows the precision control and
// checks the menu item, and writes nothing.
TEST_F(AcceleratorTest, CtrlDShowsThePrecisionControlWithoutSaving)
{
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Extended View", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(ResetSettings());
    HWND edit = Control(Window(), IDC_PRECISION_EDIT);
    ASSERT_NE(edit, nullptr);
    ASSERT_FALSE(IsWindowVisible(edit));

    ASSERT_TRUE(Ctrl('D'));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_PRECISION_CONTROL, true));
    EXPECT_TRUE(IsWindowVisible(edit));
    EXPECT_TRUE(ReadAllValues(CurrentEdition().registryKey).empty()) << "Ctrl+D saved the settings";
}

// Soft keys have a one-pixel bevel, hard keys a two-pixel one: the second pixel in from the
// corner is the key's face only with the soft style.
TEST_F(AcceleratorTest, CtrlSSwitchesSoftButtons)
{
    if (!CurrentEdition().classic)
        GTEST_SKIP() << "the Styled edition has no Soft Buttons";
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const auto cornerIsFace = [&] {
        const Image key = CaptureInside(IDC_KEY_DIGIT0 + 5, 0);
        return !key.Empty() && key.At(1, 1) == MostCommonColour(key);
    };
    ASSERT_TRUE(cornerIsFace()) << "the first start's keys are not soft";

    ASSERT_TRUE(Ctrl('S'));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_SOFT_BUTTONS, false));
    EXPECT_TRUE(WaitUntil([&] { return !cornerIsFace(); })) << "the keys did not get the hard bevel";

    ASSERT_TRUE(Ctrl('S'));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_SOFT_BUTTONS, true));
    EXPECT_TRUE(WaitUntil(cornerIsFace)) << "the keys did not get the soft bevel back";
}

// Bold Buttons draws the key captions bold, except "<", "-" and ".", which keep the plain font.
TEST_F(AcceleratorTest, CtrlMDrawsTheKeysBold)
{
    if (!CurrentEdition().classic)
        GTEST_SKIP() << "the Styled edition has no Bold Buttons";
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const int plain = Ink(IDC_KEY_BACK);
    ASSERT_GT(plain, 0) << "no caption seen on the Back key";
    const int view = Ink(IDC_KEY_VIEW);
    const int minus = Ink(IDC_KEY_SUBTRACT);
    const int point = Ink(IDC_KEY_POINT);

    ASSERT_TRUE(Ctrl('M'));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_BOLD_BUTTONS, true));
    EXPECT_TRUE(WaitUntil([&] { return Ink(IDC_KEY_BACK) > plain + plain / 10; }))
        << "plain " << plain << ", after Ctrl+M " << Ink(IDC_KEY_BACK);
    EXPECT_EQ(Ink(IDC_KEY_VIEW), view) << "the \"<\" key took the bold font";
    EXPECT_EQ(Ink(IDC_KEY_SUBTRACT), minus) << "the \"-\" key took the bold font";
    EXPECT_EQ(Ink(IDC_KEY_POINT), point) << "the \".\" key took the bold font";

    ASSERT_TRUE(Ctrl('M'));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_BOLD_BUTTONS, false));
    EXPECT_TRUE(WaitUntil([&] { return Ink(IDC_KEY_BACK) == plain; }));
}

// The Styled edition has no Ctrl+M accelerator: the chord reaches the key map, where it is
// Memory Store.
TEST_F(AcceleratorTest, CtrlMStoresTheMemoryInTheStyledEdition)
{
    if (CurrentEdition().classic)
        GTEST_SKIP() << "Ctrl+M is Bold Buttons in the Classic edition";
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Extended View", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(ClickAll(Window(), {IDC_KEY_DIGIT0 + 4, IDC_KEY_DIGIT0 + 2}));
    ASSERT_TRUE(Ctrl('M'));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_OTHER, "42"));
}

}  // namespace
}  // namespace e2e
