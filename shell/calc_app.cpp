#include "calc_app.h"

#include "calc_ext_dlg.h"
#include "loan_dlg.h"
#include "resource_ids.h"
#include "settings_store.h"

namespace {

// The window's result that asks for it to be created again from the other template.
constexpr INT_PTR kRecreate = -2;

}  // namespace

void CCalcApp::RunCalculator()
{
    int templateId = ReadBigFontFlag(registry_, CalcSettingsKey(edition_)) ? IDD_CALC_BIG : IDD_CALC;
    for (;;) {
        INT_PTR result = 0;
        {
            CCalcExtDlg window(templateId, edition_, registry_);
            result = window.DoModal();
        }
        if (result != kRecreate)
            break;
        templateId = templateId == IDD_CALC ? IDD_CALC_BIG : IDD_CALC;
    }
}

void CCalcApp::RunLoanCalculator(Edition edition, IRegistry& registry, HWND owner)
{
    int templateId = ReadBigFontFlag(registry, LoanSettingsKey(edition)) ? IDD_LOAN_BIG : IDD_LOAN;
    for (;;) {
        INT_PTR result = 0;
        {
            CLoanDlg window(templateId, edition, registry);
            result = window.DoModal(owner);
        }
        if (result != kRecreate)
            break;
        templateId = templateId == IDD_LOAN ? IDD_LOAN_BIG : IDD_LOAN;
    }
}
