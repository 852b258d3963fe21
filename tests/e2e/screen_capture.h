// Pictures of what is on the screen: the program's window copied from the screen into a
// bitmap the driver owns, for pixel checks and for PNG files a reviewer can look at.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;  // rows from the top, 0x00BBGGRR like GDI

    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool Empty() const { return width <= 0 || height <= 0; }
};

// Copies a rectangle of the screen; false when GDI refused.
bool CaptureScreenRect(const RECT& rect, Image& image);

// Brings the window to the front, lets it finish painting and copies its outer rectangle.
// Painting is finished when two copies taken a moment apart agree.
bool CaptureWindow(HWND hwnd, Image& image);

// The same for a window with moving parts (an animation, a blinking caret): painting counts as
// finished when two copies agree outside the `moving` rectangles, given in window coordinates.
bool CaptureWindowIgnoring(HWND hwnd, const std::vector<RECT>& moving, Image& image);

// True when the two images have the same size and agree at every pixel outside `ignored`.
bool SameOutside(const Image& a, const Image& b, const std::vector<RECT>& ignored);

// The first pixel, row by row, where two images of the same size differ outside `ignored`.
std::optional<POINT> FirstDifferenceOutside(const Image& a, const Image& b, const std::vector<RECT>& ignored);

// The part of `image` at `rect`, given in the image's own coordinates and clipped to it.
Image Crop(const Image& image, const RECT& rect);

// A rectangle in screen coordinates, made relative to another one's top-left corner.
RECT RelativeTo(const RECT& rect, const RECT& origin);

// The colour most pixels have: the background of a panel.
COLORREF MostCommonColour(const Image& image);

// The client area of `control` (any window) in the coordinates of a capture of `window`.
RECT ClientAreaIn(HWND control, HWND window);

// How many pixels have exactly this colour.
int CountColour(const Image& image, COLORREF colour);

// How many pixels differ from `background` by more than `tolerance` in some channel.
int CountInkPixels(const Image& image, COLORREF background, int tolerance);

// Writes the image as a PNG file; false when the file could not be written.
bool SavePng(const Image& image, const std::string& path);

}  // namespace e2e
