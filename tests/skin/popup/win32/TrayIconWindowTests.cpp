// The tray icon without a visible tray: the shell calls are recorded through the icon's seam, and the
// icon is driven by sending the tray's callback messages to its window, as the shell would.
#include "WindowTestSupport.h"
#include "gui/Bitmap.h"
#include "gui/Canvas.h"
#include "gui/Form.h"
#include "gui/ImageList.h"
#include "gui/MenuItem.h"
#include "layout/LayoutReader.h"
#include "skin/form/win32/SkinForm.h"
#include "skin/popup/win32/SkinHint.h"
#include "skin/popup/win32/SkinMenu.h"
#include "skin/popup/win32/SkinPopupClasses.h"
#include "skin/popup/win32/SkinPopupMenu.h"
#include "skin/popup/win32/TrayIcon.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace testing_support;
using skin::TrayIcon;

namespace {

struct ShellCall {
    DWORD message;
    UINT id;
    UINT flags;
    UINT callback;
    HWND window;
    bool hasIcon;
    std::u16string tip;
};

struct TrayFixture : ::testing::Test {
    void SetUp() override {
        TrayIcon::setNotifyIconCall([this](DWORD message, const NOTIFYICONDATAW& d) {
            calls.push_back({message, d.uID, d.uFlags, d.uCallbackMessage, d.hWnd, d.hIcon != nullptr,
                             std::u16string(reinterpret_cast<const char16_t*>(d.szTip))});
            return true;
        });
        form = std::make_unique<gui::Form>();
        form->setBounds(150, 150, 360, 240);
        gui::application().setMainForm(form.get());
        tray = new TrayIcon(form.get());
        tray->onClick = [this](core::Component*) { ++clicks; };
        tray->onDblClick = [this](core::Component*) { ++doubleClicks; };
        tray->onMouseDown = [this](core::Component*, gui::MouseButton b, gui::ShiftState, int, int) {
            downs.push_back(b);
        };
        tray->onMouseUp = [this](core::Component*, gui::MouseButton, gui::ShiftState, int, int) { ++ups; };
        form->show();
        pumpFor(100);
    }
    void TearDown() override {
        form.reset();
        TrayIcon::setNotifyIconCall(nullptr);
        gui::application().setShowMainForm(true);
    }
    void send(UINT mouseMessage) {
        SendMessageW(tray->handle(), TrayIcon::callbackMessage, TrayIcon::iconId, LPARAM(mouseMessage));
    }
    void waitDoubleClickTime() { pumpFor(GetDoubleClickTime() + 150); }
    int count(DWORD message) const {
        int n = 0;
        for (const ShellCall& c : calls)
            n += c.message == message;
        return n;
    }

    std::vector<ShellCall> calls;
    std::unique_ptr<gui::Form> form;
    TrayIcon* tray = nullptr;
    int clicks = 0, doubleClicks = 0, ups = 0;
    std::vector<gui::MouseButton> downs;
};

TEST_F(TrayFixture, TheIconGoesInWithItsRecordAndATipCutAt127) {
    tray->setHint(std::string(200, 'h'));
    tray->showIcon();
    ASSERT_FALSE(calls.empty());
    const ShellCall& add = calls.back();
    EXPECT_EQ(add.message, DWORD(NIM_ADD));
    EXPECT_EQ(add.id, 1u);
    EXPECT_EQ(add.flags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(add.callback, 2048u);
    EXPECT_EQ(add.window, tray->handle());
    // Without an icon of its own it shows the application's.
    EXPECT_TRUE(add.hasIcon);
    EXPECT_EQ(add.tip, std::u16string(127, u'h'));
    tray->setShowHint(false);
    EXPECT_EQ(calls.back().message, DWORD(NIM_MODIFY));
    EXPECT_TRUE(calls.back().tip.empty());
    tray->setIconVisible(false);
    EXPECT_EQ(calls.back().message, DWORD(NIM_DELETE));
    // The real shell call under Wine (no tray) fails quietly.
    TrayIcon::setNotifyIconCall(nullptr);
    tray->showIcon();
    tray->hideIcon();
}

TEST_F(TrayFixture, SingleClickFiresAfterTheDoubleClickTimeAndADoubleClickFiresNoClick) {
    send(WM_LBUTTONDOWN);
    send(WM_LBUTTONUP);
    EXPECT_EQ(clicks, 0);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0], gui::MouseButton::mbLeft);
    EXPECT_EQ(ups, 1);
    waitDoubleClickTime();
    EXPECT_EQ(clicks, 1);

    send(WM_LBUTTONDOWN);
    send(WM_LBUTTONUP);
    send(WM_LBUTTONDBLCLK);
    send(WM_LBUTTONUP);
    waitDoubleClickTime();
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(clicks, 1);

    // Disabled, the icon ignores the mouse.
    tray->setEnabled(false);
    send(WM_LBUTTONDOWN);
    send(WM_LBUTTONUP);
    waitDoubleClickTime();
    EXPECT_EQ(clicks, 1);
}

TEST_F(TrayFixture, RightButtonDownOpensTheSkinnedPopupMenu) {
    auto* skinForm = new skin::SkinForm(form.get());
    (void)skinForm;
    auto* menu = new skin::SkinPopupMenu(form.get());
    auto* open = new gui::MenuItem(menu);
    open->setCaption("Open");
    menu->items().add(open);
    tray->setPopupMenu(menu);
    pumpFor(100);
    skin::SkinMenu* engine = skin::SkinMenu::forForm(form.get());
    ASSERT_NE(engine, nullptr);
    send(WM_RBUTTONDOWN);
    EXPECT_TRUE(pumpUntil([&] { return engine->isVisible(); }, 1000));
    ASSERT_FALSE(downs.empty());
    EXPECT_EQ(downs.back(), gui::MouseButton::mbRight);
    send(WM_RBUTTONUP);
    EXPECT_EQ(ups, 1);
    engine->closeAll();
}

TEST_F(TrayFixture, ShellRestartAddsTheIconAgain) {
    tray->showIcon();
    calls.clear();
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, tray->taskbarCreatedMessage(), 0, 0, SMTO_ABORTIFHUNG, 3000, &result);
    pumpFor(100);
    EXPECT_EQ(count(NIM_ADD), 1);
    // A hidden icon stays hidden.
    tray->hideIcon();
    calls.clear();
    SendMessageTimeoutW(HWND_BROADCAST, tray->taskbarCreatedMessage(), 0, 0, SMTO_ABORTIFHUNG, 3000, &result);
    pumpFor(100);
    EXPECT_EQ(count(NIM_ADD), 0);
}

TEST_F(TrayFixture, IconIndexAndAnimationFollowTheImageList) {
    auto* list = new gui::ImageList(form.get(), 16, 16);
    for (core::Color c : {core::clRed, core::clSilver, core::clBlue}) {
        gui::Bitmap image(16, 16);
        image.canvas().brush().setColor(c);
        image.canvas().fillRect({0, 0, 16, 16});
        list->add(image);
    }
    tray->setIconList(list);
    tray->setIconIndex(10);
    EXPECT_EQ(tray->iconIndex(), 2);
    EXPECT_FALSE(tray->icon().isEmpty());
    // Cycling with the interval left at 0: nothing moves.
    tray->setCycleIcons(true);
    EXPECT_EQ(tray->iconIndex(), 0);
    pumpFor(300);
    EXPECT_EQ(tray->iconIndex(), 0);
    std::vector<int32_t> steps;
    tray->onCycle = [&](core::Component*, int32_t& next) { steps.push_back(next); };
    tray->setAnimateTimerInterval(30);
    pumpUntil([&] { return steps.size() >= 4; });
    ASSERT_GE(steps.size(), 4u);
    EXPECT_EQ(steps[0], 1);
    EXPECT_EQ(steps[1], 2);
    EXPECT_EQ(steps[2], 0);
    tray->setCycleIcons(false);
    // An empty list gives no image.
    list->clear();
    tray->setIconIndex(1);
    EXPECT_EQ(tray->iconIndex(), -1);
}

TEST_F(TrayFixture, MinimiseToTrayAndRestoreThroughTheSkinnedForm) {
    auto* skinForm = new skin::SkinForm(form.get());
    skinForm->setTrayIcon(tray);
    // Not AlwaysShowInTray: the icon is out of the tray while the window shows.
    EXPECT_EQ(calls.back().message, DWORD(NIM_DELETE));
    EXPECT_FALSE(tray->isIconVisible());
    // Without a menu and click handler of its own the icon got the form's.
    EXPECT_NE(tray->popupMenu(), nullptr);
    tray->onClick = nullptr;
    skinForm->setTrayIcon(tray);
    calls.clear();
    skinForm->minimizeToTray();
    EXPECT_TRUE(pumpUntil([&] { return !IsWindowVisible(form->handle()); }));
    EXPECT_EQ(count(NIM_ADD), 1);
    EXPECT_TRUE(tray->isIconVisible());
    // A click on the icon brings the window back and takes the icon out.
    send(WM_LBUTTONDOWN);
    send(WM_LBUTTONUP);
    EXPECT_TRUE(pumpUntil([&] { return IsWindowVisible(form->handle()) != 0; }, 3000));
    EXPECT_FALSE(IsIconic(form->handle()));
    EXPECT_EQ(calls.back().message, DWORD(NIM_DELETE));

    // AlwaysMinimizeToTray turns the minimise button's command into minimise-to-tray, and
    // AlwaysShowInTray keeps the icon when the window is back.
    skinForm->setAlwaysShowInTray(true);
    calls.clear();
    skinForm->minimizeToTray();
    EXPECT_TRUE(pumpUntil([&] { return !IsWindowVisible(form->handle()); }));
    skinForm->restoreFromTray();
    pumpFor(100);
    EXPECT_TRUE(IsWindowVisible(form->handle()));
    EXPECT_EQ(count(NIM_DELETE), 0);
}

TEST_F(TrayFixture, PlainMinimiseHidesIntoTheTrayUnlessTurnedOff) {
    calls.clear();
    gui::application().minimize();
    EXPECT_TRUE(pumpUntil([&] { return !IsWindowVisible(form->handle()); }));
    EXPECT_EQ(count(NIM_ADD), 1);
    tray->restoreMainForm();
    EXPECT_TRUE(pumpUntil([&] { return IsWindowVisible(form->handle()) && !IsIconic(form->handle()); }));
    tray->setMinimizeToTray(false);
    gui::application().minimize();
    pumpFor(200);
    EXPECT_TRUE(IsWindowVisible(form->handle()));
    gui::application().restore();
}

TEST_F(TrayFixture, MinimizedOnStartKeepsTheMainFormHidden) {
    form->hide();
    calls.clear();
    tray->setMinimizedOnStart(true);
    tray->loaded();
    EXPECT_FALSE(gui::application().showMainForm());
    EXPECT_FALSE(IsWindowVisible(form->handle()));
    EXPECT_EQ(count(NIM_ADD), 1);
    EXPECT_TRUE(tray->minimizeToTray());
}

TEST_F(TrayFixture, LayoutsDescribeTheTrayIconAndTheSkinHint) {
    skin::registerSkinPopupClasses();
    calls.clear();
    layout::readLayout(*form,
                       "object Form1: TForm\n"
                       "  object TrayIcon2: TTrayIcon\n"
                       "    Hint = 'Velmora setup'\n"
                       "    PopupByLeftButton = True\n"
                       "    IconIndex = 3\n"
                       "  end\n"
                       "  object SkinHint1: TSkinHint\n"
                       "    Active = False\n"
                       "    AlphaBlend = True\n"
                       "    AlphaBlendValue = 200\n"
                       "  end\n"
                       "end\n",
                       "tray");
    auto* icon = dynamic_cast<TrayIcon*>(form->findComponent("TrayIcon2"));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->hint(), "Velmora setup");
    EXPECT_TRUE(icon->popupByLeftButton());
    // No image list: the index is 0.
    EXPECT_EQ(icon->iconIndex(), 0);
    // Loading finished: the icon went in with its tip.
    EXPECT_EQ(count(NIM_ADD), 1);
    EXPECT_EQ(calls.back().tip, u"Velmora setup");
    auto* hint = dynamic_cast<skin::SkinHint*>(form->findComponent("SkinHint1"));
    ASSERT_NE(hint, nullptr);
    EXPECT_FALSE(hint->isActive());
    EXPECT_TRUE(hint->alphaBlend());
    EXPECT_EQ(hint->alphaBlendValue(), 200);
}

} // namespace
