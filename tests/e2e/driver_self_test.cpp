// The driver's own helpers, checked without the calculator: when these fail, a failing
// calculator test says nothing about the calculator.
#include "clipboard_text.h"
#include "registry_access.h"
#include "wine_paths.h"

#include <gtest/gtest.h>

#include <windows.h>

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

TEST(WinePaths, HostPathsBecomeWindowsPaths)
{
    const std::string path = ToWindowsPath("/tmp/some folder/x.png");
    ASSERT_GE(path.size(), 3u);
    EXPECT_EQ(path[1], ':');
    EXPECT_NE(path.find("\\tmp\\some folder\\x.png"), std::string::npos) << path;
    EXPECT_EQ(ToWindowsPath("C:\\x.exe"), "C:\\x.exe");
}

} // namespace
} // namespace e2e
