#include "bevel.h"

#include "color_math.h"

namespace {

// Draws from `from` to `to` without its end point, as LineTo does.
void Line(HDC dc, Color color, int x1, int y1, int x2, int y2)
{
    HPEN pen = CreatePen(PS_SOLID, 1, UsableColor(color));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
    DeleteObject(pen);
}

}  // namespace

void DrawBevel(HDC dc, const RECT& rect, Color face, int rings, bool sunken)
{
    int left = rect.left;
    int top = rect.top;
    int right = rect.right - 1;
    int bottom = rect.bottom - 1;
    for (int ring = 1; ring <= rings; ++ring) {
        const BevelRing colors = BevelRingColors(face, ring, rings, sunken);
        // The top-left colour takes the left column and the top row but the top-right corner;
        // the bottom-right colour the right column and the bottom row but the bottom-left one.
        Line(dc, colors.topLeft, left, bottom, left, top);
        Line(dc, colors.topLeft, left, top, right, top);
        Line(dc, colors.bottomRight, right, top, right, bottom);
        Line(dc, colors.bottomRight, right, bottom, left, bottom);
        ++left;
        ++top;
        --right;
        --bottom;
    }
}

void FillSolid(HDC dc, const RECT& rect, Color color)
{
    HBRUSH brush = CreateSolidBrush(UsableColor(color));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}
