#include "gui/Image.h"

#include "core/Error.h"
#include "core/Stream.h"
#include "gui/Canvas.h"

#include <cstring>

namespace gui {

namespace {

constexpr char bitmapClassName[] = "TBitmap";

} // namespace

void loadPictureData(Bitmap& bitmap, const std::vector<uint8_t>& data) {
    auto isFile = [&](size_t at) { return data.size() - at >= 2 && data[at] == 'B' && data[at + 1] == 'M'; };
    constexpr size_t nameLength = sizeof bitmapClassName - 1;
    size_t pos = 0;
    if (!isFile(0) && data.size() > nameLength && data[0] == nameLength &&
        std::memcmp(data.data() + 1, bitmapClassName, nameLength) == 0)
        pos = 1 + nameLength;
    if (!isFile(pos)) {
        if (data.size() - pos < 4)
            throw core::InvalidImageError("Bitmap image is not valid");
        uint32_t count;
        std::memcpy(&count, data.data() + pos, 4);
        pos += 4;
        if (count == 0 && pos == data.size()) {
            bitmap.setPixels(core::FBitmap());
            return;
        }
        if (count > data.size() - pos)
            throw core::InvalidImageError("Bitmap image is not valid");
    }
    core::MemoryStream file(std::vector<uint8_t>(data.begin() + std::ptrdiff_t(pos), data.end()));
    bitmap.loadFromStream(file);
}

std::vector<uint8_t> pictureData(const Bitmap& bitmap) {
    core::MemoryStream out;
    const uint8_t n = uint8_t(sizeof bitmapClassName - 1);
    out.writeByte(n);
    out.writeBuffer(bitmapClassName, n);
    bitmap.writeData(out);
    return out.takeBytes();
}

Image::Image(core::Component* owner) : GraphicControl(owner) {
    storeBounds({0, 0, 105, 105});
    m_picture.onChange = [this](Bitmap&) { pictureChanged(); };
}

Image::~Image() {
    beginDestroy();
    m_picture.onChange = nullptr;
}

void Image::pictureChanged() {
    m_picture.setTransparent(m_transparent);
    adjustSize();
    invalidate();
}

void Image::setPicture(const Bitmap& picture) {
    m_picture.assign(picture);
}

void Image::setCenter(bool v) {
    if (v != m_center) {
        m_center = v;
        invalidate();
    }
}

void Image::setStretch(bool v) {
    if (v != m_stretch) {
        m_stretch = v;
        invalidate();
    }
}

void Image::setTransparent(bool v) {
    if (v != m_transparent) {
        m_transparent = v;
        m_picture.setTransparent(v);
        invalidate();
    }
}

void Image::paint(Canvas& canvas) {
    if (m_picture.isEmpty())
        return;
    if (m_stretch) {
        canvas.stretchDraw(clientRect(), m_picture);
        return;
    }
    int32_t x = 0;
    int32_t y = 0;
    if (m_center) {
        x = (width() - m_picture.width()) / 2;
        y = (height() - m_picture.height()) / 2;
    }
    canvas.draw(x, y, m_picture);
}

bool Image::autoSizeBounds(core::Rect& bounds) {
    if (m_picture.isEmpty())
        return false;
    bounds.right = bounds.left + m_picture.width();
    bounds.bottom = bounds.top + m_picture.height();
    return true;
}

bool Image::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "Picture.Data" || name == "Picture")
        loadPictureData(m_picture, value.asBytes());
    else if (name == "Center")
        setCenter(value.asBool());
    else if (name == "Stretch")
        setStretch(value.asBool());
    else if (name == "Transparent")
        setTransparent(value.asBool());
    else if (name == "AutoSize")
        setAutoSize(value.asBool());
    else
        return GraphicControl::setProperty(name, value);
    return true;
}

void Image::writeProperties(core::PropertyWriter& out) const {
    GraphicControl::writeProperties(out);
    if (autoSize())
        out.writeBool("AutoSize", true);
    if (m_center)
        out.writeBool("Center", true);
    if (!m_picture.isEmpty())
        out.writeBytes("Picture.Data", pictureData(m_picture));
    if (m_stretch)
        out.writeBool("Stretch", true);
    if (m_transparent)
        out.writeBool("Transparent", true);
}

} // namespace gui
