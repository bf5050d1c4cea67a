#pragma once
// The two canvas operations all skin drawing goes through, done on 24-bit bitmaps so that every
// platform gets the same pixels.
//
// copyRect: copies source rectangle srcRect of src into dstRect of dst. Equal sizes copy exactly;
// different sizes scale by nearest neighbour without smoothing: destination pixel x (counted from
// dstRect.left) takes source pixel floor(x * srcWidth / dstWidth), and likewise for y. Destination
// pixels outside dst, and those whose source pixel lies outside src, are left as they were. Rectangles
// of zero or negative width or height copy nothing.
//
// stretchDraw: copyRect of the whole of src into dstRect.
#include "core/FBitmap.h"

#include <initializer_list>

namespace skin {

void copyRect(core::FBitmap& dst, const core::Rect& dstRect, const core::FBitmap& src,
              const core::Rect& srcRect);
void stretchDraw(core::FBitmap& dst, const core::Rect& dstRect, const core::FBitmap& src);

// The number of rows from `row` on (row > 0, at most `limit`) that each equal the row above them
// (whole rows, padding included), found by comparing ever larger blocks of rows.
int32_t repeatedRows(const core::FBitmap& bitmap, int32_t row, int32_t limit);

// Whether a copy from srcRect of src writes every pixel of its destination: srcRect lies inside src
// and is not empty (copyRect leaves the pixels whose source lies outside as they were).
bool copiesWhole(const core::FBitmap& src, const core::Rect& srcRect);
// One piece of a strip along its band: it writes from..to when `writes` (see copiesWhole).
struct StripPart {
    int32_t from;
    int32_t to;
    bool writes;
};
// Whether the writing parts together reach every position 0..span (they may overlap or stick out);
// a strip that its pieces cover needs no clearing before they are drawn.
bool partsCover(int32_t span, std::initializer_list<StripPart> parts);

// Tiles the d-wide source piece starting at column srcLeft (rows srcTop..srcBottom) across the
// destination columns from..to (rows dstTop..dstBottom): (to - from) / d + 1 tiles, each cut at its
// right by its excess past `to` so that it is never scaled; a span that is an exact multiple of d ends
// with a tile of zero width, and tiles that cannot reach the bitmap are skipped. The same pixels as a
// copyRect per tile; where the tiles are unscaled and the first one lies whole inside both bitmaps,
// each row is copied once and then repeated from itself.
void tileColumns(core::FBitmap& dst, const core::FBitmap& src, int32_t srcLeft, int32_t srcTop,
                 int32_t srcBottom, int32_t d, int32_t from, int32_t to, int32_t dstTop, int32_t dstBottom);
// Tiles the d-high source piece starting at row srcTop (columns srcLeft..srcRight) down the destination
// rows from..to (columns dstLeft..dstRight): (to - from) / d + 1 tiles, each cut at its bottom by its
// excess past `to` so that it is never scaled; tiles that cannot reach the bitmap are skipped. The
// same pixels as a copyRect per tile; where whole rows are copied unscaled, a tile is copied in one
// block from the whole tile above it.
void tileRows(core::FBitmap& dst, const core::FBitmap& src, int32_t srcLeft, int32_t srcRight, int32_t srcTop,
              int32_t d, int32_t from, int32_t to, int32_t dstLeft, int32_t dstRight);

} // namespace skin
