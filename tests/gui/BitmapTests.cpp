#include "core/BmpCodec.h"
#include "core/Error.h"
#include "core/Stream.h"
#include "gui/Bitmap.h"
#include "gui/DibStorage.h"

#include <gtest/gtest.h>

#include <functional>

using namespace gui;
using core::Color;

namespace {

void put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
void put32(std::vector<uint8_t>& v, uint32_t x) {
    for (int i = 0; i < 4; ++i)
        v.push_back(uint8_t(x >> (8 * i)));
}

// A BMP file written by hand. value(x, y) is a palette index up to 8 bits, an RGB colour above.
std::vector<uint8_t> bmpFile(int w, int h, int bpp, const std::vector<Color>& palette,
                             const std::function<uint32_t(int, int)>& value, bool topDown) {
    int stride = ((w * bpp + 31) / 32) * 4;
    std::vector<uint8_t> pixels(size_t(stride * h), 0);
    for (int y = 0; y < h; ++y) {
        int fileRow = topDown ? y : h - 1 - y;
        uint8_t* row = pixels.data() + fileRow * stride;
        for (int x = 0; x < w; ++x) {
            uint32_t v = value(x, y);
            if (bpp <= 8) {
                int bit = x * bpp;
                row[bit / 8] = uint8_t(row[bit / 8] | (v << (8 - bpp - bit % 8)));
            } else {
                uint8_t* p = row + x * (bpp / 8);
                p[0] = core::blueOf(Color(v));
                p[1] = core::greenOf(Color(v));
                p[2] = core::redOf(Color(v));
            }
        }
    }
    std::vector<uint8_t> f;
    uint32_t offset = 14 + 40 + uint32_t(palette.size()) * 4;
    f.push_back('B');
    f.push_back('M');
    put32(f, offset + uint32_t(pixels.size()));
    put32(f, 0);
    put32(f, offset);
    put32(f, 40);
    put32(f, uint32_t(w));
    put32(f, uint32_t(topDown ? -h : h));
    put16(f, 1);
    put16(f, uint32_t(bpp));
    put32(f, 0);
    put32(f, uint32_t(pixels.size()));
    put32(f, 2835);
    put32(f, 2835);
    put32(f, uint32_t(palette.size()));
    put32(f, 0);
    for (Color c : palette) {
        f.push_back(core::blueOf(c));
        f.push_back(core::greenOf(c));
        f.push_back(core::redOf(c));
        f.push_back(0);
    }
    f.insert(f.end(), pixels.begin(), pixels.end());
    return f;
}

std::vector<Color> paletteOf(int bpp) {
    std::vector<Color> p;
    for (int i = 0; i < (1 << bpp); ++i)
        p.push_back(core::rgb(uint8_t(i * 37), uint8_t(255 - i * 11), uint8_t(i * 5 + 3)));
    return p;
}

std::vector<uint8_t> save(const Bitmap& b) {
    core::MemoryStream out;
    b.saveToStream(out);
    return out.bytes();
}

void load(Bitmap& b, const std::vector<uint8_t>& file) {
    core::MemoryStream in(file);
    b.loadFromStream(in);
}

} // namespace

// Every depth and both row orders: the pixels read are the file's colours, and saving writes the
// same depth and palette with the same pixels.
TEST(BitmapFile, EveryDepthLoadsAndSavesBackToEqualPixels) {
    const int w = 5, h = 3; // odd width exercises row padding at every depth
    for (int bpp : {1, 4, 8, 24, 32}) {
        for (bool topDown : {false, true}) {
            SCOPED_TRACE("bpp " + std::to_string(bpp) + (topDown ? " top-down" : " bottom-up"));
            std::vector<Color> palette = bpp <= 8 ? paletteOf(bpp) : std::vector<Color>{};
            auto value = [&](int x, int y) -> uint32_t {
                if (bpp <= 8)
                    return uint32_t((x * 3 + y * 7) % (1 << bpp));
                return uint32_t(core::rgb(uint8_t(x * 50), uint8_t(y * 80), uint8_t(200 - x * y)));
            };
            auto colour = [&](int x, int y) { return bpp <= 8 ? palette[value(x, y)] : Color(value(x, y)); };
            auto file = bmpFile(w, h, bpp, palette, value, topDown);

            Bitmap b;
            load(b, file);
            ASSERT_EQ(b.width(), w);
            ASSERT_EQ(b.height(), h);
            EXPECT_EQ(b.bitsPerPixel(), bpp);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    ASSERT_EQ(b.pixels().pixel(x, y), colour(x, y)) << x << "," << y;

            core::BmpImage saved = core::decodeBmp(save(b));
            core::BmpImage original = core::decodeBmp(file);
            EXPECT_EQ(saved.bitsPerPixel, bpp);
            EXPECT_EQ(saved.palette, original.palette);
            EXPECT_EQ(saved.pixels, original.pixels);

            Bitmap again;
            load(again, save(b));
            EXPECT_TRUE(again.pixels() == b.pixels());
        }
    }
}

// The same pixels survive a trip through GDI: blitted from the bitmap's DIB to another's and read
// back with GetDIBits.
TEST(BitmapFile, PixelsSurviveBlitThroughDib) {
    auto file = bmpFile(
        7, 4, 8, paletteOf(8), [](int x, int y) { return uint32_t(x * 31 + y * 9) & 0xFF; }, false);
    Bitmap source;
    load(source, file);
    Bitmap target(7, 4);
    target.canvas().draw(0, 0, source);
    EXPECT_TRUE(target.pixels() == source.pixels());

    BITMAPINFO info{};
    info.bmiHeader = DibStorage::header(7, 4);
    std::vector<uint8_t> bits(size_t(target.pixels().byteSize()));
    winbase::WindowDC screen(nullptr);
    ASSERT_EQ(GetDIBits(screen.get(), target.handle(), 0, 4, bits.data(), &info, DIB_RGB_COLORS), 4);
    EXPECT_EQ(0, memcmp(bits.data(), source.pixels().bits(), bits.size()));
}

// A file saved at a palette depth stays there only while every colour is in the palette; a pixel
// drawn in a new colour must not be lost by quantising.
TEST(BitmapFile, NewColourOutsidePaletteSavesAt24Bits) {
    Bitmap b;
    load(b, bmpFile(
                4, 4, 4, paletteOf(4), [](int x, int) { return uint32_t(x); }, true));
    Color fresh = core::rgb(1, 2, 3);
    b.canvas().setPixel(2, 1, fresh);
    core::BmpImage saved = core::decodeBmp(save(b));
    EXPECT_EQ(saved.bitsPerPixel, 24);
    EXPECT_EQ(saved.pixel(2, 1), fresh);
    EXPECT_EQ(saved.pixel(3, 0), paletteOf(4)[3]);
}

TEST(BitmapFile, MalformedFilesThrowAndLeaveTheBitmap) {
    Bitmap b(2, 2);
    b.pixels().fill(core::clRed);
    std::vector<uint8_t> junk = {'B', 'M', 1, 2, 3};
    EXPECT_THROW(load(b, junk), core::Error);
    auto file = bmpFile(
        2, 2, 24, {}, [](int, int) { return 0u; }, false);
    file[28] = 15; // 15 bits per pixel is not a depth the format knows
    EXPECT_THROW(load(b, file), core::InvalidImageError);
    EXPECT_EQ(b.width(), 2);
    EXPECT_EQ(b.pixels().pixel(1, 1), core::clRed);
}

// Layout data: a byte count, then the file. A count larger than what follows must fail before it
// allocates or reads past the data.
TEST(BitmapData, RoundTripsAndRejectsLyingCount) {
    Bitmap b(3, 2);
    b.pixels().fill(core::rgb(10, 20, 30));
    b.pixels().setPixel(0, 1, core::clBlue);
    core::MemoryStream data;
    b.writeData(data);
    data.setPosition(0);
    Bitmap copy;
    copy.readData(data);
    EXPECT_TRUE(copy.pixels() == b.pixels());

    core::MemoryStream empty;
    Bitmap().writeData(empty);
    EXPECT_EQ(empty.size(), 4);
    empty.setPosition(0);
    copy.readData(empty);
    EXPECT_TRUE(copy.isEmpty());

    std::vector<uint8_t> lying = data.bytes();
    lying[3] = 0x7F; // count near 2 GB
    core::MemoryStream bad(lying);
    EXPECT_THROW(copy.readData(bad), core::StreamError);
}

TEST(BitmapState, TransparentColourIsBottomLeftUnlessFixed) {
    Bitmap b(3, 3);
    b.pixels().fill(core::clWhite);
    b.pixels().setPixel(0, 2, core::rgb(255, 0, 255));
    EXPECT_EQ(b.transparentColor(), core::rgb(255, 0, 255));
    b.setTransparentColor(core::clRed);
    EXPECT_EQ(b.transparentMode(), TransparentMode::tmFixed);
    EXPECT_EQ(b.transparentColor(), core::clRed);
    b.setTransparentMode(TransparentMode::tmAuto);
    EXPECT_EQ(b.transparentColor(), core::rgb(255, 0, 255));
    EXPECT_EQ(Bitmap().transparentColor(), core::clNone);
}

TEST(BitmapState, ResizeKeepsOverlapAndCanvasFollows) {
    Bitmap b(2, 2);
    b.pixels().fill(core::clRed);
    int changes = 0;
    b.onChange = [&](Bitmap&) { ++changes; };
    b.canvas(); // a canvas made before the resize must draw on the new pixels
    b.setSize(4, 3);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(b.pixels().pixel(1, 1), core::clRed);
    EXPECT_EQ(b.pixels().pixel(3, 2), core::clBlack);
    b.canvas().brush().setColor(core::clBlue);
    b.canvas().fillRect({3, 2, 4, 3});
    EXPECT_EQ(b.pixels().pixel(3, 2), core::clBlue);
}

// Pixels of an FBitmap made after installDibStorage are the DIB section's own bits, so GDI and
// pixel code see each other's writes with no copy.
TEST(DibStorage, FBitmapIsBackedByADibSection) {
    installDibStorage();
    core::FBitmap f(5, 3);
    DibStorage* s = dibStorageOf(f);
    ASSERT_NE(s, nullptr);
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectW(s->bitmap(), sizeof(dib), &dib), int(sizeof(dib)));
    EXPECT_EQ(dib.dsBm.bmBits, f.bits());
    EXPECT_EQ(dib.dsBmih.biBitCount, 24);
    EXPECT_EQ(dib.dsBm.bmWidthBytes, f.stride());
    EXPECT_EQ(GetCurrentObject(s->dc(), OBJ_BITMAP), s->bitmap());

    RECT r{1, 1, 3, 2};
    winbase::BrushHandle green(CreateSolidBrush(RGB(0, 255, 0)));
    FillRect(s->dc(), &r, green.get());
    GdiFlush();
    EXPECT_EQ(f.pixel(1, 1), core::rgb(0, 255, 0));
    EXPECT_EQ(f.pixel(0, 0), core::clBlack);
    EXPECT_EQ(f.pixel(3, 1), core::clBlack);

    // Drawing it out and reading it back through another DC keeps the rows in order.
    f.setPixel(4, 2, core::clRed);
    Bitmap target(5, 3);
    drawFBitmap(target.dc(), 0, 0, f);
    core::FBitmap back = captureFBitmap(target.dc(), {0, 0, 5, 3});
    EXPECT_TRUE(back == f);
}

// Any bitmap handle, a screen-compatible one included, can be turned into working pixels.
TEST(DibStorage, FBitmapFromAnyHandle) {
    winbase::WindowDC screen(nullptr);
    winbase::BitmapHandle ddb(CreateCompatibleBitmap(screen.get(), 3, 2));
    {
        winbase::OwnedDC dc = winbase::OwnedDC::createCompatible();
        winbase::SelectObjectScope select(dc.get(), ddb.get());
        PatBlt(dc.get(), 0, 0, 3, 2, WHITENESS);
        SetPixelV(dc.get(), 2, 1, RGB(255, 0, 0));
    }
    core::FBitmap f = fbitmapFromHandle(ddb.get());
    ASSERT_EQ(f.width(), 3);
    ASSERT_EQ(f.height(), 2);
    EXPECT_EQ(f.pixel(0, 0), core::clWhite);
    EXPECT_EQ(f.pixel(2, 1), core::clRed);
    EXPECT_TRUE(fbitmapFromHandle(nullptr).isEmpty());
}
