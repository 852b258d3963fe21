// Control and command identifiers of the calculator window. The engine is driven by these
// numbers, the dialog templates and string tables use them, and the end-to-end tests find
// controls by them, so they never change. Plain #defines: the resource compiler reads this too.
#pragma once

// Display panels.
#define IDC_PANEL_RESULT 2010
#define IDC_PANEL_CURRENT 2011
#define IDC_PANEL_UP_LABEL 2012
#define IDC_PANEL_LAST_OP 2013
#define IDC_PANEL_OTHER 2250
#define IDC_PANEL_INTEGER 2251
#define IDC_PANEL_OTHER_LABEL 2333

// Memory keys.
#define IDC_KEY_MC 2102
#define IDC_KEY_MR 2103
#define IDC_KEY_MS 2104
#define IDC_KEY_MPLUS 2105

// Digits 0-9 are 2110-2119, hexadecimal digits A-F are 2120-2125.
#define IDC_KEY_DIGIT0 2110
#define IDC_KEY_DIGIT9 2119
#define IDC_KEY_HEX_A 2120
#define IDC_KEY_HEX_F 2125

// Arithmetic.
#define IDC_KEY_DIVIDE 2133
#define IDC_KEY_MULTIPLY 2134
#define IDC_KEY_SUBTRACT 2135
#define IDC_KEY_ADD 2136
#define IDC_KEY_PERCENT 2137
#define IDC_KEY_EQUALS 2138
#define IDC_KEY_SQRT 2139
#define IDC_KEY_RECIPROCAL 2140

// Editing and view.
#define IDC_KEY_SIGN 2145
#define IDC_KEY_POINT 2146
#define IDC_KEY_BACK 2147
#define IDC_KEY_DELETE 2148
#define IDC_CLEAR_BOTH 2149
#define IDC_KEY_CLEAR 2150
#define IDC_KEY_ACC 2151
#define IDC_KEY_MEM 2152
#define IDC_KEY_VIEW 2153

// Functions.
#define IDC_KEY_LN 2200
#define IDC_KEY_LOG 2201
#define IDC_KEY_EXP 2202
#define IDC_KEY_POW10 2203
#define IDC_KEY_POWXY 2204
#define IDC_KEY_CUBE 2205
#define IDC_KEY_SQUARE 2206
#define IDC_KEY_SIN 2207
#define IDC_KEY_COS 2208
#define IDC_KEY_TAN 2209
#define IDC_KEY_ASIN 2210
#define IDC_KEY_ACOS 2211
#define IDC_KEY_ATAN 2212

// Tips, constants and swap.
#define IDC_KEY_TIPS 2220
#define IDC_KEY_E 2221
#define IDC_KEY_PI 2222
#define IDC_KEY_SWAP 2223

// Precision control.
#define IDC_PRECISION_EDIT 2334
#define IDC_PRECISION_SPIN 2335

// Selectors.
#define IDC_RADIO_X_UP 2348
#define IDC_RADIO_X_DOWN 2349
#define IDC_RADIO_DEGREES 2350
#define IDC_RADIO_RADIANS 2351
#define IDC_RADIO_DEC 2352
#define IDC_RADIO_HEX 2353
#define IDC_RADIO_OCT 2354
#define IDC_RADIO_BIN 2355
#define IDC_CHECK_INTEGER_INPUT 2356

// Commands without a key.
#define IDC_CMD_COPY 2500
#define IDC_CMD_PASTE 2501
#define IDC_CMD_PASTE_COPY 2502

// Every key of both keypad windows lies in this range (the loan window's "=" is its last);
// the colours of the key faces are handed to it whole.
#define IDC_FIRST_KEY 2100
#define IDC_LAST_KEY 2224

// What a screen reader calls a control: the string whose id is the control's id plus this
// offset (a control's tooltip is the string of its own id). The view key has a second name
// for when it folds the window back to the basic view.
#define IDS_NAME_OFFSET 10000
#define IDS_NAME_VIEW_BASIC 9153

// Pseudo operations: "start a new chain" and "continue the chain" computation types.
#define CALC_OP_NONE 1
#define CALC_OP_CONTINUE 2
