// When each option command reaches the registry: the extended window's commands save every
// setting at once; the base window's change only the window and are written at the next
// save, such as Close. Each test starts without a settings key, so any save shows.
#include "calculator_fixture.h"
#include "command_ids.h"
#include "key_delivery.h"
#include "wait.h"
#include "window_controls.h"
#include "window_probe.h"

namespace e2e {
namespace {

struct OptionCase {
    const char* name;
    UINT command;
    const char* value;  // the registry value the option is stored in
    uint8_t stored;     // the byte it holds after the command on a first start
    bool classicOnly;
};

std::ostream& operator<<(std::ostream& out, const OptionCase& c)
{
    return out << c.name;
}

std::string CaseName(const testing::TestParamInfo<OptionCase>& info)
{
    return info.param.name;
}

class OptionSaveTest : public CalculatorTest, public testing::WithParamInterface<OptionCase> {
protected:
    bool MissingHere() const { return GetParam().classicOnly && !CurrentEdition().classic; }
};

class SavedAtOnceTest : public OptionSaveTest {};
class SavedOnCloseTest : public OptionSaveTest {};

TEST_P(SavedAtOnceTest, CommandWritesTheSettingsAtOnce)
{
    if (MissingHere())
        GTEST_SKIP() << "the Styled edition has no " << GetParam().name;
    const OptionCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(ReadAllValues(CurrentEdition().registryKey).empty());
    ASSERT_TRUE(PostSystemCommand(Window(), c.command));
    // "nAfter" is the last value a save writes.
    ASSERT_TRUE(WaitUntil([&] { return ReadSetting("nAfter").has_value(); }))
        << "nothing was saved while the program runs";
    EXPECT_EQ(ReadSetting(c.value), (RegistryValue{REG_BINARY, {c.stored}})) << c.value;
    // One save, with every other setting.
    EXPECT_EQ(ReadSetting("Run Q-ty"), (RegistryValue{REG_DWORD, DwordBytes(1)}));
    EXPECT_TRUE(ReadSetting("Basic Colors").has_value());
    EXPECT_TRUE(ReadSetting("Last Values").has_value());
}

INSTANTIATE_TEST_SUITE_P(
    ExtendedWindowCommands, SavedAtOnceTest,
    testing::Values(OptionCase{"MultipleInstances", IDM_MULTIPLE_INSTANCES, "Run Multiple", 1, false},
                    OptionCase{"AfterPoint", IDM_AFTER_POINT, "bAfter", 1, false},
                    OptionCase{"CommonScale", IDM_COMMON_SCALE, "bAfter", 0, false},
                    OptionCase{"PrecisionControl", IDM_PRECISION_CONTROL, "Show Precision", 1, false},
                    OptionCase{"Comma", IDM_COMMA, "Comma Point", 1, false},
                    OptionCase{"BoldValues", IDM_BOLD_VALUES, "Bold Result", 1, false},
                    OptionCase{"BoldButtons", IDM_BOLD_BUTTONS, "Bold Button", 1, true}),
    CaseName);

TEST_P(SavedOnCloseTest, CommandIsWrittenOnlyAtClose)
{
    if (MissingHere())
        GTEST_SKIP() << "the Styled edition has no " << GetParam().name;
    const OptionCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(PostSystemCommand(Window(), c.command));
    // The check mark changes when the command has been handled.
    ASSERT_TRUE(WaitForMenuCheck(Window(), c.command, c.stored != 0));
    EXPECT_TRUE(ReadAllValues(CurrentEdition().registryKey).empty()) << "the command saved the settings";
    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    EXPECT_EQ(ReadSetting(c.value), (RegistryValue{REG_BINARY, {c.stored}})) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    BaseWindowCommands, SavedOnCloseTest,
    testing::Values(OptionCase{"ShowTips", IDM_SHOW_TIPS, "Show Tips", 1, false},
                    OptionCase{"SoftButtons", IDM_SOFT_BUTTONS, "Soft Btns", 0, true},
                    OptionCase{"InMemoryMode", IDM_IN_MEMORY_MODE, "In Memory", 1, false},
                    OptionCase{"ExitOnEscape", IDM_EXIT_ON_ESCAPE, "Exit by Escape", 1, false},
                    OptionCase{"ClearOnEscape", IDM_CLEAR_ON_ESCAPE, "Clear by Escape", 1, false},
                    OptionCase{"AlwaysOnTop", IDM_ALWAYS_ON_TOP, "On Top", 1, false}),
    CaseName);

// A base window's change waits for the next save, and any saving command is one.
TEST_F(CalculatorTest, NextSavingCommandWritesEarlierBaseOptions)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(PressChordAndWait(Window(), {VK_CONTROL}, 'T'));
    ASSERT_TRUE(WaitForMenuCheck(Window(), IDM_SHOW_TIPS, true));
    EXPECT_TRUE(ReadAllValues(CurrentEdition().registryKey).empty()) << "Show Tips saved the settings";
    ASSERT_TRUE(PressChordAndWait(Window(), {VK_CONTROL}, 'P'));
    EXPECT_TRUE(ReadSetting("nAfter").has_value()) << "Comma did not save";
    EXPECT_EQ(ReadSetting("Comma Point"), (RegistryValue{REG_BINARY, {1}}));
    EXPECT_EQ(ReadSetting("Show Tips"), (RegistryValue{REG_BINARY, {1}}));
}

// A run that ends without Close keeps nothing of what the base window's commands changed.
TEST_F(CalculatorTest, EndingWithoutCloseKeepsNoBaseOption)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(PressChordAndWait(Window(), {VK_CONTROL}, 'I'));
    ASSERT_TRUE(WaitForMenuCheck(Window(), IDM_IN_MEMORY_MODE, true));
    app_.Kill();
    EXPECT_TRUE(ReadAllValues(CurrentEdition().registryKey).empty());
}

// "Set Colors" saves whatever the colours dialog ended with, Cancel included.
TEST_F(CalculatorTest, SetColorsSavesAfterTheDialog)
{
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(PostSystemCommand(Window(), IDM_SET_COLORS));
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (HWND hwnd : ProcessWindowsTitled(app_.ProcessId(), "Colors"))
                if (IsWindowVisible(hwnd))
                    dialog = hwnd;
            return dialog != nullptr || ReadSetting("nAfter").has_value();
        },
        30000))
        << "neither a colours dialog nor a save came";
    if (dialog != nullptr) {
        EXPECT_TRUE(ReadAllValues(CurrentEdition().registryKey).empty()) << "saved before the dialog ended";
        ASSERT_TRUE(PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL))));
    }
    EXPECT_TRUE(WaitUntil([&] { return ReadSetting("nAfter").has_value(); }))
        << "the settings were not saved after the colours dialog";
    EXPECT_EQ(ReadSetting("Run Q-ty"), (RegistryValue{REG_DWORD, DwordBytes(1)}));
    EXPECT_TRUE(ReadSetting("Basic Colors").has_value());
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(Window()) != FALSE; }));
}

}  // namespace
}  // namespace e2e
