// Skinned multi-document windows: children in the skinned frame, the tab bar, the window menu, the
// parent's caption and menu bar with a maximised child, merged child menus.
#include "SkinFormTestSupport.h"
#include "gui/GraphicsClasses.h"
#include "gui/MainMenu.h"
#include "gui/MenuItem.h"
#include "gui/ShortCut.h"
#include "layout/LayoutReader.h"
#include "skin/form/win32/SkinFormClasses.h"
#include "skin/form/win32/SkinMDITabsBar.h"
#include "skin/form/win32/SkinMainMenuBar.h"
#include "skin/popup/win32/SkinMenu.h"

#include <gtest/gtest.h>

#include <memory>

using namespace form_testing;
using skin::FormWindowState;
using skin::SkinBorderIcon;
using skin::WindowCommand;

namespace {

bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 2000) {
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < timeoutMs)
        pumpFor(5);
    return done();
}

gui::MenuItem* addItem(core::Component* owner, gui::MenuItem& parent, const char* caption, int group = 0) {
    auto* item = new gui::MenuItem(owner);
    item->setCaption(caption);
    item->setGroupIndex(group);
    parent.add(item);
    return item;
}

// A skinned multi-document frame (the main form) with a menu bar (File, Window), a tab bar and the
// Velmora skin; children are skinned with the same store.
struct MDIWindow : ::testing::Test {
    void SetUp() override {
        skin::installWindowsSkinNotifier();
        previousMain = gui::application().mainForm();
        frame = std::make_unique<gui::Form>();
        frame->setCaption("Frame");
        frame->setFormStyle(gui::FormStyle::fsMDIForm);
        frame->setBounds(120, 80, 640, 460);
        gui::application().setMainForm(frame.get());
        skinForm = new skin::SkinForm(frame.get());
        store = new skin::SkinData(frame.get());
        package = new skin::CompressedStoredSkin(frame.get());
        package->setPackageBytes(core::readFileBytes(velmoraPackagePath()));
        skinForm->setSkinData(store);
        store->setCompressedStoredSkin(package);

        menu = new gui::MainMenu(frame.get());
        file = addItem(menu, menu->items(), "&File", 0);
        addItem(menu, *file, "&New");
        window = addItem(menu, menu->items(), "&Window", 9);
        addItem(menu, *window, "&Cascade");
        frame->setMenu(menu);
        frame->setWindowMenu(window);
        bar = new skin::SkinMainMenuBar(frame.get());
        bar->setParent(frame.get());
        bar->setSkinData(store);
        bar->setMainMenu(menu);
        bar->setSkinForm(skinForm);
        tabs = new skin::SkinMDITabsBar(frame.get());
        tabs->setParent(frame.get());
        skinForm->setMDITabsBar(tabs);
        frame->showForm();
        pumpFor(100);
    }
    void TearDown() override {
        frame.reset();
        gui::application().setMainForm(previousMain);
    }

    gui::Form* child(const std::string& caption,
                     skin::SkinBorderIcons icons = {SkinBorderIcon::biSystemMenu, SkinBorderIcon::biMinimize,
                                                    SkinBorderIcon::biMaximize}) {
        auto* f = new gui::Form(frame.get());
        f->setFormStyle(gui::FormStyle::fsMDIChild);
        f->setCaption(caption);
        f->setBounds(10 + 20 * int(frame->mdiChildren().size()), 10, 260, 180);
        auto* s = new skin::SkinForm(f);
        s->setBorderIcons(icons);
        s->setSkinData(store);
        f->show();
        pumpFor(30);
        return f;
    }
    static skin::SkinForm& skinOf(gui::Form* f) { return *skin::SkinForm::findSkinForm(f); }
    bool isLive(const gui::Form* f) const {
        for (gui::CustomForm* c : gui::application().forms())
            if (c == f)
                return true;
        return false;
    }
    std::vector<std::string> tabCaptions() const {
        std::vector<std::string> list;
        for (int i = 0; i < tabs->tabCount(); ++i)
            list.push_back(tabs->tabCaption(i));
        return list;
    }
    std::vector<std::string> windowMenuEntries() const {
        std::vector<std::string> list;
        for (gui::MenuItem* item : window->items())
            if (item->name().ends_with("_SFCHILDITEM"))
                list.push_back(item->caption() + (item->isChecked() ? " *" : ""));
        return list;
    }
    std::vector<std::string> barCaptions() const {
        std::vector<std::string> list;
        for (int i = 0; i < bar->itemCount(); ++i)
            list.push_back(bar->itemMenuItem(i).caption());
        return list;
    }
    core::Rect clientWindowScreenRect() const {
        RECT r;
        GetClientRect(frame->clientHandle(), &r);
        MapWindowPoints(frame->clientHandle(), HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right, r.bottom};
    }
    // A left click on the tab bar, as window messages.
    void clickTab(int i) {
        const core::Rect r = tabs->tabRect(i);
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(tabs->handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(tabs->handle(), WM_LBUTTONUP, 0, at);
        pumpFor(30);
    }

    gui::CustomForm* previousMain = nullptr;
    std::unique_ptr<gui::Form> frame;
    skin::SkinForm* skinForm = nullptr;
    skin::SkinData* store = nullptr;
    skin::CompressedStoredSkin* package = nullptr;
    gui::MainMenu* menu = nullptr;
    gui::MenuItem* file = nullptr;
    gui::MenuItem* window = nullptr;
    skin::SkinMainMenuBar* bar = nullptr;
    skin::SkinMDITabsBar* tabs = nullptr;
};

} // namespace

// Tabs and window-menu entries come and go with the children, are renamed with them and follow the
// active one; a click on a tab activates its child. The client window has no frame of its own and
// lies between the two bars.
TEST_F(MDIWindow, TabsAndWindowMenuFollowTheChildren) {
    RECT outer, inner;
    GetWindowRect(frame->clientHandle(), &outer);
    GetClientRect(frame->clientHandle(), &inner);
    EXPECT_EQ(outer.right - outer.left, inner.right);
    EXPECT_EQ(frame->mdiClientRect().top, bar->height() + tabs->height());

    gui::Form* a = child("Doc A");
    gui::Form* b = child("Doc B");
    EXPECT_EQ(tabCaptions(), (std::vector<std::string>{"Doc A", "Doc B"}));
    EXPECT_EQ(tabs->activeTab(), 1);
    EXPECT_EQ(windowMenuEntries(), (std::vector<std::string>{"Doc A", "Doc B *"}));

    a->setCaption("Report");
    EXPECT_EQ(tabCaptions(), (std::vector<std::string>{"Report", "Doc B"}));
    EXPECT_EQ(windowMenuEntries(), (std::vector<std::string>{"Report", "Doc B *"}));

    clickTab(0);
    EXPECT_EQ(frame->activeMDIChild(), a);
    EXPECT_EQ(tabs->activeTab(), 0);
    EXPECT_EQ(windowMenuEntries(), (std::vector<std::string>{"Report *", "Doc B"}));

    b->hide();
    EXPECT_EQ(tabCaptions(), (std::vector<std::string>{"Report"}));
    EXPECT_EQ(windowMenuEntries(), (std::vector<std::string>{"Report *"}));
    b->show();
    pumpFor(30);
    EXPECT_EQ(tabCaptions(), (std::vector<std::string>{"Report", "Doc B"}));

    b->close();
    EXPECT_TRUE(pumpUntil([&] { return !isLive(b); }));
    EXPECT_EQ(tabCaptions(), (std::vector<std::string>{"Report"}));
    EXPECT_EQ(windowMenuEntries(), (std::vector<std::string>{"Report *"}));
    EXPECT_EQ(frame->activeMDIChild(), a);
    EXPECT_EQ(tabs->activeTab(), 0);
}

// A maximised child fills the client window without a frame; the parent's caption names it and the
// menu bar carries its buttons until it is restored; closing a maximised child (its close button, a
// double click on its system-menu button) takes them away too.
TEST_F(MDIWindow, MaximisedChildMovesItsFrameOntoTheParent) {
    gui::Form* a = child("Doc A");
    gui::Form* b = child("Doc B");
    skinOf(b).changeWindowState(FormWindowState::Maximized);
    pumpFor(30);
    RECT r;
    GetWindowRect(b->handle(), &r);
    EXPECT_EQ((core::Rect{r.left, r.top, r.right, r.bottom}), clientWindowScreenRect());
    GetClientRect(b->handle(), &r);
    EXPECT_EQ(r.right, clientWindowScreenRect().width()); // no frame left
    EXPECT_EQ(skinForm->captionText(), "Frame - [Doc B]");
    b->setCaption("Renamed");
    EXPECT_EQ(skinForm->captionText(), "Frame - [Renamed]");

    ASSERT_EQ(bar->buttonCount(), 4);
    const std::vector<WindowCommand> order{WindowCommand::cmSysMenu, WindowCommand::cmClose,
                                           WindowCommand::cmMaximize, WindowCommand::cmMinimize};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(bar->buttonCommand(i), order[size_t(i)]);
        EXPECT_TRUE(bar->isButtonEnabled(i));
    }
    // System menu at the left end; close outermost at the right, then restore, then minimise.
    EXPECT_LT(bar->buttonRect(0).right, bar->itemRect(0).left + 1);
    EXPECT_GT(bar->buttonRect(1).left, bar->buttonRect(2).left);
    EXPECT_GT(bar->buttonRect(2).left, bar->buttonRect(3).left);
    EXPECT_LE(bar->buttonRect(1).right, bar->width());

    // The frame's size change re-fits the maximised child.
    frame->setBounds(120, 80, 600, 420);
    pumpFor(30);
    GetWindowRect(b->handle(), &r);
    EXPECT_EQ((core::Rect{r.left, r.top, r.right, r.bottom}), clientWindowScreenRect());

    bar->runButton(2); // restore
    pumpFor(30);
    EXPECT_EQ(skinOf(b).windowState(), FormWindowState::Normal);
    EXPECT_EQ(skinForm->captionText(), "Frame");
    EXPECT_EQ(bar->buttonCount(), 0);
    EXPECT_EQ(b->width(), 260);

    skinOf(b).changeWindowState(FormWindowState::Maximized);
    EXPECT_EQ(bar->buttonCount(), 4);
    bar->runButton(1); // close
    EXPECT_TRUE(pumpUntil([&] { return !isLive(b); }));
    EXPECT_EQ(bar->buttonCount(), 0);
    EXPECT_EQ(skinForm->captionText(), "Frame");

    skinOf(a).changeWindowState(FormWindowState::Maximized);
    ASSERT_EQ(bar->buttonCount(), 4);
    const core::Rect sys = bar->buttonRect(0);
    SendMessageW(bar->handle(), WM_LBUTTONDBLCLK, MK_LBUTTON,
                 MAKELPARAM((sys.left + sys.right) / 2, (sys.top + sys.bottom) / 2));
    EXPECT_TRUE(pumpUntil([&] { return !isLive(a); }));
    EXPECT_EQ(bar->buttonCount(), 0);
    EXPECT_FALSE(skinForm->menuEngine().isVisible());
}

// Without biMinimize the maximised child's minimise button is there but disabled, and without
// biSystemMenu its system-menu button; a child's close item answers Ctrl+F4.
TEST_F(MDIWindow, ButtonsOfAChildWithoutMinimiseOrSystemMenuAreDisabled) {
    gui::Form* plain = child("Plain", {SkinBorderIcon::biMaximize});
    gui::MenuItem& systemMenu = skinOf(plain).buildSystemMenu();
    const gui::MenuItem* close = systemMenu.item(systemMenu.count() - 1);
    EXPECT_EQ(close->name(), "SF_CLOSE");
    EXPECT_EQ(gui::shortCutToText(close->shortCut()), "Ctrl+F4");
    skinOf(plain).changeWindowState(FormWindowState::Maximized);
    ASSERT_EQ(bar->buttonCount(), 4);
    EXPECT_FALSE(bar->isButtonEnabled(0)); // system menu
    EXPECT_TRUE(bar->isButtonEnabled(1));  // close
    EXPECT_TRUE(bar->isButtonEnabled(2));  // restore
    EXPECT_FALSE(bar->isButtonEnabled(3)); // minimise
    // A click on the disabled button does nothing.
    const core::Rect r = bar->buttonRect(3);
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(bar->handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(bar->handle(), WM_LBUTTONUP, 0, at);
    pumpFor(30);
    EXPECT_EQ(skinOf(plain).windowState(), FormWindowState::Maximized);

    // Minimising a child puts it at the bottom-left of the client window.
    gui::Form* other = child("Other");
    skinOf(other).changeWindowState(FormWindowState::Minimized);
    pumpFor(30);
    RECT w;
    GetWindowRect(other->handle(), &w);
    const core::Rect area = clientWindowScreenRect();
    EXPECT_EQ(w.left, area.left);
    EXPECT_EQ(w.bottom, area.bottom);
}

// The active child's menu merges into the bar by group index; a child without a menu brings the
// parent's items back, and the bar stays without scrolling from the first merge on.
TEST_F(MDIWindow, ActiveChildsMenuMergesIntoTheBar) {
    EXPECT_EQ(barCaptions(), (std::vector<std::string>{"&File", "&Window"}));
    EXPECT_TRUE(bar->scrollMenu());
    gui::Form* plain = child("Plain");
    gui::Form* editor = child("Editor");
    auto* childMenu = new gui::MainMenu(editor);
    addItem(childMenu, childMenu->items(), "&Edit", 1);
    addItem(childMenu, childMenu->items(), "F&ile", 0);
    editor->setMenu(childMenu);
    frame->next(); // re-activates the editor with its menu in place
    frame->previous();
    pumpFor(30);
    ASSERT_EQ(frame->activeMDIChild(), editor);
    EXPECT_EQ(barCaptions(), (std::vector<std::string>{"F&ile", "&Edit", "&Window"}));
    EXPECT_TRUE(bar->isChildMenuIn());
    EXPECT_FALSE(bar->scrollMenu());

    SendMessageW(frame->clientHandle(), WM_MDIACTIVATE, WPARAM(plain->handle()), 0);
    pumpFor(30);
    EXPECT_EQ(barCaptions(), (std::vector<std::string>{"&File", "&Window"}));
    EXPECT_FALSE(bar->isChildMenuIn());
    EXPECT_FALSE(bar->scrollMenu());
}

// With the real mouse: a click on a tab activates its child, a click on the bar's restore button
// restores the maximised child and the parent's caption loses the child's name.
TEST_F(MDIWindow, RealClicksOnTabAndRestoreButton) {
    gui::Form* a = child("Doc A");
    gui::Form* b = child("Doc B");
    auto click = [](gui::WinControl& c, const core::Rect& r) {
        const core::Point o = c.clientOrigin();
        const int x = o.x + (r.left + r.right) / 2, y = o.y + (r.top + r.bottom) / 2;
        clickAt(x, y, 1);
    };
    // A click that lands while the frame is still taking the activation is tried again.
    bool activated = false;
    for (int attempt = 0; attempt < 3 && !activated; ++attempt) {
        click(*tabs, tabs->tabRect(0));
        activated = pumpUntil([&] { return frame->activeMDIChild() == a; });
    }
    ASSERT_TRUE(activated) << "a click on the first tab did not activate its child";
    EXPECT_EQ(tabs->activeTab(), 0);

    skinOf(b).changeWindowState(FormWindowState::Maximized);
    pumpFor(30);
    ASSERT_EQ(bar->buttonCount(), 4);
    click(*bar, bar->buttonRect(2));
    EXPECT_TRUE(pumpUntil([&] { return skinOf(b).windowState() == FormWindowState::Normal; }));
    EXPECT_EQ(bar->buttonCount(), 0);
    EXPECT_EQ(skinForm->captionText(), "Frame");
}

// A layout makes a multi-document frame whose skinned form refers to its tab bar.
TEST(MDIWindowLayout, TabsBarAndFormStyleFromALayout) {
    gui::registerGraphicsClasses();
    skin::registerSkinFormClasses();
    gui::CustomForm* previous = gui::application().mainForm();
    {
        gui::Form frame;
        gui::application().setMainForm(&frame);
        layout::readLayout(frame,
                           "object Frame: TForm\n"
                           "  FormStyle = fsMDIForm\n"
                           "  object SkinForm1: TSkinForm\n"
                           "    MDITabsBar = Tabs1\n"
                           "  end\n"
                           "  object Tabs1: TSkinMDITabsBar\n"
                           "  end\n"
                           "end\n",
                           "frame");
        skin::SkinForm* skinned = skin::SkinForm::findSkinForm(&frame);
        ASSERT_NE(skinned, nullptr);
        auto* tabs = dynamic_cast<skin::SkinMDITabsBar*>(frame.findComponent("Tabs1"));
        ASSERT_NE(tabs, nullptr);
        EXPECT_EQ(skinned->mdiTabsBar(), tabs);
        EXPECT_EQ(tabs->parent(), &frame);
        EXPECT_TRUE(frame.isMDIForm());
    }
    gui::application().setMainForm(previous);
}
