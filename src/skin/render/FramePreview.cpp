#include "skin/render/FramePreview.h"

#include "skin/render/BitmapCopy.h"
#include "skin/render/EffectBmp.h"
#include "skin/render/MaskShape.h"
#include "skin/render/SkinCompose.h"

#include <algorithm>
#include <vector>

namespace skin {

using core::FBitmap;

namespace {

// Tiles srcRect of src over area of dest from area's top-left, every tile cut at area's edges.
void tileOver(FBitmap& dest, const Rect& area, const FBitmap& src, const Rect& srcRect) {
    const int32_t pw = srcRect.width(), ph = srcRect.height();
    if (pw < 1 || ph < 1 || area.isEmpty())
        return;
    for (int32_t y = area.top; y < area.bottom; y += ph)
        for (int32_t x = area.left; x < area.right; x += pw) {
            const int32_t w = std::min(pw, area.right - x), h = std::min(ph, area.bottom - y);
            copyRect(dest, {x, y, x + w, y + h}, src,
                     {srcRect.left, srcRect.top, srcRect.left + w, srcRect.top + h});
        }
}

void drawStrip(FBitmap& dest, const FBitmap& strip, int32_t x, int32_t y) {
    copyRect(dest, {x, y, x + strip.width(), y + strip.height()}, strip, strip.bounds());
}

// Paints every pixel outside the region.
void paintOutside(FBitmap& window, const Region& region, core::Color color) {
    const int32_t width = window.width(), height = window.height();
    // Rasterise the region once rather than asking it pixel by pixel.
    std::vector<uint8_t> inside(size_t(width) * size_t(height), 0);
    for (const Rect& r : region.rects())
        for (int32_t y = std::max(r.top, 0); y < std::min(r.bottom, height); ++y)
            for (int32_t x = std::max(r.left, 0); x < std::min(r.right, width); ++x)
                inside[size_t(y) * size_t(width) + size_t(x)] = 1;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            if (!inside[size_t(y) * size_t(width) + size_t(x)])
                window.setPixel(x, y, color);
}

} // namespace

core::Point minimumFrameSize(const FramePreviewSkin& skin) {
    const Rect& c = skin.metrics.clientRect;
    return {skin.metrics.pictureWidth,
            clampCoordinate(int64_t(skin.metrics.pictureHeight) - (int64_t(c.bottom) - c.top))};
}

FBitmap renderFramePreview(const FramePreviewSkin& skin, int32_t width, int32_t height, FrameState state,
                           core::Color outside) {
    FBitmap window(width, height);
    if (window.isEmpty() || !skin.picture || skin.picture->isEmpty())
        return window;
    // A skin with coordinates far outside any picture is damaged: nothing of it is drawn.
    if (!inSkinRange(skin.metrics.frame()) || !inSkinRange(skin.metrics.maskFrame()) || !inSkinRange(width) ||
        !inSkinRange(height))
        return window;
    const FrameGeometry g = computeFrameGeometry(skin.metrics, width, height);
    const bool active = state == FrameState::Active;

    // The frame: four strips of the main picture, or of the inactive picture when there is one.
    const bool useInactive = !active && skin.inactivePicture && !skin.inactivePicture->isEmpty();
    const FBitmap& source = useInactive ? *skin.inactivePicture : *skin.picture;
    FormBorderImages strips;
    composeFormBorderImages(skin.metrics.frame(), g.frame(), strips, source, source.bounds(), width, height,
                            skin.stretch);
    if (!active && skin.autoRenderingInactiveImage) {
        for (FBitmap* strip : {&strips.top, &strips.left, &strips.right, &strips.bottom}) {
            EffectBmp effect(std::move(*strip));
            effect.applyInactiveEffect(skin.inactiveEffect);
            *strip = effect.takeBitmap();
        }
    }
    drawStrip(window, strips.top, 0, 0);
    drawStrip(window, strips.left, 0, strips.top.height());
    drawStrip(window, strips.right, width - strips.right.width(), strips.top.height());
    drawStrip(window, strips.bottom, 0, height - strips.bottom.height());

    // The client background, tiled from the client area's top-left and clipped to it.
    const Rect client = g.clientRect;
    if (skin.background && !skin.background->isEmpty())
        tileOver(window, client, *skin.background, skin.background->bounds());
    else if (!skin.metrics.clientRect.isEmpty())
        tileOver(window, client, *skin.picture, skin.metrics.clientRect);
    else
        window.fillRect(client, core::colorToRgb(core::clBtnFace));

    // The window region from the mask, recomposed for the size.
    if (skin.mask && !skin.mask->isEmpty()) {
        MaskShape shape(skin.metrics.maskFrame(), *skin.mask);
        shape.layout(g.maskFrame(), width, height);
        paintOutside(window, shape.region(), core::colorToRgb(outside));
    }
    return window;
}

} // namespace skin
