#include "screen_capture.h"

#include "keyboard_input.h"
#include "png_writer.h"
#include "wait.h"
#include "window_controls.h"
#include "wine_paths.h"

#include <cstdlib>
#include <map>

namespace e2e {

bool CaptureScreenRect(const RECT& rect, Image& image)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (bitmap != nullptr && bits != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        ok = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY | CAPTUREBLT) != FALSE;
        GdiFlush();
        SelectObject(memory, old);
        if (ok) {
            image.width = width;
            image.height = height;
            image.pixels.resize(static_cast<size_t>(width) * height);
            // A 32-bit DIB holds 0x00RRGGBB; GDI colours are 0x00BBGGRR.
            const uint32_t* source = static_cast<const uint32_t*>(bits);
            for (size_t i = 0; i < image.pixels.size(); ++i) {
                const uint32_t p = source[i];
                image.pixels[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
            }
        }
    }
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

bool CaptureWindow(HWND hwnd, Image& image)
{
    return CaptureWindowIgnoring(hwnd, {}, image);
}

bool CaptureWindowIgnoring(HWND hwnd, const std::vector<RECT>& moving, Image& image)
{
    if (!BringToForeground(hwnd))
        return false;
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    Sync(hwnd);
    Image previous;
    return WaitUntil([&] {
        PumpFor(100);
        Image current;
        if (!CaptureScreenRect(WindowRect(hwnd), current))
            return false;
        const bool stable = SameOutside(current, previous, moving);
        previous = current;
        if (stable)
            image = current;
        return stable;
    });
}

bool SameOutside(const Image& a, const Image& b, const std::vector<RECT>& ignored)
{
    return a.width == b.width && a.height == b.height && !FirstDifferenceOutside(a, b, ignored);
}

std::optional<POINT> FirstDifferenceOutside(const Image& a, const Image& b, const std::vector<RECT>& ignored)
{
    for (int y = 0; y < a.height && y < b.height; ++y) {
        for (int x = 0; x < a.width && x < b.width; ++x) {
            if (a.At(x, y) == b.At(x, y))
                continue;
            const POINT p{x, y};
            bool inside = false;
            for (const RECT& r : ignored)
                inside = inside || PtInRect(&r, p);
            if (!inside)
                return p;
        }
    }
    return std::nullopt;
}

Image Crop(const Image& image, const RECT& rect)
{
    Image part;
    const int left = rect.left < 0 ? 0 : rect.left;
    const int top = rect.top < 0 ? 0 : rect.top;
    const int right = rect.right > image.width ? image.width : rect.right;
    const int bottom = rect.bottom > image.height ? image.height : rect.bottom;
    if (right <= left || bottom <= top)
        return part;
    part.width = right - left;
    part.height = bottom - top;
    part.pixels.reserve(static_cast<size_t>(part.width) * part.height);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            part.pixels.push_back(image.At(x, y));
    return part;
}

RECT RelativeTo(const RECT& rect, const RECT& origin)
{
    return RECT{rect.left - origin.left, rect.top - origin.top, rect.right - origin.left,
                rect.bottom - origin.top};
}

RECT ClientAreaIn(HWND control, HWND window)
{
    RECT client{};
    GetClientRect(control, &client);
    POINT origin{0, 0};
    ClientToScreen(control, &origin);
    const RECT outer = WindowRect(window);
    OffsetRect(&client, origin.x - outer.left, origin.y - outer.top);
    return client;
}

int CountColour(const Image& image, COLORREF colour)
{
    int count = 0;
    for (COLORREF p : image.pixels)
        if (p == colour)
            ++count;
    return count;
}

COLORREF MostCommonColour(const Image& image)
{
    std::map<COLORREF, int> counts;
    COLORREF best = 0;
    int bestCount = -1;
    for (COLORREF p : image.pixels) {
        const int count = ++counts[p];
        if (count > bestCount) {
            bestCount = count;
            best = p;
        }
    }
    return best;
}

int CountInkPixels(const Image& image, COLORREF background, int tolerance)
{
    int ink = 0;
    for (COLORREF p : image.pixels) {
        const int dr = std::abs(int(GetRValue(p)) - int(GetRValue(background)));
        const int dg = std::abs(int(GetGValue(p)) - int(GetGValue(background)));
        const int db = std::abs(int(GetBValue(p)) - int(GetBValue(background)));
        if (dr > tolerance || dg > tolerance || db > tolerance)
            ++ink;
    }
    return ink;
}

bool SavePng(const Image& image, const std::string& path)
{
    if (image.Empty())
        return false;
    std::vector<uint8_t> rgb;
    rgb.reserve(image.pixels.size() * 3);
    for (COLORREF p : image.pixels) {
        rgb.push_back(GetRValue(p));
        rgb.push_back(GetGValue(p));
        rgb.push_back(GetBValue(p));
    }
    const std::vector<uint8_t> png = EncodePng(image.width, image.height, rgb);
    return WriteWholeFile(path, png.data(), png.size());
}

}  // namespace e2e
