// The loan calculator's window: creation, the keypad, the keyboard and the panels.
#include "loan_dlg.h"

#include "command_ids.h"
#include "keyboard.h"
#include "resource_ids.h"
#include "resource_text.h"
#include "schedule_dlg.h"
#include "window_place.h"

namespace {

constexpr UINT kValueFormat = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;

const int kPanelIds[] = {IDC_LOAN_AMOUNT, IDC_LOAN_TERM, IDC_LOAN_RATE, IDC_LOAN_RESULT};
const int kRadioIds[] = {IDC_LOAN_RADIO_AMOUNT, IDC_LOAN_RADIO_RATE, IDC_LOAN_RADIO_TERM};

}  // namespace

const char* LoanWindowTitle(Edition edition)
{
    return edition == Edition::Styled ? "Loan Calculator Styled" : "Loan Calculator Classic";
}

CLoanDlg::CLoanDlg(int templateId, Edition edition, IRegistry& registry, HelpEntry help)
    : CKeypadDlg(templateId, edition, IDA_LOAN, help), registry_(registry), entry_(*this, clipboard_),
      keys_(entry_, settings_)
{
    BindOptions(settings_, settings_.bExitByEscape, settings_.bClearByEscape);
    // Every option of this window is saved as soon as it changes.
    const SaveRule now = SaveRule::AtOnce;
    OptionRow comma{IDM_COMMA, IDS_COMMA, &settings_.bCommaPoint,  &settings_.bCommaPoint,
                    false,     now,       [this] { ApplyComma(); }};
    OptionRow paste{
        IDM_PASTE, IDS_PASTE, nullptr, nullptr, false, SaveRule::Never, [this] { entry_.PasteAmount(); }};
    OptionRow copy{
        IDM_COPY, IDS_COPY, nullptr, nullptr, false, SaveRule::Never, [this] { entry_.CopyResult(); }};
    OptionRow schedule{IDM_PAYMENT_SCHEDULE, IDS_PAYMENT_SCHEDULE,      nullptr, nullptr, false,
                       SaveRule::Never,      [this] { ShowSchedule(); }};
    SetOptionRows({
        Separator(),
        Common(IDM_SHOW_TIPS, now),
        Common(IDM_QUICK_HELP, now),
        Separator(),
        Common(IDM_EXIT_ON_ESCAPE, now),
        Common(IDM_CLEAR_ON_ESCAPE, now),
        Separator(),
        Common(IDM_MULTIPLE_INSTANCES, now),
        Common(IDM_ALWAYS_ON_TOP, now),
        Separator(true),
        Common(IDM_BOLD_BUTTONS, now),
        Common(IDM_SOFT_BUTTONS, now),
        Separator(),
        Common(IDM_BOLD_VALUES, now),
        Common(IDM_BIG_FONT, now),
        comma,
        Separator(),
        schedule,
        paste,
        copy,
    });

    SetDefaultLoanColors(settings_, GetSysColor(COLOR_BTNFACE));
    LoadLoanSettings(registry_, edition_, settings_);
    entry_.SetAmountText(settings_.strAmount);
    entry_.SetTermText(settings_.strMonths);
    entry_.SetRateText(settings_.strPercent);
    entry_.SetCommaPoint(settings_.bCommaPoint != 0);
    entry_.AdoptSeparator();
}

INT_PTR CLoanDlg::DoModal(HWND owner)
{
    if (BringOtherForward(LoanWindowTitle(edition_)))
        return 0;
    entry_.ComputeLoan();  // a valid stored loan shows its result at once
    return RunModal(owner);
}

void CLoanDlg::BindControls()
{
    if (IsClassic()) {
        for (int id = IDC_KEY_DIGIT0; id <= IDC_KEY_DIGIT9; ++id)
            AddKey(id);
        AddKey(IDC_LOAN_COMPUTE);
        AddKey(IDC_KEY_POINT);
    }
    for (int id : kPanelIds) {
        if (CCalcPanel* panel = AddPanel(id))
            panel->SetFormat(kValueFormat);
    }
}

bool CLoanDlg::OnInitDialog()
{
    CKeypadDlg::OnInitDialog();
    // The "." caption keeps the plain font even when the keys are bold.
    if (CCalcButton* point = Key(IDC_KEY_POINT))
        point->SetUseParentFont(false);
    ApplySoftButtons();
    ApplyTips();
    ApplyLoanColors();
    ApplyOnTop();
    ready_ = true;
    entry_.RefreshLoan(kLoanPanelAll);
    MoveToStoredPlace(Handle(), settings_.nPosX, settings_.nPosY);
    return false;  // the window takes the focus itself once it is shown
}

void CLoanDlg::ShowLoan(const LoanDisplay& display, unsigned repaintPanels)
{
    if (!ready_)
        return;
    const struct {
        int id;
        const std::string& text;
        unsigned panel;
    } panels[] = {{IDC_LOAN_AMOUNT, display.amount, kLoanPanelAmount},
                  {IDC_LOAN_RATE, display.rate, kLoanPanelRate},
                  {IDC_LOAN_TERM, display.term, kLoanPanelTerm},
                  {IDC_LOAN_RESULT, display.result, kLoanPanelResult}};
    for (const auto& p : panels) {
        SetDlgItemTextA(Handle(), p.id, p.text.c_str());
        if ((repaintPanels & p.panel) != 0)
            InvalidateRect(Item(p.id), nullptr, FALSE);
    }
    const int selected = static_cast<int>(display.selected);
    for (int i = 0; i < 3; ++i)
        CheckDlgButton(Handle(), kRadioIds[i], i == selected ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(Item(IDC_LOAN_COMPUTE), display.equalsEnabled ? TRUE : FALSE);
    ShowWindow(Item(IDC_KEY_POINT), display.pointShown ? SW_SHOW : SW_HIDE);
    EnableWindow(Item(IDC_KEY_POINT), display.pointEnabled ? TRUE : FALSE);
    // The schedule is there for a loan the window can lay out month by month.
    EnableMenuItem(GetSystemMenu(Handle(), FALSE), IDM_PAYMENT_SCHEDULE,
                   MF_BYCOMMAND | (display.hasSchedule ? MF_ENABLED : MF_GRAYED));
}

void CLoanDlg::Announce(const std::string& text, Announcement kind)
{
    if (!ready_)
        return;
    if (kind == Announcement::Copied)
        Dialog::Announce(FormatResourceString(IDS_ANNOUNCE_COPIED, text));
    else if (!text.empty())
        Dialog::Announce(text);
}

bool CLoanDlg::SpokenTextOf(int id, SpokenText& text)
{
    if (!SpokenTexts(id, IDS_NAME_OFFSET + id, LoanKeyShortcut(id), text))
        return false;
    text.name = LoanSpokenName(id, text.name, entry_.Display());
    return true;
}

void CLoanDlg::ShowSchedule()
{
    const ScheduleLoan loan = entry_.ScheduleInputs();
    std::optional<PaymentSchedule> schedule = BuildSchedule(loan);
    if (!schedule)
        return;
    Color c[kLoanColorCount];
    bool systemBackgrounds = false;
    ShownColors(c, systemBackgrounds);
    ScheduleLook look;
    look.font = reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
    look.valueFont = reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, kFontForPanel, 0));
    look.separator = entry_.Separator();
    look.text = c[kLoanInputText];
    look.back = c[kLoanInputBack];
    look.window = systemBackgrounds ? GetSysColor(COLOR_BTNFACE) : c[kLoanDialogBack];
    CScheduleDlg dialog(settings_.bBigFont != 0, loan, std::move(*schedule), look, clipboard_);
    dialog.RunModal(Handle());
    SetFocus(Handle());
}

int CLoanDlg::CheckedField() const
{
    for (int i = 0; i < 3; ++i) {
        if (IsDlgButtonChecked(Handle(), kRadioIds[i]) == BST_CHECKED)
            return i;
    }
    return -1;
}

bool CLoanDlg::OnAccelerator(int id)
{
    switch (id) {
    case IDC_CMD_COPY: entry_.CopyResult(); return true;
    case IDC_CMD_PASTE: entry_.PasteAmount(); return true;
    default: return false;
    }
}

bool CLoanDlg::OnKeyClicked(int id)
{
    entry_.ReadBackField(CheckedField());
    if (id >= IDC_KEY_DIGIT0 && id <= IDC_KEY_DIGIT9)
        entry_.AddDigit(static_cast<char>('0' + (id - IDC_KEY_DIGIT0)));
    else if (id == IDC_KEY_POINT)
        entry_.AddSeparator();
    else if (id == IDC_LOAN_COMPUTE)
        entry_.ComputeLoan();
    else if (id == IDC_LOAN_RADIO_AMOUNT || id == IDC_LOAN_RADIO_RATE || id == IDC_LOAN_RADIO_TERM)
        entry_.RefreshLoan(0);
    else
        return false;
    return true;
}

bool CLoanDlg::OnKey(UINT message, int key)
{
    switch (message) {
    case WM_CHAR: return OnCharacter(static_cast<char>(key));
    case WM_KEYDOWN: return OnKeyDown(key);
    default: return OnKeyUp(key);
    }
}

bool CLoanDlg::OnCharacter(char ch)
{
    return ActOnKey(keys_.OnCharacter(ch, CheckedField()));
}

bool CLoanDlg::OnKeyDown(int key)
{
    const Modifiers mods = HeldModifiers();
    return ActOnKey(keys_.OnKeyDown(key, mods, LoanKeyMap::PressReadsField(key, mods) ? CheckedField() : -1));
}

bool CLoanDlg::OnKeyUp(int key)
{
    return ActOnKey(keys_.OnKeyUp(key, HeldModifiers(), CheckedField()));
}

bool CLoanDlg::ActOnKey(LoanKeyResult result)
{
    switch (result) {
    case LoanKeyResult::NotHandled: return false;
    case LoanKeyResult::Help: ShowHelp(); break;
    case LoanKeyResult::SaveAndExit: SaveAndClose(); break;
    case LoanKeyResult::Handled: break;
    }
    return true;
}

void CLoanDlg::SaveSettings()
{
    settings_.strAmount = entry_.AmountText();
    settings_.strMonths = entry_.TermText();
    settings_.strPercent = entry_.RateText();
    SaveLoanSettings(registry_, edition_, settings_);
}
