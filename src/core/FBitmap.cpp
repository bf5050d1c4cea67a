#include "core/FBitmap.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace core {

namespace {

class HeapStorage final : public PixelStorage {
public:
    explicit HeapStorage(size_t size) : m_bytes(size) {}
    uint8_t* bits() override { return m_bytes.data(); }

private:
    std::vector<uint8_t> m_bytes;
};

FBitmap::StorageFactory& factory() {
    static FBitmap::StorageFactory f;
    return f;
}

} // namespace

void FBitmap::setStorageFactory(StorageFactory f) {
    factory() = std::move(f);
}

FBitmap::FBitmap(int32_t width, int32_t height) {
    setSize(width, height);
}

FBitmap::FBitmap(FBitmap&& other) noexcept
    : m_width(std::exchange(other.m_width, 0)), m_height(std::exchange(other.m_height, 0)),
      m_storage(std::move(other.m_storage)), m_bits(std::exchange(other.m_bits, nullptr)) {}

FBitmap& FBitmap::operator=(FBitmap&& other) noexcept {
    if (this != &other) {
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
        m_storage = std::move(other.m_storage);
        m_bits = std::exchange(other.m_bits, nullptr);
    }
    return *this;
}

void FBitmap::setSize(int32_t width, int32_t height) {
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    if (m_width == 0 || m_height == 0) {
        m_storage.reset();
        m_bits = nullptr;
        return;
    }
    size_t size = byteSize();
    if (factory())
        m_storage = factory()(m_width, m_height, size);
    else
        m_storage = std::make_unique<HeapStorage>(size);
    m_bits = m_storage->bits();
}

void FBitmap::resize(int32_t width, int32_t height, KeptPixels kept) {
    if (!m_bits || width != m_width || height != m_height) {
        setSize(width, height);
        return;
    }
    if (kept == KeptPixels::Cleared)
        std::memset(m_bits, 0, byteSize());
}

FBitmap FBitmap::clone() const {
    FBitmap copy(m_width, m_height);
    if (m_bits)
        std::memcpy(copy.m_bits, m_bits, byteSize());
    return copy;
}

Color FBitmap::pixel(int32_t x, int32_t y) const {
    const uint8_t* p = pixelAt(x, y);
    return rgb(p[2], p[1], p[0]);
}

void FBitmap::setPixel(int32_t x, int32_t y, Color c) {
    uint8_t* p = pixelAt(x, y);
    p[0] = blueOf(c);
    p[1] = greenOf(c);
    p[2] = redOf(c);
}

void FBitmap::fillRect(Rect r, Color c) {
    int32_t l = std::max(r.left, 0), t = std::max(r.top, 0);
    int32_t rr = std::min(r.right, m_width), b = std::min(r.bottom, m_height);
    if (l >= rr || t >= b)
        return;
    // One pixel, doubled along the first row, then the row copied down.
    uint8_t* first = pixelAt(l, t);
    first[0] = blueOf(c);
    first[1] = greenOf(c);
    first[2] = redOf(c);
    const size_t bytes = size_t(3) * size_t(rr - l);
    for (size_t done = 3; done < bytes; done *= 2)
        std::memcpy(first + done, first, std::min(done, bytes - done));
    for (int32_t y = t + 1; y < b; ++y)
        std::memcpy(pixelAt(l, y), first, bytes);
}

bool FBitmap::operator==(const FBitmap& other) const {
    if (m_width != other.m_width || m_height != other.m_height)
        return false;
    if (isEmpty())
        return true; // no pixels (and perhaps no storage) to compare
    for (int32_t y = 0; y < m_height; ++y)
        if (std::memcmp(row(y), other.row(y), size_t(3 * m_width)) != 0)
            return false;
    return true;
}

} // namespace core
