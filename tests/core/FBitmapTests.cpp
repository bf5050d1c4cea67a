#include "core/FBitmap.h"

#include <gtest/gtest.h>

using namespace core;

TEST(FBitmap, RowStrideMatchesDeviceIndependentLayout) {
    // stride = 3 * width + width mod 4, always a multiple of 4
    for (int w : {1, 2, 3, 4, 5, 7, 184}) {
        FBitmap b(w, 2);
        EXPECT_EQ(b.stride(), 3 * w + w % 4);
        EXPECT_EQ(b.stride() % 4, 0);
        EXPECT_EQ(b.row(1) - b.row(0), b.stride());
    }
}

TEST(FBitmap, PixelsAreBlueGreenRed) {
    FBitmap b(2, 1);
    b.setPixel(1, 0, rgb(10, 20, 30));
    EXPECT_EQ(b.pixelAt(1, 0)[0], 30);
    EXPECT_EQ(b.pixelAt(1, 0)[2], 10);
    EXPECT_EQ(b.pixel(1, 0), rgb(10, 20, 30));
}

TEST(FBitmap, FillRectClipsToBitmap) {
    FBitmap b(3, 3);
    b.fillRect({-5, 1, 2, 10}, clWhite);
    EXPECT_EQ(b.pixel(0, 0), clBlack);
    EXPECT_EQ(b.pixel(1, 2), clWhite);
    EXPECT_EQ(b.pixel(2, 2), clBlack);
}

TEST(FBitmap, MovedFromBitmapIsEmpty) {
    FBitmap a(4, 4);
    a.setPixel(3, 3, clWhite);
    FBitmap b(std::move(a));
    EXPECT_TRUE(a.isEmpty());
    EXPECT_EQ(a.bits(), nullptr);
    EXPECT_EQ(b.pixel(3, 3), clWhite);
    FBitmap c(1, 1);
    c = std::move(b);
    EXPECT_TRUE(b.isEmpty());
    EXPECT_EQ(c.width(), 4);
}

TEST(FBitmap, ResizeKeepsTheStorageOfAnUnchangedSizeOnly) {
    FBitmap b(5, 3);
    b.fill(core::rgb(9, 8, 7));
    const uint8_t* bits = b.bits();
    b.resize(5, 3, FBitmap::KeptPixels::Unspecified);
    EXPECT_EQ(b.bits(), bits);
    EXPECT_EQ(b.pixel(4, 2), core::rgb(9, 8, 7));
    b.resize(5, 3, FBitmap::KeptPixels::Cleared);
    EXPECT_EQ(b.bits(), bits);
    EXPECT_EQ(b, FBitmap(5, 3));
    b.fill(core::rgb(9, 8, 7));
    b.resize(6, 3, FBitmap::KeptPixels::Unspecified);
    EXPECT_EQ(b, FBitmap(6, 3)) << "a new size is black, as with setSize";
    b.resize(0, 3, FBitmap::KeptPixels::Cleared);
    EXPECT_TRUE(b.isEmpty());
}

// Filling copies the first row down: every row gets exactly the rectangle's span.
TEST(FBitmap, FillRectFillsEveryRowOfTheSpanOnly) {
    for (int w : {1, 2, 5, 17, 64}) {
        FBitmap b(w + 2, 4);
        b.fillRect({1, 1, w + 1, 3}, core::rgb(1, 2, 3));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < w + 2; ++x)
                EXPECT_EQ(b.pixel(x, y),
                          x >= 1 && x <= w && y >= 1 && y < 3 ? core::rgb(1, 2, 3) : core::clBlack)
                    << w << ": " << x << ", " << y;
    }
}
