// The skinned menu engine with real input: the mouse and keyboard come from xdotool on the X display
// the program runs on (SendInput when xdotool cannot be started), and the checks look at what the
// user sees: which windows are open, where, and which entry is highlighted.
#include "RealInput.h"
#include "WindowTestSupport.h"
#include "core/Utf8.h"
#include "gui/Bitmap.h"
#include "gui/Form.h"
#include "gui/MenuItem.h"
#include "gui/Panel.h"
#include "skin/form/win32/SkinForm.h"
#include "skin/popup/win32/SkinMenu.h"
#include "skin/popup/win32/SkinPopupMenu.h"
#include "skin/popup/win32/SkinPopupWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace testing_support;
using menu_testing::xdotool;
using skin::SkinMenu;

namespace {

void mouseTo(int x, int y) {
    if (!xdotool("mousemove " + std::to_string(x) + " " + std::to_string(y)))
        sendMouseMove(x, y);
    pumpFor(120);
}

void click(int button) {
    if (!xdotool("click " + std::to_string(button))) {
        INPUT in[2]{};
        in[0].type = in[1].type = INPUT_MOUSE;
        in[0].mi.dwFlags = button == 3 ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
        in[1].mi.dwFlags = button == 3 ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
        SendInput(2, in, sizeof in[0]);
    }
    pumpFor(150);
}

void key(const char* name, WORD vk) {
    if (!xdotool(std::string("key ") + name)) {
        INPUT in[2]{};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = vk;
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof in[0]);
    }
    pumpFor(150);
}

// A skinned form (no skin: the plain look) with a panel whose popup menu is a skinned one:
//   0 &Open   1 -   2 Disabled   3 Sub > (A, B)   4 &Quit
struct MenuFixture : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<gui::Form>();
        form->setBounds(100, 100, 400, 300);
        skinForm = new skin::SkinForm(form.get());
        panel = new gui::Panel(form.get());
        panel->setParent(form.get());
        panel->setBounds(10, 10, 300, 200);
        menu = new skin::SkinPopupMenu(form.get());
        auto add = [&](gui::MenuItem& parent, const char* caption) {
            auto* item = new gui::MenuItem(menu);
            item->setCaption(caption);
            parent.add(item);
            return item;
        };
        add(menu->items(), "&Open")->onClick = [this](gui::MenuItem&) { clicked("Open"); };
        add(menu->items(), "-");
        add(menu->items(), "Disabled")->setEnabled(false);
        sub = add(menu->items(), "Sub");
        sub->onClick = [this](gui::MenuItem&) { clicked("Sub"); };
        add(*sub, "A")->onClick = [this](gui::MenuItem&) { clicked("A"); };
        add(*sub, "B");
        add(menu->items(), "&Quit")->onClick = [this](gui::MenuItem&) { clicked("Quit"); };
        panel->setPopupMenu(menu);
        hook = std::make_unique<gui::FunctionHook>([this](gui::Message& m, const auto& previous) {
            if (m.msg == skin::msgSkinMenuClosed || m.msg == skin::msgSkinMenuCommand)
                events.push_back(m.msg == skin::msgSkinMenuClosed ? "1228" : "1229");
            previous(m);
        });
        panel->installHook(hook.get());
        form->show();
        SetForegroundWindow(form->handle());
        pumpFor(300);
    }
    void TearDown() override {
        engine().closeAll();
        if (panel)
            panel->removeHook(hook.get());
        form.reset();
        pumpFor(50);
    }
    void clicked(const std::string& what) {
        // The cascade is gone before any command runs.
        events.push_back(what + (engine().isVisible() || engine().windowCount() ? " (menu open)" : ""));
    }
    SkinMenu& engine() { return skinForm->menuEngine(); }
    // The centre of entry i of the window at level on the screen.
    POINT entryCentre(int level, int i) {
        skin::SkinPopupWindow& w = engine().window(level);
        const core::Rect r = w.screenRect();
        const core::Rect e = w.entry(i).objectRect;
        return {r.left + (e.left + e.right) / 2, r.top + (e.top + e.bottom) / 2};
    }
    // Right-clicks the panel at (x, y) of its client area and waits for the menu.
    void openMenuAt(int x, int y) {
        const core::Point origin = panel->clientOrigin();
        mouseTo(origin.x + x, origin.y + y);
        click(3);
        ASSERT_TRUE(pumpUntil([&] { return engine().isVisible(); }, 3000));
    }

    std::unique_ptr<gui::Form> form;
    skin::SkinForm* skinForm = nullptr;
    gui::Panel* panel = nullptr;
    skin::SkinPopupMenu* menu = nullptr;
    gui::MenuItem* sub = nullptr;
    std::unique_ptr<gui::FunctionHook> hook;
    std::vector<std::string> events;
};

} // namespace

TEST_F(MenuFixture, RightClickOpensTheSkinnedPopupAtTheCursor) {
    EXPECT_FALSE(menu->waitsUntilClosed());
    ASSERT_NO_FATAL_FAILURE(openMenuAt(40, 30));
    const core::Point origin = panel->clientOrigin();
    ASSERT_EQ(engine().windowCount(), 1);
    const core::Rect r = engine().window(0).screenRect();
    EXPECT_EQ(r.left, origin.x + 40);
    EXPECT_EQ(r.top, origin.y + 30);
    // Plain metrics without a skin: entries 20 high, separators 4, five entries in a 6-pixel frame.
    skin::SkinPopupWindow& w = engine().window(0);
    EXPECT_EQ(w.entry(0).objectRect.height(), 20);
    EXPECT_EQ(w.entry(1).objectRect.height(), 4);
    EXPECT_EQ(r.height(), 4 * 20 + 4 + 6);
    // The window never took the activation from the form.
    EXPECT_EQ(GetForegroundWindow(), form->handle());
    // The first selectable entry is chosen when the window opens.
    EXPECT_EQ(w.activeEntry(), 0);
}

TEST_F(MenuFixture, HoveredSubmenuOpensAfterTheDelayAndMovingAwayCancelsIt) {
    ASSERT_NO_FATAL_FAILURE(openMenuAt(40, 30));
    POINT p = entryCentre(0, 3);
    mouseTo(p.x, p.y);
    pumpFor(300 - 120);
    EXPECT_EQ(engine().windowCount(), 1) << "no submenu at 300 ms";
    EXPECT_TRUE(pumpUntil([&] { return engine().windowCount() == 2; }, 1000 - 300)) << "a submenu by 1 s";
    // The submenu opens one pixel right of its parent entry, its first entry level with it.
    const core::Rect parent = engine().window(0).screenRect();
    const core::Rect entry = engine().window(0).entry(3).objectRect;
    EXPECT_EQ(engine().window(1).screenRect().left, parent.left + entry.right + 1);
    EXPECT_EQ(engine().window(1).screenRect().top + engine().window(1).entry(0).objectRect.top,
              parent.top + entry.top);

    key("Escape", VK_ESCAPE); // only the submenu closes
    EXPECT_EQ(engine().windowCount(), 1);
    EXPECT_TRUE(engine().isVisible());

    // Onto the submenu entry and away before the delay: nothing opens.
    p = entryCentre(0, 0);
    mouseTo(p.x, p.y);
    p = entryCentre(0, 3);
    mouseTo(p.x, p.y);
    p = entryCentre(0, 4);
    mouseTo(p.x, p.y);
    pumpFor(1000);
    EXPECT_EQ(engine().windowCount(), 1);
    EXPECT_EQ(engine().window(0).activeEntry(), 4);
}

TEST_F(MenuFixture, ArrowsSkipSeparatorsAndDisabledEntriesAndWrap) {
    ASSERT_NO_FATAL_FAILURE(openMenuAt(40, 30));
    skin::SkinPopupWindow& w = engine().window(0);
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        key("Down", VK_DOWN);
        seen.push_back(w.activeEntry());
    }
    EXPECT_EQ(seen, (std::vector<int>{3, 4, 0, 3}));
    key("Up", VK_UP);
    key("Up", VK_UP);
    EXPECT_EQ(w.activeEntry(), 4); // wrapped from the top to the end
    EXPECT_FALSE(w.entry(2).active);
}

TEST_F(MenuFixture, KeyboardOpensAndClosesSubmenusLevelByLevel) {
    ASSERT_NO_FATAL_FAILURE(openMenuAt(40, 30));
    key("Down", VK_DOWN); // Sub
    pumpFor(700);
    EXPECT_EQ(engine().windowCount(), 1) << "keyboard selection opens no submenu";
    key("Right", VK_RIGHT);
    ASSERT_EQ(engine().windowCount(), 2);
    // The entry's own click handler ran, and the cascade stays for its submenu.
    EXPECT_EQ(events, (std::vector<std::string>{"Sub (menu open)"}));
    key("Escape", VK_ESCAPE);
    EXPECT_EQ(engine().windowCount(), 1);
    EXPECT_FALSE(engine().window(0).entry(3).down);
    key("Escape", VK_ESCAPE);
    EXPECT_FALSE(engine().isVisible());
    EXPECT_EQ(events, (std::vector<std::string>{"Sub (menu open)", "1228"}));
    EXPECT_FALSE(skinForm->isInMenu());
}

TEST_F(MenuFixture, ChosenCommandRunsAfterTheCascadeClosed) {
    ASSERT_NO_FATAL_FAILURE(openMenuAt(40, 30));
    // Clicking a submenu entry opens it at once (and runs its own handler).
    POINT p = entryCentre(0, 3);
    mouseTo(p.x, p.y);
    click(1);
    ASSERT_EQ(engine().windowCount(), 2);
    p = entryCentre(1, 0);
    mouseTo(p.x, p.y);
    click(1);
    EXPECT_FALSE(engine().isVisible());
    EXPECT_EQ(events, (std::vector<std::string>{"Sub (menu open)", "1228", "A", "1229"}));
}

TEST_F(MenuFixture, AcceleratorChoosesAndWheelIsSwallowed) {
    ASSERT_NO_FATAL_FAILURE(openMenuAt(40, 30));
    bool wheelReachedForm = false;
    gui::FunctionHook wheel([&](gui::Message& m, const auto& previous) {
        if (m.msg == WM_MOUSEWHEEL)
            wheelReachedForm = true;
        previous(m);
    });
    form->installHook(&wheel);
    xdotool("click 5");
    pumpFor(200);
    EXPECT_FALSE(wheelReachedForm);
    EXPECT_TRUE(engine().isVisible());
    key("q", 'Q');
    EXPECT_FALSE(engine().isVisible());
    EXPECT_EQ(events, (std::vector<std::string>{"1228", "Quit", "1229"}));
    form->removeHook(&wheel);
}

TEST_F(MenuFixture, ClickOnTheFormClosesTheCascade) {
    ASSERT_NO_FATAL_FAILURE(openMenuAt(40, 30));
    const core::Point origin = form->clientOrigin();
    mouseTo(origin.x + 350, origin.y + 250);
    click(1);
    EXPECT_FALSE(engine().isVisible());
    EXPECT_FALSE(skinForm->isInMenu());
    EXPECT_EQ(events, (std::vector<std::string>{"1228"}));
}

TEST_F(MenuFixture, ManyEntriesScrollBetweenMarkers) {
    for (int i = 0; i < 25; ++i) {
        auto* item = new gui::MenuItem(menu);
        item->setCaption("Entry " + std::to_string(i));
        menu->items().add(item);
    }
    skinForm->setMaxMenuItemsInWindow(10);
    ASSERT_NO_FATAL_FAILURE(openMenuAt(40, 30));
    skin::SkinPopupWindow& w = engine().window(0);
    EXPECT_TRUE(w.scrolls());
    EXPECT_EQ(w.screenRect().height(), 10 * 20 + 26);
    EXPECT_EQ(w.layout().visibleCount(), 10);
    // Up from the first entry wraps to the last one and scrolls it into view.
    key("Up", VK_UP);
    EXPECT_EQ(w.activeEntry(), w.entryCount() - 1);
    EXPECT_TRUE(w.entry(w.entryCount() - 1).visible);
    EXPECT_FALSE(w.entry(0).visible);
}

// Without a skin the active entry is framed in navy on the light fill; the others show the glyph
// column in the button face colour and the window colour beside it.
TEST_F(MenuFixture, PlainEntriesFrameTheActiveOneInNavy) {
    ASSERT_NO_FATAL_FAILURE(openMenuAt(40, 30));
    skin::SkinPopupWindow& w = engine().window(0);
    const core::Rect r = w.screenRect();
    gui::Bitmap bitmap(r.width(), r.height());
    w.paint(bitmap.dc());
    GdiFlush();
    const core::FBitmap b = bitmap.toFBitmap();
    const core::Rect active = w.entry(0).objectRect;
    EXPECT_EQ(b.pixel(active.left, active.top), core::Color(8388608));
    EXPECT_EQ(b.pixel(active.right - 1, active.bottom - 1), core::Color(8388608));
    EXPECT_EQ(b.pixel(active.left + 1, active.top + 1), core::Color(13811126));
    const core::Rect quit = w.entry(4).objectRect;
    EXPECT_EQ(b.pixel(quit.left + 1, quit.top + 1), core::colorToRgb(core::clBtnFace));
    EXPECT_EQ(b.pixel(quit.right - 2, quit.top + 1), core::colorToRgb(core::clWindow));
    // The separator: one line in the shadow colour across its middle, right of the glyph column.
    const core::Rect line = w.entry(1).objectRect;
    EXPECT_EQ(b.pixel(line.left + 30, line.top + 2), core::colorToRgb(core::clBtnShadow));
}

// The hover animation of an entry: 0.2 per tick up to the active image, and back down.
TEST(SkinMenuEntry, MorphMovesByAFifthPerTickAndStopsAtTheState) {
    gui::MenuItem item;
    skin::SkinMenuEntry e(item);
    e.visible = true;
    e.active = true;
    int ticks = 0;
    while (e.morphPending() && ticks < 10) {
        e.morphStep();
        ++ticks;
    }
    EXPECT_EQ(ticks, 5);
    EXPECT_DOUBLE_EQ(e.morphFactor, 1.0);
    e.active = false;
    e.morphStep();
    EXPECT_NEAR(e.morphFactor, 0.8, 1e-9);
    e.visible = false;
    EXPECT_FALSE(e.morphPending()) << "entries out of view do not animate";
}

// The skinned form's system menu opens through the engine: a right click on the caption at the
// cursor, Alt+Space at the window's top-left.
TEST_F(MenuFixture, SystemMenuIsTheSkinnedOne) {
    RECT wr;
    GetWindowRect(form->handle(), &wr);
    mouseTo((wr.left + wr.right) / 2 - 40, wr.top + 8);
    click(3);
    ASSERT_TRUE(pumpUntil([&] { return engine().isVisible(); }, 3000));
    skin::SkinPopupWindow& w = engine().window(0);
    EXPECT_EQ(w.screenRect().left, (wr.left + wr.right) / 2 - 40);
    EXPECT_EQ(w.entry(w.entryCount() - 1).menuItem().name(), "SF_CLOSE");
    EXPECT_TRUE(skinForm->isInMenu());
    key("Escape", VK_ESCAPE);
    EXPECT_FALSE(engine().isVisible());
    EXPECT_FALSE(skinForm->isInMenu());

    if (!xdotool("key alt+space"))
        GTEST_SKIP() << "xdotool is not available";
    ASSERT_TRUE(pumpUntil([&] { return engine().isVisible(); }, 3000));
    EXPECT_EQ(engine().window(0).screenRect().left, wr.left);
    EXPECT_EQ(engine().window(0).screenRect().top, wr.top);
}

// A control freed while its menu is open is not told anything afterwards.
TEST_F(MenuFixture, ControlFreedWhileItsMenuIsOpen) {
    ASSERT_NO_FATAL_FAILURE(openMenuAt(40, 30));
    panel->removeHook(hook.get());
    delete std::exchange(panel, nullptr);
    engine().closeAll();
    EXPECT_FALSE(engine().isVisible());
    EXPECT_TRUE(events.empty());
}

// Moving the form or activating another window closes the cascade too.
TEST_F(MenuFixture, MoveOrDeactivationClosesTheCascade) {
    ASSERT_NO_FATAL_FAILURE(openMenuAt(40, 30));
    SetWindowPos(form->handle(), nullptr, 130, 110, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pumpFor(100);
    EXPECT_FALSE(engine().isVisible());

    ASSERT_NO_FATAL_FAILURE(openMenuAt(40, 30));
    gui::Form other;
    other.setBounds(600, 400, 200, 150);
    other.show();
    SetForegroundWindow(other.handle());
    pumpFor(200);
    EXPECT_FALSE(engine().isVisible());
    EXPECT_FALSE(skinForm->isInMenu());
}
