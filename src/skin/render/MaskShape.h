#pragma once
// The shape a mask gives a window of any size, read straight from the mask's pieces: the same region
// and the same inside test as composing the mask strips (splitMaskBorders) and cutting them
// (regionFromMaskStrips, maskShapeContains), without writing a strip. The mask's runs are worked out
// once per mask; a new window size only lays the pieces out again, and the region is built a band of
// equal rows at a time.
//
// Pieces that would be scaled, or that reach past the mask, are composed into strips as before: such
// skins are rare and the strips give their exact pixels.
#include "core/FBitmap.h"
#include "skin/render/MaskRegion.h"
#include "skin/render/Region.h"
#include "skin/render/SkinGeometry.h"

#include <cstdint>
#include <vector>

namespace skin {

class MaskShape {
public:
    // No mask: no strips, only a mask area counts.
    MaskShape() = default;
    // `source` holds the corner points and mask area relative to the mask, as for splitMaskBorders.
    MaskShape(const SkinFrame& source, const core::FBitmap& mask);

    // Lays the pieces out for a width x height window whose mask frame is `target`.
    void layout(const SkinFrame& target, int32_t width, int32_t height);
    // The window region: the target mask area and the inside pixels of the strips.
    Region region() const;
    // Whether window point p lies inside: in maskArea, or on an inside pixel of the strip p falls in.
    bool contains(const core::Rect& maskArea, Point p) const;
    // Whether the last layout read the pieces directly (false: it composed strips).
    bool readsPieces() const { return m_laidOut && m_direct; }

private:
    using Span = RegionRowBuilder::Span;

    // A top or bottom strip: row i shows mask row srcTop + i through a fixed left piece [0, leftEnd),
    // a tiled middle [tileStart, tileEnd) and a fixed right piece [rightStart, rightEnd), where the
    // later ones win.
    struct Band {
        bool present = false;
        int32_t y = 0, width = 0, height = 0;
        int32_t srcTop = 0;
        int32_t leftEnd = 0;
        int32_t tileStart = 0, tileEnd = 0, tileFrom = 0, tileSrc = 0, tileWidth = 0;
        int32_t rightStart = 0, rightEnd = 0, rightShift = 0; // window x = mask column + rightShift
    };
    // A side strip at (x, y): columns col0.. of the mask; rows below bottomStart show the fixed bottom
    // piece, rows above topEnd the fixed top piece, the rows between the middle tiled from the strip's
    // top (or nothing, without a middle).
    struct Side {
        bool present = false;
        int32_t x = 0, y = 0, width = 0, height = 0;
        int32_t col0 = 0;
        int32_t topEnd = 0, bottomStart = 0;
        int32_t bottomOrigin = 0; // where the bottom piece's first row would be (above the strip's top)
        int32_t areaTop = 0, middleTop = 0, middleBottom = 0;
        bool tiled = false;
        bool uniformTile = false; // every row of the middle, and its wrap, has the same runs
        const std::vector<int32_t>* nextChange = nullptr;
    };

    bool layoutBand(Band& band, int32_t width, int32_t height, int32_t y, int32_t srcTop, int32_t rows,
                    int32_t leftX, int32_t rightX, int32_t targetLeftX, int32_t targetRightX);
    bool layoutSide(Side& side, int32_t x, int32_t y, int32_t col0, int32_t width, int32_t height,
                    int32_t middleTop, int32_t middleBottom, const std::vector<int32_t>& nextChange);
    // The mask row a side strip row shows (-1: none), and how many rows from it on show the same runs.
    int32_t sideRow(const Side& side, int32_t i, int32_t* sameRows) const;
    void bandSpans(const Band& band, int32_t i, std::vector<Span>& spans) const;
    // Adds a side strip row's spans; how many rows from it on have the same ones.
    int32_t sideSpans(const Side& side, int32_t i, std::vector<Span>& spans) const;
    // Strip coordinates in 64 bits: a caller's mask area may lie anywhere.
    bool bandInside(const Band& band, int64_t x, int64_t i) const;
    bool sideInside(const Side& side, int64_t x, int64_t i) const;
    bool inside(int32_t column, int32_t row) const {
        return m_inside[size_t(row) * size_t(m_width) + size_t(column)] != 0;
    }
    bool sameColumns(int32_t rowA, int32_t rowB, int32_t col0, int32_t col1) const;

    SkinFrame m_source{};
    core::FBitmap m_mask;
    int32_t m_width = 0, m_height = 0;
    std::vector<uint8_t> m_inside;          // one byte per mask pixel, 1 inside
    std::vector<Span> m_runs;               // every row's runs of inside pixels, row after row
    std::vector<uint32_t> m_rowStart;       // row r's runs are m_runs[m_rowStart[r]..m_rowStart[r + 1])
    std::vector<int32_t> m_nextRowChange;   // the next row whose runs differ from the row above it
    std::vector<int32_t> m_nextLeftChange;  // the same within the left band's columns
    std::vector<int32_t> m_nextRightChange; // and within the right band's

    bool m_laidOut = false;
    bool m_direct = false;
    core::Rect m_area{};
    Band m_top, m_bottom;
    Side m_left, m_right;
    MaskStrips m_strips; // the composed strips, when the pieces are not read directly
};

} // namespace skin
