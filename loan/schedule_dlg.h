#pragma once
#include <windows.h>

#include <string>

#include "clipboard_port.h"
#include "dialog.h"
#include "payment_schedule.h"

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

// The payment schedule over the loan window: a list of the months and a totals row, a line
// on how the totals can differ from the loan window's, Copy (the button and Ctrl+C) and
// Close (the button and Escape). Modal: the loan window waits beneath it.
class CScheduleDlg : public Dialog {
public:
    CScheduleDlg(bool bigFont, PaymentSchedule schedule, ScheduleLook look, IClipboard& clipboard);
    ~CScheduleDlg() override;

    // The whole table as tab-separated text on the clipboard.
    void Copy();

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnSysCommand(WPARAM command, LPARAM lParam) override;
    HBRUSH OnControlColor(HDC dc, HWND control, UINT message) override;
    bool OnListCell(int id, int row, int column, std::string& text) override;
    bool OnClose() override;
    bool PreTranslateMessage(MSG& msg) override;

private:
    // The text of a cell: row `row` of the months, or the totals row after them.
    std::string Cell(int row, int column) const;

    PaymentSchedule schedule_;
    ScheduleLook look_;
    IClipboard& clipboard_;
    HBRUSH background_ = nullptr;
};
