#include "TestBitmaps.h"
#include "skin/render/FramePreview.h"
#include "skin/render/SkinCompose.h"

#include <gtest/gtest.h>

using namespace skin;
using core::Color;
using core::FBitmap;
using skintest::coordinateBitmap;
using skintest::sourceColor;

namespace {

constexpr Color kMagenta = core::rgb(255, 0, 255);

// A 40 x 30 skin: corners cut round by the mask, one notch in the left band's middle.
struct SyntheticSkin {
    FBitmap picture = coordinateBitmap(40, 30);
    FBitmap inactive = coordinateBitmap(40, 30, 99);
    FBitmap mask;
    FBitmap background = coordinateBitmap(7, 5, 55);
    FramePreviewSkin skin;

    SyntheticSkin() {
        mask.setSize(40, 30);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) {
                const bool corner = (x + y < 3) || (39 - x + y < 3) || (x + 29 - y < 3) || (68 - x - y < 3);
                const bool notch = x == 0 && y == 15;
                mask.setPixel(x, y, corner || notch ? core::clWhite : core::clBlack);
            }
        FormFrameMetrics& m = skin.metrics;
        m.pictureWidth = 40;
        m.pictureHeight = 30;
        m.leftTopPoint = {8, 9};
        m.rightTopPoint = {30, 9};
        m.leftBottomPoint = {9, 22};
        m.rightBottomPoint = {31, 23};
        m.clientRect = {5, 7, 35, 26};
        m.maskRectArea = {3, 3, 37, 27};
        skin.stretch = {false, true, false, false};
        skin.picture = &picture;
        skin.mask = &mask;
    }
};

} // namespace

TEST(FramePreview, WindowHasTheStripsAroundATiledClientInsideTheMask) {
    SyntheticSkin s;
    for (auto [W, H] : {std::pair{40, 30}, {97, 61}}) {
        const FBitmap window = renderFramePreview(s.skin, W, H, FrameState::Active);
        const FrameGeometry g = computeFrameGeometry(s.skin.metrics, W, H);
        FormBorderImages strips;
        composeFormBorderImages(s.skin.metrics.frame(), g.frame(), strips, s.picture, s.picture.bounds(), W,
                                H, s.skin.stretch);
        const Rect c = g.clientRect, cl = s.skin.metrics.clientRect;
        // The mask's left strip spans rows 3..H-3; its middle (mask rows 9..22) repeats from the strip's
        // top between a fixed top piece of 6 rows and a fixed bottom piece of 5.
        const int stripH = H - 6;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                Color want;
                if (y < c.top)
                    want = strips.top.pixel(x, y);
                else if (y >= c.bottom)
                    want = strips.bottom.pixel(x, y - c.bottom);
                else if (x < c.left)
                    want = strips.left.pixel(x, y - c.top);
                else if (x >= c.right)
                    want = strips.right.pixel(x - c.right, y - c.top);
                else
                    want =
                        sourceColor(cl.left + (x - c.left) % cl.width(), cl.top + (y - c.top) % cl.height());
                // The round corners stay at the window's corners; the notch (mask row 15) repeats down the
                // left edge where the strip's middle shows mask row 9 + (y - 3) % 13.
                const bool corner =
                    (x + y < 3) || (W - 1 - x + y < 3) || (x + H - 1 - y < 3) || (W - 1 - x + H - 1 - y < 3);
                const int sy = y - 3;
                const bool notch = x == 0 && sy >= 6 && sy < stripH - 5 && sy % 13 == 6;
                if (corner || notch)
                    want = kMagenta;
                ASSERT_EQ(window.pixel(x, y), want) << W << "x" << H << " at " << x << "," << y;
            }
    }
}

TEST(FramePreview, InactiveFrameUsesTheInactivePictureOrTheSkinsEffect) {
    SyntheticSkin s;
    s.skin.mask = nullptr;
    s.skin.inactivePicture = &s.inactive;
    FBitmap window = renderFramePreview(s.skin, 40, 30, FrameState::Inactive);
    EXPECT_EQ(window.pixel(1, 1), sourceColor(1, 1, 99));
    EXPECT_EQ(window.pixel(20, 15), sourceColor(20, 15)); // the client background stays

    s.skin.inactivePicture = nullptr;
    s.skin.autoRenderingInactiveImage = true;
    s.skin.inactiveEffect = 5; // invert
    window = renderFramePreview(s.skin, 40, 30, FrameState::Inactive);
    EXPECT_EQ(window.pixel(1, 1), core::rgb(254, 254, 248));
    EXPECT_EQ(window.pixel(20, 15), sourceColor(20, 15));
    window = renderFramePreview(s.skin, 40, 30, FrameState::Active);
    EXPECT_EQ(window.pixel(1, 1), sourceColor(1, 1));
}

TEST(FramePreview, BackgroundPictureOrButtonFaceFillsTheClient) {
    SyntheticSkin s;
    EXPECT_EQ(minimumFrameSize(s.skin), (Point{40, 11}));
    s.skin.background = &s.background;
    FBitmap window = renderFramePreview(s.skin, 50, 40, FrameState::Active);
    const Rect c = computeFrameGeometry(s.skin.metrics, 50, 40).clientRect;
    EXPECT_EQ(window.pixel(c.left, c.top), sourceColor(0, 0, 55));
    EXPECT_EQ(window.pixel(c.left + 8, c.top + 6), sourceColor(1, 1, 55));
    EXPECT_EQ(window.pixel(c.right - 1, c.bottom - 1),
              sourceColor((c.width() - 1) % 7, (c.height() - 1) % 5, 55));

    s.skin.background = nullptr;
    s.skin.metrics.clientRect = {5, 7, 5, 26}; // no client piece
    window = renderFramePreview(s.skin, 50, 40, FrameState::Active);
    EXPECT_EQ(window.pixel(10, 20), core::colorToRgb(core::clBtnFace));
}
