// With "Run Multiple" off, a second start finds the running window by its title, brings it
// back and ends without a window of its own and without saving anything. Only the program's
// own window counts: a window of another program that carries the title is left alone, and
// an earlier run that hangs cannot hold a start.
#include <windows.h>

#include <tlhelp32.h>

#include <string>
#include <vector>

#include "key_delivery.h"
#include "loan_fixture.h"
#include "wait.h"
#include "window_controls.h"

namespace e2e {
namespace {

// A top-level window of the driver's own that carries a title of the program: a dialog, as
// every window of the program is, shown minimised, or a plain window, hidden. Neither may be
// taken for the program, nor be shown, restored or brought forward by it.
class ForeignWindow {
public:
    ForeignWindow(const std::string& title, bool dialog)
        : dialog_(dialog),
          hwnd_(CreateWindowExA(0, dialog ? "#32770" : "Static", title.c_str(), WS_OVERLAPPEDWINDOW, 600, 400,
                                200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr))
    {
        if (dialog)
            ShowWindow(hwnd_, SW_SHOWMINNOACTIVE);
        // In front of the program's windows of the same title, so that a look-up by title
        // meets it first.
        SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    ~ForeignWindow() { DestroyWindow(hwnd_); }
    ForeignWindow(const ForeignWindow&) = delete;
    ForeignWindow& operator=(const ForeignWindow&) = delete;

    HWND Handle() const { return hwnd_; }

    // Still as it was made.
    testing::AssertionResult Untouched() const
    {
        PumpMessages();  // what the program asked of the window is carried out here
        if (!IsWindow(hwnd_))
            return testing::AssertionFailure() << "the window is gone";
        if (GetForegroundWindow() == hwnd_ || GetActiveWindow() == hwnd_)
            return testing::AssertionFailure() << "the window was brought forward";
        if (dialog_ && !IsIconic(hwnd_))
            return testing::AssertionFailure() << "the minimised dialog was restored";
        if (!dialog_ && IsWindowVisible(hwnd_))
            return testing::AssertionFailure() << "the hidden window was shown";
        return testing::AssertionSuccess();
    }

private:
    bool dialog_;
    HWND hwnd_;
};

// A dialog and a plain window of the driver, both titled `title`.
struct ForeignWindows {
    explicit ForeignWindows(const std::string& title) : plain(title, false), dialog(title, true) {}

    testing::AssertionResult Made() const
    {
        char name[16] = "";
        GetClassNameA(dialog.Handle(), name, sizeof name);
        if (plain.Handle() == nullptr || dialog.Handle() == nullptr || lstrcmpA(name, "#32770") != 0)
            return testing::AssertionFailure() << "the driver could not make its windows";
        return testing::AssertionSuccess();
    }
    testing::AssertionResult Untouched() const
    {
        testing::AssertionResult first = plain.Untouched();
        return first ? dialog.Untouched() : first << " (the plain window)";
    }

    ForeignWindow plain;
    ForeignWindow dialog;
};

// Every thread of a process held still, as a program that hangs: its windows answer nothing.
class Suspended {
public:
    explicit Suspended(DWORD pid)
    {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
        if (snapshot == INVALID_HANDLE_VALUE)
            return;
        THREADENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
            if (entry.th32OwnerProcessID != pid)
                continue;
            HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID);
            if (thread != nullptr && SuspendThread(thread) != static_cast<DWORD>(-1))
                threads_.push_back(thread);
            else if (thread != nullptr)
                CloseHandle(thread);
        }
        CloseHandle(snapshot);
    }
    ~Suspended()
    {
        for (HANDLE thread : threads_) {
            ResumeThread(thread);
            CloseHandle(thread);
        }
    }
    Suspended(const Suspended&) = delete;
    Suspended& operator=(const Suspended&) = delete;

    bool Any() const { return !threads_.empty(); }

private:
    std::vector<HANDLE> threads_;
};

// Minimises the program's window, so that a second start bringing it back shows.
void Minimise(HWND window)
{
    ASSERT_TRUE(PostSystemCommand(window, SC_MINIMIZE));
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(window) != FALSE; })) << "the window did not minimise";
}

// A second start of the program, which ends by itself at once without a window of its own.
void StartAgainAndSeeItEnd(const char* ifItDoesNot)
{
    AppProcess second;
    std::string error;
    ASSERT_TRUE(second.Start(CurrentOptions().exePath, error)) << error;
    ASSERT_TRUE(second.WaitForExit(20000)) << ifItDoesNot;
    EXPECT_EQ(second.ExitCode(), 0u);
}

TEST_F(CalculatorTest, SecondStartRestoresFirstWindowAndExits)
{
    // A count the second start must leave alone; the first one's own close adds one.
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Run Q-ty", REG_DWORD, DwordBytes(7)));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const HWND first = Window();
    ASSERT_NO_FATAL_FAILURE(Minimise(first));
    const auto storedBefore = ReadAllValues(CurrentEdition().registryKey);

    ASSERT_NO_FATAL_FAILURE(StartAgainAndSeeItEnd("the second start did not end"));

    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(first); })) << "the first window stayed minimised";
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == first; }))
        << "the first window is not in front";
    EXPECT_EQ(TopLevelWindowsTitled(CurrentEdition().title).size(), 1u);
    EXPECT_TRUE(ReadAllValues(CurrentEdition().registryKey) == storedBefore)
        << "the second start wrote settings";
    const std::optional<RegistryValue> count = ReadSetting("Run Q-ty");
    ASSERT_TRUE(count.has_value());
    EXPECT_EQ(count->bytes, DwordBytes(7));

    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    const std::optional<RegistryValue> countAfterClose = ReadSetting("Run Q-ty");
    ASSERT_TRUE(countAfterClose.has_value());
    EXPECT_EQ(countAfterClose->bytes, DwordBytes(8));
}

TEST_F(CalculatorTest, AWindowOfAnotherProgramWithTheTitleDoesNotStopAStart)
{
    const ForeignWindows foreign(CurrentEdition().title);
    ASSERT_TRUE(foreign.Made());
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    EXPECT_TRUE(foreign.Untouched());
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == Window(); }))
        << "the calculator did not come to the front";
    EXPECT_TRUE(foreign.Untouched());
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
}

TEST_F(CalculatorTest, TheEarlierRunIsFoundBehindAWindowOfAnotherProgram)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const HWND first = Window();
    ASSERT_NO_FATAL_FAILURE(Minimise(first));
    const ForeignWindows foreign(CurrentEdition().title);
    ASSERT_TRUE(foreign.Made());
    const HWND metFirst = FindWindowA(nullptr, CurrentEdition().title.c_str());
    ASSERT_TRUE(metFirst == foreign.plain.Handle() || metFirst == foreign.dialog.Handle())
        << "a look-up by title does not meet the driver's windows first, so this test proves nothing";

    ASSERT_NO_FATAL_FAILURE(StartAgainAndSeeItEnd("the second start did not end"));
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(first); })) << "the first window stayed minimised";
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == first; }))
        << "the first window is not in front";
    EXPECT_TRUE(foreign.Untouched());
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
}

// The earlier run does not answer: the second start still ends at once, and the first comes
// back when it answers again.
TEST_F(CalculatorTest, AnEarlierRunThatHangsCannotHoldAStart)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    const HWND first = Window();
    ASSERT_NO_FATAL_FAILURE(Minimise(first));
    {
        const Suspended hung(app_.ProcessId());
        ASSERT_TRUE(hung.Any()) << "the driver could not hold the program still";
        ASSERT_NO_FATAL_FAILURE(StartAgainAndSeeItEnd("the second start waited for the hung one"));
    }
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(first); })) << "the first window stayed minimised";
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
}

TEST_F(LoanTest, AWindowOfAnotherProgramWithTheLoanTitleDoesNotStopCtrlL)
{
    const ForeignWindows foreign(CurrentEdition().loanTitle);
    ASSERT_TRUE(foreign.Made());
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    EXPECT_TRUE(foreign.Untouched());
    EXPECT_FALSE(IsWindowEnabled(Window())) << "the loan window opened, but not over the calculator";
    ASSERT_NO_FATAL_FAILURE(CloseLoan());
    EXPECT_TRUE(foreign.Untouched());
}

}  // namespace
}  // namespace e2e
