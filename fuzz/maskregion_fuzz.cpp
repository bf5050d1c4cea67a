// Arbitrary masks and frame points through the region builders: the run scan, the region data block,
// the border split and the union must stay inside their bitmaps and agree with each other.
#include "skin/render/MaskRegion.h"
#include "skin/render/MaskShape.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace skin;

namespace {

class Input {
public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    // A small signed value, so that points may fall outside the mask too; now and then an extreme one.
    int32_t coordinate() {
        const uint8_t b = byte();
        if (b == 255)
            return INT32_MAX;
        if (b == 254)
            return INT32_MIN;
        return int32_t(b) - 16;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    const int32_t w = in.byte() % 64, h = in.byte() % 64;
    core::FBitmap mask(w, h);
    // One bit per pixel from the input: set means black.
    uint8_t bits = 0;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            if ((x + y * w) % 8 == 0)
                bits = in.byte();
            mask.setPixel(x, y, (bits >> ((x + y * w) % 8)) & 1 ? core::clBlack : core::clWhite);
        }

    const std::vector<Rect> runs = maskRuns(mask, 3, -2);
    const std::vector<uint8_t> block = regionRectsFromMask(mask, 3, -2);
    if (!mask.isEmpty() && regionDataRects(block) != runs)
        std::abort();
    const Region region = maskRegion(mask);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            if (region.contains({x, y}) != (mask.pixel(x, y) == core::clBlack))
                std::abort();

    SkinFrame source;
    source.leftTop = {in.coordinate(), in.coordinate()};
    source.rightTop = {in.coordinate(), in.coordinate()};
    source.leftBottom = {in.coordinate(), in.coordinate()};
    source.rightBottom = {in.coordinate(), in.coordinate()};
    source.client = {in.coordinate(), in.coordinate(), in.coordinate(), in.coordinate()};
    const int32_t width = in.byte() % 96, height = in.byte() % 96;
    const SkinFrame target = targetFrame(source, w, h, width, height);
    std::optional<Region> composed = composeMaskRegion(source, target, mask, width, height);
    if (composed && !rectIsEmpty(target.client) &&
        !composed->contains({target.client.left, target.client.top}))
        std::abort();

    // The shape read from the mask's pieces must be the one the composed strips give.
    MaskStrips strips;
    splitMaskBorders(source, target, mask, width, height, strips);
    MaskShape shape(source, mask);
    shape.layout(target, width, height);
    if (shape.region() != regionFromMaskStrips(strips, target.client))
        std::abort();
    for (int32_t y = -1; y <= height; ++y)
        for (int32_t x = -1; x <= width; ++x)
            if (shape.contains(target.client, {x, y}) != maskShapeContains(strips, target.client, {x, y}))
                std::abort();
    return 0;
}
