// The skin gallery as a user meets it: both built-in skins on the screen against the rendered skin,
// menus and popups opened with the real mouse, hints, the tray driven by its callback messages, skin
// files good and bad, many skin switches, and the program started with a skin on its command line.
#include "../skin/form/win32/FrameComparison.h"
#include "../skin/popup/win32/RealInput.h"
#include "WindowTestSupport.h"
#include "core/Error.h"
#include "core/Stream.h"
#include "core/Utf8.h"
#include "gallery/GalleryArguments.h"
#include "gallery/GalleryWindow.h"
#include "gui/Application.h"
#include "gui/ApplicationHints.h"
#include "gui/HintWindow.h"
#include "gui/MenuItem.h"
#include "skin/data/SkinData.h"
#include "skin/form/win32/FormSkinObjects.h"
#include "skin/form/win32/SkinForm.h"
#include "skin/form/win32/SkinMDITabsBar.h"
#include "skin/form/win32/SkinMainMenuBar.h"
#include "skin/popup/win32/SkinHint.h"
#include "skin/popup/win32/SkinMenu.h"
#include "skin/popup/win32/SkinPopupWindow.h"
#include "skin/popup/win32/TrayIcon.h"
#include "skin/render/preview/StorePreview.h"
#include "winbase/Handles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

const std::string emberFile = std::string(VELMORA_BINARY_DIR) + "/skins/ember/ember.skn";

// Real input through the X server; the test is skipped where xdotool cannot reach the display.
void input(const std::string& args) {
    if (!menu_testing::xdotool(args))
        GTEST_SKIP() << "xdotool is not available";
    pumpFor(150);
}

void mouseTo(POINT p) {
    input("mousemove " + std::to_string(p.x) + " " + std::to_string(p.y));
}

// The windows of this thread, top-level ones and their children.
BOOL CALLBACK countWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK countWindowAndChildren(HWND w, LPARAM count) {
    countWindow(w, count);
    EnumChildWindows(w, countWindow, count);
    return TRUE;
}

int threadWindowCount() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countWindowAndChildren, LPARAM(&count));
    return count;
}

struct GalleryFixture : ::testing::Test {
    void SetUp() override {
        static bool registered = false;
        if (!registered) {
            gallery::registerGalleryClasses();
            registered = true;
        }
        // No shell tray under Xvfb: the icon's shell calls are only counted.
        skin::TrayIcon::setNotifyIconCall(
            [this](DWORD, const NOTIFYICONDATAW&) { return ++shellCalls, true; });
        window = std::make_unique<gallery::GalleryWindow>(nullptr, gallery::layoutResource());
        window->onSkinError = [this](const std::string& message) { errors.push_back(message); };
        gui::application().setMainForm(window.get());
        window->show();
        SetForegroundWindow(window->handle());
        pumpFor(300);
    }
    void TearDown() override {
        window->skinForm().menuEngine().closeAll();
        window.reset();
        skin::TrayIcon::setNotifyIconCall(nullptr);
        gui::application().setShowMainForm(true);
        pumpFor(50);
    }
    skin::SkinMenu& engine() { return window->skinForm().menuEngine(); }
    POINT barItemCentre(int i) {
        skin::SkinMainMenuBar& bar = window->menuBar();
        const core::Point o = bar.clientOrigin();
        const core::Rect r = bar.itemRect(i);
        return {o.x + (r.left + r.right) / 2, o.y + (r.top + r.bottom) / 2};
    }
    POINT entryCentre(int level, int i) {
        skin::SkinPopupWindow& w = engine().window(level);
        const core::Rect r = w.screenRect();
        const core::Rect e = w.entry(i).objectRect;
        return {r.left + (e.left + e.right) / 2, r.top + (e.top + e.bottom) / 2};
    }
    std::vector<std::string> objectNames() {
        std::vector<std::string> names;
        for (const auto& o : window->skinForm().objects())
            names.push_back(o->idName);
        return names;
    }

    std::unique_ptr<gallery::GalleryWindow> window;
    std::vector<std::string> errors;
    int shellCalls = 0;
};

} // namespace

TEST_F(GalleryFixture, EachBuiltInSkinFramesTheWindowAsSkinpackRendersIt) {
    EXPECT_EQ(window->currentSkin(), "Velmora");
    for (const char* name : {"Velmora", "Ember"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(window->useBuiltInSkin(name));
        SetForegroundWindow(window->handle());
        pumpFor(300);
        EXPECT_EQ(window->skinData().versionInfo().skinName, name);
        EXPECT_EQ(window->caption(), std::string("Skin gallery - ") + name);
        EXPECT_TRUE(dynamic_cast<gui::MenuItem*>(window->findComponent(std::string("Skin") + name + "Item"))
                        ->isChecked());
        std::vector<core::Rect> objects;
        for (const auto& o : window->skinForm().objects())
            objects.push_back(o->objectRect);
        RECT r;
        GetWindowRect(window->handle(), &r);
        const auto result =
            screen_testing::compareFrameWithRender(r, skin::framePreviewSkin(window->skinData()), objects);
        EXPECT_GT(result.compared, 2 * (r.right - r.left + r.bottom - r.top));
        EXPECT_EQ(result.different, 0) << result.firstDifferences;
    }
    // Ember brings the user and animate objects: the program paints the status strip, the ember
    // sends the window to the tray.
    const std::vector<std::string> names = objectNames();
    EXPECT_NE(std::find(names.begin(), names.end(), "status"), names.end());
    auto* ember = window->skinForm().findObject("ember");
    ASSERT_NE(ember, nullptr);
    EXPECT_EQ(ember->kind(), skin::FormObjectKind::Animate);
    EXPECT_EQ(ember->command(), skin::WindowCommand::cmMinimizeToTray);
    EXPECT_NE(window->statusText().find("Ember"), std::string::npos);
    // Caption buttons on the left in Ember, on the right in Velmora.
    const int width = window->width();
    EXPECT_LT(window->skinForm().findObject("closebutton")->objectRect.right, width / 2);
    window->useBuiltInSkin("velmora");
    EXPECT_GT(window->skinForm().findObject("closebutton")->objectRect.left, width / 2);
    EXPECT_EQ(window->skinForm().findObject("ember"), nullptr);
}

TEST_F(GalleryFixture, MenuBarNestedMenusAndTheRightClickPopupOpenWithTheRealMouse) {
    // File: Open skin..., a line, the two skins, a line, Exit.
    mouseTo(barItemCentre(0));
    input("click 1");
    ASSERT_TRUE(pumpUntil([&] { return engine().isVisible(); }, 3000));
    EXPECT_EQ(engine().window(0).entryCount(), 6);
    // Along the bar to Edit, down to its nested Find menu, which opens after the submenu delay.
    mouseTo(barItemCentre(1));
    ASSERT_TRUE(
        pumpUntil([&] { return engine().isVisible() && engine().window(0).entryCount() == 7; }, 3000));
    EXPECT_FALSE(engine().window(0).entry(0).menuItem().isEnabled()) << "Undo is disabled";
    mouseTo(entryCentre(0, 6));
    ASSERT_TRUE(pumpUntil([&] { return engine().windowCount() == 2; }, 2000)) << "Find opens its submenu";
    EXPECT_EQ(engine().window(1).entryCount(), 3);
    input("key Escape");
    input("key Escape");
    engine().closeAll();
    pumpFor(100);

    // A right click in the client area opens the form's skinned popup menu there.
    const core::Point origin = window->clientOrigin();
    mouseTo({origin.x + 299, origin.y + 122}); // between the panel and the group box
    input("click 3");
    ASSERT_TRUE(pumpUntil([&] { return engine().isVisible(); }, 3000));
    EXPECT_EQ(engine().window(0).entryCount(), 7);
    const core::Rect popup = engine().window(0).screenRect();
    EXPECT_LE(std::abs(popup.left - (origin.x + 300)), 2);
    // Choosing "Ember" there switches the skin once the menu has closed.
    mouseTo(entryCentre(0, 1));
    input("click 1");
    EXPECT_TRUE(pumpUntil([&] { return window->currentSkin() == "Ember"; }, 2000));
    EXPECT_FALSE(engine().isVisible());
}

TEST_F(GalleryFixture, ControlAndCaptionButtonHintsAreSkinned) {
    // A control's hint through the application's hint window, styled by the gallery's SkinHint.
    auto* button = dynamic_cast<gui::Control*>(window->findComponent("SpeedButton1"));
    ASSERT_NE(button, nullptr);
    const core::Point origin = button->clientOrigin();
    mouseTo({origin.x + 20, origin.y + 10});
    ASSERT_TRUE(pumpUntil([] { return gui::application().hints().isHintShowing(); }, 4000));
    auto* hint = dynamic_cast<skin::SkinHintWindow*>(gui::application().hints().hintWindow());
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isSkinned());
    EXPECT_EQ(hint->caption(), "Switches to the next built-in skin");
    // The close button's object hint comes from the layout's string table.
    RECT r;
    GetWindowRect(window->handle(), &r);
    const core::Rect close = window->skinForm().findObject("closebutton")->objectRect;
    mouseTo({r.left + (close.left + close.right) / 2, r.top + (close.top + close.bottom) / 2});
    auto* skinHint = dynamic_cast<skin::SkinHint*>(window->findComponent("SkinHint1"));
    ASSERT_NE(skinHint, nullptr);
    EXPECT_TRUE(pumpUntil([&] { return skinHint->window().isHintVisible(); }, 4000));
    EXPECT_EQ(skinHint->window().caption(), "Close the gallery");
    mouseTo({r.left + 200, r.top + 200});
}

TEST_F(GalleryFixture, TrayIconIsDrivenByItsCallbackMessages) {
    skin::TrayIcon& tray = window->trayIcon();
    EXPECT_GT(shellCalls, 0) << "the icon is always in the tray";
    auto send = [&](UINT mouseMessage) {
        SendMessageW(tray.handle(), skin::TrayIcon::callbackMessage, skin::TrayIcon::iconId,
                     LPARAM(mouseMessage));
    };
    // The right button opens the tray menu through the skinned menu engine.
    send(WM_RBUTTONDOWN);
    send(WM_RBUTTONUP);
    ASSERT_TRUE(pumpUntil([&] { return engine().isVisible(); }, 2000));
    EXPECT_EQ(engine().window(0).entryCount(), 4);
    engine().closeAll();
    pumpFor(100);
    // To the tray and back with a double click on the icon.
    window->skinForm().minimizeToTray();
    pumpFor(200);
    EXPECT_FALSE(IsWindowVisible(window->handle()));
    send(WM_LBUTTONDOWN);
    send(WM_LBUTTONUP);
    send(WM_LBUTTONDBLCLK);
    send(WM_LBUTTONUP);
    EXPECT_TRUE(pumpUntil([&] { return IsWindowVisible(window->handle()) != FALSE; }, 2000));
}

TEST_F(GalleryFixture, SkinFilesOpenAndABadOneKeepsTheCurrentSkin) {
    ASSERT_TRUE(window->openSkinFile(emberFile));
    EXPECT_EQ(window->currentSkin(), emberFile);
    EXPECT_EQ(window->skinData().versionInfo().skinName, "Ember");
    EXPECT_TRUE(errors.empty());

    window->useBuiltInSkin("Velmora");
    const std::string bad = (std::filesystem::temp_directory_path() / "gallery-bad.skn").string();
    const std::vector<uint8_t> ember = core::readFileBytes(emberFile);
    for (const auto& [what, bytes] :
         {std::pair<const char*, std::vector<uint8_t>>{"garbage",
                                                       {'n', 'o', 't', ' ', 'a', ' ', 's', 'k', 'i', 'n'}},
          {"cut short", std::vector<uint8_t>(ember.begin(), ember.begin() + long(ember.size() / 2))}}) {
        SCOPED_TRACE(what);
        {
            std::ofstream out(bad, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        }
        errors.clear();
        EXPECT_FALSE(window->openSkinFile(bad));
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_NE(errors[0].find(bad), std::string::npos) << errors[0];
        EXPECT_EQ(window->currentSkin(), "Velmora");
        EXPECT_FALSE(window->skinData().isSkinEmpty());
        EXPECT_EQ(window->skinData().versionInfo().skinName, "Velmora");
        EXPECT_TRUE(window->skinForm().isSkinned());
    }
    errors.clear();
    EXPECT_FALSE(window->openSkinFile(bad + ".missing"));
    EXPECT_EQ(errors.size(), 1u);
    std::filesystem::remove(bad);

    // The command line: a built-in name in any case, a file, and bad usage reported.
    window->applyArguments({"--skin", "EMBER"});
    EXPECT_EQ(window->currentSkin(), "Ember");
    window->applyArguments({"--skin=" + emberFile});
    EXPECT_EQ(window->currentSkin(), emberFile);
    errors.clear();
    window->applyArguments({"--skin"});
    window->applyArguments({"--colour", "red"});
    EXPECT_EQ(errors.size(), 2u);
    EXPECT_EQ(window->currentSkin(), emberFile);
    using gallery::SkinChoice;
    const SkinChoice file = gallery::parseArguments({"my.skn"}, {"Velmora"});
    EXPECT_EQ(file.kind, SkinChoice::Kind::File);
    EXPECT_EQ(gallery::parseArguments({}, {"Velmora"}).kind, SkinChoice::Kind::None);
}

TEST_F(GalleryFixture, AHundredSkinSwitchesLeaveHandlesAndWindowsWhereTheyWere) {
    // No hint may come up half-way: the mouse goes off the window.
    RECT r;
    GetWindowRect(window->handle(), &r);
    SetCursorPos(r.right + 20, r.bottom + 20);
    gui::application().hints().cancelHint();
    // Once around first, so every lazily made handle (fonts, icons) exists.
    window->nextSkin();
    window->nextSkin();
    pumpFor(100);
    const long handles = winbase::liveHandleCount();
    const int windows = threadWindowCount();
    for (int i = 0; i < 100; ++i) {
        window->nextSkin();
        if (i % 10 == 0)
            pumpFor(10);
    }
    pumpFor(200);
    EXPECT_EQ(window->currentSkin(), "Velmora");
    EXPECT_EQ(winbase::liveHandleCount(), handles);
    EXPECT_EQ(threadWindowCount(), windows);
}

TEST_F(GalleryFixture, DocumentsAndTheirTabsOpenRenameMaximiseAndClose) {
    gui::Form& document = window->openDocument();
    pumpFor(100);
    EXPECT_EQ(window->mdiChildCount(), 1);
    EXPECT_EQ(window->activeMDIChild(), &document);
    EXPECT_EQ(GetParent(document.handle()), window->clientHandle());
    skin::SkinMDITabsBar& tabs = window->tabsBar();
    ASSERT_EQ(tabs.tabCount(), 1);
    const std::string caption = document.caption();
    window->renameActiveDocument();
    EXPECT_EQ(document.caption(), caption + " (renamed)");
    EXPECT_EQ(tabs.tabCaption(0), caption + " (renamed)");
    // A second document takes the activation; maximised, it fills the client window.
    gui::Form& second = window->openDocument();
    pumpFor(100);
    EXPECT_EQ(window->activeMDIChild(), &second);
    skin::SkinForm& secondSkin = *skin::SkinForm::findSkinForm(&second);
    secondSkin.changeWindowState(skin::FormWindowState::Maximized);
    pumpFor(100);
    EXPECT_EQ(secondSkin.windowState(), skin::FormWindowState::Maximized);
    EXPECT_EQ(tabs.tabCount(), 2);
    EXPECT_EQ(tabs.activeTab(), 1);
    // The gallery's caption names the maximised document.
    EXPECT_EQ(window->skinForm().captionText(), window->caption() + " - [" + second.caption() + "]");
    // Skin switches leave the documents alone.
    window->nextSkin();
    EXPECT_EQ(window->mdiChildCount(), 2);
    // Closing frees a document and activates the one below.
    second.close();
    EXPECT_TRUE(pumpUntil([&] { return window->mdiChildCount() == 1; }));
    EXPECT_EQ(window->activeMDIChild(), &document);
    EXPECT_EQ(tabs.tabCount(), 1);
    EXPECT_EQ(window->skinForm().captionText(), window->caption());
    document.close();
    EXPECT_TRUE(pumpUntil([&] { return window->mdiChildCount() == 0; }));
    EXPECT_EQ(tabs.tabCount(), 0);
}

// The program itself, started with a skin on its command line.
TEST(GalleryProgram, StartsWithTheSkinItsCommandLineNames) {
    std::wstring exe = core::utf8ToWide(GALLERY_EXE);
    if (!exe.empty() && exe[0] == L'/') {
        for (wchar_t& c : exe)
            if (c == L'/')
                c = L'\\';
        exe = L"Z:" + exe;
    }
    std::wstring commandLine = L"\"" + exe + L"\" --skin ember";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    HWND found = nullptr;
    for (int i = 0; i < 150 && !found; ++i) {
        Sleep(100);
        HWND w = FindWindowW(nullptr, L"Skin gallery - Ember");
        DWORD pid = 0;
        if (w && GetWindowThreadProcessId(w, &pid) && pid == process.dwProcessId)
            found = w;
    }
    EXPECT_NE(found, nullptr) << "no window titled \"Skin gallery - Ember\"";
    if (found)
        PostMessageW(found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}
