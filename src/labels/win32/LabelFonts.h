#pragma once
// Font helpers for rotated label text.
#include "gui/Font.h"
#include "winbase/Handles.h"

namespace labels {

// A font like font whose baseline is turned by angle degrees (counter-clockwise). The caller owns the
// returned handle (usually handing it to a canvas font).
winbase::FontHandle createRotatedFont(const gui::Font& font, int angle);

// Whether the platform realises font as a TrueType font; only those can be drawn rotated.
bool isTrueTypeFont(const gui::Font& font);

} // namespace labels
