#include "gui/Icon.h"

#include "gui/Bitmap.h"
#include "gui/Graphics.h"

#include <vector>

namespace gui {

void Icon::assign(const Icon& other) {
    if (&other != this)
        assignHandle(other.handle());
}

void Icon::assignHandle(HICON icon) {
    m_handle.reset(icon ? CopyIcon(icon) : nullptr);
}

void Icon::assignBitmap(const Bitmap& image) {
    const core::FBitmap& pixels = image.pixels();
    const int32_t w = pixels.width(), h = pixels.height();
    if (w <= 0 || h <= 0) {
        m_handle.reset();
        return;
    }
    const bool transparent = image.isTransparent();
    const core::Color key = transparent ? image.transparentColor() : core::clNone;
    // A 32-bit colour image with alpha (transparent pixels clear) and an all-opaque mask.
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = w;
    bmi.bmiHeader.biHeight = -h;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP color = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!color) {
        m_handle.reset();
        return;
    }
    auto* out = static_cast<uint32_t*>(bits);
    const core::Color keyRgb = transparent ? core::Color(colorRef(key)) : core::clNone;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const core::Color c = pixels.pixel(x, y);
            const bool clear = transparent && c == keyRgb;
            out[size_t(y) * size_t(w) + size_t(x)] =
                clear ? 0u
                      : (0xFF000000u | (uint32_t(core::redOf(c)) << 16) | (uint32_t(core::greenOf(c)) << 8) |
                         uint32_t(core::blueOf(c)));
        }
    std::vector<uint8_t> maskBits(size_t((w + 15) / 16) * 2 * size_t(h), 0);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            if (out[size_t(y) * size_t(w) + size_t(x)] == 0)
                maskBits[size_t(y) * size_t((w + 15) / 16) * 2 + size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
    HBITMAP mask = CreateBitmap(w, h, 1, 1, maskBits.data());
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = color;
    info.hbmMask = mask;
    m_handle.reset(mask ? CreateIconIndirect(&info) : nullptr);
    DeleteObject(color);
    if (mask)
        DeleteObject(mask);
}

} // namespace gui
