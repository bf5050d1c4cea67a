#pragma once
// Classes in this file: BmpImage (a decoded Windows bitmap file that keeps its depth and palette) and
// the free functions that read and write the BMP file format.
//
// Accepted on reading: 1, 4, 8, 16, 24 and 32 bits per pixel; top-down and bottom-up; the OS/2 core
// header (12 bytes), BITMAPINFOHEADER (40) and the larger V2..V5 headers (52, 56, 108, 124); BI_RGB;
// BI_BITFIELDS at 16 and 32 bits with any contiguous, non-overlapping masks; BI_RLE8 at 8 bits and
// BI_RLE4 at 4 bits (bottom-up only). Everything else fails with InvalidImageError "Bitmap image is
// not valid". Writing uses BITMAPINFOHEADER and BI_RGB at the image's own depth.
//
// Where the format leaves a choice, the decoder gives what the platform's own loader gives:
// - 16-bit pixels (5-5-5 without masks) and bit fields other than the standard 32-bit 8-8-8 are
//   widened into a 24-bit image; a channel of n < 8 bits is placed at the top of the byte and
//   repeated once below itself (5 bits v: v << 3 | v >> 2; 6 bits: v << 2 | v >> 4), a wider one
//   keeps its top 8 bits.
// - Run-length pictures decode to their indexed depth; the pixels that a delta, an end of line or
//   an early end of bitmap skips keep palette index 0. A run or delta that would pass the end of its
//   row or the picture, or data that ends without the end-of-bitmap code, makes the file invalid.
#include "core/Color.h"
#include "core/FBitmap.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace core {

class Stream;

// Limits that keep a hostile file from exhausting memory: no side longer than maxBmpSide, no more
// than maxBmpPixels pixels in all.
constexpr int32_t maxBmpSide = 16384;
constexpr int64_t maxBmpPixels = int64_t(1) << 26;

struct BmpImage {
    int32_t width = 0;
    int32_t height = 0;
    int bitsPerPixel = 24; // 1, 4, 8, 24 or 32 (16-bit files decode to 24)
    // Colour table for depths up to 8 (RGB, low byte red); may hold fewer than 2^depth entries.
    std::vector<Color> palette;
    // Pixel rows top-down, each stride() bytes, laid out as in the file: packed indexes (most
    // significant bits first) for 1/4/8 bits, blue-green-red for 24, blue-green-red-x for 32.
    std::vector<uint8_t> pixels;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    // Row length in bytes: the file's rows are padded to a multiple of four bytes.
    int32_t stride() const { return stride(width, bitsPerPixel); }
    static int32_t stride(int32_t width, int bitsPerPixel) {
        return int32_t(((int64_t(width) * bitsPerPixel + 31) / 32) * 4);
    }
    uint8_t* row(int32_t y) { return pixels.data() + size_t(y) * size_t(stride()); }
    const uint8_t* row(int32_t y) const { return pixels.data() + size_t(y) * size_t(stride()); }

    // The palette index of a pixel at depths up to 8 (0 at other depths).
    int paletteIndex(int32_t x, int32_t y) const;
    // RGB colour of a pixel; an index outside the palette reads as black.
    Color pixel(int32_t x, int32_t y) const;

    // Converts to the 24-bit working bitmap (32-bit pictures lose their fourth byte).
    FBitmap toFBitmap() const;
    // A 24-bit image holding the bitmap's pixels.
    static BmpImage fromFBitmap(const FBitmap& bitmap);

    friend bool operator==(const BmpImage&, const BmpImage&) = default;
};

// Decodes a whole BMP file held in memory. The header's size field is not trusted: the data given is
// the file. Throws InvalidImageError "Bitmap image is not valid".
BmpImage decodeBmp(const uint8_t* data, size_t size);
inline BmpImage decodeBmp(const std::vector<uint8_t>& file) {
    return decodeBmp(file.data(), file.size());
}

// decodeBmp(data, size).toFBitmap(), the same pixels and failures, without an image in between for
// files that store plain rows.
FBitmap decodeBmpToFBitmap(const uint8_t* data, size_t size);
// The number of pixels a BMP file's header declares (width x height), read without decoding; throws
// InvalidImageError where decoding would fail on the header.
int64_t bmpPixelCount(const uint8_t* data, size_t size);

// Encodes at the image's own depth (BITMAPINFOHEADER, BI_RGB, bottom-up rows).
std::vector<uint8_t> encodeBmp(const BmpImage& image);
// Encodes a working bitmap as a 24-bit file.
std::vector<uint8_t> encodeBmp(const FBitmap& bitmap);

// Reads one BMP file out of a stream as a skin package holds it: the 14-byte file header, then the
// rest of the file as long as its size field says. Returns the file's bytes unchanged. Throws
// StreamError "Stream read error" when the stream ends first and InvalidImageError when the first two
// bytes are not "BM" or the size cannot hold a bitmap. Memory grows with the bytes actually read, so
// a lying size field cannot make it allocate ahead.
std::vector<uint8_t> readBmpFileBytes(Stream& stream);
// readBmpFileBytes, then decodeBmp.
BmpImage readBmp(Stream& stream);
FBitmap readFBitmap(Stream& stream);
void writeBmp(Stream& stream, const BmpImage& image);
void writeBmp(Stream& stream, const FBitmap& bitmap);

} // namespace core
