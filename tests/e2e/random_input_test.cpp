// The real program under a random afternoon of real input (random_afternoon.h): a short round
// per edition in every run, with a seed printed for replay; a long round on demand with
// --events=N; and the seeds that once caught a fault, kept.
#include "calculator_fixture.h"
#include "clipboard_text.h"
#include "command_ids.h"
#include "control_ids.h"
#include "focus_sink.h"
#include "keyboard_input.h"
#include "link_handler.h"
#include "random_afternoon.h"
#include "stored_records.h"
#include "wait.h"
#include "window_controls.h"

#include <cstdio>

namespace e2e {
namespace {

// About a minute per edition on the CI machine.
constexpr int kShortRound = 1200;

class RandomInputTest : public CalculatorTest {
protected:
    // Plays `events` events from `seed`, closes the program and checks both records.
    void PlayAfternoon(unsigned seed, int events)
    {
        // The About window's links open the recorder, not a browser or a mail program.
        RecordingLinkHandler mail("mailto");
        RecordingLinkHandler web("https");
        ASSERT_TRUE(mail.Installed()) << mail.Error();
        ASSERT_TRUE(web.Installed()) << web.Error();
        std::printf("random input: seed %u, %d events (replay with --seed=%u --events=%d)\n", seed, events,
                    seed, events);
        std::fflush(stdout);
        ASSERT_NO_FATAL_FAILURE(StartCalculator());
        RandomAfternoon afternoon(app_, CurrentEdition(), CurrentOptions().exePath, seed);
        ASSERT_TRUE(afternoon.Play(events));
        ASSERT_TRUE(afternoon.CloseAll());
        const RandomAfternoon::Figures& f = afternoon.Counts();
        std::printf("random input: %d events survived; %d clean ends and new starts, %d Big Font, %d loan, "
                    "%d colours, %d About commands, %d pastes, %d tape and %d schedule commands, %d extra "
                    "box texts\n",
                    f.events, f.closedByTheUser, f.recreations, f.loanOpenings, f.colourOpenings,
                    f.aboutOpenings, f.pastes, f.tapeCommands, f.scheduleCommands, f.extraBoxTexts);
        std::fflush(stdout);
        SCOPED_TRACE("the records after the run with seed " + std::to_string(seed));
        ExpectSoundRecord(Key::Calculator, CurrentEdition());
        if (!ReadAllValues(CurrentEdition().loanRegistryKey).empty())
            ExpectSoundRecord(Key::Loan, CurrentEdition());
    }
};

// Found by the random rounds: commands that reach the calculator while a window it opened is
// up, queued just before that window showed, ran inside it: a second colours dialog in the
// first, the About window over it, Big Font re-creating the calculator beneath it.
TEST_F(RandomInputTest, CommandsQueuedBehindAnOpenWindowAreDropped)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const HWND calculator = Window();
    for (UINT command :
         {IDM_SET_COLORS, IDM_SET_COLORS, IDM_QUICK_HELP, IDM_RUN_LOAN_CALCULATOR, IDM_BIG_FONT})
        ASSERT_TRUE(PostSystemCommand(calculator, command));
    const HWND colours = WaitForProcessWindow(app_.ProcessId(), "Colors", 30000);
    ASSERT_NE(colours, nullptr);
    PumpFor(500);
    ASSERT_TRUE(Sync(colours));
    EXPECT_EQ(ProcessWindowsTitled(app_.ProcessId(), "Colors").size(), 1u)
        << "a second colours dialog opened";
    EXPECT_TRUE(ProcessWindowsTitled(app_.ProcessId(), kAboutTitle).empty()) << "the About window opened too";
    EXPECT_TRUE(ProcessWindowsTitled(app_.ProcessId(), CurrentEdition().loanTitle).empty())
        << "the loan window opened too";
    PostMessageA(GetDlgItem(colours, IDCANCEL), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(colours) && IsWindowEnabled(calculator); }));
    PumpFor(500);
    EXPECT_TRUE(IsWindow(calculator) && IsWindowVisible(calculator))
        << "the calculator was re-created or closed";
    EXPECT_TRUE(ProcessWindowsTitled(app_.ProcessId(), "Colors").empty()) << "another colours dialog opened";
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
}

// Found by the random rounds (seed 1849090909): the About window, asked for while the
// calculator was not the active window, was owned by no window and left the calculator
// enabled; its Close then ended it only once the About window closed, and until then the
// program ran on with both windows up.
TEST_F(RandomInputTest, TheAboutWindowHoldsTheCalculatorThatOpenedIt)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    // Another program's window in front: the calculator is not the active window.
    ASSERT_TRUE(ActivateFocusSink());
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_QUICK_HELP));
    const HWND about = WaitForAboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(GetWindow(about, GW_OWNER), Window());
    EXPECT_FALSE(IsWindowEnabled(Window())) << "the calculator can still be used beneath the About window";
    PostMessageA(about, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about) && IsWindowEnabled(Window()); }));
    HideFocusSink();
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
}

// Found by the random rounds (seed 1): a pasted column of sums, cut to its first 4096
// characters, kept the window from answering for 7 s under Wine, one repaint request per
// character.
TEST_F(RandomInputTest, ALongPastedColumnLeavesTheWindowAnswering)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    std::string column;
    while (column.size() < 20000)
        column += "12+";
    ASSERT_TRUE(SetClipboardText(column));
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_PASTE));
    DWORD_PTR ignored = 0;
    EXPECT_TRUE(SendMessageTimeoutA(Window(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, &ignored))
        << "the calculator did not answer within 2 s of the paste";
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "16380"));  // 1365 sums of 12
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
}

// Found by the random rounds (seed 936538124): a Close that arrived while the system menu was
// dropped down ended the window only once the user dismissed the menu, and until then the
// program ran on.
TEST_F(RandomInputTest, ACloseEndsTheProgramWithItsSystemMenuOpen)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const auto menuShown = [&] { return ShowsWindowOfClass(app_.ProcessId(), "#32768"); };
    ASSERT_TRUE(PressChord({VK_MENU}, VK_SPACE));
    ASSERT_TRUE(WaitUntil(menuShown)) << "Alt+Space dropped no menu down";
    EXPECT_TRUE(app_.Close(10000)) << "the program still ran 10 s after its Close";
}

TEST_F(RandomInputTest, SurvivesARandomAfternoon)
{
    const Options& options = CurrentOptions();
    PlayAfternoon(options.seed != 0 ? options.seed : FreshSeed(),
                  options.events > 0 ? options.events : kShortRound);
}

}  // namespace
}  // namespace e2e
