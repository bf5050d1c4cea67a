#include "core/Error.h"
#include "gui/Screen.h"
#include "winbase/Handles.h"
#include "winbase/Region.h"

#include <gtest/gtest.h>

#include <vector>

using namespace gui;

namespace {

bool isGdiObject(HGDIOBJ h) {
    return GetObjectType(h) != 0;
}

bool isLiveCursor(HCURSOR h) {
    ICONINFO info{};
    if (!GetIconInfo(h, &info))
        return false;
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    return true;
}

HCURSOR makeCursor() {
    const BYTE andMask[4 * 32] = {}, xorMask[4 * 32] = {};
    return CreateCursor(GetModuleHandleW(nullptr), 0, 0, 32, 32, andMask, xorMask);
}

} // namespace

// Moving hands the handle over; only the last owner frees it, exactly once.
TEST(Handles, MoveTransfersOwnershipAndDestructionFrees) {
    HPEN raw = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    ASSERT_TRUE(isGdiObject(raw));
    {
        winbase::PenHandle a(raw);
        winbase::PenHandle b(std::move(a));
        EXPECT_FALSE(a);
        EXPECT_EQ(b.get(), raw);
        winbase::PenHandle c;
        c = std::move(b);
        EXPECT_FALSE(b);
        EXPECT_TRUE(isGdiObject(raw));
    }
    EXPECT_FALSE(isGdiObject(raw));

    HBRUSH first = CreateSolidBrush(0);
    HBRUSH second = CreateSolidBrush(0);
    winbase::BrushHandle target(first);
    target = winbase::BrushHandle(second); // the old handle goes when replaced
    EXPECT_FALSE(isGdiObject(first));
    EXPECT_TRUE(isGdiObject(second));
    winbase::BrushHandle& alias = target;
    target = std::move(alias); // self-move keeps it
    EXPECT_TRUE(isGdiObject(second));
    target.reset();
    EXPECT_FALSE(isGdiObject(second));
}

TEST(Handles, ResetToTheOwnedHandleKeepsIt) {
    HRGN raw = CreateRectRgn(0, 0, 4, 4);
    winbase::RegionHandle region(raw);
    region.reset(raw);
    EXPECT_TRUE(isGdiObject(raw));
    EXPECT_EQ(region.get(), raw);
}

// The screen's cursor table destroys the cursors it owns when they are replaced or removed, never the
// shared ones, and a cursor registered again as shared is handed back alive.
TEST(Handles, ScreenCursorTableFreesOnlyOwnedCursors) {
    const int id = 26100;
    HCURSOR owned = makeCursor(), shared = makeCursor(), again = makeCursor();
    ASSERT_TRUE(owned && shared && again);

    screen().setCursor(id, owned, CursorOwnership::Owned);
    screen().setCursor(id, shared, CursorOwnership::Shared); // replaces and destroys the owned one
    EXPECT_FALSE(isLiveCursor(owned));
    EXPECT_EQ(screen().cursor(id), shared);
    screen().removeCursor(id);
    EXPECT_TRUE(isLiveCursor(shared));

    screen().setCursor(id, again, CursorOwnership::Owned);
    screen().setCursor(id, again, CursorOwnership::Shared); // same cursor: only ownership changes
    screen().removeCursor(id);
    EXPECT_TRUE(isLiveCursor(again));
    screen().setCursor(id, again, CursorOwnership::Owned);
    screen().removeCursor(id);
    EXPECT_FALSE(isLiveCursor(again));
    DestroyCursor(shared);
}

TEST(Handles, ReleaseGivesUpOwnership) {
    HFONT raw = static_cast<HFONT>(CreateFontW(-12, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0, L"Arial"));
    {
        winbase::FontHandle f(raw);
        EXPECT_EQ(f.release(), raw);
    }
    EXPECT_TRUE(isGdiObject(raw));
    DeleteObject(raw);
}

TEST(Handles, DcMenuAndSelectionScopes) {
    HDC raw;
    {
        winbase::OwnedDC dc = winbase::OwnedDC::createCompatible();
        ASSERT_TRUE(dc);
        raw = dc.get();
        winbase::OwnedDC moved(std::move(dc));
        EXPECT_FALSE(dc);
        EXPECT_EQ(GetObjectType(raw), DWORD(OBJ_MEMDC));

        HGDIOBJ original = GetCurrentObject(raw, OBJ_BRUSH);
        winbase::BrushHandle red(CreateSolidBrush(RGB(255, 0, 0)));
        {
            winbase::SelectObjectScope scope(raw, red.get());
            EXPECT_EQ(GetCurrentObject(raw, OBJ_BRUSH), red.get());
            EXPECT_EQ(scope.previous(), original);
        }
        EXPECT_EQ(GetCurrentObject(raw, OBJ_BRUSH), original);
    }
    EXPECT_EQ(GetObjectType(raw), 0u);

    HMENU menu = CreatePopupMenu();
    {
        winbase::MenuHandle m(menu);
        winbase::MenuHandle other(std::move(m));
        EXPECT_TRUE(IsMenu(menu));
    }
    EXPECT_FALSE(IsMenu(menu));

    winbase::WindowDC screen(nullptr);
    EXPECT_TRUE(screen);
}

TEST(Region, BuildsFromRectanglesAndCombines) {
    std::vector<core::Rect> rects = {{0, 0, 10, 2}, {0, 2, 3, 5}, {5, 5, 5, 9} /* empty, ignored */};
    winbase::Region r = winbase::Region::fromRects(rects);
    EXPECT_TRUE(r.contains({9, 1}));
    EXPECT_TRUE(r.contains({2, 4}));
    EXPECT_FALSE(r.contains({10, 1})); // right edge exclusive
    EXPECT_FALSE(r.contains({3, 3}));
    EXPECT_EQ(r.bounds(), (core::Rect{0, 0, 10, 5}));

    r.combine(winbase::Region::fromRect({0, 0, 10, 1}), winbase::CombineMode::Diff);
    EXPECT_FALSE(r.contains({5, 0}));
    EXPECT_TRUE(r.contains({5, 1}));
    r.combine(winbase::Region(), winbase::CombineMode::And); // a null region counts as empty
    EXPECT_TRUE(r.isEmpty());

    winbase::Region empty = winbase::Region::fromRects({});
    EXPECT_FALSE(empty.isNull());
    EXPECT_TRUE(empty.isEmpty());

    winbase::Region a = winbase::Region::fromRect({1, 1, 4, 3});
    a.offset(2, 0);
    EXPECT_EQ(a.rects(), (std::vector<core::Rect>{{3, 1, 6, 3}}));
    EXPECT_TRUE(a.sameAs(winbase::Region::fromRects(std::vector<core::Rect>{{3, 1, 6, 2}, {3, 2, 6, 3}})));

    HRGN raw = a.handle();
    HRGN given = a.release();
    EXPECT_EQ(given, raw);
    EXPECT_TRUE(a.isNull());
    EXPECT_TRUE(isGdiObject(given));
    DeleteObject(given);
}

// The live count follows ownership: moves keep it, release and destruction lower it, resets swap.
TEST(Handles, LiveCountFollowsOwnership) {
    const long start = winbase::liveHandleCount();
    {
        winbase::BrushHandle a(CreateSolidBrush(0));
        EXPECT_EQ(winbase::liveHandleCount(), start + 1);
        winbase::BrushHandle b(std::move(a));
        winbase::BrushHandle c;
        c = std::move(b);
        EXPECT_EQ(winbase::liveHandleCount(), start + 1);
        c.reset(CreateSolidBrush(0));
        EXPECT_EQ(winbase::liveHandleCount(), start + 1);
        winbase::OwnedDC dc = winbase::OwnedDC::createCompatible();
        EXPECT_EQ(winbase::liveHandleCount(), start + 2);
        HBRUSH raw = c.release();
        EXPECT_EQ(winbase::liveHandleCount(), start + 1);
        DeleteObject(raw);
    }
    EXPECT_EQ(winbase::liveHandleCount(), start);
}
