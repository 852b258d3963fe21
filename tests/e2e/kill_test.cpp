// The program ended at any moment (TerminateProcess, as a crash, a power cut or Task
// Manager's End task would): while typing, with its loan window or colours dialog open, in
// the middle of Close's registry writes, and, run portable from a folder with its tallyra.ini,
// in the middle of Close's save of that file, which must then hold the old settings or the new
// ones whole. Every time the next start shows a usable window that computes [2 + 3 =], and its
// next Close stores a sound record.
#include "command_ids.h"
#include "control_ids.h"
#include "keyboard_input.h"
#include "loan_fixture.h"
#include "portable_folder.h"
#include "random_afternoon.h"
#include "resource_ids.h"
#include "settings_file.h"
#include "stored_records.h"
#include "wait.h"
#include "window_controls.h"

#include <colordlg.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>

namespace e2e {
namespace {

enum class Moment { Typing, LoanOpen, ColoursOpen, DuringClose, DuringPortableClose };

struct KillCase {
    Moment moment;
    int round;
};

constexpr int kRounds = 4;

std::vector<KillCase> AllCases()
{
    std::vector<KillCase> cases;
    for (Moment m : {Moment::Typing, Moment::LoanOpen, Moment::ColoursOpen, Moment::DuringClose,
                     Moment::DuringPortableClose})
        for (int round = 0; round < (m >= Moment::DuringClose ? 2 * kRounds : kRounds); ++round)
            cases.push_back({m, round});
    return cases;
}

std::string CaseName(const testing::TestParamInfo<KillCase>& info)
{
    static const char* const names[] = {"WhileTyping", "WithTheLoanWindowOpen", "WithTheColoursDialogOpen",
                                        "DuringClose", "DuringPortableClose"};
    return std::string(names[static_cast<int>(info.param.moment)]) + "_" + std::to_string(info.param.round);
}

using Record = std::map<std::string, RegistryValue>;

class KillTest : public LoanTest, public testing::WithParamInterface<KillCase> {
protected:
    Record Stored() const
    {
        Record all;
        for (const auto& [name, value] : ReadAllValues(CurrentEdition().registryKey))
            all["calculator " + name] = value;
        for (const auto& [name, value] : ReadAllValues(CurrentEdition().loanRegistryKey))
            all["loan " + name] = value;
        return all;
    }

    void ComputeFive()
    {
        ASSERT_TRUE(
            ClickAll(Window(), {IDC_KEY_DIGIT0 + 2, IDC_KEY_ADD, IDC_KEY_DIGIT0 + 3, IDC_KEY_EQUALS}));
        std::string shown;
        const bool five = WaitUntil([&] {
            shown = ControlText(Window(), IDC_PANEL_RESULT);
            for (char& c : shown)
                if (c == ',')
                    c = '.';
            char* end = nullptr;
            return !shown.empty() && std::strtod(shown.c_str(), &end) == 5.0 && *end == '\0';
        });
        ASSERT_TRUE(five) << "[2 + 3 =] shows \"" << shown << "\"";
    }

    // Keys typed until the kill, from the seeded stream.
    void TypeFor(std::mt19937& random, DWORD ms)
    {
        const ULONGLONG end = GetTickCount64() + ms;
        static const char keys[] = "0123456789+-*/=.%";
        while (GetTickCount64() < end) {
            TypeText(std::string(1, keys[random() % (sizeof keys - 1)]));
            PumpFor(static_cast<DWORD>(random() % 8));
        }
    }

    // Posts Close and kills the program once the registry key has changed `changes` times.
    void KillDuringClose(int changes)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, CurrentEdition().registryKey.c_str(), 0, KEY_NOTIFY, &key),
                  ERROR_SUCCESS);
        HANDLE changed = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        ASSERT_EQ(RegNotifyChangeKeyValue(key, FALSE, REG_NOTIFY_CHANGE_LAST_SET, changed, TRUE),
                  ERROR_SUCCESS);
        ASSERT_TRUE(PostSystemCommand(Window(), SC_CLOSE));
        for (int seen = 0; seen < changes; ++seen) {
            if (WaitForSingleObject(changed, 10000) != WAIT_OBJECT_0)
                break;
            if (seen + 1 < changes)
                RegNotifyChangeKeyValue(key, FALSE, REG_NOTIFY_CHANGE_LAST_SET, changed, TRUE);
        }
        app_.Kill();
        CloseHandle(changed);
        RegCloseKey(key);
    }

    // Posts Close and kills the program `delayUs` microseconds after its folder first changed:
    // the settings file is being written beside the old one, then moved over it, within a few
    // milliseconds.
    void KillDuringFileSave(const PortableFolder& folder, LONGLONG delayUs)
    {
        HANDLE changed = FindFirstChangeNotificationA(folder.Folder().c_str(), FALSE,
                                                      FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE |
                                                          FILE_NOTIFY_CHANGE_LAST_WRITE);
        ASSERT_NE(changed, INVALID_HANDLE_VALUE);
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, app_.ProcessId());
        ASSERT_NE(process, nullptr);
        ASSERT_TRUE(PostSystemCommand(Window(), SC_CLOSE));
        // Or the end of a program that got to save and end first.
        const HANDLE events[2] = {changed, process};
        if (WaitForMultipleObjects(2, events, FALSE, 10000) == WAIT_OBJECT_0) {
            LARGE_INTEGER frequency{}, start{}, now{};
            QueryPerformanceFrequency(&frequency);
            QueryPerformanceCounter(&start);
            do
                QueryPerformanceCounter(&now);
            while ((now.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart < delayUs);
        }
        app_.Kill();
        CloseHandle(process);
        FindCloseChangeNotification(changed);
    }

    // The file a save was cut off in holds what it held before, or the new settings whole:
    // every line readable, the same keys, the loan window's untouched, the calculator's a sound
    // record one save on.
    void ExpectOldOrNewWhole(const std::string& before, const std::string& after, const char* moment)
    {
        if (after == before) {
            std::printf("kills: %s: the old file is there whole (%zu bytes)\n", moment, before.size());
            return;
        }
        const SettingsFile old = ParseSettingsFile(before);
        const SettingsFile now = ParseSettingsFile(after);
        EXPECT_TRUE(now.unreadable.empty()) << "a line of a cut-off save: " << now.unreadable.front();
        ASSERT_EQ(now.sections.size(), old.sections.size()) << "the file lost or gained a key:\n" << after;
        EXPECT_EQ(now.Section(CurrentEdition().loanRegistryKey),
                  old.Section(CurrentEdition().loanRegistryKey))
            << "the loan window's settings changed";
        const std::map<std::string, RegistryValue>& calculator = now.Section(CurrentEdition().registryKey);
        ExpectSoundValues(Key::Calculator, CurrentEdition(), calculator);
        const auto count = calculator.find("Run Q-ty");
        const auto oldCount = old.Section(CurrentEdition().registryKey).find("Run Q-ty");
        ASSERT_TRUE(count != calculator.end() && oldCount != old.Section(CurrentEdition().registryKey).end());
        EXPECT_EQ(Int32At(count->second.bytes, 0), Int32At(oldCount->second.bytes, 0) + 1)
            << "not the next save after the one before";
        std::printf("kills: %s: the new file is there whole (%zu bytes)\n", moment, after.size());
    }
};

TEST_P(KillTest, NextStartIsUsableAndSavesASoundRecord)
{
    const KillCase& c = GetParam();
    const unsigned seed = CurrentOptions().seed != 0 ? CurrentOptions().seed + c.round : FreshSeed();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const bool portable = c.moment == Moment::DuringPortableClose;
    std::unique_ptr<PortableFolder> folder;
    if (portable) {
        folder.reset(new PortableFolder);
        std::string error;
        ASSERT_TRUE(folder->Ready(error)) << error;
        RunFrom(folder->ProgramPath());
    }

    // A first, clean run leaves a complete record of both windows behind.
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_NO_FATAL_FAILURE(CloseLoan());
    ASSERT_NO_FATAL_FAILURE(ComputeFive());
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    const Record before = Stored();

    // A full tape makes the file's save long enough to be cut off in the middle: a thousand
    // lines of a thousand characters, in a section of the same key after the first, whose
    // values take the place of its own.
    if (portable) {
        std::string tape;
        for (int line = 0; line < 1000; ++line)
            tape += (line == 0 ? "" : "\\r\\n") + std::to_string(line) + " = " + std::string(1000, '7');
        ASSERT_TRUE(folder->PutSettings(folder->Settings().value_or("") + "\r\n[" +
                                        CurrentEdition().registryKey + "]\r\n" + StringLine("Tape", tape) +
                                        "\r\n"));
    }

    // The run that is cut off, with something changed that its Close would save.
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(BringToForeground(Window()));
    ASSERT_TRUE(TypeText("7*6="));
    ASSERT_TRUE(SendSystemCommand(Window(), IDM_BOLD_VALUES));
    const DWORD delay = 20 + random() % 400;
    switch (c.moment) {
    case Moment::Typing:
        TypeFor(random, delay);
        app_.Kill();
        break;
    case Moment::LoanOpen:
        ASSERT_NO_FATAL_FAILURE(OpenLoan());
        ASSERT_TRUE(BringToForeground(Loan()));
        TypeFor(random, delay);
        app_.Kill();
        break;
    case Moment::ColoursOpen: {
        ASSERT_TRUE(PostSystemCommand(Window(), IDM_SET_COLORS));
        const HWND dialog = WaitForProcessWindow(app_.ProcessId(), "Colors", 30000);
        ASSERT_NE(dialog, nullptr);
        SetDlgItemInt(dialog, COLOR_RED, random() % 256, FALSE);
        PumpFor(delay);
        app_.Kill();
        break;
    }
    case Moment::DuringClose: ASSERT_NO_FATAL_FAILURE(KillDuringClose(1 + c.round)); break;
    case Moment::DuringPortableClose: {
        // Bold Values has saved already; Close saves once more.
        const std::string saved = folder->Settings().value_or("");
        ASSERT_NO_FATAL_FAILURE(KillDuringFileSave(*folder, c.round * 400));
        ASSERT_FALSE(app_.Running());
        // What the cut-off save left beside the file, if it was cut off while writing.
        WIN32_FILE_ATTRIBUTE_DATA partial{};
        if (GetFileAttributesExA((folder->SettingsPath() + ".tmp").c_str(), GetFileExInfoStandard, &partial))
            std::printf("kills: %s: %lu bytes written beside it\n", CaseName({c, 0}).c_str(),
                        partial.nFileSizeLow);
        ExpectOldOrNewWhole(saved, folder->Settings().value_or(""), CaseName({c, 0}).c_str());
        break;
    }
    }
    ASSERT_FALSE(app_.Running());

    if (!portable) {
        const Record after = Stored();
        int written = 0;
        for (const auto& [name, value] : after) {
            const auto it = before.find(name);
            if (it == before.end() || !(it->second == value))
                ++written;
        }
        std::printf("kills: %s: %d of %zu values written before the kill\n", CaseName({c, 0}).c_str(),
                    written, after.size());
    }
    std::fflush(stdout);

    // The next start is usable, computes, and saves a sound record.
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    EXPECT_TRUE(OnTheDesktop(Window()));
    ASSERT_NO_FATAL_FAILURE(ComputeFive());
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    ASSERT_NO_FATAL_FAILURE(CloseLoan());
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    if (portable) {
        const SettingsFile file = ParseSettingsFile(folder->Settings().value_or(""));
        EXPECT_TRUE(file.unreadable.empty()) << file.unreadable.front();
        ExpectSoundValues(Key::Calculator, CurrentEdition(), file.Section(CurrentEdition().registryKey));
        ExpectSoundValues(Key::Loan, CurrentEdition(), file.Section(CurrentEdition().loanRegistryKey));
        EXPECT_TRUE(ReadAllValues(CurrentEdition().registryKey).empty())
            << "the portable program used the registry";
        return;
    }
    ExpectSoundRecord(Key::Calculator, CurrentEdition());
    ExpectSoundRecord(Key::Loan, CurrentEdition());
}

INSTANTIATE_TEST_SUITE_P(Kills, KillTest, testing::ValuesIn(AllCases()), CaseName);

}  // namespace
}  // namespace e2e
