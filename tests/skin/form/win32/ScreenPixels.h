#pragma once
// The screen's pixels under a screen rectangle, read back for comparisons with rendered skins.
#include "core/Color.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace screen_testing {

// RGB colours row by row, rect's width per row.
inline std::vector<core::Color> screenPixels(const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    std::vector<core::Color> pixels;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    for (int i = 0; bits && i < w * h; ++i) {
        const uint32_t px = static_cast<const uint32_t*>(bits)[i];
        pixels.push_back(core::rgb(uint8_t(px >> 16), uint8_t(px >> 8), uint8_t(px)));
    }
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return pixels;
}

} // namespace screen_testing
