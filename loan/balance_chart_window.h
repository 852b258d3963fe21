#pragma once
#include <windows.h>

#include "balance_chart.h"
#include "subclassed_control.h"

// The schedule window's chart: a child window of a class of its own ("TallyraBalanceChart",
// named in the schedule's templates), painted with GDI from the window-free layout, through
// a bitmap so that a resize or a new extra payment does not flicker.
class CBalanceChart : public SubclassedControl {
public:
    // Registers the window class; the schedule window's template needs it before it is made.
    static bool Register();

    // The label font (bold when Bold Values is on) and the list's colours.
    void SetLook(HFONT font, COLORREF text, COLORREF back);
    // The schedule shown and the loan without the extra (null when there is none); both must
    // outlive the chart or the next call. Repaints.
    void SetSchedules(const PaymentSchedule* shown, const PaymentSchedule* without, char separator);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc, const RECT& client);

    HFONT font_ = nullptr;
    ChartColors colors_;
    // The layout of the last paint, laid out again only when the plot's size or the
    // schedules change: a paint then costs the same for 9 999 months as for 12.
    ChartLayout layout_;
    ChartLabels labels_;
    int laidWidth_ = -1;
    int laidHeight_ = -1;
    const PaymentSchedule* shown_ = nullptr;
    const PaymentSchedule* without_ = nullptr;
    char separator_ = '.';
};
