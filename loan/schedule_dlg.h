#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "balance_chart_window.h"
#include "clipboard_port.h"
#include "dialog.h"
#include "extra_input.h"
#include "payment_schedule.h"
#include "schedule_layout.h"
#include "schedule_text.h"
#include "subclassed_control.h"

// How the schedule window looks: the loan window's fonts, its separator, and the colours of
// its input panels and background.
struct ScheduleLook {
    HFONT font = nullptr;       // the loan window's text
    HFONT valueFont = nullptr;  // its values, bold when Bold Values is on
    char separator = '.';
    COLORREF text = 0;
    COLORREF back = 0xFFFFFF;
    COLORREF window = 0xC0C0C0;  // the dialog's background
};

// The payment schedule over the loan window: a list of the months and a totals row, the
// totals, what an extra payment saves, a note on the last payment, a chart of the balance,
// the "Extra per month:" box, Copy (the button and Ctrl+C) and Close (the button and
// Escape). Modal: the loan window waits beneath it. It can be made larger than its template.
class CScheduleDlg : public Dialog {
public:
    // `schedule` is the loan's schedule without an extra payment.
    CScheduleDlg(bool bigFont, const ScheduleLoan& loan, PaymentSchedule schedule, ScheduleLook look,
                 IClipboard& clipboard);
    ~CScheduleDlg() override;

    // The whole table with its totals as tab-separated text on the clipboard.
    void Copy();

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnSysCommand(WPARAM command, LPARAM lParam) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    HBRUSH OnControlColor(HDC dc, HWND control, UINT message) override;
    bool OnListCell(int id, int row, int column, std::string& text) override;
    void OnSize(int width, int height) override;
    bool OnClose() override;
    bool SpokenTextOf(int id, SpokenText& text) override;
    bool PreTranslateMessage(MSG& msg) override;

private:
    // The extra box: its characters and pastes go through the window-free input rule before
    // the box takes them.
    class ExtraBoxControl : public SubclassedControl {
    public:
        explicit ExtraBoxControl(CScheduleDlg& owner) : owner_(owner) {}

    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    private:
        CScheduleDlg& owner_;
    };

    std::string ExtraText() const;
    std::pair<size_t, size_t> ExtraSelection() const;
    void PutExtra(const std::optional<ExtraBox>& box);
    // The box's text changed: put right when it came another way, and the schedule rebuilt.
    void OnExtraChanged();
    void ShowSchedule();
    void FitColumns();
    void LayOut();

    ScheduleLoan loan_;
    PaymentSchedule base_;   // the loan without the extra
    PaymentSchedule shown_;  // with it
    int64_t extraCents_ = 0;
    ScheduleWords words_;
    ScheduleLook look_;
    IClipboard& clipboard_;
    HBRUSH background_ = nullptr;
    HBRUSH boxBrush_ = nullptr;
    CBalanceChart chart_;
    ExtraBoxControl extraBox_{*this};
    std::vector<std::pair<HWND, ScheduleAnchor>> anchored_;
    std::vector<LayoutRect> atTemplate_;  // where each anchored control stood
    SIZE templateClient_ = {};            // the client area as the template made it
    SIZE minimum_ = {};                   // and the whole window
    int columnWidths_[kScheduleColumns] = {};
};
