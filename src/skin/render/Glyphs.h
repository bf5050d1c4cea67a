#pragma once
// The built-in vector glyphs a skin falls back to (arrows, check mark, caption-button symbols) and the
// glyph-strip frame helper, drawn pixel-exactly on 24-bit bitmaps with the platform's rules: lines
// leave out their end point, an outlined rectangle (l, t)-(r, b) covers columns l..r-1 and rows
// t..b-1. Colours may be system colours; clNone draws nothing. Everything is clipped to the canvas.
#include "core/FBitmap.h"

namespace skin {

// Drawing primitives the glyphs are made of.
void drawLine(core::FBitmap& canvas, core::Point from, core::Point to, core::Color color);
void drawPolyline(core::FBitmap& canvas, const core::Point* points, size_t count, core::Color color);
// The one-pixel outline of a rectangle drawn with a clear brush.
void frameRectangle(core::FBitmap& canvas, const core::Rect& r, core::Color color);
// A rectangle drawn with brush and pen of one colour: its whole area.
void fillRectangle(core::FBitmap& canvas, const core::Rect& r, core::Color color);

// Draws frame frameIndex (1-based) of a strip of frameCount equal frames side by side at (x, y),
// leaving out the pixels of the frame's bottom-left colour. Nothing for an empty strip, a count below
// 1 or an index outside 1..frameCount.
void drawGlyphFrame(core::FBitmap& canvas, int32_t x, int32_t y, int32_t frameIndex, int32_t frameCount,
                    const core::FBitmap& strip);

// A small filled arrow centred in r: kind 1 left, 2 right, 3 up, 4 down (others draw nothing).
void drawArrowGlyph(core::FBitmap& canvas, const core::Rect& r, core::Color color, int kind);
// Check mark of three polylines with its top-left near (x, y).
void drawCheckGlyph(core::FBitmap& canvas, int32_t x, int32_t y, core::Color color);

enum class CaptionGlyph {
    Close,
    FlatBar,
    Minimize,
    Maximize,
    Restore,
    TriangleDown,
    TriangleUp,
    SmallSquare
};
// The default caption-button symbols in a 10 x 10 cell at (x, y).
void drawCaptionGlyph(core::FBitmap& canvas, CaptionGlyph glyph, int32_t x, int32_t y, core::Color color);

} // namespace skin
