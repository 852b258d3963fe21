#include "schedule_dlg.h"

#include <commctrl.h>

#include <algorithm>

#include "fonts.h"
#include "keyboard.h"
#include "resource_ids.h"
#include "window_place.h"

namespace {

constexpr const char* kHeadings[] = {"Month", "Payment", "Interest", "Principal", "Balance"};
constexpr int kColumns = 5;
constexpr int kPadding = 16;  // a cell's margins and the list's grid

void SetFontOf(HWND control, HFONT font)
{
    if (control != nullptr && font != nullptr)
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace

CScheduleDlg::CScheduleDlg(bool bigFont, PaymentSchedule schedule, ScheduleLook look, IClipboard& clipboard)
    : Dialog(bigFont ? IDD_SCHEDULE_BIG : IDD_SCHEDULE), schedule_(std::move(schedule)), look_(look),
      clipboard_(clipboard)
{
}

CScheduleDlg::~CScheduleDlg()
{
    if (background_ != nullptr)
        DeleteObject(background_);
}

bool CScheduleDlg::OnInitDialog()
{
    background_ = CreateSolidBrush(look_.window);
    for (int id : {IDC_SCHEDULE_TOTALS, IDC_SCHEDULE_NOTE, IDC_SCHEDULE_COPY, IDCANCEL})
        SetFontOf(Item(id), look_.font);
    const HWND list = Item(IDC_SCHEDULE_LIST);
    SetFontOf(list, look_.valueFont != nullptr ? look_.valueFont : look_.font);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    ListView_SetBkColor(list, look_.back);
    ListView_SetTextBkColor(list, look_.back);
    ListView_SetTextColor(list, look_.text);

    // Each column as wide as its widest text: the totals row holds the largest amounts, the
    // first balance the largest balance.
    const int rows = static_cast<int>(schedule_.rows.size());
    const HFONT listFont = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
    TextMeasure measure;
    for (int column = 0; column < kColumns; ++column) {
        int width = measure.Width(listFont, kHeadings[column]);
        for (int row : {0, rows - 1, rows})
            width = std::max(width, measure.Width(listFont, Cell(row, column)));
        LVCOLUMNA c = {};
        c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        c.fmt = column == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT;
        c.cx = width + kPadding;
        c.pszText = const_cast<char*>(kHeadings[column]);
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
    }
    ListView_SetItemCountEx(list, rows + 1, LVSICF_NOINVALIDATEALL);

    const std::string totals = "Total paid: " + FormatCents(schedule_.totalPaid, look_.separator) +
                               "    Total interest: " + FormatCents(schedule_.totalInterest, look_.separator);
    SetDlgItemTextA(Handle(), IDC_SCHEDULE_TOTALS, totals.c_str());

    // Over the loan window, as the About window opens over it.
    if (const HWND owner = GetWindow(Handle(), GW_OWNER))
        CenterOver(Handle(), ScreenRect(owner));
    SetFocus(list);
    if (rows > 0) {
        ListView_SetItemState(list, 0, LVIS_FOCUSED, LVIS_FOCUSED);
    }
    return false;
}

std::string CScheduleDlg::Cell(int row, int column) const
{
    const int months = static_cast<int>(schedule_.rows.size());
    if (row < 0 || row > months)
        return {};
    if (row == months) {  // the totals row
        switch (column) {
        case 0: return "Total";
        case 1: return FormatCents(schedule_.totalPaid, look_.separator);
        case 2: return FormatCents(schedule_.totalInterest, look_.separator);
        case 3: return FormatCents(schedule_.totalPaid - schedule_.totalInterest, look_.separator);
        default: return {};
        }
    }
    const ScheduleRow& r = schedule_.rows[static_cast<size_t>(row)];
    switch (column) {
    case 0: return std::to_string(r.month);
    case 1: return FormatCents(r.payment, look_.separator);
    case 2: return FormatCents(r.interest, look_.separator);
    case 3: return FormatCents(r.principal, look_.separator);
    default: return FormatCents(r.balance, look_.separator);
    }
}

void CScheduleDlg::Copy()
{
    clipboard_.PutText(ScheduleText(schedule_, look_.separator));
}

bool CScheduleDlg::OnCommand(int id, int code, HWND /*control*/)
{
    if (code != BN_CLICKED)
        return false;
    if (id == IDC_SCHEDULE_COPY) {
        Copy();
        return true;
    }
    if (id == IDCANCEL || id == IDOK) {
        End(kEndClosed);
        return true;
    }
    return false;
}

bool CScheduleDlg::OnSysCommand(WPARAM command, LPARAM /*lParam*/)
{
    if ((command & 0xFFF0) == SC_CLOSE) {
        End(kEndClosed);
        return true;
    }
    return false;
}

HBRUSH CScheduleDlg::OnControlColor(HDC dc, HWND /*control*/, UINT message)
{
    if (message != WM_CTLCOLORDLG && message != WM_CTLCOLORSTATIC)
        return nullptr;
    SetBkColor(dc, look_.window);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return background_;
}

bool CScheduleDlg::OnListCell(int id, int row, int column, std::string& text)
{
    if (id != IDC_SCHEDULE_LIST)
        return false;
    text = Cell(row, column);
    return true;
}

bool CScheduleDlg::OnClose()
{
    End(kEndClosed);
    return true;
}

bool CScheduleDlg::PreTranslateMessage(MSG& msg)
{
    if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))
        return false;
    if (msg.message == WM_KEYDOWN && msg.wParam == 'C' && HeldModifiers().ctrl) {
        Copy();
        return true;
    }
    // Tab between the list and the buttons, Escape closing, Enter on a button.
    return IsDialogMessageA(Handle(), &msg) != FALSE;
}
