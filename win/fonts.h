#pragma once
#include <windows.h>

#include <string>

// Fonts made from the window's own, and the widths of texts in them.

// The font with the same face and size, bold; null when it cannot be made.
HFONT CreateBoldFont(HFONT font);

// Measures texts; keeps one memory device context for as long as it lives, since a window
// that measures every line it shows would otherwise ask the system for one each time.
class TextMeasure {
public:
    TextMeasure() = default;
    ~TextMeasure();
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    // The width of `text` in pixels in `font` (the system's GUI font when null); 0 when it
    // cannot be measured.
    int Width(HFONT font, const std::string& text);

private:
    HDC dc_ = nullptr;
};
