#pragma once
// A list of equally sized images, each with an optional transparent colour, drawn by index.
#include "core/Color.h"
#include "core/Component.h"
#include "gui/Bitmap.h"

#include <functional>
#include <memory>
#include <vector>

namespace gui {

class Canvas;

class ImageList : public core::Component {
public:
    explicit ImageList(core::Component* owner = nullptr, int32_t width = 16, int32_t height = 16);
    ~ImageList() override;
    const char* className() const override { return "TImageList"; }

    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }
    // Changing the size clears the list.
    void setSize(int32_t width, int32_t height);
    void setWidth(int32_t width) { setSize(width, m_height); }
    void setHeight(int32_t height) { setSize(m_width, height); }
    int count() const { return int(m_images.size()); }

    // Adds the bitmap cut into images of the list's width (a narrower or shorter strip is padded
    // with the transparent colour); transparentColor clNone keeps every pixel. Returns the first
    // new index, -1 when nothing was added.
    int add(const Bitmap& strip, core::Color transparentColor = core::clNone);
    // As add, with the strip's bottom-left pixel as transparent colour.
    int addMasked(const Bitmap& strip) {
        return add(strip, strip.isEmpty() ? core::clNone : strip.pixels().pixel(0, strip.height() - 1));
    }
    void replace(int index, const Bitmap& image, core::Color transparentColor = core::clNone);
    void remove(int index);
    void clear();

    // The image at index (its transparency set up), or null when index is out of range.
    const Bitmap* image(int index) const;
    // Draws image index at (x, y); disabled images are drawn embossed in the shadow and highlight
    // colours. Out-of-range indexes draw nothing.
    void draw(Canvas& canvas, int32_t x, int32_t y, int index, bool enabled = true) const;

    std::function<void(ImageList&)> onChange;

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

private:
    void changed();

    int32_t m_width;
    int32_t m_height;
    std::vector<std::unique_ptr<Bitmap>> m_images;
};

} // namespace gui
