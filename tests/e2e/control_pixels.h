// Colours of the program's controls as a screenshot shows them: the part of a capture that a
// control's client area covers, its background (the colour most of its pixels have) and the
// pixels of one exact colour, such as a caption drawn in a bitmap font without smoothing.
#pragma once

#include "screen_capture.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace e2e {

// "(r, g, b)" for messages.
std::string ColourText(COLORREF colour);

// The client area of control `id` of `dialog` in `capture`, a capture of `window` (the dialog
// itself or the window that holds it), shrunk by `inset` pixels on every side.
Image ControlPixels(const Image& capture, HWND window, HWND dialog, int id, int inset = 0);

// Most of the pixels have this colour.
testing::AssertionResult BackgroundIs(const Image& pixels, COLORREF expected);

// At least `minimum` pixels have exactly this colour.
testing::AssertionResult HasPixelsOf(const Image& pixels, COLORREF colour, int minimum = 1);

// No pixel has this colour.
testing::AssertionResult HasNoPixelsOf(const Image& pixels, COLORREF colour);

}  // namespace e2e
