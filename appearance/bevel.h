#pragma once
#include <windows.h>

#include "color_scheme.h"

// A raised or sunken frame of `rings` one-pixel rings inside `rect`, light at the top left
// and dark at the bottom right when raised.
void DrawBevel(HDC dc, const RECT& rect, Color face, int rings, bool sunken);

// Fills a rectangle with one colour.
void FillSolid(HDC dc, const RECT& rect, Color color);
