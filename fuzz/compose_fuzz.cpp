// Arbitrary frame cuts, sizes and flags through the composition routines, the frame geometry and the
// preview: everything stays inside its bitmaps, whatever a damaged skin says.
#include "skin/render/FramePreview.h"
#include "skin/render/Glyphs.h"
#include "skin/render/SkinCompose.h"

#include <cstdint>
#include <limits>

using namespace skin;

namespace {

class Input {
public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    // Mostly small values around the picture; now and then one far outside any sane range.
    int32_t coordinate() {
        const uint8_t b = byte();
        switch (b) {
        case 250:
            return std::numeric_limits<int32_t>::min();
        case 251:
            return std::numeric_limits<int32_t>::max();
        case 252:
            return maxSkinCoordinate;
        case 253:
            return -maxSkinCoordinate;
        case 254:
            return maxSkinCoordinate + 1;
        default:
            return int32_t(b % 80) - 16;
        }
    }
    Point point() { return {coordinate(), coordinate()}; }
    Rect rect() { return {coordinate(), coordinate(), coordinate(), coordinate()}; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    core::FBitmap picture(in.byte() % 48, in.byte() % 48);
    // Rows that repeat in runs (a divisor of 1 gives none) and, now and then, whole rows alike.
    const int32_t rowRun = 1 + in.byte() % 8;
    for (int32_t y = 0; y < picture.height(); ++y)
        for (int32_t x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, core::rgb(uint8_t(x), uint8_t(y / rowRun), in.byte() & 1 ? 0 : 255));

    const SkinFrame source{in.point(), in.point(), in.point(), in.point(), in.rect()};
    const Rect r = in.rect();
    const int32_t width = in.byte() % 128, height = in.byte() % 128;
    const uint8_t flags = in.byte();
    const BandStretch stretch{bool(flags & 1), bool(flags & 2), bool(flags & 4), bool(flags & 8)};
    const SkinFrame target = flags & 16
                                 ? SkinFrame{in.point(), in.point(), in.point(), in.point(), in.rect()}
                                 : targetFrame(source, clampCoordinate(int64_t(r.right) - r.left),
                                               clampCoordinate(int64_t(r.bottom) - r.top), width, height);

    core::FBitmap dest;
    composeSkinImage(source, target, dest, picture, r, width, height, DrawClient::Yes, stretch);
    FormBorderImages strips, planned;
    composeFormBorderImages(source, target, strips, picture, r, width, height, stretch);
    // Knowing the picture's repeated rows in advance must not change a pixel.
    const FormBorderPlan plan(source, picture, r);
    composeFormBorderImages(source, target, planned, picture, r, width, height, stretch, &plan);
    if (!(strips.top == planned.top && strips.bottom == planned.bottom && strips.left == planned.left &&
          strips.right == planned.right))
        std::abort();
    composeHorizontalSkinImage(in.coordinate(), in.coordinate(), dest, picture, r, width);
    composeVerticalSkinImage(in.coordinate(), in.coordinate(), dest, picture, r, height);

    FramePreviewSkin skin;
    skin.metrics.pictureWidth = picture.width();
    skin.metrics.pictureHeight = picture.height();
    skin.metrics.leftTopPoint = source.leftTop;
    skin.metrics.rightTopPoint = source.rightTop;
    skin.metrics.leftBottomPoint = source.leftBottom;
    skin.metrics.rightBottomPoint = source.rightBottom;
    skin.metrics.clientRect = source.client;
    skin.metrics.maskRectArea = in.rect();
    skin.metrics.captionRect = in.rect();
    skin.metrics.buttonsRect = in.rect();
    skin.stretch = stretch;
    skin.picture = &picture;
    skin.mask = flags & 32 ? &picture : nullptr;
    skin.autoRenderingInactiveImage = flags & 64;
    skin.inactiveEffect = in.byte() % 7;
    renderFramePreview(skin, width, height, flags & 128 ? FrameState::Inactive : FrameState::Active);

    core::FBitmap canvas(16, 16);
    drawArrowGlyph(canvas, in.rect(), core::clBlack, in.byte() % 6);
    drawCaptionGlyph(canvas, CaptionGlyph(in.byte() % 8), in.coordinate(), in.coordinate(), core::clBlack);
    drawGlyphFrame(canvas, in.coordinate(), in.coordinate(), in.coordinate(), in.coordinate(), picture);
    return 0;
}
