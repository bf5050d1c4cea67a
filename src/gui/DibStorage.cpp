#include "gui/DibStorage.h"

#include "core/Error.h"

#include <algorithm>
#include <cstring>

namespace gui {

namespace {

const char* const outOfResources = "Out of system resources";

// A DIB-backed copy of bitmap when it is not DIB-backed itself, so GDI can read it.
struct DibView {
    explicit DibView(const core::FBitmap& bitmap) {
        if (DibStorage* s = dibStorageOf(bitmap)) {
            dc = s->dc();
            return;
        }
        if (bitmap.isEmpty())
            return;
        copy = std::make_unique<DibStorage>(bitmap.width(), bitmap.height());
        std::memcpy(copy->bits(), bitmap.bits(), bitmap.byteSize());
        dc = copy->dc();
    }
    std::unique_ptr<DibStorage> copy;
    HDC dc = nullptr;
};

} // namespace

BITMAPINFOHEADER DibStorage::header(int32_t width, int32_t height) {
    BITMAPINFOHEADER h{};
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = width;
    h.biHeight = -height; // top-down rows
    h.biPlanes = 1;
    h.biBitCount = 24;
    h.biCompression = BI_RGB;
    return h;
}

DibStorage::DibStorage(int32_t width, int32_t height) : m_width(width), m_height(height) {
    BITMAPINFO info{};
    info.bmiHeader = header(width, height);
    void* bits = nullptr;
    m_bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!m_bitmap || !bits)
        throw core::Error(outOfResources);
    m_bits = static_cast<uint8_t*>(bits);
    // The rows of a 24-bit DIB are padded to four bytes, which is exactly FBitmap's stride.
    std::memset(m_bits, 0, size_t(3 * width + width % 4) * size_t(height));
}

HDC DibStorage::dc() const {
    if (!m_dc) {
        winbase::OwnedDC dc = winbase::OwnedDC::createCompatible();
        if (!dc)
            return nullptr;
        m_oldBitmap = SelectObject(dc.get(), m_bitmap.get());
        m_dc = std::move(dc);
    }
    return m_dc.get();
}

DibStorage::~DibStorage() {
    if (m_dc && m_oldBitmap && m_oldBitmap != HGDI_ERROR)
        SelectObject(m_dc.get(), m_oldBitmap);
}

void installDibStorage() {
    static const bool installed = [] {
        core::FBitmap::setStorageFactory([](int32_t width, int32_t height, size_t) {
            return std::unique_ptr<core::PixelStorage>(std::make_unique<DibStorage>(width, height));
        });
        return true;
    }();
    (void)installed;
}

DibStorage* dibStorageOf(const core::FBitmap& bitmap) {
    return dynamic_cast<DibStorage*>(bitmap.storage());
}

HDC dcOf(const core::FBitmap& bitmap) {
    DibStorage* s = dibStorageOf(bitmap);
    return s ? s->dc() : nullptr;
}

void drawFBitmap(HDC dc, int32_t x, int32_t y, const core::FBitmap& bitmap) {
    drawFBitmap(dc, {x, y, x + bitmap.width(), y + bitmap.height()}, bitmap, bitmap.bounds());
}

void drawFBitmap(HDC dc, core::Rect dest, const core::FBitmap& bitmap, core::Rect source) {
    if (!dc || bitmap.isEmpty())
        return;
    DibView view(bitmap);
    if (!view.dc)
        return;
    if (dest.width() == source.width() && dest.height() == source.height()) {
        BitBlt(dc, dest.left, dest.top, dest.width(), dest.height(), view.dc, source.left, source.top,
               SRCCOPY);
        return;
    }
    int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, dest.left, dest.top, dest.width(), dest.height(), view.dc, source.left, source.top,
               source.width(), source.height(), SRCCOPY);
    if (oldMode)
        SetStretchBltMode(dc, oldMode);
}

void readFBitmap(HDC dc, int32_t x, int32_t y, core::FBitmap& bitmap) {
    if (!dc || bitmap.isEmpty())
        return;
    if (DibStorage* s = dibStorageOf(bitmap)) {
        BitBlt(s->dc(), 0, 0, bitmap.width(), bitmap.height(), dc, x, y, SRCCOPY);
        GdiFlush();
        return;
    }
    DibStorage copy(bitmap.width(), bitmap.height());
    BitBlt(copy.dc(), 0, 0, bitmap.width(), bitmap.height(), dc, x, y, SRCCOPY);
    GdiFlush();
    std::memcpy(bitmap.bits(), copy.bits(), bitmap.byteSize());
}

core::FBitmap captureFBitmap(HDC dc, core::Rect area) {
    core::FBitmap bitmap(std::max(area.width(), 0), std::max(area.height(), 0));
    readFBitmap(dc, area.left, area.top, bitmap);
    return bitmap;
}

core::FBitmap fbitmapFromHandle(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || GetObjectW(bitmap, sizeof(info), &info) == 0 || info.bmWidth <= 0 || info.bmHeight == 0)
        return {};
    int32_t width = info.bmWidth, height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    core::FBitmap out(width, height);
    BITMAPINFO header{};
    header.bmiHeader = DibStorage::header(width, height);
    winbase::WindowDC screen(nullptr);
    if (GetDIBits(screen.get(), bitmap, 0, UINT(height), out.bits(), &header, DIB_RGB_COLORS) != height)
        return {};
    return out;
}

} // namespace gui
