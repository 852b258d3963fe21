// Windows shutting down while the program runs, alone or with its loan window, its colours
// dialog, its About window, its tape or the loan's payment schedule open: every window is
// asked and told as Windows does, each answers at once, and the settings of every open
// window are on disk before the process is ended. An installer's request to close (the
// Restart Manager's same two messages with ENDSESSION_CLOSEAPP) is answered alike, and then
// the program ends by itself, every window with it, whichever window is told first.
#include "command_ids.h"
#include "control_ids.h"
#include "key_delivery.h"
#include "keyboard_input.h"
#include "loan_fixture.h"
#include "resource_ids.h"
#include "stored_records.h"
#include "wait.h"
#include "window_controls.h"

#include <colordlg.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace e2e {
namespace {

constexpr DWORD kAnswerMs = 2000;
// What an installer waits at most before it counts the program as one that will not close.
constexpr DWORD kInstallerWaitMs = 5000;

enum class AlsoOpen {
    Nothing,
    Loan,
    Colours,
    About,
    Tape,
    Schedule,
    ColoursMessage,  // the colours dialog with its out-of-range message box up
    TapeSaveAs,      // the tape with the system's Save As dialog up
};

enum class Request {
    EndOfSession,              // a log-off: Windows ends the process once every window has answered
    InstallerTopFirst,         // ENDSESSION_CLOSEAPP, told to the windows from the top down
    InstallerCalculatorFirst,  // the same, told to the calculator beneath the others first
};

class EndSessionTest : public LoanTest, public testing::WithParamInterface<std::tuple<Request, AlsoOpen>> {
protected:
    Request Asked() const { return std::get<0>(GetParam()); }
    AlsoOpen Open() const { return std::get<1>(GetParam()); }
    bool Installer() const { return Asked() != Request::EndOfSession; }

    // Asks every top-level window of the program whether the session may end, then tells
    // each that it ends, as Windows does; every one must answer within 2 s and agree. After an
    // installer's request a window may be gone before it is told: the program is ending.
    void EndTheSession()
    {
        std::vector<HWND> windows = ProcessWindows(app_.ProcessId());
        ASSERT_FALSE(windows.empty());
        if (Asked() == Request::InstallerCalculatorFirst)
            std::stable_partition(windows.begin(), windows.end(),
                                  [&](HWND hwnd) { return hwnd == Window(); });
        const LPARAM flags = Installer() ? ENDSESSION_CLOSEAPP : ENDSESSION_LOGOFF;
        const auto answered = [&](HWND hwnd, UINT message, WPARAM wParam, DWORD_PTR& answer) {
            return SendMessageTimeoutA(hwnd, message, wParam, flags, SMTO_NORMAL, kAnswerMs, &answer) ||
                   (Installer() ? WaitUntil([&] { return !IsWindow(hwnd); }) : !IsWindow(hwnd));
        };
        for (HWND hwnd : windows) {
            DWORD_PTR agreed = 0;
            ASSERT_TRUE(answered(hwnd, WM_QUERYENDSESSION, 0, agreed))
                << "a window did not answer WM_QUERYENDSESSION within 2 s";
            EXPECT_NE(agreed, 0u) << "a window refused the end of the session";
        }
        for (HWND hwnd : windows) {
            DWORD_PTR ignored = 0;
            ASSERT_TRUE(answered(hwnd, WM_ENDSESSION, TRUE, ignored))
                << "a window did not answer WM_ENDSESSION within 2 s";
        }
        if (Installer()) {
            ASSERT_TRUE(app_.WaitForExit(kInstallerWaitMs))
                << "the program did not end when an installer asked";
            EXPECT_EQ(app_.ExitCode(), 0u);
            return;
        }
        // A plain end of the session leaves the program as it was, every window answering.
        EXPECT_TRUE(Sync(Window())) << "the calculator did not outlive a plain end of the session";
        EXPECT_TRUE(app_.Running());
        // Windows ends the process once every window has answered.
        app_.Kill();
    }
};

TEST_P(EndSessionTest, SavesEveryOpenWindowAndAnswersAtOnce)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    // Something unsaved in the calculator: 42 typed, Bold Values switched on (saved at the
    // next save only).
    ASSERT_TRUE(BringToForeground(Window()));
    if (Open() == AlsoOpen::TapeSaveAs) {
        ASSERT_TRUE(TypeText("1+1="));  // a line on the tape, or there is nothing to save
    }
    ASSERT_TRUE(TypeText("42"));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_CURRENT, "42"));
    ASSERT_TRUE(SendSystemCommand(Window(), IDM_BOLD_VALUES));
    const bool loan = Open() == AlsoOpen::Loan || Open() == AlsoOpen::Schedule;
    RECT placeBefore = {};
    if (loan) {
        ASSERT_NO_FATAL_FAILURE(OpenLoan());
        ASSERT_TRUE(BringToForeground(Loan()));
        ASSERT_TRUE(TypeText("777"));
        ASSERT_TRUE(WaitUntil([&] {
            for (int id : {IDC_LOAN_AMOUNT, IDC_LOAN_RATE, IDC_LOAN_TERM})
                if (ControlText(Loan(), id).find("777") != std::string::npos)
                    return true;
            return false;
        })) << "777 typed into the loan window shows in none of its fields";
    }
    if (Open() == AlsoOpen::Schedule) {
        ASSERT_TRUE(PressChordAndWait(Loan(), {VK_CONTROL}, 'R'));
        ASSERT_NE(WaitForProcessWindow(app_.ProcessId(), "Payment Schedule", 30000), nullptr);
    } else if (Open() == AlsoOpen::Colours || Open() == AlsoOpen::ColoursMessage) {
        placeBefore = WindowRect(Window());
        ASSERT_TRUE(PostSystemCommand(Window(), IDM_SET_COLORS));
        const HWND dialog = WaitForProcessWindow(app_.ProcessId(), "Colors", 30000);
        ASSERT_NE(dialog, nullptr);
        if (Open() == AlsoOpen::ColoursMessage) {
            const size_t before = ProcessWindows(app_.ProcessId()).size();
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(GetDlgItem(dialog, COLOR_RED), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""),
                                SMTO_NORMAL, kAnswerMs, &ignored);
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_COLOR_BACKGROUND, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_COLOR_BACKGROUND)));
            ASSERT_TRUE(WaitUntil([&] { return ProcessWindows(app_.ProcessId()).size() > before; }))
                << "an empty box for red brought no message";
        }
    } else if (Open() == AlsoOpen::About) {
        ASSERT_TRUE(PostSystemCommand(Window(), IDM_QUICK_HELP));
        ASSERT_NE(WaitForAboutWindow(), nullptr);
    } else if (Open() == AlsoOpen::Tape || Open() == AlsoOpen::TapeSaveAs) {
        ASSERT_TRUE(PressChordAndWait(Window(), {VK_CONTROL}, 'H'));
        const HWND tape = WaitForProcessWindow(app_.ProcessId(), "Tape", 30000);
        ASSERT_NE(tape, nullptr);
        if (Open() == AlsoOpen::TapeSaveAs) {
            ASSERT_TRUE(PostSystemCommand(tape, IDM_SAVE_TAPE));
            ASSERT_NE(WaitForProcessWindow(app_.ProcessId(), "Save Tape As", 30000), nullptr);
        }
    }

    ASSERT_NO_FATAL_FAILURE(EndTheSession());

    // The colours dialog moves the calculator to the screen's corner while it is open; what is
    // saved is the calculator's own place, whether the dialog was closed first or not.
    const bool placeKept = Open() == AlsoOpen::Colours || Open() == AlsoOpen::ColoursMessage;
    ExpectSoundRecord(Key::Calculator, CurrentEdition(), [&](const ValueEntry& entry, const Bytes& b) {
        if (std::string(entry.name) == "Bold Result") {
            EXPECT_EQ(b[0], 1) << "Bold Values was lost";
        }
        if (placeKept && std::string(entry.name) == "x,y") {
            EXPECT_EQ(Int32At(b, 0), placeBefore.left) << "the calculator's place was lost";
            EXPECT_EQ(Int32At(b, 4), placeBefore.top) << "the calculator's place was lost";
        }
        if (entry.kind == Kind::Numbers) {
            EXPECT_EQ(DoubleAt(b, 8), 42.0) << "the typed number was lost";
        }
    });
    if (Open() == AlsoOpen::Tape || Open() == AlsoOpen::TapeSaveAs) {
        EXPECT_EQ(ReadSetting("Show Tape"), (RegistryValue{REG_BINARY, {1}}))
            << "the tape will not come back";
    }
    if (loan) {
        bool kept = false;
        for (const char* name : {"Amount", "Months", "Percent"}) {
            const std::optional<RegistryValue> text = ReadLoanSetting(name);
            kept = kept || (text && std::string(text->bytes.begin(), text->bytes.end()).find("777") !=
                                        std::string::npos);
        }
        EXPECT_TRUE(kept) << "the loan window lost the number typed into it";
        ExpectSoundRecord(Key::Loan, CurrentEdition());
    }
}

const auto kEveryWindow = testing::Values(AlsoOpen::Nothing, AlsoOpen::Loan, AlsoOpen::Colours,
                                          AlsoOpen::About, AlsoOpen::Tape, AlsoOpen::Schedule);

std::string CaseName(const testing::TestParamInfo<std::tuple<Request, AlsoOpen>>& info)
{
    std::string name;
    switch (std::get<0>(info.param)) {
    case Request::EndOfSession: name = "EndOfSession"; break;
    case Request::InstallerTopFirst: name = "InstallerClose"; break;
    case Request::InstallerCalculatorFirst: name = "InstallerCloseToldCalculatorFirst"; break;
    }
    switch (std::get<1>(info.param)) {
    case AlsoOpen::Nothing: return name + "CalculatorAlone";
    case AlsoOpen::Loan: return name + "WithTheLoanWindow";
    case AlsoOpen::Colours: return name + "WithTheColoursDialog";
    case AlsoOpen::About: return name + "WithTheAboutWindow";
    case AlsoOpen::Tape: return name + "WithTheTape";
    case AlsoOpen::Schedule: return name + "WithTheSchedule";
    case AlsoOpen::ColoursMessage: return name + "WithAMessageBoxInTheColoursDialog";
    case AlsoOpen::TapeSaveAs: return name + "WithTheTapesSaveAsDialog";
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(EndOfSession, EndSessionTest,
                         testing::Combine(testing::Values(Request::EndOfSession), kEveryWindow), CaseName);
INSTANTIATE_TEST_SUITE_P(InstallerClose, EndSessionTest,
                         testing::Combine(testing::Values(Request::InstallerTopFirst), kEveryWindow),
                         CaseName);
// Beneath a modal window the calculator can only end once that one has: our own loop, the
// system's colour chooser, and two windows deep.
INSTANTIATE_TEST_SUITE_P(InstallerCloseCalculatorFirst, EndSessionTest,
                         testing::Combine(testing::Values(Request::InstallerCalculatorFirst),
                                          testing::Values(AlsoOpen::Loan, AlsoOpen::Colours,
                                                          AlsoOpen::Schedule)),
                         CaseName);

// The system's dialog boxes run loops of their own, which know nothing of the end.
INSTANTIATE_TEST_SUITE_P(InstallerCloseThroughASystemDialog, EndSessionTest,
                         testing::Combine(testing::Values(Request::InstallerTopFirst,
                                                          Request::InstallerCalculatorFirst),
                                          testing::Values(AlsoOpen::ColoursMessage, AlsoOpen::TapeSaveAs)),
                         CaseName);

}  // namespace
}  // namespace e2e
