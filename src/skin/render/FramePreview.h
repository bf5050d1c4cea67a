#pragma once
// A skinned window's frame composed off-screen exactly as a skinned form paints it: the four border
// strips for the size, the inactive look when asked, the client background, and the window region cut
// from the mask. Caption objects and texts are not drawn. Used by tools and tests to look at a skin
// at any size without a window.
#include "core/FBitmap.h"
#include "skin/render/FrameGeometry.h"

namespace skin {

struct FramePreviewSkin {
    FormFrameMetrics metrics;
    BandStretch stretch;
    const core::FBitmap* picture = nullptr;         // the main picture; required
    const core::FBitmap* inactivePicture = nullptr; // may be missing or empty
    const core::FBitmap* mask = nullptr;            // may be missing or empty: no region
    const core::FBitmap* background = nullptr;      // the "bgpictureindex" picture, if any
    bool autoRenderingInactiveImage = false;
    int inactiveEffect = 0; // the "inactiveeffect" ordinal
};

enum class FrameState { Active, Inactive };

// The smallest frame a skinned form paints: the main picture's width, and its height less the client
// rectangle's.
core::Point minimumFrameSize(const FramePreviewSkin& skin);

// The window as width x height pixels; pixels outside the window region get `outside`.
core::FBitmap renderFramePreview(const FramePreviewSkin& skin, int32_t width, int32_t height,
                                 FrameState state, core::Color outside = core::rgb(255, 0, 255));

} // namespace skin
