#pragma once
// The frame preview's input taken from a loaded skin store: [FORMINFO], the main, inactive and mask
// pictures and the client background picture. The result borrows the store's bitmaps.
#include "skin/data/SkinData.h"
#include "skin/render/FramePreview.h"

namespace skin {

// [FORMINFO] with the main picture's size: the frame metrics every skinned window works from.
FormFrameMetrics formFrameMetrics(const SkinData& store);
FramePreviewSkin framePreviewSkin(const SkinData& store);

} // namespace skin
