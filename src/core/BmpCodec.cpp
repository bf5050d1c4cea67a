#include "core/BmpCodec.h"

#include "core/Error.h"
#include "core/Stream.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace core {

namespace {

constexpr size_t fileHeaderSize = 14;
constexpr size_t infoHeaderSize = 40;
constexpr uint32_t biRgb = 0;
constexpr uint32_t biBitfields = 3;
// A file cannot sensibly be larger than the largest picture we accept plus its tables.
constexpr uint32_t maxBmpFileSize =
    uint32_t(fileHeaderSize + 124 + 12 + 256 * 4) + uint32_t(4 * maxBmpPixels) + uint32_t(4 * maxBmpSide);

[[noreturn]] void invalidImage() {
    throw InvalidImageError("Bitmap image is not valid");
}

uint16_t u16(const uint8_t* p) {
    return uint16_t(p[0] | p[1] << 8);
}

uint32_t u32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

bool isSupportedDepth(int bpp) {
    return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 24 || bpp == 32;
}

bool isSupportedHeaderSize(uint32_t size) {
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

} // namespace

int BmpImage::paletteIndex(int32_t x, int32_t y) const {
    const uint8_t* r = row(y);
    switch (bitsPerPixel) {
    case 1:
        return (r[x >> 3] >> (7 - (x & 7))) & 1;
    case 4:
        return (r[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF;
    case 8:
        return r[x];
    default:
        return 0;
    }
}

Color BmpImage::pixel(int32_t x, int32_t y) const {
    if (bitsPerPixel <= 8) {
        size_t i = size_t(paletteIndex(x, y));
        return i < palette.size() ? palette[i] : clBlack;
    }
    const uint8_t* p = row(y) + size_t(x) * size_t(bitsPerPixel / 8);
    return rgb(p[2], p[1], p[0]);
}

FBitmap BmpImage::toFBitmap() const {
    if (isEmpty())
        return FBitmap();
    FBitmap out(width, height);
    // Indexed pictures go through a full table, entries past the palette black.
    std::array<std::array<uint8_t, 3>, 256> lut{};
    for (size_t i = 0; i < palette.size() && i < lut.size(); ++i)
        lut[i] = {blueOf(palette[i]), greenOf(palette[i]), redOf(palette[i])};
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* dst = out.row(y);
        const uint8_t* src = row(y);
        switch (bitsPerPixel) {
        case 24:
            std::memcpy(dst, src, size_t(width) * 3);
            break;
        case 32:
            for (int32_t x = 0; x < width; ++x, dst += 3, src += 4)
                std::memcpy(dst, src, 3);
            break;
        case 8:
            for (int32_t x = 0; x < width; ++x, dst += 3) {
                const auto& c = lut[src[x]];
                dst[0] = c[0];
                dst[1] = c[1];
                dst[2] = c[2];
            }
            break;
        default: {
            const int bpp = bitsPerPixel;
            const int mask = (1 << bpp) - 1;
            for (int32_t x = 0; x < width; ++x, dst += 3) {
                const size_t bit = size_t(x) * size_t(bpp);
                const int index = (src[bit >> 3] >> (8 - bpp - int(bit & 7))) & mask;
                std::memcpy(dst, lut[size_t(index)].data(), 3);
            }
        }
        }
    }
    return out;
}

BmpImage BmpImage::fromFBitmap(const FBitmap& bitmap) {
    BmpImage image;
    image.bitsPerPixel = 24;
    if (bitmap.isEmpty())
        return image;
    image.width = bitmap.width();
    image.height = bitmap.height();
    image.pixels.assign(size_t(image.stride()) * size_t(image.height), 0);
    for (int32_t y = 0; y < image.height; ++y)
        std::memcpy(image.row(y), bitmap.row(y), size_t(image.width) * 3);
    return image;
}

BmpImage decodeBmp(const uint8_t* data, size_t size) {
    if (!data || size < fileHeaderSize + 12 || data[0] != 'B' || data[1] != 'M')
        invalidImage();
    const uint32_t pixelOffset = u32(data + 10);
    const uint32_t headerSize = u32(data + 14);
    if (!isSupportedHeaderSize(headerSize) || fileHeaderSize + headerSize > size)
        invalidImage();
    const uint8_t* h = data + fileHeaderSize;

    int64_t width, height;
    int bpp;
    uint32_t compression = biRgb;
    uint32_t colorsUsed = 0;
    size_t paletteEntrySize = 4;
    if (headerSize == 12) {
        // OS/2 core header: unsigned 16-bit sizes, always bottom-up, three-byte colour entries.
        width = u16(h + 4);
        height = u16(h + 6);
        bpp = u16(h + 10);
        paletteEntrySize = 3;
    } else {
        width = int32_t(u32(h + 4));
        height = int32_t(u32(h + 8));
        bpp = u16(h + 14);
        compression = u32(h + 16);
        colorsUsed = u32(h + 32);
    }

    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (width < 0 || width > maxBmpSide || height > maxBmpSide || width * height > maxBmpPixels)
        invalidImage();
    if (!isSupportedDepth(bpp))
        invalidImage();

    size_t paletteStart = fileHeaderSize + headerSize;
    if (compression == biBitfields) {
        // Only the standard 8-8-8 layout, which is the same bytes as BI_RGB at 32 bits.
        if (bpp != 32)
            invalidImage();
        const uint8_t* masks = h + infoHeaderSize;
        if (headerSize == infoHeaderSize) {
            if (paletteStart + 12 > size)
                invalidImage();
            masks = data + paletteStart;
            paletteStart += 12;
        }
        if (u32(masks) != 0x00FF0000 || u32(masks + 4) != 0x0000FF00 || u32(masks + 8) != 0x000000FF)
            invalidImage();
    } else if (compression != biRgb) {
        invalidImage();
    }

    BmpImage image;
    image.width = int32_t(width);
    image.height = int32_t(height);
    image.bitsPerPixel = bpp;

    if (pixelOffset < paletteStart || pixelOffset > size)
        invalidImage();
    if (bpp <= 8) {
        // A colour count of 0 means a full table; a count larger than the depth allows is cut to it.
        // A table cut short by the pixel offset keeps the entries that are there.
        size_t count = size_t(1) << bpp;
        if (colorsUsed != 0 && colorsUsed < count)
            count = colorsUsed;
        count = std::min(count, (pixelOffset - paletteStart) / paletteEntrySize);
        image.palette.reserve(count);
        for (size_t i = 0; i < count; ++i) {
            const uint8_t* e = data + paletteStart + i * paletteEntrySize;
            image.palette.push_back(rgb(e[2], e[1], e[0]));
        }
    }

    const size_t stride = size_t(image.stride());
    const uint64_t pixelBytes = uint64_t(stride) * uint64_t(height);
    if (uint64_t(pixelOffset) + pixelBytes > size)
        invalidImage();
    image.pixels.resize(size_t(pixelBytes));
    for (int32_t y = 0; y < image.height; ++y) {
        int32_t fileRow = topDown ? y : image.height - 1 - y;
        std::memcpy(image.row(y), data + pixelOffset + size_t(fileRow) * stride, stride);
    }
    return image;
}

std::vector<uint8_t> encodeBmp(const BmpImage& image) {
    const int bpp = image.bitsPerPixel;
    if (!isSupportedDepth(bpp) || image.width < 0 || image.height < 0 || image.width > maxBmpSide ||
        image.height > maxBmpSide || (bpp <= 8 && image.palette.size() > (size_t(1) << bpp)) ||
        (bpp > 8 && !image.palette.empty()) ||
        image.pixels.size() != size_t(image.stride()) * size_t(image.height))
        invalidImage();

    // A palette-less indexed image gets a full black table, so that readers, which take a count of
    // 0 as "all 2^depth entries", find every entry they expect.
    std::vector<Color> palette = image.palette;
    if (bpp <= 8 && palette.empty())
        palette.assign(size_t(1) << bpp, clBlack);

    const size_t stride = size_t(image.stride());
    const size_t pixelBytes = stride * size_t(image.height);
    const size_t pixelOffset = fileHeaderSize + infoHeaderSize + palette.size() * 4;
    const size_t fileSize = pixelOffset + pixelBytes;

    std::vector<uint8_t> out;
    out.reserve(fileSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, uint32_t(fileSize));
    put32(out, 0);
    put32(out, uint32_t(pixelOffset));
    put32(out, uint32_t(infoHeaderSize));
    put32(out, uint32_t(image.width));
    put32(out, uint32_t(image.height)); // positive: bottom-up rows
    put16(out, 1);
    put16(out, uint16_t(bpp));
    put32(out, biRgb);
    put32(out, uint32_t(pixelBytes));
    put32(out, 0);
    put32(out, 0);
    put32(out, bpp <= 8 ? uint32_t(palette.size()) : 0);
    put32(out, 0);
    for (Color c : palette) {
        out.push_back(blueOf(c));
        out.push_back(greenOf(c));
        out.push_back(redOf(c));
        out.push_back(0);
    }
    for (int32_t y = image.height - 1; y >= 0; --y)
        out.insert(out.end(), image.row(y), image.row(y) + stride);
    return out;
}

std::vector<uint8_t> encodeBmp(const FBitmap& bitmap) {
    return encodeBmp(BmpImage::fromFBitmap(bitmap));
}

std::vector<uint8_t> readBmpFileBytes(Stream& stream) {
    std::vector<uint8_t> file(fileHeaderSize);
    stream.readBuffer(file.data(), fileHeaderSize);
    if (file[0] != 'B' || file[1] != 'M')
        invalidImage();
    const uint32_t fileSize = u32(file.data() + 2);
    if (fileSize < fileHeaderSize + 12 || fileSize > maxBmpFileSize)
        invalidImage();
    // Grow with what actually arrives, a piece at a time.
    constexpr size_t piece = size_t(1) << 20;
    while (file.size() < fileSize) {
        size_t at = file.size();
        size_t n = std::min(piece, size_t(fileSize) - at);
        file.resize(at + n);
        stream.readBuffer(file.data() + at, n);
    }
    return file;
}

BmpImage readBmp(Stream& stream) {
    return decodeBmp(readBmpFileBytes(stream));
}

FBitmap readFBitmap(Stream& stream) {
    return readBmp(stream).toFBitmap();
}

void writeBmp(Stream& stream, const BmpImage& image) {
    std::vector<uint8_t> file = encodeBmp(image);
    stream.writeBuffer(file.data(), file.size());
}

void writeBmp(Stream& stream, const FBitmap& bitmap) {
    writeBmp(stream, BmpImage::fromFBitmap(bitmap));
}

} // namespace core
