#include "skin/render/Glyphs.h"

#include "core/LineDrawing.h"
#include "skin/render/SkinGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace skin {

using core::Color;
using core::FBitmap;
using core::Point;
using core::Rect;

namespace {

void plot(FBitmap& canvas, int32_t x, int32_t y, Color rgbColor) {
    if (x >= 0 && y >= 0 && x < canvas.width() && y < canvas.height())
        canvas.setPixel(x, y, rgbColor);
}

// Resolved colour, or false for clNone.
bool resolve(Color color, Color& rgbColor) {
    if (color == core::clNone)
        return false;
    rgbColor = core::colorToRgb(color) & 0xFFFFFF;
    return true;
}

} // namespace

void drawLine(FBitmap& canvas, Point from, Point to, Color color) {
    Color c;
    if (!resolve(color, c) || !inSkinRange(from) || !inSkinRange(to))
        return;
    core::plotLine(canvas, from, to, c);
}

void drawPolyline(FBitmap& canvas, const Point* points, size_t count, Color color) {
    for (size_t i = 1; i < count; ++i)
        drawLine(canvas, points[i - 1], points[i], color);
}

void frameRectangle(FBitmap& canvas, const Rect& r, Color color) {
    Color c;
    if (rectIsEmpty(r) || !inSkinRange(r) || !resolve(color, c))
        return;
    for (int32_t x = std::max(r.left, 0); x < std::min(r.right, canvas.width()); ++x) {
        plot(canvas, x, r.top, c);
        plot(canvas, x, r.bottom - 1, c);
    }
    for (int32_t y = std::max(r.top, 0); y < std::min(r.bottom, canvas.height()); ++y) {
        plot(canvas, r.left, y, c);
        plot(canvas, r.right - 1, y, c);
    }
}

void fillRectangle(FBitmap& canvas, const Rect& r, Color color) {
    Color c;
    if (resolve(color, c))
        canvas.fillRect(r, c);
}

void drawGlyphFrame(FBitmap& canvas, int32_t x, int32_t y, int32_t frameIndex, int32_t frameCount,
                    const FBitmap& strip) {
    if (strip.isEmpty() || frameCount < 1 || frameIndex < 1 || frameIndex > frameCount || !inSkinRange(x) ||
        !inSkinRange(y))
        return;
    const int32_t fw = strip.width() / frameCount;
    const int32_t h = strip.height();
    if (fw < 1)
        return;
    const int32_t sx = fw * (frameIndex - 1);
    // The platform's automatic transparent colour: the frame's bottom-left pixel.
    const uint8_t* key = strip.pixelAt(sx, h - 1);
    for (int32_t j = 0; j < h; ++j) {
        const int32_t dy = y + j;
        if (dy < 0 || dy >= canvas.height())
            continue;
        for (int32_t i = 0; i < fw; ++i) {
            const int32_t dx = x + i;
            if (dx < 0 || dx >= canvas.width())
                continue;
            const uint8_t* p = strip.pixelAt(sx + i, j);
            if (p[0] == key[0] && p[1] == key[1] && p[2] == key[2])
                continue;
            uint8_t* d = canvas.pixelAt(dx, dy);
            d[0] = p[0];
            d[1] = p[1];
            d[2] = p[2];
        }
    }
}

void drawArrowGlyph(FBitmap& canvas, const Rect& r, Color color, int kind) {
    if (!inSkinRange(r))
        return;
    const int32_t cx = r.left + r.width() / 2, cy = r.top + r.height() / 2;
    for (int32_t i = 0; i <= 3; ++i) {
        switch (kind) {
        case 1:
            drawLine(canvas, {cx - 2 + i, cy - i}, {cx - 2 + i, cy + i + 1}, color);
            break;
        case 2:
            drawLine(canvas, {cx + 2 - i, cy + i}, {cx + 2 - i, cy - i - 1}, color);
            break;
        case 3:
            drawLine(canvas, {cx - i, cy - 2 + i}, {cx + i + 1, cy - 2 + i}, color);
            break;
        case 4:
            drawLine(canvas, {cx - i, cy + 2 - i}, {cx + i + 1, cy + 2 - i}, color);
            break;
        default:
            return;
        }
    }
}

void drawCheckGlyph(FBitmap& canvas, int32_t x, int32_t y, Color color) {
    if (!inSkinRange(x) || !inSkinRange(y))
        return;
    for (int32_t i = 0; i <= 2; ++i) {
        const Point points[] = {{x, y + 5 - i}, {x + 2, y + 7 - i}, {x + 7, y + 2 - i}};
        drawPolyline(canvas, points, 3, color);
    }
}

void drawCaptionGlyph(FBitmap& canvas, CaptionGlyph glyph, int32_t x, int32_t y, Color color) {
    if (!inSkinRange(x) || !inSkinRange(y))
        return;
    switch (glyph) {
    case CaptionGlyph::Close:
        drawLine(canvas, {x + 1, y + 1}, {x + 9, y + 9}, color);
        drawLine(canvas, {x + 9, y + 1}, {x + 1, y + 9}, color);
        drawLine(canvas, {x + 2, y + 1}, {x + 10, y + 9}, color);
        drawLine(canvas, {x + 8, y + 1}, {x, y + 9}, color);
        break;
    case CaptionGlyph::FlatBar:
        frameRectangle(canvas, {x + 1, y + 3, x + 9, y + 6}, color);
        break;
    case CaptionGlyph::Minimize:
        drawLine(canvas, {x + 1, y + 8}, {x + 9, y + 8}, color);
        drawLine(canvas, {x + 1, y + 9}, {x + 9, y + 9}, color);
        break;
    case CaptionGlyph::Maximize:
        frameRectangle(canvas, {x, y, x + 11, y + 10}, color);
        frameRectangle(canvas, {x, y, x + 11, y + 2}, color);
        break;
    case CaptionGlyph::Restore:
        frameRectangle(canvas, {x + 2, y, x + 10, y + 6}, color);
        frameRectangle(canvas, {x + 2, y, x + 10, y + 2}, color);
        frameRectangle(canvas, {x, y + 4, x + 7, y + 10}, color);
        frameRectangle(canvas, {x, y + 4, x + 7, y + 6}, color);
        break;
    case CaptionGlyph::TriangleDown:
        for (int32_t i = 0; i <= 4; ++i)
            drawLine(canvas, {x + 5 - i, y + 6 - i}, {x + 5 + i, y + 6 - i}, color);
        break;
    case CaptionGlyph::TriangleUp:
        for (int32_t i = 0; i <= 4; ++i)
            drawLine(canvas, {x + 1 + i, y + 6 - i}, {x + 9 - i, y + 6 - i}, color);
        break;
    case CaptionGlyph::SmallSquare:
        fillRectangle(canvas, {x + 2, y + 2, x + 7, y + 7}, color);
        break;
    }
}

} // namespace skin
