// The program's start as decided without windows: which window a start takes for an earlier
// run of the program.
#include <gtest/gtest.h>

#include "instance_rules.h"

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

}  // namespace
