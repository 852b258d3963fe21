// The program copied into a folder of its own with a tallyra.ini beside it, as a user unpacks
// the ZIP to leave no trace: every setting of the calculator and the loan window is kept in
// that file and comes back at the next start, and HKCU\Software\Brimwold is never made. Without
// the file the registry is used as before. Another program's settings in the same file are
// kept; a file or folder that cannot be written is told once, and the program goes on.
#include "command_ids.h"
#include "control_ids.h"
#include "control_pixels.h"
#include "key_delivery.h"
#include "keyboard_input.h"
#include "loan_fixture.h"
#include "portable_folder.h"
#include "resource_ids.h"
#include "screen_capture.h"
#include "settings_file.h"
#include "stored_records.h"
#include "wait.h"
#include "window_controls.h"
#include "window_probe.h"

#include <colordlg.h>

namespace e2e {
namespace {

constexpr const char* kVendorKey = "Software\\Brimwold";
constexpr DWORD kOpenTimeoutMs = 30000;

bool VendorKeyExists()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kVendorKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::string Section(const std::string& key, const std::vector<std::string>& lines)
{
    std::string text = "[" + key + "]\r\n";
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

BOOL CALLBACK CollectText(HWND child, LPARAM texts)
{
    *reinterpret_cast<std::string*>(texts) += FullWindowText(child) + "\n";
    return TRUE;
}

class PortableTest : public LoanTest {
protected:
    void SetUp() override
    {
        LoanTest::SetUp();
        if (HasFatalFailure())
            return;
        std::string error;
        ASSERT_TRUE(folder_.Ready(error)) << error;
        // Not only this edition's keys: the portable program makes none of the maker's.
        ASSERT_TRUE(DeleteKeyTree(kVendorKey));
        RunFrom(folder_.ProgramPath());
    }

    const std::string& OtherKey() const
    {
        static const std::string classic = "Software\\Brimwold\\Tallyra\\Classic";
        static const std::string styled = "Software\\Brimwold\\Tallyra\\Styled";
        return CurrentEdition().classic ? styled : classic;
    }

    SettingsFile Stored() const
    {
        const std::optional<std::string> bytes = folder_.Settings();
        EXPECT_TRUE(bytes.has_value()) << folder_.SettingsPath() << " is gone";
        const SettingsFile file = ParseSettingsFile(bytes.value_or(""));
        for (const std::string& line : file.unreadable)
            ADD_FAILURE() << "the program wrote a line that is no setting: " << line;
        return file;
    }

    std::optional<RegistryValue> StoredValue(const std::string& key, const std::string& name) const
    {
        const SettingsFile file = ParseSettingsFile(folder_.Settings().value_or(""));
        const std::map<std::string, RegistryValue>& values = file.Section(key);
        const auto it = values.find(name);
        if (it == values.end())
            return std::nullopt;
        return it->second;
    }

    void ComputeAndWait(std::initializer_list<int> keys, const std::string& result)
    {
        ASSERT_TRUE(ClickAll(Window(), keys));
        ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, result));
    }

    // The Enter Window's background, set through the colours dialog and kept by OK.
    void SetEnterBackground(COLORREF colour)
    {
        ASSERT_TRUE(PostSystemCommand(Window(), IDM_SET_COLORS));
        const HWND dialog = WaitForProcessWindow(app_.ProcessId(), "Colors", kOpenTimeoutMs);
        ASSERT_NE(dialog, nullptr) << "\"Set Colors\" opened no colours dialog";
        const HWND list = Control(dialog, IDC_COLOR_CATEGORIES);
        DWORD_PTR selected = 0;
        ASSERT_TRUE(WaitUntil([&] {
            return SendMessageTimeoutA(list, LB_GETCURSEL, 0, 0, SMTO_NORMAL, kMessageTimeoutMs, &selected) &&
                   selected != static_cast<DWORD_PTR>(LB_ERR);
        })) << "the dialog selected no category";
        // The Enter Window's row, whose background is edited first. Chosen again until the
        // chooser follows: the dialog may still be settling in. The list is a Unicode window
        // under Wine, which hands its texts to another process as UTF-16 only.
        DWORD_PTR count = 0;
        SendMessageTimeoutA(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, kMessageTimeoutMs, &count);
        WPARAM row = 0;
        for (WPARAM i = 0; i < count && row == 0; ++i) {
            wchar_t text[64] = {};
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                                kMessageTimeoutMs, &ignored);
            if (std::wstring(text) == L"Enter Window")
                row = i;
        }
        ASSERT_NE(row, 0u) << "no \"Enter Window\" among the categories";
        const bool chosen = WaitUntil([&] {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(list, LB_SETCURSEL, row, 0, SMTO_NORMAL, kMessageTimeoutMs, &ignored);
            SendMessageTimeoutA(dialog, WM_COMMAND, MAKEWPARAM(IDC_COLOR_CATEGORIES, LBN_SELCHANGE),
                                reinterpret_cast<LPARAM>(list), SMTO_NORMAL, kMessageTimeoutMs, &ignored);
            return ChooserShows(dialog, GetSysColor(COLOR_WINDOW), 200);
        });
        ASSERT_TRUE(chosen) << ChooserShows(dialog, GetSysColor(COLOR_WINDOW), 0).message();
        DWORD_PTR ignored = 0;
        const int boxes[3] = {COLOR_RED, COLOR_GREEN, COLOR_BLUE};
        const int channels[3] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
        for (int i = 0; i < 3; ++i) {
            const std::string text = std::to_string(channels[i]);
            SendMessageTimeoutA(Control(dialog, boxes[i]), WM_SETTEXT, 0,
                                reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, kMessageTimeoutMs,
                                &ignored);
        }
        ASSERT_TRUE(ChooserShows(dialog, colour));
        EXPECT_TRUE(PanelBackIs(IDC_PANEL_CURRENT, colour)) << "the colour did not reach the Enter Window";
        ASSERT_TRUE(Click(dialog, IDOK));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); })) << "the colours dialog did not close";
        ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(Window()) != FALSE; }));
    }

    // The chooser's Red, Green and Blue boxes hold this colour.
    testing::AssertionResult ChooserShows(HWND dialog, COLORREF colour, DWORD timeoutMs = kDefaultTimeoutMs)
    {
        std::string shown;
        const bool shows = WaitUntil(
            [&] {
                shown = ControlText(dialog, COLOR_RED) + ", " + ControlText(dialog, COLOR_GREEN) + ", " +
                        ControlText(dialog, COLOR_BLUE);
                return shown == std::to_string(GetRValue(colour)) + ", " + std::to_string(GetGValue(colour)) +
                                    ", " + std::to_string(GetBValue(colour));
            },
            timeoutMs);
        if (shows)
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "the chooser shows " << shown << ", not " << ColourText(colour);
    }

    testing::AssertionResult PanelBackIs(int id, COLORREF colour)
    {
        testing::AssertionResult last = testing::AssertionFailure() << "the window could not be captured";
        WaitUntil([&] {
            Image capture;
            if (!CaptureScreenRect(WindowRect(Window()), capture))
                return false;
            last = BackgroundIs(ControlPixels(capture, Window(), Window(), id, 1), colour);
            return static_cast<bool>(last);
        });
        return last;
    }

    // The program's message: a window of its process with the program's title that is not
    // the calculator window.
    HWND MessageBoxWindow() const
    {
        for (HWND hwnd : ProcessWindowsTitled(app_.ProcessId(), CurrentEdition().title))
            if (hwnd != Window() && IsWindowVisible(hwnd))
                return hwnd;
        return nullptr;
    }

    // A saving command whose save fails brings one message naming the file and the reason,
    // owned by the calculator; a second one brings none.
    void ExpectToldOnce(UINT firstSave, UINT secondSave)
    {
        ASSERT_TRUE(PostSystemCommand(Window(), firstSave));
        HWND box = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (box = MessageBoxWindow()) != nullptr; }, kOpenTimeoutMs))
            << "the failed save told nothing";
        std::string text;
        EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&text));
        EXPECT_NE(text.find(folder_.SettingsPath()), std::string::npos)
            << "the message does not name the file:\n"
            << text;
        EXPECT_NE(text.find("(error "), std::string::npos) << "the message gives no reason:\n" << text;
        EXPECT_NE(text.find("registry"), std::string::npos) << text;
        EXPECT_EQ(GetWindow(box, GW_OWNER), Window()) << "the message is not the calculator's";
        std::printf("portable: the message: %s\n", text.c_str());
        ASSERT_TRUE(PostMessageA(box, WM_COMMAND, IDOK, 0));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); })) << "the message did not go";
        ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(Window()) != FALSE; }));

        // Handled in full before the call returns, unless a message holds it up.
        SendSystemCommand(Window(), secondSave);
        box = MessageBoxWindow();
        EXPECT_EQ(box, nullptr) << "a second failed save was told again";
        if (box != nullptr)
            PostMessageA(box, WM_COMMAND, IDOK, 0);
    }

    // The file a first, normal run leaves: the numbers of [2 + 3 =].
    void SaveAFirstRun()
    {
        ASSERT_NO_FATAL_FAILURE(StartCalculator());
        ASSERT_NO_FATAL_FAILURE(
            ComputeAndWait({IDC_KEY_DIGIT0 + 2, IDC_KEY_ADD, IDC_KEY_DIGIT0 + 3, IDC_KEY_EQUALS}, "5"));
        ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    }

    // A run against a file it cannot write: it reads it, is told once, computes and ends
    // by itself, and the file and the registry are as they were.
    void RunUnwritable()
    {
        const std::optional<std::string> before = folder_.Settings();
        ASSERT_TRUE(before.has_value() && !before->empty());
        ASSERT_NO_FATAL_FAILURE(StartCalculator());
        EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "5")) << "the file was not read";
        ASSERT_NO_FATAL_FAILURE(ExpectToldOnce(IDM_BOLD_VALUES, IDM_COMMA));
        ASSERT_NO_FATAL_FAILURE(
            ComputeAndWait({IDC_KEY_DIGIT0 + 7, IDC_KEY_MULTIPLY, IDC_KEY_DIGIT0 + 6, IDC_KEY_EQUALS}, "42"));
        ASSERT_NO_FATAL_FAILURE(CloseCalculator());
        EXPECT_EQ(folder_.Settings(), before) << "the file changed";
        EXPECT_FALSE(VendorKeyExists()) << "the settings went to the registry instead";
    }

    PortableFolder folder_;
};

TEST_F(PortableTest, EverythingIsKeptInTheFileAndComesBackWithNothingInTheRegistry)
{
    const COLORREF enterBack = RGB(250, 230, 200);
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(
        ComputeAndWait({IDC_KEY_DIGIT0 + 2, IDC_KEY_ADD, IDC_KEY_DIGIT0 + 3, IDC_KEY_EQUALS}, "5"));
    // An option saved at once, and one saved at the next save.
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_BOLD_VALUES));
    EXPECT_TRUE(WaitUntil([&] {
        return StoredValue(CurrentEdition().registryKey, "Bold Result") == RegistryValue{REG_BINARY, {1}};
    })) << "Bold Values was not saved in the file";
    ASSERT_NO_FATAL_FAILURE(SetEnterBackground(enterBack));
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_SHOW_TIPS));
    ASSERT_TRUE(WaitForMenuCheck(Window(), IDM_SHOW_TIPS, true));
    EXPECT_TRUE(WaitUntil([&] {
        const std::optional<RegistryValue> colours =
            StoredValue(CurrentEdition().registryKey, "Basic Colors");
        return colours && colours->bytes.size() == 60 &&
               Int32At(colours->bytes, 0) == static_cast<int32_t>(enterBack);
    })) << "the colour was not saved in the file";
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_TRUE(BringToForeground(Loan()));
    ASSERT_TRUE(TypeText("5"));
    ASSERT_TRUE(LoanReads(IDC_LOAN_AMOUNT, "10 005"));
    ASSERT_NO_FATAL_FAILURE(CloseLoan());
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());

    EXPECT_FALSE(VendorKeyExists()) << "HKCU\\Software\\Brimwold was made";
    const SettingsFile file = Stored();
    EXPECT_EQ(file.sections.size(), 2u)
        << "the file holds other keys than the calculator's and the loan window's";
    ExpectSoundValues(Key::Calculator, CurrentEdition(), file.Section(CurrentEdition().registryKey),
                      [](const ValueEntry& entry, const Bytes& bytes) {
                          if (std::string(entry.name) == "Last Values") {
                              EXPECT_EQ(bytes, DoubleBytes({5.0, 3.0, 5.0, 0.0}));
                          }
                          if (std::string(entry.name) == "Show Tips" ||
                              std::string(entry.name) == "Bold Result") {
                              EXPECT_EQ(bytes, Bytes({1})) << entry.name;
                          }
                      });
    ExpectSoundValues(Key::Loan, CurrentEdition(), file.Section(CurrentEdition().loanRegistryKey),
                      [](const ValueEntry& entry, const Bytes& bytes) {
                          if (std::string(entry.name) == "Amount") {
                              EXPECT_EQ(bytes, TextBytes("10005"));
                          }
                      });

    // The next start has everything back.
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_RESULT, "5"));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_CURRENT, "3"));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_BOLD_VALUES, true));
    EXPECT_TRUE(WaitForMenuCheck(Window(), IDM_SHOW_TIPS, true));
    EXPECT_TRUE(PanelBackIs(IDC_PANEL_CURRENT, enterBack));
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    EXPECT_TRUE(LoanReads(IDC_LOAN_AMOUNT, "10 005"));
    ASSERT_NO_FATAL_FAILURE(CloseLoan());
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    EXPECT_FALSE(VendorKeyExists()) << "HKCU\\Software\\Brimwold was made";
}

TEST_F(PortableTest, WithoutTheFileTheRegistryIsUsedAsBefore)
{
    ASSERT_TRUE(folder_.RemoveSettings());
    ASSERT_NO_FATAL_FAILURE(SaveAFirstRun());
    EXPECT_EQ(ReadSetting("Last Values"), (RegistryValue{REG_BINARY, DoubleBytes({5.0, 3.0, 5.0, 0.0})}));
    EXPECT_FALSE(folder_.Settings().has_value()) << "a settings file was made";
}

TEST_F(PortableTest, ASaveKeepsWhatAnotherProgramKeepsInTheFile)
{
    const std::string otherLoanKey = CurrentEdition().classic
                                         ? "Software\\Brimwold\\Loan Calculator\\Styled"
                                         : "Software\\Brimwold\\Loan Calculator\\Classic";
    ASSERT_TRUE(
        folder_.PutSettings(Section(OtherKey(), {BinaryLine("Big Font", {1}), DwordLine("nScale", 12)})));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_NO_FATAL_FAILURE(
        ComputeAndWait({IDC_KEY_DIGIT0 + 2, IDC_KEY_ADD, IDC_KEY_DIGIT0 + 3, IDC_KEY_EQUALS}, "5"));
    // The other program saves while this one runs.
    ASSERT_TRUE(folder_.PutSettings(folder_.Settings().value_or("") + "\r\n" +
                                    Section(otherLoanKey, {StringLine("Amount", "77")})));
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());

    const SettingsFile file = Stored();
    EXPECT_EQ(file.Section(OtherKey()).size(), 2u);
    EXPECT_EQ(file.Section(OtherKey()).count("Big Font") ? file.Section(OtherKey()).at("Big Font")
                                                         : RegistryValue{},
              (RegistryValue{REG_BINARY, {1}}));
    EXPECT_EQ(file.Section(OtherKey()).count("nScale") ? file.Section(OtherKey()).at("nScale")
                                                       : RegistryValue{},
              (RegistryValue{REG_DWORD, DwordBytes(12)}));
    EXPECT_EQ(file.Section(otherLoanKey).count("Amount") ? file.Section(otherLoanKey).at("Amount")
                                                         : RegistryValue{},
              (RegistryValue{REG_SZ, TextBytes("77")}))
        << "what another program saved while this one ran was lost";
    ExpectSoundValues(Key::Calculator, CurrentEdition(), file.Section(CurrentEdition().registryKey));
}

TEST_F(PortableTest, TwoInstancesShareTheFileAndTheLastSaveWins)
{
    ASSERT_TRUE(
        folder_.PutSettings(Section(CurrentEdition().registryKey, {BinaryLine("Run Multiple", {1})})));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    AppProcess second;
    std::string error;
    ASSERT_TRUE(second.Start(folder_.ProgramPath(), error)) << error;
    const HWND other = second.WaitForWindow(CurrentEdition().title, kOpenTimeoutMs, Window());
    ASSERT_NE(other, nullptr) << "no second calculator came";
    ASSERT_NO_FATAL_FAILURE(
        ComputeAndWait({IDC_KEY_DIGIT0 + 2, IDC_KEY_ADD, IDC_KEY_DIGIT0 + 3, IDC_KEY_EQUALS}, "5"));
    ASSERT_TRUE(ClickAll(other, {IDC_KEY_DIGIT0 + 7, IDC_KEY_MULTIPLY, IDC_KEY_DIGIT0 + 6, IDC_KEY_EQUALS}));
    ASSERT_TRUE(WaitForControlText(other, IDC_PANEL_RESULT, "42"));

    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    EXPECT_EQ(StoredValue(CurrentEdition().registryKey, "Last Values"),
              (RegistryValue{REG_BINARY, DoubleBytes({5.0, 3.0, 5.0, 0.0})}));
    ASSERT_TRUE(second.Close(10000)) << "the second calculator did not end";
    EXPECT_EQ(StoredValue(CurrentEdition().registryKey, "Last Values"),
              (RegistryValue{REG_BINARY, DoubleBytes({42.0, 6.0, 42.0, 0.0})}))
        << "the last save did not win";
    ExpectSoundValues(Key::Calculator, CurrentEdition(), Stored().Section(CurrentEdition().registryKey));
    EXPECT_FALSE(VendorKeyExists());
}

TEST_F(PortableTest, AReadOnlyFileIsToldOnceAndTheProgramGoesOn)
{
    ASSERT_NO_FATAL_FAILURE(SaveAFirstRun());
    ASSERT_TRUE(SetFileAttributesA(folder_.SettingsPath().c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_NO_FATAL_FAILURE(RunUnwritable());
}

// An installer closing the program is not held up by a message nobody will read: the save
// made for the close fails in silence, and the program ends.
TEST_F(PortableTest, AReadOnlyFileHoldsNoInstallerClose)
{
    ASSERT_NO_FATAL_FAILURE(SaveAFirstRun());
    const std::optional<std::string> before = folder_.Settings();
    ASSERT_TRUE(SetFileAttributesA(folder_.SettingsPath().c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    for (const UINT message : {WM_QUERYENDSESSION, WM_ENDSESSION}) {
        DWORD_PTR answer = 0;
        EXPECT_TRUE(
            SendMessageTimeoutA(Window(), message, TRUE, ENDSESSION_CLOSEAPP, SMTO_NORMAL, 2000, &answer) ||
            !IsWindow(Window()))
            << "the calculator did not answer within 2 s";
    }
    ASSERT_TRUE(app_.WaitForExit(5000)) << "the program did not end when an installer asked";
    EXPECT_EQ(folder_.Settings(), before) << "the file changed";
}

TEST_F(PortableTest, AReadOnlyFolderIsToldOnceAndTheProgramGoesOn)
{
    ASSERT_NO_FATAL_FAILURE(SaveAFirstRun());
    if (!folder_.MakeReadOnly())
        GTEST_SKIP() << "the folder could not be made read-only here";
    ASSERT_NO_FATAL_FAILURE(RunUnwritable());
}

TEST_F(PortableTest, AHugeOrSpoiledFileStartsWithTheDefaultsAndIsMadeSound)
{
    // A hundred megabytes (a sparse file: nothing is written) is refused by its size.
    HANDLE handle =
        CreateFileA(folder_.SettingsPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size{};
    size.QuadPart = 100LL << 20;
    ASSERT_TRUE(SetFilePointerEx(handle, size, nullptr, FILE_BEGIN) && SetEndOfFile(handle));
    CloseHandle(handle);
    ASSERT_NO_FATAL_FAILURE(SaveAFirstRun());
    ExpectSoundValues(Key::Calculator, CurrentEdition(), Stored().Section(CurrentEdition().registryKey));

    // Lines that hold nothing the program can read, and a NUL byte.
    const std::string spoiled = Section(
        CurrentEdition().registryKey, {"Big Font=binary:1", "nScale=dword:99999999999", "Show Tips=text:1",
                                       std::string("Last Values=binary:\0", 20), "x,y=hex(3):zz", "garbage"});
    ASSERT_TRUE(folder_.PutSettings(spoiled));
    ASSERT_NO_FATAL_FAILURE(SaveAFirstRun());
    EXPECT_EQ(StoredValue(CurrentEdition().registryKey, "Big Font"), (RegistryValue{REG_BINARY, {0}}))
        << "a spoiled \"Big Font\" was taken";
    EXPECT_EQ(StoredValue(CurrentEdition().registryKey, "nScale"), (RegistryValue{REG_DWORD, DwordBytes(8)}));
    ExpectSoundValues(Key::Calculator, CurrentEdition(), Stored().Section(CurrentEdition().registryKey));
    EXPECT_FALSE(VendorKeyExists());
}

}  // namespace
}  // namespace e2e
