// Windows shutting down while the program runs, alone or with its loan window, its colours
// dialog or its About window open: every window is asked and told as Windows does, each
// answers at once, and the settings of every open window are on disk before the process is
// ended.
#include "command_ids.h"
#include "control_ids.h"
#include "keyboard_input.h"
#include "loan_fixture.h"
#include "resource_ids.h"
#include "stored_records.h"
#include "wait.h"
#include "window_controls.h"

#include <vector>

namespace e2e {
namespace {

constexpr DWORD kAnswerMs = 2000;

enum class AlsoOpen { Nothing, Loan, Colours, About };

class EndSessionTest : public LoanTest, public testing::WithParamInterface<AlsoOpen> {
protected:
    // Asks every top-level window of the program whether the session may end, then tells
    // each that it ends, as Windows does; every one must answer within 2 s and agree.
    void EndTheSession()
    {
        const std::vector<HWND> windows = ProcessWindows(app_.ProcessId());
        ASSERT_FALSE(windows.empty());
        for (HWND hwnd : windows) {
            DWORD_PTR agreed = 0;
            ASSERT_TRUE(SendMessageTimeoutA(hwnd, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                                            kAnswerMs, &agreed) ||
                        !IsWindow(hwnd))
                << "a window did not answer WM_QUERYENDSESSION within 2 s";
            EXPECT_NE(agreed, 0u) << "a window refused the end of the session";
        }
        for (HWND hwnd : windows) {
            DWORD_PTR ignored = 0;
            ASSERT_TRUE(SendMessageTimeoutA(hwnd, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL,
                                            kAnswerMs, &ignored) ||
                        !IsWindow(hwnd))
                << "a window did not answer WM_ENDSESSION within 2 s";
        }
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
    ASSERT_TRUE(TypeText("42"));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_CURRENT, "42"));
    ASSERT_TRUE(SendSystemCommand(Window(), IDM_BOLD_VALUES));
    const bool loan = GetParam() == AlsoOpen::Loan;
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
    } else if (GetParam() == AlsoOpen::Colours) {
        ASSERT_TRUE(PostSystemCommand(Window(), IDM_SET_COLORS));
        ASSERT_NE(WaitForProcessWindow(app_.ProcessId(), "Colors", 30000), nullptr);
    } else if (GetParam() == AlsoOpen::About) {
        ASSERT_TRUE(PostSystemCommand(Window(), IDM_QUICK_HELP));
        ASSERT_NE(WaitForAboutWindow(), nullptr);
    }

    ASSERT_NO_FATAL_FAILURE(EndTheSession());

    ExpectSoundRecord(Key::Calculator, CurrentEdition(), [](const ValueEntry& entry, const Bytes& b) {
        if (std::string(entry.name) == "Bold Result") {
            EXPECT_EQ(b[0], 1) << "Bold Values was lost";
        }
        if (entry.kind == Kind::Numbers) {
            EXPECT_EQ(DoubleAt(b, 8), 42.0) << "the typed number was lost";
        }
    });
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

INSTANTIATE_TEST_SUITE_P(AlsoOpen, EndSessionTest,
                         testing::Values(AlsoOpen::Nothing, AlsoOpen::Loan, AlsoOpen::Colours,
                                         AlsoOpen::About),
                         [](const testing::TestParamInfo<AlsoOpen>& info) {
                             switch (info.param) {
                             case AlsoOpen::Nothing: return "CalculatorAlone";
                             case AlsoOpen::Loan: return "WithTheLoanWindow";
                             case AlsoOpen::Colours: return "WithTheColoursDialog";
                             case AlsoOpen::About: return "WithTheAboutWindow";
                             }
                             return "";
                         });

}  // namespace
}  // namespace e2e
