#include "skin/render/MaskRegion.h"

#include "skin/render/BitmapCopy.h"
#include "skin/render/MaskShape.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace skin {

using core::FBitmap;
using core::Rect;

namespace {

// The first column from x on (before w) whose pixel is not inside (inside) or is inside (!inside).
int32_t runEnd(const uint8_t* row, int32_t x, int32_t w, bool inside) {
    if (inside) {
        // Eight pixels inside are 24 zero bytes.
        for (uint64_t p[3]; x + 8 <= w; x += 8) {
            std::memcpy(p, row + 3 * size_t(x), sizeof p);
            if (p[0] | p[1] | p[2])
                break;
        }
    }
    while (x < w && isMaskPixelInside(row + 3 * size_t(x)) == inside)
        ++x;
    return x;
}

// memcmp for the short rows of side strips without a call per row.
bool sameBytes(const uint8_t* a, const uint8_t* b, size_t n) {
    if (n < 8 || n > 16)
        return std::memcmp(a, b, n) == 0;
    uint64_t a0, a1, b0, b1;
    std::memcpy(&a0, a, 8);
    std::memcpy(&b0, b, 8);
    std::memcpy(&a1, a + n - 8, 8);
    std::memcpy(&b1, b + n - 8, 8);
    return a0 == b0 && a1 == b1;
}

// Calls f(left, right) for each run of inside pixels of a w-pixel row, left to right.
template <typename F> void forEachRunInRow(const uint8_t* row, int32_t w, F&& f) {
    for (int32_t x = runEnd(row, 0, w, false); x < w;) {
        const int32_t end = runEnd(row, x, w, true);
        f(x, end);
        x = runEnd(row, end, w, false);
    }
}

// Calls f(left, right, y) for each run of inside pixels, row by row from the top, left to right.
template <typename F> void forEachRun(const FBitmap& mask, F&& f) {
    for (int32_t y = 0; y < mask.height(); ++y)
        forEachRunInRow(mask.row(y), mask.width(), [&](int32_t left, int32_t right) { f(left, right, y); });
}

} // namespace

std::vector<Rect> maskRuns(const FBitmap& mask, int32_t offsetX, int32_t offsetY) {
    std::vector<Rect> runs;
    runs.reserve(size_t(std::max(mask.height(), 0)));
    const size_t bytes = size_t(3) * size_t(std::max(mask.width(), 0));
    size_t above = 0; // the first run of the row above
    for (int32_t y = 0; y < mask.height(); ++y) {
        const size_t first = runs.size();
        if (y > 0 && bytes != 0 && std::memcmp(mask.row(y), mask.row(y - 1), bytes) == 0) {
            // A row with the bytes of the one above (most rows of a mask) has its runs, a row lower:
            // comparing costs less than looking for the runs again.
            for (size_t i = above; i < first; ++i) {
                const Rect r = runs[i];
                runs.push_back({r.left, r.top + 1, r.right, r.bottom + 1});
            }
        } else {
            forEachRunInRow(mask.row(y), mask.width(), [&](int32_t left, int32_t right) {
                runs.push_back({offsetX + left, offsetY + y, offsetX + right, offsetY + y + 1});
            });
        }
        above = first;
    }
    return runs;
}

std::vector<uint8_t> regionRectsFromMask(const FBitmap& mask, int32_t offsetX, int32_t offsetY) {
    if (mask.isEmpty())
        return {};
    return makeRegionData(maskRuns(mask, offsetX, offsetY),
                          {offsetX, offsetY, offsetX + mask.width(), offsetY + mask.height()});
}

Region maskRegion(const FBitmap& mask, int32_t offsetX, int32_t offsetY) {
    return Region::fromRects(maskRuns(mask, offsetX, offsetY));
}

namespace {

// A strip starts outside the window everywhere (white) so that what no piece reaches is not claimed;
// one that its pieces cover is only sized. A strip of the size it already has is drawn over in place.
void makeStrip(FBitmap& strip, int32_t width, int32_t height, bool covered) {
    strip.resize(width, height, FBitmap::KeptPixels::Unspecified);
    if (!covered)
        strip.fill(core::clWhite);
}

// One side strip: the middle rows tiled down, then the fixed top and bottom pieces.
void splitSide(FBitmap& strip, const FBitmap& mask, int32_t srcLeft, int32_t srcRight, int32_t height,
               int32_t middleTop, int32_t middleBottom, int32_t areaTop, int32_t areaBottom) {
    const bool covered =
        srcLeft >= 0 && srcRight <= mask.width() &&
        partsCover(height,
                   {{0, height, copiesWhole(mask, {srcLeft, middleTop, srcRight, middleBottom})},
                    {0, middleTop - areaTop, copiesWhole(mask, {srcLeft, areaTop, srcRight, middleTop})},
                    {height - (areaBottom - middleBottom), height,
                     copiesWhole(mask, {srcLeft, middleBottom, srcRight, areaBottom})}});
    makeStrip(strip, srcRight - srcLeft, height, covered);
    // NOTE: the middle is tiled down the whole strip from its top, as the frame's side strips are, and
    // the fixed pieces cover its ends; skins' masks are drawn against this phase.
    if (middleBottom != middleTop)
        tileRows(strip, mask, srcLeft, srcRight, middleTop, middleBottom - middleTop, 0, height, 0,
                 strip.width());
    const int32_t w = strip.width();
    if (middleTop - areaTop > 0)
        copyRect(strip, {0, 0, w, middleTop - areaTop}, mask, {srcLeft, areaTop, srcRight, middleTop});
    if (areaBottom - middleBottom > 0)
        copyRect(strip, {0, height - (areaBottom - middleBottom), w, height}, mask,
                 {srcLeft, middleBottom, srcRight, areaBottom});
}

} // namespace

void splitMaskBorders(const SkinFrame& s, const SkinFrame& t, const FBitmap& mask, int32_t width,
                      int32_t height, MaskStrips& strips) {
    if (!inSkinRange(s) || !inSkinRange(t) || !inSkinRange(width) || !inSkinRange(height)) {
        for (FBitmap* strip : {&strips.top, &strips.bottom, &strips.left, &strips.right})
            strip->setSize(0, 0);
        return;
    }
    const Rect m = s.client, nm = t.client;
    const int32_t mw = mask.width(), mh = mask.height();
    // Strips never reach past the window, whatever the skin's rectangles say.
    const int32_t h = std::min(nm.height(), height);

    // NOTE: a strip whose band has no size is emptied rather than left as it was: callers keep their
    // strips for hit testing across size changes and must never see one from an earlier size.
    if (m.left > 0 && h > 0)
        splitSide(strips.left, mask, 0, std::min(m.left, width), h, s.leftTop.y, s.leftBottom.y, m.top,
                  m.bottom);
    else
        strips.left.setSize(0, 0);

    if (mw - m.right > 0 && h > 0)
        splitSide(strips.right, mask, m.right, m.right + std::min(mw - m.right, width), h, s.rightTop.y,
                  s.rightBottom.y, m.top, m.bottom);
    else
        strips.right.setSize(0, 0);

    if (width > 0 && m.top > 0) {
        FBitmap& top = strips.top;
        const int32_t d = s.rightTop.x - s.leftTop.x;
        makeStrip(
            top, width, std::min(m.top, height),
            partsCover(width, {{t.leftTop.x, t.rightTop.x,
                                d > 0 && copiesWhole(mask, {s.leftTop.x, 0, s.rightTop.x, m.top})},
                               {0, s.leftTop.x, copiesWhole(mask, {0, 0, s.leftTop.x, m.top})},
                               {t.rightTop.x, width, copiesWhole(mask, {s.rightTop.x, 0, mw, m.top})}}));
        if (s.rightTop.x != s.leftTop.x)
            tileColumns(top, mask, s.leftTop.x, 0, m.top, s.rightTop.x - s.leftTop.x, t.leftTop.x,
                        t.rightTop.x, 0, top.height());
        copyRect(top, {0, 0, s.leftTop.x, m.top}, mask, {0, 0, s.leftTop.x, m.top});
        copyRect(top, {t.rightTop.x, 0, width, m.top}, mask, {s.rightTop.x, 0, mw, m.top});
    } else {
        strips.top.setSize(0, 0);
    }

    const int32_t bh = std::min(mh - m.bottom, height);
    if (width >= 1 && bh >= 1) {
        FBitmap& bottom = strips.bottom;
        const int32_t d = s.rightBottom.x - s.leftBottom.x;
        makeStrip(
            bottom, width, bh,
            partsCover(width,
                       {{t.leftBottom.x, t.rightBottom.x,
                         d > 0 && copiesWhole(mask, {s.leftBottom.x, m.bottom, s.rightBottom.x, mh})},
                        {0, s.leftBottom.x, copiesWhole(mask, {0, m.bottom, s.leftBottom.x, mh})},
                        {t.rightBottom.x, width, copiesWhole(mask, {s.rightBottom.x, m.bottom, mw, mh})}}));
        if (s.rightBottom.x != s.leftBottom.x)
            tileColumns(bottom, mask, s.leftBottom.x, m.bottom, mh, s.rightBottom.x - s.leftBottom.x,
                        t.leftBottom.x, t.rightBottom.x, 0, bottom.height());
        copyRect(bottom, {0, 0, s.leftBottom.x, bh}, mask, {0, m.bottom, s.leftBottom.x, mh});
        copyRect(bottom, {t.rightBottom.x, 0, width, bh}, mask, {s.rightBottom.x, m.bottom, mw, mh});
    } else {
        strips.bottom.setSize(0, 0);
    }
}

namespace {

// Strip coordinates in 64 bits: a damaged frame's mask area may lie anywhere.
bool blackAt(const FBitmap& strip, int64_t x, int64_t y) {
    if (x < 0 || y < 0 || x >= strip.width() || y >= strip.height())
        return false;
    return isMaskPixelInside(strip.pixelAt(int32_t(x), int32_t(y)));
}

} // namespace

bool maskShapeContains(const MaskStrips& strips, const Rect& m, Point p) {
    if (m.contains(p))
        return true;
    if (p.y <= m.top)
        return blackAt(strips.top, p.x, p.y);
    if (p.y < m.bottom) {
        if (p.x > m.left)
            return blackAt(strips.right, int64_t(p.x) - m.right, int64_t(p.y) - m.top);
        return blackAt(strips.left, p.x, int64_t(p.y) - m.top);
    }
    return blackAt(strips.bottom, p.x, int64_t(p.y) - m.bottom);
}

Region regionFromMaskStrips(const MaskStrips& strips, const Rect& nm) {
    // Row by row over the window: each strip's runs at its place, and the mask area. A row whose
    // strips show the same pixels as the row above (the tiled middles, mostly) repeats its spans.
    struct Placed {
        const FBitmap& strip;
        int32_t x;
        int32_t y;
    };
    const Placed placed[] = {{strips.top, 0, 0},
                             {strips.bottom, 0, nm.bottom},
                             {strips.left, 0, nm.top},
                             {strips.right, nm.right, nm.top}};
    const bool hasArea = !rectIsEmpty(nm);
    int32_t first = hasArea ? nm.top : std::numeric_limits<int32_t>::max();
    int32_t last = hasArea ? nm.bottom : std::numeric_limits<int32_t>::min();
    for (const Placed& p : placed)
        if (!p.strip.isEmpty()) {
            first = std::min(first, p.y);
            last = std::max(last, p.y + p.strip.height());
        }
    RegionRowBuilder builder;
    std::vector<RegionRowBuilder::Span> spans;
    bool previous[5] = {};
    for (int32_t y = first; y < last; ++y) {
        bool covers[5];
        covers[4] = hasArea && y >= nm.top && y < nm.bottom;
        bool repeats = y > first && covers[4] == previous[4];
        for (size_t i = 0; i < 4; ++i) {
            const FBitmap& strip = placed[i].strip;
            const int64_t row = int64_t(y) - placed[i].y; // strips may lie far off in damaged frames
            covers[i] = !strip.isEmpty() && row >= 0 && row < strip.height();
            repeats =
                repeats && covers[i] == previous[i] &&
                (!covers[i] || (row > 0 && sameBytes(strip.row(int32_t(row)), strip.row(int32_t(row) - 1),
                                                     size_t(3) * size_t(strip.width()))));
        }
        std::copy(std::begin(covers), std::end(covers), std::begin(previous));
        if (repeats) {
            // The rows from here on repeat too up to the next strip or area edge, or until one of
            // the strips that cover them changes.
            int64_t next = last;
            auto edge = [&](int64_t e) {
                if (e > y)
                    next = std::min(next, e);
            };
            if (hasArea) {
                edge(nm.top);
                edge(nm.bottom);
            }
            for (size_t i = 0; i < 4; ++i) {
                const FBitmap& strip = placed[i].strip;
                if (strip.isEmpty())
                    continue;
                edge(placed[i].y);
                edge(int64_t(placed[i].y) + strip.height());
                if (covers[i])
                    next = std::min(next, int64_t(y) + repeatedRows(strip, y - placed[i].y,
                                                                    strip.height() - (y - placed[i].y)));
            }
            y = int32_t(std::max(next, int64_t(y) + 1) - 1);
            builder.repeatRow(y);
            continue;
        }
        spans.clear();
        for (size_t i = 0; i < 4; ++i)
            if (covers[i]) {
                const int32_t x = placed[i].x;
                forEachRunInRow(placed[i].strip.row(y - placed[i].y), placed[i].strip.width(),
                                [&](int32_t left, int32_t right) {
                                    spans.push_back({x + left, x + right});
                                });
            }
        if (covers[4])
            spans.push_back({nm.left, nm.right});
        builder.addRow(y, spans);
    }
    return builder.take();
}

std::optional<Region> composeMaskRegion(const SkinFrame& source, const SkinFrame& target, const FBitmap& mask,
                                        int32_t width, int32_t height) {
    if (target.rightTop.x < target.leftTop.x || target.leftBottom.y < target.leftTop.y)
        return std::nullopt;
    MaskShape shape(source, mask);
    shape.layout(target, width, height);
    return shape.region();
}

} // namespace skin
