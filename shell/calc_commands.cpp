// The calculator's system menu: every option of the program is one of its items, most with an
// accelerator. Each row says when its change reaches the registry: at once, at the next save
// (Close, Exit on Escape, or the next command saved at once), or never (a command, not an
// option). The engine's own options go through the engine's door like its keys.
#include "calc_app.h"
#include "calc_ext_dlg.h"
#include "command_ids.h"
#include "loan_settings.h"
#include "resource_ids.h"

std::vector<OptionRow> CCalcExtDlg::MenuRows()
{
    const SaveRule later = SaveRule::NextSave;
    const SaveRule now = SaveRule::AtOnce;
    const SaveRule never = SaveRule::Never;
    uint8_t& inMemory = settings_.engine.bInMemory;
    const auto engine = [this](CalcOp op, int arg = 0) { ToEngine(CalcEvent::Command(op, arg)); };
    return {
        Separator(),
        Common(IDM_SHOW_TIPS, later),
        Common(IDM_QUICK_HELP, never),
        Common(IDM_EXIT_ON_ESCAPE, later),
        Common(IDM_CLEAR_ON_ESCAPE, later),
        Separator(),
        {IDM_RUN_LOAN_CALCULATOR, IDS_RUN_LOAN_CALCULATOR, nullptr, nullptr, false, never,
         [this] { StartLoanCalculator(); }},
        {IDM_SHOW_TAPE, IDS_SHOW_TAPE, &settings_.bShowTape, &settings_.bShowTape, false, later,
         [this] { ApplyTape(); }},
        Common(IDM_MULTIPLE_INSTANCES, now),
        {IDM_IN_MEMORY_MODE, IDS_IN_MEMORY_MODE, &inMemory, &inMemory, false, later,
         [this] { ToggleInMemory(); }},
        Common(IDM_ALWAYS_ON_TOP, later),
        Separator(),
        Common(IDM_BOLD_BUTTONS, now),
        Common(IDM_SOFT_BUTTONS, later),
        Common(IDM_BOLD_VALUES, now),
        {IDM_SET_COLORS, IDS_SET_COLORS, nullptr, nullptr, false, now, [this] { RunColorsDialog(); }},
        Common(IDM_BIG_FONT, now),
        Separator(),
        // The engine flips the separator itself, with the panels' texts.
        {IDM_COMMA, IDS_COMMA, nullptr, &settings_.engine.bCommaPoint, false, now,
         [engine] { engine(CalcOp::ToggleComma); }},
        // The precision model writes its numbers into these two texts.
        {IDM_AFTER_POINT, IDS_AFTER_POINT, nullptr, nullptr, false, now,
         [engine] { engine(CalcOp::PrecisionModel, 1); }},
        {IDM_COMMON_SCALE, IDS_COMMON_SCALE, nullptr, nullptr, false, now,
         [engine] { engine(CalcOp::PrecisionModel, 0); }},
        {IDM_PRECISION_CONTROL, IDS_PRECISION_CONTROL, &settings_.bShowPrecision, &settings_.bShowPrecision,
         false, now,
         [this, engine] {
             ApplyPrecisionControl();
             engine(CalcOp::Refresh);
         }},
        Separator(),
        {IDM_PASTE_COPY, IDS_PASTE_COPY, nullptr, nullptr, false, never, [this] { Paste(true); }},
        {IDM_PASTE, IDS_PASTE, nullptr, nullptr, false, never, [this] { Paste(false); }},
        {IDM_COPY, IDS_COPY, nullptr, nullptr, false, never, [engine] { engine(CalcOp::Copy); }},
    };
}

void CCalcDlg::StartLoanCalculator()
{
    // The loan window always opens in the calculator's colours: they go into its stored
    // settings, which it reads when it is created.
    LoanSettings loan;
    SetDefaultLoanColors(loan, GetSysColor(COLOR_BTNFACE));
    LoadLoanSettings(Registry(), edition_, loan);
    CopyCalculatorColors(settings_.colors, loan);
    SaveLoanSettings(Registry(), edition_, loan);
    CCalcApp::RunLoanCalculator(edition_, Registry(), Handle());
    SetFocus(Handle());
}
