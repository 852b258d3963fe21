// The driver's own helpers, checked without the calculator: when these fail, a failing
// calculator test says nothing about the calculator.
#include "clipboard_text.h"
#include "host_shell.h"
#include "link_handler.h"
#include "registry_access.h"
#include "stored_colours.h"
#include "wait.h"
#include "wine_paths.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace e2e {
namespace {

class ScratchKey : public testing::Test {
protected:
    void TearDown() override { DeleteKeyTree(key_); }
    const std::string key_ = "Software\\TallyraTests\\e2e-driver-" + std::to_string(GetCurrentProcessId());
};

TEST_F(ScratchKey, RawValuesRoundTripWithTheirTypes)
{
    ASSERT_TRUE(WriteValue(key_, "Block", REG_BINARY, DoubleBytes({5.0, -0.5})));
    ASSERT_TRUE(WriteValue(key_, "Count", REG_DWORD, DwordBytes(0x01020304)));
    const std::optional<RegistryValue> block = ReadValue(key_, "Block");
    ASSERT_TRUE(block.has_value());
    EXPECT_EQ(block->type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(block->bytes, Bytes({0, 0, 0, 0, 0, 0, 0x14, 0x40, 0, 0, 0, 0, 0, 0, 0xE0, 0xBF}));
    const std::optional<RegistryValue> count = ReadValue(key_, "Count");
    ASSERT_TRUE(count.has_value());
    EXPECT_EQ(count->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(count->bytes, Bytes({4, 3, 2, 1}));
    EXPECT_EQ(ReadAllValues(key_).size(), 2u);
    EXPECT_FALSE(ReadValue(key_, "Missing").has_value());
}

TEST_F(ScratchKey, DeleteKeyTreeRemovesSubkeysToo)
{
    ASSERT_TRUE(WriteValue(key_ + "\\Inner", "Flag", REG_BINARY, {1}));
    EXPECT_TRUE(DeleteKeyTree(key_));
    EXPECT_FALSE(ReadValue(key_ + "\\Inner", "Flag").has_value());
    EXPECT_TRUE(ReadAllValues(key_).empty());
    // Deleting what is not there is a success: the key is gone either way.
    EXPECT_TRUE(DeleteKeyTree(key_));
}

TEST(Int32Bytes, LittleEndianWithSign)
{
    EXPECT_EQ(Int32Bytes({-1, 2136}), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x58, 0x08, 0, 0}));
}

TEST(Clipboard, TextRoundTrips)
{
    ASSERT_TRUE(SetClipboardText("12.5 e2e"));
    EXPECT_EQ(GetClipboardText(), std::optional<std::string>("12.5 e2e"));
}

TEST(HostShell, RunsAHostCommandAndGivesItsOutput)
{
    EXPECT_EQ(RunHostShell("printf '%s' 'host side'"), std::optional<std::string>("host side"));
}

// The clipboard seen from both sides: what Windows programs put there, X clients read, and
// the other way round.
TEST(XClipboard, SharedWithWindowsPrograms)
{
    ASSERT_TRUE(SetClipboardText("from Wine 1.5"));
    EXPECT_EQ(ReadXClipboard(), std::optional<std::string>("from Wine 1.5"));
    ASSERT_TRUE(OfferXClipboard("from X 2,5"));
    EXPECT_TRUE(WaitUntil([] { return GetClipboardText() == std::optional<std::string>("from X 2,5"); }));
    // Taking the selection back ends the X client that offered it.
    ASSERT_TRUE(SetClipboardText("taken back"));
    EXPECT_EQ(ReadXClipboard(), std::optional<std::string>("taken back"));
}

TEST(LinkHandler, RecordsWhatTheShellOpens)
{
    const std::string link = "mailto:someone@example.invalid?subject=e2e";
    {
        RecordingLinkHandler handler("mailto");
        ASSERT_TRUE(handler.Installed()) << handler.Error();
        ShellExecuteA(nullptr, "open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        EXPECT_TRUE(WaitUntil([&] { return !handler.Recorded().empty(); }, 20000));
        EXPECT_TRUE(WaitUntil([] { return RunningLinkRecorders() == 0; }, 20000));
        EXPECT_EQ(handler.Recorded(), std::vector<std::string>{link});
    }
    // The handler before the test is back.
    HKEY key = nullptr;
    char command[1024] = {};
    LONG size = sizeof command;
    if (RegOpenKeyA(HKEY_CLASSES_ROOT, "mailto\\shell\\open\\command", &key) == ERROR_SUCCESS) {
        RegQueryValueA(key, nullptr, command, &size);
        RegCloseKey(key);
    }
    EXPECT_EQ(std::string(command).find("e2e_link_recorder"), std::string::npos) << command;
}

TEST(Lightened, MovesEachChannelTowardsWhiteRoundingToNearest)
{
    EXPECT_EQ(Lightened(RGB(0, 255, 100), 2), RGB(128, 255, 178));
    EXPECT_EQ(Lightened(RGB(10, 100, 200), 3), RGB(92, 152, 218));
    EXPECT_EQ(Lightened(RGB(1, 2, 3), 3), RGB(86, 86, 87));
}

TEST(WinePaths, HostPathsBecomeWindowsPaths)
{
    const std::string path = ToWindowsPath("/tmp/some folder/x.png");
    ASSERT_GE(path.size(), 3u);
    EXPECT_EQ(path[1], ':');
    EXPECT_NE(path.find("\\tmp\\some folder\\x.png"), std::string::npos) << path;
    EXPECT_EQ(ToWindowsPath("C:\\x.exe"), "C:\\x.exe");
}

}  // namespace
}  // namespace e2e
