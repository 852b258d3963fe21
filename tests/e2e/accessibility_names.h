// The names a screen reader must hear for each control of the calculator and loan windows of
// a fresh start (every value 0), with the keyboard shortcut where a key has one.
#pragma once

#include <vector>

#include "control_ids.h"
#include "resource_ids.h"

namespace e2e {

struct ExpectedName {
    int id;
    const char* name;
    const char* shortcut;  // null: not checked
};

inline std::vector<ExpectedName> BasicViewNames(const char* viewKey)
{
    return {
        {IDC_PANEL_RESULT, "Register A 0", nullptr},
        {IDC_PANEL_CURRENT, "Current value 0", nullptr},
        {IDC_PANEL_UP_LABEL, "Active register A", nullptr},
        {IDC_PANEL_LAST_OP, "Last operation", nullptr},
        {IDC_RADIO_X_UP, "Functions act on the register", nullptr},
        {IDC_RADIO_X_DOWN, "Functions act on the current value", nullptr},
        {IDC_KEY_BACK, "Backspace", "Backspace"},
        {IDC_KEY_DELETE, "Clear entry", "Delete"},
        {IDC_KEY_CLEAR, "Clear all", "Ctrl+Delete"},
        {IDC_KEY_ACC, "Use register A", "Ctrl+O"},
        {IDC_KEY_MEM, "Use register M", "Ctrl+O"},
        {IDC_KEY_VIEW, viewKey, "Ctrl+Space"},
        {IDC_KEY_MC, "Memory clear", nullptr},
        {IDC_KEY_MR, "Memory recall", "Ctrl+R"},
        {IDC_KEY_MS, "Memory store", "M"},
        {IDC_KEY_MPLUS, "Memory add", "Ctrl+Plus"},
        {IDC_KEY_DIGIT0, "Zero", "0"},
        {IDC_KEY_DIGIT0 + 1, "One", "1"},
        {IDC_KEY_DIGIT0 + 2, "Two", "2"},
        {IDC_KEY_DIGIT0 + 3, "Three", "3"},
        {IDC_KEY_DIGIT0 + 4, "Four", "4"},
        {IDC_KEY_DIGIT0 + 5, "Five", "5"},
        {IDC_KEY_DIGIT0 + 6, "Six", "6"},
        {IDC_KEY_DIGIT0 + 7, "Seven", "7"},
        {IDC_KEY_DIGIT0 + 8, "Eight", "8"},
        {IDC_KEY_DIGIT9, "Nine", "9"},
        {IDC_KEY_SIGN, "Change sign", "_"},
        {IDC_KEY_POINT, "Decimal separator", "."},
        {IDC_KEY_DIVIDE, "Divide", "/"},
        {IDC_KEY_MULTIPLY, "Multiply", "*"},
        {IDC_KEY_SUBTRACT, "Minus", "-"},
        {IDC_KEY_ADD, "Plus", "+"},
        {IDC_KEY_PERCENT, "Percent", "%"},
        {IDC_KEY_SQRT, "Square root", "Q"},
        {IDC_KEY_RECIPROCAL, "Reciprocal", "X"},
        {IDC_KEY_EQUALS, "Equals", "Enter"},
    };
}

inline std::vector<ExpectedName> ExtendedViewNames()
{
    return {
        {IDC_PRECISION_EDIT, "Precision", nullptr},
        {IDC_PANEL_OTHER, "Register M 0", nullptr},
        {IDC_PANEL_OTHER_LABEL, "Other register M", nullptr},
        {IDC_PANEL_INTEGER, "Integer view 0", nullptr},
        {IDC_CHECK_INTEGER_INPUT, "Type into the integer view", nullptr},
        {IDC_RADIO_DEC, "Decimal", nullptr},
        {IDC_RADIO_HEX, "Hexadecimal", nullptr},
        {IDC_RADIO_OCT, "Octal", nullptr},
        {IDC_RADIO_BIN, "Binary", nullptr},
        {IDC_KEY_TIPS, "Show tips", nullptr},
        {IDC_KEY_LN, "Natural logarithm", "N"},
        {IDC_KEY_LOG, "Logarithm", "L"},
        {IDC_KEY_SQUARE, "Square", nullptr},
        {IDC_KEY_SWAP, "Swap the up and down windows", "W"},
        {IDC_KEY_EXP, "Exponential", nullptr},
        {IDC_KEY_POW10, "Ten to the power", nullptr},
        {IDC_KEY_CUBE, "Cube", nullptr},
        {IDC_KEY_POWXY, "Power", "Y"},
        {IDC_KEY_HEX_A, "Hexadecimal A", "A"},
        {IDC_KEY_HEX_A + 1, "Hexadecimal B", "B"},
        {IDC_KEY_HEX_A + 2, "Hexadecimal C", "C"},
        {IDC_KEY_HEX_A + 3, "Hexadecimal D", "D"},
        {IDC_KEY_HEX_A + 4, "Hexadecimal E", "E"},
        {IDC_KEY_HEX_F, "Hexadecimal F", "F"},
        {IDC_KEY_E, "Constant e", "E"},
        {IDC_KEY_PI, "Constant pi", "P"},
        {IDC_RADIO_DEGREES, "Degrees", nullptr},
        {IDC_RADIO_RADIANS, "Radians", nullptr},
        {IDC_KEY_SIN, "Sine", "S"},
        {IDC_KEY_COS, "Cosine", "C"},
        {IDC_KEY_TAN, "Tangent", "T"},
        {IDC_KEY_ASIN, "Arc sine", nullptr},
        {IDC_KEY_ACOS, "Arc cosine", nullptr},
        {IDC_KEY_ATAN, "Arc tangent", nullptr},
    };
}

// The loan window of a fresh start: 1 000 at 10 % over 12 months, nothing computed.
inline std::vector<ExpectedName> LoanWindowNames()
{
    return {
        {IDC_LOAN_AMOUNT, "Amount 1 000", nullptr},
        {IDC_LOAN_RATE, "Yearly rate 10%", nullptr},
        {IDC_LOAN_TERM, "Term in months 12", nullptr},
        {IDC_LOAN_RESULT, "Monthly payment and total 87.92 - 1 054.99", nullptr},
        {IDC_LOAN_RADIO_AMOUNT, "Amount", nullptr},
        {IDC_LOAN_RADIO_RATE, "Rate", nullptr},
        {IDC_LOAN_RADIO_TERM, "Term", nullptr},
        {IDC_KEY_DIGIT0 + 5, "Five", "5"},
        {IDC_KEY_POINT, "Decimal separator", "."},
        {IDC_LOAN_COMPUTE, "Compute the loan", "Enter"},
    };
}

}  // namespace e2e
