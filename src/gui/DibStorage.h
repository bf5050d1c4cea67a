#pragma once
// Pixel storage for core::FBitmap backed by a top-down 24-bit DIB section with its own memory DC, so
// portable pixel code and GDI work on the same bytes with no copy.
#include "core/FBitmap.h"
#include "core/Geometry.h"
#include "winbase/Handles.h"

#include <memory>

namespace gui {

class DibStorage final : public core::PixelStorage {
public:
    // Throws core::Error when the DIB section or the DC cannot be made (out of GDI resources).
    DibStorage(int32_t width, int32_t height);
    ~DibStorage() override;
    DibStorage(const DibStorage&) = delete;
    DibStorage& operator=(const DibStorage&) = delete;

    uint8_t* bits() override { return m_bits; }
    // The DIB section and a memory DC with it selected; both stay owned by the storage. The DC is
    // made on first use (pure pixel work never needs one); null when the system has none left.
    HBITMAP bitmap() const { return m_bitmap.get(); }
    HDC dc() const;
    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }

    // The BITMAPINFOHEADER for a top-down 24-bit DIB of the given size.
    static BITMAPINFOHEADER header(int32_t width, int32_t height);

private:
    int32_t m_width;
    int32_t m_height;
    winbase::BitmapHandle m_bitmap;
    mutable winbase::OwnedDC m_dc;
    mutable HGDIOBJ m_oldBitmap = nullptr;
    uint8_t* m_bits = nullptr;
};

// Makes every core::FBitmap created from now on keep its pixels in a DibStorage. Idempotent.
void installDibStorage();

// The storage of a bitmap when it is DIB-backed, else null.
DibStorage* dibStorageOf(const core::FBitmap& bitmap);
// A DC through which the bitmap can be read with BitBlt: its own when DIB-backed, else null.
HDC dcOf(const core::FBitmap& bitmap);

// Copies the whole bitmap to dc at (x, y), unscaled.
void drawFBitmap(HDC dc, int32_t x, int32_t y, const core::FBitmap& bitmap);
// Copies source (in bitmap coordinates) to dest, scaling without smoothing when the sizes differ.
void drawFBitmap(HDC dc, core::Rect dest, const core::FBitmap& bitmap, core::Rect source);
// Reads the area of dc starting at (x, y) into bitmap, which keeps its size.
void readFBitmap(HDC dc, int32_t x, int32_t y, core::FBitmap& bitmap);
// A new bitmap holding the area of dc.
core::FBitmap captureFBitmap(HDC dc, core::Rect area);
// A copy of any bitmap handle's pixels (device-dependent or DIB, any depth); empty when the handle
// is not a bitmap. The handle stays the caller's and must not be selected into a DC.
core::FBitmap fbitmapFromHandle(HBITMAP bitmap);

} // namespace gui
