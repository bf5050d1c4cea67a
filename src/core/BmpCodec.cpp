#include "core/BmpCodec.h"

#include "core/Error.h"
#include "core/Stream.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace core {

namespace {

constexpr size_t fileHeaderSize = 14;
constexpr size_t infoHeaderSize = 40;
constexpr uint32_t biRgb = 0;
constexpr uint32_t biRle8 = 1;
constexpr uint32_t biRle4 = 2;
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

bool isReadableDepth(int bpp) {
    return isSupportedDepth(bpp) || bpp == 16;
}

bool isSupportedHeaderSize(uint32_t size) {
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

} // namespace

namespace {

// Turns rows as a BMP file stores them (1, 4, 8, 24 or 32 bits) into 24-bit rows. Indexed pictures go
// through a full table of blue | green << 8 | red << 16, entries past the palette black; four pixels
// make exactly three 32-bit words, stored with the first byte lowest on any machine.
class RowConverter {
public:
    RowConverter(int bitsPerPixel, const std::vector<Color>& palette)
        : m_bpp(bitsPerPixel), m_mask((1 << std::min(bitsPerPixel, 8)) - 1) {
        for (size_t i = 0; i < palette.size() && i < m_lut.size(); ++i)
            m_lut[i] = uint32_t(blueOf(palette[i])) | uint32_t(greenOf(palette[i])) << 8 |
                       uint32_t(redOf(palette[i])) << 16;
        // Masks take four pixels at once from each half byte.
        if (bitsPerPixel == 1)
            for (unsigned n = 0; n < 16; ++n)
                putFour(m_nibbles[n].data(), n >> 3, (n >> 2) & 1, (n >> 1) & 1, n & 1);
    }

    void operator()(uint8_t* dst, const uint8_t* src, int32_t width) const {
        int32_t x = 0;
        switch (m_bpp) {
        case 24:
            std::memcpy(dst, src, size_t(width) * 3);
            return;
        case 32:
            for (; x < width; ++x, dst += 3, src += 4)
                std::memcpy(dst, src, 3);
            return;
        case 8:
            for (; x + 4 <= width; x += 4)
                putFour(dst + 3 * size_t(x), src[x], src[x + 1], src[x + 2], src[x + 3]);
            break;
        case 4:
            for (; x + 4 <= width; x += 4) {
                const unsigned b0 = src[size_t(x) >> 1], b1 = src[(size_t(x) >> 1) + 1];
                putFour(dst + 3 * size_t(x), b0 >> 4, b0 & 15, b1 >> 4, b1 & 15);
            }
            break;
        case 1:
            for (; x + 8 <= width; x += 8) {
                const unsigned b = src[size_t(x) >> 3];
                std::memcpy(dst + 3 * size_t(x), m_nibbles[b >> 4].data(), 12);
                std::memcpy(dst + 3 * size_t(x) + 12, m_nibbles[b & 15].data(), 12);
            }
            break;
        }
        for (; x < width; ++x) {
            const uint32_t c = m_lut[indexAt(src, x)];
            uint8_t* d = dst + 3 * size_t(x);
            d[0] = uint8_t(c);
            d[1] = uint8_t(c >> 8);
            d[2] = uint8_t(c >> 16);
        }
    }

private:
    size_t indexAt(const uint8_t* src, int32_t x) const {
        const size_t bit = size_t(x) * size_t(m_bpp);
        return size_t((src[bit >> 3] >> (8 - m_bpp - int(bit & 7))) & m_mask);
    }

    static void store(uint8_t* d, uint32_t word) {
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(d, &word, 4);
        } else {
            for (int i = 0; i < 4; ++i)
                d[i] = uint8_t(word >> (8 * i));
        }
    }

    void putFour(uint8_t* d, unsigned i0, unsigned i1, unsigned i2, unsigned i3) const {
        const uint32_t c0 = m_lut[i0], c1 = m_lut[i1], c2 = m_lut[i2], c3 = m_lut[i3];
        store(d, c0 | c1 << 24);
        store(d + 4, c1 >> 8 | c2 << 16);
        store(d + 8, c2 >> 16 | c3 << 8);
    }

    int m_bpp;
    int m_mask;
    std::array<uint32_t, 256> m_lut{};
    std::array<std::array<uint8_t, 12>, 16> m_nibbles{};
};

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
    const RowConverter convert(bitsPerPixel, palette);
    for (int32_t y = 0; y < height; ++y)
        convert(out.row(y), row(y), width);
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

namespace {

// One colour channel of a bit-field pixel.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;  // position of the mask's lowest bit
    int length = 0; // number of bits in the mask

    // The channel widened to 8 bits the way the platform's own conversion does it: the bits placed
    // at the top of the byte and repeated once below themselves (5 bits v give v << 3 | v >> 2,
    // 6 bits v << 2 | v >> 4). Channels wider than 8 bits keep their top 8; an empty mask reads 0.
    uint8_t widen(uint32_t pixel) const {
        const uint32_t v = (pixel & mask) >> shift;
        if (length >= 8)
            return uint8_t(v >> (length - 8));
        const uint32_t top = v << (8 - length);
        return uint8_t(top | top >> length);
    }
};

// A mask is usable when its bits are contiguous (or it has none).
bool makeChannel(uint32_t mask, Channel& channel) {
    channel = {mask, 0, 0};
    if (mask == 0)
        return true;
    while (!(mask >> channel.shift & 1))
        ++channel.shift;
    const uint32_t bits = mask >> channel.shift;
    if ((bits & (bits + 1)) != 0)
        return false;
    while (channel.length < 32 && (bits >> channel.length & 1))
        ++channel.length;
    return true;
}

struct HeaderInfo {
    uint32_t pixelOffset = 0;
    uint32_t headerSize = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool topDown = false;
    int bpp = 0;
    uint32_t compression = biRgb;
    uint32_t colorsUsed = 0;
    size_t paletteEntrySize = 4;
    size_t paletteStart = 0;
    std::array<uint32_t, 3> masks{}; // red, green, blue; only with biBitfields
};

HeaderInfo readHeader(const uint8_t* data, size_t size) {
    if (!data || size < fileHeaderSize + 12 || data[0] != 'B' || data[1] != 'M')
        invalidImage();
    HeaderInfo info;
    info.pixelOffset = u32(data + 10);
    info.headerSize = u32(data + 14);
    if (!isSupportedHeaderSize(info.headerSize) || fileHeaderSize + info.headerSize > size)
        invalidImage();
    const uint8_t* h = data + fileHeaderSize;

    int64_t width, height;
    if (info.headerSize == 12) {
        // OS/2 core header: unsigned 16-bit sizes, always bottom-up, three-byte colour entries.
        width = u16(h + 4);
        height = u16(h + 6);
        info.bpp = u16(h + 10);
        info.paletteEntrySize = 3;
    } else {
        width = int32_t(u32(h + 4));
        height = int32_t(u32(h + 8));
        info.bpp = u16(h + 14);
        info.compression = u32(h + 16);
        info.colorsUsed = u32(h + 32);
    }
    info.topDown = height < 0;
    if (info.topDown)
        height = -height;
    if (width < 0 || width > maxBmpSide || height > maxBmpSide || width * height > maxBmpPixels)
        invalidImage();
    if (!isReadableDepth(info.bpp))
        invalidImage();
    info.width = int32_t(width);
    info.height = int32_t(height);

    info.paletteStart = fileHeaderSize + info.headerSize;
    switch (info.compression) {
    case biRgb:
        if (info.bpp == 16)
            info.masks = {0x7C00, 0x03E0, 0x001F}; // five bits each, the top bit unused
        break;
    case biRle8:
    case biRle4:
        // Run-length data is always stored bottom-up, at the depth its kind names.
        if (info.bpp != (info.compression == biRle8 ? 8 : 4) || info.topDown)
            invalidImage();
        break;
    case biBitfields: {
        if (info.bpp != 16 && info.bpp != 32)
            invalidImage();
        // The masks follow a 40-byte header; larger headers hold them.
        const uint8_t* masks = h + infoHeaderSize;
        if (info.headerSize == infoHeaderSize) {
            if (info.paletteStart + 12 > size)
                invalidImage();
            masks = data + info.paletteStart;
            info.paletteStart += 12;
        }
        info.masks = {u32(masks), u32(masks + 4), u32(masks + 8)};
        break;
    }
    default:
        invalidImage();
    }
    if (info.pixelOffset < info.paletteStart || info.pixelOffset > size)
        invalidImage();
    return info;
}

void readPalette(const uint8_t* data, const HeaderInfo& info, BmpImage& image) {
    // A colour count of 0 means a full table; a count larger than the depth allows is cut to it.
    // A table cut short by the pixel offset keeps the entries that are there.
    size_t count = size_t(1) << info.bpp;
    if (info.colorsUsed != 0 && info.colorsUsed < count)
        count = info.colorsUsed;
    count = std::min(count, (info.pixelOffset - info.paletteStart) / info.paletteEntrySize);
    image.palette.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* e = data + info.paletteStart + i * info.paletteEntrySize;
        image.palette.push_back(rgb(e[2], e[1], e[0]));
    }
}

// Offset of the file row that holds image row y.
size_t fileRowOffset(const HeaderInfo& info, int32_t y, size_t stride) {
    const int32_t fileRow = info.topDown ? y : info.height - 1 - y;
    return info.pixelOffset + size_t(fileRow) * stride;
}

void checkPixelBytes(const HeaderInfo& info, size_t stride, size_t size) {
    if (uint64_t(info.pixelOffset) + uint64_t(stride) * uint64_t(info.height) > size)
        invalidImage();
}

// Rows as the file stores them (1, 4, 8, 24 and 32 bits with the standard layout).
void decodeRows(const uint8_t* data, size_t size, const HeaderInfo& info, BmpImage& image) {
    const size_t stride = size_t(image.stride());
    checkPixelBytes(info, stride, size);
    image.pixels.resize(stride * size_t(image.height));
    if (image.pixels.empty())
        return; // zero width: the rows hold nothing, and an empty buffer has no address to copy to
    for (int32_t y = 0; y < image.height; ++y)
        std::memcpy(image.row(y), data + fileRowOffset(info, y, stride), stride);
}

// 16-bit pixels and 32-bit ones with other masks, widened into a 24-bit image.
void decodeBitfieldRows(const uint8_t* data, size_t size, const HeaderInfo& info, BmpImage& image) {
    const uint32_t pixelMask = info.bpp == 16 ? 0xFFFFu : 0xFFFFFFFFu;
    std::array<Channel, 3> channels;
    for (size_t i = 0; i < 3; ++i)
        if ((info.masks[i] & ~pixelMask) != 0 || !makeChannel(info.masks[i], channels[i]))
            invalidImage();
    if ((info.masks[0] & info.masks[1]) | (info.masks[0] & info.masks[2]) | (info.masks[1] & info.masks[2]))
        invalidImage();
    const size_t fileStride = size_t(BmpImage::stride(info.width, info.bpp));
    checkPixelBytes(info, fileStride, size);
    image.bitsPerPixel = 24;
    image.pixels.assign(size_t(image.stride()) * size_t(image.height), 0);
    const size_t bytesPerPixel = size_t(info.bpp / 8);
    for (int32_t y = 0; y < image.height; ++y) {
        const uint8_t* src = data + fileRowOffset(info, y, fileStride);
        uint8_t* dst = image.row(y);
        for (int32_t x = 0; x < image.width; ++x, src += bytesPerPixel, dst += 3) {
            const uint32_t pixel = bytesPerPixel == 2 ? u16(src) : u32(src);
            dst[0] = channels[2].widen(pixel);
            dst[1] = channels[1].widen(pixel);
            dst[2] = channels[0].widen(pixel);
        }
    }
}

// RLE8 and RLE4 data into an indexed image. Pixels that a delta, an end of line or an early end of
// bitmap skips keep index 0, as the platform's loader leaves them in a bitmap that keeps the file's
// depth (a device-dependent bitmap shows them black instead). A run or delta that would go past
// its row or the picture, and data that ends before the end-of-bitmap code, make the file invalid.
void decodeRunLength(const uint8_t* data, size_t size, const HeaderInfo& info, BmpImage& image) {
    image.pixels.assign(size_t(image.stride()) * size_t(image.height), 0);
    const bool four = info.compression == biRle4;
    const int32_t width = image.width, height = image.height;
    auto put = [&](int32_t x, int32_t fileRow, int index) {
        uint8_t* row = image.row(height - 1 - fileRow);
        if (!four)
            row[x] = uint8_t(index);
        else if (x & 1)
            row[x >> 1] = uint8_t((row[x >> 1] & 0xF0) | index);
        else
            row[x >> 1] = uint8_t((row[x >> 1] & 0x0F) | index << 4);
    };
    size_t pos = info.pixelOffset;
    int32_t x = 0, y = 0; // y counts file rows, from the bottom
    for (;;) {
        if (size - pos < 2)
            invalidImage();
        const uint8_t count = data[pos], value = data[pos + 1];
        pos += 2;
        if (count > 0) {
            // Encoded run: one index, or two alternating ones at 4 bits.
            if (y >= height || count > width - x)
                invalidImage();
            for (int i = 0; i < count; ++i)
                put(x + i, y, !four ? value : (i & 1) ? value & 0x0F : value >> 4);
            x += count;
            continue;
        }
        switch (value) {
        case 0: // end of line
            x = 0;
            if (++y > height)
                invalidImage();
            break;
        case 1: // end of bitmap
            return;
        case 2: // delta: move right and up
            if (size - pos < 2)
                invalidImage();
            x += data[pos];
            y += data[pos + 1];
            pos += 2;
            if (x > width || y > height)
                invalidImage();
            break;
        default: {
            // Absolute run of `value` indexes, padded to a 16-bit boundary.
            const size_t bytes = four ? (size_t(value) + 1) / 2 : value;
            if (y >= height || value > width - x || size - pos < bytes)
                invalidImage();
            for (int i = 0; i < value; ++i) {
                const uint8_t b = data[pos + (four ? size_t(i) / 2 : size_t(i))];
                put(x + i, y, !four ? b : (i & 1) ? b & 0x0F : b >> 4);
            }
            x += value;
            pos += std::min(bytes + (bytes & 1), size - pos);
        }
        }
    }
}

// The image's size, depth and palette, without pixels yet.
BmpImage imageWithoutPixels(const uint8_t* data, const HeaderInfo& info) {
    BmpImage image;
    image.width = info.width;
    image.height = info.height;
    image.bitsPerPixel = info.bpp;
    if (info.bpp <= 8)
        readPalette(data, info, image);
    return image;
}

} // namespace

BmpImage decodeBmp(const uint8_t* data, size_t size) {
    const HeaderInfo info = readHeader(data, size);
    BmpImage image = imageWithoutPixels(data, info);
    // 32-bit bit fields with the standard masks are the same bytes as plain 32-bit rows.
    const bool plain32 =
        info.bpp == 32 && (info.compression == biRgb ||
                           info.masks == std::array<uint32_t, 3>{0x00FF0000, 0x0000FF00, 0x000000FF});
    if (info.compression == biRle8 || info.compression == biRle4)
        decodeRunLength(data, size, info, image);
    else if (info.bpp == 16 || (info.bpp == 32 && !plain32))
        decodeBitfieldRows(data, size, info, image);
    else
        decodeRows(data, size, info, image);
    return image;
}

int64_t bmpPixelCount(const uint8_t* data, size_t size) {
    const HeaderInfo info = readHeader(data, size);
    return int64_t(info.width) * int64_t(info.height);
}

FBitmap decodeBmpToFBitmap(const uint8_t* data, size_t size) {
    const HeaderInfo info = readHeader(data, size);
    if (info.compression != biRgb || info.bpp == 16)
        return decodeBmp(data, size).toFBitmap();
    // Rows as stored: straight from the file into the working bitmap, checked as decodeRows does.
    const BmpImage header = imageWithoutPixels(data, info);
    const size_t stride = size_t(header.stride());
    checkPixelBytes(info, stride, size);
    if (header.isEmpty())
        return FBitmap();
    FBitmap out(info.width, info.height);
    const RowConverter convert(info.bpp, header.palette);
    for (int32_t y = 0; y < info.height; ++y)
        convert(out.row(y), data + fileRowOffset(info, y, stride), info.width);
    return out;
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
