#include "skin/controls/core/BevelLines.h"

namespace skin {

namespace {

// Top and left in c1, then right and bottom in c2.
void bevelRect(std::vector<BevelLine>& lines, const core::Rect& r, core::Color c1, core::Color c2) {
    lines.push_back({{{r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}}, c1});
    lines.push_back({{{r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}}, c2});
}

void line(std::vector<BevelLine>& lines, core::Point from, core::Point to, core::Color c) {
    lines.push_back({{from, to}, c});
}

} // namespace

std::vector<BevelLine> bevelLines(BevelShape shape, BevelStyle style, bool dividerMode, int32_t w, int32_t h,
                                  core::Color light, core::Color dark) {
    const core::Color c1 = style == BevelStyle::bsLowered ? dark : light;
    const core::Color c2 = style == BevelStyle::bsLowered ? light : dark;
    std::vector<BevelLine> lines;
    if (dividerMode) {
        switch (shape) {
        case BevelShape::bsTopLine:
        case BevelShape::bsBottomLine:
            bevelRect(lines, {2, h / 2 - 1, w - 2, h / 2}, c1, c2);
            break;
        case BevelShape::bsSpacer:
            break;
        default:
            bevelRect(lines, {w / 2 - 1, 2, w / 2, h - 2}, c1, c2);
            break;
        }
        return lines;
    }
    switch (shape) {
    case BevelShape::bsBox:
        bevelRect(lines, {0, 0, w - 1, h - 1}, c1, c2);
        break;
    case BevelShape::bsFrame:
        bevelRect(lines, {1, 1, w - 1, h - 1}, c2, c2);
        bevelRect(lines, {0, 0, w - 2, h - 2}, c1, c1);
        break;
    case BevelShape::bsTopLine:
        line(lines, {0, 0}, {w, 0}, c1);
        line(lines, {0, 1}, {w, 1}, c2);
        break;
    case BevelShape::bsBottomLine:
        line(lines, {0, h - 2}, {w, h - 2}, c1);
        line(lines, {0, h - 1}, {w, h - 1}, c2);
        break;
    case BevelShape::bsLeftLine:
        line(lines, {0, 0}, {0, h}, c1);
        line(lines, {1, 0}, {1, h}, c2);
        break;
    case BevelShape::bsRightLine:
        line(lines, {w - 2, 0}, {w - 2, h}, c1);
        line(lines, {w - 1, 0}, {w - 1, h}, c2);
        break;
    case BevelShape::bsSpacer:
        break;
    }
    return lines;
}

} // namespace skin
