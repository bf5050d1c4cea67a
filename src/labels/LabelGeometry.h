#pragma once
// The arithmetic of a styled label that needs no window: angles, the room its borders take, the size
// of rotated text, where rotated text starts and the anchor and radii of arc text.
#include "core/Geometry.h"
#include "labels/LabelTypes.h"

#include <cstdint>

namespace labels {

using core::Size;

// Nearest integer, ties to even (the rounding of every placement below).
int64_t nearest(double value);

// A stored angle: values below 0 get one full turn added (so -400 stays -40), others are taken modulo 360.
int32_t normalizeAngle(int32_t degrees);

// What of a label's border takes room.
struct BorderMetrics {
    FrameStyleEx outer = FrameStyleEx::fsNone;
    FrameStyleEx inner = FrameStyleEx::fsNone;
    Sides sides = Sides::all();
    int32_t borderWidth = 0;
    int32_t bevelWidth = 1;
};

enum class IncludeBorderWidth { No, Yes };

// The rectangle inside a label's frames: borderWidth off all four sides when asked, then the outer and
// the inner frame's thickness off each selected side.
core::Rect shrinkByBorders(core::Rect r, const BorderMetrics& borders, IncludeBorderWidth include);

// What turns a measured caption into a label size.
struct TextGrowth {
    Rotation rotation = Rotation::roNone;
    TextStyle textStyle = TextStyle::tsNormal;
    int32_t shadowDepth = 2;
    int32_t angle = 0;
};

// The label size for a caption of size text: the frames' room, the drop shadow, and for rotated text
// the bounding box of the turned rectangle.
Size growByBorders(Size text, const BorderMetrics& borders, const TextGrowth& growth);

enum class HorizontalAlignment { Left, Right, Center };
enum class TextAnchor { TopLeft, TopCenter, BaselineLeft, BaselineCenter };

struct FlatTextInput {
    Size client;         // the label's size
    core::Rect textRect; // inside borders and text margin
    int32_t angle = 0;   // 0..359
    HorizontalAlignment alignment = HorizontalAlignment::Left;
    bool shadow = false; // tsShadow
    int32_t shadowDepth = 2;
    int32_t textWidth = 0;    // width of the caption
    int32_t sampleHeight = 0; // height of "Pp"
};

struct FlatTextPlacement {
    core::Point origin;
    TextAnchor anchor = TextAnchor::TopLeft;
};

// Where a label draws its caption as one rotated string.
FlatTextPlacement placeFlatText(const FlatTextInput& in);

// The anchor point and the radii of arc text for a label of the given size and border width.
core::Point arcCenter(CenterPoint center, Size client, int32_t borderWidth);
Size arcRadii(CenterPoint center, Size client, int32_t borderWidth);

} // namespace labels
