// System-menu command ids of the calculator and loan windows. They sit below 61440 in steps
// of 16: the platform reserves the low four bits of a system command, so handlers compare
// (wParam & 0xFFF0). The accelerator tables name the same ids, and an accelerator whose id is
// also a system-menu item arrives as WM_SYSCOMMAND, exactly as if the item had been chosen.
// Plain #defines: the resource compiler reads this too.
#pragma once

#define IDM_QUICK_HELP 16
#define IDM_SHOW_TIPS 32
#define IDM_SOFT_BUTTONS 48
#define IDM_SET_COLORS 64
#define IDM_MULTIPLE_INSTANCES 80
#define IDM_AFTER_POINT 96
#define IDM_COMMON_SCALE 112
#define IDM_PRECISION_CONTROL 128
#define IDM_COMMA 144
#define IDM_COPY 256
#define IDM_PASTE 272
#define IDM_PASTE_COPY 288
#define IDM_IN_MEMORY_MODE 304
#define IDM_EXIT_ON_ESCAPE 320
#define IDM_BIG_FONT 336
#define IDM_BOLD_VALUES 352
#define IDM_BOLD_BUTTONS 368
#define IDM_ALWAYS_ON_TOP 384
#define IDM_RUN_LOAN_CALCULATOR 400
#define IDM_CLEAR_ON_ESCAPE 416
#define IDM_SHOW_TAPE 432
// The tape window's own menu (its system menu and its context menu).
#define IDM_COPY_TAPE 448
#define IDM_DELETE_TAPE_LINES 464
#define IDM_CLEAR_TAPE 480
#define IDM_SELECT_ALL_TAPE 496
// The loan window's payment schedule.
#define IDM_PAYMENT_SCHEDULE 512
// The tape's own commands beside those above: a line's result back into the calculator, the
// lines to a file, and not keeping them when the program ends.
#define IDM_USE_RESULT 528
#define IDM_SAVE_TAPE 544
#define IDM_FORGET_TAPE 560
