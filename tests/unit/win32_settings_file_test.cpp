// The settings file on disk, under Wine as on Windows: replaced whole with nothing left
// beside it, a file too large refused by its size, and a file or folder that cannot be
// written left as it was with the system's reason.
#include <windows.h>

#include <gtest/gtest.h>

#include "win32_settings_file.h"

namespace {

class SettingsFileOnDisk : public testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof temp, temp);
        folder_ = std::string(temp) + "tallyra-file-" + std::to_string(GetCurrentProcessId()) + "-" +
                  std::to_string(GetTickCount());
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr)) << folder_;
        path_ = folder_ + "\\tallyra.ini";
    }
    void TearDown() override
    {
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path_.c_str());
        DeleteFileA((path_ + ".tmp").c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    void Put(const std::string& bytes)
    {
        HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }

    std::string Held()
    {
        std::string bytes;
        std::string reason;
        EXPECT_EQ(Win32SettingsFile(path_).Read(bytes, kMaxSettingsFileBytes, reason), FileRead::Read)
            << reason;
        return bytes;
    }

    bool Exists(const std::string& path)
    {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    std::string folder_;
    std::string path_;
};

TEST_F(SettingsFileOnDisk, IsReplacedWholeAndLeavesNothingBeside)
{
    Win32SettingsFile file(path_);
    std::string bytes;
    std::string reason;
    EXPECT_EQ(file.Read(bytes, kMaxSettingsFileBytes, reason), FileRead::Missing);
    ASSERT_TRUE(file.Replace("first", reason)) << reason;
    EXPECT_EQ(Held(), "first");
    const std::string second(100000, 'x');
    ASSERT_TRUE(file.Replace(second, reason)) << reason;
    EXPECT_EQ(Held(), second);
    ASSERT_TRUE(file.Replace("", reason)) << reason;
    EXPECT_EQ(Held(), "");
    EXPECT_FALSE(Exists(path_ + ".tmp"));
}

TEST_F(SettingsFileOnDisk, AFileOfAHundredMegabytesIsRefusedByItsSize)
{
    HANDLE handle = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size{};
    size.QuadPart = 100LL << 20;
    ASSERT_TRUE(SetFilePointerEx(handle, size, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(handle));
    CloseHandle(handle);
    std::string bytes = "left over";
    std::string reason;
    EXPECT_EQ(Win32SettingsFile(path_).Read(bytes, kMaxSettingsFileBytes, reason), FileRead::TooLarge);
    EXPECT_TRUE(bytes.empty());
}

TEST_F(SettingsFileOnDisk, AReadOnlyFileIsLeftAsItWasWithTheReason)
{
    ASSERT_NO_FATAL_FAILURE(Put("old"));
    ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY));
    Win32SettingsFile file(path_);
    std::string reason;
    EXPECT_FALSE(file.Replace("new", reason));
    EXPECT_NE(reason.find("(error 5)"), std::string::npos) << reason;
    EXPECT_EQ(Held(), "old");
    EXPECT_FALSE(Exists(path_ + ".tmp"));

    // Through the store: the run reads it, goes on with what it saves, and is told once.
    std::vector<std::string> messages;
    IniRegistry store(std::unique_ptr<ISettingsFile>(new Win32SettingsFile(path_)),
                      [&](const std::string& message) { messages.push_back(message); });
    for (int save = 0; save < 2; ++save)
        store.Create("Key")->Write("Value", kRegBinary, "\x01", 1);
    EXPECT_EQ(Held(), "old");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(path_), std::string::npos) << messages[0];
    uint32_t type = 0;
    uint32_t size = 0;
    EXPECT_TRUE(store.Open("Key")->Query("Value", type, size));
}

TEST_F(SettingsFileOnDisk, AFolderThatIsGoneIsNotWrittenWithTheReason)
{
    const std::string path = folder_ + "\\gone\\tallyra.ini";
    Win32SettingsFile file(path);
    std::string bytes;
    std::string reason;
    EXPECT_EQ(file.Read(bytes, kMaxSettingsFileBytes, reason), FileRead::Missing);
    EXPECT_FALSE(file.Replace("new", reason));
    EXPECT_NE(reason.find("(error 3)"), std::string::npos) << reason;
}

DWORD WINAPI TakeTheLock(void* file)
{
    static_cast<Win32SettingsFile*>(file)->Lock();
    static_cast<Win32SettingsFile*>(file)->Unlock();
    return 0;
}

TEST_F(SettingsFileOnDisk, OneProgramAtATimeHoldsTheLockOfAFile)
{
    Win32SettingsFile first(path_);
    Win32SettingsFile second(folder_ + "\\TALLYRA.INI");  // the same file, named otherwise
    first.Lock();
    HANDLE thread = CreateThread(nullptr, 0, TakeTheLock, &second, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(WaitForSingleObject(thread, 200), static_cast<DWORD>(WAIT_TIMEOUT)) << "both held the lock";
    first.Unlock();
    EXPECT_EQ(WaitForSingleObject(thread, 10000), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(thread);
}

TEST(SettingsFileErrors, AreTheSystemsWordsWithTheNumber)
{
    const std::string text = DescribeError(ERROR_ACCESS_DENIED);
    EXPECT_GT(text.size(), std::string(" (error 5)").size()) << text;
    EXPECT_EQ(text.substr(text.size() - 10), " (error 5)");
    EXPECT_EQ(text.find('\n'), std::string::npos) << text;
}

}  // namespace
