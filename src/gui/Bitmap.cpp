#include "gui/Bitmap.h"

#include "core/BmpCodec.h"
#include "core/Error.h"
#include "core/Property.h"
#include "gui/DibStorage.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace gui {

Bitmap::Bitmap() {
    installDibStorage();
}

Bitmap::Bitmap(int32_t width, int32_t height) : Bitmap() {
    m_pixels.setSize(width, height);
}

Bitmap::Bitmap(core::FBitmap&& pixels) : Bitmap() {
    if (pixels.isEmpty() || dibStorageOf(pixels))
        m_pixels = std::move(pixels);
    else
        m_pixels = pixels.clone();
}

Bitmap::~Bitmap() {
    // The canvas holds the storage's DC: it lets go before the storage goes.
    m_canvas.reset();
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (&other != this) {
        m_canvas.reset(); // lets go of the old pixels' DC before they go
        m_pixels = std::move(other.m_pixels);
        m_canvas = std::move(other.m_canvas);
        m_transparent = other.m_transparent;
        m_transparentMode = other.m_transparentMode;
        m_transparentColor = other.m_transparentColor;
        m_bitsPerPixel = other.m_bitsPerPixel;
        m_palette = std::move(other.m_palette);
        onChange = std::move(other.onChange);
    }
    return *this;
}

void Bitmap::assign(const Bitmap& other) {
    if (&other == this)
        return;
    m_transparent = other.m_transparent;
    m_transparentMode = other.m_transparentMode;
    m_transparentColor = other.m_transparentColor;
    setPixels(other.pixels().clone());
    m_bitsPerPixel = other.m_bitsPerPixel;
    m_palette = other.m_palette;
}

void Bitmap::assign(const core::FBitmap& pixels) {
    setPixels(pixels.clone());
}

void Bitmap::setPixels(core::FBitmap&& pixels) {
    if (m_canvas)
        m_canvas->setHandle(nullptr);
    if (pixels.isEmpty() || dibStorageOf(pixels))
        m_pixels = std::move(pixels);
    else
        m_pixels = pixels.clone();
    m_bitsPerPixel = 24;
    m_palette.clear();
    attachCanvas();
    changed();
}

void Bitmap::setSize(int32_t width, int32_t height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == this->width() && height == this->height())
        return;
    core::FBitmap resized(width, height);
    const core::FBitmap& old = pixels();
    int32_t w = std::min(width, old.width()), h = std::min(height, old.height());
    for (int32_t y = 0; y < h; ++y)
        std::memcpy(resized.row(y), old.row(y), size_t(3 * w));
    int bits = m_bitsPerPixel;
    auto palette = std::move(m_palette);
    setPixels(std::move(resized));
    m_bitsPerPixel = bits;
    m_palette = std::move(palette);
}

core::FBitmap& Bitmap::pixels() {
    GdiFlush();
    return m_pixels;
}

const core::FBitmap& Bitmap::pixels() const {
    GdiFlush();
    return m_pixels;
}

core::FBitmap Bitmap::toFBitmap() const {
    return pixels().clone();
}

Canvas& Bitmap::canvas() {
    if (!m_canvas) {
        m_canvas = std::make_unique<Canvas>();
        attachCanvas();
    }
    return *m_canvas;
}

void Bitmap::attachCanvas() {
    if (m_canvas)
        m_canvas->setHandle(dc());
}

HBITMAP Bitmap::handle() const {
    DibStorage* s = dibStorageOf(m_pixels);
    return s ? s->bitmap() : nullptr;
}

HDC Bitmap::dc() const {
    return dcOf(m_pixels);
}

void Bitmap::setTransparent(bool transparent) {
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    changed();
}

void Bitmap::setTransparentMode(TransparentMode mode) {
    if (mode == m_transparentMode)
        return;
    m_transparentMode = mode;
    changed();
}

core::Color Bitmap::transparentColor() const {
    if (m_transparentMode == TransparentMode::tmFixed && m_transparentColor != core::clDefault)
        return m_transparentColor;
    if (isEmpty())
        return core::clNone;
    GdiFlush();
    return m_pixels.pixel(0, height() - 1);
}

void Bitmap::setTransparentColor(core::Color color) {
    m_transparentColor = color;
    m_transparentMode = color == core::clDefault ? TransparentMode::tmAuto : TransparentMode::tmFixed;
    changed();
}

void Bitmap::loadFromStream(core::Stream& stream) {
    core::BmpImage image = core::readBmp(stream);
    setPixels(image.toFBitmap());
    m_bitsPerPixel = image.bitsPerPixel;
    m_palette = std::move(image.palette);
}

void Bitmap::saveToStream(core::Stream& stream) const {
    const core::FBitmap& px = pixels();
    core::BmpImage image;
    image.width = px.width();
    image.height = px.height();
    if (m_bitsPerPixel <= 8 && !m_palette.empty()) {
        // Keep the loaded depth when every colour is still in the palette (first entry wins).
        std::unordered_map<core::Color, int> index;
        for (size_t i = 0; i < m_palette.size() && i < (size_t(1) << m_bitsPerPixel); ++i)
            index.emplace(m_palette[i], int(i));
        image.bitsPerPixel = m_bitsPerPixel;
        image.palette = m_palette;
        image.pixels.assign(size_t(image.stride()) * size_t(image.height), 0);
        bool fits = true;
        for (int32_t y = 0; y < image.height && fits; ++y) {
            uint8_t* row = image.row(y);
            for (int32_t x = 0; x < image.width; ++x) {
                auto it = index.find(px.pixel(x, y));
                if (it == index.end()) {
                    fits = false;
                    break;
                }
                int bit = x * m_bitsPerPixel;
                int shift = 8 - m_bitsPerPixel - bit % 8;
                row[bit / 8] = uint8_t(row[bit / 8] | (it->second << shift));
            }
        }
        if (fits) {
            core::writeBmp(stream, image);
            return;
        }
    } else if (m_bitsPerPixel == 32) {
        image.bitsPerPixel = 32;
        image.pixels.assign(size_t(image.stride()) * size_t(image.height), 0);
        for (int32_t y = 0; y < image.height; ++y) {
            const uint8_t* src = px.row(y);
            uint8_t* dst = image.row(y);
            for (int32_t x = 0; x < image.width; ++x)
                std::memcpy(dst + 4 * x, src + 3 * x, 3);
        }
        core::writeBmp(stream, image);
        return;
    }
    core::writeBmp(stream, px);
}

void Bitmap::loadFromFile(const std::string& path) {
    core::FileStream file(path, core::FileStream::Mode::Read);
    loadFromStream(file);
}

void Bitmap::saveToFile(const std::string& path) const {
    core::FileStream file(path, core::FileStream::Mode::Create);
    saveToStream(file);
}

void Bitmap::readData(core::Stream& stream) {
    int32_t size = stream.readInt32();
    if (size == 0) {
        setPixels(core::FBitmap());
        return;
    }
    // The count is checked against what is there before anything is allocated for it.
    if (size < 0 || size > stream.size() - stream.position())
        throw core::StreamError("Stream read error");
    std::vector<uint8_t> bytes(size_t(size), 0);
    stream.readBuffer(bytes.data(), bytes.size());
    core::MemoryStream file(std::move(bytes));
    loadFromStream(file);
}

void Bitmap::writeData(core::Stream& stream) const {
    if (isEmpty()) {
        stream.writeInt32(0);
        return;
    }
    core::MemoryStream file;
    saveToStream(file);
    stream.writeInt32(int32_t(file.size()));
    stream.writeBuffer(file.data(), file.bytes().size());
}

bool Bitmap::setProperty(std::string_view name, core::PropertyReader& value) {
    if (name != "Data")
        return false;
    core::MemoryStream data(value.asBytes());
    readData(data);
    return true;
}

void Bitmap::writeProperties(core::PropertyWriter& out, std::string_view prefix) const {
    if (isEmpty())
        return;
    core::MemoryStream data;
    writeData(data);
    auto nested = out.nested(std::string(prefix));
    out.writeBytes("Data", data.bytes());
}

void Bitmap::changed() {
    if (onChange)
        onChange(*this);
}

} // namespace gui
