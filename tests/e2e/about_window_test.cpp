// The About window: F1 opens it, and while it is open no request opens a second one; its help
// edit shows the program's help text without the text's last byte and with nothing selected;
// the emblem is the only thing on it that moves.
#include "calculator_fixture.h"
#include "command_ids.h"
#include "key_delivery.h"
#include "loan_fixture.h"
#include "mouse_input.h"
#include "resource_ids.h"
#include "screen_capture.h"
#include "wait.h"
#include "window_controls.h"

#include <optional>
#include <string>
#include <vector>

namespace e2e {
namespace {

// The help text resource of the program file, as the About window is to show it: the
// resource "TextFile" 501, unscrambled when it starts with the magic "ZM" (four key bytes
// follow; blocks of four payload bytes are XORed with the key reversed, then as stored, and so
// on), without its last byte, which is an end mark.
std::optional<std::string> HelpTextOfProgram(const std::string& exePath)
{
    HMODULE module = LoadLibraryExA(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr)
        return std::nullopt;
    std::optional<std::string> text;
    if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDR_HELP_TEXT), "TextFile")) {
        const DWORD size = SizeofResource(module, found);
        HGLOBAL loaded = LoadResource(module, found);
        const auto* bytes = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
        if (bytes != nullptr) {
            std::vector<uint8_t> data(bytes, bytes + size);
            if (data.size() >= 2 && data[0] == 'Z' && data[1] == 'M') {
                std::vector<uint8_t> payload;
                for (size_t i = 6; i < data.size(); ++i) {
                    const size_t n = i - 6;
                    const bool reversed = (n / 4) % 2 == 0;
                    payload.push_back(
                        static_cast<uint8_t>(data[i] ^ data[2 + (reversed ? 3 - n % 4 : n % 4)]));
                }
                data = payload;
            }
            if (!data.empty())
                data.pop_back();
            text = std::string(data.begin(), data.end());
        }
    }
    FreeLibrary(module);
    return text;
}

class AboutWindowTest : public LoanTest {
protected:
    void TearDown() override
    {
        for (HWND about : ProcessWindowsTitled(app_.ProcessId(), kAboutTitle))
            PostMessageA(about, WM_CLOSE, 0, 0);
        WaitUntil([&] { return ProcessWindowsTitled(app_.ProcessId(), kAboutTitle).empty(); });
        LoanTest::TearDown();
    }

    // Opens the About window with F1 typed on `window`.
    HWND OpenWithF1(HWND window)
    {
        EXPECT_TRUE(PressKeyAndWait(window, VK_F1));
        const HWND about = WaitForAboutWindow();
        EXPECT_NE(about, nullptr) << "F1 opened no window titled \"" << kAboutTitle << "\"";
        return about;
    }

    size_t AboutWindows() const { return ProcessWindowsTitled(app_.ProcessId(), kAboutTitle).size(); }

    // Where two captures of the window first differ outside the ignored parts, and which of
    // its controls is there.
    static std::string Difference(const Image& a, const Image& b, const std::vector<RECT>& ignored,
                                  HWND window)
    {
        const std::optional<POINT> at = FirstDifferenceOutside(a, b, ignored);
        if (!at)
            return "only in size";
        const RECT frame = WindowRect(window);
        POINT client{frame.left + at->x, frame.top + at->y};
        ScreenToClient(window, &client);
        const HWND child = ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE);
        return "at " + std::to_string(at->x) + "," + std::to_string(at->y) + " of the window, in control " +
               std::to_string(child != nullptr && child != window ? GetDlgCtrlID(child) : 0);
    }

    // The parts of the About window that may move between two pictures, in window coordinates:
    // the emblem, and the caret where the help edit has the focus.
    std::vector<RECT> MovingParts(HWND about) const
    {
        std::vector<RECT> moving;
        moving.push_back(RelativeTo(ControlRect(about, IDC_ABOUT_EMBLEM), WindowRect(about)));
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (GetGUIThreadInfo(GetWindowThreadProcessId(about, nullptr), &info) && info.hwndCaret != nullptr) {
            RECT caret = info.rcCaret;
            MapWindowPoints(info.hwndCaret, nullptr, reinterpret_cast<POINT*>(&caret), 2);
            InflateRect(&caret, 1, 1);
            moving.push_back(RelativeTo(caret, WindowRect(about)));
        }
        return moving;
    }
};

TEST_F(AboutWindowTest, F1OpensOneAboutWindowOnly)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const HWND about = OpenWithF1(Window());
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(IsWindowEnabled(Window())) << "the calculator can be used while the About window is open";

    // F1 again, now in the About window, and Quick Help asked of the calculator behind it.
    ASSERT_TRUE(PressKeyAndWait(about, VK_F1));
    EXPECT_EQ(AboutWindows(), 1u);
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_QUICK_HELP));
    ASSERT_TRUE(Sync(Window()));
    EXPECT_EQ(AboutWindows(), 1u);
    EXPECT_TRUE(IsWindow(about));

    ASSERT_TRUE(Click(about, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); })) << "OK did not close the About window";
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(Window()) != FALSE; }));
    // A closed About window opens again, from the menu item as from F1.
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_QUICK_HELP));
    const HWND again = WaitForAboutWindow();
    ASSERT_NE(again, nullptr) << "Quick Help opened no About window";
    EXPECT_NE(again, about);
    EXPECT_EQ(AboutWindows(), 1u);
}

// F1 in the colours dialog reaches the calculator beneath it as WM_HELP. The About window goes
// over the colours dialog: the dialog closed beneath it gave the calculator back while the
// About window's loop still ran, and a second colours dialog opened from the calculator then
// held the About window open whatever its Close did.
TEST_F(AboutWindowTest, F1InTheColoursDialogOpensItOverThatDialog)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_SET_COLORS));
    const HWND colours = WaitForProcessWindow(app_.ProcessId(), "Colors", 30000);
    ASSERT_NE(colours, nullptr);
    const HWND about = OpenWithF1(colours);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(GetWindow(about, GW_OWNER), colours);
    EXPECT_FALSE(IsWindowEnabled(colours)) << "the colours dialog can be closed beneath the About window";
    PostMessageA(about, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about) && IsWindowEnabled(colours); }));
    PostMessageA(GetDlgItem(colours, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(colours) && IsWindowEnabled(Window()); }));
}

// Asked for from the tape while the loan window is up, the About window holds both: the loan
// window closed beneath it would give the calculator back while its loop still ran.
TEST_F(AboutWindowTest, WhileItIsUpNoOtherWindowOfTheProgramTakesInput)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(PressChordAndWait(Window(), {VK_CONTROL}, 'H'));
    const HWND tape = WaitForProcessWindow(app_.ProcessId(), "Tape", 30000);
    ASSERT_NE(tape, nullptr);
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    const HWND about = OpenWithF1(tape);
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(IsWindowEnabled(Loan())) << "the loan window can be closed beneath the About window";
    EXPECT_FALSE(IsWindowEnabled(tape));
    PostMessageA(about, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] {
        return !IsWindow(about) && IsWindowEnabled(Loan()) && IsWindowEnabled(tape);
    })) << "the windows the About window held stayed disabled";
}

TEST_F(AboutWindowTest, EnterThatClosesItIsNoEqualsInTheCalculator)
{
    // The About window closes as Enter goes down; the key comes up in the calculator, whose
    // "=" is Enter's release: a release whose press it never saw repeated the last addition.
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(ClickAll(Window(), {IDC_KEY_DIGIT0 + 2, IDC_KEY_ADD, IDC_KEY_DIGIT0 + 3, IDC_KEY_EQUALS}));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "5"));
    const HWND about = OpenWithF1(Window());
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(PressKeyAndWait(about, VK_RETURN));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about) && IsWindowEnabled(Window()); }));
    ASSERT_TRUE(Sync(Window()));
    EXPECT_EQ(ControlText(Window(), IDC_PANEL_RESULT), "5");
}

TEST_F(AboutWindowTest, QuickHelpOfTheLoanWindowOpensOneAboutWindow)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_TRUE(PostSystemCommand(Loan(), IDM_QUICK_HELP));
    const HWND about = WaitForAboutWindow();
    ASSERT_NE(about, nullptr) << "Quick Help of the loan window opened no About window";
    EXPECT_FALSE(IsWindowEnabled(Loan()));
    ASSERT_TRUE(PostSystemCommand(Loan(), IDM_QUICK_HELP));
    ASSERT_TRUE(Sync(Loan()));
    EXPECT_EQ(AboutWindows(), 1u);
    ASSERT_TRUE(Click(about, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(Loan()) != FALSE; }));
}

TEST_F(AboutWindowTest, HelpEditShowsTheTextWithoutItsLastByteAndNothingSelected)
{
    const std::optional<std::string> expected = HelpTextOfProgram(CurrentOptions().exePath);
    ASSERT_TRUE(expected.has_value())
        << "the help text resource could not be read from " << CurrentOptions().exePath;
    ASSERT_GT(expected->size(), 100u);
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const HWND about = OpenWithF1(Window());
    ASSERT_NE(about, nullptr);
    HWND help = Control(about, IDC_ABOUT_HELP);
    ASSERT_NE(help, nullptr);

    const std::string shown = FullWindowText(help);
    EXPECT_EQ(shown.size(), expected->size());
    EXPECT_TRUE(shown == *expected) << "the help edit does not show the program's help text";

    DWORD_PTR selection = 0;
    ASSERT_TRUE(SendMessageTimeoutA(help, EM_GETSEL, 0, 0, SMTO_NORMAL, kMessageTimeoutMs, &selection));
    EXPECT_EQ(LOWORD(selection), HIWORD(selection))
        << "characters " << LOWORD(selection) << " to " << HIWORD(selection) << " are selected";
}

// The first tab stop takes the focus: "OK" in the Classic template, the help text in the
// Styled one, where it comes first.
TEST_F(AboutWindowTest, FirstTabStopHasTheFocus)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const HWND about = OpenWithF1(Window());
    ASSERT_NE(about, nullptr);
    const HWND expected = Control(about, CurrentEdition().classic ? IDOK : IDC_ABOUT_HELP);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    EXPECT_TRUE(WaitUntil([&] {
        return GetGUIThreadInfo(GetWindowThreadProcessId(about, nullptr), &info) &&
               info.hwndFocus == expected;
    })) << "the focus is on control "
        << GetDlgCtrlID(info.hwndFocus);
}

TEST_F(AboutWindowTest, OnlyTheEmblemMoves)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const HWND about = OpenWithF1(Window());
    ASSERT_NE(about, nullptr);
    // The link captions light up under the pointer, which a previous test may have left
    // anywhere: it rests beside the window, over nothing of it.
    const RECT frame = WindowRect(about);
    ASSERT_TRUE(MovePointerTo(POINT{frame.left >= 16 ? frame.left - 8 : frame.right + 8, frame.top + 8}));
    const std::vector<RECT> moving = MovingParts(about);
    Image first;
    ASSERT_TRUE(CaptureWindowIgnoring(about, moving, first));
    const std::string path = ScreenshotPath(CurrentEdition().name + "-about.png");
    if (!path.empty()) {
        EXPECT_TRUE(SavePng(first, path)) << path;
    }

    // A few frames of the animation later.
    const RECT emblem = moving.front();
    Image later;
    bool emblemChanged = false;
    ASSERT_TRUE(WaitUntil([&] {
        PumpFor(200);
        if (!CaptureScreenRect(WindowRect(about), later))
            return false;
        emblemChanged = !(Crop(first, emblem).pixels == Crop(later, emblem).pixels);
        return emblemChanged;
    })) << "the emblem did not change";
    EXPECT_TRUE(SameOutside(first, later, moving))
        << "something besides the emblem changed: " << Difference(first, later, moving, about);
}

}  // namespace
}  // namespace e2e
