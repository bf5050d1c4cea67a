#include "gui/ImageList.h"

#include "core/Property.h"
#include "gui/Canvas.h"
#include "gui/Graphics.h"

#include <algorithm>

namespace gui {

namespace {

std::unique_ptr<Bitmap> makeImage(const core::FBitmap& strip, int32_t left, int32_t width, int32_t height,
                                  core::Color transparentColor) {
    auto image = std::make_unique<Bitmap>(width, height);
    core::FBitmap& px = image->pixels();
    bool transparent = transparentColor != core::clNone;
    core::Color fill = transparent ? core::colorToRgb(transparentColor) : core::clBlack;
    px.fill(fill);
    int32_t w = std::min(width, strip.width() - left), h = std::min(height, strip.height());
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            px.setPixel(x, y, strip.pixel(left + x, y));
    if (transparent) {
        image->setTransparentColor(fill);
        image->setTransparent(true);
    }
    return image;
}

} // namespace

ImageList::ImageList(core::Component* owner, int32_t width, int32_t height)
    : core::Component(owner), m_width(std::max(width, 1)), m_height(std::max(height, 1)) {}

ImageList::~ImageList() {
    beginDestroy();
}

void ImageList::setSize(int32_t width, int32_t height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == m_width && height == m_height)
        return;
    m_width = width;
    m_height = height;
    m_images.clear();
    changed();
}

int ImageList::add(const Bitmap& strip, core::Color transparentColor) {
    if (strip.isEmpty())
        return -1;
    const core::FBitmap& px = strip.pixels();
    int first = count();
    int frames = std::max(1, px.width() / m_width);
    for (int i = 0; i < frames; ++i)
        m_images.push_back(makeImage(px, i * m_width, m_width, m_height, transparentColor));
    changed();
    return first;
}

void ImageList::replace(int index, const Bitmap& image, core::Color transparentColor) {
    if (index < 0 || index >= count())
        return;
    m_images[size_t(index)] = makeImage(image.pixels(), 0, m_width, m_height, transparentColor);
    changed();
}

void ImageList::remove(int index) {
    if (index < 0 || index >= count())
        return;
    m_images.erase(m_images.begin() + index);
    changed();
}

void ImageList::clear() {
    if (m_images.empty())
        return;
    m_images.clear();
    changed();
}

const Bitmap* ImageList::image(int index) const {
    return index >= 0 && index < count() ? m_images[size_t(index)].get() : nullptr;
}

void ImageList::draw(Canvas& canvas, int32_t x, int32_t y, int index, bool enabled) const {
    const Bitmap* img = image(index);
    if (!img)
        return;
    if (enabled) {
        canvas.draw(x, y, *img);
        return;
    }
    // Disabled look: the image's darker pixels as a highlight copy one pixel down-right, then a
    // shadow copy on top; lighter pixels and the transparent colour are left out.
    core::Color highlight = core::colorToRgb(core::clBtnHighlight);
    core::Color shadow = core::colorToRgb(core::clBtnShadow);
    core::Color key = core::rgb(255, 0, 255);
    if (key == highlight || key == shadow)
        key = core::rgb(0, 255, 1);
    const core::FBitmap& src = img->pixels();
    core::Color skip = img->isTransparent() ? core::colorToRgb(img->transparentColor()) : core::clNone;
    Bitmap mono(src.width(), src.height());
    Bitmap mono2(src.width(), src.height());
    core::FBitmap& hi = mono.pixels();
    core::FBitmap& lo = mono2.pixels();
    hi.fill(key);
    lo.fill(key);
    for (int32_t py = 0; py < src.height(); ++py)
        for (int32_t px = 0; px < src.width(); ++px) {
            core::Color c = src.pixel(px, py);
            if (c == skip)
                continue;
            int lum = (core::redOf(c) * 30 + core::greenOf(c) * 59 + core::blueOf(c) * 11) / 100;
            if (lum < 192) {
                hi.setPixel(px, py, highlight);
                lo.setPixel(px, py, shadow);
            }
        }
    mono.setTransparentColor(key);
    mono.setTransparent(true);
    mono2.setTransparentColor(key);
    mono2.setTransparent(true);
    canvas.draw(x + 1, y + 1, mono);
    canvas.draw(x, y, mono2);
}

bool ImageList::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "Width")
        setWidth(value.asInt());
    else if (name == "Height")
        setHeight(value.asInt());
    else
        return core::Component::setProperty(name, value);
    return true;
}

void ImageList::writeProperties(core::PropertyWriter& out) const {
    core::Component::writeProperties(out);
    if (m_height != 16)
        out.writeInt("Height", m_height);
    if (m_width != 16)
        out.writeInt("Width", m_width);
}

void ImageList::changed() {
    if (onChange)
        onChange(*this);
}

} // namespace gui
