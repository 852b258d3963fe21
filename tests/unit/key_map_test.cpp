// Characters, key presses and key releases reaching their operations.
#include <gtest/gtest.h>

#include "calc_harness.h"

TEST(Characters, TypeACalculation)
{
    Calc c;
    c.Type("12*3=");
    EXPECT_EQ(c.Up(), "36");
    c.Type("\\4=");
    EXPECT_EQ(c.Up(), "9");
    c.Type("1,5");
    EXPECT_EQ(c.Down(), "1.5");
    c.Type("_");
    EXPECT_EQ(c.Down(), "-1.5");
    EXPECT_FALSE(c.Char('?'));
}

TEST(Characters, MinusStartsANegativeNumberOnlyOnABareZero)
{
    Calc c;
    c.Type("-5");
    EXPECT_EQ(c.Down(), "-5");
    c.Type("-3=");
    EXPECT_EQ(c.Up(), "-8");
}

TEST(Characters, LettersAreHexadecimalDigitsOnlyInTheHexadecimalInput)
{
    Calc c;
    c.Type("e");
    EXPECT_EQ(c.Down(), "2.7182818");
    c.Type("p");
    EXPECT_EQ(c.Down(), "3.1415927");

    Calc h;
    h.SelectBase(1);
    h.SetIntegerInput(true);
    h.Type("e");
    EXPECT_EQ(h.Integer(), "E");
    h.Type("P");  // not a hexadecimal digit: still the constant
    EXPECT_EQ(h.Down(), "3.1415927");
}

TEST(KeyPress, LettersAndArrowsOfTheExtendedView)
{
    Calc c;
    c.Type("100");
    c.Press('L');
    EXPECT_EQ(c.Up(), "2");
    c.Press('N');
    EXPECT_EQ(c.Up(), "0.69314718");  // after a result, x is the up window: ln 2
    c.Press('W');
    EXPECT_EQ(c.Up(), "100");
}

TEST(KeyPress, DisabledKeysAreNotPressedFromTheKeyboardButXPowerYAlwaysIs)
{
    Calc c;  // x = 0: sqrt, 1/x, ln and log disabled
    c.Press('Q');
    c.Press('X');
    c.Press('N');
    EXPECT_EQ(c.S().nLastOp, CALC_OP_NONE);
    c.Type("2");
    c.Press('Y');
    EXPECT_EQ(c.S().nLastOp, IDC_KEY_POWXY);
    EXPECT_EQ(c.Up(), "1");  // 2 ^ 0
    c.Type("9");
    c.Press('Q');
    EXPECT_EQ(c.Up(), "3");
    c.Type("4");
    c.Press('X');
    EXPECT_EQ(c.Up(), "0.25");
}

TEST(KeyPress, MemoryAndClearKeys)
{
    Calc c;
    c.Type("8");
    c.Press('M');
    EXPECT_EQ(c.S().dMemory, 8.0);
    c.Type("5");
    c.Press('R');  // R stores too; Ctrl+R recalls
    EXPECT_EQ(c.S().dMemory, 85.0);
    c.Press(vk::Delete);
    c.Press('R', Ctrl());
    EXPECT_EQ(c.Down(), "85");
    c.Press(vk::Add, Ctrl());
    EXPECT_EQ(c.S().dMemory, 170.0);
    c.Press('O', Ctrl());
    EXPECT_EQ(c.S().nActiveReg, 1);
    c.Press(vk::Delete, Ctrl());
    EXPECT_EQ(c.S().dMemory, 0.0);
    EXPECT_EQ(c.S().nActiveReg, 0);
}

TEST(KeyPress, ShiftDeleteClearsBothWindowsButKeepsTheInactiveRegister)
{
    Calc c;
    c.Type("4");
    c.Press('M');
    c.Type("+2=");
    c.Press(vk::Delete, Shift());
    EXPECT_EQ(c.Up(), "0");
    EXPECT_EQ(c.Down(), "0");
    EXPECT_EQ(c.S().dMemory, 4.0);
    EXPECT_EQ(c.S().nLastOp, CALC_OP_NONE);
}

TEST(KeyPress, BackspaceAndCtrlBackspaceByEdition)
{
    Calc classic;
    classic.Type("12");
    classic.Press('M');
    classic.Press(vk::Back);
    EXPECT_EQ(classic.Down(), "1");
    EXPECT_FALSE(classic.Press(vk::Back, Ctrl()));
    EXPECT_FALSE(classic.Press(vk::Back, Shift()));
    EXPECT_EQ(classic.S().dMemory, 12.0);

    Calc styled(Edition::Styled);
    styled.Type("12");
    styled.Press('M');
    styled.Press(vk::Back, Ctrl());
    EXPECT_EQ(styled.S().dMemory, 0.0);
    styled.Press('M');
    styled.Press(vk::Back, Shift());
    EXPECT_EQ(styled.S().dMemory, 0.0);
    styled.Press('M', Ctrl());  // with no accelerator in the way, Ctrl+M stores
    EXPECT_EQ(styled.S().dMemory, 12.0);
}

TEST(KeyPress, ArrowsCycleTheBaseInTheExtendedViewAndSwitchRegistersInTheBasicOne)
{
    Calc c;
    c.Press(vk::Right);
    EXPECT_EQ(c.S().nBase, 1);
    c.Press(vk::Left);
    c.Press(vk::Left);
    EXPECT_EQ(c.S().nBase, 3);  // wraps around
    EXPECT_EQ(c.view.controls.nBase, 3);
    c.Press(vk::Right);
    EXPECT_EQ(c.S().nBase, 0);

    c.Press(vk::Left, Ctrl());
    EXPECT_FALSE(c.view.extended);
    c.Press(vk::Right);
    EXPECT_EQ(c.S().nActiveReg, 1);
    EXPECT_EQ(c.S().nBase, 0);
    c.Press(vk::Right, Ctrl());
    EXPECT_TRUE(c.view.extended);
}

TEST(KeyPress, ShiftArrowsToggleTheAngleAndSwapWindows)
{
    Calc c;
    c.Press(vk::Left, Shift());
    EXPECT_EQ(c.S().nAngle, 1);
    c.Press(vk::Right, Shift());
    EXPECT_EQ(c.S().nAngle, 0);
    c.Type("7");
    c.Press(vk::Up, Shift());
    EXPECT_EQ(c.Up(), "7");
    c.Press(vk::Down, Ctrl());
    EXPECT_EQ(c.Down(), "7");

    c.Press(vk::Left, Ctrl());  // basic view: no angle toggle
    c.Press(vk::Left, Shift());
    EXPECT_EQ(c.S().nAngle, 0);
}

TEST(KeyPress, UpAndDownChooseTheXWindowAndCtrlDTogglesThePrecisionControl)
{
    Calc c;
    c.Press(vk::Up);
    EXPECT_EQ(c.S().nXWindow, 1);
    EXPECT_EQ(c.view.controls.nXWindow, 1);
    c.Press(vk::Down);
    EXPECT_EQ(c.S().nXWindow, 0);
    c.Press('D', Ctrl());
    EXPECT_TRUE(c.view.showPrecision);
    EXPECT_EQ(c.view.saves, 0);
}

TEST(KeyRelease, EnterComputesAndShiftEnterUsesInMemoryOnce)
{
    Calc c;
    c.Type("3");
    c.Press('M');
    c.Press(vk::Delete);
    c.Type("2*4");
    c.Tap(vk::Return);
    EXPECT_EQ(c.Up(), "8");
    c.Type("5");
    c.Tap(vk::Return, Shift());
    EXPECT_EQ(c.Up(), "15");  // 5 x M, as with In Memory on
    EXPECT_EQ(c.options.bInMemory, 0);
    c.Type("5");
    c.Tap(vk::Return);
    EXPECT_EQ(c.Up(), "75");  // 15 x 5: the mode is off again
}

TEST(KeyRelease, CtrlChords)
{
    Calc c;
    c.Type("6");
    c.Tap(vk::Return, Ctrl());
    EXPECT_EQ(c.S().dMemory, 6.0);
    c.Tap(vk::OemMinus, Ctrl());
    EXPECT_EQ(c.Down(), "-6");
    c.Tap(vk::Subtract, Ctrl());
    EXPECT_EQ(c.Down(), "6");
    c.Type("+50");
    c.Tap(vk::Divide, Ctrl());
    EXPECT_EQ(c.Up(), "9");  // 6 + 50% of 6
}

TEST(KeyRelease, LettersGiveTrigonometryExceptInTheHexadecimalInput)
{
    const struct {
        const char* typed;
        int letter;
    } kFunctions[] = {{"90", 'S'}, {"0", 'C'}, {"45", 'T'}};  // each gives 1
    Calc c;
    for (const auto& f : kFunctions) {
        c.Type(f.typed);
        c.Tap(f.letter);
        EXPECT_EQ(c.Up(), "1") << static_cast<char>(f.letter);
    }

    Calc h;
    h.SelectBase(1);
    h.SetIntegerInput(true);
    h.Type("c");
    h.Tap('C');
    EXPECT_EQ(h.S().nLastOp, CALC_OP_NONE);
    EXPECT_EQ(h.Integer(), "C");
}

TEST(KeyRelease, SpaceSwitchesTheInputOrOpensTheExtendedView)
{
    Calc c;
    c.Tap(vk::Space);
    EXPECT_TRUE(c.S().bIntegerInput);
    c.Tap(vk::Space);
    EXPECT_FALSE(c.S().bIntegerInput);
    c.Tap(vk::Space);
    c.Tap(vk::Space, Ctrl());
    EXPECT_FALSE(c.view.extended);
    EXPECT_FALSE(c.S().bIntegerInput);  // folding returns input to the down window
    EXPECT_EQ(c.view.controls.bIntegerInput, false);
    c.Tap(vk::Space);
    EXPECT_TRUE(c.view.extended);
    c.Tap(vk::Space, Ctrl());
    EXPECT_FALSE(c.view.extended);
}

TEST(Escape, ActsOnReleaseOnlyAfterItsPressReachedTheWindow)
{
    Calc c;
    c.options.bClearByEscape = 1;
    c.Type("5+3");
    c.Release(vk::Escape);  // pressed elsewhere
    EXPECT_EQ(c.Down(), "3");
    c.Tap(vk::Escape);
    EXPECT_EQ(c.Down(), "0");
    EXPECT_EQ(c.Up(), "0");

    c.Type("7");
    c.Press(vk::Escape);
    c.Tap('Z');  // another key released in between
    c.Release(vk::Escape);
    EXPECT_EQ(c.Down(), "7");
}

TEST(Escape, ExitSavesAndEndsTheWindowAndWinsOverClearWhenBothAreStored)
{
    const struct {
        uint8_t exitByEscape;
        uint8_t clearByEscape;
        const char* typed;
        int saves;
        int endResult;
        const char* down;
    } kOptions[] = {
        {1, 0, "", 1, 2, "0"},
        {0, 0, "4", 0, 0, "4"},
        {1, 1, "4", 1, 2, "4"},  // a window that is ending clears nothing
    };
    for (const auto& o : kOptions) {
        Calc c;
        c.options.bExitByEscape = o.exitByEscape;
        c.options.bClearByEscape = o.clearByEscape;
        c.Type(o.typed);
        c.Tap(vk::Escape);
        const std::string row =
            "exit " + std::to_string(o.exitByEscape) + " clear " + std::to_string(o.clearByEscape);
        EXPECT_EQ(c.view.saves, o.saves) << row;
        EXPECT_EQ(c.view.endResult, o.endResult) << row;
        EXPECT_EQ(c.Down(), o.down) << row;
    }
}

TEST(Buttons, ADoubleClickOnADigitEntersItTwice)
{
    Calc c;
    c.Click(IDC_KEY_DIGIT0 + 1);
    c.Click(IDC_KEY_DIGIT0 + 1);  // the double-click notification
    EXPECT_EQ(c.Down(), "11");
}

TEST(Buttons, ViewKeyAndXRadios)
{
    Calc c;
    c.Click(IDC_KEY_VIEW);
    EXPECT_FALSE(c.view.extended);
    c.Click(IDC_KEY_VIEW);
    EXPECT_TRUE(c.view.extended);

    c.Type("5");
    c.view.controls.nXWindow = 1;  // the user clicks the up radio
    c.Click(IDC_RADIO_X_UP);
    EXPECT_FALSE(c.Enabled(IDC_KEY_SQRT));  // x is now the up window, 0
    EXPECT_FALSE(c.Click(IDC_KEY_TIPS));
}
