// The skinned window with real messages to a real window and real input under Wine.
#include "FrameComparison.h"
#include "SkinFormTestSupport.h"

#include "core/Error.h"
#include "gui/Form.h"
#include "gui/MenuItem.h"
#include "skin/form/FormLayout.h"
#include "skin/form/win32/SkinForm.h"
#include "skin/popup/win32/SkinMenu.h"
#include "skin/popup/win32/SkinPopupWindow.h"
#include "skin/render/FramePreview.h"
#include "skin/render/MaskRegion.h"
#include "skin/render/win32/RegionHandle.h"
#include "winbase/Handles.h"

#include <gtest/gtest.h>

using namespace form_testing;
using core::Rect;

namespace {

Rect clientInWindow(HWND hwnd) {
    RECT window, client;
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    const int x = origin.x - window.left, y = origin.y - window.top;
    return {x, y, x + client.right, y + client.bottom};
}

} // namespace

TEST(SkinFormWindow, OwnerMustBeAForm) {
    core::Component owner;
    EXPECT_THROW(skin::SkinForm form(&owner), core::Error);
}

TEST(SkinFormWindow, NonClientSizeActivationAndRegionFollowTheSkin) {
    SkinnedWindow w;
    ASSERT_TRUE(w.skinForm->isSkinned());
    EXPECT_FALSE(GetWindowLongPtrW(w.hwnd(), GWL_STYLE) & WS_CAPTION);
    const skin::FramePreviewSkin preview = w.preview();
    for (auto [width, height] : {std::pair{300, 200}, {184, 141}, {517, 433}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        w.resize(width, height);
        const skin::FrameGeometry g = skin::computeFrameGeometry(preview.metrics, width, height);
        // The platform's client area is the one the pure geometry computes.
        EXPECT_EQ(clientInWindow(w.hwnd()), g.clientRect);
        RECT proposed{10, 20, 10 + width, 20 + height};
        SendMessageW(w.hwnd(), WM_NCCALCSIZE, FALSE, LPARAM(&proposed));
        EXPECT_EQ((Rect{proposed.left, proposed.top, proposed.right, proposed.bottom}),
                  g.clientRect.translated(10, 20));
        // The window region is the mask's, composed for the size.
        HRGN actual = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(w.hwnd(), actual), ERROR);
        skin::RegionHandle expected = skin::composeMaskRegionHandle(
            preview.metrics.maskFrame(), g.maskFrame(), *preview.mask, width, height);
        ASSERT_TRUE(expected);
        EXPECT_TRUE(EqualRgn(actual, expected.get()));
        DeleteObject(actual);
    }
    // The platform never draws its own caption: activation answers 1 either way.
    EXPECT_EQ(SendMessageW(w.hwnd(), WM_NCACTIVATE, FALSE, 0), 1);
    EXPECT_FALSE(w.skinForm->formActive());
    EXPECT_EQ(SendMessageW(w.hwnd(), WM_NCACTIVATE, TRUE, 0), 1);
    EXPECT_TRUE(w.skinForm->formActive());
}

TEST(SkinFormWindow, SkinObjectsAndTheSkinMessages) {
    SkinnedWindow w;
    std::vector<std::string> names;
    for (const auto& o : w.skinForm->objects())
        names.push_back(o->idName);
    EXPECT_EQ(names, (std::vector<std::string>{"caption1", "closebutton", "maxbutton", "minbutton",
                                               "sysmenubutton"}));
    // A 1225 of another store changes nothing.
    skin::SkinData other;
    SendMessageW(w.hwnd(), 1225, WPARAM(&other), 1000);
    EXPECT_EQ(w.skinForm->objects().size(), 5u);
    EXPECT_TRUE(w.skinForm->isSkinned());
    // Setting BorderIcons rebuilds the built-in buttons until the next skin change.
    w.skinForm->setBorderIcons({skin::SkinBorderIcon::biSystemMenu});
    EXPECT_EQ(w.skinForm->objects().size(), 6u);
    EXPECT_FALSE(w.skinForm->findObject("maxbutton")->visible);
    w.store->setCompressedStoredSkin(w.package); // reload: 1225, 1226
    pumpFor(50);
    EXPECT_EQ(w.skinForm->objects().size(), 5u);
    EXPECT_FALSE(w.skinForm->findObject("maxbutton")->enabled);

    // Without a skin the built-in look: 3-pixel borders under a 19-pixel caption.
    SkinnedWindow plain(false);
    EXPECT_FALSE(plain.skinForm->isSkinned());
    const RECT r = plain.bounds();
    EXPECT_EQ(clientInWindow(plain.hwnd()), (Rect{3, 22, r.right - r.left - 3, r.bottom - r.top - 3}));
    EXPECT_EQ(SendMessageW(plain.hwnd(), WM_NCACTIVATE, TRUE, 0), 1);
}

TEST(SkinFormWindow, FrameOnTheScreenEqualsTheRenderedSkinOnTheBorderBands) {
    SkinnedWindow w;
    const int W = 420, H = 330;
    w.resize(W, H);
    w.activate();
    pumpFor(200);
    // The objects (buttons and the caption with its text) are masked out: the render has no objects.
    std::vector<Rect> objects;
    for (const auto& o : w.skinForm->objects())
        objects.push_back(o->objectRect);
    const auto result = screen_testing::compareFrameWithRender(w.bounds(), w.preview(), objects);
    EXPECT_GT(result.compared, 2 * (W + H));
    EXPECT_EQ(result.different, 0) << result.firstDifferences;
}

TEST(SkinFormWindow, CloseButtonMorphsOnHoverAndClosesOnlyWhenReleasedOverIt) {
    SkinnedWindow w;
    auto* close = dynamic_cast<skin::SkinButtonObject*>(w.skinForm->findObject("closebutton"));
    ASSERT_NE(close, nullptr);
    const POINT c = w.centreOf("closebutton");
    runInput([&] {
        mouseTo(c.x, c.y);
        Sleep(400);
    });
    EXPECT_TRUE(close->active);
    EXPECT_EQ(close->morphFactor, 1.0);
    // The final image on the screen is the active image.
    {
        const core::FBitmap* active = w.store->activePicture(2);
        ASSERT_NE(active, nullptr);
        HDC screen = GetDC(nullptr);
        const COLORREF got = GetPixel(screen, c.x, c.y);
        ReleaseDC(nullptr, screen);
        const core::Rect a = close->activeSkinRect;
        EXPECT_EQ(core::Color(got), active->pixel((a.left + a.right) / 2, (a.top + a.bottom) / 2));
    }
    // Pressed, moved out, released after the mouse timer saw it leave: nothing happens.
    runInput([&] {
        mouseButton(MOUSEEVENTF_LEFTDOWN);
        Sleep(150);
        mouseTo(c.x - 150, c.y + 150);
        Sleep(300);
        mouseButton(MOUSEEVENTF_LEFTUP);
        Sleep(300);
    });
    EXPECT_TRUE(IsWindowVisible(w.hwnd()));
    EXPECT_FALSE(close->down);
    // Released over it: the window closes.
    runInput([&] {
        mouseTo(c.x, c.y);
        Sleep(300);
        mouseButton(MOUSEEVENTF_LEFTDOWN);
        Sleep(150);
        mouseButton(MOUSEEVENTF_LEFTUP);
        Sleep(300);
    });
    EXPECT_FALSE(IsWindowVisible(w.hwnd()));
}

TEST(SkinFormWindow, MorphRunsInStepsOfAFifthAndBack) {
    SkinnedWindow w;
    skin::FormSkinObject* close = w.skinForm->findObject("closebutton");
    close->active = true;
    close->morphFactor = 0;
    for (double want : {0.2, 0.4, 0.6, 0.8, 1.0}) {
        w.skinForm->morphTimerTick();
        EXPECT_DOUBLE_EQ(close->morphFactor, want);
    }
    close->active = false;
    for (double want : {0.8, 0.6, 0.4, 0.2, 0.0}) {
        w.skinForm->morphTimerTick();
        EXPECT_NEAR(close->morphFactor, want, 1e-12);
    }
    w.skinForm->morphTimerTick();
    EXPECT_FALSE(w.skinForm->isMorphTimerRunning());
}

TEST(SkinFormWindow, CaptionDragMovesAndTheCornerResizesWithinTheLimits) {
    SkinnedWindow w;
    BOOL original = FALSE;
    SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &original, 0);
    for (BOOL full : {FALSE, TRUE}) {
        SCOPED_TRACE(full ? "full-window drag" : "outline drag");
        SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, full, nullptr, 0);
        w.resize(320, 240);
        w.activate();
        const RECT before = w.bounds();
        const POINT grab = w.screen({60, 12});
        ASSERT_EQ(SendMessageW(w.hwnd(), WM_NCHITTEST, 0, MAKELPARAM(grab.x, grab.y)), HTCAPTION);
        runInput([&] { drag(grab, {grab.x + 50, grab.y + 30}); });
        const RECT after = w.bounds();
        EXPECT_EQ(after.left - before.left, 50);
        EXPECT_EQ(after.top - before.top, 30);
        EXPECT_EQ(after.right - after.left, 320);

        // The bottom-right corner zone, at a point that belongs to the window's region.
        int cornerX = 0, cornerY = 0;
        bool found = false;
        for (int dy = 1; dy < 12 && !found; ++dy)
            for (int dx = 1; dx < 8 && !found; ++dx) {
                const POINT p = w.screen({320 - dx, 240 - dy});
                HRGN rgn = CreateRectRgn(0, 0, 0, 0);
                GetWindowRgn(w.hwnd(), rgn);
                found = PtInRegion(rgn, 320 - dx, 240 - dy) &&
                        SendMessageW(w.hwnd(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)) == HTBOTTOMRIGHT;
                DeleteObject(rgn);
                cornerX = dx;
                cornerY = dy;
            }
        ASSERT_TRUE(found);
        POINT corner = w.screen({320 - cornerX, 240 - cornerY});
        runInput([&] { drag(corner, {corner.x + 60, corner.y + 40}); });
        RECT r = w.bounds();
        EXPECT_EQ(r.right - r.left, 380);
        EXPECT_EQ(r.bottom - r.top, 280);
        // Region and frame follow the new size.
        EXPECT_EQ(w.skinForm->frameSize(), (core::Point{380, 280}));
        // Shrinking stops at the skin's minimum: the picture's width, the frame without its client.
        corner = w.screen({380 - cornerX, 280 - cornerY});
        runInput([&] { drag(corner, {corner.x - 400, corner.y - 400}); });
        r = w.bounds();
        EXPECT_EQ(r.right - r.left, 184);
        EXPECT_EQ(r.bottom - r.top, 141 - 106);
    }
    SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, original, nullptr, 0);
}

TEST(SkinFormWindow, CaptionDoubleClickMaximisesAndRestoresAndRollUpLeavesTheCaption) {
    SkinnedWindow w;
    const RECT normal = w.bounds();
    auto doubleClick = [&] {
        const POINT p = w.screen({60, 12});
        runInput([&] {
            mouseTo(p.x, p.y);
            Sleep(150);
            for (int i = 0; i < 2; ++i) {
                mouseButton(MOUSEEVENTF_LEFTDOWN);
                Sleep(30);
                mouseButton(MOUSEEVENTF_LEFTUP);
                Sleep(60);
            }
            Sleep(300);
        });
    };
    doubleClick();
    EXPECT_EQ(w.skinForm->windowState(), skin::FormWindowState::Maximized);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const RECT max = w.bounds();
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    if (work.right - work.left == sw && work.bottom - work.top == sh) // the work area is the screen
        EXPECT_EQ((Rect{max.left, max.top, max.right, max.bottom}), (Rect{1, 1, sw - 1, sh - 1}));
    else
        EXPECT_EQ((Rect{max.left, max.top, max.right, max.bottom}),
                  (Rect{work.left, work.top, work.right, work.bottom}));
    doubleClick();
    EXPECT_EQ(w.skinForm->windowState(), skin::FormWindowState::Normal);
    EXPECT_EQ((Rect{w.bounds().left, w.bounds().top, w.bounds().right, w.bounds().bottom}),
              (Rect{normal.left, normal.top, normal.right, normal.bottom}));

    // The maximise button does the same, and shows its restore image while the window is maximised.
    const POINT maxButton = w.centreOf("maxbutton");
    auto clickAt = [](POINT p) {
        runInput([&] {
            mouseTo(p.x, p.y);
            Sleep(200);
            mouseButton(MOUSEEVENTF_LEFTDOWN);
            Sleep(80);
            mouseButton(MOUSEEVENTF_LEFTUP);
            Sleep(300);
        });
    };
    clickAt(maxButton);
    EXPECT_EQ(w.skinForm->windowState(), skin::FormWindowState::Maximized);
    auto* maxObject = dynamic_cast<skin::SkinStdButtonObject*>(w.skinForm->findObject("maxbutton"));
    core::FBitmap drawn(maxObject->objectRect.width(), maxObject->objectRect.height());
    maxObject->active = false;
    maxObject->morphFactor = 0;
    maxObject->draw(drawn, {maxObject->objectRect.left, maxObject->objectRect.top}, true);
    const core::Rect restore = maxObject->restoreRect;
    EXPECT_EQ(drawn.pixel(5, 5), w.store->activePicture(2)->pixel(restore.left + 5, restore.top + 5));
    clickAt(w.centreOf("maxbutton"));
    EXPECT_EQ(w.skinForm->windowState(), skin::FormWindowState::Normal);

    w.skinForm->setRollUp(true);
    pumpFor(50);
    EXPECT_EQ(w.bounds().bottom - w.bounds().top, w.skinForm->minimumFrameSize().y);
    EXPECT_EQ(w.bounds().bottom - w.bounds().top, 141 - 106); // the caption strip only
    w.skinForm->setRollUp(false);
    pumpFor(50);
    EXPECT_EQ(w.bounds().bottom - w.bounds().top, normal.bottom - normal.top);
}

namespace {

// Waits (dispatching messages) until the form's skinned menu is open; false when it did not open.
bool waitForMenu(skin::SkinForm& form) {
    for (int waited = 0; !form.menuEngine().isVisible() && waited < 4000; waited += 50)
        pumpFor(50);
    return form.menuEngine().isVisible();
}

// The captions of the skinned system menu once it is open (empty when it did not open); closes it.
std::vector<std::string> readSystemMenu(skin::SkinForm& form) {
    std::vector<std::string> items;
    skin::SkinMenu& engine = form.menuEngine();
    if (!waitForMenu(form))
        return items;
    skin::SkinPopupWindow& window = engine.window(0);
    for (int i = 0; i < window.entryCount(); ++i)
        items.push_back(window.entry(i).menuItem().caption());
    engine.closeAll();
    pumpFor(100);
    return items;
}

} // namespace

TEST(SkinFormWindow, SystemMenuOpensFromTheCaptionAndFromAltSpace) {
    SkinnedWindow w;
    const POINT p = w.screen({60, 12});
    // Right-click on the caption until the menu opens: on a busy machine the first click can land
    // before the window has taken the activation.
    auto openByRightClick = [&] {
        std::vector<std::string> read;
        for (int attempt = 0; attempt < 3 && read.empty(); ++attempt) {
            w.activate();
            runInput([&p] { clickAt(p.x, p.y, 3); });
            read = readSystemMenu(*w.skinForm);
        }
        return read;
    };
    std::vector<std::string> items = openByRightClick();
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0], "最小化(&N)");
    EXPECT_EQ(items[1], "最大化(&X)");
    EXPECT_EQ(items[2], "卷起(&L)");
    EXPECT_EQ(items[3], "-"); // separator
    EXPECT_EQ(items[4].substr(0, 10), "关闭(&C)");

    // Roll up from the menu: only the caption is left.
    for (int attempt = 0; attempt < 3 && !w.skinForm->menuEngine().isVisible(); ++attempt) {
        w.activate();
        runInput([&p] { clickAt(p.x, p.y, 3); });
        waitForMenu(*w.skinForm);
    }
    ASSERT_TRUE(w.skinForm->menuEngine().isVisible());
    runInput([] {
        key(L"l", false);
        key(L"l", true);
        Sleep(300);
    });
    pumpFor(100);
    EXPECT_TRUE(w.skinForm->isRolledUp());
    EXPECT_EQ(w.bounds().bottom - w.bounds().top, 35);
    w.skinForm->setRollUp(false);

    // The system-menu button opens the same menu below itself.
    const POINT button = w.centreOf("sysmenubutton");
    std::vector<std::string> buttonItems;
    for (int attempt = 0; attempt < 3 && buttonItems.empty(); ++attempt) {
        w.activate();
        runInput([&] { clickAt(button.x, button.y, 1); });
        buttonItems = readSystemMenu(*w.skinForm);
    }
    EXPECT_EQ(buttonItems.size(), 5u);
    pumpFor(100);
    EXPECT_FALSE(dynamic_cast<skin::SkinButtonObject*>(w.skinForm->findObject("sysmenubutton"))->down);

    // NOTE: under Xvfb the keyboard focus follows activation a little later; a key sent in between
    // goes nowhere, so Alt+Space is tried again until the window has taken it.
    std::vector<std::string> altSpaceItems;
    for (int attempt = 0; attempt < 3 && altSpaceItems.empty(); ++attempt) {
        w.activate();
        pumpFor(200);
        runInput([&] {
            key(L"alt", false);
            key(L"space", false);
            key(L"space", true);
            key(L"alt", true);
        });
        altSpaceItems = readSystemMenu(*w.skinForm);
    }
    EXPECT_EQ(altSpaceItems.size(), 5u);
}

TEST(SkinFormWindow, OpacityIsSetOnTheLayeredWindow) {
    SkinnedWindow w;
    w.skinForm->setAlphaBlendValue(150);
    w.skinForm->setAlphaBlend(true);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(w.hwnd(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 150);
    EXPECT_TRUE(flags & LWA_ALPHA);
    // Shown again with the fade: it ends at the value.
    w.skinForm->setAlphaBlendAnimation(true);
    w.form->hide();
    w.form->showForm();
    pumpFor(200);
    ASSERT_TRUE(GetLayeredWindowAttributes(w.hwnd(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 150);
    w.skinForm->setAlphaBlend(false);
    EXPECT_FALSE(GetWindowLongPtrW(w.hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
}

namespace {

BOOL CALLBACK countWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int threadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countWindow, LPARAM(&count));
    return count;
}

} // namespace

TEST(SkinFormWindow, SkinSwitchesAndResizesLeaveNoHandlesBehind) {
    SkinnedWindow w;
    // One round first, so that what is made once (caches, fonts) is made.
    w.store->setCompressedStoredSkin(w.package);
    w.resize(400, 300);
    pumpFor(100);
    const long handles = winbase::liveHandleCount();
    ASSERT_GT(handles, 0); // the frame strips and the skin's bitmaps at least
    const int windows = threadWindows();
    // A thousand of each, at about 10 ms a reload and 5 ms a resize under Wine. Reloads go through
    // the store with the window hidden, so that each rebuilds the frame's objects, fonts and region
    // without painting it; resizes go straight through SetWindowPos with the messages they leave
    // handled before the next (the paints included), without the settling pause of resize().
    ShowWindow(w.hwnd(), SW_HIDE);
    for (int i = 0; i < 1000; ++i) {
        w.store->setCompressedStoredSkin(w.package);
        gui::application().processMessages();
    }
    ShowWindow(w.hwnd(), SW_SHOWNA);
    for (int i = 0; i < 1000; ++i) {
        SetWindowPos(w.hwnd(), nullptr, 0, 0, 300 + i % 50, 250 + i % 30,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        gui::application().processMessages();
    }
    w.resize(400, 300);
    pumpFor(100);
    EXPECT_EQ(winbase::liveHandleCount(), handles);
    EXPECT_EQ(threadWindows(), windows);
}

TEST(SkinFormWindow, MinimiseMagneticMoveAndTheMainWindow) {
    SkinnedWindow w;
    // Another window than the main one minimises to a caption strip at the work area's bottom-left.
    gui::CustomForm* main = gui::application().mainForm();
    gui::application().setMainForm(nullptr);
    const RECT normal = w.bounds();
    w.skinForm->executeCommand(skin::WindowCommand::cmMinimize);
    pumpFor(50);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const core::Point minimum = w.skinForm->minimumFrameSize();
    EXPECT_EQ(w.skinForm->windowState(), skin::FormWindowState::Minimized);
    EXPECT_EQ((Rect{w.bounds().left, w.bounds().top, w.bounds().right, w.bounds().bottom}),
              (Rect{work.left, work.bottom - minimum.y, work.left + minimum.x, work.bottom}));
    w.skinForm->executeCommand(skin::WindowCommand::cmMinimize); // restores
    pumpFor(50);
    EXPECT_EQ(w.skinForm->windowState(), skin::FormWindowState::Normal);
    EXPECT_EQ(w.bounds().left, normal.left);
    EXPECT_EQ(w.bounds().bottom, normal.bottom);

    // The application's main window minimises the application and keeps its own state.
    gui::application().setMainForm(w.form);
    w.skinForm->executeCommand(skin::WindowCommand::cmMinimize);
    pumpFor(100);
    EXPECT_TRUE(IsIconic(w.hwnd()));
    EXPECT_EQ(w.skinForm->windowState(), skin::FormWindowState::Normal);
    ShowWindow(w.hwnd(), SW_RESTORE);
    gui::application().setMainForm(main);
    w.activate();

    // Magnetic: a caption drag that ends 3 pixels from the work area's left edge snaps to it.
    w.skinForm->setMagnetic(true);
    const RECT before = w.bounds();
    const POINT grab = w.screen({60, 12});
    runInput([&] { drag(grab, {grab.x - (before.left - work.left) + 3, grab.y}); });
    EXPECT_EQ(w.bounds().left, work.left);
}
