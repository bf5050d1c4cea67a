#pragma once
// A 24-bit top-down bitmap in the platform's device-independent layout: blue, green, red per pixel,
// rows of 3 * width + (width mod 4) bytes. On Windows the pixels live in a DIB section (the Win32 layer
// installs a storage factory), so the same bytes can be blitted with no copy.
#include "core/Color.h"
#include "core/Geometry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace core {

// Owner of a bitmap's pixel bytes. The Win32 layer derives a DIB-section-backed storage.
class PixelStorage {
public:
    virtual ~PixelStorage() = default;
    virtual uint8_t* bits() = 0;
};

class FBitmap {
public:
    // Makes storage for size bytes (zero-filled) for a width x height bitmap.
    using StorageFactory =
        std::function<std::unique_ptr<PixelStorage>(int32_t width, int32_t height, size_t size)>;
    static void setStorageFactory(StorageFactory factory);

    FBitmap() = default;
    FBitmap(int32_t width, int32_t height);
    // A moved-from bitmap is empty.
    FBitmap(FBitmap&& other) noexcept;
    FBitmap& operator=(FBitmap&& other) noexcept;
    FBitmap(const FBitmap&) = delete;
    FBitmap& operator=(const FBitmap&) = delete;

    FBitmap clone() const;
    // Resizes; the new content is black. Negative sizes count as 0.
    void setSize(int32_t width, int32_t height);
    // setSize that keeps the pixel storage when the size does not change (no new allocation, on
    // Windows no new DIB section): its pixels are then made black again (KeptPixels::Cleared, the
    // same as setSize) or left as they were (KeptPixels::Unspecified, for callers that write them all).
    enum class KeptPixels { Cleared, Unspecified };
    void resize(int32_t width, int32_t height, KeptPixels kept);

    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }
    bool isEmpty() const { return m_width <= 0 || m_height <= 0; }
    Rect bounds() const { return {0, 0, m_width, m_height}; }
    int32_t stride() const { return 3 * m_width + (m_width % 4); }
    int32_t gap() const { return m_width % 4; }
    size_t byteSize() const { return size_t(stride()) * size_t(m_height); }

    uint8_t* bits() { return m_bits; }
    const uint8_t* bits() const { return m_bits; }
    uint8_t* row(int32_t y) { return m_bits + size_t(y) * size_t(stride()); }
    const uint8_t* row(int32_t y) const { return m_bits + size_t(y) * size_t(stride()); }
    uint8_t* pixelAt(int32_t x, int32_t y) { return row(y) + 3 * size_t(x); }
    const uint8_t* pixelAt(int32_t x, int32_t y) const { return row(y) + 3 * size_t(x); }

    // RGB colour (low byte red) of a pixel; the caller keeps x, y inside.
    Color pixel(int32_t x, int32_t y) const;
    void setPixel(int32_t x, int32_t y, Color rgbColor);
    // Fills r (clipped to the bitmap) with an RGB colour.
    void fillRect(Rect r, Color rgbColor);
    void fill(Color rgbColor) { fillRect(bounds(), rgbColor); }

    PixelStorage* storage() const { return m_storage.get(); }
    bool operator==(const FBitmap& other) const;

private:
    int32_t m_width = 0;
    int32_t m_height = 0;
    std::unique_ptr<PixelStorage> m_storage;
    uint8_t* m_bits = nullptr;
};

} // namespace core
