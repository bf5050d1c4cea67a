#pragma once
// Frame painting straight into a 24-bit bitmap, clipped to it.
#include "core/FBitmap.h"
#include "labels/FramePainter.h"

namespace labels {

class BitmapPainter final : public FramePainter {
public:
    // The bitmap is borrowed and must outlive the painter.
    explicit BitmapPainter(core::FBitmap& bitmap) : m_bitmap(bitmap) {}

    void drawLine(core::Point from, core::Point to, core::Color rgbColor) override;
    void setPixel(core::Point at, core::Color rgbColor) override;

private:
    core::FBitmap& m_bitmap;
};

} // namespace labels
