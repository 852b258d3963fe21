#include "calc_app.h"

#include "about_window.h"
#include "calc_ext_dlg.h"
#include "loan_dlg.h"
#include "program_end.h"
#include "resource_ids.h"
#include "settings_store.h"

namespace {

// Runs a window made by `run` from one of its two templates, and again from the other each
// time it ends asking for that (the Big Font command), unless the program is being closed for
// good meanwhile.
template <typename Run> void RunRecreating(bool big, int normalTemplate, int bigTemplate, Run run)
{
    while (run(big ? bigTemplate : normalTemplate) == kEndRecreate && !ProgramEnding())
        big = !big;
}

}  // namespace

void ShowProgramHelp(HWND owner)
{
    ShowAboutWindow(owner, kMakerMailLink, kMakerWebAddress);
}

void CCalcApp::RunCalculator()
{
    RunRecreating(ReadBigFontFlag(registry_, CalcSettingsKey(edition_)) != 0, IDD_CALC, IDD_CALC_BIG,
                  [this](int templateId) {
                      CCalcExtDlg window(templateId, edition_, registry_);
                      return window.DoModal();
                  });
}

void CCalcApp::RunLoanCalculator(Edition edition, IRegistry& registry, HWND owner)
{
    RunRecreating(ReadBigFontFlag(registry, LoanSettingsKey(edition)) != 0, IDD_LOAN, IDD_LOAN_BIG,
                  [&](int templateId) {
                      CLoanDlg window(templateId, edition, registry, ShowProgramHelp);
                      return window.DoModal(owner);
                  });
}
