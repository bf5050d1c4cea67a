#include "SkinControlTestSupport.h"
#include "gui/Form.h"
#include "gui/Label.h"
#include "skin/controls/SkinPanel.h"
#include "skin/data/DataSkinControls.h"

#include <gtest/gtest.h>

using namespace skin_testing;
using core::Rect;

namespace {

class SkinPanelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { gui::application().initialize(); }

    void SetUp() override {
        fillVelmora(package);
        velmora.setCompressedStoredSkin(&package);
        ASSERT_FALSE(velmora.isSkinEmpty());
    }

    skin::CompressedStoredSkin package;
    skin::SkinData velmora;
    gui::Form form;
};

// Pixels where the unskinned framed panel shows its border and its face.
void expectUnskinnedFrame(skin::SkinPanel& panel, const char* what) {
    const core::FBitmap b = renderClient(panel);
    const int w = panel.width(), h = panel.height();
    EXPECT_EQ(b.pixel(0, 0), sys(core::clBtnShadow)) << what;
    EXPECT_EQ(b.pixel(w - 1, h - 1), sys(core::clBtnShadow)) << what;
    EXPECT_EQ(b.pixel(w / 2, 0), sys(core::clBtnShadow)) << what;
    EXPECT_EQ(b.pixel(1, 1), sys(core::clBtnFace)) << what;
    EXPECT_EQ(b.pixel(w / 2, h / 2), sys(core::clBtnFace)) << what;
}

} // namespace

TEST_F(SkinPanelTest, PaintsTheFallbackWithoutAUsableRecord) {
    skin::SkinData empty;
    skin::SkinPanel panel(&form);
    panel.setParent(&form);
    panel.setBounds(10, 10, 100, 80);
    expectUnskinnedFrame(panel, "no store");
    panel.setSkinData(&empty);
    EXPECT_FALSE(panel.isSkinned());
    expectUnskinnedFrame(panel, "empty store");
    panel.setSkinDataName("nosuchrecord");
    panel.setSkinData(&velmora);
    EXPECT_FALSE(panel.isSkinned());
    expectUnskinnedFrame(panel, "unknown record");
    // Record names are exact: the section was read regardless of case, the lookup is not.
    panel.setSkinDataName("Panel");
    panel.skinChanged();
    EXPECT_FALSE(panel.isSkinned());
    panel.setSkinDataName("panel");
    panel.skinChanged();
    EXPECT_TRUE(panel.isSkinned());
}

TEST_F(SkinPanelTest, ZeroSizedPanelPaintsNothing) {
    skin::SkinPanel panel(&form);
    panel.setParent(&form);
    panel.setSkinData(&velmora);
    panel.setBounds(0, 0, 0, 40);
    gui::Bitmap bitmap(10, 10);
    bitmap.canvas().brush().setColor(core::clRed);
    bitmap.canvas().fillRect({0, 0, 10, 10});
    panel.paintWindow(bitmap.dc(), {0, 0, 10, 10});
    GdiFlush();
    EXPECT_EQ(bitmap.pixels().pixel(5, 5), core::clRed);
}

TEST_F(SkinPanelTest, SkinnedGroupBoxPlacesCaptionAndChildrenForItsSize) {
    skin::SkinGroupBox box(&form);
    box.setParent(&form);
    box.setBounds(9, 9, 160, 324);
    box.setSkinData(&velmora);
    ASSERT_TRUE(box.isSkinned());
    EXPECT_EQ(box.resizeMode(), skin::ResizeMode::Both);
    EXPECT_EQ(box.width(), 160); // a nine-piece record keeps the designed size
    EXPECT_EQ(box.height(), 324);
    EXPECT_EQ(box.captionRectForSize(), (Rect{6, 4, 154, 20}));
    EXPECT_EQ(box.alignClientRect(), (Rect{2, 22, 158, 322}));

    gui::Label child(&form);
    child.setParent(&box);
    child.setAlign(gui::Align::alClient);
    box.realign();
    EXPECT_EQ(child.boundsRect(), (Rect{2, 22, 158, 322}));
}

TEST_F(SkinPanelTest, SkinnedCaptionIsWhiteAndCentred) {
    skin::SkinGroupBox box(&form);
    box.setParent(&form);
    box.setBounds(0, 0, 160, 100);
    box.setSkinData(&velmora);
    box.setCaption("");
    const core::FBitmap bare = renderClient(box);
    box.setCaption("Modules");
    const core::FBitmap titled = renderClient(box);
    // The text is what differs; it lies in the caption rectangle, in the record's white.
    Rect ink{1000, 1000, -1, -1};
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 160; ++x) {
            if (bare.pixel(x, y) == titled.pixel(x, y))
                continue;
            ASSERT_TRUE(x >= 6 && x < 154 && y >= 4 && y < 20) << x << "," << y;
            ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                   std::max(ink.bottom, y + 1)};
        }
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 80.0, 3.0);
    int white = 0;
    for (int y = ink.top; y < ink.bottom; ++y)
        for (int x = ink.left; x < ink.right; ++x)
            white += titled.pixel(x, y) == core::clWhite;
    EXPECT_GT(white, 10);
}

TEST_F(SkinPanelTest, FixedAndBarRecordsRefuseTheSizesTheyCannotTake) {
    // "updown" is a 16 x 24 record without corner points: the control cannot be resized.
    skin::SkinPanel fixed(&form);
    fixed.setParent(&form);
    fixed.setSkinDataName("updown");
    fixed.setBounds(5, 5, 200, 200);
    fixed.setSkinData(&velmora);
    ASSERT_EQ(fixed.resizeMode(), skin::ResizeMode::Fixed);
    EXPECT_EQ(fixed.width(), 16);
    EXPECT_EQ(fixed.height(), 24);
    fixed.setBounds(7, 8, 300, 90);
    EXPECT_EQ(fixed.boundsRect(), (Rect{7, 8, 23, 32}));

    // "checkbox" only grows in width: a height request is overridden by the skin's 20.
    skin::SkinPanel bar(&form);
    bar.setParent(&form);
    bar.setSkinDataName("checkbox");
    bar.setSkinData(&velmora);
    ASSERT_EQ(bar.resizeMode(), skin::ResizeMode::Horizontal);
    bar.setBounds(0, 0, 120, 77);
    EXPECT_EQ(bar.width(), 120);
    EXPECT_EQ(bar.height(), 20);
}

TEST_F(SkinPanelTest, DefaultSizeAppliesOnlyWhileUnskinned) {
    skin::SkinPanel panel(&form);
    panel.setParent(&form);
    panel.setDefaultWidth(120);
    EXPECT_EQ(panel.width(), 120);
    panel.setSkinDataName("updown");
    panel.setSkinData(&velmora);
    panel.setDefaultHeight(70);
    EXPECT_EQ(panel.height(), 24);
    panel.skinChanging();
    panel.setSkinData(nullptr);
    panel.skinChanged();
    EXPECT_EQ(panel.width(), 120);
    EXPECT_EQ(panel.height(), 70);
}

TEST_F(SkinPanelTest, RollingUpHidesEveryChildAndUnrollingShowsThemAll) {
    skin::SkinPanel panel(&form);
    panel.setParent(&form);
    panel.setBounds(0, 0, 200, 150);
    panel.setCaptionMode(true);
    gui::Label a(&form), b(&form), hidden(&form);
    for (gui::Label* l : {&a, &b, &hidden})
        l->setParent(&panel);
    hidden.setVisible(false);
    int changes = 0;
    panel.onChangeRollUpState = [&](core::Component*) { ++changes; };

    panel.setRollUpState(true); // roll-up mode is off: nothing happens
    EXPECT_FALSE(panel.rollUpState());
    EXPECT_EQ(changes, 0);

    panel.setRollUpMode(true);
    panel.setRollUpState(true);
    EXPECT_EQ(panel.height(), 23); // caption height + 1
    EXPECT_EQ(panel.realHeight(), 150);
    EXPECT_FALSE(a.isVisible());
    EXPECT_FALSE(b.isVisible());
    panel.setRollUpState(false);
    EXPECT_EQ(panel.height(), 150);
    EXPECT_EQ(panel.realHeight(), -1);
    EXPECT_TRUE(a.isVisible());
    EXPECT_TRUE(b.isVisible());
    EXPECT_TRUE(hidden.isVisible());
    EXPECT_EQ(changes, 2);
}

TEST_F(SkinPanelTest, CaptionClickRollsUpOnlyInsideTheCaption) {
    skin::SkinGroupBox box(&form);
    box.setParent(&form);
    box.setBounds(0, 0, 160, 120);
    box.setRollUpMode(true);
    box.deliverMouseDown(gui::MouseButton::mbLeft, {}, 80, 60, false);
    box.deliverMouseUp(gui::MouseButton::mbLeft, {}, 80, 60);
    EXPECT_FALSE(box.rollUpState());
    box.deliverMouseDown(gui::MouseButton::mbLeft, {}, 80, 10, false);
    box.deliverMouseUp(gui::MouseButton::mbLeft, {}, 80, 10);
    EXPECT_TRUE(box.rollUpState());
    EXPECT_EQ(box.height(), 23);

    // Skinned, the panel rolls up to the record's frame without its client area.
    box.setSkinData(&velmora);
    EXPECT_EQ(box.height(), 64 - 40);
    EXPECT_EQ(box.realHeight(), 120);
    box.deliverMouseDown(gui::MouseButton::mbLeft, {}, 80, 10, false);
    box.deliverMouseUp(gui::MouseButton::mbLeft, {}, 80, 10);
    EXPECT_FALSE(box.rollUpState());
    EXPECT_EQ(box.height(), 120);
}

TEST_F(SkinPanelTest, CheckedFiresAlwaysButTouchesChildrenOnlyInCheckedMode) {
    skin::SkinPanel panel(&form);
    panel.setParent(&form);
    gui::Label child(&form);
    child.setParent(&panel);
    int fired = 0;
    panel.onChecked = [&](core::Component*) { ++fired; };
    panel.setChecked(false);
    EXPECT_TRUE(child.isEnabled());
    EXPECT_EQ(fired, 1);
    panel.setCheckedMode(true);
    panel.setChecked(false);
    EXPECT_FALSE(child.isEnabled());
    panel.setChecked(true);
    EXPECT_TRUE(child.isEnabled());
    EXPECT_EQ(fired, 3);
}

TEST_F(SkinPanelTest, CheckedModeMakesRoomForTheCheckImageEvenWithoutAPicture) {
    auto* record =
        dynamic_cast<skin::DataSkinPanelControl*>(velmora.skinControl(velmora.findSkinControl("groupbox")));
    ASSERT_NE(record, nullptr);
    record->pictureIndex = 99; // names no picture: nothing to draw the check image from
    record->alignment = skin::Alignment::taLeftJustify;
    record->checkImageRect = {0, 0, 13, 13};
    skin::SkinGroupBox box(&form);
    box.setParent(&form);
    box.setBounds(0, 0, 160, 100);
    box.setSkinData(&velmora);
    ASSERT_TRUE(box.isSkinned());
    box.setCaption("Modules");
    auto inkLeft = [&] {
        const core::FBitmap b = renderClient(box);
        for (int x = 0; x < b.width(); ++x)
            for (int y = 0; y < 30; ++y)
                if (b.pixel(x, y) != sys(core::clBtnFace))
                    return x;
        return -1;
    };
    const int plain = inkLeft();
    ASSERT_GE(plain, 0);
    box.setCheckedMode(true);
    EXPECT_EQ(inkLeft() - plain, 13 + 2);
}
