#include "core/BmpCodec.h"
#include "core/Error.h"
#include "core/Stream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace core;

namespace {

// Builds a BMP file by hand, independent of the encoder, so the decoder is checked against the
// format rather than against itself.
struct FileSpec {
    int width = 3;
    int height = 2;
    int bpp = 8;
    bool topDown = false;
    uint32_t headerSize = 40;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    std::vector<Color> palette;
    std::vector<uint32_t> masks; // written after a 40-byte header or inside a larger one
};

void put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
void put32(std::vector<uint8_t>& v, uint32_t x) {
    for (int i = 0; i < 4; ++i)
        v.push_back(uint8_t(x >> (8 * i)));
}

// rows: top-down, each already padded to the stride.
std::vector<uint8_t> makeFile(const FileSpec& s, const std::vector<std::vector<uint8_t>>& rows) {
    std::vector<uint8_t> h;
    if (s.headerSize == 12) {
        put32(h, 12);
        put16(h, uint32_t(s.width));
        put16(h, uint32_t(s.height));
        put16(h, 1);
        put16(h, uint32_t(s.bpp));
    } else {
        put32(h, s.headerSize);
        put32(h, uint32_t(s.width));
        put32(h, uint32_t(s.topDown ? -s.height : s.height));
        put16(h, 1);
        put16(h, uint32_t(s.bpp));
        put32(h, s.compression);
        put32(h, 0);
        put32(h, 2835);
        put32(h, 2835);
        put32(h, s.colorsUsed);
        put32(h, 0);
        if (s.headerSize > 40) {
            for (uint32_t m : s.masks)
                put32(h, m);
            h.resize(s.headerSize, 0);
        } else {
            for (uint32_t m : s.masks)
                put32(h, m);
        }
    }
    for (Color c : s.palette) {
        h.push_back(blueOf(c));
        h.push_back(greenOf(c));
        h.push_back(redOf(c));
        if (s.headerSize != 12)
            h.push_back(0);
    }
    std::vector<uint8_t> file = {'B', 'M'};
    size_t pixelOffset = 14 + h.size();
    size_t total = pixelOffset;
    for (auto& r : rows)
        total += r.size();
    put32(file, uint32_t(total));
    put32(file, 0);
    put32(file, uint32_t(pixelOffset));
    file.insert(file.end(), h.begin(), h.end());
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto& r = s.topDown ? rows[i] : rows[rows.size() - 1 - i];
        file.insert(file.end(), r.begin(), r.end());
    }
    return file;
}

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
    expectInvalid(withSpec([](FileSpec& s) { s.bpp = 16; }), "16-bit");
    expectInvalid(withSpec([](FileSpec& s) { s.compression = 1; }), "run-length compression");
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
    expectInvalid(withSpec([](FileSpec& s) {
                      s.bpp = 32;
                      s.compression = 3;
                      s.masks = {0x0000F800, 0x000007E0, 0x0000001F};
                  }),
                  "non-standard masks");
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
