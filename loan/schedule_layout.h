#pragma once

// Where the schedule window's controls go when the window is made larger than its template:
// the list and the chart share the height gained (the list two thirds), the lines under
// them and the row of the extra box and the buttons keep to the bottom, the buttons to the
// right, and everything but the extra box and its label takes the width gained.
struct LayoutRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

enum class ScheduleAnchor {
    List,         // grows in both directions
    Chart,        // below the list: moves with its growth, grows with the rest
    Line,         // a line of text under the chart: moves down, grows in width
    BottomLeft,   // the extra box and its label: move down only
    BottomRight,  // the buttons: move down and right
};

// The place of a control that stood at `atTemplate` in the template's client area, once the
// client area has grown by `wider` and `taller` pixels (a shrink counts as no growth).
LayoutRect PlaceScheduleControl(ScheduleAnchor anchor, const LayoutRect& atTemplate, int wider, int taller);
