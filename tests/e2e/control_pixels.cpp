#include "control_pixels.h"

#include "window_controls.h"

#include <sstream>

namespace e2e {

std::string ColourText(COLORREF colour)
{
    std::ostringstream out;
    out << "(" << int(GetRValue(colour)) << ", " << int(GetGValue(colour)) << ", " << int(GetBValue(colour))
        << ")";
    return out.str();
}

Image ControlPixels(const Image& capture, HWND window, HWND dialog, int id, int inset)
{
    HWND control = Control(dialog, id);
    if (control == nullptr)
        return Image{};
    RECT area = ClientAreaIn(control, window);
    InflateRect(&area, -inset, -inset);
    return Crop(capture, area);
}

testing::AssertionResult BackgroundIs(const Image& pixels, COLORREF expected)
{
    if (pixels.Empty())
        return testing::AssertionFailure() << "no pixels (the control is missing or hidden)";
    const COLORREF found = MostCommonColour(pixels);
    if (found == expected)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "the background is " << ColourText(found) << ", expected " << ColourText(expected);
}

testing::AssertionResult HasPixelsOf(const Image& pixels, COLORREF colour, int minimum)
{
    const int count = CountColour(pixels, colour);
    if (count >= minimum)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << count << " pixels of " << ColourText(colour) << ", expected at least " << minimum
           << " (most pixels are " << ColourText(MostCommonColour(pixels)) << ")";
}

testing::AssertionResult HasNoPixelsOf(const Image& pixels, COLORREF colour)
{
    const int count = CountColour(pixels, colour);
    if (count == 0)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << count << " pixels of " << ColourText(colour);
}

}  // namespace e2e
