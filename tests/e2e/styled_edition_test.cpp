// What only the Styled edition does: it keeps its settings apart from the Classic edition's,
// Ctrl+S is no command there, Backspace with Ctrl or Shift clears the memory, and its loan
// window has its own title and key. Skipped in the Classic edition. (Its system menu, its
// Ctrl+M and its colours dialog are checked with the Classic ones, in their own files.)
#include "calculator_fixture.h"
#include "command_ids.h"
#include "control_ids.h"
#include "control_pixels.h"
#include "key_delivery.h"
#include "loan_fixture.h"
#include "screen_capture.h"
#include "stored_colours.h"
#include "wait.h"
#include "window_controls.h"
#include "window_probe.h"

#include <string>
#include <vector>

namespace e2e {
namespace {

// The other edition's keys, which the Styled edition must neither read nor write.
constexpr const char* kClassicKey = "Software\\Brimwold\\Tallyra\\Classic";
constexpr const char* kClassicLoanKey = "Software\\Brimwold\\Loan Calculator\\Classic";

// A fixture of either kind, skipped in the Classic edition, that starts and ends with neither
// Classic key present.
template <class Fixture> class StyledOnly : public Fixture {
protected:
    void SetUp() override
    {
        if (this->CurrentEdition().classic)
            GTEST_SKIP() << "Styled edition only";
        Fixture::SetUp();
        ASSERT_TRUE(DeleteKeyTree(kClassicKey));
        ASSERT_TRUE(DeleteKeyTree(kClassicLoanKey));
    }

    void TearDown() override
    {
        Fixture::TearDown();
        if (this->CurrentEdition().classic)
            return;
        DeleteKeyTree(kClassicKey);
        DeleteKeyTree(kClassicLoanKey);
    }
};

class StyledEditionTest : public StyledOnly<CalculatorTest> {};

// Colours and options the Classic edition stored do not reach a first start of the Styled
// edition, and the Styled edition leaves the Classic key as it found it.
TEST_F(StyledEditionTest, FirstStartIgnoresTheClassicSettings)
{
    const Bytes classicColours = ColourBlock(TestBasicColours());
    ASSERT_TRUE(WriteValue(kClassicKey, "Basic Colors", REG_BINARY, classicColours));
    ASSERT_TRUE(WriteValue(kClassicKey, "Extended View", REG_BINARY, {1}));
    const auto classicBefore = ReadAllValues(kClassicKey);
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    EXPECT_EQ(ControlText(Window(), IDC_KEY_VIEW), ">") << "the Classic edition's extended view was taken";

    Image capture;
    ASSERT_TRUE(CaptureWindow(Window(), capture));
    const auto pixels = [&](int id, int inset) {
        return ControlPixels(capture, Window(), Window(), id, inset);
    };
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_TRUE(BackgroundIs(pixels(IDC_PANEL_CURRENT, 1), window)) << "panel 2011";
    EXPECT_TRUE(BackgroundIs(pixels(IDC_PANEL_RESULT, 1), window)) << "panel 2010";
    EXPECT_TRUE(BackgroundIs(pixels(IDC_PANEL_UP_LABEL, 1), face)) << "panel 2012";
    EXPECT_TRUE(BackgroundIs(pixels(IDC_PANEL_LAST_OP, 1), face)) << "panel 2013";
    EXPECT_TRUE(HasPixelsOf(pixels(IDC_PANEL_CURRENT, 0), RGB(0, 0, 192))) << "text of 2011";
    EXPECT_TRUE(HasPixelsOf(pixels(IDC_PANEL_RESULT, 0), RGB(240, 80, 0))) << "text of 2010";
    const auto& c = TestBasicColours();
    for (int id : {IDC_PANEL_CURRENT, IDC_PANEL_RESULT, IDC_PANEL_UP_LABEL}) {
        EXPECT_TRUE(HasNoPixelsOf(pixels(id, 0), c[kEnterBack])) << "panel " << id;
        EXPECT_TRUE(HasNoPixelsOf(pixels(id, 0), c[kEnterText])) << "panel " << id;
    }

    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    EXPECT_TRUE(ReadSetting("Basic Colors").has_value()) << "the Styled edition saved no colours of its own";
    EXPECT_FALSE(ReadSetting("Basic Colors") == (RegistryValue{REG_BINARY, classicColours}))
        << "the Classic edition's colours were stored as the Styled edition's";
    EXPECT_EQ(ReadAllValues(kClassicKey), classicBefore) << "the Styled edition changed the Classic key";
}

// Ctrl+S is no command of the Styled edition: nothing changes, and no soft-keys or bold-keys
// value is ever stored.
TEST_F(StyledEditionTest, CtrlSDoesNothing)
{
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Extended View", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(ClickAll(Window(), {IDC_KEY_DIGIT0 + 4, IDC_KEY_DIGIT0 + 2}));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_CURRENT, "42"));
    // Whatever the start itself stored goes, so that a save by the chord would show.
    ASSERT_NO_FATAL_FAILURE(ResetSettings());

    const int panels[] = {IDC_PANEL_RESULT, IDC_PANEL_CURRENT, IDC_PANEL_UP_LABEL,   IDC_PANEL_LAST_OP,
                          IDC_PANEL_OTHER,  IDC_PANEL_INTEGER, IDC_PANEL_OTHER_LABEL};
    std::vector<std::string> before;
    for (int id : panels)
        before.push_back(ControlText(Window(), id));

    ASSERT_TRUE(PressChordAndWait(Window(), {VK_CONTROL}, 'S'));
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(ControlText(Window(), panels[i]), before[i]) << "panel " << panels[i];
    EXPECT_EQ(ControlText(Window(), IDC_PANEL_CURRENT), "42");
    const std::optional<std::vector<MenuItem>> menu = ReadSystemMenu(Window());
    ASSERT_TRUE(menu.has_value()) << "the system menu could not be read from inside the program";
    EXPECT_FALSE(FindMenuItem(*menu, IDM_SOFT_BUTTONS).has_value()) << DescribeMenu(*menu);
    EXPECT_TRUE(OnlyTheseChecked(*menu, {IDM_COMMON_SCALE}));
    EXPECT_TRUE(ReadAllValues(CurrentEdition().registryKey).empty()) << "Ctrl+S saved the settings";

    ASSERT_NO_FATAL_FAILURE(CloseCalculator());
    EXPECT_TRUE(ReadSetting("Basic Colors").has_value()) << "Close saved nothing";
    EXPECT_FALSE(ReadSetting("Soft Btns").has_value());
    EXPECT_FALSE(ReadSetting("Bold Button").has_value());
}

// Backspace with Ctrl or with Shift held is Clear Memory, and leaves the typed number alone.
TEST_F(StyledEditionTest, CtrlAndShiftBackspaceClearTheMemory)
{
    ASSERT_NO_FATAL_FAILURE(WriteSetting("Extended View", REG_BINARY, {1}));
    ASSERT_NO_FATAL_FAILURE(StartCalculator());
    ASSERT_TRUE(ClickAll(Window(), {IDC_KEY_DIGIT0 + 4, IDC_KEY_DIGIT0 + 2, IDC_KEY_MS}));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_OTHER, "42"));

    ASSERT_TRUE(PressChordAndWait(Window(), {VK_CONTROL}, VK_BACK));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_OTHER, "0"));
    EXPECT_EQ(ControlText(Window(), IDC_PANEL_CURRENT), "42");

    ASSERT_TRUE(Click(Window(), IDC_KEY_MS));
    ASSERT_TRUE(WaitForControlText(Window(), IDC_PANEL_OTHER, "42"));
    ASSERT_TRUE(PressChordAndWait(Window(), {VK_SHIFT}, VK_BACK));
    EXPECT_TRUE(WaitForControlText(Window(), IDC_PANEL_OTHER, "0"));
    EXPECT_EQ(ControlText(Window(), IDC_PANEL_CURRENT), "42");
}

class StyledLoanTest : public StyledOnly<LoanTest> {};

// The Styled loan window's title and settings key, and no soft-keys or bold-keys value in it.
TEST_F(StyledLoanTest, LoanWindowHasItsOwnTitleAndKey)
{
    ASSERT_NO_FATAL_FAILURE(OpenLoan());
    EXPECT_EQ(WindowText(Loan()), "Loan Calculator Styled");
    EXPECT_TRUE(ReadValue("Software\\Brimwold\\Loan Calculator\\Styled", "Colors").has_value())
        << "the calculator handed no colours over under the Styled loan key";
    ASSERT_NO_FATAL_FAILURE(CloseLoan());
    EXPECT_TRUE(ReadValue("Software\\Brimwold\\Loan Calculator\\Styled", "Amount").has_value())
        << "the loan window saved nothing under the Styled loan key";
    EXPECT_FALSE(ReadLoanSetting("Soft Btns").has_value());
    EXPECT_FALSE(ReadLoanSetting("Bold Button").has_value());
    EXPECT_TRUE(ReadAllValues(kClassicLoanKey).empty()) << "the Styled edition wrote the Classic loan key";
    EXPECT_TRUE(ReadAllValues(kClassicKey).empty()) << "the Styled edition wrote the Classic key";
}

}  // namespace
}  // namespace e2e
