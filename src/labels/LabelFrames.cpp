#include "labels/LabelFrames.h"

#include "labels/LabelColors.h"

#include <algorithm>

namespace labels {

namespace {

using core::Point;
using core::Rect;

int32_t saturate(int64_t v) {
    return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// A collapsed rectangle gets no more lines: the platform would draw them backwards over what is
// already there, and a huge pass count would otherwise take forever.
bool canDraw(const Rect& r) {
    return !r.isEmpty();
}

void line(FramePainter& painter, Point from, Point to, core::Color color) {
    if (color != core::clNone)
        painter.drawLine(from, to, core::colorToRgb(color));
}

void pixel(FramePainter& painter, Point at, core::Color color) {
    if (color != core::clNone)
        painter.setPixel(at, core::colorToRgb(color));
}

// Two one-pixel lines that look cut into (groove) or raised from (bump) the surface.
Rect drawEtched(FramePainter& painter, Rect r, core::Color c1, Sides sides, core::Color c2) {
    if (canDraw(r)) {
        const bool left = sides.has(Side::sdLeft), top = sides.has(Side::sdTop);
        const bool right = sides.has(Side::sdRight), bottom = sides.has(Side::sdBottom);
        // Corner pixels first, so the lines' ends meet cleanly where a side stops.
        if (right)
            pixel(painter, {r.right - 1, r.top}, c2);
        if (top && !right)
            pixel(painter, {r.right - 1, r.top}, c1);
        if (bottom)
            pixel(painter, {r.left, r.bottom - 1}, c2);
        if (left && !bottom)
            pixel(painter, {r.left, r.bottom - 1}, c1);
        if (top && !left)
            pixel(painter, {r.left, r.top + 1}, c2);
        if (left && !top)
            pixel(painter, {r.left + 1, r.top}, c2);
        if (bottom && !right)
            pixel(painter, {r.right - 1, r.bottom - 2}, c1);
        if (right && !bottom)
            pixel(painter, {r.right - 2, r.bottom - 1}, c1);
        drawSideLines(painter, {r.left + 1, r.top + 1, r.right, r.bottom}, c2, sides, c2);
        drawSideLines(painter, {r.left, r.top, r.right - 1, r.bottom - 1}, c1, sides, c1);
    }
    return shrinkSides(r, sides, 2);
}

// Outer or inner frame of a label for the styles that use the label's own colours; returns false
// for the styles drawn by drawFrameStyleSides.
bool drawLabelStyle(FramePainter& painter, Rect& r, FrameStyleEx style, const LabelBorders& b,
                    core::Color k) {
    switch (style) {
    case FrameStyleEx::fsFlat:
        r = drawSideBevel(painter, r, k, b.sides, 1, k);
        return true;
    case FrameStyleEx::fsFlatBold:
        r = drawSideBevel(painter, r, k, b.sides, 2, k);
        return true;
    case FrameStyleEx::fsStatus:
        r = drawSideBevel(painter, r, b.borderShadow, b.sides, b.bevelWidth, b.borderHighlight);
        return true;
    case FrameStyleEx::fsPopup:
        r = drawSideBevel(painter, r, b.borderHighlight, b.sides, b.bevelWidth, b.borderShadow);
        return true;
    default:
        return false;
    }
}

} // namespace

Rect shrinkSides(Rect r, Sides sides, int64_t amount) {
    if (sides.has(Side::sdLeft))
        r.left = saturate(int64_t(r.left) + amount);
    if (sides.has(Side::sdTop))
        r.top = saturate(int64_t(r.top) + amount);
    if (sides.has(Side::sdRight))
        r.right = saturate(int64_t(r.right) - amount);
    if (sides.has(Side::sdBottom))
        r.bottom = saturate(int64_t(r.bottom) - amount);
    return r;
}

Rect drawSideLines(FramePainter& painter, Rect r, core::Color topLeft, Sides sides, core::Color bottomRight) {
    if (canDraw(r)) {
        if (sides.has(Side::sdLeft))
            line(painter, {r.left, r.top}, {r.left, r.bottom}, topLeft);
        if (sides.has(Side::sdTop))
            line(painter, {r.left, r.top}, {r.right, r.top}, topLeft);
        if (sides.has(Side::sdRight))
            line(painter, {r.right - 1, r.top}, {r.right - 1, r.bottom}, bottomRight);
        if (sides.has(Side::sdBottom))
            line(painter, {r.left, r.bottom - 1}, {r.right, r.bottom - 1}, bottomRight);
    }
    return shrinkSides(r, sides, 1);
}

Rect drawSideBevel(FramePainter& painter, Rect r, core::Color topLeft, Sides sides, int passes,
                   core::Color bottomRight) {
    int done = 0;
    for (; done < passes && canDraw(r); ++done)
        r = drawSideLines(painter, r, topLeft, sides, bottomRight);
    // Passes on a collapsed rectangle draw nothing; only their room is counted.
    return done < passes ? shrinkSides(r, sides, int64_t(passes) - done) : r;
}

Rect drawTwoToneEdge(FramePainter& painter, Rect r, EdgePalette palette, EdgeState state, Sides sides) {
    using namespace core;
    struct Colors {
        Color outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
    };
    Colors c;
    if (palette == EdgePalette::Border)
        c = state == EdgeState::Raised ? Colors{cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow}
                                       : Colors{clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight};
    else
        c = state == EdgeState::Raised ? Colors{clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow}
                                       : Colors{clBtnText, clBtnText, clBtnShadow, clBtnShadow};
    r = drawSideBevel(painter, r, c.outerTopLeft, sides, 1, c.outerBottomRight);
    return drawSideBevel(painter, r, c.innerTopLeft, sides, 1, c.innerBottomRight);
}

Rect drawFrameStyleSides(FramePainter& painter, Rect r, FrameStyleEx style, Sides sides) {
    using namespace core;
    switch (style) {
    case FrameStyleEx::fsNone:
        return r;
    case FrameStyleEx::fsFlat:
        return drawSideLines(painter, r, cl3DDkShadow, sides, cl3DDkShadow);
    case FrameStyleEx::fsGroove:
        return drawEtched(painter, r, clBtnShadow, sides, clBtnHighlight);
    case FrameStyleEx::fsBump:
        return drawEtched(painter, r, clBtnHighlight, sides, clBtnShadow);
    case FrameStyleEx::fsLowered:
        return drawTwoToneEdge(painter, r, EdgePalette::Border, EdgeState::Sunken, sides);
    case FrameStyleEx::fsRaised:
        return drawTwoToneEdge(painter, r, EdgePalette::Border, EdgeState::Raised, sides);
    case FrameStyleEx::fsButtonDown:
        return drawTwoToneEdge(painter, r, EdgePalette::Button, EdgeState::Sunken, sides);
    case FrameStyleEx::fsButtonUp:
        return drawTwoToneEdge(painter, r, EdgePalette::Button, EdgeState::Raised, sides);
    case FrameStyleEx::fsStatus:
        return drawSideLines(painter, r, clBtnShadow, sides, clBtnHighlight);
    case FrameStyleEx::fsPopup:
        return drawSideLines(painter, r, clBtnHighlight, sides, clBtnShadow);
    case FrameStyleEx::fsFlatBold:
        return drawSideBevel(painter, r, clBtnShadow, sides, 2, clBtnShadow);
    case FrameStyleEx::fsFlatRounded:
        // Labels draw this style in their own colours; on its own it takes the flat style's colour.
        return drawRoundedFlatFrame(painter, r, cl3DDkShadow, sides);
    }
    return r;
}

Rect drawRoundedFlatFrame(FramePainter& painter, Rect r, core::Color color, Sides sides) {
    const bool left = sides.has(Side::sdLeft), top = sides.has(Side::sdTop);
    const bool right = sides.has(Side::sdRight), bottom = sides.has(Side::sdBottom);
    Rect inner = shrinkSides(r, sides, 2);
    if (canDraw(r)) {
        if (left)
            line(painter, {r.left, inner.top}, {r.left, inner.bottom}, color);
        if (top)
            line(painter, {inner.left, r.top}, {inner.right, r.top}, color);
        if (right)
            line(painter, {r.right - 1, inner.top}, {r.right - 1, inner.bottom}, color);
        if (bottom)
            line(painter, {inner.left, r.bottom - 1}, {inner.right, r.bottom - 1}, color);
        // The rounding: one pixel set diagonally inside each corner whose two sides are drawn.
        if (left && top)
            pixel(painter, {r.left + 1, r.top + 1}, color);
        if (top && right)
            pixel(painter, {r.right - 2, r.top + 1}, color);
        if (right && bottom)
            pixel(painter, {r.right - 2, r.bottom - 2}, color);
        if (bottom && left)
            pixel(painter, {r.left + 1, r.bottom - 2}, color);
    }
    return inner;
}

Rect drawLabelBorders(FramePainter& painter, Rect r, const LabelBorders& b) {
    const core::Color k = adjustColorLightness(b.flatColor, b.flatColorAdjustment);
    const bool hasRing = b.borderWidth > 0 || b.inner != FrameStyleEx::fsNone;

    // Outer frame.
    if (b.outer == FrameStyleEx::fsFlatRounded) {
        const Rect start = r;
        if (!b.transparent) {
            Rect ring = drawSideBevel(painter, r, b.parentColor, b.sides, 1, b.parentColor);
            core::Color fill = hasRing ? b.borderColor : b.controlColor;
            drawSideBevel(painter, ring, fill, b.sides, 1, fill);
        } else if (hasRing) {
            drawSideBevel(painter, shrinkSides(r, b.sides, 1), b.borderColor, b.sides, 1, b.borderColor);
        }
        r = drawRoundedFlatFrame(painter, start, k, b.sides);
    } else if (!drawLabelStyle(painter, r, b.outer, b, k)) {
        r = drawFrameStyleSides(painter, r, b.outer, b.sides);
    }

    // The ring between the frames.
    if (b.borderWidth > 0)
        r = drawSideBevel(painter, r, b.borderColor, b.sides, b.borderWidth, b.borderColor);

    // Inner frame.
    if (b.inner == FrameStyleEx::fsFlat && b.hot) {
        // The hot flat frame always goes all round and leaves its corners out.
        if (canDraw(r)) {
            line(painter, {r.left, r.top + 1}, {r.left, r.bottom - 1}, k);
            line(painter, {r.left + 1, r.top}, {r.right - 1, r.top}, k);
            line(painter, {r.right - 1, r.top + 1}, {r.right - 1, r.bottom - 1}, k);
            line(painter, {r.left + 1, r.bottom - 1}, {r.right - 1, r.bottom - 1}, k);
        }
        return shrinkSides(r, Sides::all(), 1);
    }
    if (b.inner == FrameStyleEx::fsFlatRounded) {
        const Rect start = r;
        Rect ring = drawSideBevel(painter, r, b.borderColor, b.sides, 1, b.borderColor);
        if (!b.transparent)
            drawSideBevel(painter, ring, b.controlColor, b.sides, 1, b.controlColor);
        return drawRoundedFlatFrame(painter, start, k, b.sides);
    }
    if (!drawLabelStyle(painter, r, b.inner, b, k))
        r = drawFrameStyleSides(painter, r, b.inner, b.sides);
    return r;
}

int frameThickness(FrameStyleEx style, int bevelWidth) {
    switch (style) {
    case FrameStyleEx::fsNone:
        return 0;
    case FrameStyleEx::fsFlat:
        return 1;
    case FrameStyleEx::fsStatus:
    case FrameStyleEx::fsPopup:
        return bevelWidth;
    default:
        return 2;
    }
}

} // namespace labels
