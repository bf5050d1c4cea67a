// The skinned main-menu bar's items under the mouse: their enter/leave events, the morph between the
// normal and active images, and the bar's default width. Mouse messages go straight to the bar.
#include "SkinFormTestSupport.h"
#include "gui/MainMenu.h"
#include "gui/MenuItem.h"
#include "skin/form/win32/SkinMainMenuBar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace form_testing;

namespace {

// A bar of  &File > New   &Edit > Cut  on a skinned window; the bar itself is skinned on request.
struct BarItems {
    SkinnedWindow window;
    gui::MainMenu* menu = nullptr;
    skin::SkinMainMenuBar* bar = nullptr;
    std::vector<std::string> events;

    explicit BarItems(bool skinnedBar) {
        SetCursorPos(0, 0); // the real cursor stays off the bar
        menu = new gui::MainMenu(window.form);
        for (const char* caption : {"&File", "&Edit"}) {
            auto* item = new gui::MenuItem(menu);
            item->setCaption(caption);
            auto* sub = new gui::MenuItem(menu);
            sub->setCaption("Sub");
            item->add(sub);
            menu->items().add(item);
        }
        bar = new skin::SkinMainMenuBar(window.form);
        bar->setParent(window.form);
        bar->setSkinForm(window.skinForm);
        bar->setMainMenu(menu);
        if (skinnedBar)
            bar->setSkinData(window.store);
        bar->onItemMouseEnter = [this](core::Component*, gui::MenuItem& i) {
            events.push_back("enter " + i.caption());
        };
        bar->onItemMouseLeave = [this](core::Component*, gui::MenuItem& i) {
            events.push_back("leave " + i.caption());
        };
        pumpFor(100);
    }
    void hover(int i) {
        const core::Rect r = bar->itemRect(i);
        SendMessageW(bar->handle(), WM_MOUSEMOVE, 0,
                     MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    }
    void leaveBar() { SendMessageW(bar->handle(), WM_MOUSELEAVE, 0, 0); }
};

} // namespace

TEST(SkinMainMenuBarItems, EnterAndLeaveEventsCarryTheHoveredItem) {
    BarItems b(false);
    ASSERT_EQ(b.bar->itemCount(), 2);
    b.hover(0);
    b.hover(0); // moving within the item fires nothing more
    b.hover(1);
    b.leaveBar();
    EXPECT_EQ(b.events,
              (std::vector<std::string>{"enter &File", "leave &File", "enter &Edit", "leave &Edit"}));
    EXPECT_EQ(b.bar->activeItem(), -1);

    // The keyboard walk reports the same way.
    b.events.clear();
    b.bar->enterMenuMode();
    b.bar->nextItem();
    EXPECT_EQ(b.events, (std::vector<std::string>{"enter &File", "leave &File", "enter &Edit"}));
    b.bar->leaveMenuMode();
}

TEST(SkinMainMenuBarItems, HoveredItemMorphsToActiveAndBack) {
    BarItems b(true);
    ASSERT_TRUE(b.bar->isSkinned());
    b.hover(0);
    ASSERT_TRUE(b.bar->isItemActive(0));
    EXPECT_TRUE(b.bar->isMorphTimerRunning());
    EXPECT_LT(b.bar->itemMorphFactor(0), 1.0);
    pumpFor(400);
    EXPECT_DOUBLE_EQ(b.bar->itemMorphFactor(0), 1.0);
    EXPECT_FALSE(b.bar->isMorphTimerRunning()) << "the timer stops once nothing is left to morph";

    b.leaveBar();
    EXPECT_FALSE(b.bar->isItemActive(0));
    EXPECT_TRUE(b.bar->isMorphTimerRunning());
    pumpFor(400);
    EXPECT_DOUBLE_EQ(b.bar->itemMorphFactor(0), 0.0);
    EXPECT_FALSE(b.bar->isMorphTimerRunning());
}

TEST(SkinMainMenuBarItems, DefaultWidthSizesOnlyAnUnskinnedBar) {
    BarItems b(false);
    b.bar->setAlign(gui::Align::alNone);
    b.bar->setDefaultWidth(230);
    EXPECT_EQ(b.bar->width(), 230);
    b.bar->setDefaultHeight(30);
    EXPECT_EQ(b.bar->height(), 30);

    b.bar->setSkinData(b.window.store);
    ASSERT_TRUE(b.bar->isSkinned());
    const int32_t skinnedHeight = b.bar->height();
    b.bar->setDefaultWidth(120);
    b.bar->setDefaultHeight(40);
    EXPECT_EQ(b.bar->width(), 230);
    EXPECT_EQ(b.bar->height(), skinnedHeight);
    EXPECT_EQ(b.bar->defaultWidth(), 120);
}
