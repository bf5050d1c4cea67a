#pragma once
// A drawing surface over an HDC with its own pen, brush and font, selected into the DC lazily before
// each operation. The canvas does not own the DC; it puts the DC's original objects back when the DC
// is detached.
#include "core/FBitmap.h"
#include "core/Geometry.h"
#include "gui/Brush.h"
#include "gui/Font.h"
#include "gui/Graphics.h"
#include "gui/Pen.h"

#include <span>
#include <string_view>

namespace gui {

class Bitmap;

class Canvas {
public:
    Canvas();
    explicit Canvas(HDC dc);
    virtual ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // The DC; a derived canvas may make it on demand (createHandle). Null when there is none.
    HDC handle();
    bool hasHandle() const { return m_dc != nullptr; }
    // Attaches another DC (or none), restoring the previous DC's objects first.
    void setHandle(HDC dc);

    Pen& pen() { return m_pen; }
    Brush& brush() { return m_brush; }
    Font& font() { return m_font; }
    const Pen& pen() const { return m_pen; }
    const Brush& brush() const { return m_brush; }
    const Font& font() const { return m_font; }

    // Raster operation for copyRect and draw (SRCCOPY by default).
    DWORD copyMode() const { return m_copyMode; }
    void setCopyMode(DWORD rop) { m_copyMode = rop; }

    core::Point penPos();
    void setPenPos(core::Point p) { moveTo(p.x, p.y); }
    void moveTo(int32_t x, int32_t y);
    // Draws to (x, y) excluding that pixel, with the pen.
    void lineTo(int32_t x, int32_t y);
    void polyline(std::span<const core::Point> points);
    // Outline with the pen, inside with the brush.
    void polygon(std::span<const core::Point> points);
    void rectangle(core::Rect r);
    void rectangle(int32_t l, int32_t t, int32_t r, int32_t b) { rectangle(core::Rect{l, t, r, b}); }
    void roundRect(core::Rect r, int32_t cornerWidth, int32_t cornerHeight);
    void ellipse(core::Rect r);
    // Fills with the brush, no outline.
    void fillRect(core::Rect r);
    // One-pixel outline with the brush colour.
    void frameRect(core::Rect r);
    // Fills the area of the colour at (x, y) (FLOODFILLSURFACE) or up to border colour (FLOODFILLBORDER).
    void floodFill(int32_t x, int32_t y, core::Color color, bool surface);

    // RGB colour of a pixel; clNone outside the DC's clip area.
    core::Color pixel(int32_t x, int32_t y);
    void setPixel(int32_t x, int32_t y, core::Color color);

    // Text in the font (colour included) with the brush behind it, or transparent with a clear brush.
    void textOut(int32_t x, int32_t y, std::string_view text);
    // textOut at (x, y) clipped to r; with a solid brush the rest of r is filled too.
    void textRect(core::Rect r, int32_t x, int32_t y, std::string_view text);
    // DrawTextW with DT_ flags; r is updated with DT_CALCRECT. Returns the text height.
    int32_t drawText(std::string_view text, core::Rect& r, UINT flags);
    Size textExtent(std::string_view text);
    int32_t textWidth(std::string_view text) { return textExtent(text).width; }
    int32_t textHeight(std::string_view text) { return textExtent(text).height; }

    // Scaling block transfer (no smoothing when sizes differ) from source's DC, with copyMode.
    void copyRect(core::Rect dest, Canvas& source, core::Rect sourceRect);
    void copyRect(core::Rect dest, const core::FBitmap& source, core::Rect sourceRect);
    // Draws the bitmap at its size; a transparent bitmap leaves its transparent colour out.
    void draw(int32_t x, int32_t y, const Bitmap& bitmap);
    void draw(int32_t x, int32_t y, const core::FBitmap& bitmap);
    // Draws leaving out transparentColor (an RGB or system colour).
    void drawTransparent(int32_t x, int32_t y, const core::FBitmap& bitmap, core::Color transparentColor);
    // Scales the whole bitmap into dest (transparent bitmaps keep their transparency).
    void stretchDraw(core::Rect dest, const Bitmap& bitmap);
    void stretchDraw(core::Rect dest, const core::FBitmap& bitmap);
    // Copies source of bitmap to dest, painting pixels of color with the brush instead.
    void brushCopy(core::Rect dest, const Bitmap& bitmap, core::Rect source, core::Color color);

    // The DC's clip box in logical coordinates.
    core::Rect clipRect();

protected:
    // Makes the DC when a drawing operation needs one; the default has none to make.
    virtual void createHandle() {}

private:
    enum : uint8_t { PenValid = 1, BrushValid = 2, FontValid = 4 };
    // Selects what the next operation needs; false when there is no DC.
    bool require(uint8_t what);
    void deselect();

    HDC m_dc = nullptr;
    Pen m_pen;
    Brush m_brush;
    Font m_font;
    DWORD m_copyMode = SRCCOPY;
    uint8_t m_state = 0;
    HGDIOBJ m_oldPen = nullptr;
    HGDIOBJ m_oldBrush = nullptr;
    HGDIOBJ m_oldFont = nullptr;
};

} // namespace gui
