#include "skin/render/SkinCompose.h"

#include "skin/render/BitmapCopy.h"
#include "skin/render/FormBorderPlan.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace skin {

using core::FBitmap;
using core::Rect;

namespace {

// A stretched band is scaled straight out of the picture; no piece-sized bitmap is made, so a damaged
// skin with a huge piece costs no memory.
void stretchPiece(FBitmap& dst, const Rect& dstRect, const FBitmap& src, const Rect& srcRect) {
    copyRect(dst, dstRect, src, srcRect);
}

// The part of a width x height frame that the client tiles write whole, pixel by pixel: only when the
// client piece lies inside the picture and the tiled area starts inside the frame; else an empty rect.
Rect clientCover(const SkinFrame& s, const SkinFrame& t, const Rect& r, const FBitmap& picture, int32_t width,
                 int32_t height) {
    const Rect c = s.client, nc = t.client;
    const int32_t sx = r.left + c.left, sy = r.top + c.top;
    if (c.width() < 1 || c.height() < 1 || sx < 0 || sy < 0 || sx + c.width() > picture.width() ||
        sy + c.height() > picture.height() || nc.left < 0 || nc.top < 0)
        return {};
    const Rect cover{nc.left, nc.top, std::min(nc.right, width), std::min(nc.bottom, height)};
    return rectIsEmpty(cover) ? Rect{} : cover;
}

// Whether a border strip's pieces write all of it across its band (0..span): a tiled middle does
// alone (it runs from the strip's origin to its end); a stretched middle covers middleFrom..middleTo
// and needs the fixed pieces before and after it.
bool bandCovers(bool stretched, int32_t span, int32_t middleFrom, int32_t middleTo, bool middle, bool start,
                bool end) {
    if (!stretched)
        return middle;
    return partsCover(span, {{0, middleFrom, start}, {middleFrom, middleTo, middle}, {middleTo, span, end}});
}

// Zeroes every pixel of the bitmap outside `keep` (which lies inside it, or is empty).
void clearOutside(FBitmap& dest, const Rect& keep) {
    if (rectIsEmpty(keep)) {
        std::memset(dest.bits(), 0, dest.byteSize());
        return;
    }
    const size_t stride = size_t(dest.stride());
    std::memset(dest.bits(), 0, stride * size_t(keep.top));
    for (int32_t y = keep.top; y < keep.bottom; ++y) {
        uint8_t* row = dest.row(y);
        std::memset(row, 0, size_t(3) * size_t(keep.left));
        std::memset(row + 3 * size_t(keep.right), 0, stride - 3 * size_t(keep.right));
    }
    std::memset(dest.row(keep.bottom - 1) + stride, 0, stride * size_t(dest.height() - keep.bottom));
}

// Copies row `from` of the strip over rows from + 1..to, in blocks that double in size.
void repeatRowDown(FBitmap& strip, int32_t from, int32_t to) {
    const size_t stride = size_t(strip.stride());
    uint8_t* base = strip.row(from);
    const size_t total = size_t(to - from);
    for (size_t done = 1; done < total;) {
        const size_t n = std::min(done, total - done);
        std::memcpy(base + done * stride, base, n * stride);
        done += n;
    }
}

// Draws a top or bottom strip, whose row y is made from picture row srcTop + y alone (across the skin
// rectangle's columns), by calling drawRows(y0, y1) only for rows whose picture row differs from the
// one above it, as the plan tells; the others are copied from the strip row just drawn. A caption's
// flat rows are drawn once.
template <typename DrawRows>
void drawBandRows(FBitmap& strip, const FBitmap& picture, int32_t srcTop, const FormBorderPlan& plan,
                  DrawRows&& drawRows) {
    const int32_t n = strip.height();
    // The number of strip rows from y on whose picture rows each repeat the one above them.
    auto repeatedFrom = [&](int32_t y) -> int32_t {
        const int64_t sy = int64_t(srcTop) + y;
        if (sy <= 0 || sy >= picture.height())
            return 0;
        const int32_t limit = int32_t(std::min<int64_t>(n - y, picture.height() - sy));
        return plan.repeatedRows(FormBorderPlan::Columns::Whole, int32_t(sy), limit);
    };
    for (int32_t y = 0; y < n;) {
        int32_t drawn = y + 1, same = 0;
        while (drawn < n && (same = repeatedFrom(drawn)) == 0)
            ++drawn;
        drawRows(y, drawn);
        if (same > 0)
            repeatRowDown(strip, drawn - 1, drawn + same);
        y = drawn + same;
    }
}

} // namespace

void composeSkinImage(const SkinFrame& s, const SkinFrame& t, FBitmap& dest, const FBitmap& picture,
                      const Rect& r, int32_t width, int32_t height, DrawClient drawClient,
                      BandStretch stretch) {
    const bool draws = s.rightBottom.x != s.leftTop.x && s.rightBottom.y != s.leftTop.y &&
                       !picture.isEmpty() && inSkinRange(s) && inSkinRange(t) && inSkinRange(r) &&
                       inSkinRange(width) && inSkinRange(height);
    // A frame of the size it already has is cleared in place, all but what the client tiles will cover:
    // a fresh bitmap per frame costs as much again in allocation and first touches of its pages.
    if (dest.isEmpty() || dest.width() != width || dest.height() != height) {
        dest.setSize(width, height);
    } else {
        const Rect covered =
            draws && drawClient == DrawClient::Yes ? clientCover(s, t, r, picture, width, height) : Rect{};
        clearOutside(dest, covered);
    }
    if (!draws)
        return;
    const Point lt = s.leftTop, rt = s.rightTop, lb = s.leftBottom, rb = s.rightBottom;
    const Rect c = s.client, nc = t.client;
    const Point nlt = t.leftTop, nrt = t.rightTop, nlb = t.leftBottom, nrb = t.rightBottom;
    const int32_t W = width, H = height;

    // Top band middle.
    if (stretch.top)
        stretchPiece(dest, {nlt.x, 0, nrt.x, nc.top}, picture,
                     {r.left + lt.x, r.top, r.left + rt.x, r.top + c.top});
    else
        tileColumns(dest, picture, r.left + lt.x, r.top, r.top + c.top, rt.x - lt.x, nlt.x, nrt.x, 0, nc.top);

    // Bottom band middle.
    if (stretch.bottom)
        stretchPiece(dest, {nlb.x, nc.bottom, nrb.x, H}, picture,
                     {r.left + lb.x, r.top + c.bottom, r.left + rb.x, r.bottom});
    else
        tileColumns(dest, picture, r.left + lb.x, r.top + c.bottom, r.bottom, rb.x - lb.x, nlb.x, nrb.x,
                    nc.bottom, H);

    // Left band middle; the tiled source is as wide as the target band.
    if (stretch.left)
        stretchPiece(dest, {0, nlt.y, nc.left, nlb.y}, picture,
                     {r.left, r.top + lt.y, r.left + c.left, r.top + lb.y});
    else
        tileRows(dest, picture, r.left, r.left + nc.left, r.top + lt.y, lb.y - lt.y, nlt.y, nlb.y, 0,
                 nc.left);

    // Right band middle.
    if (stretch.right)
        stretchPiece(dest, {nc.right, nrt.y, W, nrb.y}, picture,
                     {r.left + c.right, r.top + rt.y, r.right, r.top + rb.y});
    else
        tileRows(dest, picture, r.left + c.right, r.right, r.top + rt.y, rb.y - rt.y, nrt.y, nrb.y, nc.right,
                 W);

    // The eight fixed pieces, in this order (later ones win where they overlap).
    const struct {
        Rect src;
        Rect dst;
    } pieces[] = {
        {{r.left, r.top, r.left + lt.x, r.top + c.top}, {0, 0, nlt.x, nc.top}},
        {{r.left, r.top + c.top, r.left + c.left, r.top + lt.y}, {0, nc.top, nc.left, nlt.y}},
        {{r.left + rt.x, r.top, r.right, r.top + c.top}, {nrt.x, 0, W, nc.top}},
        {{r.left + c.right, r.top + c.top, r.right, r.top + rt.y}, {nc.right, nc.top, W, nrt.y}},
        {{r.left, r.top + lb.y, r.left + c.left, r.bottom}, {0, nlb.y, nc.left, H}},
        {{r.left + c.left, r.top + c.bottom, r.left + lb.x, r.bottom}, {nc.left, nc.bottom, nlb.x, H}},
        {{r.left + rb.x, r.top + c.bottom, r.right, r.bottom}, {nrb.x, nc.bottom, W, H}},
        {{r.left + c.right, r.top + rb.y, r.right, r.top + c.bottom}, {nc.right, nrb.y, W, nc.bottom}},
    };
    for (const auto& p : pieces)
        copyRect(dest, p.dst, picture, p.src);

    if (drawClient == DrawClient::No)
        return;
    const int32_t cw = c.width(), ch = c.height();
    if (cw < 1 || ch < 1)
        return; // an empty client piece would divide by zero
    const int32_t sx = r.left + c.left, sy = r.top + c.top;
    // When whole tiles are written, the first row of tiles is drawn and the rows below repeat it.
    const Rect cover = clientCover(s, t, r, picture, W, H);
    const bool repeatRows = !rectIsEmpty(cover);
    for (int32_t i = nc.left < 0 ? -nc.left / cw : 0; i <= nc.width() / cw && nc.left + i * cw < W; ++i) {
        const int32_t x = nc.left + i * cw;
        const int32_t cutX = std::max(x + cw - nc.right, 0);
        for (int32_t j = nc.top < 0 ? -nc.top / ch : 0;
             j <= (repeatRows ? 0 : nc.height() / ch) && nc.top + j * ch < H; ++j) {
            const int32_t y = nc.top + j * ch;
            const int32_t cutY = std::max(y + ch - nc.bottom, 0);
            copyRect(dest, {x, y, x + cw - cutX, y + ch - cutY}, picture,
                     {sx, sy, sx + cw - cutX, sy + ch - cutY});
        }
    }
    if (!repeatRows)
        return;
    const size_t bytes = size_t(3) * size_t(cover.width());
    for (int32_t y = cover.top + ch; y < cover.bottom; ++y)
        std::memcpy(dest.pixelAt(cover.left, y), dest.pixelAt(cover.left, y - ch), bytes);
}

void composeSkinImageTiled(const SkinFrame& source, const SkinFrame& target, FBitmap& dest,
                           const FBitmap& picture, const Rect& r, int32_t width, int32_t height,
                           DrawClient drawClient) {
    composeSkinImage(source, target, dest, picture, r, width, height, drawClient, BandStretch{});
}

void composeHorizontalSkinImage(int32_t leftWidth, int32_t rightWidth, FBitmap& dest, const FBitmap& picture,
                                const Rect& r, int32_t width) {
    if (!inSkinRange(r) || !inSkinRange(width) || !inSkinRange(leftWidth) || !inSkinRange(rightWidth)) {
        dest.setSize(0, 0);
        return;
    }
    const int32_t h = r.height();
    dest.setSize(width, h);
    if (leftWidth != 0)
        copyRect(dest, {0, 0, leftWidth, h}, picture, {r.left, r.top, r.left + leftWidth, r.bottom});
    if (rightWidth != 0)
        copyRect(dest, {width - rightWidth, 0, width, h}, picture,
                 {r.right - rightWidth, r.top, r.right, r.bottom});
    int32_t d = r.width() - leftWidth - rightWidth;
    if (d == 0)
        d = 1;
    tileColumns(dest, picture, r.left + leftWidth, r.top, r.bottom, d, leftWidth, width - rightWidth, 0, h);
}

void composeVerticalSkinImage(int32_t topHeight, int32_t bottomHeight, FBitmap& dest, const FBitmap& picture,
                              const Rect& r, int32_t height) {
    if (!inSkinRange(r) || !inSkinRange(height) || !inSkinRange(topHeight) || !inSkinRange(bottomHeight)) {
        dest.setSize(0, 0);
        return;
    }
    const int32_t w = r.width();
    dest.setSize(w, height);
    if (topHeight != 0)
        copyRect(dest, {0, 0, w, topHeight}, picture, {r.left, r.top, r.right, r.top + topHeight});
    if (bottomHeight != 0)
        copyRect(dest, {0, height - bottomHeight, w, height}, picture,
                 {r.left, r.bottom - bottomHeight, r.right, r.bottom});
    // A middle of no height draws nothing (one empty tile), unlike the horizontal form.
    tileRows(dest, picture, r.left, r.right, r.top + topHeight, r.height() - topHeight - bottomHeight,
             topHeight, height - bottomHeight, 0, w);
}

void composeFormBorderImages(const SkinFrame& s, const SkinFrame& t, FormBorderImages& images,
                             const FBitmap& picture, const Rect& r, int32_t width, int32_t height,
                             BandStretch stretch, const FormBorderPlan* plan) {
    if (!inSkinRange(s) || !inSkinRange(t) || !inSkinRange(r) || !inSkinRange(width) ||
        !inSkinRange(height)) {
        for (FBitmap* strip : {&images.top, &images.bottom, &images.left, &images.right})
            strip->setSize(0, 0);
        return;
    }
    // Without a plan for this picture, one is made for this call.
    std::optional<FormBorderPlan> ownPlan;
    if (!plan || !plan->fits(s, picture, r))
        plan = &ownPlan.emplace(s, picture, r);
    const Point lt = s.leftTop, rt = s.rightTop, lb = s.leftBottom, rb = s.rightBottom;
    const Rect c = s.client, nc = t.client;
    const Point nlt = t.leftTop, nrt = t.rightTop, nlb = t.leftBottom, nrb = t.rightBottom;
    const int32_t W = width, H = height;

    // NOTE: unlike the nine-piece composition, each tiled middle starts at its strip's own origin
    // (x = 0 or y = 0) and the corner pieces are drawn over its ends afterwards. Skins are drawn
    // against this phase, so a middle that is not a whole number of pieces from the corner shows
    // where its repeat starts.
    // A strip whose band has no size is emptied rather than left as it was, so that a caller reusing
    // its strip bitmaps never paints a strip (or derives side heights) from an earlier size.
    FBitmap& top = images.top;
    // Strips never reach past the window, whatever the skin's rectangles say.
    if (W > 0 && nc.top > 0 && rt.x - lt.x > 0) {
        const int32_t sTop = r.top, sBottom = r.top + nc.top;
        const bool covered = bandCovers(stretch.top, W, nlt.x, nrt.x,
                                        copiesWhole(picture, {r.left + lt.x, sTop, r.left + rt.x, sBottom}),
                                        copiesWhole(picture, {r.left, sTop, r.left + lt.x, sBottom}),
                                        copiesWhole(picture, {r.left + rt.x, sTop, r.right, sBottom}));
        top.resize(W, std::min(nc.top, H),
                   covered ? FBitmap::KeptPixels::Unspecified : FBitmap::KeptPixels::Cleared);
        const int32_t d = rt.x - lt.x;
        // Row y of every piece comes from picture row r.top + y.
        drawBandRows(top, picture, r.top, *plan, [&](int32_t y0, int32_t y1) {
            if (stretch.top)
                stretchPiece(top, {nlt.x, y0, nrt.x, y1}, picture,
                             {r.left + lt.x, r.top + y0, r.left + rt.x, r.top + y1});
            else
                tileColumns(top, picture, r.left + lt.x, r.top + y0, r.top + y1, d, 0, W, y0, y1);
            copyRect(top, {0, y0, nlt.x, y1}, picture, {r.left, r.top + y0, r.left + lt.x, r.top + y1});
            copyRect(top, {nrt.x, y0, W, y1}, picture, {r.left + rt.x, r.top + y0, r.right, r.top + y1});
        });
    } else {
        top.setSize(0, 0);
    }

    FBitmap& bottom = images.bottom;
    const int32_t b = std::min(H - nc.bottom, H);
    if (W > 0 && b > 0 && rb.x - lb.x > 0) {
        const int32_t d = rb.x - lb.x;
        const int32_t sTop = r.bottom - b;
        const bool covered = bandCovers(stretch.bottom, W, nlb.x, nrb.x,
                                        copiesWhole(picture, {r.left + lb.x, sTop, r.left + rb.x, r.bottom}),
                                        copiesWhole(picture, {r.left, sTop, r.left + lb.x, r.bottom}),
                                        copiesWhole(picture, {r.left + rb.x, sTop, r.right, r.bottom}));
        bottom.resize(W, b, covered ? FBitmap::KeptPixels::Unspecified : FBitmap::KeptPixels::Cleared);
        // Row y of every piece comes from picture row sTop + y.
        drawBandRows(bottom, picture, sTop, *plan, [&](int32_t y0, int32_t y1) {
            if (stretch.bottom)
                stretchPiece(bottom, {nlb.x, y0, nrb.x, y1}, picture,
                             {r.left + lb.x, sTop + y0, r.left + rb.x, sTop + y1});
            else
                tileColumns(bottom, picture, r.left + lb.x, sTop + y0, sTop + y1, d, 0, W, y0, y1);
            copyRect(bottom, {0, y0, nlb.x, y1}, picture, {r.left, sTop + y0, r.left + lb.x, sTop + y1});
            copyRect(bottom, {nrb.x, y0, W, y1}, picture, {r.left + rb.x, sTop + y0, r.right, sTop + y1});
        });
    } else {
        bottom.setSize(0, 0);
    }

    const int32_t h = H - top.height() - bottom.height();

    FBitmap& left = images.left;
    if (nc.left > 0 && h > 0 && lb.y - lt.y > 0) {
        const int32_t d = lb.y - lt.y;
        const int32_t sRight = r.left + nc.left;
        const bool covered =
            bandCovers(stretch.left, h, lt.y - c.top, h + lb.y - c.bottom,
                       copiesWhole(picture, {r.left, r.top + lt.y, sRight, r.top + lb.y}),
                       copiesWhole(picture, {r.left, r.top + c.top, sRight, r.top + lt.y}),
                       copiesWhole(picture, {r.left, r.top + lb.y, sRight, r.top + c.bottom}));
        left.resize(std::min(nc.left, W), h,
                    covered ? FBitmap::KeptPixels::Unspecified : FBitmap::KeptPixels::Cleared);
        const int32_t lo = r.top + std::min(c.top, lt.y), hi = r.top + std::max(c.bottom, lb.y);
        const bool alike = nc.left == c.left && plan->rowsAlike(FormBorderPlan::Columns::LeftBand, lo, hi);
        if (covered && alike) {
            copyRect(left, {0, 0, nc.left, 1}, picture, {r.left, lo, sRight, lo + 1});
            repeatRowDown(left, 0, h);
        } else {
            if (stretch.left)
                stretchPiece(left, {0, lt.y - c.top, nc.left, h + lb.y - c.bottom}, picture,
                             {r.left, r.top + lt.y, sRight, r.top + lb.y});
            else
                tileRows(left, picture, r.left, sRight, r.top + lt.y, d, 0, h, 0, nc.left);
            if (lt.y - c.top > 0)
                copyRect(left, {0, 0, nc.left, lt.y - c.top}, picture,
                         {r.left, r.top + c.top, sRight, r.top + lt.y});
            if (c.bottom - lb.y > 0)
                copyRect(left, {0, h - (c.bottom - lb.y), nc.left, h}, picture,
                         {r.left, r.top + lb.y, sRight, r.top + c.bottom});
        }
    } else {
        left.setSize(0, 0);
    }

    FBitmap& right = images.right;
    const int32_t w = std::min(W - nc.right, W);
    if (w >= 1 && h >= 1 && rb.y - rt.y >= 1) {
        const int32_t d = rb.y - rt.y;
        const int32_t sLeft = r.left + c.right;
        const bool covered =
            bandCovers(stretch.right, h, rt.y - c.top, h + rb.y - c.bottom,
                       copiesWhole(picture, {sLeft, r.top + rt.y, r.right, r.top + rb.y}),
                       copiesWhole(picture, {sLeft, r.top + c.top, r.right, r.top + rt.y}),
                       copiesWhole(picture, {sLeft, r.top + rb.y, r.right, r.top + c.bottom}));
        right.resize(w, h, covered ? FBitmap::KeptPixels::Unspecified : FBitmap::KeptPixels::Cleared);
        const int32_t lo = r.top + std::min(c.top, rt.y), hi = r.top + std::max(c.bottom, rb.y);
        const bool alike = plan->rowsAlike(FormBorderPlan::Columns::RightBand, lo, hi);
        if (covered && alike) {
            copyRect(right, {0, 0, w, 1}, picture, {sLeft, lo, r.right, lo + 1});
            repeatRowDown(right, 0, h);
        } else {
            if (stretch.right)
                stretchPiece(right, {0, rt.y - c.top, w, h + rb.y - c.bottom}, picture,
                             {sLeft, r.top + rt.y, r.right, r.top + rb.y});
            else
                tileRows(right, picture, sLeft, r.right, r.top + rt.y, d, 0, h, 0, w);
            if (rt.y - c.top > 0)
                copyRect(right, {0, 0, w, rt.y - c.top}, picture,
                         {sLeft, r.top + c.top, r.right, r.top + rt.y});
            if (c.bottom - rb.y > 0)
                copyRect(right, {0, h - (c.bottom - rb.y), w, h}, picture,
                         {sLeft, r.top + rb.y, r.right, r.top + c.bottom});
        }
    } else {
        right.setSize(0, 0);
    }
}

} // namespace skin
