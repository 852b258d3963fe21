// The link buttons of the About window: a click on the caption hands the maker's link to the
// shell's "open" verb; the shell's handler for the link's scheme is replaced by a recorder for
// the test. A press that leaves the caption before its release, and a click beside the
// caption, open nothing.
#include "calculator_fixture.h"
#include "control_pixels.h"
#include "input_watch.h"
#include "key_delivery.h"
#include "link_handler.h"
#include "mouse_input.h"
#include "resource_ids.h"
#include "screen_capture.h"
#include "wait.h"
#include "window_controls.h"

namespace e2e {
namespace {

constexpr const char* kMailLink = "mailto:tallyra@brimwold.example?subject=Tallyra";
constexpr const char* kWebAddress = "https://www.brimwold.example/tallyra";

class LinkButtonTest : public CalculatorTest {
protected:
    void TearDown() override
    {
        if (about_ != nullptr && IsWindow(about_)) {
            PostMessageA(about_, WM_CLOSE, 0, 0);
            WaitUntil([&] { return !IsWindow(about_); });
        }
        CalculatorTest::TearDown();
    }

    void OpenAbout()
    {
        ASSERT_NO_FATAL_FAILURE(StartCalculator());
        ASSERT_TRUE(PressKeyAndWait(Window(), VK_F1));
        about_ = WaitForAboutWindow();
        ASSERT_NE(about_, nullptr);
    }

    // Waits until every recorder the shell started has ended, then gives what they wrote.
    std::vector<std::string> RecordedOnceSettled(const RecordingLinkHandler& handler)
    {
        EXPECT_TRUE(WaitUntil([] { return RunningLinkRecorders() == 0; }, 20000))
            << "a recorder keeps running";
        return handler.Recorded();
    }

    // A real click on the middle of the button, where its centred caption is. The pointer
    // comes from elsewhere, as a user's does: the caption reacts to the pointer moving onto it.
    testing::AssertionResult ClickCaption(int id)
    {
        const testing::AssertionResult away = MovePointerOnto(about_, Away());
        if (!away)
            return away;
        const POINT caption = CentreOf(ControlRect(about_, id));
        const testing::AssertionResult onto = MovePointerOnto(about_, caption);
        if (!onto)
            return onto;
        InputWatch watch(about_);
        if (!ClickAt(caption))
            return testing::AssertionFailure() << "the click could not be made";
        return watch.WaitUntilHandled([&] { return watch.LeftButtonUps() > 0; }, "the click");
    }

    // Who has the mouse and where it is, for failure messages.
    std::string PointerState() const
    {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(about_, nullptr), &info);
        POINT at{};
        GetCursorPos(&at);
        const RECT button = ControlRect(about_, IDC_ABOUT_WRITE_LETTER);
        return "pointer at " + std::to_string(at.x) + "," + std::to_string(at.y) + ", capture " +
               std::to_string(GetDlgCtrlID(info.hwndCapture)) + ", under the pointer " +
               std::to_string(GetDlgCtrlID(WindowFromPoint(at))) + ", button " + std::to_string(button.left) +
               "," + std::to_string(button.top) + "-" + std::to_string(button.right) + "," +
               std::to_string(button.bottom) + ", the About window " +
               (GetForegroundWindow() == about_ ? "in front" : "not in front");
    }

    // Where the pointer rests when it is over nothing that reacts: the middle of the help text.
    POINT Away() const { return CentreOf(ControlRect(about_, IDC_ABOUT_HELP)); }

    HWND about_ = nullptr;
};

TEST_F(LinkButtonTest, WriteLetterOpensTheMailLink)
{
    RecordingLinkHandler handler("mailto");
    ASSERT_TRUE(handler.Installed()) << handler.Error();
    ASSERT_NO_FATAL_FAILURE(OpenAbout());
    ASSERT_TRUE(ClickCaption(IDC_ABOUT_WRITE_LETTER));
    EXPECT_TRUE(WaitUntil([&] { return !handler.Recorded().empty(); }, 20000)) << "the shell opened nothing";
    EXPECT_EQ(RecordedOnceSettled(handler), std::vector<std::string>{kMailLink});
}

TEST_F(LinkButtonTest, VisitSiteOpensTheWebAddress)
{
    RecordingLinkHandler handler("https");
    ASSERT_TRUE(handler.Installed()) << handler.Error();
    ASSERT_NO_FATAL_FAILURE(OpenAbout());
    ASSERT_TRUE(ClickCaption(IDC_ABOUT_VISIT_SITE));
    EXPECT_TRUE(WaitUntil([&] { return !handler.Recorded().empty(); }, 20000)) << "the shell opened nothing";
    EXPECT_EQ(RecordedOnceSettled(handler), std::vector<std::string>{kWebAddress});
}

// Idle, the caption is drawn in two thirds of the way from black to the system's hot-tracking
// colour; under the pointer in that colour itself.
TEST_F(LinkButtonTest, CaptionColoursFollowThePointer)
{
    ASSERT_NO_FATAL_FAILURE(OpenAbout());
    COLORREF hover = GetSysColor(COLOR_HOTLIGHT);
    if (hover == 0 || hover == 0xFFFFFFFF)
        hover = RGB(0, 0, 255);
    const auto twoThirds = [](int c) { return (2 * c + 1) / 3; };
    const COLORREF normal =
        RGB(twoThirds(GetRValue(hover)), twoThirds(GetGValue(hover)), twoThirds(GetBValue(hover)));
    const std::vector<RECT> emblem = {RelativeTo(ControlRect(about_, IDC_ABOUT_EMBLEM), WindowRect(about_))};
    const auto caption = [&](int id) {
        Image window;
        EXPECT_TRUE(CaptureWindowIgnoring(about_, emblem, window));
        return ControlPixels(window, about_, about_, id);
    };

    ASSERT_TRUE(MovePointerOnto(about_, Away()));
    EXPECT_TRUE(WaitUntil([&] { return CountColour(caption(IDC_ABOUT_WRITE_LETTER), normal) > 0; }))
        << "the idle caption is not drawn in " << ColourText(normal);
    EXPECT_TRUE(HasPixelsOf(caption(IDC_ABOUT_VISIT_SITE), normal));

    ASSERT_TRUE(MovePointerOnto(about_, CentreOf(ControlRect(about_, IDC_ABOUT_VISIT_SITE))));
    EXPECT_TRUE(WaitUntil([&] { return CountColour(caption(IDC_ABOUT_VISIT_SITE), hover) > 0; }))
        << "the caption under the pointer is not drawn in " << ColourText(hover);
    EXPECT_TRUE(HasNoPixelsOf(caption(IDC_ABOUT_VISIT_SITE), normal));
    EXPECT_TRUE(HasPixelsOf(caption(IDC_ABOUT_WRITE_LETTER), normal));

    ASSERT_TRUE(MovePointerOnto(about_, Away()));
    EXPECT_TRUE(WaitUntil([&] { return CountColour(caption(IDC_ABOUT_VISIT_SITE), hover) == 0; }))
        << "the caption kept its hover colour after the pointer left; " << PointerState();
}

TEST_F(LinkButtonTest, PressThenLeavingTheCaptionOpensNothing)
{
    RecordingLinkHandler handler("mailto");
    ASSERT_TRUE(handler.Installed()) << handler.Error();
    ASSERT_NO_FATAL_FAILURE(OpenAbout());
    HWND button = Control(about_, IDC_ABOUT_WRITE_LETTER);
    ASSERT_NE(button, nullptr);
    const DWORD thread = GetWindowThreadProcessId(about_, nullptr);
    const auto captured = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(thread, &info) ? info.hwndCapture : nullptr;
    };
    const auto buttonLook = [&] {
        Image window;
        EXPECT_TRUE(CaptureWindowIgnoring(
            about_, {RelativeTo(ControlRect(about_, IDC_ABOUT_EMBLEM), WindowRect(about_))}, window));
        return ControlPixels(window, about_, about_, IDC_ABOUT_WRITE_LETTER);
    };

    ASSERT_TRUE(MovePointerOnto(about_, Away()));
    const Image idle = buttonLook();

    // Over the caption the button takes the mouse, to see it leave again. Under Wine on a busy
    // machine a move can reach the window before it is ready for it, so the pointer comes
    // again from elsewhere, as a user's would, before the caption is judged unresponsive.
    bool reacted = false;
    for (int attempt = 0; attempt < 3 && !reacted; ++attempt) {
        ASSERT_TRUE(MovePointerOnto(about_, Away()));
        ASSERT_TRUE(MovePointerOnto(about_, CentreOf(ControlRect(about_, IDC_ABOUT_WRITE_LETTER))));
        reacted = WaitUntil([&] { return captured() == button; }, 3000);
    }
    ASSERT_TRUE(reacted) << "the caption did not react to the pointer: " << PointerState();
    {
        InputWatch watch(about_);
        ASSERT_TRUE(PressLeftButton());
        ASSERT_TRUE(watch.WaitUntilHandled([&] { return watch.LeftButtonDowns() > 0; }, "the press"));
    }
    ASSERT_TRUE(MovePointerOnto(about_, Away()));
    {
        InputWatch watch(about_);
        ASSERT_TRUE(ReleaseLeftButton());
        ASSERT_TRUE(watch.WaitUntilHandled([&] { return watch.LeftButtonUps() > 0; }, "the release"));
    }
    EXPECT_TRUE(RecordedOnceSettled(handler).empty()) << "a release away from the caption opened the link";
    const Image after = buttonLook();
    EXPECT_TRUE(after.pixels == idle.pixels) << "the caption did not return to its idle look";

    // The same button opens its link on a real click: the release above was really ignored.
    ASSERT_TRUE(ClickCaption(IDC_ABOUT_WRITE_LETTER));
    EXPECT_TRUE(WaitUntil([&] { return !handler.Recorded().empty(); }, 20000));
    EXPECT_EQ(RecordedOnceSettled(handler), std::vector<std::string>{kMailLink});
}

// Only the caption is the link: the button's margin beside it does nothing.
TEST_F(LinkButtonTest, ClickBesideTheCaptionOpensNothing)
{
    RecordingLinkHandler handler("mailto");
    ASSERT_TRUE(handler.Installed()) << handler.Error();
    ASSERT_NO_FATAL_FAILURE(OpenAbout());
    const RECT button = ControlRect(about_, IDC_ABOUT_WRITE_LETTER);
    const POINT beside{button.left + 2, (button.top + button.bottom) / 2};
    // The previous test may have left the pointer on the caption: it comes from elsewhere.
    ASSERT_TRUE(MovePointerOnto(about_, Away()));
    ASSERT_TRUE(MovePointerOnto(about_, beside));
    {
        InputWatch watch(about_);
        ASSERT_TRUE(ClickAt(beside));
        ASSERT_TRUE(watch.WaitUntilHandled([&] { return watch.LeftButtonUps() > 0; }, "the click"));
    }
    EXPECT_TRUE(RecordedOnceSettled(handler).empty()) << "a click beside the caption opened the link";
    ASSERT_TRUE(ClickCaption(IDC_ABOUT_WRITE_LETTER));
    EXPECT_TRUE(WaitUntil([&] { return !handler.Recorded().empty(); }, 20000));
    EXPECT_EQ(RecordedOnceSettled(handler), std::vector<std::string>{kMailLink});
}

}  // namespace
}  // namespace e2e
