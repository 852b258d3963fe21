// The loan window as a window: Ctrl+L opens it on a first start with its default loan and
// disables the calculator until it closes; its escape options; Big Font re-creation; the
// calculator's colours on its panels and keys; and one loan window only.
#include "app_process.h"
#include "command_ids.h"
#include "control_ids.h"
#include "control_pixels.h"
#include "key_delivery.h"
#include "keyboard_input.h"
#include "loan_fixture.h"
#include "resource_ids.h"
#include "stored_colours.h"
#include "wait.h"
#include "window_controls.h"
#include "window_probe.h"

namespace e2e {
namespace {

class LoanWindowTest : public LoanTest {
protected:
    testing::AssertionResult LoanChecksAre(bool exit, bool clear)
    {
        testing::AssertionResult e = WaitForMenuCheck(Loan(), IDM_EXIT_ON_ESCAPE, exit);
        if (!e)
            return e;
        return WaitForMenuCheck(Loan(), IDM_CLEAR_ON_ESCAPE, clear);
    }

    LONG LoanFontHeight()
    {
        const std::optional<LOGFONTA> font = ReadDialogFont(Loan());
        EXPECT_TRUE(font.has_value()) << "the loan window's font could not be read";
        return font ? font->lfHeight : 0;
    }

    // A point of the loan window's own background: in its client area, under no control.
    COLORREF BackgroundPixel(const Image& capture) const
    {
        for (int y = 1; y < 40; ++y) {
            for (int x = 1; x < 40; ++x) {
                POINT client{x, y};
                if (ChildWindowFromPointEx(Loan(), client, CWP_SKIPINVISIBLE) != Loan())
                    continue;
                ClientToScreen(Loan(), &client);
                const RECT outer = WindowRect(Loan());
                return capture.At(client.x - outer.left, client.y - outer.top);
            }
        }
        ADD_FAILURE() << "no bare window background found near the client area's corner";
        return CLR_INVALID;
    }
};

TEST_F(LoanWindowTest, CtrlLOpensTheDefaultLoanAndDisablesTheCalculator)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    EXPECT_TRUE(LoanShows("1 000", "10%", "12", "87.92 - 1 054.99"));
    EXPECT_EQ(SelectedField(), 0);
    EXPECT_FALSE(IsWindowEnabled(Window())) << "the calculator can be used while the loan window is open";
    EXPECT_TRUE(LoanChecksAre(true, false));
    if (CurrentEdition().classic) {
        EXPECT_TRUE(WaitForMenuCheck(Loan(), IDM_SOFT_BUTTONS, true));
    }
    Image capture;
    ASSERT_TRUE(CaptureWindow(Loan(), capture));
    const std::string path = ScreenshotPath(CurrentEdition().name + "-loan.png");
    if (!path.empty()) {
        EXPECT_TRUE(SavePng(capture, path)) << path;
    }

    ASSERT_NO_FATAL_FAILURE(CloseLoan());
    EXPECT_EQ(ReadLoanSetting("Amount"), (RegistryValue{REG_SZ, TextBytes("1000")}));
    EXPECT_EQ(ReadLoanSetting("Percent"), (RegistryValue{REG_SZ, TextBytes("10%")}));
    EXPECT_EQ(ReadLoanSetting("Months"), (RegistryValue{REG_SZ, TextBytes("12")}));
    // The calculator takes clicks and typing again.
    ASSERT_TRUE(ClickAll(Window(), {IDC_KEY_DIGIT0 + 2, IDC_KEY_ADD, IDC_KEY_DIGIT0 + 3, IDC_KEY_EQUALS}));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "5"));
    ASSERT_TRUE(BringToForeground(Window()));
    ASSERT_TRUE(TypeText("4*2="));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "8"));
}

// The loan window's own system menu, as its first opening shows it.
TEST_F(LoanWindowTest, SystemMenuHoldsTheLoanOptions)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    const bool classic = CurrentEdition().classic;
    std::vector<ExpectedMenuItem> items = {
        {0, ""}, {IDM_SHOW_TIPS, "Show Tips\tCtrl+T"},           {IDM_QUICK_HELP, "Quick Help...\tF1"},
        {0, ""}, {IDM_EXIT_ON_ESCAPE, "Exit on Escape"},         {IDM_CLEAR_ON_ESCAPE, "Clear on Escape"},
        {0, ""}, {IDM_MULTIPLE_INSTANCES, "Multiple Instances"}, {IDM_ALWAYS_ON_TOP, "Always On Top\tCtrl+A"},
        {0, ""},
    };
    if (classic) {
        items.push_back({IDM_BOLD_BUTTONS, "Bold Buttons\tCtrl+M"});
        items.push_back({IDM_SOFT_BUTTONS, "&Soft Buttons\tCtrl+S"});
        items.push_back({0, ""});
    }
    const std::vector<ExpectedMenuItem> rest = {
        {IDM_BOLD_VALUES, "Bold Values\tCtrl+N"},
        {IDM_BIG_FONT, "Big Font\tCtrl+B"},
        {IDM_COMMA, "Comma\tCtrl+P"},
        {0, ""},
        {IDM_PAYMENT_SCHEDULE, "Payment Schedule...\tCtrl+R"},
        {IDM_PASTE, "Paste\tCtrl+V"},
        {IDM_COPY, "Copy\tCtrl+C"},
    };
    items.insert(items.end(), rest.begin(), rest.end());
    const std::optional<std::vector<MenuItem>> menu = ReadSystemMenu(Loan());
    ASSERT_TRUE(menu.has_value()) << "the loan window's menu could not be read";
    EXPECT_TRUE(MenuIsPlatformItemsAnd(*menu, items));
    // A first opening: Exit on Escape and, where they exist, soft keys are on.
    if (classic)
        EXPECT_TRUE(OnlyTheseChecked(*menu, {IDM_EXIT_ON_ESCAPE, IDM_SOFT_BUTTONS}));
    else
        EXPECT_TRUE(OnlyTheseChecked(*menu, {IDM_EXIT_ON_ESCAPE}));
}

// The loan window opens where it was closed.
TEST_F(LoanWindowTest, ReopensWhereItWasClosed)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_TRUE(MoveWindowTo(Loan(), 240, 130));
    ASSERT_NO_FATAL_FAILURE(CloseLoan());
    EXPECT_EQ(ReadLoanSetting("x,y"), (RegistryValue{REG_BINARY, Int32Bytes({240, 130})}));
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    EXPECT_EQ(WindowRect(Loan()).left, 240);
    EXPECT_EQ(WindowRect(Loan()).top, 130);
}

TEST_F(LoanWindowTest, EscapeOptionsAreExclusiveAndAct)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_TRUE(LoanChecksAre(true, false));

    // Every loan command saves at once.
    ASSERT_TRUE(PostSystemCommand(Loan(), IDM_CLEAR_ON_ESCAPE));
    EXPECT_TRUE(LoanChecksAre(false, true));
    EXPECT_TRUE(WaitUntil([&] {
        return ReadLoanSetting("Clear by Escape") == RegistryValue{REG_BINARY, {1}} &&
               ReadLoanSetting("Exit by Escape") == RegistryValue{REG_BINARY, {0}};
    }));
    ASSERT_TRUE(PressKeyAndWait(Loan(), VK_ESCAPE));
    EXPECT_TRUE(LoanShows("", "%", "", ""));
    EXPECT_TRUE(IsWindow(Loan())) << "Clear on Escape closed the loan window";
    EXPECT_FALSE(IsControlEnabled(Loan(), IDC_LOAN_COMPUTE));

    ASSERT_TRUE(PostSystemCommand(Loan(), IDM_CLEAR_ON_ESCAPE));
    EXPECT_TRUE(LoanChecksAre(false, false));
    ASSERT_TRUE(PostSystemCommand(Loan(), IDM_CLEAR_ON_ESCAPE));
    ASSERT_TRUE(PostSystemCommand(Loan(), IDM_EXIT_ON_ESCAPE));
    EXPECT_TRUE(LoanChecksAre(true, false));

    ASSERT_TRUE(BringToForeground(Loan()));
    ASSERT_TRUE(TypeText("5"));
    ASSERT_TRUE(LoanReads(IDC_LOAN_AMOUNT, "5"));
    ASSERT_TRUE(PressKey(VK_ESCAPE));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(Loan()); }))
        << "Exit on Escape did not close the loan window";
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(Window()) != FALSE; }));
    EXPECT_TRUE(app_.Running()) << "Escape in the loan window ended the calculator";
    EXPECT_EQ(ReadLoanSetting("Amount"), (RegistryValue{REG_SZ, TextBytes("5")}));
    EXPECT_EQ(ReadLoanSetting("Percent"), (RegistryValue{REG_SZ, TextBytes("%")}));
}

TEST_F(LoanWindowTest, BigFontRoundTripKeepsInputsAndPlace)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_TRUE(BringToForeground(Loan()));
    ASSERT_TRUE(TypeText("5"));
    ASSERT_TRUE(LoanReads(IDC_LOAN_AMOUNT, "10 005"));
    ASSERT_TRUE(MoveWindowTo(Loan(), 200, 150));
    const RECT small = WindowRect(Loan());
    ASSERT_EQ(LoanFontHeight(), FontHeightForPoints(8));

    HWND first = Loan();
    ASSERT_TRUE(PressChord({VK_CONTROL}, 'B'));
    ASSERT_NO_FATAL_FAILURE(WaitForRecreatedLoan(first));
    EXPECT_EQ(ReadLoanSetting("Big Font"), (RegistryValue{REG_BINARY, {1}}));
    EXPECT_EQ(LoanFontHeight(), FontHeightForPoints(10)) << "the new loan window is not on template 571";
    const RECT big = WindowRect(Loan());
    EXPECT_GT(Width(big), Width(small));
    EXPECT_GT(Height(big), Height(small));
    EXPECT_EQ(big.left, 200);
    EXPECT_EQ(big.top, 150);
    EXPECT_TRUE(LoanShows("10 005", "10%", "12", "879.60 - 10 555.18"));
    EXPECT_TRUE(WaitForMenuCheck(Loan(), IDM_BIG_FONT, true));
    EXPECT_FALSE(IsWindowEnabled(Window()));

    HWND second = Loan();
    ASSERT_TRUE(BringToForeground(second));
    ASSERT_TRUE(PressChord({VK_CONTROL}, 'B'));
    ASSERT_NO_FATAL_FAILURE(WaitForRecreatedLoan(second));
    EXPECT_EQ(ReadLoanSetting("Big Font"), (RegistryValue{REG_BINARY, {0}}));
    EXPECT_EQ(LoanFontHeight(), FontHeightForPoints(8));
    const RECT again = WindowRect(Loan());
    EXPECT_EQ(Width(again), Width(small));
    EXPECT_EQ(Height(again), Height(small));
    EXPECT_EQ(again.left, 200);
    EXPECT_EQ(again.top, 150);
    EXPECT_TRUE(LoanShows("10 005", "10%", "12", "879.60 - 10 555.18"));
}

class LoanBoldTest : public LoanWindowTest {
protected:
    int Ink(int id)
    {
        Image capture;
        EXPECT_TRUE(CaptureWindow(Loan(), capture));
        const Image inside = ControlPixels(capture, Loan(), Loan(), id, 2);
        return inside.Empty() ? 0 : CountInkPixels(inside, MostCommonColour(inside), 48);
    }
};

// Bold Values of the loan window turns its panels bold and is saved at once.
TEST_F(LoanBoldTest, CtrlNDrawsThePanelsBold)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    const int result = Ink(IDC_LOAN_RESULT);
    ASSERT_GT(result, 0);
    ASSERT_TRUE(PressChordAndWait(Loan(), {VK_CONTROL}, 'N'));
    EXPECT_TRUE(WaitForMenuCheck(Loan(), IDM_BOLD_VALUES, true));
    EXPECT_TRUE(WaitUntil([&] { return Ink(IDC_LOAN_RESULT) > result + result / 10; }))
        << "plain " << result << ", bold " << Ink(IDC_LOAN_RESULT);
    EXPECT_TRUE(WaitUntil([&] {
        return ReadLoanSetting("Bold Result") == RegistryValue{REG_BINARY, {1}};
    })) << "Bold Values was not saved at once";
}

// Bold Buttons turns the digit keys bold; the "." key keeps the plain font.
TEST_F(LoanBoldTest, CtrlMDrawsTheDigitKeysBold)
{
    if (!CurrentEdition().classic)
        GTEST_SKIP() << "the Styled edition has no Bold Buttons";
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    // Wide digits: 0 and 8.
    const int zero = Ink(IDC_KEY_DIGIT0);
    const int eight = Ink(IDC_KEY_DIGIT0 + 8);
    const int point = Ink(IDC_KEY_POINT);
    ASSERT_TRUE(PressChordAndWait(Loan(), {VK_CONTROL}, 'M'));
    EXPECT_TRUE(WaitForMenuCheck(Loan(), IDM_BOLD_BUTTONS, true));
    EXPECT_TRUE(WaitUntil([&] { return Ink(IDC_KEY_DIGIT0) > zero && Ink(IDC_KEY_DIGIT0 + 8) > eight; }))
        << "the digit keys did not turn bold";
    EXPECT_EQ(Ink(IDC_KEY_POINT), point) << "the \".\" key took the bold font";
    EXPECT_TRUE(WaitUntil([&] {
        return ReadLoanSetting("Bold Button") == RegistryValue{REG_BINARY, {1}};
    })) << "Bold Buttons was not saved at once";
}

TEST_F(LoanWindowTest, LoanWindowTakesTheCalculatorsColours)
{
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Basic Colors", REG_BINARY, ColourBlock(TestBasicColours())));
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    const auto& c = TestBasicColours();
    const std::array<COLORREF, 9> handedOver = {c[kEnterText],       c[kAccText],       c[kEnterBack],
                                                c[kResultBack],      c[kDigitKeysText], c[kOperations1Text],
                                                c[kOperations2Text], c[kDialogBack],    c[kKeyBack]};
    EXPECT_EQ(ReadLoanSetting("Colors"), (RegistryValue{REG_BINARY, ColourBlock(handedOver)}));
    EXPECT_EQ(ReadLoanSetting("System Backgrounds"), (RegistryValue{REG_BINARY, {0}}));

    Image capture;
    ASSERT_TRUE(CaptureWindow(Loan(), capture));
    const auto pixels = [&](int id, int inset) { return ControlPixels(capture, Loan(), Loan(), id, inset); };
    for (int id : {IDC_LOAN_AMOUNT, IDC_LOAN_RATE, IDC_LOAN_TERM}) {
        EXPECT_TRUE(BackgroundIs(pixels(id, 1), c[kEnterBack])) << "panel " << id;
        EXPECT_TRUE(HasPixelsOf(pixels(id, 0), c[kEnterText])) << "panel " << id;
    }
    EXPECT_TRUE(BackgroundIs(pixels(IDC_LOAN_RESULT, 1), c[kResultBack])) << "result panel";
    EXPECT_TRUE(HasPixelsOf(pixels(IDC_LOAN_RESULT, 0), c[kAccText])) << "result panel";
    EXPECT_EQ(BackgroundPixel(capture), c[kDialogBack]) << ColourText(BackgroundPixel(capture));
    EXPECT_TRUE(BackgroundIs(pixels(IDC_LOAN_RADIO_RATE, 0), c[kDialogBack])) << "radio 2340";
    if (CurrentEdition().classic) {
        for (int id = IDC_KEY_DIGIT0; id <= IDC_KEY_DIGIT9; ++id) {
            EXPECT_TRUE(BackgroundIs(pixels(id, 0), c[kKeyBack])) << "key " << id;
            EXPECT_TRUE(HasPixelsOf(pixels(id, 0), c[kDigitKeysText])) << "key " << id;
        }
        EXPECT_TRUE(BackgroundIs(pixels(IDC_LOAN_COMPUTE, 0), c[kKeyBack])) << "\"=\" key";
        EXPECT_TRUE(HasPixelsOf(pixels(IDC_LOAN_COMPUTE, 0), c[kOperations1Text])) << "\"=\" key";
        EXPECT_TRUE(BackgroundIs(pixels(IDC_KEY_POINT, 0), c[kKeyBack])) << "\".\" key";
        EXPECT_TRUE(HasPixelsOf(pixels(IDC_KEY_POINT, 0), c[kOperations2Text])) << "\".\" key";
    } else {
        EXPECT_TRUE(HasNoPixelsOf(pixels(IDC_KEY_DIGIT0 + 5, 0), c[kDigitKeysText])) << "key 2115";
    }
    const std::string path = ScreenshotPath(CurrentEdition().name + "-loan-colours.png");
    if (!path.empty()) {
        EXPECT_TRUE(SavePng(capture, path)) << path;
    }
}

// With the system backgrounds the window and its keys take the button face; the field radios
// keep a patch of the handed-over window colour.
TEST_F(LoanWindowTest, SystemBackgroundsReachTheLoanWindow)
{
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Basic Colors", REG_BINARY, ColourBlock(TestBasicColours())));
    ASSERT_NO_FATAL_FAILURE(WriteSetting("System Backgrounds", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    EXPECT_EQ(ReadLoanSetting("System Backgrounds"), (RegistryValue{REG_BINARY, {1}}));
    const auto& c = TestBasicColours();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    Image capture;
    ASSERT_TRUE(CaptureWindow(Loan(), capture));
    const auto pixels = [&](int id, int inset) { return ControlPixels(capture, Loan(), Loan(), id, inset); };
    EXPECT_EQ(BackgroundPixel(capture), face) << ColourText(BackgroundPixel(capture));
    EXPECT_TRUE(BackgroundIs(pixels(IDC_LOAN_RADIO_AMOUNT, 0), c[kDialogBack])) << "radio 2338";
    if (CurrentEdition().classic) {
        EXPECT_TRUE(BackgroundIs(pixels(IDC_KEY_DIGIT0 + 5, 0), face)) << "key 2115";
    }
}

// A second calculator (multiple instances allowed) asks for a loan window while the first
// one's is open: the open one comes forward and no second one opens.
TEST_F(LoanWindowTest, OnlyOneLoanWindowOpens)
{
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Run Multiple", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(OpenLoan());

    AppProcess second;
    std::string error;
    ASSERT_TRUE(second.Start(CurrentOptions().exePath, error)) << error;
    const HWND other = second.WaitForWindow(CurrentEdition().title, 30000, Window());
    ASSERT_NE(other, nullptr) << "the second calculator did not open";
    ASSERT_TRUE(PressChordAndWait(other, {VK_CONTROL}, 'L'));

    EXPECT_TRUE(ProcessWindowsTitled(second.ProcessId(), CurrentEdition().loanTitle).empty())
        << "the second calculator opened a loan window of its own";
    EXPECT_EQ(TopLevelWindowsTitled(CurrentEdition().loanTitle).size(), 1u);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == Loan(); }))
        << "the open loan window was not brought forward";
    EXPECT_TRUE(IsWindowEnabled(other)) << "the second calculator stayed disabled";
    EXPECT_TRUE(second.Close(10000));
}

}  // namespace
}  // namespace e2e
