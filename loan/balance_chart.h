#pragma once
#include <string>
#include <vector>

#include "color_scheme.h"
#include "payment_schedule.h"

// The schedule window's chart without its window: where the lines and bars go in a plot of
// a given size, and in which colours. The months run left to right, from 0 (the amount) to
// the last month of the longer schedule; the balance runs from the amount at the top to 0 at
// the bottom. Under each month stands a bar as high as the share of interest in its payment,
// so the month from which the payments go mostly to the principal shows at a glance.
//
// However many months there are, each pixel column gets at most four points of a line (its
// first, lowest, highest and last) and one bar: a loan of 9 999 months draws as fast as one
// of 12.
struct ChartPoint {
    int x = 0;
    int y = 0;
};

struct ChartLayout {
    std::vector<ChartPoint> balance;  // the schedule shown
    std::vector<ChartPoint> without;  // the same loan without the extra; empty when there is none
    // Per pixel column, the height of the interest bar (0 where no month stands).
    std::vector<int> interestHeights;
    // The first month whose principal exceeds its interest, and the column where it begins;
    // -1 when the first month is already such a month or none is.
    int mostlyPrincipalMonth = -1;
    int mostlyPrincipalX = -1;
};

// `without` may be null. A plot smaller than 2 x 2 pixels, or an empty schedule, gets an empty
// layout.
ChartLayout LayOutChart(const PaymentSchedule& schedule, const PaymentSchedule* without, int width,
                        int height);

// Its labels: the amount, where the balance axis begins, and the last month of the month
// axis ("0" stands at its start). Both are in the table too.
struct ChartLabels {
    std::string amount;
    std::string months;
};
ChartLabels ChartLabelsOf(const PaymentSchedule& schedule, const PaymentSchedule* without, char separator);

// Its colours, from the text and the background of the schedule's list.
struct ChartColors {
    Color back = 0;
    Color balance = 0;   // the schedule's line and the labels
    Color without = 0;   // the fainter line of the loan without the extra
    Color interest = 0;  // the interest bars, faint
    Color frame = 0;     // the axes and the mark of the month that is mostly principal
};
ChartColors ChartColorsOf(Color text, Color back);
