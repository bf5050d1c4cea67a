#include "skin/controls/core/PanelGeometry.h"

#include "skin/render/Glyphs.h"

namespace skin {

Rect panelAlignRect(const PanelLayout& layout, int32_t width, int32_t height) {
    Rect r{0, 0, width, height};
    if (!layout.skinned || layout.designing) {
        if (layout.borderStyle != SkinBorderStyle::bvNone)
            r = {1, 1, width - 1, height - 1};
        if (layout.captionMode)
            r.top += layout.defaultCaptionHeight;
        return r;
    }
    if (layout.hasBackgroundPicture ||
        tilesClientOnly(layout.borderStyle, layout.resizeMode, layout.captionMode))
        return r;
    return layout.fittedClient;
}

void frame3D(core::FBitmap& canvas, Rect& r, core::Color a, core::Color b) {
    if (r.width() > 0 && r.height() > 0) {
        fillRectangle(canvas, {r.left, r.top, r.left + 1, r.bottom - 1}, a);
        fillRectangle(canvas, {r.left, r.top, r.right - 1, r.top + 1}, a);
        fillRectangle(canvas, {r.right - 1, r.top, r.right, r.bottom}, b);
        fillRectangle(canvas, {r.left, r.bottom - 1, r.right, r.bottom}, b);
    }
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
}

Rect unskinnedCaptionBand(SkinBorderStyle borderStyle, int32_t width, int32_t captionHeight) {
    const Rect band = borderStyle == SkinBorderStyle::bvFrame ? Rect{0, 0, width, captionHeight}
                                                              : Rect{1, 1, width - 1, captionHeight};
    return {band.left + 2, band.top + 2, band.right - 2, band.bottom - 2};
}

Rect paintUnskinnedPanel(core::FBitmap& canvas, SkinBorderStyle borderStyle, bool captionMode,
                         int32_t captionHeight) {
    const int32_t w = canvas.width();
    const int32_t h = canvas.height();
    fillRectangle(canvas, {0, 0, w, h}, core::clBtnFace);
    Rect outer{0, 0, w, h};
    switch (borderStyle) {
    case SkinBorderStyle::bvFrame:
        frame3D(canvas, outer, core::clBtnShadow, core::clBtnShadow);
        break;
    case SkinBorderStyle::bvRaised:
        frame3D(canvas, outer, core::clBtnHighlight, core::clBtnShadow);
        break;
    case SkinBorderStyle::bvLowered:
        frame3D(canvas, outer, core::clBtnShadow, core::clBtnHighlight);
        break;
    case SkinBorderStyle::bvNone:
        break;
    }
    if (!captionMode)
        return {};
    if (borderStyle == SkinBorderStyle::bvFrame) {
        Rect r{0, 0, w, captionHeight};
        frame3D(canvas, r, core::clBtnShadow, core::clBtnShadow);
        frame3D(canvas, r, core::clBtnHighlight, core::clBtnFace);
        return r;
    }
    Rect r{1, 1, w - 1, captionHeight};
    frame3D(canvas, r, core::clBtnShadow, core::clBtnHighlight);
    frame3D(canvas, r, core::clBtnHighlight, core::clBtnShadow);
    return r;
}

Point captionTextOrigin(const Rect& r, CaptionAlignment alignment, int32_t contentWidth, int32_t textHeight,
                        bool skinned) {
    const int32_t indent = skinned ? 0 : 2;
    const int32_t y = r.top + r.height() / 2 - textHeight / 2;
    switch (alignment) {
    case CaptionAlignment::taRightJustify:
        return {r.right - contentWidth, y};
    case CaptionAlignment::taLeftJustify:
        return {r.left + indent, y};
    case CaptionAlignment::taCenter:
        break;
    }
    return {r.left + indent + r.width() / 2 - contentWidth / 2, y};
}

Rect captionClickArea(bool skinned, const Rect& skinnedCaption, int32_t width, int32_t captionHeight) {
    return skinned ? skinnedCaption : Rect{1, 1, width - 1, captionHeight};
}

} // namespace skin
