#pragma once
// A skinned window's frame on the screen against the same skin rendered for the window's size (the
// drawing behind `skinpack render`): the border bands are compared pixel by pixel. The client area,
// the given caption objects (the render draws none) and what lies outside the window's region are
// left out.
#include "ScreenPixels.h"
#include "skin/render/FramePreview.h"

#include <windows.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace screen_testing {

struct FrameComparison {
    int compared = 0;
    int different = 0;
    std::string firstDifferences; // up to five, "x,y screen/render" in hex
};

inline FrameComparison compareFrameWithRender(const RECT& window, const skin::FramePreviewSkin& preview,
                                              const std::vector<core::Rect>& objects) {
    const int W = window.right - window.left, H = window.bottom - window.top;
    const core::FBitmap render = skin::renderFramePreview(preview, W, H, skin::FrameState::Active);
    const core::Rect client = skin::computeFrameGeometry(preview.metrics, W, H).clientRect;
    const std::vector<core::Color> screen = screenPixels(window);
    FrameComparison result;
    std::ostringstream firsts;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (client.contains({x, y}) ||
                std::any_of(objects.begin(), objects.end(), [&](const core::Rect& o) {
                    return o.contains({x, y});
                }))
                continue;
            const core::Color want = render.pixel(x, y);
            if (want == core::rgb(255, 0, 255))
                continue; // outside the window's region: the desktop shows there
            ++result.compared;
            const core::Color got = screen[size_t(y) * size_t(W) + size_t(x)];
            if (got != want && ++result.different <= 5)
                firsts << x << "," << y << " " << std::hex << got << "/" << want << std::dec << "  ";
        }
    result.firstDifferences = firsts.str();
    return result;
}

} // namespace screen_testing
