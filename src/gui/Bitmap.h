#pragma once
// A 24-bit device-independent bitmap with a canvas. The pixels are a core::FBitmap kept in a DIB
// section, so portable pixel code, GDI drawing and the canvas all see the same bytes. Call GdiFlush()
// (or let the canvas finish) before reading pixels right after GDI drawing.
#include "core/FBitmap.h"
#include "core/PropertyFwd.h"
#include "core/Stream.h"
#include "gui/Canvas.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace gui {

enum class TransparentMode { tmAuto, tmFixed };

class Bitmap {
public:
    Bitmap();
    Bitmap(int32_t width, int32_t height);
    // Takes the pixels (copied once if they are not yet in a DIB section).
    explicit Bitmap(core::FBitmap&& pixels);
    ~Bitmap();
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    // Moving keeps the pixels' DIB section, so a canvas moves along with them.
    Bitmap(Bitmap&&) noexcept = default;
    Bitmap& operator=(Bitmap&& other) noexcept;

    // Copies pixels and transparency settings.
    void assign(const Bitmap& other);
    void assign(const core::FBitmap& pixels);
    void setPixels(core::FBitmap&& pixels);

    int32_t width() const { return m_pixels.width(); }
    int32_t height() const { return m_pixels.height(); }
    bool isEmpty() const { return m_pixels.isEmpty(); }
    // Resizes keeping the overlapping top-left content; new areas are black.
    void setSize(int32_t width, int32_t height);
    void setWidth(int32_t width) { setSize(width, height()); }
    void setHeight(int32_t height) { setSize(width(), height); }

    // The pixels, after any pending GDI drawing on the bitmap has finished.
    core::FBitmap& pixels();
    const core::FBitmap& pixels() const;
    // A copy of the pixels.
    core::FBitmap toFBitmap() const;

    // The canvas draws on the bitmap's memory DC.
    Canvas& canvas();
    // The DIB section and its memory DC; owned by the bitmap, null when empty.
    HBITMAP handle() const;
    HDC dc() const;

    // A transparent bitmap is drawn without the pixels of its transparent colour.
    bool isTransparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    TransparentMode transparentMode() const { return m_transparentMode; }
    void setTransparentMode(TransparentMode mode);
    // tmAuto: the bottom-left pixel's colour (clNone for an empty bitmap); tmFixed: the colour set.
    core::Color transparentColor() const;
    // Sets the colour and switches to tmFixed.
    void setTransparentColor(core::Color color);

    // The Windows BMP file format: 1, 4, 8, 24 and 32 bits, top-down or bottom-up. Throws
    // core::InvalidImageError "Bitmap image is not valid" or StreamError. A loaded file's depth and
    // palette are kept for saving, as long as every pixel still has its colour in the palette;
    // otherwise, and for new bitmaps, 24 bits are written (bottom-up).
    void loadFromStream(core::Stream& stream);
    void saveToStream(core::Stream& stream) const;
    void loadFromFile(const std::string& path);
    void saveToFile(const std::string& path) const;
    // Layout binary form: a 32-bit byte count followed by a BMP file; a count of 0 is an empty bitmap.
    void readData(core::Stream& stream);
    void writeData(core::Stream& stream) const;
    // The depth saving uses: 1, 4, 8, 24 or 32.
    int bitsPerPixel() const { return m_bitsPerPixel; }

    // Layout sub-properties, named without the owner's prefix: "Data" (binary, as readData).
    bool setProperty(std::string_view name, core::PropertyReader& value);
    // Writes prefix + ".Data"; nothing for an empty bitmap.
    void writeProperties(core::PropertyWriter& out, std::string_view prefix) const;

    // Called after every change of size, pixels loaded or transparency (not after canvas drawing).
    std::function<void(Bitmap&)> onChange;

private:
    void changed();
    void attachCanvas();

    core::FBitmap m_pixels;
    std::unique_ptr<Canvas> m_canvas;
    bool m_transparent = false;
    TransparentMode m_transparentMode = TransparentMode::tmAuto;
    core::Color m_transparentColor = core::clDefault;
    int m_bitsPerPixel = 24;
    std::vector<core::Color> m_palette;
};

} // namespace gui
