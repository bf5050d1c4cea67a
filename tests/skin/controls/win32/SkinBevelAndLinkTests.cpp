#include "SkinControlTestSupport.h"
#include "gui/Form.h"
#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinLinkLabel.h"
#include "skin/controls/SkinPanel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace skin_testing;

namespace {

class SkinBevelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { gui::application().initialize(); }

    void SetUp() override {
        host.setParent(&form);
        host.setBorderStyle(skin::SkinBorderStyle::bvNone);
        host.setBounds(0, 0, 400, 50);
        bevel.setParent(&host);
        bevel.setBounds(16, 36, 378, 3);
    }

    gui::Form form;
    skin::SkinPanel host{&form};
    skin::SkinBevel bevel{&form};
};

std::vector<std::string> g_opened;
void recordOpen(const std::string& url) {
    g_opened.push_back(url);
}

} // namespace

TEST_F(SkinBevelTest, LoweredBoxIsShadowTopLeftAndHighlightBottomRight) {
    const core::FBitmap b = renderClient(host);
    const core::Color dark = sys(core::clBtnShadow), light = sys(core::clBtnHighlight);
    EXPECT_EQ(b.pixel(16, 36), dark);
    EXPECT_EQ(b.pixel(16, 38), dark);
    EXPECT_EQ(b.pixel(200, 36), dark);
    EXPECT_EQ(b.pixel(16 + 377, 36), light);
    EXPECT_EQ(b.pixel(16 + 377, 38), light);
    EXPECT_EQ(b.pixel(200, 38), light);
    EXPECT_EQ(b.pixel(200, 37), sys(core::clBtnFace));
    EXPECT_EQ(b.pixel(15, 37), sys(core::clBtnFace));
}

TEST_F(SkinBevelTest, DividerModeDrawsAHorizontalLineForTopLines) {
    bevel.setShape(gui::BevelShape::bsTopLine);
    bevel.setDividerMode(true);
    bevel.setStyle(gui::BevelStyle::bsRaised);
    const core::FBitmap b = renderClient(host);
    const core::Color dark = sys(core::clBtnShadow), light = sys(core::clBtnHighlight);
    EXPECT_EQ(b.pixel(16 + 1, 36), sys(core::clBtnFace));
    EXPECT_EQ(b.pixel(16 + 2, 36), light);
    EXPECT_EQ(b.pixel(16 + 375, 36), light);
    EXPECT_EQ(b.pixel(16 + 3, 37), dark);
    EXPECT_EQ(b.pixel(16 + 376, 37), dark);
    EXPECT_EQ(b.pixel(16 + 200, 38), sys(core::clBtnFace));
}

TEST_F(SkinBevelTest, AssigningNoStoreRestoresTheSystemColours) {
    skin::CompressedStoredSkin package;
    fillVelmora(package);
    skin::SkinData store;
    store.setCompressedStoredSkin(&package);
    bevel.setSkinData(&store);
    EXPECT_EQ(bevel.darkColor(), 8421504);
    bevel.setSkinData(nullptr);
    EXPECT_EQ(bevel.lightColor(), core::clBtnHighlight);
    EXPECT_EQ(bevel.darkColor(), core::clBtnShadow);
}

TEST_F(SkinBevelTest, LinkLabelOpensItsUrlEvenWhenEmpty) {
    skin::SkinLinkLabel link(&form);
    link.setParent(&host);
    const auto previous = skin::SkinLinkLabel::setUrlOpener(&recordOpen);
    g_opened.clear();
    link.performClick();
    link.setUrl("http://example.invalid/");
    int clicks = 0;
    link.onClick = [&](core::Component*) { ++clicks; };
    link.performClick();
    skin::SkinLinkLabel::setUrlOpener(previous);
    EXPECT_EQ(g_opened, (std::vector<std::string>{"", "http://example.invalid/"}));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(link.cursor(), -21); // the hand
}

TEST_F(SkinBevelTest, LinkLabelIsUnderlinedTurnsActiveUnderTheMouseAndKeepsALineHeight) {
    skin::SkinLinkLabel link(&form);
    link.setParent(&host);
    link.setAutoSize(false);
    link.setBounds(5, 5, 3, 3);
    link.setAutoSize(true);
    EXPECT_GE(link.height(), 12); // empty caption still one line of Arial 14

    link.setAutoSize(false);
    link.setCaption("WWWW");
    link.setBounds(5, 5, 60, 20);
    link.setUseSkinFont(false);
    link.font().setColor(core::clRed);
    auto inkOf = [&](core::Color colour) {
        const core::FBitmap b = renderClient(host);
        int n = 0;
        for (int y = 5; y < 25; ++y)
            for (int x = 5; x < 65; ++x)
                n += b.pixel(x, y) == colour;
        return n;
    };
    EXPECT_GT(inkOf(core::clRed), 20);
    link.deliverMouseEnter();
    EXPECT_EQ(inkOf(core::clRed), 0);
    EXPECT_GT(inkOf(core::clBlue), 20);
    link.deliverMouseLeave();
    EXPECT_GT(inkOf(core::clRed), 20);
}
