#pragma once
// Classes in this file: HitCode, FrameHitState — and the hit-test decisions of a skinned window's frame:
// which part of the frame a window point is (sizing border, corner, caption, client or a caption
// object), with the skin's hit-test points and border width, optionally cut by the mask's shape.
#include "skin/render/FrameGeometry.h"
#include "skin/render/MaskShape.h"

#include <span>

namespace skin {

// The platform's non-client hit codes the frame answers with; Object is every frame point that is
// neither client, caption nor sizing border (the platform does nothing for it).
enum class HitCode : int {
    Client = 1,
    Caption = 2,
    Left = 10,
    Right = 11,
    Top = 12,
    TopLeft = 13,
    TopRight = 14,
    Bottom = 15,
    BottomLeft = 16,
    BottomRight = 17,
    Object = 19,
};

// The window's state as the hit test sees it.
struct FrameHitState {
    int32_t width = 0;
    int32_t height = 0;
    bool rolledUpOrMinimized = false;
    bool maximized = false;
    bool sizeable = true;      // border style sizeable or sizeable tool window
    bool objectActive = false; // a caption object is under the mouse
    bool inSizeMove = false;
};

// The skinned frame's hit test. captionRects are the caption objects' rects; the mask's shape, when
// given (the skin has a mask), shapes the sizing edges.
HitCode skinnedHitTest(const FrameGeometry& g, int32_t borderWidth, const FrameHitState& state,
                       std::span<const Rect> captionRects, const MaskShape* shape, Point p);

// The built-in frame's hit test (no skin): a 2-pixel sizing edge, the caption rect and the client.
HitCode builtInHitTest(const Rect& captionRect, int32_t captionHeight, const FrameHitState& state, Point p);

// With the window's own cursor used in the non-client area, every code but the client and the
// sizing borders counts as client for the cursor.
int formCursorHitCode(int hitCode);

} // namespace skin
