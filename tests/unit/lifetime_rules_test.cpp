// The program's start and end as decided without windows: which window a start takes for an
// earlier run of the program, and what a window does when the session ends or an installer
// asks the program to close.
#include <gtest/gtest.h>

#include "instance_rules.h"
#include "session_rules.h"

namespace {

constexpr char kDialog[] = "#32770";
constexpr char kOurs[] = "C:\\Program Files\\Tallyra\\tallyra-classic.exe";

TEST(EarlierInstance, OnlyADialogOfAProcessRunningThisProgramsFile)
{
    const struct {
        const char* why;
        const char* windowClass;
        const char* theirs;
        bool counts;
    } kCases[] = {
        {"the same file", kDialog, kOurs, true},
        {"another folder", kDialog, "Z:\\home\\pat\\Downloads\\tallyra\\tallyra-classic.exe", true},
        {"another case", kDialog, "c:\\program files\\tallyra\\TALLYRA-CLASSIC.EXE", true},
        {"forward slashes", kDialog, "C:/Tallyra/tallyra-classic.exe", true},
        {"a long-path prefix", kDialog, "\\\\?\\C:\\Tallyra\\tallyra-classic.exe", true},
        {"a bare name", kDialog, "tallyra-classic.exe", true},
        {"the other edition", kDialog, "C:\\Program Files\\Tallyra\\tallyra-styled.exe", false},
        {"a name that ends in ours", kDialog, "C:\\Tools\\old-tallyra-classic.exe", false},
        {"ours as a folder", kDialog, "C:\\tallyra-classic.exe\\notepad.exe", false},
        {"a test driver", kDialog, "C:\\build\\e2e_tests.exe", false},
        {"an image that could not be read", kDialog, "", false},
        {"a folder only", kDialog, "C:\\Program Files\\Tallyra\\", false},
        {"a plain window", "TallyraLookalike", kOurs, false},
        {"a class that only begins as a dialog's", "#327700", kOurs, false},
        {"no class", "", kOurs, false},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(IsWindowOfThisProgram(c.windowClass, c.theirs, kOurs), c.counts) << c.why;

    // A program whose own file name is unknown takes no window for its own.
    EXPECT_FALSE(IsWindowOfThisProgram(kDialog, kOurs, ""));
    EXPECT_FALSE(IsWindowOfThisProgram(kDialog, "", ""));
    EXPECT_FALSE(IsWindowOfThisProgram(kDialog, "C:\\", "D:\\"));
}

TEST(EarlierInstance, FileNamePart)
{
    EXPECT_EQ(FileNamePart("C:\\a\\b.exe"), "b.exe");
    EXPECT_EQ(FileNamePart("C:b.exe"), "b.exe");
    EXPECT_EQ(FileNamePart("b.exe"), "b.exe");
    EXPECT_EQ(FileNamePart("C:\\a\\"), "");
    EXPECT_EQ(FileNamePart(""), "");
}

TEST(SessionEnd, AnswersAndWhatEachWindowDoes)
{
    constexpr uint32_t kLogoff = 0x80000000u;    // ENDSESSION_LOGOFF
    constexpr uint32_t kCritical = 0x40000000u;  // ENDSESSION_CRITICAL
    const struct {
        const char* why;
        SessionMessage message;
        bool ending;
        uint32_t flags;
        bool save;
        bool endProgram;
    } kCases[] = {
        {"asked at shutdown", SessionMessage::Query, false, 0, false, false},
        {"asked at logoff", SessionMessage::Query, false, kLogoff, false, false},
        {"asked by an installer", SessionMessage::Query, false, kEndSessionCloseApp, false, false},
        {"the session ends", SessionMessage::End, true, 0, true, false},
        {"the user logs off", SessionMessage::End, true, kLogoff, true, false},
        {"a critical end", SessionMessage::End, true, kCritical, true, false},
        {"an installer closes the program", SessionMessage::End, true, kEndSessionCloseApp, true, true},
        {"an installer, with other flags", SessionMessage::End, true, kEndSessionCloseApp | kLogoff, true,
         true},
        {"the session goes on after all", SessionMessage::End, false, 0, false, false},
        {"the installer changed its mind", SessionMessage::End, false, kEndSessionCloseApp, false, false},
    };
    for (const auto& c : kCases) {
        const SessionAnswer answer = AnswerSession(c.message, c.ending, c.flags);
        EXPECT_TRUE(answer.agree) << c.why;
        EXPECT_EQ(answer.save, c.save) << c.why;
        EXPECT_EQ(answer.endProgram, c.endProgram) << c.why;
    }
}

}  // namespace
