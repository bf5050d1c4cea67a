#include "BmpFileBuilder.h"
#include "core/BmpCodec.h"
#include "core/Error.h"
#include "core/Stream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace core;
using namespace bmp_testing;

namespace {

const Color red = rgb(255, 0, 0), green = rgb(0, 255, 0), blue = rgb(0, 0, 255), white = clWhite;

void expectPixels(const BmpImage& img, const std::vector<std::vector<Color>>& want) {
    ASSERT_EQ(img.height, int(want.size()));
    for (int y = 0; y < img.height; ++y) {
        ASSERT_EQ(img.width, int(want[y].size()));
        for (int x = 0; x < img.width; ++x)
            EXPECT_EQ(img.pixel(x, y), want[y][x]) << "at " << x << "," << y;
    }
}

} // namespace

TEST(BmpCodec, DecodesEveryDepthInBothRowOrders) {
    // The same 3x2 picture (red green blue / white blue red) at each depth; the rows given to
    // makeFile are top-down and the file stores them bottom-up unless topDown is set.
    const std::vector<std::vector<Color>> want = {{red, green, blue}, {white, blue, red}};
    const std::vector<Color> pal = {red, green, blue, white};
    struct Case {
        int bpp;
        std::vector<std::vector<uint8_t>> rows;
    };
    const Case cases[] = {
        {8, {{0, 1, 2, 0}, {3, 2, 0, 0}}},
        {4, {{0x01, 0x20, 0, 0}, {0x32, 0x00, 0, 0}}},
        {24, {{0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0}, {255, 255, 255, 255, 0, 0, 0, 0, 255, 0, 0, 0}}},
        {32, {{0, 0, 255, 9, 0, 255, 0, 9, 255, 0, 0, 9}, {255, 255, 255, 9, 255, 0, 0, 9, 0, 0, 255, 9}}},
    };
    for (const Case& c : cases) {
        for (bool topDown : {false, true}) {
            FileSpec s;
            s.bpp = c.bpp;
            s.topDown = topDown;
            if (c.bpp <= 8)
                s.palette = pal;
            s.colorsUsed = c.bpp <= 8 ? 4 : 0;
            SCOPED_TRACE(testing::Message() << c.bpp << " bits, top-down " << topDown);
            BmpImage img = decodeBmp(makeFile(s, c.rows));
            EXPECT_EQ(img.bitsPerPixel, c.bpp);
            expectPixels(img, want);
            FBitmap fb = img.toFBitmap();
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 3; ++x)
                    EXPECT_EQ(fb.pixel(x, y), want[y][x]);
        }
    }
}

TEST(BmpCodec, DecodesOneBitMaskRowsMostSignificantBitFirst) {
    // 10 pixels wide: two bytes of bits, padded to four.
    FileSpec s;
    s.width = 10;
    s.height = 1;
    s.bpp = 1;
    s.palette = {clBlack, clWhite};
    BmpImage img = decodeBmp(makeFile(s, {{0b10100000, 0b01000000, 0, 0}}));
    const int bits[] = {1, 0, 1, 0, 0, 0, 0, 0, 0, 1};
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(img.pixel(x, 0), bits[x] ? clWhite : clBlack) << x;
}

TEST(BmpCodec, AcceptsLargerHeadersCoreHeaderAndStandardBitfields) {
    const std::vector<std::vector<uint8_t>> rows32 = {{0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0}};
    for (uint32_t headerSize : {40u, 52u, 56u, 108u, 124u}) {
        FileSpec s;
        s.height = 1;
        s.bpp = 32;
        s.headerSize = headerSize;
        s.compression = 3;
        s.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
        if (headerSize >= 56)
            s.masks.push_back(0xFF000000);
        BmpImage img = decodeBmp(makeFile(s, rows32));
        expectPixels(img, {{red, green, blue}});
    }
    // The OS/2 header: three-byte colour entries.
    FileSpec core;
    core.headerSize = 12;
    core.height = 1;
    core.palette = std::vector<Color>(256, clBlack);
    core.palette[7] = green;
    BmpImage img = decodeBmp(makeFile(core, {{7, 0, 7, 0}}));
    expectPixels(img, {{green, clBlack, green}});
}

TEST(BmpCodec, RejectsWhatItCannotReadAsInvalidImage) {
    FileSpec good;
    good.palette = {red, green};
    const std::vector<std::vector<uint8_t>> rows = {{0, 1, 0, 0}, {1, 0, 1, 0}};
    ASSERT_NO_THROW(decodeBmp(makeFile(good, rows)));

    auto expectInvalid = [&](std::vector<uint8_t> file, const char* what) {
        try {
            decodeBmp(file);
            ADD_FAILURE() << what << ": accepted";
        } catch (const InvalidImageError& e) {
            EXPECT_STREQ(e.what(), "Bitmap image is not valid") << what;
        }
    };
    auto withSpec = [&](auto change) {
        FileSpec s = good;
        change(s);
        return makeFile(s, rows);
    };
    auto file = makeFile(good, rows);
    auto notBm = file;
    notBm[0] = 'X';
    expectInvalid(notBm, "first bytes not BM");
    expectInvalid(std::vector<uint8_t>(file.begin(), file.begin() + 20), "header cut short");
    expectInvalid(std::vector<uint8_t>(file.begin(), file.end() - 1), "pixel array beyond the file");
    expectInvalid(withSpec([](FileSpec& s) { s.bpp = 15; }), "15-bit");
    expectInvalid(withSpec([](FileSpec& s) { s.compression = 2; }), "RLE4 at 8 bits");
    expectInvalid(withSpec([](FileSpec& s) { s.compression = 5; }), "PNG inside");
    expectInvalid(withSpec([](FileSpec& s) {
                      s.compression = 1;
                      s.topDown = true;
                  }),
                  "top-down RLE8");
    expectInvalid(withSpec([](FileSpec& s) { s.headerSize = 64; }), "unknown header size");
    expectInvalid(withSpec([](FileSpec& s) { s.width = -3; }), "negative width");
    expectInvalid(withSpec([](FileSpec& s) { s.width = 16385; }), "over-wide");
    expectInvalid(withSpec([](FileSpec& s) { s.height = 16385; }), "over-tall");
    expectInvalid(withSpec([](FileSpec& s) { s.width = 16384, s.height = 16384; }), "too many pixels");
    expectInvalid(withSpec([](FileSpec& s) {
                      s.bpp = 24;
                      s.compression = 3;
                      s.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
                  }),
                  "bitfields at 24 bits");
    const std::pair<std::vector<uint32_t>, const char*> badMasks[] = {
        {{0x7C00, 0x03F0, 0x001F}, "overlapping masks"},
        {{0x7C00, 0x03E0, 0x0015}, "a mask with a gap"},
        {{0x1F0000, 0x03E0, 0x001F}, "a mask beyond 16 bits"},
    };
    for (const auto& [masks, what] : badMasks)
        expectInvalid(withSpec([&](FileSpec& s) {
                          s.bpp = 16;
                          s.compression = 3;
                          s.masks = masks;
                      }),
                      what);
    auto offsetPastEnd = file;
    offsetPastEnd[10] = 0xFF;
    offsetPastEnd[11] = 0xFF;
    expectInvalid(offsetPastEnd, "pixel offset past the end");
    auto offsetInsideHeader = file;
    offsetInsideHeader[10] = 20;
    expectInvalid(offsetInsideHeader, "pixel offset inside the header");
}

TEST(BmpCodec, PaletteIndexOutsideTheTableReadsBlack) {
    FileSpec s;
    s.height = 1;
    s.palette = {red, green};
    s.colorsUsed = 2;
    BmpImage img = decodeBmp(makeFile(s, {{1, 2, 200, 0}}));
    ASSERT_EQ(img.palette.size(), 2u);
    expectPixels(img, {{green, clBlack, clBlack}});
}

TEST(BmpCodec, SaveAndReloadKeepsDepthPaletteAndPixelsAtEveryDepth) {
    for (int bpp : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(bpp);
        BmpImage img;
        img.width = 13;
        img.height = 5;
        img.bitsPerPixel = bpp;
        if (bpp <= 8)
            for (int i = 0; i < (1 << bpp) && i < 37; ++i)
                img.palette.push_back(rgb(uint8_t(i * 7), uint8_t(255 - i), uint8_t(i * 3)));
        img.pixels.resize(size_t(img.stride()) * 5);
        for (size_t i = 0; i < img.pixels.size(); ++i)
            img.pixels[i] = uint8_t(i * 29 + 3);
        // Indexes kept inside the table and row padding cleared, as a decoder would give them.
        for (int y = 0; y < 5; ++y) {
            uint8_t* r = img.row(y);
            if (bpp == 8)
                for (int x = 0; x < 13; ++x)
                    r[x] %= 37;
            int used = (13 * bpp + 7) / 8;
            std::memset(r + used, 0, size_t(img.stride() - used));
            if (bpp < 8 && (13 * bpp) % 8)
                r[used - 1] &= uint8_t(0xFF << (8 - (13 * bpp) % 8));
        }

        std::vector<uint8_t> file = encodeBmp(img);
        BmpImage back = decodeBmp(file);
        EXPECT_EQ(back, img);
        EXPECT_EQ(encodeBmp(back), file);
        EXPECT_EQ(back.toFBitmap(), img.toFBitmap());
    }
}

TEST(BmpCodec, WorkingBitmapRoundTripsAsTwentyFourBits) {
    FBitmap fb(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            fb.setPixel(x, y, rgb(uint8_t(x * 50), uint8_t(y * 80), uint8_t(x + y)));
    std::vector<uint8_t> file = encodeBmp(fb);
    BmpImage img = decodeBmp(file);
    EXPECT_EQ(img.bitsPerPixel, 24);
    EXPECT_EQ(img.toFBitmap(), fb);
    // The header's size field gives the file's length, as packages rely on.
    uint32_t size = uint32_t(file[2] | file[3] << 8 | file[4] << 16 | file[5] << 24);
    EXPECT_EQ(size, file.size());
}

TEST(BmpCodec, EmptyImageRoundTrips) {
    BmpImage back = decodeBmp(encodeBmp(FBitmap()));
    EXPECT_TRUE(back.isEmpty());
    EXPECT_TRUE(back.toFBitmap().isEmpty());
    // No width but some rows: nothing to copy (the fuzzer once found the copy into no buffer).
    FileSpec s;
    s.width = 0;
    s.bpp = 24;
    BmpImage noWidth = decodeBmp(makeFile(s, {{}, {}}));
    EXPECT_TRUE(noWidth.isEmpty());
    EXPECT_TRUE(noWidth.pixels.empty());
}

TEST(BmpCodec, StreamReaderTakesExactlyTheFileAndLeavesTheRest) {
    FBitmap a(3, 2), b(1, 1);
    a.fill(red);
    b.fill(blue);
    MemoryStream s;
    writeBmp(s, a);
    writeBmp(s, b);
    s.writeByte(0x42);
    s.setPosition(0);
    EXPECT_EQ(readFBitmap(s), a);
    EXPECT_EQ(readFBitmap(s), b);
    EXPECT_EQ(s.readByte(), 0x42);
}

TEST(BmpCodec, StreamReaderFailures) {
    FBitmap a(3, 2);
    std::vector<uint8_t> file = encodeBmp(a);
    auto readFrom = [](std::vector<uint8_t> bytes) {
        MemoryStream s(std::move(bytes));
        readBmp(s);
    };
    auto message = [&](std::vector<uint8_t> bytes) -> std::string {
        try {
            readFrom(std::move(bytes));
        } catch (const Error& e) {
            return e.what();
        }
        return "no error";
    };
    // Cut short anywhere, in the file header or after it: a read error.
    EXPECT_EQ(message({}), "Stream read error");
    EXPECT_EQ(message({'B', 'M', 1, 2}), "Stream read error");
    EXPECT_EQ(message(std::vector<uint8_t>(file.begin(), file.end() - 1)), "Stream read error");
    EXPECT_THROW(readFrom({}), StreamError);
    // Not a bitmap at all.
    auto notBm = file;
    notBm[1] = 'A';
    EXPECT_EQ(message(notBm), "Bitmap image is not valid");
    // A size field too small to hold any header.
    auto tiny = file;
    tiny[2] = 20, tiny[3] = 0, tiny[4] = 0, tiny[5] = 0;
    EXPECT_EQ(message(tiny), "Bitmap image is not valid");
    // A size field claiming 200 MB over a short stream fails on the missing bytes.
    auto lying = file;
    lying[2] = 0, lying[3] = 0, lying[4] = 0, lying[5] = 12;
    EXPECT_EQ(message(lying), "Stream read error");
    // A size field claiming 4 GB is absurd on its face.
    auto absurd = file;
    absurd[2] = absurd[3] = absurd[4] = absurd[5] = 0xFF;
    EXPECT_EQ(message(absurd), "Bitmap image is not valid");
}

TEST(BmpCodec, SixteenBitPixelsWidenLikeThePlatform) {
    // Each case: masks (none: 5-5-5), four pixels, and the colours the platform's loader gives for
    // them. A channel of n bits is placed at the top of the byte and repeated once below itself.
    // The second row holds 0x8000 (the bit 5-5-5 leaves unused) among black pixels.
    struct Case {
        const char* what;
        std::vector<uint32_t> masks;
        std::vector<Color> want;
        Color topBit;
    };
    const std::vector<uint16_t> pixels = {0x7FFF, 0x0421, 0x7C00, 0x4210};
    const Case cases[] = {
        {"5-5-5 without masks",
         {},
         {rgb(255, 255, 255), rgb(8, 8, 8), rgb(255, 0, 0), rgb(0x84, 0x84, 0x84)},
         clBlack},
        {"5-5-5 with masks",
         {0x7C00, 0x03E0, 0x001F},
         {rgb(255, 255, 255), rgb(8, 8, 8), rgb(255, 0, 0), rgb(0x84, 0x84, 0x84)},
         clBlack},
        {"5-6-5",
         {0xF800, 0x07E0, 0x001F},
         {rgb(0x7B, 255, 255), rgb(0, 0x86, 8), rgb(0x7B, 0x82, 0), rgb(0x42, 0x41, 0x84)},
         rgb(0x84, 0, 0)},
        {"4-4-4",
         {0x0F00, 0x00F0, 0x000F},
         {rgb(255, 255, 255), rgb(0x44, 0x22, 0x11), rgb(0xCC, 0, 0), rgb(0x22, 0x11, 0)},
         clBlack},
        // Two bits give 0xF0 and one 0xC0: one repetition only; thirteen keep their top eight.
        {"1-2-13",
         {0x8000, 0x6000, 0x1FFF},
         {rgb(0, 0xF0, 255), rgb(0, 0, 0x21), rgb(0, 0xF0, 0xE0), rgb(0, 0xA0, 0x10)},
         rgb(0xC0, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (uint32_t headerSize : {40u, 108u}) {
            FileSpec s;
            s.width = 4;
            s.height = 2;
            s.bpp = 16;
            s.headerSize = headerSize;
            s.masks = c.masks;
            s.compression = c.masks.empty() ? 0 : 3;
            BmpImage img = decodeBmp(makeFile(s, {row16(pixels), row16({0, 0x8000, 0, 0})}));
            EXPECT_EQ(img.bitsPerPixel, 24);
            expectPixels(img, {c.want, {clBlack, c.topBit, clBlack, clBlack}});
        }
    }
}

TEST(BmpCodec, OtherThirtyTwoBitMasksWidenToo) {
    // Ten bits per channel: the top eight of each.
    FileSpec s;
    s.width = 1;
    s.height = 1;
    s.bpp = 32;
    s.compression = 3;
    s.masks = {0x3FF00000, 0x000FFC00, 0x000003FF};
    const uint32_t pixel = 0x3FFu << 20 | 0x200u << 10 | 0x004u;
    std::vector<uint8_t> row;
    put32(row, pixel);
    BmpImage img = decodeBmp(makeFile(s, {row}));
    EXPECT_EQ(img.bitsPerPixel, 24);
    expectPixels(img, {{rgb(255, 0x80, 1)}});
}

namespace {

// An indexed picture drawn as digits, top row first; '.' marks a pixel the data skips (index 0).
void expectIndexes(const BmpImage& img, const std::vector<std::string>& rows) {
    ASSERT_EQ(img.height, int(rows.size()));
    for (int y = 0; y < img.height; ++y) {
        ASSERT_EQ(img.width, int(rows[y].size()));
        for (int x = 0; x < img.width; ++x) {
            const char c = rows[y][x];
            const int want = c == '.' ? 0 : c <= '9' ? c - '0' : c - 'A' + 10;
            EXPECT_EQ(img.paletteIndex(x, y), want) << "at " << x << "," << y;
        }
    }
}

FileSpec rleSpec(int bpp, int width, int height) {
    FileSpec s;
    s.bpp = bpp;
    s.width = width;
    s.height = height;
    s.compression = bpp == 8 ? 1 : 2;
    for (int i = 0; i < 16; ++i)
        s.palette.push_back(rgb(uint8_t(i * 16), 0, uint8_t(255 - i)));
    return s;
}

} // namespace

TEST(BmpCodec, RunLengthPicturesDecodeToTheirIndexedDepth) {
    // The data lists rows bottom-up: encoded runs, absolute runs (padded to 16 bits), deltas that
    // skip pixels, ends of line before the row is full, and an end of bitmap before the last row.
    const std::vector<uint8_t> rle8 = {
        3, 5, 0, 3, 1, 2, 7, 0, 1, 9, 0, 0,      // 5 5 5, absolute 1 2 7 (+pad), 9, end of line
        0, 2, 2, 1, 2, 4, 0, 0,                  // delta (2, 1) skips a row: 4 4, end of line
        0, 4, 6, 7, 8, 9, 1, 3, 0, 2, 1, 0, 0, 1 // absolute 6 7 8 9, 3, delta right, end of bitmap
    };
    BmpImage img8 = decodeBmp(makeFileWithData(rleSpec(8, 8, 4), rle8));
    EXPECT_EQ(img8.bitsPerPixel, 8);
    expectIndexes(img8, {"67893...", "..44....", "........", "5551279."});
    EXPECT_EQ(img8.pixel(0, 2), img8.palette[0]) << "a skipped pixel shows the first colour";

    const std::vector<uint8_t> rle4 = {
        5,    0x12, 0,    3,
        0xAB, 0xC0, 0,    0, // 1 2 1 2 1, absolute A B C (3 nibbles in 2 bytes), end of line
        0,    2,    1,    0,
        2,    0xFF, 0,    0, // delta right 1, F F, end of line
        0,    5,    0x34, 0x56,
        0x70, 0,    0,    1 // absolute 3 4 5 6 7 (3 bytes + pad), end of bitmap
    };
    BmpImage img4 = decodeBmp(makeFileWithData(rleSpec(4, 9, 3), rle4));
    EXPECT_EQ(img4.bitsPerPixel, 4);
    expectIndexes(img4, {"34567....", ".FF......", "12121ABC."});
    // Decoded pictures save as plain indexed files and read back the same.
    EXPECT_EQ(decodeBmp(encodeBmp(img4)), img4);
}

TEST(BmpCodec, RunLengthDataThatOverrunsItsPictureIsInvalid) {
    const std::pair<std::vector<uint8_t>, const char*> cases[] = {
        {{5, 1, 0, 1}, "encoded run past the row"},
        {{3, 1, 2, 1, 0, 1}, "second run past the row"},
        {{0, 5, 1, 2, 3, 4, 5, 0, 0, 1}, "absolute run past the row"},
        {{0, 2, 5, 0, 0, 1}, "delta past the row"},
        {{0, 2, 0, 3, 0, 1}, "delta past the picture"},
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, "end of line past the picture"},
        {{0, 2, 0, 2, 1, 3, 0, 1}, "run after the last row"},
        {{2, 1, 0, 0}, "no end of bitmap"},
        {{0, 4, 1, 2}, "absolute run cut short"},
        {{0, 2, 1}, "delta cut short"},
        {{2}, "command cut short"},
    };
    for (const auto& [data, what] : cases) {
        try {
            decodeBmp(makeFileWithData(rleSpec(8, 4, 2), data));
            ADD_FAILURE() << what << ": accepted";
        } catch (const InvalidImageError& e) {
            EXPECT_STREQ(e.what(), "Bitmap image is not valid") << what;
        }
    }
    // Exactly filling the rows, with an end of line after the last, is fine.
    EXPECT_NO_THROW(decodeBmp(makeFileWithData(rleSpec(8, 4, 2), {4, 1, 0, 0, 4, 2, 0, 0, 0, 1})));
    EXPECT_NO_THROW(decodeBmp(makeFileWithData(rleSpec(4, 4, 2), {0, 2, 4, 1, 0, 1})));
}

// The direct decoder against the image's own conversion and its pixel() reading, at every plain
// depth, widths around the 8-pixel blocks of masks, both row orders and a palette shorter than the
// table (the pixels past it read black). The working bitmap's row padding must stay untouched.
TEST(BmpCodec, DirectDecodeGivesTheSamePixelsAsTheImage) {
    uint32_t seed = 7;
    auto next = [&] { return (seed = seed * 1664525u + 1013904223u) >> 24; };
    for (int bpp : {1, 4, 8, 24, 32})
        for (int width = 1; width <= 19; ++width)
            for (bool topDown : {false, true}) {
                FileSpec s;
                s.bpp = bpp;
                s.width = width;
                s.height = 3;
                s.topDown = topDown;
                if (bpp <= 8)
                    for (int i = 0; i < (1 << bpp) - 1; ++i) // one entry short
                        s.palette.push_back(rgb(uint8_t(next()), uint8_t(next()), uint8_t(next())));
                std::vector<std::vector<uint8_t>> rows(
                    3, std::vector<uint8_t>(size_t(BmpImage::stride(width, bpp))));
                for (auto& row : rows)
                    for (auto& b : row)
                        b = uint8_t(next());
                const std::vector<uint8_t> file = makeFile(s, rows);
                SCOPED_TRACE(testing::Message()
                             << bpp << " bits, width " << width << ", top-down " << topDown);
                const BmpImage img = decodeBmp(file);
                const FBitmap direct = decodeBmpToFBitmap(file.data(), file.size());
                const FBitmap viaImage = img.toFBitmap();
                ASSERT_EQ(direct.width(), width);
                ASSERT_EQ(direct.height(), 3);
                EXPECT_EQ(std::memcmp(direct.bits(), viaImage.bits(), direct.byteSize()), 0);
                for (int y = 0; y < 3; ++y) {
                    for (int x = 0; x < width; ++x)
                        EXPECT_EQ(direct.pixel(x, y), img.pixel(x, y)) << "at " << x << "," << y;
                    for (int32_t pad = 3 * width; pad < direct.stride(); ++pad)
                        EXPECT_EQ(direct.row(y)[pad], 0);
                }
            }
    // A file cut short fails the same way.
    FileSpec s;
    s.palette = {red, green};
    std::vector<uint8_t> file = makeFile(s, {{0, 1, 0, 0}, {1, 0, 1, 0}});
    file.resize(file.size() - 1);
    EXPECT_THROW(decodeBmpToFBitmap(file.data(), file.size()), InvalidImageError);
}
