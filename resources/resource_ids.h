// Resource ids that both editions use with the same numbers: the shared window code loads
// templates, strings, accelerators and icons by these, and each edition's resource script
// defines its own resources under them. Plain #defines: read by the resource compiler too.
#pragma once

#include "command_ids.h"
#include "control_ids.h"

// Dialog templates: the same window with the 8-point and the 10-point font. The Big Font
// command re-creates the window from the other one of each pair.
#define IDD_CALC 561
#define IDD_CALC_BIG 562
#define IDD_LOAN 570
#define IDD_LOAN_BIG 571
// The loan's payment schedule, with the loan window's font size.
#define IDD_SCHEDULE 572
#define IDD_SCHEDULE_BIG 573

// Accelerator tables; the big-font templates use the same ones.
#define IDA_CALC 561
#define IDA_LOAN 570

#define IDI_TALLYRA 500

// Window title of the calculator, also what a second start looks for.
#define IDS_TITLE 600

// System-menu texts.
#define IDS_SHOW_TIPS 601
#define IDS_SET_COLORS 602
#define IDS_AFTER_POINT 603
#define IDS_COMMON_SCALE 604
#define IDS_PRECISION_CONTROL 605
#define IDS_QUICK_HELP 606
#define IDS_SOFT_BUTTONS 607
#define IDS_MULTIPLE_INSTANCES 608
#define IDS_COPY 609
#define IDS_PASTE 610
#define IDS_PASTE_COPY 611
#define IDS_IN_MEMORY_MODE 612
#define IDS_EXIT_ON_ESCAPE 613
#define IDS_CLEAR_ON_ESCAPE 614
#define IDS_BIG_FONT 615
#define IDS_BOLD_VALUES 616
#define IDS_BOLD_BUTTONS 617
#define IDS_ALWAYS_ON_TOP 618
#define IDS_RUN_LOAN_CALCULATOR 619
#define IDS_COMMA 620
#define IDS_SHOW_TAPE 621
#define IDS_COPY_TAPE 622
#define IDS_DELETE_TAPE_LINES 623
#define IDS_CLEAR_TAPE 624
#define IDS_SELECT_ALL_TAPE 625
#define IDS_TAPE_TITLE 626
#define IDS_PAYMENT_SCHEDULE 627

// The payment schedule's sentences: patterns whose %1 and %2 the schedule fills in.
#define IDS_SCHEDULE_TOTALS 628
#define IDS_SCHEDULE_SAVINGS 629
#define IDS_SCHEDULE_SAVINGS_ONE_MONTH 630
#define IDS_SCHEDULE_NOTE 631
// "Copied %s": what is announced when a value goes to the clipboard.
#define IDS_ANNOUNCE_COPIED 632
// The tape's commands, its save dialog and what it says when a save fails.
#define IDS_USE_RESULT 633
#define IDS_SAVE_TAPE 634
#define IDS_FORGET_TAPE 635
#define IDS_SAVE_TAPE_TITLE 636
#define IDS_SAVE_TAPE_FILTER 637
#define IDS_SAVE_TAPE_FAILED 638

// Loan window controls besides its keys. The digit keys and "." keep the calculator's ids
// (2110-2119, 2146), so "." shares the calculator's tooltip string; "=" has its own id and
// string. Radio 2338 leads the group that picks the field being typed into.
#define IDC_LOAN_AMOUNT 2337
#define IDC_LOAN_RADIO_AMOUNT 2338
#define IDC_LOAN_RATE 2339
#define IDC_LOAN_RADIO_RATE 2340
#define IDC_LOAN_TERM 2341
#define IDC_LOAN_RADIO_TERM 2342
#define IDC_LOAN_RESULT 2343
#define IDC_LOAN_COMPUTE 2224

// The tape, shown beside the calculator, and its list.
#define IDD_TAPE 574
#define IDC_TAPE_LIST 2380

// The payment schedule's controls.
#define IDC_SCHEDULE_LIST 2360
#define IDC_SCHEDULE_NOTE 2361
#define IDC_SCHEDULE_COPY 2362
#define IDC_SCHEDULE_TOTALS 2363
#define IDC_SCHEDULE_EXTRA 2364
#define IDC_SCHEDULE_EXTRA_LABEL 2365
#define IDC_SCHEDULE_SAVINGS 2366
#define IDC_SCHEDULE_CHART 2367

// ---- About window ------------------------------------------------------------------------
// Template, its icon, the help text (custom resource type "TextFile", stored scrambled) and
// the window's controls.
#define IDD_ABOUT 1550
#define IDI_ABOUT 506
#define IDR_HELP_TEXT 501
#define IDC_ABOUT_ICON 1001
#define IDC_ABOUT_WRITE_LETTER 1023
#define IDC_ABOUT_VISIT_SITE 1024
#define IDC_ABOUT_EMBLEM 1144
#define IDC_ABOUT_HELP 1999

// ---- Colours dialog ----------------------------------------------------------------------
// The system colour chooser's template with the category selector added on its left. The
// chooser's own controls keep the standard ids of <colordlg.h>; these are the added ones.
#define IDD_COLORS 1549
#define IDC_COLOR_GROUPS 901
#define IDC_COLOR_SYSTEM_BACKGROUND 902
#define IDC_COLOR_CATEGORIES 903
#define IDC_COLOR_BACKGROUND 904
#define IDC_COLOR_DEFAULT 905
#define IDC_COLOR_FOLD 722
#define IDC_COLOR_EDIT_SAMPLE 732
#define IDC_COLOR_BUTTON_SAMPLE 733
