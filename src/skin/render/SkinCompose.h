#pragma once
// Composition of skinned images of any size from the pieces of a skin picture: the nine-piece frame,
// the three-piece horizontal and vertical bars, and a skinned form's four border strips.
//
// `source` is the frame cut of skin rectangle r in the picture (relative to r's top-left), `target`
// the same items for the image being made (see targetFrame()). Tiles are always copied unscaled, the
// last one of a run cut at the end of its span; only stretched bands are scaled, once each.
#include "core/FBitmap.h"
#include "skin/render/FormBorderPlan.h"
#include "skin/render/SkinGeometry.h"

namespace skin {

enum class DrawClient { No, Yes };

// Nine-piece frame: the four band middles (stretched or tiled per band), then the eight fixed corner
// pieces over them, then, with DrawClient::Yes, the client piece tiled over target.client. dest becomes
// width x height; where no piece reaches, its content is unspecified (callers paint the client area
// themselves when they pass DrawClient::No).
void composeSkinImage(const SkinFrame& source, const SkinFrame& target, core::FBitmap& dest,
                      const core::FBitmap& picture, const core::Rect& r, int32_t width, int32_t height,
                      DrawClient drawClient, BandStretch stretch);
// composeSkinImage with every band tiled.
void composeSkinImageTiled(const SkinFrame& source, const SkinFrame& target, core::FBitmap& dest,
                           const core::FBitmap& picture, const core::Rect& r, int32_t width, int32_t height,
                           DrawClient drawClient);

// Three pieces in a row (buttons, bars, items that only grow in width): dest becomes width x height of r.
void composeHorizontalSkinImage(int32_t leftWidth, int32_t rightWidth, core::FBitmap& dest,
                                const core::FBitmap& picture, const core::Rect& r, int32_t width);
// Three pieces in a column: dest becomes width of r x height.
void composeVerticalSkinImage(int32_t topHeight, int32_t bottomHeight, core::FBitmap& dest,
                              const core::FBitmap& picture, const core::Rect& r, int32_t height);

// The border strips of a skinned form of width x height: the band middles stretched between their
// fixed pieces, or tiled from the strip's own origin (x = 0, y = 0), then the fixed pieces over them. The top
// strip spans rows 0..target.client.top, the bottom strip rows target.client.bottom..height, the side strips
// what lies between. A strip whose band has no size (or no repeatable middle) is made empty.
struct FormBorderImages {
    core::FBitmap top;
    core::FBitmap bottom;
    core::FBitmap left;
    core::FBitmap right;
};
// A plan made for the picture (see FormBorderPlan) spares comparing its rows; without one, or with one
// that does not fit the frame, rectangle or picture size, a plan is made for the call.
void composeFormBorderImages(const SkinFrame& source, const SkinFrame& target, FormBorderImages& images,
                             const core::FBitmap& picture, const core::Rect& r, int32_t width, int32_t height,
                             BandStretch stretch, const FormBorderPlan* plan = nullptr);

} // namespace skin
