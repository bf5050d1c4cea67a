// Hints with real mouse movement: the framework's plain hint after the pause, the skinned hint drawn
// from the Velmora skin, one active SkinHint at a time, and placement near the screen's corner.
#include "WindowTestSupport.h"
#include "core/BmpCodec.h"
#include "core/Stream.h"
#include "gui/ApplicationHints.h"
#include "gui/Bitmap.h"
#include "gui/Form.h"
#include "gui/Panel.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/DataSkinWindows.h"
#include "skin/data/SkinData.h"
#include "skin/form/win32/FormSkinObjects.h"
#include "skin/form/win32/SkinForm.h"
#include "skin/popup/win32/SkinHint.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

core::Rect windowRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return {r.left, r.top, r.right, r.bottom};
}

// The colour the screen shows at a point.
COLORREF screenPixel(int x, int y) {
    HDC dc = GetDC(nullptr);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(nullptr, dc);
    return c;
}

// Keeps what the screen shows around r as a picture in the build folder, for a person to look at.
void saveScreen(const core::Rect& r, const char* name) {
    gui::Bitmap shot(r.width(), r.height());
    HDC screen = GetDC(nullptr);
    BitBlt(shot.dc(), 0, 0, r.width(), r.height(), screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    GdiFlush();
    const std::vector<uint8_t> bmp = core::encodeBmp(shot.toFBitmap());
    core::FileStream out(std::string(VELMORA_BINARY_DIR) + "/" + name + ".bmp",
                         core::FileStream::Mode::Create);
    out.writeBuffer(bmp.data(), bmp.size());
}

struct HintFixture : ::testing::Test {
    void SetUp() override {
        gui::application().setHintPause(150);
        gui::application().setHintHidePause(5000);
        // The mouse starts away from the form, so no hint shows before a test hovers.
        sendMouseMove(5, 5);
        form = std::make_unique<gui::Form>();
        form->setBounds(100, 100, 400, 300);
        panel = new gui::Panel(form.get());
        panel->setParent(form.get());
        panel->setBounds(20, 20, 200, 120);
        panel->setHint("Panel hint");
        panel->setShowHint(true);
        plain = new gui::Panel(form.get());
        plain->setParent(form.get());
        plain->setBounds(240, 20, 120, 120);
        form->show();
        pumpFor(200);
    }
    void TearDown() override {
        gui::application().cancelHint();
        form.reset();
        gui::application().setHintWindowClass(nullptr);
        gui::application().hints().recreateWindow();
        gui::application().onShowHint = nullptr;
    }
    // Moves the mouse into the middle of a control.
    void hover(gui::Control& c) {
        const core::Point p = c.clientToScreen({c.width() / 2, c.height() / 2});
        sendMouseMove(p.x, p.y);
        pumpFor(50);
        sendMouseMove(p.x + 1, p.y + 1);
    }
    bool hintShowing(DWORD timeout = 2000) {
        return pumpUntil([] { return gui::application().hints().isHintShowing(); }, timeout);
    }

    std::unique_ptr<gui::Form> form;
    gui::Panel* panel = nullptr;
    gui::Panel* plain = nullptr;
};

TEST_F(HintFixture, PlainHintShowsAfterThePauseAndHidesWhenTheMouseLeaves) {
    std::string shownText;
    gui::application().onShowHint = [&](std::string& text, bool&, gui::HintInfo& info) {
        shownText = text;
        EXPECT_EQ(info.control, panel);
    };
    hover(*panel);
    // Not before the pause.
    pumpFor(40);
    EXPECT_FALSE(gui::application().hints().isHintShowing());
    ASSERT_TRUE(hintShowing());
    EXPECT_EQ(shownText, "Panel hint");
    gui::HintWindow* w = gui::application().hints().hintWindow();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(IsWindowVisible(w->handle()));
    const core::Rect r = windowRect(w->handle());
    POINT cursor;
    GetCursorPos(&cursor);
    // Below the cursor, sized to the text plus margins.
    EXPECT_GT(r.top, cursor.y);
    EXPECT_GT(r.width(), 30);
    EXPECT_LT(r.height(), 40);
    pumpFor(100);
    // What the screen shows: the info background inside the frame.
    EXPECT_EQ(screenPixel(r.left + 1, r.bottom - 2), GetSysColor(COLOR_INFOBK));
    EXPECT_EQ(screenPixel(r.left, r.top), GetSysColor(COLOR_BTNSHADOW));
    saveScreen({100, 100, 500, 400}, "hint-plain");
    // A control without a hint: the hint goes.
    hover(*plain);
    EXPECT_TRUE(pumpUntil([&] { return !IsWindowVisible(w->handle()); }));
    EXPECT_EQ(gui::application().hints().hintControl(), nullptr);
}

TEST_F(HintFixture, ParentShowHintAndTheShowHintEventDecide) {
    auto* child = new gui::Panel(form.get());
    child->setParent(panel);
    child->setBounds(10, 10, 80, 60);
    // The child has no hint of its own and follows the panel's ShowHint: the panel's text shows.
    EXPECT_TRUE(child->parentShowHint());
    EXPECT_TRUE(child->showHint());
    EXPECT_EQ(gui::ApplicationHints::hintTextOf(*child), "Panel hint");
    child->setShowHint(false);
    EXPECT_FALSE(child->parentShowHint());
    hover(*child);
    EXPECT_FALSE(hintShowing(500));
    // A handler can cancel a hint.
    gui::application().onShowHint = [](std::string&, bool& canShow, gui::HintInfo&) { canShow = false; };
    hover(*panel);
    EXPECT_FALSE(hintShowing(500));
}

struct SkinHintFixture : HintFixture {
    void SetUp() override {
        HintFixture::SetUp();
        package.setPackageBytes(
            core::readFileBytes(std::string(VELMORA_BINARY_DIR) + "/skins/velmora/velmora.package"));
        velmora.setCompressedStoredSkin(&package);
        ASSERT_FALSE(velmora.isSkinEmpty());
    }
    skin::CompressedStoredSkin package;
    skin::SkinData velmora;
};

TEST_F(SkinHintFixture, ControlHintsAreDrawnFromTheSkinsHintPicture) {
    auto* hint = new skin::SkinHint(form.get());
    hint->setSkinData(&velmora);
    EXPECT_EQ(gui::application().hintShortPause(), 100);
    hover(*panel);
    ASSERT_TRUE(hintShowing());
    auto* w = dynamic_cast<skin::SkinHintWindow*>(gui::application().hints().hintWindow());
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isSkinned());
    EXPECT_EQ(w->styler(), hint);
    const skin::DataSkinHintWindow& record = velmora.hintWindowData();
    const core::FBitmap& picture = velmora.activePictureList()[size_t(record.windowPictureIndex)];
    const core::Rect r = windowRect(w->handle());
    // Never smaller than the hint picture.
    EXPECT_GE(r.width(), picture.width());
    EXPECT_GE(r.height(), picture.height());
    pumpFor(100);
    // The middle of the frame shows the picture's client part, not the plain info colour.
    EXPECT_NE(screenPixel(r.left + 3, r.top + r.height() / 2), GetSysColor(COLOR_INFOBK));
    saveScreen({100, 100, 500, 400}, "hint-skinned");
    hover(*plain);
    EXPECT_TRUE(pumpUntil([&] { return !IsWindowVisible(w->handle()); }));
    saveScreen({100, 100, 500, 400}, "hint-left");
}

TEST_F(SkinHintFixture, ActivatingOneSkinHintDeactivatesTheOther) {
    gui::application().setMainForm(form.get());
    auto* first = new skin::SkinHint(form.get());
    auto* second = new skin::SkinHint(form.get());
    first->setSkinData(&velmora);
    EXPECT_EQ(skin::SkinHint::activeHint(), first);
    second->setActive(false);
    second->setActive(true);
    EXPECT_FALSE(first->isActive());
    EXPECT_EQ(skin::SkinHint::activeHint(), second);
    // The second has no skin: plain hints in system colours.
    hover(*panel);
    ASSERT_TRUE(hintShowing());
    auto* w = dynamic_cast<skin::SkinHintWindow*>(gui::application().hints().hintWindow());
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->styler(), second);
    EXPECT_FALSE(w->isSkinned());
    // Without an active one no hint shows.
    gui::application().cancelHint();
    second->setActive(false);
    EXPECT_EQ(skin::SkinHint::activeHint(), nullptr);
    w->activateHint({10, 10, 10, 10}, "nobody styles this");
    EXPECT_FALSE(w->isHintVisible());
}

TEST_F(SkinHintFixture, OwnHintNearTheBottomRightCornerOpensUpAndLeft) {
    gui::application().setMainForm(form.get());
    auto* hint = new skin::SkinHint(form.get());
    hint->setSkinData(&velmora);
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    hint->window().activateHint({sw - 3, sh - 3, sw - 3, sh - 3}, "Corner");
    ASSERT_TRUE(hint->window().isHintVisible());
    const core::Rect r = windowRect(hint->window().handle());
    EXPECT_LE(r.right, sw - 3);
    EXPECT_LE(r.bottom, sh - 3);
    EXPECT_EQ(r.right, sw - 3 - 2);
    hint->hideHint();
    EXPECT_FALSE(hint->window().isHintVisible());
    // showHintText waits for the pause, then shows at the cursor.
    sendMouseMove(300, 300);
    hint->showHintText("Delayed");
    pumpFor(40);
    EXPECT_FALSE(hint->window().isHintVisible());
    EXPECT_TRUE(pumpUntil([&] { return hint->window().isHintVisible(); }));
    EXPECT_EQ(hint->window().caption(), "Delayed");
    EXPECT_GT(windowRect(hint->window().handle()).top, 300);
    hint->hideHint();
}

TEST_F(SkinHintFixture, ControlHintsArePlainAgainWhenTheLastSkinHintGoes) {
    auto* first = new skin::SkinHint(form.get());
    auto* second = new skin::SkinHint(form.get());
    delete first;
    hover(*panel);
    ASSERT_TRUE(hintShowing());
    EXPECT_NE(dynamic_cast<skin::SkinHintWindow*>(gui::application().hints().hintWindow()), nullptr);
    delete second;
    hover(*plain);
    hover(*panel);
    ASSERT_TRUE(hintShowing());
    EXPECT_EQ(dynamic_cast<skin::SkinHintWindow*>(gui::application().hints().hintWindow()), nullptr);
}

TEST_F(SkinHintFixture, SkinnedFormObjectsShowTheirBuiltInHints) {
    gui::application().setMainForm(form.get());
    auto* skinForm = new skin::SkinForm(form.get());
    auto* hint = new skin::SkinHint(form.get());
    hint->setSkinData(&velmora);
    skinForm->setSkinHint(hint);
    skinForm->setShowObjectHint(true);
    skinForm->setSkinData(&velmora);
    SetForegroundWindow(form->handle());
    pumpFor(300);
    skin::FormSkinObject* close = skinForm->findObject("closebutton");
    ASSERT_NE(close, nullptr);
    EXPECT_FALSE(close->hint.empty());
    RECT frame;
    GetWindowRect(form->handle(), &frame);
    const core::Rect r = close->objectRect;
    sendMouseMove(frame.left + (r.left + r.right) / 2, frame.top + (r.top + r.bottom) / 2);
    ASSERT_TRUE(pumpUntil([&] { return hint->window().isHintVisible(); }, 3000));
    EXPECT_EQ(hint->window().caption(), close->hint);
    saveScreen({frame.left, frame.top, frame.right, frame.bottom}, "hint-object");
    // Leaving the button hides it.
    hover(*plain);
    EXPECT_TRUE(pumpUntil([&] { return !hint->window().isHintVisible(); }));
}

} // namespace
