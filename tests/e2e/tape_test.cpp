// The tape on the real program: what typed and clicked sequences write on it, Copy, Delete
// and Clear from its own keys, that it outlives Big Font, the loan window and a restart, a
// result taken back into the calculation, Save Tape As, and Forget Tape on Exit.
#include "app_process.h"
#include "calculator_fixture.h"
#include "calculator_keys.h"
#include "clipboard_text.h"
#include "command_ids.h"
#include "control_ids.h"
#include "key_delivery.h"
#include "keyboard_input.h"
#include "mouse_input.h"
#include "screen_capture.h"
#include "wait.h"
#include "window_controls.h"
#include "window_probe.h"
#include "wine_paths.h"

#include <string>
#include <vector>

namespace e2e {
namespace {

constexpr const char* kTapeTitle = "Tape";
constexpr DWORD kOpenMs = 30000;

class TapeTest : public CalculatorTest {
protected:
    // Shows the tape with Ctrl+H and waits for its window. Call through ASSERT_NO_FATAL_FAILURE.
    void ShowTape()
    {
        ASSERT_TRUE(PressChordAndWait(Window(), {VK_CONTROL}, 'H'));
        tape_ = WaitForProcessWindow(app_.ProcessId(), kTapeTitle, kOpenMs);
        ASSERT_NE(tape_, nullptr) << "Ctrl+H showed no window titled \"" << kTapeTitle << "\"";
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(tape_) != FALSE; }));
        EXPECT_EQ(GetWindow(tape_, GW_OWNER), Window()) << "the tape is not owned by the calculator";
    }

    bool TapeChecked() const
    {
        const std::optional<std::vector<MenuItem>> menu = ReadSystemMenu(Window());
        const std::optional<MenuItem> item = menu ? FindMenuItem(*menu, IDM_SHOW_TAPE) : std::nullopt;
        return item && item->Checked();
    }

    HWND List() const { return FindWindowExA(tape_, nullptr, "ListBox", nullptr); }

    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        const HWND list = List();
        DWORD_PTR count = 0;
        if (!SendMessageTimeoutA(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, kMessageTimeoutMs, &count))
            return lines;
        for (DWORD_PTR i = 0; i < count; ++i) {
            // Wine hands a list's texts to another process as UTF-16 whichever form was
            // asked for: ask for that form, and give a little room over.
            DWORD_PTR length = 0;
            SendMessageTimeoutW(list, LB_GETTEXTLEN, i, 0, SMTO_NORMAL, kMessageTimeoutMs, &length);
            std::wstring text(length + 8, L'\0');
            DWORD_PTR got = 0;
            SendMessageTimeoutW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL,
                                kMessageTimeoutMs, &got);
            text.resize(got <= length ? got : length);
            std::string narrow(text.size() * 2 + 1, '\0');
            const int bytes =
                WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), narrow.data(),
                                    static_cast<int>(narrow.size()), nullptr, nullptr);
            narrow.resize(bytes > 0 ? static_cast<size_t>(bytes) : 0);
            lines.push_back(narrow);
        }
        return lines;
    }

    // Waits until the tape shows exactly these lines.
    testing::AssertionResult Shows(const std::vector<std::string>& expected) const
    {
        if (WaitUntil([&] { return Lines() == expected; }))
            return testing::AssertionSuccess();
        testing::AssertionResult failure = testing::AssertionFailure() << "the tape shows";
        for (const std::string& line : Lines())
            failure << " \"" << line << "\"";
        return failure;
    }

    testing::AssertionResult ClickKeys(const std::string& sequence)
    {
        const std::vector<int> ids = KeyIds(sequence);
        if (ids.empty())
            return testing::AssertionFailure() << "no keys for " << sequence;
        for (int id : ids)
            if (!Click(Window(), id))
                return testing::AssertionFailure() << "key " << id << " of " << sequence;
        return testing::AssertionSuccess();
    }

    testing::AssertionResult Type(const std::string& text)
    {
        if (!BringToForeground(Window()) || !TypeText(text))
            return testing::AssertionFailure() << "\"" << text << "\" could not be typed";
        return testing::AssertionSuccess();
    }

    // The caret and the selection on one line, as a click leaves them.
    void SelectLine(int index)
    {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(List(), LB_SETSEL, FALSE, -1, SMTO_NORMAL, kMessageTimeoutMs, &ignored);
        SendMessageTimeoutA(List(), LB_SETSEL, TRUE, index, SMTO_NORMAL, kMessageTimeoutMs, &ignored);
        SendMessageTimeoutA(List(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE, SMTO_NORMAL,
                            kMessageTimeoutMs, &ignored);
    }

    // Enter on a line: its result goes to the down window, and the calculator has the keys.
    testing::AssertionResult UseLine(int index)
    {
        SelectLine(index);
        if (!PressKeyAndWait(tape_, VK_RETURN))
            return testing::AssertionFailure() << "Enter did not reach the tape";
        if (!WaitUntil([&] { return GetForegroundWindow() == Window(); }))
            return testing::AssertionFailure() << "the calculator did not get the keys back";
        return testing::AssertionSuccess();
    }

    // Save Tape As from the tape's menu, the dialog driven as a user drives it: `path` typed
    // for the file and Save pressed, a question whether to replace a file answered Yes.
    void SaveTapeAs(const std::string& path)
    {
        ASSERT_TRUE(PostSystemCommand(tape_, IDM_SAVE_TAPE));
        const HWND dialog = WaitForProcessWindow(app_.ProcessId(), "Save Tape As", kOpenMs);
        ASSERT_NE(dialog, nullptr) << "Save Tape As showed no dialog";
        HWND name = nullptr;
        EnumChildWindows(
            dialog,
            [](HWND child, LPARAM found) {
                char cls[16] = {};
                GetClassNameA(child, cls, sizeof cls);
                if (lstrcmpiA(cls, "Edit") != 0 || !IsWindowVisible(child))
                    return TRUE;
                *reinterpret_cast<HWND*>(found) = child;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&name));
        ASSERT_NE(name, nullptr) << "the dialog has no box for the file's name";
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_NORMAL,
                            kMessageTimeoutMs, &ignored);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog) || AnswerReplace(dialog); }, kOpenMs));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, kOpenMs)) << "the dialog stayed";
    }

    // Yes to the question whether to replace a file that is there, when it is asked.
    bool AnswerReplace(HWND dialog)
    {
        for (HWND w : ProcessWindows(app_.ProcessId())) {
            if (w != dialog && GetWindow(w, GW_OWNER) == dialog && GetDlgItem(w, IDYES) != nullptr) {
                PostMessageA(w, WM_COMMAND, IDYES, 0);
                return false;
            }
        }
        return false;
    }

    HWND tape_ = nullptr;
};

std::string ScratchFolder()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "tallyra-tape-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string ReadFileText(const std::string& path)
{
    return ReadWholeFile(path).value_or(std::string());
}

TEST_F(TapeTest, TypedAndClickedOperationsAreWrittenAsThePanelsWriteThem)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(ShowTape());
    EXPECT_TRUE(Shows({}));
    ASSERT_TRUE(Type("12+5=="));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "22"));  // typed keys are queued
    ASSERT_TRUE(ClickKeys("20 + 10 %"));
    ASSERT_TRUE(Click(Window(), IDC_KEY_VIEW));  // the functions and the angle radios
    ASSERT_TRUE(ClickKeys("30 sin"));
    ASSERT_TRUE(Click(Window(), IDC_RADIO_RADIANS));
    ASSERT_TRUE(ClickKeys("0.5 sin"));
    ASSERT_TRUE(Click(Window(), IDC_KEY_CLEAR));
    ASSERT_TRUE(ClickKeys("17 MS"));
    ASSERT_TRUE(Click(Window(), IDC_KEY_DELETE));
    ASSERT_TRUE(ClickKeys("5 M+"));
    ASSERT_TRUE(Click(Window(), IDC_KEY_MC));
    EXPECT_TRUE(Shows({"12 + 5 = 17", "17 + 5 = 22", "20 + 10% = 22", "sin 30 = 0.5", "sin 0.5 = 0.47942554",
                       "C", "MS 17", "M+ 5", "MC"}));

    // In Memory: a repeated "=" takes the memory as its constant operand; the comma option
    // writes the lines that follow with its separator.
    ASSERT_TRUE(Click(Window(), IDC_KEY_CLEAR));
    ASSERT_TRUE(ClickKeys("3 MS"));
    ASSERT_TRUE(Click(Window(), IDC_KEY_DELETE));
    ASSERT_TRUE(SendSystemCommand(Window(), IDM_IN_MEMORY_MODE));
    ASSERT_TRUE(SendSystemCommand(Window(), IDM_COMMA));
    ASSERT_TRUE(ClickKeys("2 * 4 = 1.5 ="));
    const std::vector<std::string> lines = Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
              (std::vector<std::string>{"MS 3", "2 * 4 = 8", "1,5 * 3 = 4,5"}));
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
}

TEST_F(TapeTest, CopyDeleteAndClearFromTheTapesOwnKeys)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(ShowTape());
    ASSERT_TRUE(Type("1+2=3*4=5-6="));
    EXPECT_TRUE(Shows({"1 + 2 = 3", "3 * 4 = 12", "5 - 6 = -1"}));

    // Nothing selected: Copy takes every line.
    ASSERT_TRUE(SetClipboardText("before"));
    ASSERT_TRUE(PressChordAndWait(tape_, {VK_CONTROL}, 'C'));
    EXPECT_EQ(GetClipboardText(), "1 + 2 = 3\r\n3 * 4 = 12\r\n5 - 6 = -1");

    // Two lines selected: Copy takes them, Delete removes them.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(List(), LB_SETSEL, TRUE, 0, SMTO_NORMAL, kMessageTimeoutMs, &ignored);
    SendMessageTimeoutA(List(), LB_SETSEL, TRUE, 2, SMTO_NORMAL, kMessageTimeoutMs, &ignored);
    ASSERT_TRUE(PressChordAndWait(tape_, {VK_CONTROL}, 'C'));
    EXPECT_EQ(GetClipboardText(), "1 + 2 = 3\r\n5 - 6 = -1");
    ASSERT_TRUE(PressKeyAndWait(tape_, VK_DELETE));
    EXPECT_TRUE(Shows({"3 * 4 = 12"}));

    // Clear Tape from the tape's system menu, and Escape hands the keys back to the calculator.
    ASSERT_TRUE(SendSystemCommand(tape_, IDM_CLEAR_TAPE));
    EXPECT_TRUE(Shows({}));
    ASSERT_TRUE(PressKeyAndWait(tape_, VK_ESCAPE));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == Window(); }));
    // F6 in the calculator goes to the tape, F6 there back.
    ASSERT_TRUE(PressKeyAndWait(Window(), VK_F6));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == tape_; }));
    ASSERT_TRUE(PressKeyAndWait(tape_, VK_F6));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == Window(); }));

    // Ctrl+H in the calculator hides the tape and takes the check mark off.
    ASSERT_TRUE(PressChordAndWait(Window(), {VK_CONTROL}, 'H'));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(tape_); }));
    EXPECT_FALSE(TapeChecked());
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    EXPECT_EQ(ReadSetting("Show Tape").value_or(RegistryValue{}).bytes, Bytes({0}));
}

TEST_F(TapeTest, OutlivesBigFontTheLoanWindowAndARestart)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(ShowTape());
    EXPECT_TRUE(TapeChecked());
    ASSERT_TRUE(Type("2+3="));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "5"));
    ASSERT_TRUE(MoveWindowTo(tape_, 40, 60));
    const RECT placed = WindowRect(tape_);

    const HWND old = Window();
    ASSERT_TRUE(PostSystemCommand(old, IDM_BIG_FONT));
    ASSERT_NO_FATAL_FAILURE(WaitForRecreatedWindow(old));
    tape_ = WaitForProcessWindow(app_.ProcessId(), kTapeTitle, kOpenMs);
    ASSERT_NE(tape_, nullptr) << "no tape after Big Font";
    EXPECT_TRUE(Shows({"2 + 3 = 5"}));
    EXPECT_EQ(GetWindow(tape_, GW_OWNER), Window());
    EXPECT_TRUE(WaitUntil([&] {
        const RECT now = WindowRect(tape_);
        return EqualRect(&now, &placed) != FALSE;
    })) << "the tape moved with Big Font";

    // The loan window runs modally over the calculator; the tape stays and takes new lines after.
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_RUN_LOAN_CALCULATOR));
    const HWND loan = WaitForLoanWindow();
    ASSERT_NE(loan, nullptr);
    EXPECT_TRUE(IsWindowVisible(tape_));
    PostMessageA(loan, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(loan) && IsWindowEnabled(Window()); }));
    ASSERT_TRUE(Type("7+1="));
    EXPECT_TRUE(Shows({"2 + 3 = 5", "7 + 1 = 8"}));

    // The next start shows the tape where it was, with its lines.
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    tape_ = WaitForProcessWindow(app_.ProcessId(), kTapeTitle, kOpenMs);
    ASSERT_NE(tape_, nullptr) << "the tape was not shown again at the next start";
    EXPECT_TRUE(Shows({"2 + 3 = 5", "7 + 1 = 8"}));
    EXPECT_EQ(WindowRect(tape_).left, placed.left);
    EXPECT_EQ(WindowRect(tape_).top, placed.top);
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
}

TEST_F(TapeTest, KeepsTheLastThousandLinesOfALongPaste)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(ShowTape());
    std::string column;
    for (int i = 0; i < 1002; ++i)  // 1 001 additions, then "="
        column += "1+";
    ASSERT_TRUE(SetClipboardText(column + "1="));
    ASSERT_TRUE(SendSystemCommand(Window(), IDM_PASTE));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "1003"))
        << ControlText(Window(), IDC_PANEL_RESULT);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 1000u);
    EXPECT_EQ(lines.front(), "3 + 1 = 4");  // "Del", "1 + 1 = 2" and "2 + 1 = 3" went
    EXPECT_EQ(lines.back(), "1002 + 1 = 1003");
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    const std::optional<RegistryValue> stored = ReadSetting("Tape");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ));
    const std::string text(stored->bytes.begin(), stored->bytes.end());
    EXPECT_EQ(text.substr(0, 11), "3 + 1 = 4\r\n");
}

TEST_F(TapeTest, ADamagedStoredTapeStartsWithItsValidLines)
{
    // A control character, a zero inside, a line far over any we write, and no ending zero.
    const std::string bytes =
        std::string("1 + 1 = 2\r\n\x01x\0", 14) + "2 + 2 = 4\r\n" + std::string(5000, '9') + "\r\nMC";
    WriteSetting("Show Tape", REG_BINARY, Bytes({0xFF}));
    WriteSetting("Tape Place", REG_BINARY, Int32Bytes({-30000, -30000, 5, 999999}));
    WriteSetting("Tape", REG_SZ, Bytes(bytes.begin(), bytes.end()));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    tape_ = WaitForProcessWindow(app_.ProcessId(), kTapeTitle, kOpenMs);
    ASSERT_NE(tape_, nullptr);
    EXPECT_TRUE(Shows({"1 + 1 = 2", " x", "2 + 2 = 4", "MC"}));
    EXPECT_TRUE(OnTheDesktop(tape_)) << "the tape was placed where nobody can see it";
    ASSERT_TRUE(Type("2+3="));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "5"));
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
}

// A picture of the calculator with its tape beside it, for a person to look at; the check
// only makes sure that the tape's lines were captured in the entry panel's colours.
TEST_F(TapeTest, ScreenshotWithTheTape)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(ShowTape());
    ASSERT_TRUE(Type("12.5+7.25=*4=1000/8=50+10%"));
    ASSERT_TRUE(Shows({"12.5 + 7.25 = 19.75", "19.75 * 4 = 79", "1000 / 8 = 125", "50 + 10% = 55"}));
    RECT both = {};
    const RECT calculator = WindowRect(Window());
    const RECT tape = WindowRect(tape_);
    UnionRect(&both, &calculator, &tape);
    Image image;
    ASSERT_TRUE(CaptureScreenRect(both, image));
    Image list, entry;
    ASSERT_TRUE(CaptureScreenRect(WindowRect(List()), list));
    ASSERT_TRUE(CaptureScreenRect(ControlRect(Window(), IDC_PANEL_CURRENT), entry));
    EXPECT_EQ(MostCommonColour(list), MostCommonColour(entry))
        << "the tape is not in the entry panel's colours";
    const std::string path = ScreenshotPath(CurrentEdition().name + "-tape.png");
    if (!path.empty()) {
        EXPECT_TRUE(SavePng(image, path)) << path;
    }
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

TEST_F(TapeTest, AResultTakenBackGoesOnWithItsExactValue)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(ShowTape());
    ASSERT_TRUE(ClickKeys("1 / 3 ="));
    ASSERT_TRUE(Shows({"1 / 3 = 0.33333333"}));
    ASSERT_TRUE(ClickKeys("12 + 5 ="));
    ASSERT_TRUE(Shows({"1 / 3 = 0.33333333", "12 + 5 = 17"}));
    const std::string up = ControlText(Window(), IDC_PANEL_RESULT);

    // Enter on the third's line: the exact third, not its eight digits.
    ASSERT_TRUE(UseLine(0));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_CURRENT, "0.33333333"));
    EXPECT_EQ(ControlText(Window(), IDC_PANEL_RESULT), up);  // the up window and the tape as they were
    EXPECT_TRUE(Shows({"1 / 3 = 0.33333333", "12 + 5 = 17"}));
    ASSERT_TRUE(ClickKeys("* 3 ="));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "1"));

    // A double click on a line takes its result too.
    RECT line{};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(List(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&line), SMTO_NORMAL,
                        kMessageTimeoutMs, &ignored);
    MapWindowPoints(List(), nullptr, reinterpret_cast<POINT*>(&line), 2);
    ASSERT_TRUE(BringToForeground(tape_));
    ASSERT_TRUE(DoubleClickAt(CentreOf(line)));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_CURRENT, "17"));

    // After a restart the line gives the number it writes.
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    tape_ = WaitForProcessWindow(app_.ProcessId(), kTapeTitle, kOpenMs);
    ASSERT_NE(tape_, nullptr);
    ASSERT_TRUE(UseLine(0));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_CURRENT, "0.33333333"));
    ASSERT_TRUE(ClickKeys("* 3 ="));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "0.99999999"));
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
}

TEST_F(TapeTest, SaveTapeAsWritesTheLinesAndAReadOnlyFileGetsTheMessage)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(ShowTape());
    ASSERT_TRUE(ClickKeys("12 + 5 ="));
    ASSERT_TRUE(Click(Window(), IDC_KEY_CLEAR));
    ASSERT_TRUE(Shows({"12 + 5 = 17", "C"}));
    const std::string folder = ScratchFolder();
    const std::string path = folder + "\\tape.txt";
    DeleteFileA(path.c_str());
    ASSERT_NO_FATAL_FAILURE(SaveTapeAs(path));
    EXPECT_TRUE(WaitUntil([&] { return ReadFileText(path) == "12 + 5 = 17\r\nC\r\n"; }))
        << "the file holds \"" << ReadFileText(path) << "\"";

    // A read-only file is left as it was, and the user is told which and why.
    const std::string locked = folder + "\\locked.txt";
    ASSERT_TRUE(WriteWholeFile(locked, "kept", 4));
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_NO_FATAL_FAILURE(SaveTapeAs(locked));
    HWND message = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (message = WaitForProcessWindow(app_.ProcessId(), kTapeTitle, 200, tape_)); }, kOpenMs))
        << "no message";
    const std::string text = ControlText(message, 0xFFFF);
    EXPECT_NE(text.find(locked), std::string::npos) << text;
    EXPECT_NE(text.find("could not be saved"), std::string::npos) << text;
    PostMessageA(message, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(message); }));
    EXPECT_EQ(ReadFileText(locked), "kept");
    EXPECT_EQ(GetFileAttributesA((locked + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES)
        << "a partial file was left";
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(locked.c_str());
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
}

TEST_F(TapeTest, ForgetTapeOnExitKeepsNoLines)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(ShowTape());
    ASSERT_TRUE(ClickKeys("2 + 3 ="));
    ASSERT_TRUE(Shows({"2 + 3 = 5"}));
    ASSERT_TRUE(PostSystemCommand(tape_, IDM_FORGET_TAPE));
    EXPECT_TRUE(WaitUntil([&] {
        const std::optional<RegistryValue> flag = ReadSetting("Forget Tape");
        return flag && flag->bytes == Bytes({1});
    })) << "the option was not stored at once";
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    EXPECT_FALSE(ReadSetting("Tape").has_value()) << "the lines were kept";

    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    tape_ = WaitForProcessWindow(app_.ProcessId(), kTapeTitle, kOpenMs);
    ASSERT_NE(tape_, nullptr);
    EXPECT_TRUE(Shows({}));
    // Switched off, the tape keeps its lines from then on.
    ASSERT_TRUE(PostSystemCommand(tape_, IDM_FORGET_TAPE));
    ASSERT_TRUE(ClickKeys("4 + 4 ="));
    ASSERT_TRUE(Shows({"4 + 4 = 8"}));
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    ASSERT_TRUE(ReadSetting("Tape").has_value());
    EXPECT_EQ(ReadSetting("Forget Tape").value_or(RegistryValue{}).bytes, Bytes({0}));
}

}  // namespace
}  // namespace e2e
