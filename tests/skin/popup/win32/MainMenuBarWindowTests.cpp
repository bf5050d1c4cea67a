// The skinned main-menu bar with real input (xdotool on the display the program runs on).
#include "RealInput.h"
#include "WindowTestSupport.h"
#include "core/Stream.h"
#include "core/Utf8.h"
#include "gui/Form.h"
#include "gui/GraphicsClasses.h"
#include "gui/MainMenu.h"
#include "gui/MenuItem.h"
#include "layout/LayoutReader.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/form/win32/SkinForm.h"
#include "skin/form/win32/SkinFormClasses.h"
#include "skin/form/win32/SkinMainMenuBar.h"
#include "skin/popup/win32/SkinMenu.h"
#include "skin/popup/win32/SkinPopupWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace testing_support;
using menu_testing::xdotool;

namespace {

// Real input; the test is skipped where xdotool cannot reach the display.
void input(const std::string& args) {
    if (!xdotool(args))
        GTEST_SKIP() << "xdotool is not available";
    pumpFor(200);
}

// A skinned form with a bar: 0 &File > (&New, Open)   1 &Edit > (Cut)   2 Off (disabled)   3 &View > (Zoom)
struct BarFixture : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<gui::Form>();
        form->setBounds(150, 120, 420, 260);
        skinForm = new skin::SkinForm(form.get());
        mainMenu = new gui::MainMenu(form.get());
        auto add = [&](gui::MenuItem& parent, const char* caption) {
            auto* item = new gui::MenuItem(mainMenu);
            item->setCaption(caption);
            parent.add(item);
            return item;
        };
        gui::MenuItem* file = add(mainMenu->items(), "&File");
        add(*file, "&New")->onClick = [this](gui::MenuItem&) {
            events.push_back(skinForm->menuEngine().isVisible() ? "New (menu open)" : "New");
        };
        add(*file, "Open");
        add(*add(mainMenu->items(), "&Edit"), "Cut");
        add(mainMenu->items(), "Off")->setEnabled(false);
        add(*add(mainMenu->items(), "&View"), "Zoom");
        bar = new skin::SkinMainMenuBar(form.get());
        bar->setParent(form.get());
        bar->setSkinForm(skinForm);
        bar->setMainMenu(mainMenu);
        form->show();
        SetForegroundWindow(form->handle());
        pumpFor(300);
    }
    void TearDown() override {
        skinForm->menuEngine().closeAll();
        form.reset();
        pumpFor(50);
    }
    POINT itemCentre(int i) {
        const core::Point o = bar->clientOrigin();
        const core::Rect r = bar->itemRect(i);
        return {o.x + (r.left + r.right) / 2, o.y + (r.top + r.bottom) / 2};
    }
    void mouseTo(POINT p) { input("mousemove " + std::to_string(p.x) + " " + std::to_string(p.y)); }
    skin::SkinMenu& engine() { return skinForm->menuEngine(); }

    std::unique_ptr<gui::Form> form;
    skin::SkinForm* skinForm = nullptr;
    gui::MainMenu* mainMenu = nullptr;
    skin::SkinMainMenuBar* bar = nullptr;
    std::vector<std::string> events;
};

} // namespace

TEST_F(BarFixture, AltThenArrowsWalkTheBarWithWrapAround) {
    ASSERT_EQ(bar->itemCount(), 4);
    input("key alt");
    ASSERT_TRUE(bar->isInMenuMode());
    EXPECT_EQ(bar->activeItem(), 0);
    std::vector<int> seen;
    for (int i = 0; i < 3; ++i) {
        input("key Right");
        seen.push_back(bar->activeItem());
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 3, 0})) << "the disabled item is skipped, the end wraps";
    input("key Left");
    EXPECT_EQ(bar->activeItem(), 3);
    EXPECT_FALSE(engine().isVisible());

    // Down opens the item's submenu below it; Right on an entry without a submenu moves along.
    input("key Down");
    ASSERT_TRUE(engine().isVisible());
    EXPECT_TRUE(bar->isItemDown(3));
    input("key Right");
    EXPECT_TRUE(bar->isItemDown(0));
    ASSERT_EQ(engine().windowCount(), 1);
    const core::Point o = bar->clientOrigin();
    EXPECT_EQ(engine().window(0).screenRect().left, o.x + bar->itemRect(0).left);
    EXPECT_EQ(engine().window(0).screenRect().top, o.y + bar->itemRect(0).bottom);

    // Escape closes the submenu and leaves the bar in menu mode; a second Escape leaves it.
    input("key Escape");
    EXPECT_FALSE(engine().isVisible());
    EXPECT_TRUE(bar->isInMenuMode());
    EXPECT_EQ(bar->activeItem(), 0);
    input("key Escape");
    EXPECT_FALSE(bar->isInMenuMode());
    EXPECT_FALSE(skinForm->isInMenu());
}

TEST_F(BarFixture, AltWithALetterOpensThatItem) {
    input("key alt+v");
    ASSERT_TRUE(engine().isVisible());
    EXPECT_TRUE(bar->isItemDown(3));
    EXPECT_EQ(&engine().window(0).entry(0).menuItem(), bar->itemMenuItem(3).item(0));
    input("key Escape");
    input("key Escape");
    EXPECT_FALSE(bar->isInMenuMode());
}

TEST_F(BarFixture, OpenMenuFollowsTheMouseAlongTheBarAndCommandsCloseIt) {
    mouseTo(itemCentre(0));
    input("click 1");
    ASSERT_TRUE(engine().isVisible());
    EXPECT_TRUE(bar->isItemDown(0));
    mouseTo(itemCentre(1));
    EXPECT_TRUE(bar->isItemDown(1));
    EXPECT_FALSE(bar->isItemDown(0));
    ASSERT_EQ(engine().windowCount(), 1);
    EXPECT_EQ(engine().window(0).entryCount(), 1); // Edit's single entry

    mouseTo(itemCentre(0));
    ASSERT_TRUE(bar->isItemDown(0));
    skin::SkinPopupWindow& w = engine().window(0);
    const core::Rect r = w.screenRect();
    const core::Rect e = w.entry(0).objectRect;
    mouseTo({r.left + (e.left + e.right) / 2, r.top + (e.top + e.bottom) / 2});
    input("click 1");
    EXPECT_EQ(events, (std::vector<std::string>{"New"}));
    EXPECT_FALSE(engine().isVisible());
    EXPECT_FALSE(bar->isInMenuMode());
    EXPECT_EQ(bar->activeItem() >= 0 && bar->isItemDown(bar->activeItem()), false);
}

TEST_F(BarFixture, ItemsThatDoNotFitHideBehindTheMarkerAndComeBackWhenWider) {
    form->setWidth(120);
    pumpFor(100);
    ASSERT_TRUE(bar->hasHiddenItems());
    int shown = 0;
    for (int i = 0; i < bar->itemCount(); ++i)
        shown += bar->isItemShown(i) ? 1 : 0;
    ASSERT_LT(shown, 4);
    const core::Point o = bar->clientOrigin();
    const core::Rect m = bar->markerRect();
    mouseTo({o.x + (m.left + m.right) / 2, o.y + (m.top + m.bottom) / 2});
    input("click 1");
    ASSERT_TRUE(engine().isVisible());
    // The popup lists the hidden items, each with its own enabled state.
    skin::SkinPopupWindow& w = engine().window(0);
    EXPECT_EQ(w.entryCount(), 4 - shown);
    for (int i = 0; i < w.entryCount(); ++i)
        EXPECT_EQ(&w.entry(i).menuItem(), &bar->itemMenuItem(shown + i));
    engine().closeAll();

    form->setWidth(420);
    pumpFor(100);
    EXPECT_FALSE(bar->hasHiddenItems());
    EXPECT_TRUE(bar->isItemShown(3));
    EXPECT_FALSE(bar->itemMenuItem(2).isEnabled());
    EXPECT_TRUE(bar->itemMenuItem(3).isEnabled());
}

TEST_F(BarFixture, SkinnedBarAndMenusTakeTheSkinsPictures) {
    skin::CompressedStoredSkin package;
    package.setPackageBytes(
        core::readFileBytes(std::string(VELMORA_BINARY_DIR) + "/skins/velmora/velmora.package"));
    skin::SkinData store;
    store.setCompressedStoredSkin(&package);
    skinForm->setSkinData(&store);
    bar->setSkinData(&store);
    pumpFor(200);
    EXPECT_TRUE(bar->isSkinned());
    EXPECT_EQ(bar->height(), 22); // the bar picture's height
    mouseTo(itemCentre(0));
    input("click 1");
    ASSERT_TRUE(engine().isVisible());
    skin::SkinPopupWindow& w = engine().window(0);
    // Entries take the height of the skin's entry picture (24) inside the popup frame's items band.
    EXPECT_EQ(w.entry(0).objectRect.height(), 24);
    EXPECT_EQ(w.entry(0).objectRect.left, 7);
    // For people: VELMORA_HOLD_MS keeps the open menu on the screen so that a picture can be taken.
    if (const char* hold = std::getenv("VELMORA_HOLD_MS")) {
        xdotool("mousemove " + std::to_string(itemCentre(0).x) + " " + std::to_string(itemCentre(0).y + 40));
        pumpFor(DWORD(std::atoi(hold)));
    }
    engine().closeAll();
    skinForm->setSkinData(nullptr);
    bar->setSkinData(nullptr);
}

// A layout places the bar, its menu and its skinned form by name.
TEST(SkinMainMenuBarLayout, LayoutWiresTheBarToItsMenuAndForm) {
    gui::registerGraphicsClasses();
    skin::registerSkinFormClasses();
    gui::Form form;
    layout::readLayout(form,
                       "object Form1: TForm\n"
                       "  object SkinForm1: TSkinForm\n"
                       "  end\n"
                       "  object MainMenu1: TMainMenu\n"
                       "    object File1: TMenuItem\n"
                       "      Caption = '&File'\n"
                       "    end\n"
                       "  end\n"
                       "  object Bar1: TSkinMainMenuBar\n"
                       "    SkinForm = SkinForm1\n"
                       "    MainMenu = MainMenu1\n"
                       "    PopupToUp = True\n"
                       "  end\n"
                       "end\n",
                       "Unit1");
    auto* bar = dynamic_cast<skin::SkinMainMenuBar*>(form.findComponent("Bar1"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->itemCount(), 1);
    EXPECT_TRUE(bar->popupToUp());
    auto* skinForm = dynamic_cast<skin::SkinForm*>(form.findComponent("SkinForm1"));
    ASSERT_NE(skinForm, nullptr);
    EXPECT_EQ(skinForm->mainMenuBar(), bar);
}
