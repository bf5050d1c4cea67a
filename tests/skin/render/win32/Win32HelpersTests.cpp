#include "../TestBitmaps.h"
#include "skin/render/win32/RegionHandle.h"
#include "skin/render/win32/ScreenHelpers.h"

#include <gtest/gtest.h>

using namespace skin;
using core::FBitmap;

namespace {

// A plain top-level window for the duration of a test.
class TestWindow {
public:
    explicit TestWindow(DWORD exStyle = 0) {
        m_hwnd = CreateWindowExW(exStyle, L"STATIC", L"render test", WS_POPUP, 10, 10, 60, 40, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~TestWindow() {
        if (m_hwnd)
            DestroyWindow(m_hwnd);
    }
    HWND hwnd() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
};

} // namespace

TEST(RegionHandle, MaskRegionHasTheMasksPixels) {
    FBitmap mask = skintest::bitmapFromText({
        "..####..",
        ".######.",
        "########",
        "##.r..##",
    });
    RegionHandle region = regionFromMask(mask);
    ASSERT_TRUE(region);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            EXPECT_EQ(PtInRegion(region.get(), x, y) != 0, mask.pixel(x, y) == core::clBlack)
                << x << "," << y;
    // The system's own banding of the region is the canonical form the portable region keeps.
    EXPECT_EQ(winbase::regionRects(region.get()), maskRegion(mask).rects());
}

TEST(RegionHandle, ManyRunsMakeOneRegion) {
    // 20,000 separate runs: the block is never truncated.
    FBitmap mask(400, 100);
    mask.fill(core::clWhite);
    for (int y = 0; y < 100; ++y)
        for (int x = y % 2; x < 400; x += 2)
            mask.setPixel(x, y, core::clBlack);
    RegionHandle region = regionFromMask(mask);
    ASSERT_TRUE(region);
    EXPECT_TRUE(PtInRegion(region.get(), 398, 98));
    EXPECT_FALSE(PtInRegion(region.get(), 399, 98));
    EXPECT_TRUE(PtInRegion(region.get(), 399, 99));
}

TEST(RegionHandle, ComposedRegionOwnsItsHandleAndCanBeGivenToAWindow) {
    FBitmap mask(20, 20); // all black
    const SkinFrame s{{5, 5}, {15, 5}, {5, 15}, {15, 15}, {3, 3, 17, 17}};
    const SkinFrame t = targetFrame(s, 20, 20, 50, 30);
    RegionHandle region = composeMaskRegionHandle(s, t, mask, 50, 30);
    ASSERT_TRUE(region);
    RECT box;
    EXPECT_EQ(GetRgnBox(region.get(), &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 50);
    EXPECT_EQ(box.bottom, 30);

    TestWindow window;
    ASSERT_NE(window.hwnd(), nullptr);
    ASSERT_NE(SetWindowRgn(window.hwnd(), region.release(), FALSE), 0);
    EXPECT_FALSE(region);

    SkinFrame crossed = t;
    crossed.rightTop.x = crossed.leftTop.x - 1;
    EXPECT_FALSE(composeMaskRegionHandle(s, crossed, mask, 50, 30));
}

TEST(ScreenHelpers, SingleMonitorWorkAreaAndScreen) {
    ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
    TestWindow window;
    RECT work;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    core::Rect r{1, 2, 3, 4};
    getMonitorWorkArea(window.hwnd(), true, r);
    EXPECT_EQ(r, (core::Rect{work.left, work.top, work.right, work.bottom}));
    getMonitorWorkArea(window.hwnd(), false, r);
    EXPECT_EQ(r, (core::Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
}

TEST(ScreenHelpers, WindowAlphaReachesALayeredWindow) {
    TestWindow window(WS_EX_LAYERED);
    ASSERT_NE(window.hwnd(), nullptr);
    setWindowAlpha(window.hwnd(), 128);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window.hwnd(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 128);
    EXPECT_TRUE(flags & LWA_ALPHA);
}

TEST(ScreenHelpers, CurrentSystemsGetTranslucencyAndShadows) {
    const PlatformVersion v = platformVersion();
    EXPECT_GE(v.major, 5);
    EXPECT_TRUE(hasLayeredWindows());
    EXPECT_TRUE(hasDropShadow());
}

TEST(ScreenHelpers, DrawToPutsTheBitmapOnTheDeviceContext) {
    FBitmap picture = skintest::coordinateBitmap(7, 5);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, 20, 20);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, target);
    PatBlt(dc, 0, 0, 20, 20, WHITENESS);
    drawTo(dc, 3, 4, EffectBmp(picture));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) {
            const COLORREF c = GetPixel(dc, 3 + x, 4 + y);
            EXPECT_EQ(core::Color(c), skintest::sourceColor(x, y)) << x << "," << y;
        }
    EXPECT_EQ(GetPixel(dc, 2, 4), RGB(255, 255, 255));
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
}
