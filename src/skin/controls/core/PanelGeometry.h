#pragma once
// Classes in this file: SkinBorderStyle, PanelLayout — plus the pure parts of the skinned panel's
// look: the area its aligned children get, the unskinned frame and caption band, caption text
// placement and the caption's click area.
#include "core/Color.h"
#include "core/FBitmap.h"
#include "core/Geometry.h"
#include "skin/controls/core/ControlSkinGeometry.h"

namespace skin {

enum class SkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };
// Caption alignment, in the layout's enumeration order.
enum class CaptionAlignment { taLeftJustify, taRightJustify, taCenter };

// What decides where the panel's children go.
struct PanelLayout {
    bool skinned = false;
    bool designing = false;
    SkinBorderStyle borderStyle = SkinBorderStyle::bvFrame;
    bool captionMode = false;
    int32_t defaultCaptionHeight = 22;
    bool hasBackgroundPicture = false; // the record tiles a picture over the whole panel
    ResizeMode resizeMode = ResizeMode::None;
    Rect fittedClient; // the record's client rectangle for the current size
};

// The part of a width x height panel in which children are aligned.
Rect panelAlignRect(const PanelLayout& layout, int32_t width, int32_t height);

// Whether a skinned panel shows only its record's client piece, tiled, with no frame or caption.
inline bool tilesClientOnly(SkinBorderStyle borderStyle, ResizeMode mode, bool captionMode) {
    return borderStyle == SkinBorderStyle::bvNone && mode == ResizeMode::Both && !captionMode;
}

// A one-pixel 3-D frame: top and left edges in a, right and bottom edges (with the top-right and
// bottom-left corner pixels) in b. r then shrinks by one pixel on every side.
void frame3D(core::FBitmap& canvas, Rect& r, core::Color a, core::Color b);

// The unskinned panel without its caption text: button-face fill, the border's frame and, with
// captionMode, the caption band's two frames. Returns the band left inside those frames (all zero
// without captionMode).
Rect paintUnskinnedPanel(core::FBitmap& canvas, SkinBorderStyle borderStyle, bool captionMode,
                         int32_t captionHeight);

// The unskinned caption band after its frames, before room is made for check box and arrow.
Rect unskinnedCaptionBand(SkinBorderStyle borderStyle, int32_t width, int32_t captionHeight);

// Top-left corner of caption text of contentWidth x textHeight in band r. The unskinned caption
// keeps a 2-pixel indent on the left and in the centred case; the skinned one does not.
Point captionTextOrigin(const Rect& r, CaptionAlignment alignment, int32_t contentWidth, int32_t textHeight,
                        bool skinned);

// Where a caption click counts (edges inclusive): the caption rectangle for the size when skinned,
// else the band below the border.
Rect captionClickArea(bool skinned, const Rect& skinnedCaption, int32_t width, int32_t captionHeight);

} // namespace skin
