#include "schedule_layout.h"

LayoutRect PlaceScheduleControl(ScheduleAnchor anchor, const LayoutRect& atTemplate, int wider, int taller)
{
    wider = wider > 0 ? wider : 0;
    taller = taller > 0 ? taller : 0;
    const int listGrowth = taller * 2 / 3;
    LayoutRect r = atTemplate;
    switch (anchor) {
    case ScheduleAnchor::List:
        r.right += wider;
        r.bottom += listGrowth;
        break;
    case ScheduleAnchor::Chart:
        r.right += wider;
        r.top += listGrowth;
        r.bottom += taller;
        break;
    case ScheduleAnchor::Line:
        r.right += wider;
        r.top += taller;
        r.bottom += taller;
        break;
    case ScheduleAnchor::BottomLeft:
        r.top += taller;
        r.bottom += taller;
        break;
    case ScheduleAnchor::BottomRight:
        r.left += wider;
        r.right += wider;
        r.top += taller;
        r.bottom += taller;
        break;
    }
    return r;
}
